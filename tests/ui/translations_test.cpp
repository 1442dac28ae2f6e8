// The program in the user's language: the translation a system's language
// list chooses; in each translation, every text of every window, message box
// and printed page translated, in the standard terms translations/GLOSSARY.md
// lists, each tradition's animals named and drawn, while the engine is still
// given English texts. A translation that swaps two signs, a Yes that reads
// No, or one tradition's animals in another language fails here.
#include "captions.h"
#include "controls.h"
#include "fakes.h"
#include "frm_about.h"
#include "frm_main.h"
#include "frm_peach_blossom_result.h"
#include "languages.h"
#include "links.h"
#include "lunar_year_table.h"
#include "printed_page.h"
#include "prompter.h"
#include "qt_texts.h"
#include "reading_print.h"
#include "reading_texts.h"
#include "result_rows.h"
#include "sign_picture_match.h"
#include "sign_pictures.h"
#include "sign_profiles.h"
#include "site_hosts.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPrinter>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <tuple>

namespace {

struct Choice {
    QStringList uiLanguages;
    QString translation;
};
class TranslationChoice : public testing::TestWithParam<Choice> {};

TEST_P(TranslationChoice, follows_the_first_language_that_is_English_or_translated) {
    EXPECT_EQ(languages::translationFor(GetParam().uiLanguages), GetParam().translation);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, TranslationChoice,
    testing::Values(Choice{{"zh-Hans-CN", "zh-CN", "zh"}, "zh_CN"}, Choice{{"zh-TW"}, "zh_TW"},
                    Choice{{"zh-Hant-HK", "zh-HK"}, "zh_TW"}, Choice{{"zh-MO"}, "zh_TW"},
                    Choice{{"zh-SG"}, "zh_CN"}, Choice{{"en-US", "zh-CN"}, ""},
                    Choice{{"de-DE", "fr", "zh-TW"}, "zh_TW"}, Choice{{"ko-KR", "ko"}, "ko"},
                    Choice{{"ko"}, "ko"}, Choice{{"vi-VN"}, "vi"}, Choice{{"ja-JP"}, "ja"},
                    Choice{{"ja"}, "ja"}, Choice{{"de-DE", "vi"}, "vi"}, Choice{{"th-TH"}, "th"},
                    Choice{{"th"}, "th"}, Choice{{"id-ID"}, "id"}, Choice{{"id"}, "id"},
                    Choice{{"en-GB", "ja-JP"}, ""}, Choice{{"C"}, ""}, Choice{{}, ""}),
    [](const auto& info) {
        const QString to =
            info.param.translation.isEmpty() ? QStringLiteral("English") : info.param.translation;
        QString name = info.param.uiLanguages.join(QLatin1Char('_')) + QStringLiteral("_to_") + to;
        return name.replace(QLatin1Char('-'), QLatin1Char('_')).toStdString();
    });

// Every famous person of the twelve profiles, in English.
QStringList famousPeople() {
    QStringList names;
    for (const std::string_view sign : engine::kAnimals) {
        engine::ReadingRecord record;
        engine::ChineseZodiacDescription(record, "Wood", std::string(sign));
        names << QString::fromStdString(record.FamousPeople).split(QStringLiteral(", "));
    }
    return names;
}

// What may stay in Latin letters in any language: the program's initials
// and version, web addresses, access keys, famous people whose names the
// language writes in Latin letters, as English does or with its own accents.
QString withoutWhatMayStay(QString text) {
    text = reading_texts::spoken(text);
    text.remove(linkAddress(Link::HomePage)).remove(QLatin1String(kMainHost));
    text.remove(QRegularExpression(QStringLiteral("\\(&[A-Z]\\)|\\bQY\\b|v1\\.0")));
    const QRegularExpression latin(QStringLiteral("^[\\p{Latin}\\p{Common}\\p{Inherited}]+$"));
    for (const QString& name : famousPeople()) {
        const QString shown =
            QCoreApplication::translate("FamousPeople", name.toUtf8().constData());
        if (latin.match(shown).hasMatch()) {
            text.remove(shown);
        }
    }
    return text;
}

// What a window shows and tells screen readers, its lists and menus included.
QStringList textsOf(QWidget* window) {
    QStringList texts;
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets << window;
    for (const QWidget* w : widgets) {
        texts << w->windowTitle() << w->accessibleName() << w->accessibleDescription();
        if (auto* label = qobject_cast<const QLabel*>(w)) {
            texts << label->text();
        } else if (auto* button = qobject_cast<const QAbstractButton*>(w)) {
            texts << button->text();
        } else if (auto* box = qobject_cast<const QGroupBox*>(w)) {
            texts << box->title();
        } else if (auto* list = qobject_cast<const QComboBox*>(w)) {
            for (int i = 0; i < list->count(); ++i) {
                texts << list->itemText(i);
            }
        }
    }
    for (const QAction* action : window->findChildren<QAction*>()) {
        texts << action->text();
    }
    return texts;
}

// The main window and the about box, the messages a wrong date and a missing
// name give, the box's buttons, the name field's menu: Qt's own texts beside
// the program's.
QStringList mainWindowTexts() {
    engine::ReadingRecord record;
    FakePrompter prompter;
    frmMain window(record, prompter);
    frmAbout about;
    QStringList texts = textsOf(&window) + textsOf(&about);
    window.cmdProceed_Click(); // no name
    control<QLineEdit>(window, "txtName")->setText(QStringLiteral("林"));
    control<QComboBox>(window, "cboDate")->setCurrentIndex(30);
    control<QComboBox>(window, "cboMonth")->setCurrentIndex(3);
    window.cmdProceed_Click(); // 31 April
    EXPECT_EQ(prompter.shown.size(), 2u);
    texts << prompter.texts();
    auto box = makeMessageBox(prompter.texts().value(0), true);
    texts << box->windowTitle();
    for (const QAbstractButton* button : box->buttons()) {
        texts << button->text();
    }
    // Qt's own texts, whichever theme's buttons the desktop shows.
    for (const QtText& qt : kQtTexts) {
        texts << QCoreApplication::translate(qt.context, qt.source);
    }
    const std::unique_ptr<QMenu> menu(
        control<QLineEdit>(window, "txtName")->createStandardContextMenu());
    for (const QAction* action : menu->actions()) {
        texts << action->text().section(QLatin1Char('\t'), 0, 0); // not the shortcut
    }
    return texts;
}

// The record of a reading of the sign, as the engine writes it.
engine::ReadingRecord readingOf(std::string_view element, std::string_view sign) {
    engine::ReadingRecord record;
    engine::ChineseZodiacDescription(record, std::string(element), std::string(sign));
    return record;
}

// The reading's page, printed to a PDF in `dir`.
QString printed(const engine::ReadingRecord& record, const QTemporaryDir& dir) {
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("page.pdf")));
    printReading(printer, record);
    return printer.outputFileName();
}

