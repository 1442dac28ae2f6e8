#pragma once

#include <QDate>
#include <QString>

#include <optional>

class Clock;
class Prompter;
class SettingsStore;
class WebLinks;

// Key names and values are kept shifted by this many codes in Latin-1, which
// turns "Duration" into printable letters that the store needs not escape.
inline constexpr int kScrambleOffset = 95;

QString ScrambleSetting(const QString& text);
QString UnscrambleSetting(const QString& text);

// Reads a stored date: ISO 8601 as written now, or the user's short date
// format as earlier versions wrote it, with a two-digit year taken in the
// century nearest to today. Nothing for text that is no date.
std::optional<QDate> readStoredDate(const QString& text, QDate today);

// At most once in fifteen days, asks whether to look for an update and
// opens the download page on Yes. The first start only records the day.
// Every write is made at once, before the function returns.
void RemindOfUpdate(SettingsStore& settings, Clock& clock, Prompter& prompter, WebLinks& links);
