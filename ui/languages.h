// The language the windows speak: the program's own translation and Qt's,
// chosen from the user's preferred languages, English (the language the
// texts are written in) when none of them is translated.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>

namespace languages {

// The translation for the first of `uiLanguages` (BCP 47 tags, most wanted
// first, as QLocale::uiLanguages gives them) that is English or has one:
// its name ("zh_CN", "zh_TW"), or empty for English. Chinese goes by its
// script: Hong Kong reads the traditional translation, Singapore the
// simplified one.
QString translationFor(const QStringList& uiLanguages);

// While it lives, the application speaks the language chosen for `locale`:
// the program's texts and Qt's own (standard buttons, the print dialog).
class Translations {
public:
    explicit Translations(const QLocale& locale = QLocale::system());
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // The translation in use; empty for English.
    QString name() const { return name_; }

private:
    QString name_;
    QTranslator program_;
    QTranslator qt_;
};

} // namespace languages
