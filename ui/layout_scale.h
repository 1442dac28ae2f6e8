// How much larger than designed the windows are laid out, so that a larger
// font or a taller script still fits its controls.
#pragma once

#include <QFont>

namespace look {

// 1 with the design font at 96 dpi, else the growth of the base font's text
// width and line height, as Windows scales dialogs with the system font.
// Never below 1.
qreal layoutScale();
// The same for a given base font, at the screen's logical dpi, with the line
// height of the user's language (a CJK fallback font draws taller lines).
qreal layoutScaleFor(const QFont& base);

} // namespace look
