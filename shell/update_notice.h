#pragma once

#include <QDate>
#include <QString>

#include <functional>
#include <optional>

class Clock;
class Prompter;
class SettingsStore;
class WebLinks;

// Takes work that nobody waits for, such as a first start's write of the
// settings file, to be run a little later on the same thread.
using LaterWork = std::function<void(std::function<void()>)>;

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
// opens the download page on Yes. The first start only records the day; as
// nobody waits for that write, it goes to `later` when one is given. The
// write that follows a question is always made at once.
void RemindOfUpdate(SettingsStore& settings, Clock& clock, Prompter& prompter, WebLinks& links,
                    const LaterWork& later = {});
