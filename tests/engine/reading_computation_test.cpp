#include "reading_computation.h"

#include <gtest/gtest.h>

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
    EXPECT_EQ(r.RomanceDirection, "North (337.6 degrees to 22.5 degrees)");
    EXPECT_EQ(r.PeachBlossomAdvice, "Place a statue or picture of a rat here");
    EXPECT_TRUE(r.ElementText.starts_with("You are very confident about yourself."));
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
                                         DateCase{"31", "December", "2008", "Earth", "Rat"}));

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

TEST(ModPeachBlossom, HoldsOneRecordForTheWholeRun) {
    auto& record = modPeachBlossom::Record();
    ComputeReading(record, "Once", "5", "March", "1975");
    EXPECT_EQ(&record, &modPeachBlossom::Record());
    EXPECT_EQ(modPeachBlossom::Record().Name, "Once");
}
