#pragma once

#include "reading_record.h"

#include <string_view>

namespace engine {

// Fills the record from the main window's four texts: the trimmed input, the
// birth date, the element and animal of its lunar year, then the sign's
// profile. The input is expected to be checked already; a date that cannot
// be formed, or lies outside the table, leaves the previous element and
// animal in place and the profile step runs all the same.
void ComputeReading(ReadingRecord& record, std::string_view name, std::string_view day,
                    std::string_view month, std::string_view year);

// Removes leading and trailing blanks (only blanks, as the input boxes keep them).
std::string_view trimBlanks(std::string_view text);

} // namespace engine
