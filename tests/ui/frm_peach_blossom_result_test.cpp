#include "controls.h"
#include "frm_about.h"
#include "frm_peach_blossom_result.h"
#include "link_label.h"
#include "lunar_year_table.h"
#include "reading_computation.h"
#include "reading_texts.h"
#include "sign_pictures.h"
#include "sign_profiles.h"

#include "fakes.h"
#include "modal_watchdog.h"
#include "sign_picture_match.h"
#include "waits.h"
#include "window_fixture.h"

#include <QApplication>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTextLayout>

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>

namespace {

using engine::kAnimals;
using engine::kElements;

// A record as a reading of sign 1..12 leaves it, with a name and date that the
// window must not show.
engine::ReadingRecord readingFor(int sign) {
    engine::ReadingRecord record;
    record.Name = "Zebediah Quux";
    record.Day = "29";
    record.Month = "November";
    record.Year = "1977";
    engine::ChineseZodiacDescription(record,
                                     std::string(kElements[static_cast<std::size_t>(sign - 1) % 5]),
                                     std::string(kAnimals[static_cast<std::size_t>(sign - 1)]));
    return record;
}

QImage shownPicture(const frmPeachBlossomResult& window) {
    return control<QLabel>(window, "picSign")->pixmap().toImage();
}

// The fourteen fields in the order the rows show them.
std::array<std::string, 14> rowFields(const engine::ReadingRecord& r) {
    return {r.Animal,           r.RomanceDirection, r.PeachBlossomAdvice, r.Element,
            r.ElementText,      r.RulingPlanet,     r.MostCompatible,     r.LeastCompatible,
            r.FavourableSeason, r.FavourableMonth,  r.LuckyColor,         r.GemStone,
            r.Energy,           r.FamousPeople};
}

// Opens the window under test, shown and active or only made.
class ResultWindowTest : public WindowTest {
protected:
    frmPeachBlossomResult* open(const engine::ReadingRecord& reading) {
        return window_ = openResult(reading, false);
    }
    frmPeachBlossomResult* openShownAndActive(const engine::ReadingRecord& reading) {
        return window_ = openResult(reading);
    }

    QPointer<frmPeachBlossomResult> window_;
};

// --- A reading on screen -------------------------------------------------------

class ResultWindowShowsEachSign : public ResultWindowTest,
                                  public testing::WithParamInterface<int> {};

TEST_P(ResultWindowShowsEachSign, shows_the_record_fields_in_row_order_and_the_signs_picture) {
    const int sign = GetParam();
    const engine::ReadingRecord record = readingFor(sign);
    ASSERT_EQ(record.SignNumber, sign);
    auto* window = open(record);

    const auto fields = rowFields(record);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        ASSERT_FALSE(fields[i].empty()) << "row " << i;
        EXPECT_EQ(reading_texts::spoken(lblResult(window, i)->text()),
                  QString::fromStdString(fields[i]))
            << "row " << i;
    }

    ASSERT_FALSE(shownPicture(*window).isNull());
    EXPECT_TRUE(storedPictureShowing(shownPicture(*window))
                    .contains(QString::fromStdString(record.Animal).toLower()))
        << record.Animal << " shows " << storedPictureShowing(shownPicture(*window)).toStdString();
}

TEST_P(ResultWindowShowsEachSign, one_line_values_fit_their_text_and_stay_clear_of_the_picture) {
    const engine::ReadingRecord record = readingFor(GetParam());
    auto* window = open(record);
    for (std::size_t i = 0; i < 14; ++i) {
        if (i == 4 || i == 13) {
            continue; // the two fixed, wrapping labels
        }
        QLabel* value = lblResult(window, i);
        EXPECT_EQ(value->x(), 168) << "row " << i;
        EXPECT_GE(value->width(), value->fontMetrics().horizontalAdvance(value->text()))
            << "row " << i << " cut off: " << value->text().toStdString();
        if (value->y() >= control<QLabel>(window, "picSign")->y()) {
            EXPECT_LE(value->geometry().right(), control<QLabel>(window, "picSign")->x())
                << "row " << i << " runs under the picture";
        }
    }
    EXPECT_LT(lblResult(window, 13)->geometry().right(), control<QLabel>(window, "picSign")->x());
}

