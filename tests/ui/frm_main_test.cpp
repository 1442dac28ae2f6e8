#include "banner.h"
#include "controls.h"
#include "fakes.h"
#include "frm_main.h"
#include "link_label.h"
#include "links.h"
#include "reading_computation.h"
#include "waits.h"
#include "window_fixture.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class MainWindow : public WindowTest {
protected:
    void SetUp() override { window = openMain(); }
    void enter(const QString& name, int dayPosition, int monthPosition, int year) {
        control<QLineEdit>(window, "txtName")->setText(name);
        control<QComboBox>(window, "cboDate")->setCurrentIndex(dayPosition);
        control<QComboBox>(window, "cboMonth")->setCurrentIndex(monthPosition);
        control<QComboBox>(window, "cboYear")->setCurrentText(QString::number(year));
    }

    QPointer<frmMain> window;
};

constexpr int kFebruary = 1;

} // namespace

TEST_F(MainWindow, OpensWithFilledListsFirstEntriesEmptyNameAndFocusInTheName) {
    EXPECT_EQ(window->size(), QSize(506, 310));
    const auto* cboDate = control<QComboBox>(window, "cboDate");
    const auto* cboMonth = control<QComboBox>(window, "cboMonth");
    const auto* cboYear = control<QComboBox>(window, "cboYear");
    const auto* txtName = control<QLineEdit>(window, "txtName");
    EXPECT_EQ(cboDate->count(), 31);
    EXPECT_EQ(cboDate->itemText(0), "1");
    EXPECT_EQ(cboDate->itemText(30), "31");
    EXPECT_EQ(cboMonth->count(), 12);
    EXPECT_EQ(cboMonth->itemText(1), "February");
    EXPECT_EQ(cboMonth->itemText(11), "December");
    EXPECT_EQ(cboYear->count(), 73);
    EXPECT_EQ(cboYear->itemText(0), "1936");
    EXPECT_EQ(cboYear->itemText(72), "2008");
    EXPECT_EQ(cboDate->currentText(), "1");
    EXPECT_EQ(cboMonth->currentText(), "January");
    EXPECT_EQ(cboYear->currentText(), "1936");
    EXPECT_TRUE(txtName->text().isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), txtName);
    EXPECT_FALSE(fullBrandInFront(*window));
}

TEST_F(MainWindow, ListsAcceptOnlyTheirEntries) {
    for (QComboBox* box :
         {control<QComboBox>(window, "cboDate"), control<QComboBox>(window, "cboMonth"),
          control<QComboBox>(window, "cboYear")}) {
        EXPECT_FALSE(box->isEditable());
    }
}

