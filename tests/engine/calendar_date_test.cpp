#include "calendar_date.h"

#include <gtest/gtest.h>

using namespace engine;

TEST(DateText, ReadsDayMonthNameAndYear) {
    EXPECT_EQ(parseDateText("07 February 1940"), makeDate(1940, 2, 7));
    EXPECT_EQ(parseDateText("5 March 1975"), makeDate(1975, 3, 5));
    EXPECT_EQ(parseDateText("31 December 2008"), makeDate(2008, 12, 31));
    EXPECT_EQ(parseDateText("29 February 1960"), makeDate(1960, 2, 29));
}

class MalformedDateText : public testing::TestWithParam<const char*> {};

TEST_P(MalformedDateText, GivesNoDate) {
    EXPECT_FALSE(parseDateText(GetParam()).has_value());
}

INSTANTIATE_TEST_SUITE_P(Rejected, MalformedDateText,
                         testing::Values("", " ", "5", "5 March", "5 March 75", "5 March 19750",
                                         "5  March 1975", " 5 March 1975", "5 March 1975 ",
                                         "5 march 1975", "5 Mar 1975", "005 March 1975",
                                         "x5 March 1975", "5 March 19x5", "0 March 1975",
                                         "32 January 1975", "30 February 1964", "29 February 1961",
                                         "31 April 1975", "5\tMarch 1975", "-5 March 1975",
                                         "5 March -975", "5 Marchx 1975"));

TEST(DateText, CountsWholeDaysBothWays) {
    EXPECT_EQ(daysFrom(makeDate(1975, 3, 5), makeDate(1975, 3, 5)), 0);
    EXPECT_EQ(daysFrom(makeDate(1975, 2, 28), makeDate(1975, 3, 1)), 1);
    EXPECT_EQ(daysFrom(makeDate(1975, 3, 1), makeDate(1975, 2, 28)), -1);
    EXPECT_EQ(daysFrom(makeDate(1936, 1, 1), makeDate(2008, 12, 31)), 26663);
}
