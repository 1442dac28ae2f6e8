// The reading engine: the record of the current reading, filled from a name
// and a birth date, and read by the result window. Standard library only.
#pragma once

#include "calendar_date.h"

#include <cstdint>
#include <string>

namespace engine {

// One reading. Never cleared: each reading overwrites the fields it sets, and
// a field a reading does not set keeps what the previous reading left.
struct ReadingRecord {
    std::string Name;
    std::string Day;
    std::string Month;
    std::string Year;
    CalendarDate BirthDate{};
    std::string Element;
    std::string Animal;
    std::int16_t SignNumber = 0;
    std::string ElementText;
    std::string RulingPlanet;
    std::string LuckyColor;
    std::string MostCompatible;
    std::string LeastCompatible;
    std::string FamousPeople;
    std::string GemStone;
    std::string Energy;
    std::string FavourableSeason;
    std::string FavourableMonth;
    std::string RomanceDirection;
    std::string PeachBlossomAdvice;
};

namespace modPeachBlossom {
// The program's one record; it lives for the whole run.
ReadingRecord& Record();
} // namespace modPeachBlossom

} // namespace engine
