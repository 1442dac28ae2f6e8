// The Chinese lunar years from 1936 to 2008 with their element and animal
// sign, and the vocabulary of elements and signs that the reading shares.
#pragma once

#include "calendar_date.h"
#include "translatable.h"

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string_view>

namespace engine {

// The twelve signs in their fixed order; sign number = index + 1.
// clang-format off
inline constexpr std::array<std::string_view, 12> kAnimals{
    ENGINE_TR_NOOP("Reading", "Rat"),
    ENGINE_TR_NOOP("Reading", "Ox"),
    ENGINE_TR_NOOP("Reading", "Tiger"),
    ENGINE_TR_NOOP("Reading", "Rabbit"),
    ENGINE_TR_NOOP("Reading", "Dragon"),
    ENGINE_TR_NOOP("Reading", "Snake"),
    ENGINE_TR_NOOP("Reading", "Horse"),
    ENGINE_TR_NOOP("Reading", "Goat"),
    ENGINE_TR_NOOP("Reading", "Monkey"),
    ENGINE_TR_NOOP("Reading", "Rooster"),
    ENGINE_TR_NOOP("Reading", "Dog"),
    ENGINE_TR_NOOP("Reading", "Pig"),
};

inline constexpr std::array<std::string_view, 5> kElements{
    ENGINE_TR_NOOP("Reading", "Metal"),
    ENGINE_TR_NOOP("Reading", "Water"),
    ENGINE_TR_NOOP("Reading", "Wood"),
    ENGINE_TR_NOOP("Reading", "Fire"),
    ENGINE_TR_NOOP("Reading", "Earth"),
};
// clang-format on

struct LunarYearRow {
    CalendarDate StartDate; // first day of the lunar year, included
    CalendarDate EndDate;   // last day of the lunar year, included
    std::string_view Element;
    std::string_view Animal;
};

namespace detail {
// Table texts are checked while compiling: a malformed one stops the build.
consteval CalendarDate tableDate(std::string_view text) {
    const auto date = parseDateText(text);
    if (!date) {
        throw std::invalid_argument("malformed date text in the lunar year table");
    }
    return *date;
}
template <std::size_t N>
consteval bool listed(const std::array<std::string_view, N>& names, std::string_view name) {
    for (const auto& listedName : names) {
        if (listedName == name) {
            return true;
        }
    }
    return false;
}
// A misspelt element or animal would match no profile and leave the reading
// half empty, so it stops the build instead.
consteval LunarYearRow row(std::string_view start, std::string_view end, std::string_view element,
                           std::string_view animal) {
    if (!listed(kElements, element)) {
        throw std::invalid_argument("unknown element in the lunar year table");
    }
    if (!listed(kAnimals, animal)) {
        throw std::invalid_argument("unknown animal in the lunar year table");
    }
    return {tableDate(start), tableDate(end), element, animal};
}
} // namespace detail

// In date order, contiguous, 1 January 1936 to 31 December 2008. The first
// and last rows are the partial years on either side of the lunar new years
// of 1936 (24 January) and 2008 (7 February).
inline constexpr std::array<LunarYearRow, 74> LunarYearTable{{
    detail::row("1 January 1936", "23 January 1936", "Wood", "Pig"),
    detail::row("24 January 1936", "10 February 1937", "Fire", "Rat"),
    detail::row("11 February 1937", "30 January 1938", "Fire", "Ox"),
    detail::row("31 January 1938", "18 February 1939", "Earth", "Tiger"),
    detail::row("19 February 1939", "07 February 1940", "Earth", "Rabbit"),
    detail::row("08 February 1940", "26 January 1941", "Metal", "Dragon"),
    detail::row("27 January 1941", "14 February 1942", "Metal", "Snake"),
    detail::row("15 February 1942", "04 February 1943", "Water", "Horse"),
    detail::row("05 February 1943", "24 January 1944", "Water", "Goat"),
    detail::row("25 January 1944", "12 February 1945", "Wood", "Monkey"),
    detail::row("13 February 1945", "01 February 1946", "Wood", "Rooster"),
    detail::row("02 February 1946", "21 January 1947", "Fire", "Dog"),
    detail::row("22 January 1947", "09 February 1948", "Fire", "Pig"),
    detail::row("10 February 1948", "28 January 1949", "Earth", "Rat"),
    detail::row("29 January 1949", "16 February 1950", "Earth", "Ox"),
    detail::row("17 February 1950", "05 February 1951", "Metal", "Tiger"),
    detail::row("06 February 1951", "26 January 1952", "Metal", "Rabbit"),
    detail::row("27 January 1952", "13 February 1953", "Water", "Dragon"),
    detail::row("14 February 1953", "02 February 1954", "Water", "Snake"),
    detail::row("03 February 1954", "23 January 1955", "Wood", "Horse"),
    detail::row("24 January 1955", "11 February 1956", "Wood", "Goat"),
    detail::row("12 February 1956", "30 January 1957", "Fire", "Monkey"),
    detail::row("31 January 1957", "17 February 1958", "Fire", "Rooster"),
    detail::row("18 February 1958", "07 February 1959", "Earth", "Dog"),
    detail::row("08 February 1959", "27 January 1960", "Earth", "Pig"),
    detail::row("28 January 1960", "14 February 1961", "Metal", "Rat"),
    detail::row("15 February 1961", "04 February 1962", "Metal", "Ox"),
    detail::row("05 February 1962", "24 January 1963", "Water", "Tiger"),
    detail::row("25 January 1963", "12 February 1964", "Water", "Rabbit"),
    detail::row("13 February 1964", "01 February 1965", "Wood", "Dragon"),
    detail::row("02 February 1965", "20 January 1966", "Wood", "Snake"),
    detail::row("21 January 1966", "08 February 1967", "Fire", "Horse"),
    detail::row("09 February 1967", "29 January 1968", "Fire", "Goat"),
    detail::row("30 January 1968", "16 February 1969", "Earth", "Monkey"),
    detail::row("17 February 1969", "05 February 1970", "Earth", "Rooster"),
    detail::row("06 February 1970", "26 January 1971", "Metal", "Dog"),
    detail::row("27 January 1971", "14 February 1972", "Metal", "Pig"),
    detail::row("15 February 1972", "02 February 1973", "Water", "Rat"),
    detail::row("03 February 1973", "22 January 1974", "Water", "Ox"),
    detail::row("23 January 1974", "10 February 1975", "Wood", "Tiger"),
    detail::row("11 February 1975", "30 January 1976", "Wood", "Rabbit"),
    detail::row("31 January 1976", "17 February 1977", "Fire", "Dragon"),
    detail::row("18 February 1977", "06 February 1978", "Fire", "Snake"),
    detail::row("07 February 1978", "27 January 1979", "Earth", "Horse"),
    detail::row("28 January 1979", "15 February 1980", "Earth", "Goat"),
    detail::row("16 February 1980", "04 February 1981", "Metal", "Monkey"),
    detail::row("05 February 1981", "24 January 1982", "Metal", "Rooster"),
    detail::row("25 January 1982", "12 February 1983", "Water", "Dog"),
    detail::row("13 February 1983", "01 February 1984", "Water", "Pig"),
    detail::row("02 February 1984", "19 February 1985", "Wood", "Rat"),
    detail::row("20 February 1985", "08 February 1986", "Wood", "Ox"),
    detail::row("09 February 1986", "28 January 1987", "Fire", "Tiger"),
    detail::row("29 January 1987", "16 February 1988", "Fire", "Rabbit"),
    detail::row("17 February 1988", "05 February 1989", "Earth", "Dragon"),
    detail::row("06 February 1989", "26 January 1990", "Earth", "Snake"),
    detail::row("27 January 1990", "14 February 1991", "Metal", "Horse"),
    detail::row("15 February 1991", "03 February 1992", "Metal", "Goat"),
    detail::row("04 February 1992", "22 January 1993", "Water", "Monkey"),
    detail::row("23 January 1993", "09 February 1994", "Water", "Rooster"),
    detail::row("10 February 1994", "30 January 1995", "Wood", "Dog"),
    detail::row("31 January 1995", "18 February 1996", "Wood", "Pig"),
    detail::row("19 February 1996", "06 February 1997", "Fire", "Rat"),
    detail::row("07 February 1997", "27 January 1998", "Fire", "Ox"),
    detail::row("28 January 1998", "15 February 1999", "Earth", "Tiger"),
    detail::row("16 February 1999", "04 February 2000", "Earth", "Rabbit"),
    detail::row("05 February 2000", "23 January 2001", "Metal", "Dragon"),
    detail::row("24 January 2001", "11 February 2002", "Metal", "Snake"),
    detail::row("12 February 2002", "31 January 2003", "Water", "Horse"),
    detail::row("01 February 2003", "21 January 2004", "Water", "Goat"),
    detail::row("22 January 2004", "08 February 2005", "Wood", "Monkey"),
    detail::row("09 February 2005", "28 January 2006", "Wood", "Rooster"),
    detail::row("29 January 2006", "17 February 2007", "Fire", "Dog"),
    detail::row("18 February 2007", "06 February 2008", "Fire", "Pig"),
    detail::row("7 February 2008", "31 December 2008", "Earth", "Rat"),
}};

// A row holds a date when StartDate <= date <= EndDate, both ends included.
constexpr bool holds(const LunarYearRow& row, CalendarDate date) {
    return daysFrom(row.StartDate, date) >= 0 && daysFrom(row.EndDate, date) <= 0;
}

// The first row that holds the date, or nullptr outside 1936..2008.
constexpr const LunarYearRow* findLunarYear(CalendarDate date) {
    for (const auto& row : LunarYearTable) {
        if (holds(row, date)) {
            return &row;
        }
    }
    return nullptr;
}

namespace detail {
consteval bool tableIsContiguous() {
    for (std::size_t k = 0; k + 1 < LunarYearTable.size(); ++k) {
        if (daysFrom(LunarYearTable[k].EndDate, LunarYearTable[k + 1].StartDate) != 1) {
            return false;
        }
    }
    return true;
}
} // namespace detail

static_assert(LunarYearTable.front().StartDate == makeDate(1936, 1, 1));
static_assert(LunarYearTable.back().EndDate == makeDate(2008, 12, 31));
static_assert(detail::tableIsContiguous(), "lunar years must follow one another day by day");

} // namespace engine
