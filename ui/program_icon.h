#pragma once

#include <QIcon>
#include <QImage>

namespace look {

// The program icon: the designed 32 pixels, and the larger sizes it ships
// where a screen of higher density draws them.
QIcon programIcon();

// One of the sizes it ships (32, 64 or 128 pixels); a null image for any other.
QImage programIconImage(int size);

} // namespace look
