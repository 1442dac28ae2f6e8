// Where Thai words begin, by the dictionary of libthai, which Qt itself loads
// to find where a Thai line may break (Thai puts no blanks between words).
#pragma once

#include <QLibrary>
#include <QSet>
#include <QString>

#include <optional>
#include <string>
#include <vector>

// The positions in `text` at which a word begins after another inside a run
// of Thai letters; nothing where libthai is missing (Windows).
inline std::optional<QSet<qsizetype>> thaiWordStarts(const QString& text) {
    struct ThBrk;
    using New = ThBrk* (*)(const char*);
    using Delete = void (*)(ThBrk*);
    using FindBreaks = int (*)(ThBrk*, const unsigned char*, int*, std::size_t);
    static QLibrary libthai(QStringLiteral("thai"), 0);
    const auto brkNew = reinterpret_cast<New>(libthai.resolve("th_brk_new"));
    const auto brkDelete = reinterpret_cast<Delete>(libthai.resolve("th_brk_delete"));
    const auto findBreaks = reinterpret_cast<FindBreaks>(libthai.resolve("th_brk_find_breaks"));
    if (!brkNew || !brkDelete || !findBreaks) {
        return std::nullopt;
    }
    // TIS-620, one byte a character, as libthai reads Thai.
    std::string tis;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        tis += u >= 0x0E01 && u <= 0x0E5B ? static_cast<char>(u - 0x0E00 + 0xA0)
               : u < 0x80                 ? static_cast<char>(u)
                                          : '?';
    }
    ThBrk* brk = brkNew(nullptr);
    if (!brk) {
        return std::nullopt;
    }
    std::vector<int> positions(tis.size() + 1);
    const int found = findBreaks(brk, reinterpret_cast<const unsigned char*>(tis.c_str()),
                                 positions.data(), positions.size());
    brkDelete(brk);
    QSet<qsizetype> starts;
    for (int i = 0; i < found; ++i) {
        starts.insert(positions[static_cast<std::size_t>(i)]);
    }
    return starts;
}