TEST_P(ResultWindowShowsEachSign, never_shows_the_name_or_the_birth_date) {
    const engine::ReadingRecord record = readingFor(GetParam());
    auto* window = open(record);
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        // Every month is some sign's favourable month, so only the year can be told apart.
        for (const char* hidden : {"Zebediah", "Quux", "1977"}) {
            EXPECT_FALSE(label->text().contains(QLatin1String(hidden)))
                << label->objectName().toStdString() << " shows " << hidden;
        }
    }
}

TEST_P(ResultWindowShowsEachSign, famous_people_wrap_between_words_inside_the_fixed_label) {
    const engine::ReadingRecord record = readingFor(GetParam());
    auto* window = open(record);
    QLabel* people = lblResult(window, 13);
    const QString text = people->text();
    EXPECT_EQ(people->size(), QSize(231, 44));
    EXPECT_TRUE(people->wordWrap());

    // Lay the text out as the label does and look at every line.
    QTextLayout layout(text, people->font());
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    QStringList lines;
    qreal height = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(231);
        const int start = line.textStart();
        // After a space, or after the hyphen of a double name ("Berners-Lee").
        EXPECT_TRUE(start == 0 || text.at(start - 1).isSpace() || text.at(start - 1) == '-')
            << "line breaks inside a word at " << start;
        EXPECT_LE(line.naturalTextWidth(), 231.0) << "a name is wider than the label";
        lines << text.mid(start, line.textLength());
        height += line.height();
    }
    layout.endLayout();

    const QRect needed =
        people->fontMetrics().boundingRect(QRect(0, 0, 231, 1000), Qt::TextWordWrap, text);
    EXPECT_LE(needed.height(), 44) << "the last names are cut off; lines:\n"
                                   << lines.join(QLatin1Char('\n')).toStdString();
    EXPECT_LE(height, 44.0);
}

INSTANTIATE_TEST_SUITE_P(AllSigns, ResultWindowShowsEachSign, testing::Range(1, 13),
                         [](const testing::TestParamInfo<int>& info) {
                             return std::string(kAnimals[static_cast<std::size_t>(info.param - 1)]);
                         });

TEST_F(ResultWindowTest, the_dogs_eight_names_need_more_than_one_line) {
    // Keeps the wrap test above honest: the longest list really wraps.
    const engine::ReadingRecord record = readingFor(11);
    auto* window = open(record);
    QLabel* people = lblResult(window, 13);
    EXPECT_GT(people->fontMetrics().horizontalAdvance(people->text()), 231);
}

class ResultWindowWithoutASign : public ResultWindowTest,
                                 public testing::WithParamInterface<int> {};

TEST_P(ResultWindowWithoutASign, keeps_the_design_time_dog_and_still_shows_the_texts) {
    engine::ReadingRecord record = readingFor(1);
    record.SignNumber = static_cast<std::int16_t>(GetParam());
    auto* window = open(record);
    EXPECT_EQ(storedPictureShowing(shownPicture(*window)), QStringLiteral("11_dog.jpg"));
    EXPECT_EQ(lblResult(window, 0)->text(), QStringLiteral("Rat"));
}

INSTANTIATE_TEST_SUITE_P(OutOfRange, ResultWindowWithoutASign, testing::Values(0, 13, -1, 32767),
                         [](const testing::TestParamInfo<int>& info) {
                             return info.param < 0 ? "minus" + std::to_string(-info.param)
                                                   : std::to_string(info.param);
                         });

