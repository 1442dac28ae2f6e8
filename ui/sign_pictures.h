#pragma once

#include <QPixmap>
#include <QSize>

#include <array>
#include <string_view>

// The pictures by the animal each draws: the twelve signs' own in sign order
// (position 1 is the Rat, 12 the Pig), then the animals some traditions have
// for a year instead: the Vietnamese Cat and Water Buffalo, the Japanese
// wild boar.
struct SignPictureFile {
    std::string_view animal;
    std::string_view file;
};
inline constexpr std::array<SignPictureFile, 15> kSignPictureFiles{
    {{"rat", "01_rat.jpg"},
     {"ox", "02_ox.jpg"},
     {"tiger", "03_tiger.jpg"},
     {"rabbit", "04_rabbit.jpg"},
     {"dragon", "05_dragon.jpg"},
     {"snake", "06_snake.jpg"},
     {"horse", "07_horse.jpg"},
     {"goat", "08_goat.jpg"},
     {"monkey", "09_monkey.jpg"},
     {"rooster", "10_rooster.jpg"},
     {"dog", "11_dog.jpg"},
     {"pig", "12_pig.jpg"},
     {"cat", "cat.jpg"},
     {"water_buffalo", "water_buffalo.jpg"},
     {"wild_boar", "wild_boar.jpg"}}};

// The file drawn for the sign at a position 1 to 12 in the reader's
// tradition: the animal the translation in use names for it, else the sign's
// own. Empty for any other position.
std::string_view signPictureFile(int position);

// The pictures are stored at twice the design's 200 x 200 logical size, so
// they stay sharp up to a device pixel ratio of 2.
inline constexpr int kSignPictureDesignSide = 200;
inline constexpr int kSignPictureSourceSide = 400;

// Decodes the picture of the sign at a position 1 to 12 (signPictureFile), its disc on a
// transparent ground, for logicalSize logical pixels on a device of devicePixelRatio: the pixmap
// has logicalSize x devicePixelRatio device pixels and carries that ratio, so a label or painter
// shows it at logicalSize. A non-square size gets the disc centred in the largest square that fits.
// A null pixmap for any other position or an empty size; a ratio that is not a positive number
// counts as 1.
QPixmap signPicture(int position,
                    QSize logicalSize = QSize(kSignPictureDesignSide, kSignPictureDesignSide),
                    qreal devicePixelRatio = 1.0);
