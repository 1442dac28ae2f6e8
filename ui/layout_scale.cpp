#include "layout_scale.h"

#include "fonts.h"

#include <QCoreApplication>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QScreen>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace look {

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

} // namespace look
