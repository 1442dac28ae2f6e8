// Whole-day calendar dates and the reader for the date texts of the lunar
// year table ("07 February 1940", "5 March 1975"). Standard library only.
#pragma once

#include "translatable.h"

#include <array>
#include <chrono>
#include <optional>
#include <string_view>

namespace engine {

using CalendarDate = std::chrono::sys_days;

// clang-format off
inline constexpr std::array<std::string_view, 12> kMonthNames{
    ENGINE_TR_NOOP("Reading", "January"),
    ENGINE_TR_NOOP("Reading", "February"),
    ENGINE_TR_NOOP("Reading", "March"),
    ENGINE_TR_NOOP("Reading", "April"),
    ENGINE_TR_NOOP("Reading", "May"),
    ENGINE_TR_NOOP("Reading", "June"),
    ENGINE_TR_NOOP("Reading", "July"),
    ENGINE_TR_NOOP("Reading", "August"),
    ENGINE_TR_NOOP("Reading", "September"),
    ENGINE_TR_NOOP("Reading", "October"),
    ENGINE_TR_NOOP("Reading", "November"),
    ENGINE_TR_NOOP("Reading", "December"),
};
// clang-format on

// Whole days from a to b: negative when b lies before a.
constexpr int daysFrom(CalendarDate a, CalendarDate b) {
    return static_cast<int>((b - a).count());
}

constexpr CalendarDate makeDate(int year, unsigned month, unsigned day) {
    return std::chrono::sys_days{std::chrono::year{year} / std::chrono::month{month} /
                                 std::chrono::day{day}};
}

// Reads "<day> <English month name> <four-digit year>": a day of one or two
// digits, single blanks, the month name spelled exactly. Anything else, and
// days that do not exist (30 February), give no date.
constexpr std::optional<CalendarDate> parseDateText(std::string_view text) {
    auto isDigit = [](char c) { return c >= '0' && c <= '9'; };

    const auto firstBlank = text.find(' ');
    if (firstBlank == std::string_view::npos || firstBlank == 0 || firstBlank > 2) {
        return std::nullopt;
    }
    unsigned day = 0;
    for (char c : text.substr(0, firstBlank)) {
        if (!isDigit(c)) {
            return std::nullopt;
        }
        day = day * 10 + static_cast<unsigned>(c - '0');
    }

    const auto rest = text.substr(firstBlank + 1);
    const auto secondBlank = rest.find(' ');
    if (secondBlank == std::string_view::npos) {
        return std::nullopt;
    }
    const auto monthName = rest.substr(0, secondBlank);
    unsigned month = 0;
    for (unsigned i = 0; i < kMonthNames.size(); ++i) {
        if (kMonthNames[i] == monthName) {
            month = i + 1;
        }
    }
    if (month == 0) {
        return std::nullopt;
    }

    const auto yearText = rest.substr(secondBlank + 1);
    if (yearText.size() != 4) {
        return std::nullopt;
    }
    int year = 0;
    for (char c : yearText) {
        if (!isDigit(c)) {
            return std::nullopt;
        }
        year = year * 10 + (c - '0');
    }

    const std::chrono::year_month_day ymd{std::chrono::year{year}, std::chrono::month{month},
                                          std::chrono::day{day}};
    if (!ymd.ok()) {
        return std::nullopt;
    }
    return std::chrono::sys_days{ymd};
}

} // namespace engine
