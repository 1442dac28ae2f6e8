#include "prompter.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {
// What Qt's own Wayland title bar needs to show a caption whole: the caption
// in 14-pixel type, centred, with its three buttons at the right.
int captionNeed(const QString& title) {
    QFont font = QApplication::font();
    font.setPixelSize(14);
    return QFontMetrics(font).horizontalAdvance(title) + 2 * 77;
}
} // namespace

TEST(MessageBox, IsWideEnoughForItsWholeCaptionAndStaysFixedOffWayland) {
    for (const bool yesNo : {false, true}) {
        auto box = makeMessageBox(QStringLiteral("Application is already running"), yesNo);
        box->setWindowModality(Qt::NonModal); // shown, not run: the test goes on
        box->show();
        QApplication::processEvents();
        EXPECT_GE(box->width(), captionNeed(box->windowTitle())) << "yesNo " << yesNo;
        EXPECT_EQ(box->minimumSize(), box->maximumSize()) << "a fixed size, as designed";
        EXPECT_EQ(box->size(), box->minimumSize());
        // The texts and icon are checked with the other texts.
        EXPECT_EQ(box->defaultButton(), box->button(yesNo ? QMessageBox::Yes : QMessageBox::Ok));
        // A later layout (a font change, say) keeps the caption whole.
        QFont bigger = box->font();
        bigger.setPointSizeF(bigger.pointSizeF() * 1.5);
        box->setFont(bigger);
        QApplication::processEvents();
        EXPECT_GE(box->width(), captionNeed(box->windowTitle()));
        EXPECT_EQ(box->minimumSize(), box->maximumSize());
        box->close();
    }
}

TEST(MessageBox, ALongTextKeepsTheWidthQtGivesIt) {
    const QString text(300, QLatin1Char('x'));
    auto box = makeMessageBox(text, false);
    box->setWindowModality(Qt::NonModal);
    box->show();
    QApplication::processEvents();
    EXPECT_GT(box->width(), captionNeed(box->windowTitle()));
    const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    ASSERT_NE(label, nullptr);
    EXPECT_LE(label->geometry().right(), box->width()) << "the text stays inside the box";
    box->close();
}