TEST_F(ResultWindowTest, element_paragraph_keeps_its_fixed_size_and_cuts_off_what_does_not_fit) {
    for (const std::string_view element : kElements) {
        engine::ReadingRecord record;
        engine::ChineseZodiacDescription(record, std::string(element), "Rat");
        auto* window = open(record);
        EXPECT_EQ(lblResult(window, 4)->geometry(), QRect(8, 100, 599, 65)) << element;
        EXPECT_EQ(lblResult(window, 4)->text(), QString::fromStdString(record.ElementText));
        // The program's own paragraphs are meant to be read whole.
        const QRect needed = lblResult(window, 4)->fontMetrics().boundingRect(
            QRect(0, 0, 599, 1000), Qt::TextWordWrap, lblResult(window, 4)->text());
        EXPECT_LE(needed.height(), 65) << element << " paragraph is cut off";
        delete window;
    }
    engine::ReadingRecord record = readingFor(1);
    record.ElementText.clear();
    for (int i = 0; i < 60; ++i) {
        record.ElementText += "A paragraph far longer than the room the window gives it. ";
    }
    auto* window = open(record);
    EXPECT_EQ(lblResult(window, 4)->size(), QSize(599, 65));
    EXPECT_TRUE(lblResult(window, 4)->wordWrap());
    EXPECT_EQ(lblResult(window, 4)->alignment(), Qt::AlignLeft | Qt::AlignTop);
}

TEST_F(ResultWindowTest, a_window_made_after_a_new_reading_shows_only_the_new_reading) {
    engine::ReadingRecord record;
    engine::ComputeReading(record, "A", "1", "June", "1984");
    ASSERT_EQ(record.Animal, "Rat");
    const std::string ratPeople = record.FamousPeople;
    QPointer<frmPeachBlossomResult> first = open(record);
    first->show();
    control<QPushButton>(first, "cmdBack")->click();
    processDeletes();
    ASSERT_TRUE(first.isNull());

    engine::ComputeReading(record, "B", "1", "June", "1983");
    ASSERT_EQ(record.Animal, "Pig");
    auto* second = open(record);
    const auto fields = rowFields(record);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        EXPECT_EQ(lblResult(second, i)->text(), QString::fromStdString(fields[i])) << "row " << i;
    }
    for (const QLabel* label : second->findChildren<QLabel*>()) {
        EXPECT_NE(label->text(), QString::fromStdString(ratPeople));
        EXPECT_NE(label->text(), QStringLiteral("Rat"));
    }
    EXPECT_EQ(storedPictureShowing(shownPicture(*second)), QStringLiteral("12_pig.jpg"));
}

// --- Layout --------------------------------------------------------------------

TEST_F(ResultWindowTest, client_area_below_the_menu_bar_is_617_by_500_and_cannot_be_resized) {
    const engine::ReadingRecord record = readingFor(3);
    auto* window = open(record);
    window->show();
    QWidget* client = window->centralWidget();
    EXPECT_EQ(client->size(), QSize(617, 500));
    EXPECT_GE(client->y(), window->menuBar()->geometry().bottom());
    EXPECT_EQ(window->height(), client->y() + 500);
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    const QPoint offCenter =
        (*window).frameGeometry().center() - window->screen()->availableGeometry().center();
    EXPECT_LE(offCenter.manhattanLength(), 2) << "not centred on the screen";

    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
}

TEST_F(ResultWindowTest, main_controls_sit_where_the_design_puts_them) {
    const engine::ReadingRecord record = readingFor(3);
    auto* window = open(record);
    EXPECT_EQ(control<QGroupBox>(window, "Frame1")->geometry(), QRect(0, 32, 617, 425));
    EXPECT_EQ(control<QLabel>(window, "picSign")->parentWidget(),
              control<QGroupBox>(window, "Frame1"));
    EXPECT_EQ(control<QLabel>(window, "picSign")->geometry(), QRect(407, 173, 200, 200));
    EXPECT_EQ(control<QPushButton>(window, "cmdBack")->geometry(), QRect(539, 382, 67, 23));
    EXPECT_EQ(control<QPushButton>(window, "cmdExit")->geometry(), QRect(468, 382, 67, 23));
    EXPECT_EQ(lblResult(window, 13)->geometry(), QRect(168, 341, 231, 44));
    EXPECT_EQ(control<QFrame>(window, "fraFullBrand")->geometry(), QRect(0, 457, 617, 43));
    EXPECT_EQ(control<LinkLabel>(window, "Label14")->geometry(), QRect(139, 0, 338, 29));
}

