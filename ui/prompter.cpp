#include "prompter.h"

#include "window_look.h"

#include <QApplication>
#include <QMessageBox>

std::unique_ptr<QMessageBox> makeMessageBox(const QString& text, bool yesNo) {
    auto box = std::make_unique<QMessageBox>(QApplication::activeWindow());
    box->setIcon(QMessageBox::Information);
    box->setWindowTitle(look::kAppTitle);
    box->setText(text);
    box->setTextFormat(Qt::PlainText);
    box->setWindowModality(Qt::ApplicationModal);
    if (yesNo) {
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box->setDefaultButton(QMessageBox::Yes);
    } else {
        box->setStandardButtons(QMessageBox::Ok);
        box->setDefaultButton(QMessageBox::Ok);
    }
    return box;
}

void MessageBoxPrompter::inform(const QString& text) {
    makeMessageBox(text, false)->exec();
}

bool MessageBoxPrompter::askYesNo(const QString& text) {
    return makeMessageBox(text, true)->exec() == QMessageBox::Yes;
}
