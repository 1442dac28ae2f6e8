// The look every window shares: captions, the base font and the layout scale
// that follows it, colours and the palette they are readable on, the client
// area and centring.
#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPalette>
#include <QSize>
#include <QString>

class QWidget;

namespace look {

// Every window's caption, in the user's language.
QString windowCaption();
// Caption of message boxes.
QString appTitle();

inline constexpr QRgb kLinkBlue = qRgb(40, 83, 196);
inline constexpr QRgb kDarkPurple = qRgb(104, 45, 123);
inline constexpr QRgb kPurple = qRgb(128, 0, 128);
inline constexpr QRgb kOliveGreen = qRgb(85, 114, 31);
// The typed name and the lists' entries.
inline constexpr QRgb kInputText = qRgb(0, 0, 0);

// Verdana where the system has it; call once before the first window.
void installFontSubstitutes();

// The windows' base font is Verdana 8.25 pt; other sizes and styles derive from it.
QFont font(qreal pointSize = 8.25, bool bold = false, bool underline = false);

// How much larger than the design the windows are drawn: 1 with the design
// font at 96 dpi, else the growth of the base font's text width and line
// height, as Windows scales dialogs with the system font. Never below 1.
qreal layoutScale();
// The same for a given base font, at the screen's logical dpi, with the line
// height of the user's language (a CJK fallback font draws taller lines).
qreal layoutScaleFor(const QFont& base);

// WCAG 2.1 contrast ratio of two colours, 1 to 21.
double contrastRatio(QColor a, QColor b);
// The palette the windows are drawn with: the system's, on its window colour
// (the colour of text areas), unless that colour leaves a designed text colour
// below 4.5:1, as a dark theme does; then a light palette.
QPalette windowPalette(const QPalette& system);

// Sets caption, base font and palette of a top-level window and gives it a
// client area of the design size (already scaled) that keeps that size. The
// window keeps the same size where the platform lets it; where a compositor
// imposes another (maximised on Wayland) the client area sits centred in it.
// Returns the client area, the parent of the window's controls.
QWidget* applyWindowLook(QWidget* window, QSize clientSize);

void setTextColor(QWidget* widget, QRgb color);

// The program icon, in every size it ships.
QIcon programIcon();

// Centres the window when it is first shown, once its frame is known.
void centerWhenFirstShown(QWidget* window);

} // namespace look
