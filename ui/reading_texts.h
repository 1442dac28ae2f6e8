// A reading in the user's language. The engine knows no Qt and writes its
// English texts into the record; this table names each of them for the
// translation tools, and the windows and the printed page translate what the
// record holds as they show it.
#pragma once

#include "reading_record.h"

#include <QString>

#include <span>
#include <string>

namespace reading_texts {

// Every famous person's name, in English as the engine spells them.
std::span<const char* const> famousPeople();

// A record's field as the user reads it: translated, and the famous people's
// list name by name, joined as the language joins a list.
QString shown(const engine::ReadingRecord& record, std::string engine::ReadingRecord::*field);

// One engine text (a sign, an element, a month name) in the user's language.
QString translated(std::string_view engineText);

} // namespace reading_texts
