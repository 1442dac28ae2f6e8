// The look every window shares: captions, the base font, colours, centring and
// the twips the window layouts were designed in.
#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QSize>
#include <QString>

class QWidget;

namespace look {

inline const QString kWindowCaption = QStringLiteral("QY Amoret Chart v1.0");
// Caption of message boxes.
inline const QString kAppTitle = QStringLiteral("QY Amoret Chart");

inline constexpr QRgb kLinkBlue = qRgb(40, 83, 196);
inline constexpr QRgb kDarkPurple = qRgb(104, 45, 123);
inline constexpr QRgb kPurple = qRgb(128, 0, 128);
inline constexpr QRgb kOliveGreen = qRgb(85, 114, 31);

// Fifteen twips to the pixel at 96 dots per inch.
constexpr int twips(int value) {
    return (value >= 0 ? value + 7 : value - 7) / 15;
}

// Verdana where the system has it; call once before the first window.
void installFontSubstitutes();

// The windows' base font is Verdana 8.25 pt; other sizes and styles derive from it.
QFont font(qreal pointSize = 8.25, bool bold = false, bool underline = false);

// Sets the caption, base font and window background colour and fixes the
// client size of a top-level window.
void applyWindowLook(QWidget* window, QSize clientSize);

void setTextColor(QWidget* widget, QRgb color);

// The program icon, in every size it ships.
QIcon programIcon();

// Registers the pictures and icons built into the program; cheap after the first call.
void ensureResources();

// Centres the window when it is first shown, once its frame is known.
void centerWhenFirstShown(QWidget* window);

} // namespace look
