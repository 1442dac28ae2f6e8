// The fourteen rows of a reading: caption and record field, in the order the
// result window shows them and the printed page prints them.
#pragma once

#include "reading_record.h"

#include <array>
#include <string>

struct ResultRow {
    const char* caption; // null: the element paragraph, shown across without a caption
    std::string engine::ReadingRecord::*field;
    int top; // in the result window's frame, in pixels at 96 dpi
    // A fixed box that wraps its text (left, width, height); zero width: the
    // value sits in the value column and grows to its text on one line.
    int left = 0;
    int width = 0;
    int height = 0;

    bool wraps() const { return width > 0; }
};

// clang-format off
inline const std::array<ResultRow, 14> kResultRows{{
    {"Chinese Sign",         &engine::ReadingRecord::Animal,             24},
    {"Romance Direction",    &engine::ReadingRecord::RomanceDirection,   45},
    {"Peach Blossom Advice", &engine::ReadingRecord::PeachBlossomAdvice, 66},
    {"Chinese Element",      &engine::ReadingRecord::Element,            87},
    {nullptr,                &engine::ReadingRecord::ElementText,        100, 8, 599, 65},
    {"Ruling Planet",        &engine::ReadingRecord::RulingPlanet,       173},
    {"Most Compatible",      &engine::ReadingRecord::MostCompatible,     194},
    {"Least Compatible",     &engine::ReadingRecord::LeastCompatible,    215},
    {"Favourable Seasons",   &engine::ReadingRecord::FavourableSeason,   236},
    {"Favourable Month",     &engine::ReadingRecord::FavourableMonth,    257},
    {"Lucky Color",          &engine::ReadingRecord::LuckyColor,         278},
    {"GemStone",             &engine::ReadingRecord::GemStone,           299},
    {"Energy",               &engine::ReadingRecord::Energy,             320},
    {"Famous People",        &engine::ReadingRecord::FamousPeople,       341, 168, 231, 44},
}};
// clang-format on

// The sign's picture starts level with the profile rows; rows from here down
// sit beside it, the reading's first rows above it.
inline constexpr int kPictureTop = 173;

inline bool besidePicture(const ResultRow& row) {
    return row.top >= kPictureTop;
}
