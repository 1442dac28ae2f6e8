// A famous person in the wrong sign's list is a wrong reading: every name in
// every list must have a known birth date inside a lunar year of that sign.
#include "lunar_year_table.h"
#include "sign_profiles.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <string_view>

using namespace engine;

namespace {

const std::map<std::string, CalendarDate> kBirthDates{
    {"Hugh Grant", makeDate(1960, 9, 9)},
    {"Ayrton Senna", makeDate(1960, 3, 21)},
    {"Zinedine Zidane", makeDate(1972, 6, 23)},
    {"Katy Perry", makeDate(1984, 10, 25)},
    {"Scarlett Johansson", makeDate(1984, 11, 22)},
    {"Jane Fonda", makeDate(1937, 12, 21)},
    {"Jack Nicholson", makeDate(1937, 4, 22)},
    {"Anthony Hopkins", makeDate(1937, 12, 31)},
    {"Meryl Streep", makeDate(1949, 6, 22)},
    {"Eddie Murphy", makeDate(1961, 4, 3)},
    {"Barack Obama", makeDate(1961, 8, 4)},
    {"Keira Knightley", makeDate(1985, 3, 26)},
    {"Kofi Annan", makeDate(1938, 4, 8)},
    {"Stevie Wonder", makeDate(1950, 5, 13)},
    {"Jodie Foster", makeDate(1962, 11, 19)},
    {"Leonardo DiCaprio", makeDate(1974, 11, 11)},
    {"Lady Gaga", makeDate(1986, 3, 28)},
    {"Usain Bolt", makeDate(1986, 8, 21)},
    {"Tina Turner", makeDate(1939, 11, 26)},
    {"Sally Ride", makeDate(1951, 5, 26)},
    {"Michael Jordan", makeDate(1963, 2, 17)},
    {"David Beckham", makeDate(1975, 5, 2)},
    {"Angelina Jolie", makeDate(1975, 6, 4)},
    {"Lionel Messi", makeDate(1987, 6, 24)},
    {"John Lennon", makeDate(1940, 10, 9)},
    {"Bruce Lee", makeDate(1940, 11, 27)},
    {"Keanu Reeves", makeDate(1964, 9, 2)},
    {"Bob Dylan", makeDate(1941, 5, 24)},
    {"Stephen Hawking", makeDate(1942, 1, 8)},
    {"Muhammad Ali", makeDate(1942, 1, 17)},
    {"Pierce Brosnan", makeDate(1953, 5, 16)},
    {"Shah Rukh Khan", makeDate(1965, 11, 2)},
    {"Taylor Swift", makeDate(1989, 12, 13)},
    {"Paul McCartney", makeDate(1942, 6, 18)},
    {"Harrison Ford", makeDate(1942, 7, 13)},
    {"Jackie Chan", makeDate(1954, 4, 7)},
    {"Angela Merkel", makeDate(1954, 7, 17)},
    {"Emma Watson", makeDate(1990, 4, 15)},
    {"Mick Jagger", makeDate(1943, 7, 26)},
    {"Steve Jobs", makeDate(1955, 2, 24)},
    {"Tim Berners-Lee", makeDate(1955, 6, 8)},
    {"Nicole Kidman", makeDate(1967, 6, 20)},
    {"Julia Roberts", makeDate(1967, 10, 28)},
    {"Norah Jones", makeDate(1979, 3, 30)},
    {"Diana Ross", makeDate(1944, 3, 26)},
    {"George Lucas", makeDate(1944, 5, 14)},
    {"Tom Hanks", makeDate(1956, 7, 9)},
    {"Celine Dion", makeDate(1968, 3, 30)},
    {"Hugh Jackman", makeDate(1968, 10, 12)},
    {"Yao Ming", makeDate(1980, 9, 12)},
    {"Eric Clapton", makeDate(1945, 3, 30)},
    {"Natalie Portman", makeDate(1981, 6, 9)},
    {"Roger Federer", makeDate(1981, 8, 8)},
    {"Serena Williams", makeDate(1981, 9, 26)},
    {"Cher", makeDate(1946, 5, 20)},
    {"Freddie Mercury", makeDate(1946, 9, 5)},
    {"Sharon Stone", makeDate(1958, 3, 10)},
    {"Prince", makeDate(1958, 6, 7)},
    {"Madonna", makeDate(1958, 8, 16)},
    {"Andre Agassi", makeDate(1970, 4, 29)},
    {"Matt Damon", makeDate(1970, 10, 8)},
    {"Anne Hathaway", makeDate(1982, 11, 12)},
    {"Elton John", makeDate(1947, 3, 25)},
    {"Stephen King", makeDate(1947, 9, 21)},
    {"Emma Thompson", makeDate(1959, 4, 15)},
    {"Ewan McGregor", makeDate(1971, 3, 31)},
    {"Chris Hemsworth", makeDate(1983, 8, 11)},
};

} // namespace

class FamousPeople : public testing::TestWithParam<std::string_view> {};

TEST_P(FamousPeople, AreAllBornInAYearOfTheirSign) {
    const std::string sign(GetParam());
    ReadingRecord record;
    ChineseZodiacDescription(record, "Fire", sign);

    std::stringstream names(record.FamousPeople);
    std::string name;
    while (std::getline(names, name, ',')) {
        if (name.starts_with(' ')) {
            name.erase(0, 1);
        }
        const auto known = kBirthDates.find(name);
        ASSERT_NE(known, kBirthDates.end()) << name << " has no known birth date";
        const auto* row = findLunarYear(known->second);
        ASSERT_NE(row, nullptr) << name;
        EXPECT_EQ(row->Animal, sign) << name << " is born a " << row->Animal;
    }
}

INSTANTIATE_TEST_SUITE_P(AllTwelve, FamousPeople, testing::ValuesIn(kAnimals),
                         [](const testing::TestParamInfo<std::string_view>& info) {
                             return std::string(info.param);
                         });
