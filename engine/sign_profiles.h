#pragma once

#include "reading_record.h"

#include <string>

namespace engine {

// Writes the profile of Sign and the paragraph of Element into the record.
// Both names are compared exactly, case included. An unknown sign writes no
// profile field; an unknown element leaves ElementText as it was; each half
// runs whatever the other found. Arguments are taken by value because the
// reading passes the record's own Element and Animal.
void ChineseZodiacDescription(ReadingRecord& record, std::string Element, std::string Sign);

} // namespace engine
