#pragma once

#include <QPixmap>
#include <QSize>

#include <array>
#include <string_view>

// The image list of the twelve sign pictures, in sign order: position 1 is
// the Rat, 12 the Pig.
inline constexpr std::array<std::string_view, 12> kSignPictureKeys{
    "01_rat.jpg",    "02_ox.jpg",      "03_tiger.jpg", "04_rabbit.jpg",
    "05_dragon.jpg", "06_snake.jpg",   "07_horse.jpg", "08_goat.jpg",
    "09_monkey.jpg", "10_rooster.jpg", "11_dog.jpg",   "12_pig.jpg"};

// The pictures are stored at twice the design's 200 x 200 logical size, so
// they stay sharp up to a device pixel ratio of 2.
inline constexpr int kSignPictureDesignSide = 200;
inline constexpr int kSignPictureSourceSide = 400;

// Decodes the picture at a position 1 to 12, its disc on a transparent
// ground, for logicalSize logical pixels on a device of devicePixelRatio: the
// pixmap has logicalSize x devicePixelRatio device pixels and carries that
// ratio, so a label or painter shows it at logicalSize. A non-square size gets
// the disc centred in the largest square that fits. A null pixmap for any
// other position or an empty size; a ratio that is not a positive number
// counts as 1.
QPixmap signPicture(int position,
                    QSize logicalSize = QSize(kSignPictureDesignSide, kSignPictureDesignSide),
                    qreal devicePixelRatio = 1.0);