TEST_F(ResultWindowTest, captions_line_up_with_their_values_and_end_before_the_value_column) {
    const engine::ReadingRecord record = readingFor(3);
    auto* window = open(record);
    int captions = 0;
    for (std::size_t i = 0; i < 14; ++i) {
        auto* caption = control<QGroupBox>(window, "Frame1")
                            ->findChild<QLabel*>(QStringLiteral("lblCaption_%1").arg(i));
        if (i == 4) {
            EXPECT_EQ(caption, nullptr) << "the element paragraph has no caption";
            continue;
        }
        ASSERT_NE(caption, nullptr) << "row " << i;
        ++captions;
        EXPECT_EQ(caption->x(), 8);
        EXPECT_EQ(caption->y(), lblResult(window, i)->y()) << "row " << i;
        EXPECT_LT(caption->geometry().right(), 168) << caption->text().toStdString();
        EXPECT_TRUE(caption->font().bold());
        EXPECT_FALSE(lblResult(window, i)->font().bold()) << "row " << i;
    }
    EXPECT_EQ(captions, 13);
}

TEST_F(ResultWindowTest, full_brand_banner_covers_the_co_brand_banner) {
    const engine::ReadingRecord record = readingFor(3);
    auto* window = open(record);
    EXPECT_EQ(control<LinkLabel>(window, "lblCobrand")->geometry(),
              control<LinkLabel>(window, "lblFullBrand")->geometry());
    EXPECT_TRUE(control<LinkLabel>(window, "lblFullBrand")->autoFillBackground());
    for (const QPoint point : {QPoint(8, 10), QPoint(300, 23), QPoint(604, 36)}) {
        EXPECT_EQ(control<QFrame>(window, "fraFullBrand")->childAt(point),
                  control<LinkLabel>(window, "lblFullBrand"));
    }
}

// --- Focus and the hidden Print button -------------------------------------------

TEST_F(ResultWindowTest, hidden_print_button_lies_outside_and_is_the_only_one_enter_reaches) {
    const engine::ReadingRecord record = readingFor(5);
    auto* window = open(record);
    EXPECT_FALSE(window->centralWidget()->rect().intersects(
        control<QPushButton>(window, "cmdPrint")->geometry()))
        << "the Print button must lie outside the client area";
    // Enter goes to the focused button only: neither of the others answers it.
    EXPECT_FALSE(control<QPushButton>(window, "cmdExit")->isDefault());
    EXPECT_FALSE(control<QPushButton>(window, "cmdBack")->isDefault());
}

// Right after a reading, and again after the about box, Enter presses the
// focused hidden button and nothing happens.
TEST_F(ResultWindowTest, enter_after_a_reading_and_after_the_about_box_opens_nothing) {
    const engine::ReadingRecord record = readingFor(5);
    auto* window = openShownAndActive(record);
    QSignalSpy closed(window, &frmPeachBlossomResult::closedByUser);
    QSignalSpy back(window, &frmPeachBlossomResult::backRequested);
    QSignalSpy links(window, &frmPeachBlossomResult::linkActivated);
    QSignalSpy pressed(control<QPushButton>(window, "cmdPrint"), &QPushButton::clicked);
    auto pressEnterTwice = [&] {
        ModalWatchdog noDialog(nullptr, 500);
        QTest::keyClick(window->windowHandle(), Qt::Key_Return);
        QTest::keyClick(window->windowHandle(), Qt::Key_Return);
        ASSERT_TRUE(processQueuedWork());
        EXPECT_EQ(noDialog.seen, 0);
    };
    pressEnterTwice();
    EXPECT_EQ(pressed.count(), 2) << "Enter reaches the focused hidden button";

    {
        ModalWatchdog closeAbout([](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); });
        control<QAction>(window, "mnuAbout")->trigger();
        EXPECT_EQ(closeAbout.expired, 0);
    }
    // The focus the window keeps for when it is active again.
    EXPECT_EQ(window->focusWidget(), control<QPushButton>(window, "cmdPrint"));
    window->activateWindow();
    QApplication::setActiveWindow(window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window, kSafetyNetMs));
    pressEnterTwice();

    EXPECT_EQ(pressed.count(), 4);
    EXPECT_EQ(printers.asked, 0);
    EXPECT_EQ(links.count(), 0);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(closed.count(), 0);
    EXPECT_EQ(back.count(), 0);
}

