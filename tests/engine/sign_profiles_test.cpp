#include "lunar_year_table.h"
#include "sign_profiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using namespace engine;

namespace {

// The design's profile texts, checked here once, letter for letter.
struct ExpectedProfile {
    const char* sign;
    const char* planet;
    const char* most;
    const char* least;
    const char* color;
    const char* gem;
    const char* energy;
    const char* season;
    const char* month;
    const char* direction;
    const char* advice;
    std::size_t famousCount;
};

constexpr const char* kWest = "West (247.6 - 292.5 degrees)";
constexpr const char* kSouth = "South (157.6 - 202.5 degrees)";
constexpr const char* kEast = "East (67.6 - 112.5 degrees)";
constexpr const char* kNorth = "North (337.6 degrees to 22.5 degrees)";
constexpr const char* kRooster = "Place a statue or picture of a rooster here";
constexpr const char* kHorse = "Place statue or picture of a horse here";
constexpr const char* kRabbit = "Place a statue or picture of a rabbit here";
constexpr const char* kRat = "Place a statue or picture of a rat here";

// clang-format off
const ExpectedProfile kExpected[] = {
    {"Rat", "Jupiter", "Dragon, Monkey", "Horse", "Light Blue", "Carbuncle, Red Garnet", "Yin (positive)", "Winter", "December", kWest, kRooster, 5},
    {"Ox", "Saturn", "Snake, Rooster", "Goat", "Violet", "White Onyx", "Yin (positive)", "End of Winter", "January", kSouth, kHorse, 7},
    {"Tiger", "Uranus", "Horse, Dog", "Monkey", "Green", "Sapphire", "Yang (Negative)", "Early Spring", "February", kEast, kRabbit, 6},
    {"Rabbit", "Jupiter", "Goat, Pig", "Rooster", "Pale Green", "Chrysolite", "Yin (positive)", "Mid Spring", "March", kNorth, kRat, 6},
    {"Dragon", "Mars", "Rat, Monkey", "Dog", "Turquoise", "Amethyst", "Yang (Negative)", "End of Spring", "April", kWest, kRooster, 3},
    {"Snake", "Venus", "Ox, Rooster", "Tiger, Pig", "Red", "Mossagate", "Yin (Positive Energy)", "Early Summer", "May", kSouth, kHorse, 6},
    {"Horse", "Mercury", "Tiger, Dog", "Rat", "Orange", "Beryl", "Yang (Negative)", "Mid Summer", "June", kEast, kRabbit, 5},
    {"Goat", "Moon", "Rabbit, Pig", "Ox", "Pink, Purple", "Emerald", "Yin (Positive)", "End of Summer", "July", kNorth, kRat, 6},
    {"Monkey", "Sun", "Rat, Dragon", "Tiger", "Yellow, Gold", "Emerald", "Yang (Negative)", "Early Autumn", "August", kWest, kRooster, 6},
    {"Rooster", "Mercury", "Ox, Dragon, Snake", "Rabbit", "Peach, Apricot", "Pin Jasper", "Yin (Positive)", "Mid Autumn", "September", kSouth, kHorse, 4},
    {"Dog", "Venus", "Tiger, Horse", "Dragon", "Pale Yellow", "Diamond", "Yang (Negative)", "End of Autumn", "October", kEast, kRabbit, 8},
    {"Pig", "Mars", "Rabbit, Goat", "Snake", "Dark Blue", "Topaz", "Yin (Positive)", "Early Winter", "November", kNorth, kRat, 5},
};
// clang-format on

const char* const kFirstSentences[] = {
    "You are very focused and confident.",
    "You have the fluidity of water and solve issues with your silent charm.",
    "You are very confident about yourself.",
    "You have an impulsive nature.",
    "You are more logical than emotional in nature.",
};
constexpr std::size_t kParagraphSizes[] = {302, 334, 432, 354, 318};
constexpr std::size_t kParagraphSentences[] = {6, 7, 9, 9, 7};

ReadingRecord profileOf(const std::string& element, const std::string& sign) {
    ReadingRecord record;
    ChineseZodiacDescription(record, element, sign);
    return record;
}

} // namespace

class SignProfile : public testing::TestWithParam<std::size_t> {};

TEST_P(SignProfile, WritesTheSignsTextsAndNumber) {
    const auto& want = kExpected[GetParam()];
    const auto r = profileOf("Wood", want.sign);
    EXPECT_EQ(r.Animal, want.sign);
    EXPECT_EQ(r.Element, "Wood");
    EXPECT_EQ(r.SignNumber, static_cast<int>(GetParam()) + 1);
    EXPECT_EQ(r.RulingPlanet, want.planet);
    EXPECT_EQ(r.MostCompatible, want.most);
    EXPECT_EQ(r.LeastCompatible, want.least);
    EXPECT_EQ(r.LuckyColor, want.color);
    EXPECT_EQ(r.GemStone, want.gem);
    EXPECT_EQ(r.Energy, want.energy);
    EXPECT_EQ(r.FavourableSeason, want.season);
    EXPECT_EQ(r.FavourableMonth, want.month);
    EXPECT_EQ(r.RomanceDirection, want.direction);
    EXPECT_EQ(r.PeachBlossomAdvice, want.advice);

    // One line of names joined by ", ", no closing full stop.
    const auto& famous = r.FamousPeople;
    EXPECT_EQ(static_cast<std::size_t>(std::count(famous.begin(), famous.end(), ',')) + 1,
              want.famousCount);
    EXPECT_EQ(famous.find(",,"), std::string::npos);
    EXPECT_EQ(famous.find("  "), std::string::npos);
    EXPECT_NE(famous.back(), '.');
    for (std::size_t at = famous.find(','); at != std::string::npos;
         at = famous.find(',', at + 1)) {
        EXPECT_EQ(famous.substr(at, 2), ", ") << famous;
    }
}

