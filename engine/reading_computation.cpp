#include "reading_computation.h"

#include "lunar_year_table.h"
#include "sign_profiles.h"

#include <string>

namespace engine {

std::string_view trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

void ComputeReading(ReadingRecord& record, std::string_view name, std::string_view day,
                    std::string_view month, std::string_view year) {
    record.Name = trimBlanks(name);
    record.Day = trimBlanks(day);
    record.Month = trimBlanks(month);
    record.Year = trimBlanks(year);

    const auto birthDate = parseDateText(record.Day + ' ' + record.Month + ' ' + record.Year);
    if (birthDate) {
        record.BirthDate = *birthDate;
        if (const auto* row = findLunarYear(*birthDate)) {
            record.Element = row->Element;
            record.Animal = row->Animal;
        }
    }

    ChineseZodiacDescription(record, record.Element, record.Animal);
}

} // namespace engine
