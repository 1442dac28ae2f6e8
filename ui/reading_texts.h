// A reading in the user's language. The engine knows no Qt and writes its
// English texts into the record, each marked for the translation tools where
// the engine defines it; the windows and the printed page translate what the
// record holds as they show it.
#pragma once

#include "reading_record.h"

#include <QString>

#include <string>

namespace reading_texts {

// A record's field as the user reads it: translated, and the famous people's
// list name by name, joined as the language joins a list.
QString shown(const engine::ReadingRecord& record, std::string engine::ReadingRecord::*field);

// A shown text as a screen reader is given it: without the marks that only
// steer where its lines break.
QString spoken(QString shownText);

// One engine text (a sign, an element, a month name) in the user's language.
QString translated(std::string_view engineText);

} // namespace reading_texts
