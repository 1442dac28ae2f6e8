#include "sign_profiles.h"

#include "lunar_year_table.h"

#include <array>
#include <string_view>

namespace engine {

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
     "Hugh Grant, Ayrton Senna, Zinedine Zidane, Katy Perry, Scarlett Johansson"},
    {"Ox", "Saturn", "Snake, Rooster", "Goat", "Violet", "White Onyx",
     "Yin (positive)", "End of Winter", "January",
     "Jane Fonda, Jack Nicholson, Anthony Hopkins, Meryl Streep, Eddie Murphy, Barack Obama, Keira Knightley"},
    {"Tiger", "Uranus", "Horse, Dog", "Monkey", "Green", "Sapphire",
     "Yang (Negative)", "Early Spring", "February",
     "Kofi Annan, Stevie Wonder, Jodie Foster, Leonardo DiCaprio, Lady Gaga, Usain Bolt"},
    {"Rabbit", "Jupiter", "Goat, Pig", "Rooster", "Pale Green", "Chrysolite",
     "Yin (positive)", "Mid Spring", "March",
     "Tina Turner, Sally Ride, Michael Jordan, David Beckham, Angelina Jolie, Lionel Messi"},
    {"Dragon", "Mars", "Rat, Monkey", "Dog", "Turquoise", "Amethyst",
     "Yang (Negative)", "End of Spring", "April",
     "John Lennon, Bruce Lee, Keanu Reeves"},
    {"Snake", "Venus", "Ox, Rooster", "Tiger, Pig", "Red", "Mossagate",
     "Yin (Positive Energy)", "Early Summer", "May",
     "Bob Dylan, Stephen Hawking, Muhammad Ali, Pierce Brosnan, Shah Rukh Khan, Taylor Swift"},
    {"Horse", "Mercury", "Tiger, Dog", "Rat", "Orange", "Beryl",
     "Yang (Negative)", "Mid Summer", "June",
     "Paul McCartney, Harrison Ford, Jackie Chan, Angela Merkel, Emma Watson"},
    {"Goat", "Moon", "Rabbit, Pig", "Ox", "Pink, Purple", "Emerald",
     "Yin (Positive)", "End of Summer", "July",
     "Mick Jagger, Steve Jobs, Tim Berners-Lee, Nicole Kidman, Julia Roberts, Norah Jones"},
    {"Monkey", "Sun", "Rat, Dragon", "Tiger", "Yellow, Gold", "Emerald",
     "Yang (Negative)", "Early Autumn", "August",
     "Diana Ross, George Lucas, Tom Hanks, Celine Dion, Hugh Jackman, Yao Ming"},
    {"Rooster", "Mercury", "Ox, Dragon, Snake", "Rabbit", "Peach, Apricot", "Pin Jasper",
     "Yin (Positive)", "Mid Autumn", "September",
     "Eric Clapton, Natalie Portman, Roger Federer, Serena Williams"},
    {"Dog", "Venus", "Tiger, Horse", "Dragon", "Pale Yellow", "Diamond",
     "Yang (Negative)", "End of Autumn", "October",
     "Cher, Freddie Mercury, Sharon Stone, Prince, Madonna, Andre Agassi, Matt Damon, Anne Hathaway"},
    {"Pig", "Mars", "Rabbit, Goat", "Snake", "Dark Blue", "Topaz",
     "Yin (Positive)", "Early Winter", "November",
     "Elton John, Stephen King, Emma Thompson, Ewan McGregor, Chris Hemsworth"},
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
constexpr std::array<const PeachBlossom*, 12> kPeachBlossomBySign{&kWest, &kSouth, &kEast, &kNorth,
                                                                  &kWest, &kSouth, &kEast, &kNorth,
                                                                  &kWest, &kSouth, &kEast, &kNorth};

struct ElementParagraph {
    std::string_view Element;
    std::string_view Text;
};

constexpr std::array<ElementParagraph, 5> kElementParagraphs{{
    {"Metal", "You are very focused and confident. Obstacles never frighten you or slow you down. "
              "You are self-reliant and dislike interference. You may be stubborn, headstrong and "
              "impulsive, but your inner strength is great. You enjoy the good things in life. You "
              "may expect as much from others as you do from yourself."},
    {"Water",
     "You have the fluidity of water and solve issues with your silent charm. You persuade others "
     "subtly, never by force. Your manner is always diplomatic. People trust you completely. Your "
     "intuition lets you read what others think. You communicate well and influence people with "
     "ease. You organize things well, but you may be inconsistent."},
    {"Wood",
     "You are very confident about yourself. You have a dignified presence and do not chase after "
     "things. You are organized and work in a methodical way. You like teamwork and gladly share "
     "the fruits of success with others. You are not selfish. Your interests are wide and varied. "
     "You may depend too much on others. You should take on only as much responsibility as you can "
     "handle. Your knowledge and experience grow more useful with time."},
    {"Fire",
     "You have an impulsive nature. You are truly charming. As a leader and motivator, you attract "
     "people easily. You hold to your ideals, and no one can talk you out of them. You are sure of "
     "your decisions. You are aggressive and love to explore new ground. You are simply made for "
     "challenges. At times you can be dominating. You are also highly ambitious."},
    {"Earth", "You are more logical than emotional in nature. Your quiet, dignified presence earns "
              "the respect of others. You are prudent and always stay in control. The unfamiliar "
              "can make you uneasy. You are particular about details and serious about life. You "
              "are a good organizer and planner. You are disciplined and conservative."},
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

} // namespace engine
