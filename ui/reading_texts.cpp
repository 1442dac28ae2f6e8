#include "reading_texts.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

namespace reading_texts {

namespace {

// The engine joins the names with a comma and a blank.
const QString kEngineSeparator = QStringLiteral(", ");

// A name in Chinese characters stays whole on its line: a wrapped list breaks
// between names, as a list of Latin names breaks at blanks, never inside a
// name. Word joiners between its characters forbid the breaks Chinese text
// otherwise allows anywhere.
QString keptWhole(const QString& name) {
    if (std::none_of(name.begin(), name.end(),
                     [](QChar c) { return c.script() == QChar::Script_Han; })) {
        return name;
    }
    QString joined;
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (i > 0) {
            joined += QChar(0x2060); // WORD JOINER
        }
        joined += name.at(i);
    }
    return joined;
}

QString fromEngine(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QString translated(std::string_view engineText) {
    const std::string text(engineText);
    return QCoreApplication::translate("Reading", text.c_str());
}

QString shown(const engine::ReadingRecord& record, std::string engine::ReadingRecord::*field) {
    const std::string& value = record.*field;
    if (field != &engine::ReadingRecord::FamousPeople) {
        return translated(value);
    }
    QStringList names = fromEngine(value).split(kEngineSeparator, Qt::SkipEmptyParts);
    for (QString& name : names) {
        name = keptWhole(QCoreApplication::translate("FamousPeople", name.toUtf8().constData()));
    }
    return names.join(QCoreApplication::translate("FamousPeople", ", ",
                                                  "Between two names of the famous people's list"));
}

} // namespace reading_texts
