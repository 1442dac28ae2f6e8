#include "reading_texts.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextBoundaryFinder>

namespace reading_texts {

namespace {

// The engine joins the names with a comma and a blank.
const QString kEngineSeparator = QStringLiteral(", ");
const QChar kWordJoiner(0x2060);

// A famous person's name stays whole on its line, in every script: the
// places the line breaker would break inside it are taken away, but for the
// blanks of a name written with them. A wrapped list then breaks between
// names, or at a blank, never inside a name, whether the script breaks at
// blanks (Latin, Hangul) or almost anywhere (Han, kana). Word joiners hold
// the pieces together; the text reads the same. Inside a run of Thai letters
// Qt takes its breaks from libthai's dictionary whatever the joiners say,
// which is why the Thai translation keeps Western names in Latin letters.
QString keptWhole(const QString& name) {
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, name);
    QString joined;
    qsizetype from = 0;
    for (qsizetype to = breaks.toNextBoundary(); to > 0; to = breaks.toNextBoundary()) {
        joined += QStringView(name).mid(from, to - from);
        if (to < name.size() && !name.at(to - 1).isSpace()) {
            joined += kWordJoiner;
        }
        from = to;
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

QString spoken(QString shownText) {
    return shownText.remove(kWordJoiner);
}

} // namespace reading_texts
