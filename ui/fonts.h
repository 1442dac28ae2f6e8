// The windows' base font and the faces that stand in for it.
#pragma once

#include <QFont>

namespace look {

// Verdana where the system has it; call once before the first window.
void installFontSubstitutes();

// The windows' base font is Verdana 8.25 pt; other sizes and styles derive from it.
QFont font(qreal pointSize = 8.25, bool bold = false, bool underline = false);

} // namespace look
