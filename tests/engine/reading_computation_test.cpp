#include "reading_computation.h"
#include "sign_profiles.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

using namespace engine;

TEST(ComputeReading, TrimsOuterBlanksAndKeepsInnerOnes) {
    ReadingRecord r;
    ComputeReading(r, "  Mei  Lin  ", " 5 ", " March ", " 1975 ");
    EXPECT_EQ(r.Name, "Mei  Lin");
    EXPECT_EQ(r.Day, "5");
    EXPECT_EQ(r.Month, "March");
    EXPECT_EQ(r.Year, "1975");
    EXPECT_EQ(r.BirthDate, makeDate(1975, 3, 5));
    EXPECT_EQ(r.Element, "Wood");
    EXPECT_EQ(r.Animal, "Rabbit");
    EXPECT_EQ(r.SignNumber, 4);
    // The profile is the sign's own; its texts are checked with the profiles.
    ReadingRecord profile;
    ChineseZodiacDescription(profile, "Wood", "Rabbit");
    EXPECT_EQ(r.RomanceDirection, profile.RomanceDirection);
    EXPECT_EQ(r.PeachBlossomAdvice, profile.PeachBlossomAdvice);
    EXPECT_EQ(r.FamousPeople, profile.FamousPeople);
    EXPECT_EQ(r.ElementText, profile.ElementText);
}

TEST(ComputeReading, NameOfBlanksOnlyGivesAnEmptyNameAndAReading) {
    ReadingRecord r;
    ComputeReading(r, "    ", "1", "January", "1936");
    EXPECT_EQ(r.Name, "");
    EXPECT_EQ(r.Animal, "Pig"); // before the lunar new year of 1936
    EXPECT_EQ(r.Element, "Wood");
    EXPECT_EQ(r.SignNumber, 12);
}

struct DateCase {
    const char* day;
    const char* month;
    const char* year;
    const char* element;
    const char* animal;
};

// "10_February_1937_is_Fire_Rat"
std::string caseName(const DateCase& c) {
    return std::string(c.day) + '_' + c.month + '_' + c.year + "_is_" + c.element + '_' + c.animal;
}

void PrintTo(const DateCase& c, std::ostream* out) {
    *out << caseName(c);
}

class ReadingForDate : public testing::TestWithParam<DateCase> {};

TEST_P(ReadingForDate, FindsTheLunarYear) {
    const auto& c = GetParam();
    ReadingRecord r;
    ComputeReading(r, "A", c.day, c.month, c.year);
    EXPECT_EQ(r.Element, c.element);
    EXPECT_EQ(r.Animal, c.animal);
}

INSTANTIATE_TEST_SUITE_P(Dates, ReadingForDate,
                         testing::Values(DateCase{"10", "February", "1937", "Fire", "Rat"},
                                         DateCase{"11", "February", "1937", "Fire", "Ox"},
                                         DateCase{"28", "January", "1960", "Metal", "Rat"},
                                         DateCase{"14", "February", "1961", "Metal", "Rat"},
                                         DateCase{"6", "February", "2008", "Fire", "Pig"},
                                         DateCase{"7", "February", "2008", "Earth", "Rat"},
                                         DateCase{"31", "December", "2008", "Earth", "Rat"}),
                         [](const testing::TestParamInfo<DateCase>& info) {
                             return caseName(info.param);
                         });

TEST(ComputeReading, DateOutsideTheTableKeepsThePreviousElementAndAnimal) {
    ReadingRecord r;
    ComputeReading(r, "A", "5", "March", "1975");
    const auto before = r;
    ComputeReading(r, "B", "1", "January", "2009");
    EXPECT_EQ(r.Name, "B");
    EXPECT_EQ(r.Year, "2009");
    EXPECT_EQ(r.BirthDate, makeDate(2009, 1, 1));
    EXPECT_EQ(r.Element, before.Element);
    EXPECT_EQ(r.Animal, before.Animal);
    EXPECT_EQ(r.SignNumber, before.SignNumber);
    EXPECT_EQ(r.FamousPeople, before.FamousPeople);
}

TEST(ComputeReading, ImpossibleDateKeepsThePreviousBirthDateAndReading) {
    ReadingRecord r;
    ComputeReading(r, "A", "5", "March", "1975");
    ComputeReading(r, "B", "30", "February", "1964");
    EXPECT_EQ(r.Day, "30");
    EXPECT_EQ(r.BirthDate, makeDate(1975, 3, 5));
    EXPECT_EQ(r.Animal, "Rabbit");
}

TEST(ComputeReading, FreshRecordWithNoRowStaysEmpty) {
    ReadingRecord r;
    ComputeReading(r, "A", "1", "January", "1900");
    EXPECT_EQ(r.Animal, "");
    EXPECT_EQ(r.SignNumber, 0);
    EXPECT_EQ(r.ElementText, "");
}
