#include "calendar_date.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

using namespace engine;

TEST(DateText, ReadsDayMonthNameAndYear) {
    EXPECT_EQ(parseDateText("07 February 1940"), makeDate(1940, 2, 7));
    EXPECT_EQ(parseDateText("5 March 1975"), makeDate(1975, 3, 5));
    EXPECT_EQ(parseDateText("31 December 2008"), makeDate(2008, 12, 31));
    EXPECT_EQ(parseDateText("29 February 1960"), makeDate(1960, 2, 29));
}

struct Malformed {
    const char* name;
    const char* text;
};

void PrintTo(const Malformed& c, std::ostream* out) {
    *out << testing::PrintToString(std::string(c.text));
}

class MalformedDateText : public testing::TestWithParam<Malformed> {};

TEST_P(MalformedDateText, GivesNoDate) {
    EXPECT_FALSE(parseDateText(GetParam().text).has_value()) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Rejected, MalformedDateText,
    testing::Values(
        Malformed{"empty", ""}, Malformed{"blank", " "}, Malformed{"day_only", "5"},
        Malformed{"no_year", "5 March"}, Malformed{"two_digit_year", "5 March 75"},
        Malformed{"five_digit_year", "5 March 19750"}, Malformed{"two_spaces", "5  March 1975"},
        Malformed{"leading_space", " 5 March 1975"}, Malformed{"trailing_space", "5 March 1975 "},
        Malformed{"lower_case_month", "5 march 1975"}, Malformed{"short_month", "5 Mar 1975"},
        Malformed{"three_digit_day", "005 March 1975"},
        Malformed{"letter_before_day", "x5 March 1975"},
        Malformed{"letter_in_year", "5 March 19x5"}, Malformed{"day_zero", "0 March 1975"},
        Malformed{"day_32", "32 January 1975"}, Malformed{"30_February", "30 February 1964"},
        Malformed{"29_February_of_a_common_year", "29 February 1961"},
        Malformed{"31_April", "31 April 1975"}, Malformed{"tab", "5\tMarch 1975"},
        Malformed{"negative_day", "-5 March 1975"}, Malformed{"negative_year", "5 March -975"},
        Malformed{"letters_after_month", "5 Marchx 1975"}),
    [](const testing::TestParamInfo<Malformed>& info) { return std::string(info.param.name); });

TEST(DateText, CountsWholeDaysBothWays) {
    EXPECT_EQ(daysFrom(makeDate(1975, 3, 5), makeDate(1975, 3, 5)), 0);
    EXPECT_EQ(daysFrom(makeDate(1975, 2, 28), makeDate(1975, 3, 1)), 1);
    EXPECT_EQ(daysFrom(makeDate(1975, 3, 1), makeDate(1975, 2, 28)), -1);
    EXPECT_EQ(daysFrom(makeDate(1936, 1, 1), makeDate(2008, 12, 31)), 26663);
}
