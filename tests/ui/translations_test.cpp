// The program in the user's language: which translation a system's language
// list chooses, and, in Chinese, every text of every window, message box and
// printed page translated, with the engine still given its English texts.
#include "fakes.h"
#include "frm_about.h"
#include "frm_main.h"
#include "frm_peach_blossom_result.h"
#include "languages.h"
#include "links.h"
#include "prompter.h"
#include "reading_print.h"
#include "reading_record.h"
#include "reading_texts.h"
#include "sign_profiles.h"
#include "site_hosts.h"
#include "window_look.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>

namespace {

struct Choice {
    QStringList uiLanguages;
    QString translation;
};

class TranslationChoice : public testing::TestWithParam<Choice> {};

TEST_P(TranslationChoice, follows_the_first_language_that_is_English_or_translated) {
    EXPECT_EQ(languages::translationFor(GetParam().uiLanguages), GetParam().translation);
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslationChoice,
                         testing::Values(Choice{{"zh-Hans-CN", "zh-CN", "zh"}, "zh_CN"},
                                         Choice{{"zh-Hant-TW", "zh-TW", "zh"}, "zh_TW"},
                                         Choice{{"zh-Hant-HK", "zh-HK"}, "zh_TW"},
                                         Choice{{"zh-SG"}, "zh_CN"}, Choice{{"zh"}, "zh_CN"},
                                         Choice{{"en-US", "zh-CN"}, ""},
                                         Choice{{"de-DE", "fr", "zh-TW"}, "zh_TW"},
                                         Choice{{"C"}, ""}, Choice{{"de-DE"}, ""}, Choice{{}, ""}),
                         [](const auto& info) {
                             QString name =
                                 info.param.uiLanguages.join(QLatin1Char('_')) +
                                 QStringLiteral("_to_") +
                                 (info.param.translation.isEmpty() ? QStringLiteral("English")
                                                                   : info.param.translation);
                             return name.replace(QLatin1Char('-'), QLatin1Char('_')).toStdString();
                         });

// What may stay in Latin letters in a translated text: the program's
// initials and version, web addresses, access keys, famous people whose
// names have no usual Chinese form.
QString withoutKeptLatin(QString text) {
    text.remove(linkAddress(Link::HomePage));
    text.remove(QLatin1String(kMainHost));
    text.remove(QRegularExpression(QStringLiteral("\\(&[A-Z]\\)|\\bQY\\b|v1\\.0")));
    for (const char* name : reading_texts::famousPeople()) {
        if (QCoreApplication::translate("FamousPeople", name) == QLatin1String(name)) {
            text.remove(QLatin1String(name));
        }
    }
    return text;
}

void expectTranslated(const QString& text, const QString& where) {
    EXPECT_FALSE(withoutKeptLatin(text).contains(QRegularExpression(QStringLiteral("[A-Za-z]"))))
        << where.toStdString() << ": " << text.toStdString();
}

// Every text a window shows or tells a screen reader, its lists and menus included.
void expectWindowTranslated(QWidget* window) {
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets << window;
    for (const QWidget* w : widgets) {
        const QString name = window->objectName() + QLatin1Char('/') + w->objectName();
        QStringList texts{w->windowTitle(), w->accessibleName(), w->accessibleDescription()};
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
        } else if (auto* menu = qobject_cast<const QMenu*>(w)) {
            texts << menu->title();
        }
        for (const QString& text : texts) {
            expectTranslated(text, name);
        }
    }
    for (const QAction* action : window->findChildren<QAction*>()) {
        expectTranslated(action->text(), action->objectName());
    }
}

