#include "sign_profiles.h"

#include "lunar_year_table.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace engine {

namespace {

struct SignProfile {
    std::string_view RulingPlanet;
    std::string_view MostCompatible;
    std::string_view LeastCompatible;
    std::string_view LuckyColor;
    std::string_view GemStone;
    std::string_view Energy;
    std::string_view FavourableSeason;
    std::string_view FavourableMonth;
    std::span<const std::string_view> FamousPeople;
};

// Each name on its own, so that each is translated on its own.
// clang-format off
constexpr std::string_view kRatPeople[]{
    ENGINE_TR_NOOP("FamousPeople", "Hugh Grant"),
    ENGINE_TR_NOOP("FamousPeople", "Ayrton Senna"),
    ENGINE_TR_NOOP("FamousPeople", "Zinedine Zidane"),
    ENGINE_TR_NOOP("FamousPeople", "Katy Perry"),
    ENGINE_TR_NOOP("FamousPeople", "Scarlett Johansson"),
};

constexpr std::string_view kOxPeople[]{
    ENGINE_TR_NOOP("FamousPeople", "Jane Fonda"),
    ENGINE_TR_NOOP("FamousPeople", "Jack Nicholson"),
    ENGINE_TR_NOOP("FamousPeople", "Anthony Hopkins"),
    ENGINE_TR_NOOP("FamousPeople", "Meryl Streep"),
    ENGINE_TR_NOOP("FamousPeople", "Eddie Murphy"),
    ENGINE_TR_NOOP("FamousPeople", "Barack Obama"),
    ENGINE_TR_NOOP("FamousPeople", "Keira Knightley"),
};

constexpr std::string_view kTigerPeople[]{
    ENGINE_TR_NOOP("FamousPeople", "Kofi Annan"),
    ENGINE_TR_NOOP("FamousPeople", "Stevie Wonder"),
    ENGINE_TR_NOOP("FamousPeople", "Jodie Foster"),
    ENGINE_TR_NOOP("FamousPeople", "Leonardo DiCaprio"),
    ENGINE_TR_NOOP("FamousPeople", "Lady Gaga"),
    ENGINE_TR_NOOP("FamousPeople", "Usain Bolt"),
};

constexpr std::string_view kRabbitPeople[]{
    ENGINE_TR_NOOP("FamousPeople", "Tina Turner"),
    ENGINE_TR_NOOP("FamousPeople", "Sally Ride"),
    ENGINE_TR_NOOP("FamousPeople", "Michael Jordan"),
    ENGINE_TR_NOOP("FamousPeople", "David Beckham"),
    ENGINE_TR_NOOP("FamousPeople", "Angelina Jolie"),
    ENGINE_TR_NOOP("FamousPeople", "Lionel Messi"),
};

constexpr std::string_view kDragonPeople[]{
    ENGINE_TR_NOOP("FamousPeople", "John Lennon"),
    ENGINE_TR_NOOP("FamousPeople", "Bruce Lee"),
    ENGINE_TR_NOOP("FamousPeople", "Keanu Reeves"),
};

constexpr std::string_view kSnakePeople[]{
    ENGINE_TR_NOOP("FamousPeople", "Bob Dylan"),
    ENGINE_TR_NOOP("FamousPeople", "Stephen Hawking"),
    ENGINE_TR_NOOP("FamousPeople", "Muhammad Ali"),
    ENGINE_TR_NOOP("FamousPeople", "Pierce Brosnan"),
    ENGINE_TR_NOOP("FamousPeople", "Shah Rukh Khan"),
    ENGINE_TR_NOOP("FamousPeople", "Taylor Swift"),
};

constexpr std::string_view kHorsePeople[]{
    ENGINE_TR_NOOP("FamousPeople", "Paul McCartney"),
    ENGINE_TR_NOOP("FamousPeople", "Harrison Ford"),
    ENGINE_TR_NOOP("FamousPeople", "Jackie Chan"),
    ENGINE_TR_NOOP("FamousPeople", "Angela Merkel"),
    ENGINE_TR_NOOP("FamousPeople", "Emma Watson"),
};

constexpr std::string_view kGoatPeople[]{
    ENGINE_TR_NOOP("FamousPeople", "Mick Jagger"),
    ENGINE_TR_NOOP("FamousPeople", "Steve Jobs"),
    ENGINE_TR_NOOP("FamousPeople", "Tim Berners-Lee"),
    ENGINE_TR_NOOP("FamousPeople", "Nicole Kidman"),
    ENGINE_TR_NOOP("FamousPeople", "Julia Roberts"),
    ENGINE_TR_NOOP("FamousPeople", "Norah Jones"),
};

constexpr std::string_view kMonkeyPeople[]{
    ENGINE_TR_NOOP("FamousPeople", "Diana Ross"),
    ENGINE_TR_NOOP("FamousPeople", "George Lucas"),
    ENGINE_TR_NOOP("FamousPeople", "Tom Hanks"),
    ENGINE_TR_NOOP("FamousPeople", "Celine Dion"),
    ENGINE_TR_NOOP("FamousPeople", "Hugh Jackman"),
    ENGINE_TR_NOOP("FamousPeople", "Yao Ming"),
};

constexpr std::string_view kRoosterPeople[]{
    ENGINE_TR_NOOP("FamousPeople", "Eric Clapton"),
    ENGINE_TR_NOOP("FamousPeople", "Natalie Portman"),
    ENGINE_TR_NOOP("FamousPeople", "Roger Federer"),
    ENGINE_TR_NOOP("FamousPeople", "Serena Williams"),
};

constexpr std::string_view kDogPeople[]{
    ENGINE_TR_NOOP("FamousPeople", "Cher"),
    ENGINE_TR_NOOP("FamousPeople", "Freddie Mercury"),
    ENGINE_TR_NOOP("FamousPeople", "Sharon Stone"),
    ENGINE_TR_NOOP("FamousPeople", "Prince"),
    ENGINE_TR_NOOP("FamousPeople", "Madonna"),
    ENGINE_TR_NOOP("FamousPeople", "Andre Agassi"),
    ENGINE_TR_NOOP("FamousPeople", "Matt Damon"),
    ENGINE_TR_NOOP("FamousPeople", "Anne Hathaway"),
};

constexpr std::string_view kPigPeople[]{
    ENGINE_TR_NOOP("FamousPeople", "Elton John"),
    ENGINE_TR_NOOP("FamousPeople", "Stephen King"),
    ENGINE_TR_NOOP("FamousPeople", "Emma Thompson"),
    ENGINE_TR_NOOP("FamousPeople", "Ewan McGregor"),
    ENGINE_TR_NOOP("FamousPeople", "Chris Hemsworth"),
};

// In sign order: Rat, Ox, Tiger, Rabbit, ...
constexpr std::array<SignProfile, 12> kSignProfiles{{
    {// Rat
     .RulingPlanet = ENGINE_TR_NOOP("Reading", "Jupiter"),
     .MostCompatible = ENGINE_TR_NOOP("Reading", "Dragon, Monkey"),
     .LeastCompatible = ENGINE_TR_NOOP("Reading", "Horse"),
     .LuckyColor = ENGINE_TR_NOOP("Reading", "Light Blue"),
     .GemStone = ENGINE_TR_NOOP("Reading", "Carbuncle, Red Garnet"),
     .Energy = ENGINE_TR_NOOP("Reading", "Yin (positive)"),
     .FavourableSeason = ENGINE_TR_NOOP("Reading", "Winter"),
     .FavourableMonth = ENGINE_TR_NOOP("Reading", "December"),
     .FamousPeople = kRatPeople},
    {// Ox
     .RulingPlanet = ENGINE_TR_NOOP("Reading", "Saturn"),
     .MostCompatible = ENGINE_TR_NOOP("Reading", "Snake, Rooster"),
     .LeastCompatible = ENGINE_TR_NOOP("Reading", "Goat"),
     .LuckyColor = ENGINE_TR_NOOP("Reading", "Violet"),
     .GemStone = ENGINE_TR_NOOP("Reading", "White Onyx"),
     .Energy = ENGINE_TR_NOOP("Reading", "Yin (positive)"),
     .FavourableSeason = ENGINE_TR_NOOP("Reading", "End of Winter"),
     .FavourableMonth = ENGINE_TR_NOOP("Reading", "January"),
     .FamousPeople = kOxPeople},
    {// Tiger
     .RulingPlanet = ENGINE_TR_NOOP("Reading", "Uranus"),
     .MostCompatible = ENGINE_TR_NOOP("Reading", "Horse, Dog"),
     .LeastCompatible = ENGINE_TR_NOOP("Reading", "Monkey"),
     .LuckyColor = ENGINE_TR_NOOP("Reading", "Green"),
     .GemStone = ENGINE_TR_NOOP("Reading", "Sapphire"),
     .Energy = ENGINE_TR_NOOP("Reading", "Yang (Negative)"),
     .FavourableSeason = ENGINE_TR_NOOP("Reading", "Early Spring"),
     .FavourableMonth = ENGINE_TR_NOOP("Reading", "February"),
     .FamousPeople = kTigerPeople},
    {// Rabbit
     .RulingPlanet = ENGINE_TR_NOOP("Reading", "Jupiter"),
     .MostCompatible = ENGINE_TR_NOOP("Reading", "Goat, Pig"),
     .LeastCompatible = ENGINE_TR_NOOP("Reading", "Rooster"),
     .LuckyColor = ENGINE_TR_NOOP("Reading", "Pale Green"),
     .GemStone = ENGINE_TR_NOOP("Reading", "Chrysolite"),
     .Energy = ENGINE_TR_NOOP("Reading", "Yin (positive)"),
     .FavourableSeason = ENGINE_TR_NOOP("Reading", "Mid Spring"),
     .FavourableMonth = ENGINE_TR_NOOP("Reading", "March"),
     .FamousPeople = kRabbitPeople},
    {// Dragon
     .RulingPlanet = ENGINE_TR_NOOP("Reading", "Mars"),
     .MostCompatible = ENGINE_TR_NOOP("Reading", "Rat, Monkey"),
     .LeastCompatible = ENGINE_TR_NOOP("Reading", "Dog"),
     .LuckyColor = ENGINE_TR_NOOP("Reading", "Turquoise"),
     .GemStone = ENGINE_TR_NOOP("Reading", "Amethyst"),
     .Energy = ENGINE_TR_NOOP("Reading", "Yang (Negative)"),
     .FavourableSeason = ENGINE_TR_NOOP("Reading", "End of Spring"),
     .FavourableMonth = ENGINE_TR_NOOP("Reading", "April"),
     .FamousPeople = kDragonPeople},
    {// Snake
     .RulingPlanet = ENGINE_TR_NOOP("Reading", "Venus"),
     .MostCompatible = ENGINE_TR_NOOP("Reading", "Ox, Rooster"),
     .LeastCompatible = ENGINE_TR_NOOP("Reading", "Tiger, Pig"),
     .LuckyColor = ENGINE_TR_NOOP("Reading", "Red"),
     .GemStone = ENGINE_TR_NOOP("Reading", "Mossagate"),
     .Energy = ENGINE_TR_NOOP("Reading", "Yin (Positive Energy)"),
     .FavourableSeason = ENGINE_TR_NOOP("Reading", "Early Summer"),
     .FavourableMonth = ENGINE_TR_NOOP("Reading", "May"),
     .FamousPeople = kSnakePeople},
    {// Horse
     .RulingPlanet = ENGINE_TR_NOOP("Reading", "Mercury"),
     .MostCompatible = ENGINE_TR_NOOP("Reading", "Tiger, Dog"),
     .LeastCompatible = ENGINE_TR_NOOP("Reading", "Rat"),
     .LuckyColor = ENGINE_TR_NOOP("Reading", "Orange"),
     .GemStone = ENGINE_TR_NOOP("Reading", "Beryl"),
     .Energy = ENGINE_TR_NOOP("Reading", "Yang (Negative)"),
     .FavourableSeason = ENGINE_TR_NOOP("Reading", "Mid Summer"),
     .FavourableMonth = ENGINE_TR_NOOP("Reading", "June"),
     .FamousPeople = kHorsePeople},
    {// Goat
     .RulingPlanet = ENGINE_TR_NOOP("Reading", "Moon"),
     .MostCompatible = ENGINE_TR_NOOP("Reading", "Rabbit, Pig"),
     .LeastCompatible = ENGINE_TR_NOOP("Reading", "Ox"),
     .LuckyColor = ENGINE_TR_NOOP("Reading", "Pink, Purple"),
     .GemStone = ENGINE_TR_NOOP("Reading", "Emerald"),
     .Energy = ENGINE_TR_NOOP("Reading", "Yin (Positive)"),
     .FavourableSeason = ENGINE_TR_NOOP("Reading", "End of Summer"),
     .FavourableMonth = ENGINE_TR_NOOP("Reading", "July"),
     .FamousPeople = kGoatPeople},
    {// Monkey
     .RulingPlanet = ENGINE_TR_NOOP("Reading", "Sun"),
     .MostCompatible = ENGINE_TR_NOOP("Reading", "Rat, Dragon"),
     .LeastCompatible = ENGINE_TR_NOOP("Reading", "Tiger"),
     .LuckyColor = ENGINE_TR_NOOP("Reading", "Yellow, Gold"),
     .GemStone = ENGINE_TR_NOOP("Reading", "Emerald"),
     .Energy = ENGINE_TR_NOOP("Reading", "Yang (Negative)"),
     .FavourableSeason = ENGINE_TR_NOOP("Reading", "Early Autumn"),
     .FavourableMonth = ENGINE_TR_NOOP("Reading", "August"),
     .FamousPeople = kMonkeyPeople},
    {// Rooster
     .RulingPlanet = ENGINE_TR_NOOP("Reading", "Mercury"),
     .MostCompatible = ENGINE_TR_NOOP("Reading", "Ox, Dragon, Snake"),
     .LeastCompatible = ENGINE_TR_NOOP("Reading", "Rabbit"),
     .LuckyColor = ENGINE_TR_NOOP("Reading", "Peach, Apricot"),
     .GemStone = ENGINE_TR_NOOP("Reading", "Pin Jasper"),
     .Energy = ENGINE_TR_NOOP("Reading", "Yin (Positive)"),
     .FavourableSeason = ENGINE_TR_NOOP("Reading", "Mid Autumn"),
     .FavourableMonth = ENGINE_TR_NOOP("Reading", "September"),
     .FamousPeople = kRoosterPeople},
    {// Dog
     .RulingPlanet = ENGINE_TR_NOOP("Reading", "Venus"),
     .MostCompatible = ENGINE_TR_NOOP("Reading", "Tiger, Horse"),
     .LeastCompatible = ENGINE_TR_NOOP("Reading", "Dragon"),
     .LuckyColor = ENGINE_TR_NOOP("Reading", "Pale Yellow"),
     .GemStone = ENGINE_TR_NOOP("Reading", "Diamond"),
     .Energy = ENGINE_TR_NOOP("Reading", "Yang (Negative)"),
     .FavourableSeason = ENGINE_TR_NOOP("Reading", "End of Autumn"),
     .FavourableMonth = ENGINE_TR_NOOP("Reading", "October"),
     .FamousPeople = kDogPeople},
    {// Pig
     .RulingPlanet = ENGINE_TR_NOOP("Reading", "Mars"),
     .MostCompatible = ENGINE_TR_NOOP("Reading", "Rabbit, Goat"),
     .LeastCompatible = ENGINE_TR_NOOP("Reading", "Snake"),
     .LuckyColor = ENGINE_TR_NOOP("Reading", "Dark Blue"),
     .GemStone = ENGINE_TR_NOOP("Reading", "Topaz"),
     .Energy = ENGINE_TR_NOOP("Reading", "Yin (Positive)"),
     .FavourableSeason = ENGINE_TR_NOOP("Reading", "Early Winter"),
     .FavourableMonth = ENGINE_TR_NOOP("Reading", "November"),
     .FamousPeople = kPigPeople},
}};
// clang-format on

struct PeachBlossom {
    std::string_view RomanceDirection;
    std::string_view PeachBlossomAdvice;
};

// Signs fall into four groups of three, each with one romance direction; the
// advice names the group's Peach Blossom animal.
constexpr PeachBlossom kWest{
    ENGINE_TR_NOOP("Reading", "West (247.6 - 292.5 degrees)"),
    ENGINE_TR_NOOP("Reading", "Place a statue or picture of a rooster here")};
constexpr PeachBlossom kSouth{ENGINE_TR_NOOP("Reading", "South (157.6 - 202.5 degrees)"),
                              ENGINE_TR_NOOP("Reading", "Place statue or picture of a horse here")};
constexpr PeachBlossom kEast{
    ENGINE_TR_NOOP("Reading", "East (67.6 - 112.5 degrees)"),
    ENGINE_TR_NOOP("Reading", "Place a statue or picture of a rabbit here")};
constexpr PeachBlossom kNorth{ENGINE_TR_NOOP("Reading", "North (337.6 degrees to 22.5 degrees)"),
                              ENGINE_TR_NOOP("Reading", "Place a statue or picture of a rat here")};

// Indexed like kSignProfiles: Rat, Ox, Tiger, Rabbit, ...; the groups repeat every four signs.
constexpr std::array<const PeachBlossom*, 12> kPeachBlossomBySign{&kWest, &kSouth, &kEast, &kNorth,
                                                                  &kWest, &kSouth, &kEast, &kNorth,
                                                                  &kWest, &kSouth, &kEast, &kNorth};

// The personality paragraph of each element, in element order: Metal, Water,
// Wood, Fire, Earth.
// clang-format off
constexpr std::array<std::string_view, 5> kElementParagraphs{
    // Metal
    ENGINE_TR_NOOP("Reading",
        "You are very focused and confident. Obstacles never frighten you or slow you down. "
        "You are self-reliant and dislike interference. You may be stubborn, headstrong and "
        "impulsive, but your inner strength is great. You enjoy the good things in life. You "
        "may expect as much from others as you do from yourself."),
    // Water
    ENGINE_TR_NOOP("Reading",
        "You have the fluidity of water and solve issues with your silent charm. You persuade "
        "others subtly, never by force. Your manner is always diplomatic. People trust you "
        "completely. Your intuition lets you read what others think. You communicate well and "
        "influence people with ease. You organize things well, but you may be inconsistent."),
    // Wood
    ENGINE_TR_NOOP("Reading",
        "You are very confident about yourself. You have a dignified presence and do not "
        "chase after things. You are organized and work in a methodical way. You like "
        "teamwork and gladly share the fruits of success with others. You are not selfish. "
        "Your interests are wide and varied. You may depend too much on others. You should "
        "take on only as much responsibility as you can handle. Your knowledge and experience "
        "grow more useful with time."),
    // Fire
    ENGINE_TR_NOOP("Reading",
        "You have an impulsive nature. You are truly charming. As a leader and motivator, you "
        "attract people easily. You hold to your ideals, and no one can talk you out of them. "
        "You are sure of your decisions. You are aggressive and love to explore new ground. "
        "You are simply made for challenges. At times you can be dominating. You are also "
        "highly ambitious."),
    // Earth
    ENGINE_TR_NOOP("Reading",
        "You are more logical than emotional in nature. Your quiet, dignified presence earns "
        "the respect of others. You are prudent and always stay in control. The unfamiliar "
        "can make you uneasy. You are particular about details and serious about life. You "
        "are a good organizer and planner. You are disciplined and conservative."),
};
// clang-format on

static_assert(kSignProfiles.size() == kAnimals.size());
static_assert(kElementParagraphs.size() == kElements.size());

// The names joined as the record holds them: "Hugh Grant, Ayrton Senna".
std::string joined(std::span<const std::string_view> names) {
    std::string list;
    for (const std::string_view name : names) {
        if (!list.empty()) {
            list += ", ";
        }
        list += name;
    }
    return list;
}

} // namespace

