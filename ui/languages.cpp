#include "languages.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>

namespace languages {

namespace {

// Built from translations/*.ts into the ui library's resources.
const QString kProgramTranslations = QStringLiteral(":/i18n/qyamoretchart_%1.qm");

bool shipped(const QString& name) {
    return QFile::exists(kProgramTranslations.arg(name));
}

// The translation names a locale may find, most specific first.
QStringList candidates(const QLocale& locale) {
    if (locale.language() == QLocale::Chinese) {
        return {locale.script() == QLocale::TraditionalHanScript ? QStringLiteral("zh_TW")
                                                                 : QStringLiteral("zh_CN")};
    }
    const QString name = locale.name(); // "de_DE"
    return {name, name.section(QLatin1Char('_'), 0, 0)};
}

} // namespace

QString translationFor(const QStringList& uiLanguages) {
    for (const QString& tag : uiLanguages) {
        const QLocale locale(tag);
        if (locale.language() == QLocale::English) {
            return {};
        }
        // "C" and tags Qt does not know say nothing about a language.
        if (locale.language() == QLocale::C || locale.language() == QLocale::AnyLanguage) {
            continue;
        }
        for (const QString& name : candidates(locale)) {
            if (shipped(name)) {
                return name;
            }
        }
    }
    return {};
}

Translations::Translations(const QLocale& locale) : name_(translationFor(locale.uiLanguages())) {
    if (name_.isEmpty()) {
        return;
    }
    if (program_.load(kProgramTranslations.arg(name_))) {
        QCoreApplication::installTranslator(&program_);
    }
    // Qt's own texts, where Qt's translations are installed; without them
    // the standard buttons stay English and nothing else changes.
    if (qt_.load(QStringLiteral("qtbase_") + name_,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&qt_);
    }
}

Translations::~Translations() {
    QCoreApplication::removeTranslator(&qt_);
    QCoreApplication::removeTranslator(&program_);
}

} // namespace languages