TEST_F(MainWindow, ControlsSitWhereDesignedInTheirColours) {
    EXPECT_EQ(control<QGroupBox>(window, "fraDetails")->geometry(), QRect(110, 124, 287, 113));
    EXPECT_EQ(control<QPushButton>(window, "cmdProceed")->geometry(), QRect(8, 80, 271, 25));
    EXPECT_EQ(control<LinkLabel>(window, "lblCobrand")->geometry(),
              control<LinkLabel>(window, "lblFullBrand")->geometry());
    EXPECT_EQ(control<LinkLabel>(window, "Label14")->geometry(), QRect(82, 0, 342, 29));
    EXPECT_EQ(control<LinkLabel>(window, "Label14")->palette().color(QPalette::WindowText),
              QColor(40, 83, 196));
    EXPECT_TRUE(control<LinkLabel>(window, "Label14")->font().underline());
    EXPECT_EQ(control<LinkLabel>(window, "Label14")->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(control<QLabel>(window, "Label1_1")->palette().color(QPalette::WindowText),
              QColor(104, 45, 123));
    EXPECT_EQ(control<QGroupBox>(window, "fraDetails")->palette().color(QPalette::WindowText),
              QColor(128, 0, 128));
    EXPECT_TRUE(control<QPushButton>(window, "cmdProceed")->font().bold());
}

struct Rejection {
    const char* name;
    int dayPosition;
    int monthPosition;
    int year;
    const char* message; // nullptr: accepted
};

// "Li_29_February_1961", "empty_name_31_April_1975": who, and the date as picked.
std::string caseName(const Rejection& c) {
    const std::string who = *c.name == '\0' ? "empty_name" : *c.name == ' ' ? "blank_name" : c.name;
    return who + '_' + std::to_string(c.dayPosition + 1) + '_' +
           std::string(engine::kMonthNames[static_cast<std::size_t>(c.monthPosition)]) + '_' +
           std::to_string(c.year);
}

void PrintTo(const Rejection& c, std::ostream* out) {
    *out << caseName(c);
}

class ValidateDetails : public MainWindow, public testing::WithParamInterface<Rejection> {};

TEST_P(ValidateDetails, ShowsExactlyTheFirstFailingChecksMessage) {
    const auto& c = GetParam();
    enter(c.name, c.dayPosition, c.monthPosition, c.year);
    control<QComboBox>(window, "cboMonth")->setFocus();
    const bool accepted = window->ValidateDetails();
    if (c.message) {
        EXPECT_FALSE(accepted);
        ASSERT_EQ(prompter.shown.size(), 1u);
        EXPECT_EQ(prompter.shown[0].text, c.message);
        EXPECT_FALSE(prompter.shown[0].yesNo);
        // Only the name message moves the focus back to the name box.
        const bool nameMessage = QString(c.message) == "Please Enter Your Name";
        EXPECT_EQ(QApplication::focusWidget() == control<QLineEdit>(window, "txtName"),
                  nameMessage);
    } else {
        EXPECT_TRUE(accepted);
        EXPECT_TRUE(prompter.shown.empty());
    }
}

constexpr const char* kName = "Please Enter Your Name";
constexpr const char* kFeb = "Please Enter Correct Date Or Month!";
constexpr const char* kThirty = "Please Enter Correct Date Or Month !";

INSTANTIATE_TEST_SUITE_P(
    Matrix, ValidateDetails,
    testing::Values(
        Rejection{"", 0, 0, 1936, kName}, Rejection{"", 30, 3, 1975, kName},
        Rejection{"", 29, kFebruary, 1961, kName}, Rejection{"   ", 0, 0, 1936, nullptr},
        Rejection{"Li", 28, kFebruary, 1960, nullptr},
        Rejection{"Li", 28, kFebruary, 2000, nullptr}, Rejection{"Li", 28, kFebruary, 1961, kFeb},
        Rejection{"Li", 27, kFebruary, 1961, nullptr}, Rejection{"Li", 29, kFebruary, 1964, kFeb},
        Rejection{"Li", 30, kFebruary, 1964, kFeb}, Rejection{"Li", 30, kFebruary, 1963, kFeb},
        Rejection{"Li", 30, 3, 1990, kThirty}, Rejection{"Li", 30, 5, 1990, kThirty},
        Rejection{"Li", 30, 8, 1990, kThirty}, Rejection{"Li", 30, 10, 1990, kThirty},
        Rejection{"Li", 29, 3, 1990, nullptr}, Rejection{"Li", 30, 4, 1990, nullptr},
        Rejection{"Li", 30, 0, 2008, nullptr}, Rejection{"Li", 30, 11, 2008, nullptr}),
    [](const testing::TestParamInfo<Rejection>& info) { return caseName(info.param); });

// What happens to the window then is the controller's hand-over.
TEST_F(MainWindow, ReadingStoresTheInputAndFillsTheRecord) {
    QSignalSpy ready(window.data(), &frmMain::readingReady);
    enter("  Mei Lin  ", 4, 2, 1975);
    QTest::mouseClick(control<QPushButton>(window, "cmdProceed"), Qt::LeftButton);
    EXPECT_EQ(ready.count(), 1);
    EXPECT_EQ(record.Name, "Mei Lin");
    EXPECT_EQ(record.Animal, "Rabbit");
    EXPECT_EQ(record.Element, "Wood");
}

TEST_F(MainWindow, FailedCheckKeepsThePreviousReadingAndTheWindow) {
    engine::ComputeReading(record, "Old", "5", "March", "1975");
    QSignalSpy ready(window.data(), &frmMain::readingReady);
    enter("New", 29, kFebruary, 1975);
    QTest::mouseClick(control<QPushButton>(window, "cmdProceed"), Qt::LeftButton);
    EXPECT_EQ(ready.count(), 0);
    EXPECT_EQ(record.Name, "Old");
    EXPECT_EQ(record.Animal, "Rabbit");
    EXPECT_TRUE(window->isVisible());
}

TEST_F(MainWindow, EachLinkLabelAsksForExactlyItsPageOnce) {
    QSignalSpy links(window.data(), &frmMain::linkActivated);
    QTest::mouseClick(control<LinkLabel>(window, "Label14"), Qt::LeftButton);
    QTest::mouseClick(control<LinkLabel>(window, "lblCobrand"), Qt::LeftButton);
    control<LinkLabel>(window, "lblFullBrand")->raise();
    QTest::mouseClick(control<LinkLabel>(window, "lblFullBrand"), Qt::LeftButton);
    ASSERT_EQ(links.count(), 3);
    EXPECT_EQ(links[0][0].value<Link>(), Link::HomePage);
    EXPECT_EQ(links[1][0].value<Link>(), Link::CoBrandPage);
    EXPECT_EQ(links[2][0].value<Link>(), Link::FullBrandPage);
}

TEST_F(MainWindow, DoubleClickOnALinkOpensItsPageOnce) {
    QSignalSpy links(window.data(), &frmMain::linkActivated);
    // What a double-click delivers to a widget: a click, then a second press
    // that comes with a double-click event, then its release.
    LinkLabel* label = control<LinkLabel>(window, "Label14");
    const QPointF at = label->rect().center();
    QTest::mouseClick(label, Qt::LeftButton, {}, at.toPoint());
    QTest::mousePress(label, Qt::LeftButton, {}, at.toPoint());
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, at, label->mapToGlobal(at), Qt::LeftButton,
                            Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(label, &doubleClick);
    QTest::mouseRelease(label, Qt::LeftButton, {}, at.toPoint());
    EXPECT_EQ(links.count(), 1);
}

// A new window appears in the middle of the screen. Once the user has moved
// it, it stays where they put it when it is minimised and restored, which
// hides and shows it again, while the next new window is centred again.
TEST_F(MainWindow, IsCenteredWhenNewAndKeepsThePlaceTheUserMovedItTo) {
    const auto offCenter = [](const QWidget* w) {
        return (w->frameGeometry().center() - w->screen()->availableGeometry().center())
            .manhattanLength();
    };
    EXPECT_LE(offCenter(window), 2);
    const QPoint moved = window->pos() + QPoint(-57, 31);
    window->move(moved);
    window->showMinimized();
    window->hide();
    window->showNormal();
    EXPECT_EQ(window->pos(), moved);
    EXPECT_LE(offCenter(openMain()), 2);
}

TEST(CoBrandRandomize, EvenNumbersBringTheFullBrandOddOnesTheCoBrandSevenNothing) {
    EXPECT_EQ(bannerFor(0.0), Banner::CoBrand);         // n = 1
    EXPECT_EQ(bannerFor(0.25), Banner::FullBrand);      // 2.5 -> 2
    EXPECT_EQ(bannerFor(0.26), Banner::CoBrand);        // 2.56 -> 3
    EXPECT_EQ(bannerFor(0.5), Banner::FullBrand);       // 4
    EXPECT_EQ(bannerFor(0.75), Banner::FullBrand);      // 5.5 -> 6
    EXPECT_EQ(bannerFor(0.74), Banner::CoBrand);        // 5.44 -> 5
    EXPECT_EQ(bannerFor(0.9), Banner::FullBrand);       // 6.4 -> 6
    EXPECT_EQ(bannerFor(0.95), Banner::Unchanged);      // 6.7 -> 7
    EXPECT_EQ(bannerFor(0.9999999), Banner::Unchanged); // 7
}

TEST_F(MainWindow, BannerChoiceActsOnTheWindowThatExists) {
    FakeRandom random(0.5);
    window->CoBrand_Randomize(random);
    EXPECT_EQ(random.draws, 1);
    EXPECT_TRUE(fullBrandInFront(*window));
    random.value = 0.95; // seven: nothing changes
    window->CoBrand_Randomize(random);
    EXPECT_TRUE(fullBrandInFront(*window));
    random.value = 0.0;
    window->CoBrand_Randomize(random);
    EXPECT_FALSE(fullBrandInFront(*window));
}

struct Hostile {
    const char* name;
    QString text;
};

void PrintTo(const Hostile& h, std::ostream* out) {
    *out << h.name;
}

class HostileName : public MainWindow, public testing::WithParamInterface<Hostile> {};

TEST_P(HostileName, IsTakenAsTextAndGivesAReading) {
    QSignalSpy ready(window.data(), &frmMain::readingReady);
    control<QLineEdit>(window, "txtName")->setText(GetParam().text);
    QTest::mouseClick(control<QPushButton>(window, "cmdProceed"), Qt::LeftButton);
    EXPECT_EQ(ready.count(), 1);
    // Stored as typed, as UTF-8: none of these has outer blanks to trim.
    EXPECT_EQ(record.Name, control<QLineEdit>(window, "txtName")->text().toStdString());
    EXPECT_GT(record.Name.size(), 0u);
    EXPECT_EQ(record.Animal, "Pig");
    EXPECT_TRUE(prompter.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, HostileName,
    testing::Values(
        Hostile{"ten_thousand_letters", QString(10000, QChar('x'))},
        Hostile{"control_characters", QString::fromUtf8("a\tb\x01\x7f"
                                                        "c\r\n")},
        Hostile{"right_to_left", QString::fromUtf8("\xd7\xa9\xd7\x9c\xd7\x95\xd7\x9d \xe2\x80\x8f"
                                                   "\xd9\x85\xd8\xb1\xd8\xad\xd8\xa8\xd8\xa7")},
        Hostile{"emoji_and_joiner",
                QString::fromUtf8("\xf0\x9f\x8c\xb8 Mei \xf0\x9f\x90\x87\xe2\x80\x8d")},
        Hostile{"format_and_markup", QString::fromUtf8("%s%n%x {0} <b>bold</b> &amp; \\\"")}),
    [](const testing::TestParamInfo<Hostile>& info) { return std::string(info.param.name); });