void ChineseZodiacDescription(ReadingRecord& record, std::string Element, std::string Sign) {
    for (std::size_t i = 0; i < kSignProfiles.size(); ++i) {
        if (kAnimals[i] != Sign) {
            continue;
        }
        const auto& profile = kSignProfiles[i];
        const auto& blossom = *kPeachBlossomBySign[i];
        record.Animal = kAnimals[i];
        record.Element = Element;
        record.RulingPlanet = profile.RulingPlanet;
        record.MostCompatible = profile.MostCompatible;
        record.LeastCompatible = profile.LeastCompatible;
        record.LuckyColor = profile.LuckyColor;
        record.GemStone = profile.GemStone;
        record.Energy = profile.Energy;
        record.FavourableSeason = profile.FavourableSeason;
        record.FavourableMonth = profile.FavourableMonth;
        record.FamousPeople = joined(profile.FamousPeople);
        record.RomanceDirection = blossom.RomanceDirection;
        record.PeachBlossomAdvice = blossom.PeachBlossomAdvice;
        record.SignNumber = static_cast<std::int16_t>(i + 1);
        break;
    }

    for (std::size_t i = 0; i < kElements.size(); ++i) {
        if (kElements[i] == Element) {
            record.ElementText = kElementParagraphs[i];
            break;
        }
    }
}

} // namespace engine