// The texts of one reading: its window's and its printed page's.
QStringList readingTexts(const engine::ReadingRecord& record) {
    FakePrinterChooser printers;
    frmPeachBlossomResult window(record, printers);
    QTemporaryDir dir;
    return textsOf(&window) << pdfText(printed(record, dir));
}

// Every word of English the program shows, but the famous people's names.
QSet<QString> englishWords(const QStringList& texts) {
    QSet<QString> words;
    const QRegularExpression word(QStringLiteral("[A-Za-z]+"));
    for (const QString& text : texts) {
        QString rest = reading_texts::spoken(text);
        for (const QString& name : famousPeople()) {
            rest.remove(name);
        }
        for (const auto& match : word.globalMatch(rest)) {
            words << match.captured().toLower();
        }
    }
    return words;
}

// The glossary's table (translations/GLOSSARY.md, built into the tests):
// term -> language ("zh_CN") -> the language's word, and the languages.
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

QString inEnglish(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A button's text as read, without its access key: "是(&Y)" and "&Có" alike.
QString withoutAccessKey(QString text) {
    return text.remove(QRegularExpression(QStringLiteral("\\(&.\\)"))).remove(u'&').trimmed();
}

struct Language {
    const char* name;
    const char* march; // the month list's third entry
    bool latinLetters; // the language writes with them, so words are checked, not letters
    // Words of the language that English spells the same way, or that it
    // takes as they are ("OK" in Japanese, two gems' names in Vietnamese).
    QStringList itsOwnWords = {};
};

void PrintTo(const Language& language, std::ostream* out) {
    *out << language.name;
}

class InTranslation : public testing::TestWithParam<Language> {
protected:
    void SetUp() override {
        if (GetParam().latinLetters && english_.isEmpty()) {
            QStringList texts = mainWindowTexts();
            for (std::size_t i = 0; i < engine::kAnimals.size(); ++i) {
                texts << readingTexts(readingOf(engine::kElements[i % 5], engine::kAnimals[i]));
            }
            english_ = englishWords(texts);
        }
        translations_.emplace(QLocale(QLatin1String(GetParam().name)));
        ASSERT_EQ(translations_->name(), QLatin1String(GetParam().name));
    }

    // Fails for any English left in the texts beyond what may stay.
    void expectTranslated(const QStringList& texts) const {
        for (const QString& text : texts) {
            QString rest = withoutWhatMayStay(text).remove(QLatin1Char('&')); // access keys
            for (const QString& word : GetParam().itsOwnWords) {
                rest.remove(QRegularExpression(QStringLiteral("\\b%1\\b").arg(word),
                                               QRegularExpression::CaseInsensitiveOption |
                                                   QRegularExpression::UseUnicodePropertiesOption));
            }
            if (!GetParam().latinLetters) {
                EXPECT_FALSE(rest.contains(QRegularExpression(QStringLiteral("[A-Za-z]"))))
                    << text.toStdString();
                continue;
            }
            for (const auto& match :
                 QRegularExpression(QStringLiteral("\\p{L}+")).globalMatch(rest)) {
                const QString word = match.captured().toLower();
                EXPECT_FALSE(english_.contains(word))
                    << "\"" << word.toStdString() << "\" in " << text.toStdString();
            }
        }
    }

    // The glossary's word for an English term in the language under test.
    static QString word(const QString& term) {
        const QString found = glossary().terms.value(term).value(QLatin1String(GetParam().name));
        EXPECT_FALSE(found.isEmpty())
            << "the glossary has no " << GetParam().name << " for \"" << term.toStdString() << "\"";
        return found;
    }

    static inline QSet<QString> english_;
    std::optional<languages::Translations> translations_;
};

TEST_P(InTranslation, main_window_about_box_and_messages_translated_months_given_in_English) {
    expectTranslated(mainWindowTexts());

    engine::ReadingRecord record;
    FakePrompter prompter;
    frmMain window(record, prompter);
    control<QLineEdit>(window, "txtName")->setText(QStringLiteral("林"));
    control<QComboBox>(window, "cboDate")->setCurrentIndex(4);
    control<QComboBox>(window, "cboMonth")->setCurrentIndex(2);
    control<QComboBox>(window, "cboYear")->setCurrentText(QStringLiteral("1975"));
    EXPECT_EQ(control<QComboBox>(window, "cboMonth")->currentText(),
              QString::fromUtf8(GetParam().march));
    window.cmdProceed_Click(); // 5 March 1975
    EXPECT_EQ(record.Month, "March");
    EXPECT_EQ(record.Animal, "Rabbit");

    // The boxes answer with the glossary's words: a Yes that reads No fails.
    const auto question = makeMessageBox(QStringLiteral("?"), true);
    const auto message = makeMessageBox(QStringLiteral("!"), false);
    for (const auto& [box, button, term] : {std::tuple{question.get(), QMessageBox::Yes, "Yes"},
                                            std::tuple{question.get(), QMessageBox::No, "No"},
                                            std::tuple{message.get(), QMessageBox::Ok, "OK"}}) {
        ASSERT_NE(box->button(button), nullptr) << term;
        EXPECT_EQ(withoutAccessKey(box->button(button)->text()), word(QLatin1String(term)));
    }
}

// Every sign's reading, in the window and on its page: translated, in the
// glossary's words for its sign, element, direction and energy under the
// glossary's captions, with the picture of the reader's tradition.
TEST_P(InTranslation, every_sign_and_element_in_the_window_and_on_the_printed_page) {
    const QStringList pictures = word(QStringLiteral("pictures")).split(u' ', Qt::SkipEmptyParts);
    ASSERT_EQ(pictures.size(), 12);
    for (std::size_t i = 0; i < engine::kAnimals.size(); ++i) {
        const engine::ReadingRecord record =
            readingOf(engine::kElements[i % 5], engine::kAnimals[i]);
        SCOPED_TRACE(record.Animal);
        FakePrinterChooser printers;
        frmPeachBlossomResult window(record, printers);
        for (std::size_t row = 0; row < kResultRows.size(); ++row) {
            if (kResultRows[row].caption) {
                EXPECT_EQ(control<QLabel>(window, QStringLiteral("lblCaption_%1").arg(row))->text(),
                          word(QLatin1String(kResultRows[row].caption)));
            }
            // "North (337.6 degrees ...)" and "Yin (positive)" by their first word.
            const QString english = inEnglish(record.*kResultRows[row].field);
            const QString shown = lblResult(window, static_cast<int>(row))->text();
            const auto field = kResultRows[row].field;
            if (field == &engine::ReadingRecord::Animal ||
                field == &engine::ReadingRecord::Element) {
                EXPECT_EQ(shown, word(english));
            } else if (field == &engine::ReadingRecord::Energy) {
                EXPECT_EQ(shown, word(english.section(u' ', 0, 0)));
            } else if (field == &engine::ReadingRecord::RomanceDirection) {
                EXPECT_TRUE(shown.startsWith(word(english.section(u' ', 0, 0))))
                    << shown.toStdString();
            }
        }
        const QString animal = pictures[static_cast<qsizetype>(i)];
        const auto file =
            std::find_if(kSignPictureFiles.begin(), kSignPictureFiles.end(),
                         [&](const auto& p) { return inEnglish(p.animal) == animal; });
        ASSERT_NE(file, kSignPictureFiles.end()) << "no picture of " << animal.toStdString();
        EXPECT_EQ(storedPictureShowing(control<QLabel>(window, "picSign")->pixmap().toImage()),
                  inEnglish(file->file));

        QTemporaryDir dir;
        const QStringList texts = textsOf(&window) << pdfText(printed(record, dir));
        // A page drawn without a font for the script would hold no text at all.
        // pdftotext puts a blank where the drawing font changes, as it may
        // within a title whose characters come from two CJK fonts, and it gives
        // Thai tone marks that the font draws in raised forms of its own as
        // private-use characters.
        const QRegularExpression blanksAndMarks(QStringLiteral("[\\s\\p{Mn}\\p{Co}]"));
        EXPECT_TRUE(QString(texts.back())
                        .remove(blanksAndMarks)
                        .contains(look::windowCaption().remove(blanksAndMarks)))
            << texts.back().toStdString();
        expectTranslated(texts);
    }
}

const Language kLanguages[] = {
    Language{"zh_CN", "三月", false},
    Language{"zh_TW", "三月", false},
    Language{"ko", "3월", false},
    Language{"ja", "3月", false, {"OK"}},
    Language{"vi", "Tháng 3", true, {"an", "beryl", "can", "in", "jasper", "may"}},
    Language{"th", "มีนาคม", false},
    Language{"id",
             "Maret",
             true,
             {"april", "forum", "garnet", "jasper", "jupiter", "mars", "november", "ok", "planet",
              "september", "uranus", "venus", "violet", "yang", "yin"}}};

INSTANTIATE_TEST_SUITE_P(Languages, InTranslation, testing::ValuesIn(kLanguages),
                         [](const auto& info) { return std::string(info.param.name); });

// Every translation the program ships has its glossary column and its run of
// the cases above, and neither names a language the program lacks.
TEST(Glossary, covers_every_translation_the_program_ships) {
    QStringList shipped;
    for (QString file : QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("*.qm")})) {
        shipped << file.remove(QStringLiteral("qyamoretchart_")).section(u'.', 0, 0);
    }
    QStringList tried;
    for (const Language& language : kLanguages) {
        tried << QLatin1String(language.name);
    }
    QStringList columns = glossary().languages;
    shipped.sort();
    tried.sort();
    columns.sort();
    EXPECT_EQ(columns, shipped);
    EXPECT_EQ(tried, shipped);
}

