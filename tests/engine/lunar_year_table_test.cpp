#include "lunar_year_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>

using namespace engine;

namespace {
std::string signOf(CalendarDate date) {
    const auto* row = findLunarYear(date);
    return row ? std::string(row->Element) + " " + std::string(row->Animal) : "none";
}
} // namespace

TEST(LunarYearTable, EveryDayOf1936To2008LiesInExactlyOneRow) {
    for (auto d = makeDate(1936, 1, 1); d <= makeDate(2008, 12, 31); d += std::chrono::days{1}) {
        int holders = 0;
        for (const auto& row : LunarYearTable) {
            holders += holds(row, d) ? 1 : 0;
        }
        ASSERT_EQ(holders, 1) << "day " << daysFrom(makeDate(1936, 1, 1), d) << " of the table";
    }
}

TEST(LunarYearTable, DaysOutsideTheSpanFindNoRow) {
    EXPECT_EQ(findLunarYear(makeDate(1935, 12, 31)), nullptr);
    EXPECT_EQ(findLunarYear(makeDate(2009, 1, 1)), nullptr);
    EXPECT_EQ(findLunarYear(makeDate(1900, 1, 1)), nullptr);
}

TEST(LunarYearTable, FullYearsFollowTheSixtyYearCycleFromFireRat) {
    constexpr std::string_view order[] = {"Fire", "Earth", "Metal", "Water", "Wood"};
    // The partial first row (Wood Pig of 1935) and last row (Earth Rat of 2008)
    // continue the cycle on either side.
    for (std::size_t i = 0; i < LunarYearTable.size(); ++i) {
        const int k = static_cast<int>(i) - 1; // year index from 1936
        const auto& row = LunarYearTable[i];
        const int cycle = ((k % 60) + 60) % 60;
        EXPECT_EQ(row.Animal, kAnimals[static_cast<std::size_t>(cycle % 12)]) << "row " << i;
        EXPECT_EQ(row.Element, order[static_cast<std::size_t>((cycle / 2) % 5)]) << "row " << i;
        if (i >= 1 && i <= 72) {
            const auto year = std::chrono::year_month_day{row.StartDate}.year();
            EXPECT_EQ(static_cast<int>(year), 1936 + k) << "row " << i;
        }
        if (i >= 2 && i <= 71) {
            const int length = daysFrom(row.StartDate, row.EndDate) + 1;
            EXPECT_GE(length, 353) << "row " << i;
            EXPECT_LE(length, 385) << "row " << i;
        }
    }
}

struct Boundary {
    CalendarDate date;
    const char* sign;
};

// "23_January_1936_is_Wood_Pig"
std::string caseName(const Boundary& c) {
    const std::chrono::year_month_day day{c.date};
    std::string name = std::to_string(static_cast<unsigned>(day.day())) + '_' +
                       std::string(kMonthNames[static_cast<unsigned>(day.month()) - 1]) + '_' +
                       std::to_string(static_cast<int>(day.year())) + "_is_" + c.sign;
    std::replace(name.begin(), name.end(), ' ', '_');
    return name;
}

void PrintTo(const Boundary& c, std::ostream* out) {
    *out << caseName(c);
}

class LunarYearBoundary : public testing::TestWithParam<Boundary> {};

TEST_P(LunarYearBoundary, BothEndsOfARowBelongToIt) {
    EXPECT_EQ(signOf(GetParam().date), GetParam().sign);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LunarYearBoundary,
    testing::Values(
        Boundary{makeDate(1936, 1, 1), "Wood Pig"}, Boundary{makeDate(1936, 1, 23), "Wood Pig"},
        Boundary{makeDate(1936, 1, 24), "Fire Rat"}, Boundary{makeDate(1937, 2, 10), "Fire Rat"},
        Boundary{makeDate(1937, 2, 11), "Fire Ox"}, Boundary{makeDate(1940, 2, 7), "Earth Rabbit"},
        Boundary{makeDate(1940, 2, 8), "Metal Dragon"},
        Boundary{makeDate(1960, 1, 27), "Earth Pig"}, Boundary{makeDate(1960, 1, 28), "Metal Rat"},
        Boundary{makeDate(1960, 2, 29), "Metal Rat"}, Boundary{makeDate(1961, 2, 14), "Metal Rat"},
        Boundary{makeDate(1961, 2, 15), "Metal Ox"}, Boundary{makeDate(1975, 3, 5), "Wood Rabbit"},
        Boundary{makeDate(2007, 2, 17), "Fire Dog"}, Boundary{makeDate(2007, 2, 18), "Fire Pig"},
        Boundary{makeDate(2008, 2, 6), "Fire Pig"}, Boundary{makeDate(2008, 2, 7), "Earth Rat"},
        Boundary{makeDate(2008, 12, 31), "Earth Rat"}),
    [](const testing::TestParamInfo<Boundary>& info) { return caseName(info.param); });
