#include "window_look.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGridLayout>
#include <QImage>
#include <QMainWindow>
#include <QPalette>
#include <QPixmap>
#include <QScreen>
#include <QTextLayout>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace look {

namespace {
// WCAG 2.1 AA for normal text.
constexpr double kMinimumContrast = 4.5;
constexpr QRgb kDesignedTextColours[] = {kLinkBlue, kDarkPurple, kPurple, kOliveGreen, kInputText};
} // namespace

QString windowCaption() {
    return QCoreApplication::translate("look", "QY Amoret Chart v1.0");
}

QString appTitle() {
    return QCoreApplication::translate("look", "QY Amoret Chart");
}

QIcon programIcon() {
    // Decoded once: every result and about window asks for it again.
    static QIcon* icon = nullptr;
    if (!icon) {
        icon = new QIcon;
        // Up to four times the designed 32 pixels: X11 is sent every size as
        // raw pixels with each window, and a 256-pixel size would add 0.35 MiB
        // to the program's peak memory for no one's use; launchers and docks
        // take the theme's icon (256 pixels and scalable) from the desktop
        // entry. Largest first: on X11 Qt converts the sizes in this order
        // into one growing property, so the largest copy is made while that
        // is still empty, which keeps the peak lower.
        for (const char* size : {"128", "64", "32"}) {
            // Named as PNG: left to guess the format, the reader would first load
            // every image plugin (JPEG, GIF, SVG, ...) to ask each one.
            icon->addPixmap(QPixmap::fromImage(QImage(
                QStringLiteral(":/icon/qyamoretchart-%1.png").arg(QLatin1String(size)), "PNG")));
        }
        // Pixmaps must not outlive the application.
        qAddPostRoutine([] {
            delete icon;
            icon = nullptr;
        });
    }
    return *icon;
}

void installFontSubstitutes() {
    // Linux desktops rarely carry Verdana; DejaVu Sans is its closest free cousin.
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
}

// Verdana where the system has it, else its substitute by name. The face
// drawn is the same either way, but a family the font database lacks sends
// every new font through fontconfig's fallback rules first, which makes
// finding it more than half as dear again.
static QString baseFamily() {
    static const QString family = [] {
        const QString verdana = QStringLiteral("Verdana");
        return QFontDatabase::families().contains(verdana, Qt::CaseInsensitive)
                   ? verdana
                   : QFont::substitute(verdana);
    }();
    return family;
}

QFont font(qreal pointSize, bool bold, bool underline) {
    QFont f(baseFamily());
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    f.setUnderline(underline);
    return f;
}

// The design font's text width (regular and bold) and line height at 8.25 pt
// and 96 dpi: DejaVu Sans, measured with a sample of mixed case and digits.
// Heights are whole pixels, as labels lay their lines out.
constexpr qreal kDesignSampleWidth = 617.3;
constexpr qreal kDesignSampleWidthBold = 689.4;
constexpr int kDesignLineHeight = 13;
// Scales come in sixteenths: the small excess absorbs the rounding of
// positions, so rows designed edge to edge still clear each other.
constexpr qreal kScaleStep = 16;

// The height of one line of `text` as a label lays it out, fallback fonts included.
static qreal laidOutLineHeight(const QString& text, const QFont& font) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    return line.isValid() ? line.height() : 0;
}

// How much taller the user's language draws a line than the base font's own
// letters: Chinese comes from a CJK fallback font with taller lines. Nothing
// in English.
static int languageExtraHeight(const QFont& font) {
    const QString latin = QStringLiteral("Ag");
    const QString sample = QCoreApplication::translate(
        "look", "Ag",
        "Never shown: a few letters of this language's script, to measure how tall its lines are");
    if (sample == latin) {
        // Untranslated: nothing to compare, and laying text out this early
        // would only hold up the window's first showing.
        return 0;
    }
    return static_cast<int>(
        std::ceil(std::max(0.0, laidOutLineHeight(sample, font) - laidOutLineHeight(latin, font))));
}

// What one line of a label takes: some fonts space lines wider than their height.
static int lineHeight(const QFont& font) {
    const QFontMetrics metrics(font);
    return std::max(metrics.height(), metrics.lineSpacing()) + languageExtraHeight(font);
}