struct Animal {
    const char* language;
    const char* sign;
    int row;          // the result row that names the animal
    const char* word; // as that row shows it, whatever the case
    const char* picture;
};

void PrintTo(const Animal& animal, std::ostream* out) {
    *out << animal.language << " " << animal.sign;
}

class TraditionsAnimal : public testing::TestWithParam<Animal> {};

TEST_P(TraditionsAnimal, named_and_drawn_in_the_window_and_on_the_printed_page) {
    const Animal& animal = GetParam();
    languages::Translations translations{QLocale(QLatin1String(animal.language))};
    ASSERT_EQ(translations.name(), QLatin1String(animal.language));
    engine::ReadingRecord record = readingOf("Wood", animal.sign);
    FakePrinterChooser printers;
    frmPeachBlossomResult window(record, printers);
    const QString word = QString::fromUtf8(animal.word);
    EXPECT_TRUE(lblResult(window, animal.row)->text().contains(word, Qt::CaseInsensitive))
        << lblResult(window, animal.row)->text().toStdString();
    EXPECT_EQ(storedPictureShowing(control<QLabel>(window, "picSign")->pixmap().toImage()),
              QLatin1String(animal.picture));

    QTemporaryDir dir;
    const QString pdf = printed(record, dir);
    EXPECT_TRUE(pdfText(pdf).contains(word, Qt::CaseInsensitive));
    EXPECT_EQ(storedPictureShowing(printedPicture(pdf, dir)), QLatin1String(animal.picture));
}

// Row 0 is the sign, row 2 the Peach Blossom advice; the Tiger's advice names
// the Rabbit's year, the Goat's the Rat's.
INSTANTIATE_TEST_SUITE_P(Traditions, TraditionsAnimal,
                         testing::Values(Animal{"vi", "Rabbit", 0, "Mèo", "cat.jpg"},
                                         Animal{"vi", "Ox", 0, "Trâu", "water_buffalo.jpg"},
                                         Animal{"vi", "Tiger", 2, "mèo", "03_tiger.jpg"},
                                         Animal{"ja", "Pig", 0, "猪", "wild_boar.jpg"},
                                         Animal{"ko", "Pig", 0, "돼지", "12_pig.jpg"},
                                         Animal{"id", "Ox", 0, "Kerbau", "water_buffalo.jpg"}),
                         [](const auto& info) {
                             return std::string(info.param.language) + "_" + info.param.sign;
                         });

} // namespace
