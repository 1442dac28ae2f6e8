#include "sign_profiles.h"

#include "lunar_year_table.h"

#include <array>
#include <string_view>

namespace {

struct SignProfile {
    std::string_view Sign;
    std::string_view RulingPlanet;
    std::string_view MostCompatible;
    std::string_view LeastCompatible;
    std::string_view LuckyColor;
    std::string_view GemStone;
    std::string_view Energy;
    std::string_view FavourableSeason;
    std::string_view FavourableMonth;
    std::string_view FamousPeople;
};

// clang-format off
constexpr std::array<SignProfile, 12> kSignProfiles{{
    {"Rat", "Jupiter", "Dragon, Monkey", "Horse", "Light Blue", "Carbuncle, Red Garnet",
     "Yin (positive)", "Winter", "December",
     "@RAT@"},
    {"Ox", "Saturn", "Snake, Rooster", "Goat", "Violet", "White Onyx",
     "Yin (positive)", "End of Winter", "January",
     "@OX@"},
    {"Tiger", "Uranus", "Horse, Dog", "Monkey", "Green", "Sapphire",
     "Yang (Negative)", "Early Spring", "February",
     "@TIGER@"},
    {"Rabbit", "Jupiter", "Goat, Pig", "Rooster", "Pale Green", "Chrysolite",
     "Yin (positive)", "Mid Spring", "March",
     "@RABBIT@"},
    {"Dragon", "Mars", "Rat, Monkey", "Dog", "Turquoise", "Amethyst",
     "Yang (Negative)", "End of Spring", "April",
     "@DRAGON@"},
    {"Snake", "Venus", "Ox, Rooster", "Tiger, Pig", "Red", "Mossagate",
     "Yin (Positive Energy)", "Early Summer", "May",
     "@SNAKE@"},
    {"Horse", "Mercury", "Tiger, Dog", "Rat", "Orange", "Beryl",
     "Yang (Negative)", "Mid Summer", "June",
     "@HORSE@"},
    {"Goat", "Moon", "Rabbit, Pig", "Ox", "Pink, Purple", "Emerald",
     "Yin (Positive)", "End of Summer", "July",
     "@GOAT@"},
    {"Monkey", "Sun", "Rat, Dragon", "Tiger", "Yellow, Gold", "Emerald",
     "Yang (Negative)", "Early Autumn", "August",
     "@MONKEY@"},
    {"Rooster", "Mercury", "Ox, Dragon, Snake", "Rabbit", "Peach, Apricot", "Pin Jasper",
     "Yin (Positive)", "Mid Autumn", "September",
     "@ROOSTER@"},
    {"Dog", "Venus", "Tiger, Horse", "Dragon", "Pale Yellow", "Diamond",
     "Yang (Negative)", "End of Autumn", "October",
     "@DOG@"},
    {"Pig", "Mars", "Rabbit, Goat", "Snake", "Dark Blue", "Topaz",
     "Yin (Positive)", "Early Winter", "November",
     "@PIG@"},
}};
// clang-format on

struct PeachBlossom {
    std::string_view RomanceDirection;
    std::string_view PeachBlossomAdvice;
};

// Signs fall into four groups of three, each with one romance direction; the
// advice names the group's Peach Blossom animal.
constexpr PeachBlossom kWest{"West (247.6 - 292.5 degrees)",
                             "Place a statue or picture of a rooster here"};
constexpr PeachBlossom kSouth{"South (157.6 - 202.5 degrees)",
                              "Place statue or picture of a horse here"};
constexpr PeachBlossom kEast{"East (67.6 - 112.5 degrees)",
                             "Place a statue or picture of a rabbit here"};
constexpr PeachBlossom kNorth{"North (337.6 degrees to 22.5 degrees)",
                              "Place a statue or picture of a rat here"};

// Indexed like kSignProfiles: Rat, Ox, Tiger, Rabbit, ...; the groups repeat every four signs.
constexpr std::array<const PeachBlossom*, 12> kPeachBlossomBySign{
    &kWest, &kSouth, &kEast, &kNorth, &kWest, &kSouth, &kEast, &kNorth, &kWest, &kSouth, &kEast, &kNorth};

struct ElementParagraph {
    std::string_view Element;
    std::string_view Text;
};

constexpr std::array<ElementParagraph, 5> kElementParagraphs{{
    {"Metal", "@METAL@"},
    {"Water", "@WATER@"},
    {"Wood", "@WOOD@"},
    {"Fire", "@FIRE@"},
    {"Earth", "@EARTH@"},
}};

consteval bool profilesFollowSignOrder() {
    for (std::size_t i = 0; i < kSignProfiles.size(); ++i) {
        if (kSignProfiles[i].Sign != kAnimals[i]) {
            return false;
        }
    }
    for (std::size_t i = 0; i < kElementParagraphs.size(); ++i) {
        if (kElementParagraphs[i].Element != kElements[i]) {
            return false;
        }
    }
    return true;
}
static_assert(profilesFollowSignOrder());

} // namespace

void ChineseZodiacDescription(ReadingRecord& record, std::string Element, std::string Sign) {
    for (std::size_t i = 0; i < kSignProfiles.size(); ++i) {
        const auto& profile = kSignProfiles[i];
        if (profile.Sign != Sign) {
            continue;
        }
        const auto& blossom = *kPeachBlossomBySign[i];
        record.Animal = profile.Sign;
        record.Element = Element;
        record.RulingPlanet = profile.RulingPlanet;
        record.MostCompatible = profile.MostCompatible;
        record.LeastCompatible = profile.LeastCompatible;
        record.LuckyColor = profile.LuckyColor;
        record.GemStone = profile.GemStone;
        record.Energy = profile.Energy;
        record.FavourableSeason = profile.FavourableSeason;
        record.FavourableMonth = profile.FavourableMonth;
        record.FamousPeople = profile.FamousPeople;
        record.RomanceDirection = blossom.RomanceDirection;
        record.PeachBlossomAdvice = blossom.PeachBlossomAdvice;
        record.SignNumber = static_cast<std::int16_t>(i + 1);
        break;
    }

    for (const auto& paragraph : kElementParagraphs) {
        if (paragraph.Element == Element) {
            record.ElementText = paragraph.Text;
            break;
        }
    }
}
