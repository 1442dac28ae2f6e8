// The designed text colours and the palette they stay readable on.
#pragma once

#include <QColor>
#include <QPalette>

class QWidget;

namespace look {

inline constexpr QRgb kLinkBlue = qRgb(40, 83, 196);
inline constexpr QRgb kDarkPurple = qRgb(104, 45, 123);
inline constexpr QRgb kPurple = qRgb(128, 0, 128);
inline constexpr QRgb kOliveGreen = qRgb(85, 114, 31);
// The typed name and the lists' entries.
inline constexpr QRgb kInputText = qRgb(0, 0, 0);

// WCAG 2.1 contrast ratio of two colours, 1 to 21.
double contrastRatio(QColor a, QColor b);
// The palette the windows are drawn with: the system's, on its window colour
// (the colour of text areas), unless that colour leaves a designed text colour
// below 4.5:1, as a dark theme does; then a light palette.
QPalette windowPalette(const QPalette& system);

void setTextColor(QWidget* widget, QRgb color);

} // namespace look
