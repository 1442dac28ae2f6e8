// The program in the user's language: the translation a system's language
// list chooses; in Chinese, every text of every window, message box and
// printed page translated, while the engine is still given English texts.
#include "captions.h"
#include "controls.h"
#include "fakes.h"
#include "frm_about.h"
#include "frm_main.h"
#include "frm_peach_blossom_result.h"
#include "languages.h"
#include "links.h"
#include "lunar_year_table.h"
#include "prompter.h"
#include "reading_print.h"
#include "reading_texts.h"
#include "sign_profiles.h"
#include "site_hosts.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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
                    Choice{{"de-DE", "fr", "zh-TW"}, "zh_TW"}, Choice{{"C"}, ""}, Choice{{}, ""}),
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

// Fails for any Latin letter except those that may stay: the program's
// initials and version, web addresses, access keys, famous people whose
// names have no usual Chinese form.
void expectTranslated(const QStringList& texts) {
    for (const QString& text : texts) {
        QString rest = text;
        rest.remove(linkAddress(Link::HomePage)).remove(QLatin1String(kMainHost));
        rest.remove(QRegularExpression(QStringLiteral("\\(&[A-Z]\\)|\\bQY\\b|v1\\.0")));
        for (const QString& name : famousPeople()) {
            if (QCoreApplication::translate("FamousPeople", name.toUtf8().constData()) == name) {
                rest.remove(name);
            }
        }
        EXPECT_FALSE(rest.contains(QRegularExpression(QStringLiteral("[A-Za-z]"))))
            << text.toStdString();
    }
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

class InChinese : public testing::TestWithParam<const char*> {
protected:
    void SetUp() override { ASSERT_EQ(translations_.name(), QLatin1String(GetParam())); }
    languages::Translations translations_{QLocale(QLatin1String(GetParam()))};
};

TEST_P(InChinese, main_window_about_box_and_messages_translated_months_given_in_English) {
    engine::ReadingRecord record;
    FakePrompter prompter;
    frmMain window(record, prompter);
    frmAbout about;
    expectTranslated(textsOf(&window) + textsOf(&about));

    window.cmdProceed_Click(); // no name
    control<QLineEdit>(window, "txtName")->setText(QStringLiteral("林"));
    control<QComboBox>(window, "cboDate")->setCurrentIndex(30);
    control<QComboBox>(window, "cboMonth")->setCurrentIndex(3);
    window.cmdProceed_Click(); // 31 April
    control<QComboBox>(window, "cboDate")->setCurrentIndex(4);
    control<QComboBox>(window, "cboMonth")->setCurrentIndex(2);
    control<QComboBox>(window, "cboYear")->setCurrentText(QStringLiteral("1975"));
    EXPECT_EQ(control<QComboBox>(window, "cboMonth")->currentText(), QStringLiteral("三月"));
    window.cmdProceed_Click(); // 5 March 1975
    EXPECT_EQ(record.Month, "March");
    EXPECT_EQ(record.Animal, "Rabbit");
    ASSERT_EQ(prompter.shown.size(), 2u);
    auto box = makeMessageBox(prompter.texts().front(), true);
    QStringList boxTexts{box->windowTitle()};
    for (const QAbstractButton* button : box->buttons()) {
        boxTexts << button->text(); // Qt's own translation
    }
    expectTranslated(prompter.texts() + boxTexts);
}

TEST_P(InChinese, every_sign_and_element_in_the_window_and_on_the_printed_page) {
    const char* const elements[] = {"Metal", "Water", "Wood", "Fire", "Earth"};
    const char* const signs[] = {"Rat",   "Ox",   "Tiger",  "Rabbit",  "Dragon", "Snake",
                                 "Horse", "Goat", "Monkey", "Rooster", "Dog",    "Pig"};
    QTemporaryDir dir;
    for (int i = 0; i < 12; ++i) {
        engine::ReadingRecord record;
        engine::ChineseZodiacDescription(record, elements[i % 5], signs[i]);
        FakePrinterChooser printers;
        frmPeachBlossomResult window(record, printers);
        expectTranslated(textsOf(&window));

        QPrinter printer(QPrinter::ScreenResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("page.pdf")));
        printReading(printer, record);
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"),
                        {printer.outputFileName(), QStringLiteral("-")});
        ASSERT_TRUE(pdftotext.waitForFinished(30000)) << "pdftotext (poppler-utils) is needed";
        // Some CJK fonts give a character the glyph of its Kangxi radical, and
        // the page's text that radical; NFKC folds it back.
        const QString page = QString::fromUtf8(pdftotext.readAllStandardOutput())
                                 .normalized(QString::NormalizationForm_KC);
        // A page drawn without a font for the script would hold no text at all.
        EXPECT_TRUE(page.contains(look::windowCaption())) << page.toStdString();
        expectTranslated({page});
    }
}

INSTANTIATE_TEST_SUITE_P(Chinese, InChinese, testing::Values("zh_CN", "zh_TW"),
                         [](const auto& info) { return std::string(info.param); });

} // namespace