TEST_F(ResultWindowTest, file_print_asks_for_a_printer_and_a_cancel_changes_nothing) {
    const engine::ReadingRecord record = readingFor(5);
    auto* window = open(record);
    window->show();
    QSignalSpy closed(window, &frmPeachBlossomResult::closedByUser);
    QSignalSpy links(window, &frmPeachBlossomResult::linkActivated);

    control<QAction>(window, "mnuPrint")->trigger();
    EXPECT_EQ(printers.asked, 1);
    control<QPushButton>(window, "cmdPrint")->click();
    EXPECT_EQ(printers.asked, 1) << "the hidden button prints nothing";

    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(closed.count(), 0);
    EXPECT_EQ(links.count(), 0);
    EXPECT_EQ(lblResult(window, 0)->text(), QStringLiteral("Dragon"));
}

// --- Menus -----------------------------------------------------------------------

TEST_F(ResultWindowTest, menu_bar_holds_file_help_and_donate_without_shortcuts) {
    const engine::ReadingRecord record = readingFor(2);
    auto* window = open(record);

    const QList<QAction*> top = window->menuBar()->actions();
    ASSERT_EQ(top.size(), 3);
    EXPECT_EQ(top[0], control<QMenu>(window, "mnuFile")->menuAction());
    EXPECT_EQ(top[1], control<QMenu>(window, "mnuHelp")->menuAction());
    EXPECT_EQ(top[2], control<QAction>(window, "mnuDonate"));
    EXPECT_EQ(control<QAction>(window, "mnuDonate")->menu(), nullptr);

    // The texts are checked with the windows' other texts.
    struct Item {
        QAction* action;
        const char* name; // a name ending in "Sep1"/"Sep2" is a separator
    };
    const std::vector<Item> file{{control<QAction>(window, "mnuPrint"), "mnuPrint"},
                                 {control<QAction>(window, "mnuBack"), "mnuBack"},
                                 {control<QAction>(window, "mnuFileSep1"), "mnuFileSep1"},
                                 {control<QAction>(window, "mnuExit"), "mnuExit"}};
    const std::vector<Item> help{{control<QAction>(window, "mnuOnline"), "mnuOnline"},
                                 {control<QAction>(window, "mnuVisit"), "mnuVisit"},
                                 {control<QAction>(window, "mnuHelpSep1"), "mnuHelpSep1"},
                                 {control<QAction>(window, "mnuUpdate"), "mnuUpdate"},
                                 {control<QAction>(window, "mnuHelpSep2"), "mnuHelpSep2"},
                                 {control<QAction>(window, "mnuAbout"), "mnuAbout"}};
    for (const auto& [menu, items] : {std::pair{control<QMenu>(window, "mnuFile"), file},
                                      {control<QMenu>(window, "mnuHelp"), help}}) {
        const QList<QAction*> actions = menu->actions();
        ASSERT_EQ(actions.size(), static_cast<qsizetype>(items.size()));
        for (std::size_t i = 0; i < items.size(); ++i) {
            const Item& item = items[i];
            SCOPED_TRACE(item.name);
            EXPECT_EQ(actions[static_cast<qsizetype>(i)], item.action);
            EXPECT_EQ(item.action->objectName(), QLatin1String(item.name));
            EXPECT_EQ(item.action->isSeparator(), QByteArray(item.name).contains("Sep"));
        }
    }
    for (QAction* action : window->findChildren<QAction*>()) {
        EXPECT_TRUE(action->shortcut().isEmpty()) << action->text().toStdString();
        EXPECT_TRUE(action->isEnabled() && action->isVisible()) << action->text().toStdString();
    }
}

// --- Web pages -------------------------------------------------------------------

struct WebCommand {
    const char* name;
    std::function<void(frmPeachBlossomResult&)> run;
    Link link;
};

void PrintTo(const WebCommand& c, std::ostream* out) {
    *out << c.name;
}

class ResultWindowWebCommand : public ResultWindowTest,
                               public testing::WithParamInterface<WebCommand> {};