qreal layoutScaleFor(const QFont& base) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal dpi = screen ? screen->logicalDotsPerInchY() : 96.0;
    const QString family = QFontInfo(base).family();
    const bool designFamily =
        family.compare(QLatin1String("Verdana"), Qt::CaseInsensitive) == 0 ||
        family.compare(QLatin1String("DejaVu Sans"), Qt::CaseInsensitive) == 0;
    QFont bold = base;
    bold.setBold(true);
    if (designFamily && qFuzzyCompare(dpi, 96.0) && languageExtraHeight(base) == 0 &&
        languageExtraHeight(bold) == 0) {
        return 1.0; // exactly as designed, whatever the hinting of this machine
    }
    const QString sample = QStringLiteral("The quick brown fox jumps over the lazy dog. "
                                          "THE QUICK BROWN FOX JUMPS OVER THE LAZY DOG 0123456789");
    const qreal growth =
        std::max({QFontMetricsF(base).horizontalAdvance(sample) / kDesignSampleWidth,
                  QFontMetricsF(bold).horizontalAdvance(sample) / kDesignSampleWidthBold,
                  qreal(std::max(lineHeight(base), lineHeight(bold))) / kDesignLineHeight});
    // A smaller font fits the design as it is; it is never shrunk.
    return std::max(1.0, std::ceil(growth * kScaleStep) / kScaleStep);
}

qreal layoutScale() {
    static const qreal scale = layoutScaleFor(font());
    return scale;
}

// t^2.4 for 0 < t <= 1, as t^2 times the fifth root of t^2, the root by
// Newton's method from 1, which falls to it without overshooting; good to an
// ulp or two. Not std::pow: every window checks its palette, and the first
// call into the maths library maps about 0.2 MiB of its code and tables
// while start-up needs nothing else from it.
static double power2point4(double t) {
    const double square = t * t;
    double root = 1.0;
    for (;;) {
        const double fourth = (root * root) * (root * root);
        const double next = (4.0 * root + square / fourth) / 5.0;
        if (!(next < root)) {
            return square * root;
        }
        root = next;
    }
}

static double luminance(QColor c) {
    const auto channel = [](double v) {
        return v <= 0.04045 ? v / 12.92 : power2point4((v + 0.055) / 1.055);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrastRatio(QColor a, QColor b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    const double dark = std::min(la, lb);
    const double light = std::max(la, lb);
    return (light + 0.05) / (dark + 0.05);
}

QPalette windowPalette(const QPalette& system) {
    const QColor background = system.color(QPalette::Base);
    const bool readable =
        std::all_of(std::begin(kDesignedTextColours), std::end(kDesignedTextColours),
                    [&](QRgb text) { return contrastRatio(text, background) >= kMinimumContrast; });
    QPalette palette = system;
    if (!readable) {
        // The designed colours were chosen for a light window: give them one,
        // with dark text on light fields and buttons.
        palette = QPalette(QColor(240, 240, 240));
        palette.setColor(QPalette::Base, Qt::white);
        palette.setColor(QPalette::Text, Qt::black);
        palette.setColor(QPalette::WindowText, Qt::black);
        palette.setColor(QPalette::ButtonText, Qt::black);
        palette.setColor(QPalette::PlaceholderText, QColor(110, 110, 110));
    }
    // The windows were designed on the system window colour (the colour of
    // text areas), not the greyer dialog face.
    palette.setColor(QPalette::Window, palette.color(QPalette::Base));
    return palette;
}

QWidget* applyWindowLook(QWidget* window, QSize clientSize) {
    window->setWindowTitle(windowCaption());
    window->setFont(font());
    window->setPalette(windowPalette(QApplication::palette()));
    window->setAutoFillBackground(true);

    QWidget* host = window;
    if (auto* mainWindow = qobject_cast<QMainWindow*>(window)) {
        host = new QWidget(mainWindow);
        mainWindow->setCentralWidget(host);
    }
    auto* client = new QWidget(host);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(clientSize);
    auto* layout = new QGridLayout(host);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(client, 0, 0, Qt::AlignCenter);

    // A Wayland compositor may maximise any window and ends the connection of
    // one that keeps another size, so there the window only has a minimum.
    const bool compositorSizes =
        QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    window->layout()->setSizeConstraint(compositorSizes ? QLayout::SetMinimumSize
                                                        : QLayout::SetFixedSize);
    window->layout()->activate();
    return client;
}

void setTextColor(QWidget* widget, QRgb color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, QColor(color));
    palette.setColor(QPalette::Text, QColor(color));
    widget->setPalette(palette);
}

namespace {
// Places a top-level window in the middle of the screen it appears on.
void centerOnScreen(QWidget* window) {
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) {
        return;
    }
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

class CenterOnFirstShow final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            centerOnScreen(static_cast<QWidget*>(watched));
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }
};
} // namespace

void centerWhenFirstShown(QWidget* window) {
    window->installEventFilter(new CenterOnFirstShow(window));
}

} // namespace look
