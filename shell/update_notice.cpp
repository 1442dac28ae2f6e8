#include "update_notice.h"

#include "clock.h"
#include "prompter.h"
#include "settings_store.h"
#include "web_links.h"

#include <QCoreApplication>
#include <QLocale>

#include <cstdlib>

namespace {

const QString kSection = QStringLiteral("Settings");

QString shifted(const QString& text, int offset) {
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        const int code = c.unicode();
        const int moved = code + offset;
        // Latin-1 is the code page: a character outside it, before or after
        // the shift, has no code there and is left out.
        if (code <= 0xFF && moved >= 0 && moved <= 0xFF) {
            result.append(QChar(moved));
        }
    }
    return result;
}

QString storedKey() {
    return ScrambleSetting(QStringLiteral("Duration"));
}

bool hasTwoDigitYear(const QString& format) {
    return format.contains(QLatin1String("yy")) && !format.contains(QLatin1String("yyyy"));
}

} // namespace

QString ScrambleSetting(const QString& text) {
    return shifted(text, kScrambleOffset);
}

QString UnscrambleSetting(const QString& text) {
    return shifted(text, -kScrambleOffset);
}

std::optional<QDate> readStoredDate(const QString& text, QDate today) {
    const QDate iso = QDate::fromString(text, Qt::ISODate);
    if (iso.isValid()) {
        return iso;
    }
    const QLocale locale;
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    QDate date = locale.toDate(text, format);
    if (!date.isValid()) {
        return std::nullopt;
    }
    if (hasTwoDigitYear(format)) {
        // Qt reads "26" as 1926; take the century that lies nearest to today.
        const int century = today.year() - today.year() % 100;
        QDate nearest;
        for (const int base : {century - 100, century, century + 100}) {
            const QDate candidate(base + date.year() % 100, date.month(), date.day());
            if (candidate.isValid() &&
                (!nearest.isValid() ||
                 std::abs(candidate.daysTo(today)) < std::abs(nearest.daysTo(today)))) {
                nearest = candidate;
            }
        }
        date = nearest;
    }
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

void RemindOfUpdate(SettingsStore& settings, Clock& clock, Prompter& prompter, WebLinks& links) {
    const QDate today = clock.today();
    // ISO text reads back as the same day under every regional setting.
    const QString todayText = ScrambleSetting(today.toString(Qt::ISODate));

    const QString stored = UnscrambleSetting(settings.read(kSection, storedKey()));
    const auto storedDate = stored.isEmpty() ? std::nullopt : readStoredDate(stored, today);
    if (!storedDate) {
        // A first start, or a value nobody can read: start counting from today
        // rather than staying silent for ever.
        settings.write(kSection, storedKey(), todayText);
        return;
    }

    const qint64 days = today.daysTo(*storedDate);
    if (days >= -14 && days <= 14) {
        return;
    }

    const bool yes = prompter.askYesNo(QCoreApplication::translate(
        "UpdateNotice", "There maybe an update to this software available\rDo you want to check "
                        "for an update?"));
    // Recorded before any page opens. A store that refuses the write must
    // not swallow the user's Yes.
    settings.write(kSection, storedKey(), todayText);
    if (yes) {
        links.OpenDownloadPage();
    }
}
