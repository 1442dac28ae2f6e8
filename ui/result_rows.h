// The fourteen rows of a reading: caption and record field, in the order the
// result window shows them and the printed page prints them.
#pragma once

#include "reading_record.h"

#include <QCoreApplication>
#include <QString>

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
    {QT_TRANSLATE_NOOP("ResultRows", "Chinese Sign"),        &engine::ReadingRecord::Animal,             24},
    {QT_TRANSLATE_NOOP("ResultRows", "Romance Direction"),   &engine::ReadingRecord::RomanceDirection,   45},
    {QT_TRANSLATE_NOOP("ResultRows", "Peach Blossom Advice"),&engine::ReadingRecord::PeachBlossomAdvice, 66},
    {QT_TRANSLATE_NOOP("ResultRows", "Chinese Element"),     &engine::ReadingRecord::Element,            87},
    {nullptr,                                                &engine::ReadingRecord::ElementText,        100, 8, 599, 65},
    {QT_TRANSLATE_NOOP("ResultRows", "Ruling Planet"),       &engine::ReadingRecord::RulingPlanet,       173},
    {QT_TRANSLATE_NOOP("ResultRows", "Most Compatible"),     &engine::ReadingRecord::MostCompatible,     194},
    {QT_TRANSLATE_NOOP("ResultRows", "Least Compatible"),    &engine::ReadingRecord::LeastCompatible,    215},
    {QT_TRANSLATE_NOOP("ResultRows", "Favourable Seasons"),  &engine::ReadingRecord::FavourableSeason,   236},
    {QT_TRANSLATE_NOOP("ResultRows", "Favourable Month"),    &engine::ReadingRecord::FavourableMonth,    257},
    {QT_TRANSLATE_NOOP("ResultRows", "Lucky Color"),         &engine::ReadingRecord::LuckyColor,         278},
    {QT_TRANSLATE_NOOP("ResultRows", "GemStone"),            &engine::ReadingRecord::GemStone,           299},
    {QT_TRANSLATE_NOOP("ResultRows", "Energy"),              &engine::ReadingRecord::Energy,             320},
    {QT_TRANSLATE_NOOP("ResultRows", "Famous People"),       &engine::ReadingRecord::FamousPeople,       341, 168, 231, 44},
}};
// clang-format on

// The sign's picture starts level with the profile rows; rows from here down
// sit beside it, the reading's first rows above it.
inline constexpr int kPictureTop = 173;

// The row's caption in the user's language.
inline QString captionText(const ResultRow& row) {
    return QCoreApplication::translate("ResultRows", row.caption);
}

inline bool besidePicture(const ResultRow& row) {
    return row.top >= kPictureTop;
}
