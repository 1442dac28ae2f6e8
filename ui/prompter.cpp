#include "prompter.h"

#include "accessibility.h"
#include "captions.h"
#include "program_icon.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QRegularExpression>
#include <QShowEvent>

#include <algorithm>

namespace {

// Qt's own Wayland title bar centres the caption in 14-pixel type and keeps
// 77 pixels at the right edge for its three buttons; centring mirrors that on
// the left. QMessageBox reserves only 50 pixels beyond the caption, which cut
// "QY Amoret Chart" there.
constexpr int kCaptionPixelSize = 14;
constexpr int kCaptionButtonReserve = 2 * 77;

bool compositorDecidesSizes() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

// A QMessageBox that keeps its caption whole and, on Wayland, lets the
// compositor size it. QMessageBox fixes its size whenever it lays itself out;
// a Wayland compositor may still maximise or fullscreen any window, and a
// window that then commits its fixed size is disconnected for breaking the
// protocol. There the box keeps its laid-out size as a minimum only.
class ProgramMessageBox final : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    bool event(QEvent* e) override {
        // While the compositor owns the size, a new layout must not shrink
        // the box; the grid follows the window's size by itself.
        if (e->type() == QEvent::LayoutRequest && compositorOwnsSize()) {
            return QDialog::event(e);
        }
        const bool handled = QMessageBox::event(e);
        settleSize();
        return handled;
    }

    void changeEvent(QEvent* e) override {
        const bool resizes = e->type() == QEvent::StyleChange || e->type() == QEvent::FontChange ||
                             e->type() == QEvent::ApplicationFontChange;
        if (resizes && compositorOwnsSize()) {
            QDialog::changeEvent(e);
            return;
        }
        QMessageBox::changeEvent(e);
    }

    void showEvent(QShowEvent* e) override {
        // A spontaneous show (un-minimising) of a maximised box keeps the
        // compositor's size.
        if (e->spontaneous() && compositorOwnsSize()) {
            QDialog::showEvent(e);
            return;
        }
        QMessageBox::showEvent(e);
    }

private:
    bool compositorOwnsSize() const {
        return compositorDecidesSizes() &&
               (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen));
    }

    int captionWidth() const {
        QFont font = QApplication::font();
        font.setPixelSize(kCaptionPixelSize);
        return QFontMetrics(font).horizontalAdvance(windowTitle()) + kCaptionButtonReserve;
    }

    // Runs after QMessageBox has handled an event; acts only when it has just
    // fixed the size (minimum equal to maximum).
    void settleSize() {
        if (!isVisible() || minimumSize() != maximumSize()) {
            return;
        }
        const QSize laidOut = minimumSize();
        const int width = std::max(laidOut.width(), captionWidth());
        if (compositorDecidesSizes()) {
            setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
            setMinimumSize(width, laidOut.height());
            if (!compositorOwnsSize()) {
                resize(width, laidOut.height());
            }
        } else if (width > laidOut.width()) {
            setFixedSize(width, laidOut.height());
        }
    }
};

} // namespace

std::unique_ptr<QMessageBox> makeMessageBox(const QString& text, bool yesNo) {
    auto box = std::make_unique<ProgramMessageBox>(QApplication::activeWindow());
    box->setIcon(QMessageBox::Information);
    box->setWindowTitle(look::appTitle());
    // Start-up may ask before the program's own icon is set.
    box->setWindowIcon(look::programIcon());
    box->setText(text);
    box->setTextFormat(Qt::PlainText);
    // A line break on screen is nothing to assistive technology, which would
    // run the lines together into one word; it hears them as sentences.
    const QStringList lines = text.split(QRegularExpression(QStringLiteral("\\r\\n?|\\n")));
    if (lines.size() > 1) {
        if (auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
            label->setAccessibleName(accessibility::sentences(lines));
        }
    }
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
