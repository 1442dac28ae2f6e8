#pragma once

#include <QIcon>

namespace look {

// The program icon: the designed 32 pixels, and the larger sizes it ships
// where a screen of higher density draws them.
QIcon programIcon();

} // namespace look
