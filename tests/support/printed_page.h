// A printed page read back with poppler's tools (poppler-utils): its text,
// its pages and the pictures drawn on it.
#pragma once

#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <optional>

// Runs one of poppler's tools and returns its standard output; nothing when
// the tool is missing or fails.
inline std::optional<QString> runPopplerTool(const QString& tool, const QStringList& args) {
    const QString path = QStandardPaths::findExecutable(tool);
    if (path.isEmpty()) {
        return std::nullopt;
    }
    QProcess process;
    process.start(path, args);
    if (!process.waitForFinished(-1) || process.exitCode() != 0) {
        return std::nullopt;
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline bool havePoppler() {
    for (const char* tool : {"pdftotext", "pdfinfo", "pdfimages"}) {
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty()) {
            return false;
        }
    }
    return true;
}

// The page's text with every run of blanks and line ends made one blank, so
// that text wrapped over lines reads as it was written. NFKC gives back the
// letters of ligatures such as "fi", and the characters of CJK fonts that
// draw a character with the glyph of its Kangxi radical.
inline QString pdfText(const QString& pdf) {
    return runPopplerTool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")})
        .value_or(QString())
        .normalized(QString::NormalizationForm_KC)
        .simplified();
}

// The page's one picture, as pdfimages gives it back (null if none).
inline QImage printedPicture(const QString& pdf, const QTemporaryDir& dir) {
    const QString prefix = dir.filePath(QStringLiteral("picture"));
    runPopplerTool(QStringLiteral("pdfimages"), {QStringLiteral("-png"), pdf, prefix});
    return QImage(prefix + QStringLiteral("-000.png"));
}