TEST_P(ResultWindowWebCommand, asks_for_its_page_once_and_does_nothing_else) {
    const engine::ReadingRecord record = readingFor(7);
    auto* window = open(record);
    window->show();
    QSignalSpy links(window, &frmPeachBlossomResult::linkActivated);
    QSignalSpy closed(window, &frmPeachBlossomResult::closedByUser);
    QSignalSpy back(window, &frmPeachBlossomResult::backRequested);

    GetParam().run(*window);

    ASSERT_EQ(links.count(), 1);
    EXPECT_EQ(links.at(0).at(0).value<Link>(), GetParam().link);
    EXPECT_EQ(closed.count(), 0);
    EXPECT_EQ(back.count(), 0);
    EXPECT_EQ(printers.asked, 0);
    EXPECT_TRUE(window->isVisible());
}

void click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton);
}

INSTANTIATE_TEST_SUITE_P(
    AllPages, ResultWindowWebCommand,
    testing::Values(
        WebCommand{"Label14",
                   [](frmPeachBlossomResult& w) { click(control<LinkLabel>(w, "Label14")); },
                   Link::HomePage},
        WebCommand{"mnuVisit",
                   [](frmPeachBlossomResult& w) { control<QAction>(w, "mnuVisit")->trigger(); },
                   Link::HomePage},
        WebCommand{"mnuOnline",
                   [](frmPeachBlossomResult& w) { control<QAction>(w, "mnuOnline")->trigger(); },
                   Link::OnlineHelpPage},
        WebCommand{"mnuUpdate",
                   [](frmPeachBlossomResult& w) { control<QAction>(w, "mnuUpdate")->trigger(); },
                   Link::DownloadPage},
        WebCommand{"mnuDonate",
                   [](frmPeachBlossomResult& w) { control<QAction>(w, "mnuDonate")->trigger(); },
                   Link::DonationPage},
        WebCommand{"lblFullBrand",
                   [](frmPeachBlossomResult& w) { click(control<LinkLabel>(w, "lblFullBrand")); },
                   Link::FullBrandPage},
        // The banner area as a user clicks it: the full-brand label lies on top.
        WebCommand{"banner_area",
                   [](frmPeachBlossomResult& w) {
                       QTest::mouseClick(
                           control<QFrame>(w, "fraFullBrand")->childAt(QPoint(300, 23)),
                           Qt::LeftButton);
                   },
                   Link::FullBrandPage},
        WebCommand{"lblCobrand",
                   [](frmPeachBlossomResult& w) { click(control<LinkLabel>(w, "lblCobrand")); },
                   Link::CoBrandPage}),
    [](const testing::TestParamInfo<WebCommand>& info) { return info.param.name; });

// --- The about box ---------------------------------------------------------------

TEST_F(ResultWindowTest, with_the_about_box_open_the_window_cannot_be_closed) {
    const engine::ReadingRecord record = readingFor(4);
    auto* window = open(record);
    window->show();
    QSignalSpy closed(window, &frmPeachBlossomResult::closedByUser);
    QSignalSpy links(window, &frmPeachBlossomResult::linkActivated);

    bool checked = false;
    ModalWatchdog watchdog([&](QWidget* modal) {
        if (checked) {
            return;
        }
        checked = true;
        auto* about = qobject_cast<frmAbout*>(modal);
        EXPECT_NE(about, nullptr);
        EXPECT_FALSE(window->close());
        EXPECT_TRUE(window->isVisible());
        // The box's pages reach the shell through the result window.
        if (about) {
            emit about->linkActivated(Link::DonationPage);
        }
        modal->close();
    });
    control<QAction>(window, "mnuAbout")->trigger();

    EXPECT_TRUE(checked);
    EXPECT_EQ(watchdog.expired, 0);
    EXPECT_EQ(closed.count(), 0);
    ASSERT_FALSE(window_.isNull());
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(links.count(), 1);
    EXPECT_EQ(links.at(0).at(0).value<Link>(), Link::DonationPage);
    EXPECT_EQ(window->findChildren<frmAbout*>().size(), 0) << "the closed box is destroyed";

    // Once the box is gone the window closes as usual.
    EXPECT_TRUE(window->close());
    EXPECT_EQ(closed.count(), 1);
}

} // namespace
