#include "colours.h"

#include <QWidget>

#include <algorithm>

namespace look {

namespace {

// WCAG 2.1 AA for normal text.
constexpr double kMinimumContrast = 4.5;
constexpr QRgb kDesignedTextColours[] = {kLinkBlue, kDarkPurple, kPurple, kOliveGreen, kInputText};

// x to the power 2.4 for x in (0, 1], as x squared times the y with y^5 = x^2
// (Newton's method from above, which cannot overshoot). std::pow would page
// in libm's tables, a sixth of a megabyte, for these few colours alone.
double toThePower2point4(double x) {
    const double square = x * x;
    double y = 1.0;
    for (;;) {
        const double y4 = (y * y) * (y * y);
        const double next = (4.0 * y + square / y4) / 5.0;
        if (next >= y) {
            return square * y;
        }
        y = next;
    }
}

double luminance(QColor c) {
    const auto channel = [](double v) {
        return v <= 0.04045 ? v / 12.92 : toThePower2point4((v + 0.055) / 1.055);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

} // namespace

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

void setTextColor(QWidget* widget, QRgb color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, QColor(color));
    palette.setColor(QPalette::Text, QColor(color));
    widget->setPalette(palette);
}

} // namespace look
