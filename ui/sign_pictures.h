#pragma once

#include <QPixmap>

#include <array>
#include <string_view>

// The image list of the twelve sign pictures, in sign order: position 1 is
// the Rat, 12 the Pig.
inline constexpr std::array<std::string_view, 12> kSignPictureKeys{
    "01_rat.jpg",    "02_ox.jpg",      "03_tiger.jpg", "04_rabbit.jpg",
    "05_dragon.jpg", "06_snake.jpg",   "07_horse.jpg", "08_goat.jpg",
    "09_monkey.jpg", "10_rooster.jpg", "11_dog.jpg",   "12_pig.jpg"};

// Decodes the picture at a position 1 to 12, its disc on a transparent
// ground; a null pixmap for any other position.
QPixmap signPicture(int position);
