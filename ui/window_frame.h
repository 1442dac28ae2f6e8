// What every top-level window of the program shares: its caption, base font
// and palette, a client area of the designed size, and its place on screen.
#pragma once

#include <QSize>

class QWidget;

namespace look {

// Sets caption, icon, base font and palette of a top-level window and gives it a
// client area of the design size (already scaled) that keeps that size. The
// window keeps the same size where the platform lets it; where a compositor
// imposes another (maximised on Wayland) the client area sits centred in it.
// Returns the client area, the parent of the window's controls.
QWidget* applyWindowLook(QWidget* window, QSize clientSize);

// Centres the window when it is first shown, once its frame is known.
void centerWhenFirstShown(QWidget* window);

} // namespace look
