#include "reading_texts.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <array>

namespace reading_texts {

namespace {

// Every text the engine can write into a shown field of a record. Only the
// translation tools read this table; the program looks texts up by themselves.
// clang-format off
[[maybe_unused]] constexpr std::array kValues{
    // Signs and elements
    QT_TRANSLATE_NOOP("Reading", "Rat"), QT_TRANSLATE_NOOP("Reading", "Ox"),
    QT_TRANSLATE_NOOP("Reading", "Tiger"), QT_TRANSLATE_NOOP("Reading", "Rabbit"),
    QT_TRANSLATE_NOOP("Reading", "Dragon"), QT_TRANSLATE_NOOP("Reading", "Snake"),
    QT_TRANSLATE_NOOP("Reading", "Horse"), QT_TRANSLATE_NOOP("Reading", "Goat"),
    QT_TRANSLATE_NOOP("Reading", "Monkey"), QT_TRANSLATE_NOOP("Reading", "Rooster"),
    QT_TRANSLATE_NOOP("Reading", "Dog"), QT_TRANSLATE_NOOP("Reading", "Pig"),
    QT_TRANSLATE_NOOP("Reading", "Metal"), QT_TRANSLATE_NOOP("Reading", "Water"),
    QT_TRANSLATE_NOOP("Reading", "Wood"), QT_TRANSLATE_NOOP("Reading", "Fire"),
    QT_TRANSLATE_NOOP("Reading", "Earth"),
    // Months: the favourable month, and the main window's month list
    QT_TRANSLATE_NOOP("Reading", "January"), QT_TRANSLATE_NOOP("Reading", "February"),
    QT_TRANSLATE_NOOP("Reading", "March"), QT_TRANSLATE_NOOP("Reading", "April"),
    QT_TRANSLATE_NOOP("Reading", "May"), QT_TRANSLATE_NOOP("Reading", "June"),
    QT_TRANSLATE_NOOP("Reading", "July"), QT_TRANSLATE_NOOP("Reading", "August"),
    QT_TRANSLATE_NOOP("Reading", "September"), QT_TRANSLATE_NOOP("Reading", "October"),
    QT_TRANSLATE_NOOP("Reading", "November"), QT_TRANSLATE_NOOP("Reading", "December"),
    // Romance directions and the Peach Blossom advice
    QT_TRANSLATE_NOOP("Reading", "West (247.6 - 292.5 degrees)"),
    QT_TRANSLATE_NOOP("Reading", "South (157.6 - 202.5 degrees)"),
    QT_TRANSLATE_NOOP("Reading", "East (67.6 - 112.5 degrees)"),
    QT_TRANSLATE_NOOP("Reading", "North (337.6 degrees to 22.5 degrees)"),
    QT_TRANSLATE_NOOP("Reading", "Place a statue or picture of a rooster here"),
    QT_TRANSLATE_NOOP("Reading", "Place statue or picture of a horse here"),
    QT_TRANSLATE_NOOP("Reading", "Place a statue or picture of a rabbit here"),
    QT_TRANSLATE_NOOP("Reading", "Place a statue or picture of a rat here"),
    // Ruling planets
    QT_TRANSLATE_NOOP("Reading", "Jupiter"), QT_TRANSLATE_NOOP("Reading", "Saturn"),
    QT_TRANSLATE_NOOP("Reading", "Uranus"), QT_TRANSLATE_NOOP("Reading", "Mars"),
    QT_TRANSLATE_NOOP("Reading", "Venus"), QT_TRANSLATE_NOOP("Reading", "Mercury"),
    QT_TRANSLATE_NOOP("Reading", "Moon"), QT_TRANSLATE_NOOP("Reading", "Sun"),
    // Most and least compatible signs
    QT_TRANSLATE_NOOP("Reading", "Dragon, Monkey"), QT_TRANSLATE_NOOP("Reading", "Snake, Rooster"),
    QT_TRANSLATE_NOOP("Reading", "Horse, Dog"), QT_TRANSLATE_NOOP("Reading", "Goat, Pig"),
    QT_TRANSLATE_NOOP("Reading", "Rat, Monkey"), QT_TRANSLATE_NOOP("Reading", "Ox, Rooster"),
    QT_TRANSLATE_NOOP("Reading", "Tiger, Dog"), QT_TRANSLATE_NOOP("Reading", "Rabbit, Pig"),
    QT_TRANSLATE_NOOP("Reading", "Rat, Dragon"), QT_TRANSLATE_NOOP("Reading", "Ox, Dragon, Snake"),
    QT_TRANSLATE_NOOP("Reading", "Tiger, Horse"), QT_TRANSLATE_NOOP("Reading", "Rabbit, Goat"),
    QT_TRANSLATE_NOOP("Reading", "Tiger, Pig"),
    // Lucky colours
    QT_TRANSLATE_NOOP("Reading", "Light Blue"), QT_TRANSLATE_NOOP("Reading", "Violet"),
    QT_TRANSLATE_NOOP("Reading", "Green"), QT_TRANSLATE_NOOP("Reading", "Pale Green"),
    QT_TRANSLATE_NOOP("Reading", "Turquoise"), QT_TRANSLATE_NOOP("Reading", "Red"),
    QT_TRANSLATE_NOOP("Reading", "Orange"), QT_TRANSLATE_NOOP("Reading", "Pink, Purple"),
    QT_TRANSLATE_NOOP("Reading", "Yellow, Gold"), QT_TRANSLATE_NOOP("Reading", "Peach, Apricot"),
    QT_TRANSLATE_NOOP("Reading", "Pale Yellow"), QT_TRANSLATE_NOOP("Reading", "Dark Blue"),
    // Gemstones
    QT_TRANSLATE_NOOP("Reading", "Carbuncle, Red Garnet"), QT_TRANSLATE_NOOP("Reading", "White Onyx"),
    QT_TRANSLATE_NOOP("Reading", "Sapphire"), QT_TRANSLATE_NOOP("Reading", "Chrysolite"),
    QT_TRANSLATE_NOOP("Reading", "Amethyst"), QT_TRANSLATE_NOOP("Reading", "Mossagate"),
    QT_TRANSLATE_NOOP("Reading", "Beryl"), QT_TRANSLATE_NOOP("Reading", "Emerald"),
    QT_TRANSLATE_NOOP("Reading", "Pin Jasper"), QT_TRANSLATE_NOOP("Reading", "Diamond"),
    QT_TRANSLATE_NOOP("Reading", "Topaz"),
    // Energies
    QT_TRANSLATE_NOOP("Reading", "Yin (positive)"), QT_TRANSLATE_NOOP("Reading", "Yin (Positive)"),
    QT_TRANSLATE_NOOP("Reading", "Yin (Positive Energy)"), QT_TRANSLATE_NOOP("Reading", "Yang (Negative)"),
    // Favourable seasons
    QT_TRANSLATE_NOOP("Reading", "Winter"), QT_TRANSLATE_NOOP("Reading", "End of Winter"),
    QT_TRANSLATE_NOOP("Reading", "Early Spring"), QT_TRANSLATE_NOOP("Reading", "Mid Spring"),
    QT_TRANSLATE_NOOP("Reading", "End of Spring"), QT_TRANSLATE_NOOP("Reading", "Early Summer"),
    QT_TRANSLATE_NOOP("Reading", "Mid Summer"), QT_TRANSLATE_NOOP("Reading", "End of Summer"),
    QT_TRANSLATE_NOOP("Reading", "Early Autumn"), QT_TRANSLATE_NOOP("Reading", "Mid Autumn"),
    QT_TRANSLATE_NOOP("Reading", "End of Autumn"), QT_TRANSLATE_NOOP("Reading", "Early Winter"),
    // Element paragraphs
    QT_TRANSLATE_NOOP("Reading",
        "You are very focused and confident. Obstacles never frighten you or slow you down. "
        "You are self-reliant and dislike interference. You may be stubborn, headstrong and "
        "impulsive, but your inner strength is great. You enjoy the good things in life. You "
        "may expect as much from others as you do from yourself."),
    QT_TRANSLATE_NOOP("Reading",
        "You have the fluidity of water and solve issues with your silent charm. You persuade others "
        "subtly, never by force. Your manner is always diplomatic. People trust you completely. Your "
        "intuition lets you read what others think. You communicate well and influence people with "
        "ease. You organize things well, but you may be inconsistent."),
    QT_TRANSLATE_NOOP("Reading",
        "You are very confident about yourself. You have a dignified presence and do not chase after "
        "things. You are organized and work in a methodical way. You like teamwork and gladly share "
        "the fruits of success with others. You are not selfish. Your interests are wide and varied. "
        "You may depend too much on others. You should take on only as much responsibility as you can "
        "handle. Your knowledge and experience grow more useful with time."),
    QT_TRANSLATE_NOOP("Reading",
        "You have an impulsive nature. You are truly charming. As a leader and motivator, you attract "
        "people easily. You hold to your ideals, and no one can talk you out of them. You are sure of "
        "your decisions. You are aggressive and love to explore new ground. You are simply made for "
        "challenges. At times you can be dominating. You are also highly ambitious."),
    QT_TRANSLATE_NOOP("Reading",
        "You are more logical than emotional in nature. Your quiet, dignified presence earns "
        "the respect of others. You are prudent and always stay in control. The unfamiliar "
        "can make you uneasy. You are particular about details and serious about life. You "
        "are a good organizer and planner. You are disciplined and conservative."),
};

constexpr std::array kFamousPeople{
    QT_TRANSLATE_NOOP("FamousPeople", "Hugh Grant"), QT_TRANSLATE_NOOP("FamousPeople", "Ayrton Senna"),
    QT_TRANSLATE_NOOP("FamousPeople", "Zinedine Zidane"), QT_TRANSLATE_NOOP("FamousPeople", "Katy Perry"),
    QT_TRANSLATE_NOOP("FamousPeople", "Scarlett Johansson"),
    QT_TRANSLATE_NOOP("FamousPeople", "Jane Fonda"), QT_TRANSLATE_NOOP("FamousPeople", "Jack Nicholson"),
    QT_TRANSLATE_NOOP("FamousPeople", "Anthony Hopkins"), QT_TRANSLATE_NOOP("FamousPeople", "Meryl Streep"),
    QT_TRANSLATE_NOOP("FamousPeople", "Eddie Murphy"), QT_TRANSLATE_NOOP("FamousPeople", "Barack Obama"),
    QT_TRANSLATE_NOOP("FamousPeople", "Keira Knightley"),
    QT_TRANSLATE_NOOP("FamousPeople", "Kofi Annan"), QT_TRANSLATE_NOOP("FamousPeople", "Stevie Wonder"),
    QT_TRANSLATE_NOOP("FamousPeople", "Jodie Foster"), QT_TRANSLATE_NOOP("FamousPeople", "Leonardo DiCaprio"),
    QT_TRANSLATE_NOOP("FamousPeople", "Lady Gaga"), QT_TRANSLATE_NOOP("FamousPeople", "Usain Bolt"),
    QT_TRANSLATE_NOOP("FamousPeople", "Tina Turner"), QT_TRANSLATE_NOOP("FamousPeople", "Sally Ride"),
    QT_TRANSLATE_NOOP("FamousPeople", "Michael Jordan"), QT_TRANSLATE_NOOP("FamousPeople", "David Beckham"),
    QT_TRANSLATE_NOOP("FamousPeople", "Angelina Jolie"), QT_TRANSLATE_NOOP("FamousPeople", "Lionel Messi"),
    QT_TRANSLATE_NOOP("FamousPeople", "John Lennon"), QT_TRANSLATE_NOOP("FamousPeople", "Bruce Lee"),
    QT_TRANSLATE_NOOP("FamousPeople", "Keanu Reeves"),
    QT_TRANSLATE_NOOP("FamousPeople", "Bob Dylan"), QT_TRANSLATE_NOOP("FamousPeople", "Stephen Hawking"),
    QT_TRANSLATE_NOOP("FamousPeople", "Muhammad Ali"), QT_TRANSLATE_NOOP("FamousPeople", "Pierce Brosnan"),
    QT_TRANSLATE_NOOP("FamousPeople", "Shah Rukh Khan"), QT_TRANSLATE_NOOP("FamousPeople", "Taylor Swift"),
    QT_TRANSLATE_NOOP("FamousPeople", "Paul McCartney"), QT_TRANSLATE_NOOP("FamousPeople", "Harrison Ford"),
    QT_TRANSLATE_NOOP("FamousPeople", "Jackie Chan"), QT_TRANSLATE_NOOP("FamousPeople", "Angela Merkel"),
    QT_TRANSLATE_NOOP("FamousPeople", "Emma Watson"),
    QT_TRANSLATE_NOOP("FamousPeople", "Mick Jagger"), QT_TRANSLATE_NOOP("FamousPeople", "Steve Jobs"),
    QT_TRANSLATE_NOOP("FamousPeople", "Tim Berners-Lee"), QT_TRANSLATE_NOOP("FamousPeople", "Nicole Kidman"),
    QT_TRANSLATE_NOOP("FamousPeople", "Julia Roberts"), QT_TRANSLATE_NOOP("FamousPeople", "Norah Jones"),
    QT_TRANSLATE_NOOP("FamousPeople", "Diana Ross"), QT_TRANSLATE_NOOP("FamousPeople", "George Lucas"),
    QT_TRANSLATE_NOOP("FamousPeople", "Tom Hanks"), QT_TRANSLATE_NOOP("FamousPeople", "Celine Dion"),
    QT_TRANSLATE_NOOP("FamousPeople", "Hugh Jackman"), QT_TRANSLATE_NOOP("FamousPeople", "Yao Ming"),
    QT_TRANSLATE_NOOP("FamousPeople", "Eric Clapton"), QT_TRANSLATE_NOOP("FamousPeople", "Natalie Portman"),
    QT_TRANSLATE_NOOP("FamousPeople", "Roger Federer"), QT_TRANSLATE_NOOP("FamousPeople", "Serena Williams"),
    QT_TRANSLATE_NOOP("FamousPeople", "Cher"), QT_TRANSLATE_NOOP("FamousPeople", "Freddie Mercury"),
    QT_TRANSLATE_NOOP("FamousPeople", "Sharon Stone"), QT_TRANSLATE_NOOP("FamousPeople", "Prince"),
    QT_TRANSLATE_NOOP("FamousPeople", "Madonna"), QT_TRANSLATE_NOOP("FamousPeople", "Andre Agassi"),
    QT_TRANSLATE_NOOP("FamousPeople", "Matt Damon"), QT_TRANSLATE_NOOP("FamousPeople", "Anne Hathaway"),
    QT_TRANSLATE_NOOP("FamousPeople", "Elton John"), QT_TRANSLATE_NOOP("FamousPeople", "Stephen King"),
    QT_TRANSLATE_NOOP("FamousPeople", "Emma Thompson"), QT_TRANSLATE_NOOP("FamousPeople", "Ewan McGregor"),
    QT_TRANSLATE_NOOP("FamousPeople", "Chris Hemsworth"),
};
// clang-format on

// The engine joins the names with a comma and a blank.
const QString kEngineSeparator = QStringLiteral(", ");

// A name in Chinese characters stays whole on its line: a wrapped list breaks
// between names, as a list of Latin names breaks at blanks, never inside a
// name. Word joiners between its characters forbid the breaks Chinese text
// otherwise allows anywhere.
QString keptWhole(const QString& name) {
    if (std::none_of(name.begin(), name.end(),
                     [](QChar c) { return c.script() == QChar::Script_Han; })) {
        return name;
    }
    QString joined;
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (i > 0) {
            joined += QChar(0x2060); // WORD JOINER
        }
        joined += name.at(i);
    }
    return joined;
}

QString fromEngine(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

std::span<const char* const> famousPeople() {
    return kFamousPeople;
}

QString translated(std::string_view engineText) {
    const std::string text(engineText);
    return QCoreApplication::translate("Reading", text.c_str());
}

QString shown(const engine::ReadingRecord& record, std::string engine::ReadingRecord::*field) {
    const std::string& value = record.*field;
    if (field != &engine::ReadingRecord::FamousPeople) {
        return translated(value);
    }
    QStringList names = fromEngine(value).split(kEngineSeparator, Qt::SkipEmptyParts);
    for (QString& name : names) {
        name = keptWhole(QCoreApplication::translate("FamousPeople", name.toUtf8().constData()));
    }
    return names.join(QCoreApplication::translate("FamousPeople", ", ",
                                                  "Between two names of the famous people's list"));
}

} // namespace reading_texts
