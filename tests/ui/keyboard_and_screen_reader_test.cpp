// The program as a keyboard or screen-reader user meets it: what the
// accessibility tree announces, where Tab goes, what Enter and Space do.
#include "controls.h"
#include "fakes.h"
#include "frm_about.h"
#include "frm_main.h"
#include "frm_peach_blossom_result.h"
#include "link_label.h"
#include "reading_computation.h"
#include "waits.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace {

QAccessibleInterface* accessible(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

QString announced(QObject* object) {
    return accessible(object)->text(QAccessible::Name);
}

// Presses Tab once per expected widget and records where the focus lands.
std::vector<QWidget*> tabWalk(std::size_t steps) {
    std::vector<QWidget*> visited;
    for (std::size_t i = 0; i < steps; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.push_back(QApplication::focusWidget());
    }
    return visited;
}

// The link's accessible face: role, and a default action that opens it.
void expectAccessibleLink(LinkLabel* link, QSignalSpy& opened) {
    QAccessibleInterface* face = accessible(link);
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->role(), QAccessible::Link) << link->objectName().toStdString();
    EXPECT_EQ(face->text(QAccessible::Name), link->text());
    EXPECT_TRUE(face->state().linked);
    QAccessibleActionInterface* actions = face->actionInterface();
    ASSERT_NE(actions, nullptr);
    ASSERT_EQ(actions->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
    const int before = opened.count();
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(opened.count(), before + 1) << link->objectName().toStdString();
}

class MainWindowByKeyboard : public WindowTest {
protected:
    void SetUp() override { window = openMain(); }
    QPointer<frmMain> window;
};

class ResultWindowByKeyboard : public WindowTest {
protected:
    void SetUp() override {
        engine::ComputeReading(record, "Li", "5", "March", "1975");
        window = openResult(record);
    }
    QPointer<frmPeachBlossomResult> window;
};

} // namespace

// --- What a screen reader announces ----------------------------------------------

TEST_F(MainWindowByKeyboard, inputs_are_announced_by_their_captions_not_the_frame) {
    EXPECT_EQ(accessible(window)->role(), QAccessible::Window);
    EXPECT_EQ(announced(window), "QY Amoret Chart v1.0");
    EXPECT_EQ(announced(control<QLineEdit>(window, "txtName")), "Name");
    EXPECT_EQ(announced(control<QComboBox>(window, "cboDate")), "Birth Date: Day");
    EXPECT_EQ(announced(control<QComboBox>(window, "cboMonth")), "Birth Date: Month");
    EXPECT_EQ(announced(control<QComboBox>(window, "cboYear")), "Birth Date: Year");
    EXPECT_EQ(announced(control<QPushButton>(window, "cmdProceed")),
              "Get My Peach Blossom Reading");
}

TEST_F(MainWindowByKeyboard, every_link_is_a_link_whose_default_action_opens_its_page) {
    QSignalSpy opened(window.data(), &frmMain::linkActivated);
    for (LinkLabel* link :
         {control<LinkLabel>(window, "Label14"), control<LinkLabel>(window, "lblCobrand"),
          control<LinkLabel>(window, "lblFullBrand")}) {
        expectAccessibleLink(link, opened);
    }
    EXPECT_TRUE(accessible(control<LinkLabel>(window, "lblCobrand"))->state().focusable);
    EXPECT_FALSE(accessible(control<LinkLabel>(window, "lblFullBrand"))->state().focusable)
        << "it lies behind";
}

TEST_F(ResultWindowByKeyboard, values_are_announced_with_their_captions_and_shown_without) {
    EXPECT_EQ(announced(lblResult(window, 0)), "Chinese Sign: Rabbit");
    EXPECT_EQ(lblResult(window, 0)->text(), "Rabbit");
    EXPECT_EQ(announced(lblResult(window, 3)), "Chinese Element: Wood");
    EXPECT_TRUE(announced(lblResult(window, 13)).startsWith("Famous People: "));
    EXPECT_TRUE(accessible(control<QLabel>(window, "picSign"))
                    ->text(QAccessible::Description)
                    .contains("Rabbit"));
}

TEST_F(ResultWindowByKeyboard, every_link_is_a_link_whose_default_action_opens_its_page) {
    QSignalSpy opened(window.data(), &frmPeachBlossomResult::linkActivated);
    for (LinkLabel* link :
         {control<LinkLabel>(window, "Label14"), control<LinkLabel>(window, "lblFullBrand"),
          control<LinkLabel>(window, "lblCobrand")}) {
        expectAccessibleLink(link, opened);
    }
}

