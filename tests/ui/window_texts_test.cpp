// The windows' fixed texts against the design, letter for letter, in one place.
#include "controls.h"
#include "fakes.h"
#include "frm_about.h"
#include "frm_main.h"
#include "frm_peach_blossom_result.h"
#include "link_label.h"
#include "program_icon.h"
#include "prompter.h"
#include "reading_record.h"

#include <QAction>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {
const QString kFullBrand = QStringLiteral(
    "Home Business Opportunity. Start your own Internet business and make money online. Get this "
    "software fully branded for your website. Click here for more details.");
} // namespace

TEST(WindowTexts, MainWindow) {
    engine::ReadingRecord record;
    FakePrompter prompter;
    frmMain window(record, prompter);
    EXPECT_EQ(window.windowTitle(), "QY Amoret Chart v1.0");
    EXPECT_EQ(control<QLabel>(window, "Label1_1")->text(),
              "Know more about your romance direction with the Chinese Amoret Chart. Enter your "
              "personal details to get started.");
    EXPECT_EQ(control<QLabel>(window, "Label1_0")->text(), "Name");
    EXPECT_EQ(control<QLabel>(window, "Label2")->text(), "Birth Date");
    EXPECT_EQ(control<QGroupBox>(window, "fraDetails")->title(), "Your Details Please");
    EXPECT_EQ(control<QPushButton>(window, "cmdProceed")->text(), "&Get My Peach Blossom Reading");
    EXPECT_EQ(control<LinkLabel>(window, "lblFullBrand")->text(), kFullBrand);
    EXPECT_TRUE(control<LinkLabel>(window, "Label14")->text().contains("forum"));
}

TEST(WindowTexts, ResultWindow) {
    engine::ReadingRecord record;
    FakePrinterChooser printers;
    frmPeachBlossomResult window(record, printers);
    EXPECT_EQ(window.windowTitle(), "QY Amoret Chart v1.0");
    QStringList captions;
    for (int row = 0; row < 14; ++row) {
        if (auto* caption = window.findChild<QLabel*>(QStringLiteral("lblCaption_%1").arg(row))) {
            captions << caption->text();
        }
    }
    EXPECT_EQ(captions, (QStringList{"Chinese Sign", "Romance Direction", "Peach Blossom Advice",
                                     "Chinese Element", "Ruling Planet", "Most Compatible",
                                     "Least Compatible", "Favourable Seasons", "Favourable Month",
                                     "Lucky Color", "GemStone", "Energy", "Famous People"}));
    EXPECT_EQ(control<QGroupBox>(window, "Frame1")->title(), "QY Amoret Chart Results");
    EXPECT_EQ(control<QPushButton>(window, "cmdExit")->text(), "E&xit");
    EXPECT_EQ(control<QPushButton>(window, "cmdBack")->text(), "&Back");
    EXPECT_EQ(control<QPushButton>(window, "cmdPrint")->text(), "&Print");
    EXPECT_EQ(control<LinkLabel>(window, "lblFullBrand")->text(), kFullBrand);
    EXPECT_EQ(control<LinkLabel>(window, "lblCobrand")->text(),
              "Co-brand this software for your site.  Increase loyalty and traffic to your site. "
              "Put your site's name &  link here. See \"Help\" for details. Click Here for more "
              "info on co-branding.");
    const QStringList menuTexts{control<QMenu>(window, "mnuFile")->title(),
                                control<QAction>(window, "mnuPrint")->text(),
                                control<QAction>(window, "mnuBack")->text(),
                                control<QAction>(window, "mnuExit")->text(),
                                control<QMenu>(window, "mnuHelp")->title(),
                                control<QAction>(window, "mnuOnline")->text(),
                                control<QAction>(window, "mnuVisit")->text(),
                                control<QAction>(window, "mnuUpdate")->text(),
                                control<QAction>(window, "mnuAbout")->text(),
                                control<QAction>(window, "mnuDonate")->text()};
    EXPECT_EQ(menuTexts, (QStringList{"&File", "&Print", "&Back", "E&xit", "&Help", "&Online Help",
                                      "&Visit Us Online", "Check for Software &Update",
                                      "&About Software", "&Donate"}));
}

TEST(WindowTexts, AboutBox) {
    frmAbout about;
    EXPECT_EQ(about.windowTitle(), "QY Amoret Chart v1.0");
    EXPECT_EQ(control<QLabel>(about, "Label2")->text(), "QY Amoret Chart v1.0");
    EXPECT_TRUE(
        control<QLabel>(about, "Label1")
            ->text()
            .startsWith(
                "QY Amoret Chart or Yi Jing is a Chinese method of finding and activating your "
                "romance "
                "direction. This software gives you advice based on your romance direction. "));
    EXPECT_EQ(control<QLabel>(about, "Label1")->text().count('.'), 3)
        << "one sentence on the rights follows";
    EXPECT_EQ(control<QLabel>(about, "Label3")->text(),
              "Home Business Opportunity. Start your own Internet business and make money online. "
              "Get this software fully branded for your website.");
    EXPECT_EQ(control<LinkLabel>(about, "lblCoBrand")->text(), "Click here for more details.");
    EXPECT_EQ(control<LinkLabel>(about, "lblHomePage")->text(),
              "Click here to visit " + linkAddress(Link::HomePage));
    EXPECT_EQ(control<QPushButton>(about, "cmdOK")->text(), "OK");
}

TEST(WindowTexts, MessageBoxesCarryTheTitleAndTheInformationIcon) {
    auto inform = makeMessageBox("Please Enter Your Name", false);
    EXPECT_EQ(inform->windowTitle(), "QY Amoret Chart");
    EXPECT_EQ(inform->icon(), QMessageBox::Information);
    EXPECT_EQ(inform->text(), "Please Enter Your Name");
    EXPECT_EQ(inform->standardButtons(), QMessageBox::Ok);

    auto question = makeMessageBox("There maybe an update\rDo you want to check?", true);
    EXPECT_EQ(question->windowTitle(), "QY Amoret Chart");
    EXPECT_EQ(question->icon(), QMessageBox::Information);
    EXPECT_EQ(question->standardButtons(), QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(question->defaultButton(), question->button(QMessageBox::Yes));
}

// Each window's title bar, the task bar and the window switcher show the
// program's icon: the windows carry it themselves, as raw pixels written out
// from the PNGs by tools/make_icons.sh, which must still be what each PNG draws.
TEST(WindowTexts, EveryWindowCarriesTheProgramIcon) {
    engine::ReadingRecord record;
    FakePrompter prompter;
    FakePrinterChooser printers;
    frmMain main(record, prompter);
    frmPeachBlossomResult result(record, printers);
    frmAbout about;
    const auto box = makeMessageBox(QStringLiteral("?"), true);
    const auto drawn = [](int size) {
        return QImage(QStringLiteral(":/icon-png/qyamoretchart-%1.png").arg(size))
            .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    };
    for (const QWidget* window :
         std::initializer_list<const QWidget*>{&main, &result, &about, box.get()}) {
        EXPECT_EQ(window->windowIcon().pixmap(32, 32).toImage().convertToFormat(
                      QImage::Format_ARGB32_Premultiplied),
                  drawn(32))
            << window->metaObject()->className();
    }
    // The sizes only a denser screen draws from.
    for (const int size : {64, 128}) {
        EXPECT_EQ(look::programIconImage(size).convertToFormat(QImage::Format_ARGB32_Premultiplied),
                  drawn(size))
            << size;
    }
}