INSTANTIATE_TEST_SUITE_P(AllTwelve, SignProfile, testing::Range<std::size_t>(0, 12),
                         [](const testing::TestParamInfo<std::size_t>& info) {
                             return std::string(kExpected[info.param].sign);
                         });

TEST(SignProfiles, UnknownOrMiscasedSignWritesNoProfileButElementStillGetsItsParagraph) {
    for (const char* sign : {"rat", "Rat ", " Rat", "", "RAT", "Cat"}) {
        ReadingRecord r;
        ChineseZodiacDescription(r, "Water", sign);
        EXPECT_EQ(r.Animal, "") << sign;
        EXPECT_EQ(r.Element, "") << sign;
        EXPECT_EQ(r.SignNumber, 0) << sign;
        EXPECT_EQ(r.RulingPlanet, "") << sign;
        EXPECT_EQ(r.FamousPeople, "") << sign;
        EXPECT_EQ(r.RomanceDirection, "") << sign;
        EXPECT_TRUE(r.ElementText.starts_with(kFirstSentences[1])) << sign;
    }
}

TEST(SignProfiles, MiscasedElementLeavesTheParagraphButSignStillGetsItsProfile) {
    auto r = profileOf("Fire", "Ox");
    const auto fireText = r.ElementText;
    ChineseZodiacDescription(r, "metal", "Rat");
    EXPECT_EQ(r.ElementText, fireText);
    EXPECT_EQ(r.Element, "metal"); // written back as given, like the sign
    EXPECT_EQ(r.Animal, "Rat");
    EXPECT_EQ(r.SignNumber, 1);
    EXPECT_EQ(r.RulingPlanet, "Jupiter");
}

TEST(SignProfiles, ASecondSignReplacesEveryProfileField) {
    auto r = profileOf("Water", "Rooster");
    ChineseZodiacDescription(r, "Earth", "Tiger");
    const auto fresh = profileOf("Earth", "Tiger");
    EXPECT_EQ(r.Animal, fresh.Animal);
    EXPECT_EQ(r.Element, fresh.Element);
    EXPECT_EQ(r.SignNumber, fresh.SignNumber);
    EXPECT_EQ(r.ElementText, fresh.ElementText);
    EXPECT_EQ(r.RulingPlanet, fresh.RulingPlanet);
    EXPECT_EQ(r.MostCompatible, fresh.MostCompatible);
    EXPECT_EQ(r.LeastCompatible, fresh.LeastCompatible);
    EXPECT_EQ(r.LuckyColor, fresh.LuckyColor);
    EXPECT_EQ(r.GemStone, fresh.GemStone);
    EXPECT_EQ(r.Energy, fresh.Energy);
    EXPECT_EQ(r.FavourableSeason, fresh.FavourableSeason);
    EXPECT_EQ(r.FavourableMonth, fresh.FavourableMonth);
    EXPECT_EQ(r.FamousPeople, fresh.FamousPeople);
    EXPECT_EQ(r.RomanceDirection, fresh.RomanceDirection);
    EXPECT_EQ(r.PeachBlossomAdvice, fresh.PeachBlossomAdvice);
}

TEST(SignProfiles, CallWithTheRecordsOwnFieldsKeepsThem) {
    ReadingRecord r;
    r.Element = "Metal";
    r.Animal = "Snake";
    ChineseZodiacDescription(r, r.Element, r.Animal);
    EXPECT_EQ(r.Element, "Metal");
    EXPECT_EQ(r.Animal, "Snake");
    EXPECT_EQ(r.SignNumber, 6);
}

class ElementParagraph : public testing::TestWithParam<std::size_t> {};

TEST_P(ElementParagraph, IsOneLineAddressedToYouOfTheRightSize) {
    const auto i = GetParam();
    const auto text = profileOf(std::string(kElements[i]), "Rat").ElementText;
    EXPECT_TRUE(text.starts_with(kFirstSentences[i])) << text;
    EXPECT_EQ(text.find('\n'), std::string::npos);
    EXPECT_EQ(text.find("  "), std::string::npos);
    EXPECT_EQ(text.back(), '.');
    EXPECT_EQ(static_cast<std::size_t>(std::count(text.begin(), text.end(), '.')),
              kParagraphSentences[i]);
    const double size = static_cast<double>(text.size());
    EXPECT_NEAR(size, static_cast<double>(kParagraphSizes[i]), 0.05 * kParagraphSizes[i]);
    for (std::size_t at = text.find(". "); at != std::string::npos; at = text.find(". ", at + 1)) {
        EXPECT_TRUE(text[at + 2] >= 'A' && text[at + 2] <= 'Z') << text.substr(at);
    }
}

INSTANTIATE_TEST_SUITE_P(AllFive, ElementParagraph, testing::Range<std::size_t>(0, 5),
                         [](const testing::TestParamInfo<std::size_t>& info) {
                             return std::string(kElements[info.param]);
                         });

TEST(ElementParagraphs, DoNotDependOnTheSign) {
    EXPECT_EQ(profileOf("Earth", "Rat").ElementText, profileOf("Earth", "Pig").ElementText);
    EXPECT_EQ(profileOf("Earth", "Rat").ElementText, profileOf("Earth", "nobody").ElementText);
}
