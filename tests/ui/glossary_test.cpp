// Every translation held against translations/GLOSSARY.md, the one list of
// each language's standard terms: each sign's reading shows the glossary's
// words for its sign, element, direction and energy under the glossary's
// captions, with the picture of the reader's tradition, and the message
// boxes answer with its Yes, No and OK. A translation that swaps two signs, a
// Yes that reads No, or one tradition's animals in another language fails.
#include "controls.h"
#include "fakes.h"
#include "frm_peach_blossom_result.h"
#include "languages.h"
#include "lunar_year_table.h"
#include "prompter.h"
#include "result_rows.h"
#include "sign_picture_match.h"
#include "sign_pictures.h"
#include "sign_profiles.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QMessageBox>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

// The glossary's table: term -> language ("zh_CN") -> the language's word.
struct Glossary {
    QStringList languages;
    QHash<QString, QHash<QString, QString>> terms;
};

const Glossary& glossary() {
    static const Glossary read = [] {
        Glossary g;
        QFile file(QStringLiteral(":/glossary/GLOSSARY.md"));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            ADD_FAILURE() << "the glossary is not built into the tests";
            return g;
        }
        for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
            if (!line.startsWith(u'|')) {
                if (!g.terms.isEmpty()) {
                    break; // the one table has ended
                }
                continue;
            }
            QStringList cells = line.split(u'|');
            cells = cells.mid(1, cells.size() - 2); // the outer bars
            for (QString& cell : cells) {
                cell = cell.trimmed();
            }
            if (cells.value(0) == QLatin1String("term")) {
                g.languages = cells.mid(1);
            } else if (!g.languages.isEmpty() && !cells.value(0).startsWith(u'-')) {
                for (qsizetype i = 0; i < g.languages.size(); ++i) {
                    g.terms[cells.value(0)][g.languages[i]] = cells.value(i + 1);
                }
            }
        }
        return g;
    }();
    return read;
}

std::vector<std::string> glossaryLanguages() {
    std::vector<std::string> languages;
    for (const QString& language : glossary().languages) {
        languages.push_back(language.toStdString());
    }
    return languages;
}

QString inEnglish(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A button's text as read, without its access key: "是(&Y)" and "&Có" alike.
QString withoutAccessKey(QString text) {
    return text.remove(QRegularExpression(QStringLiteral("\\(&.\\)"))).remove(u'&').trimmed();
}

// The row of the result window that shows a field of the record.
int rowOf(std::string engine::ReadingRecord::*field) {
    for (std::size_t i = 0; i < kResultRows.size(); ++i) {
        if (kResultRows[i].field == field) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

class InGlossary : public testing::TestWithParam<std::string> {
protected:
    void SetUp() override {
        translations_.emplace(QLocale(language()));
        ASSERT_EQ(translations_->name(), language());
    }

    QString language() const { return QString::fromStdString(GetParam()); }

    // The glossary's word for an English term in the language under test.
    QString word(const QString& term) const {
        const QString found = glossary().terms.value(term).value(language());
        EXPECT_FALSE(found.isEmpty())
            << "the glossary has no " << GetParam() << " for \"" << term.toStdString() << "\"";
        return found;
    }

    std::optional<languages::Translations> translations_;
};

TEST_P(InGlossary, every_signs_reading_in_the_glossarys_words_and_its_traditions_picture) {
    const QStringList pictures = word(QStringLiteral("pictures")).split(u' ', Qt::SkipEmptyParts);
    ASSERT_EQ(pictures.size(), 12);
    for (std::size_t i = 0; i < engine::kAnimals.size(); ++i) {
        const QString sign = inEnglish(engine::kAnimals[i]);
        SCOPED_TRACE(sign.toStdString());
        engine::ReadingRecord record;
        engine::ChineseZodiacDescription(record, std::string(engine::kElements[i % 5]),
                                         std::string(engine::kAnimals[i]));
        FakePrinterChooser printers;
        frmPeachBlossomResult window(record, printers);
        const auto shown = [&window](std::string engine::ReadingRecord::*field) {
            return lblResult(window, rowOf(field))->text();
        };
        // "North (337.6 degrees ...)" and "Yin (positive)" by their first word.
        const auto firstWord = [](const std::string& text) {
            return inEnglish(text).section(u' ', 0, 0);
        };

        EXPECT_EQ(shown(&engine::ReadingRecord::Animal), word(sign));
        EXPECT_EQ(shown(&engine::ReadingRecord::Element), word(inEnglish(record.Element)));
        const QString direction = word(firstWord(record.RomanceDirection));
        EXPECT_TRUE(shown(&engine::ReadingRecord::RomanceDirection).startsWith(direction))
            << shown(&engine::ReadingRecord::RomanceDirection).toStdString() << " is not "
            << direction.toStdString();
        EXPECT_EQ(shown(&engine::ReadingRecord::Energy), word(firstWord(record.Energy)));
        for (std::size_t row = 0; row < kResultRows.size(); ++row) {
            if (kResultRows[row].caption) {
                EXPECT_EQ(control<QLabel>(window, QStringLiteral("lblCaption_%1").arg(row))->text(),
                          word(QLatin1String(kResultRows[row].caption)));
            }
        }

        const auto& files = kSignPictureFiles;
        const auto file = std::find_if(files.begin(), files.end(), [&](const auto& picture) {
            return inEnglish(picture.animal) == pictures[static_cast<qsizetype>(i)];
        });
        ASSERT_NE(file, files.end())
            << "no picture of " << pictures[static_cast<qsizetype>(i)].toStdString();
        EXPECT_EQ(storedPictureShowing(control<QLabel>(window, "picSign")->pixmap().toImage()),
                  inEnglish(file->file));
    }
}

TEST_P(InGlossary, message_boxes_answer_with_the_glossarys_yes_no_and_ok) {
    const std::unique_ptr<QMessageBox> question = makeMessageBox(QStringLiteral("?"), true);
    ASSERT_TRUE(question->button(QMessageBox::Yes) && question->button(QMessageBox::No));
    EXPECT_EQ(withoutAccessKey(question->button(QMessageBox::Yes)->text()),
              word(QStringLiteral("Yes")));
    EXPECT_EQ(withoutAccessKey(question->button(QMessageBox::No)->text()),
              word(QStringLiteral("No")));
    const std::unique_ptr<QMessageBox> message = makeMessageBox(QStringLiteral("!"), false);
    ASSERT_TRUE(message->button(QMessageBox::Ok));
    EXPECT_EQ(withoutAccessKey(message->button(QMessageBox::Ok)->text()),
              word(QStringLiteral("OK")));
}

INSTANTIATE_TEST_SUITE_P(Languages, InGlossary, testing::ValuesIn(glossaryLanguages()),
                         [](const auto& info) { return info.param; });

// A translation the program ships has its column in the glossary, so the
// cases above cover it.
TEST(Glossary, has_a_column_for_every_translation_the_program_ships) {
    const QStringList shipped = QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("*.qm")});
    ASSERT_FALSE(shipped.isEmpty());
    for (QString file : shipped) {
        const QString language = file.remove(QStringLiteral("qyamoretchart_")).section(u'.', 0, 0);
        EXPECT_TRUE(glossary().languages.contains(language)) << language.toStdString();
    }
}

} // namespace