// One reading per sign, the elements taken in turn, so that every sign and
// element and every profile text is shown once.
engine::ReadingRecord readingOf(std::size_t sign) {
    constexpr std::array<const char*, 12> kSigns{"Rat",    "Ox",      "Tiger", "Rabbit",
                                                 "Dragon", "Snake",   "Horse", "Goat",
                                                 "Monkey", "Rooster", "Dog",   "Pig"};
    constexpr std::array<const char*, 5> kElements{"Metal", "Water", "Wood", "Fire", "Earth"};
    engine::ReadingRecord record;
    engine::ChineseZodiacDescription(record, kElements[sign % kElements.size()], kSigns[sign]);
    return record;
}

QString pdfText(const QString& pdf) {
    QProcess process;
    process.start(QStandardPaths::findExecutable(QStringLiteral("pdftotext")),
                  {pdf, QStringLiteral("-")});
    process.waitForFinished(30000);
    // Some CJK fonts map a character to the same glyph as its Kangxi radical,
    // which the page's text then carries; NFKC folds those back.
    return QString::fromUtf8(process.readAllStandardOutput())
        .normalized(QString::NormalizationForm_KC)
        .simplified();
}

class InChinese : public testing::TestWithParam<const char*> {
protected:
    InChinese() : translations_(QLocale(QLatin1String(GetParam()))) {}
    void SetUp() override { ASSERT_EQ(translations_.name(), QLatin1String(GetParam())); }

    languages::Translations translations_;
};

TEST_P(InChinese, main_window_and_its_messages_are_translated) {
    engine::ReadingRecord record;
    FakePrompter prompter;
    frmMain window(record, prompter);
    expectWindowTranslated(&window);

    window.cmdProceed_Click(); // no name
    window.txtName->setText(QStringLiteral("林"));
    window.cboDate->setCurrentIndex(30);
    window.cboMonth->setCurrentIndex(1);
    window.cmdProceed_Click(); // 31 February
    window.cboMonth->setCurrentIndex(3);
    window.cmdProceed_Click(); // 31 April
    ASSERT_EQ(prompter.shown.size(), 3u);
    for (const QString& text : prompter.texts()) {
        expectTranslated(text, QStringLiteral("message"));
    }
    auto box = makeMessageBox(prompter.texts().front(), true);
    expectTranslated(box->windowTitle(), QStringLiteral("message box caption"));
    for (const QAbstractButton* button : box->buttons()) {
        expectTranslated(button->text(), QStringLiteral("message box button"));
    }
}

TEST_P(InChinese, months_are_shown_translated_and_reach_the_engine_in_English) {
    engine::ReadingRecord record;
    FakePrompter prompter;
    frmMain window(record, prompter);
    window.txtName->setText(QStringLiteral("林"));
    window.cboDate->setCurrentIndex(4);
    window.cboMonth->setCurrentIndex(2);
    window.cboYear->setCurrentText(QStringLiteral("1975"));
    EXPECT_EQ(window.cboMonth->currentText(), QStringLiteral("三月"));
    window.cmdProceed_Click();
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(record.Month, "March");
    EXPECT_EQ(record.Animal, "Rabbit");
}

TEST_P(InChinese, every_reading_and_its_printed_page_are_translated) {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (std::size_t sign = 0; sign < 12; ++sign) {
        const engine::ReadingRecord record = readingOf(sign);
        FakePrinterChooser printers;
        frmPeachBlossomResult window(record, printers);
        expectWindowTranslated(&window);
        if (pdftotext.isEmpty()) {
            continue;
        }
        const QString pdf = dir.filePath(QStringLiteral("reading-%1.pdf").arg(sign));
        QPrinter printer(QPrinter::ScreenResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printReading(printer, record);
        const QString text = pdfText(pdf);
        // A page without a font for the script would come out empty.
        EXPECT_TRUE(text.contains(look::windowCaption())) << text.toStdString();
        expectTranslated(text, QStringLiteral("printed page"));
    }
}

TEST_P(InChinese, about_box_is_translated) {
    frmAbout about;
    expectWindowTranslated(&about);
}

INSTANTIATE_TEST_SUITE_P(Chinese, InChinese, testing::Values("zh_CN", "zh_TW"));

} // namespace