TEST(AboutBoxByKeyboard, links_are_links_whose_default_action_opens_their_page) {
    frmAbout about;
    QSignalSpy opened(&about, &frmAbout::linkActivated);
    expectAccessibleLink(control<LinkLabel>(about, "lblHomePage"), opened);
    expectAccessibleLink(control<LinkLabel>(about, "lblCoBrand"), opened);
}

// --- Where Tab goes ----------------------------------------------------------------

TEST_F(MainWindowByKeyboard, tab_reaches_the_links_after_the_button_and_only_the_banner_in_front) {
    for (const auto& [draw, banner] :
         {std::pair{0.0, control<LinkLabel>(window, "lblCobrand")},
          std::pair{0.5, control<LinkLabel>(window, "lblFullBrand")}}) {
        FakeRandom random(draw);
        window->CoBrand_Randomize(random);
        control<QLineEdit>(window, "txtName")->setFocus();
        const std::vector<QWidget*> expected{
            control<QComboBox>(window, "cboDate"), control<QComboBox>(window, "cboMonth"),
            control<QComboBox>(window, "cboYear"), control<QPushButton>(window, "cmdProceed"),
            control<LinkLabel>(window, "Label14"), banner,
            control<QLineEdit>(window, "txtName")};
        EXPECT_EQ(tabWalk(expected.size()), expected) << "draw " << draw;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        EXPECT_EQ(QApplication::focusWidget(), banner) << "Shift+Tab walks back";
    }
}

TEST_F(ResultWindowByKeyboard, tab_runs_print_exit_back_then_the_links_without_the_banner_behind) {
    EXPECT_EQ(QApplication::focusWidget(), control<QPushButton>(window, "cmdPrint"));
    const std::vector<QWidget*> expected{
        control<QPushButton>(window, "cmdExit"), control<QPushButton>(window, "cmdBack"),
        control<LinkLabel>(window, "Label14"), control<LinkLabel>(window, "lblFullBrand"),
        control<QPushButton>(window, "cmdPrint")};
    EXPECT_EQ(tabWalk(expected.size()), expected);
}

TEST(AboutBoxByKeyboard, tab_runs_from_OK_through_both_links_and_back) {
    QWidget owner;
    frmAbout about(&owner);
    showActive(&about);
    EXPECT_EQ(QApplication::focusWidget(), control<QPushButton>(about, "cmdOK"));
    const std::vector<QWidget*> expected{control<LinkLabel>(about, "lblHomePage"),
                                         control<LinkLabel>(about, "lblCoBrand"),
                                         control<QPushButton>(about, "cmdOK")};
    EXPECT_EQ(tabWalk(expected.size()), expected);
}

// --- What Enter and Space do -------------------------------------------------------

TEST_F(MainWindowByKeyboard, enter_or_space_on_a_focused_link_opens_exactly_its_page) {
    QSignalSpy opened(window.data(), &frmMain::linkActivated);
    control<LinkLabel>(window, "Label14")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(control<LinkLabel>(window, "Label14"), Qt::Key_Return);
    QTest::keyClick(control<LinkLabel>(window, "Label14"), Qt::Key_Space);
    control<LinkLabel>(window, "lblCobrand")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(control<LinkLabel>(window, "lblCobrand"), Qt::Key_Enter);
    // A held key repeats; it opens no second page.
    QTest::keyPress(control<LinkLabel>(window, "lblCobrand"), Qt::Key_Space);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
    QApplication::sendEvent(control<LinkLabel>(window, "lblCobrand"), &repeat);

    ASSERT_EQ(opened.count(), 4);
    EXPECT_EQ(opened[0][0].value<Link>(), Link::HomePage);
    EXPECT_EQ(opened[1][0].value<Link>(), Link::HomePage);
    EXPECT_EQ(opened[2][0].value<Link>(), Link::CoBrandPage);
    EXPECT_EQ(opened[3][0].value<Link>(), Link::CoBrandPage);
    EXPECT_TRUE(prompter.shown.empty()) << "Enter on a link is no reading";
}

TEST_F(MainWindowByKeyboard,
       a_focused_link_shows_a_focus_frame_and_a_click_leaves_the_focus_alone) {
    LinkLabel* link = control<LinkLabel>(window, "Label14");
    const QImage unfocused = link->grab().toImage();
    control<QPushButton>(window, "cmdProceed")->setFocus();
    QTest::keyClick(control<QPushButton>(window, "cmdProceed"), Qt::Key_Tab);
    ASSERT_TRUE(link->hasFocus());
    EXPECT_NE(link->grab().toImage(), unfocused);

    control<QLineEdit>(window, "txtName")->setFocus();
    QTest::mouseClick(link, Qt::LeftButton, {}, link->rect().center());
    EXPECT_EQ(QApplication::focusWidget(), control<QLineEdit>(window, "txtName"));
}
