// What Orca is given to speak, through Qt's accessibility interfaces: each
// date list's name and entry and the events a change of entry sends, what the
// result window says as it opens, what the tree leaves out for flat review,
// and a message's lines as sentences. (What Orca then says was heard with the
// real Orca: tools/orca_walk.sh.)
#include "accessibility.h"
#include "controls.h"
#include "fakes.h"
#include "frm_main.h"
#include "frm_peach_blossom_result.h"
#include "languages.h"
#include "link_label.h"
#include "prompter.h"
#include "reading_computation.h"
#include "result_rows.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

QAccessibleInterface* face(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

// The names flat review meets, walking the tree from `root`: what is shown
// inside the window, not what lies out of sight.
void shownNames(QAccessibleInterface* root, const QRect& window, QStringList& names) {
    for (int i = 0; i < root->childCount(); ++i) {
        QAccessibleInterface* child = root->child(i);
        if (!child || child->state().invisible || !window.intersects(child->rect())) {
            continue;
        }
        names << child->text(QAccessible::Name);
        shownNames(child, window, names);
    }
}

QStringList shownNames(QWidget* window) {
    QStringList names;
    shownNames(face(window), face(window)->rect(), names);
    return names;
}

struct ListCase {
    const char* name;
    const char* list; // its design name
    Qt::Key key;      // pressed with the list focused
    const char* before;
    const char* after;
};

class DateListSpeech : public testing::TestWithParam<ListCase> {};

engine::ReadingRecord rabbitReading() {
    engine::ReadingRecord record;
    engine::ComputeReading(record, "Li", "5", "March", "1975");
    return record;
}

// A Rabbit reading, shown.
class ResultWindowSpeech : public testing::Test {
protected:
    void SetUp() override { window.show(); }
    engine::ReadingRecord record = rabbitReading();
    FakePrinterChooser printers;
    frmPeachBlossomResult window{record, printers};
};

} // namespace

TEST_P(DateListSpeech, says_its_own_name_and_its_entry_and_tells_every_change) {
    engine::ReadingRecord record;
    FakePrompter prompter;
    frmMain window(record, prompter);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QComboBox* list = control<QComboBox>(window, GetParam().list);
    list->setFocus();
    QAccessibleInterface* spoken = face(list);

    EXPECT_EQ(spoken->text(QAccessible::Name), GetParam().name);
    EXPECT_TRUE(spoken->relations(QAccessible::Label).isEmpty())
        << "Orca prefers a labelling caption to the name";
    EXPECT_EQ(spoken->text(QAccessible::Description), GetParam().before);

    QTest::keyClick(list, GetParam().key);
    EXPECT_EQ(spoken->text(QAccessible::Description), GetParam().after);
    // Qt delivers events only while a screen reader listens, so the test
    // reads what a change sends: an entry the drop-down has not yet as its
    // current one is focused there (the drop-down follows every change, so
    // the entry just left is such a one); the description changes.
    EXPECT_EQ(list->view()->currentIndex().row(), list->currentIndex());
    EXPECT_EQ(accessibility::entryEvents(list, list->currentIndex()).size(), 1u);
    const auto events = accessibility::entryEvents(list, 0);
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0]->type(), QAccessible::Focus);
    EXPECT_EQ(events[0]->accessibleInterface()->text(QAccessible::Name), GetParam().before);
    EXPECT_EQ(events[1]->type(), QAccessible::DescriptionChanged);
    EXPECT_EQ(events[1]->object(), list);
    control<QLineEdit>(window, "txtName")->setFocus();
    EXPECT_EQ(accessibility::entryEvents(list, 0).size(), 1u) << "unfocused, it only describes";
}

INSTANTIATE_TEST_SUITE_P(
    MainWindow, DateListSpeech,
    testing::Values(ListCase{"Birth Date: Day", "cboDate", Qt::Key_Down, "1", "2"},
                    ListCase{"Birth Date: Month", "cboMonth", Qt::Key_M, "January", "March"},
                    ListCase{"Birth Date: Year", "cboYear", Qt::Key_End, "1936", "2008"}),
    [](const testing::TestParamInfo<ListCase>& info) {
        return QString::fromLatin1(info.param.name).section(u' ', -1).toStdString();
    });

TEST_F(ResultWindowSpeech, the_first_focus_says_the_reading_and_is_no_button_with_a_shortcut) {
    ASSERT_EQ(window.focusWidget(), control<QPushButton>(window, "cmdPrint"));

    QAccessibleInterface* first = face(control<QPushButton>(window, "cmdPrint"));
    EXPECT_EQ(first->role(), QAccessible::StaticText);
    EXPECT_EQ(first->text(QAccessible::Name),
              "Chinese Sign: Rabbit. Romance Direction: North (337.6 degrees to 22.5 degrees). "
              "Peach Blossom Advice: Place a statue or picture of a rat here. "
              "Chinese Element: Wood.");
    EXPECT_TRUE(first->text(QAccessible::Accelerator).isEmpty());
    EXPECT_TRUE(!first->actionInterface() || first->actionInterface()->actionNames().isEmpty());

    // A button described before it became the sink is described anew.
    QPushButton sink(QStringLiteral("&Print"));
    ASSERT_EQ(face(&sink)->role(), QAccessible::Button);
    accessibility::presentFocusSinkAs(&sink, QStringLiteral("Said instead"));
    EXPECT_EQ(face(&sink)->role(), QAccessible::StaticText);
    EXPECT_EQ(face(&sink)->text(QAccessible::Name), "Said instead");
}

TEST_F(ResultWindowSpeech, flat_review_meets_each_caption_once) {
    const QStringList names = shownNames(&window);
    for (const ResultRow& row : kResultRows) {
        if (!row.caption) {
            continue;
        }
        const QString caption = QLatin1String(row.caption);
        const auto sayIt = [&caption](const QString& name) {
            return name == caption || name.startsWith(caption + u':');
        };
        EXPECT_EQ(std::count_if(names.begin(), names.end(), sayIt), 1) << row.caption;
    }
}

TEST(MainWindowSpeech, the_banner_behind_is_not_in_the_tree_whichever_lies_in_front) {
    engine::ReadingRecord record;
    FakePrompter prompter;
    frmMain window(record, prompter);
    window.show();
    QAccessibleInterface* frame = face(control<QFrame>(window, "fraFullBrand"));
    for (const double draw : {0.5, 0.0}) { // full brand, then co-brand in front
        FakeRandom random(draw);
        window.CoBrand_Randomize(random);
        LinkLabel* front = draw == 0.5 ? control<LinkLabel>(window, "lblFullBrand")
                                       : control<LinkLabel>(window, "lblCobrand");
        LinkLabel* behind = draw == 0.5 ? control<LinkLabel>(window, "lblCobrand")
                                        : control<LinkLabel>(window, "lblFullBrand");
        ASSERT_EQ(frame->childCount(), 1) << draw;
        EXPECT_EQ(frame->child(0)->object(), front);
        EXPECT_FALSE(shownNames(&window).contains(behind->text()));
    }
}

// Each line is a sentence that ends with the full stop of the language the
// program speaks, whatever script the line's last word is in: Japanese ends
// its sentences with 。 even after kana, Korean with a period after Hangul.
TEST(MessageBoxSpeech, lines_on_screen_reach_assistive_technology_as_sentences) {
    const struct {
        const char* language;
        const char* shown;
        const char* said;
    } cases[] = {
        {"en",
         "There maybe an update to this software available\rDo you want to check for an update?",
         "There maybe an update to this software available. Do you want to check for an update?"},
        {"zh_CN",
         "\u672c\u8f6f\u4ef6\u53ef\u80fd\u6709\u66f4\u65b0\r\u662f\u5426\u68c0\u67e5\u66f4\u65b0"
         "\uff1f",
         "\u672c\u8f6f\u4ef6\u53ef\u80fd\u6709\u66f4\u65b0\u3002 "
         "\u662f\u5426\u68c0\u67e5\u66f4\u65b0\uff1f"},
        {"ja", "\u98fe\u308a\u307e\u3057\u3087\u3046\r\u4e94\u884c\uff1a\u6728",
         "\u98fe\u308a\u307e\u3057\u3087\u3046\u3002 \u4e94\u884c\uff1a\u6728\u3002"},
        {"ko", "\ub450\uc138\uc694\r\uc624\ud589: \u6728",
         "\ub450\uc138\uc694. \uc624\ud589: \u6728."},
    };
    for (const auto& c : cases) {
        const languages::Translations speaking{QLocale(QLatin1String(c.language))};
        const QString shown = QString::fromUtf8(c.shown);
        const auto box = makeMessageBox(shown, true);
        auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), shown) << "the screen keeps its line break";
        EXPECT_EQ(face(label)->text(QAccessible::Name), QString::fromUtf8(c.said)) << c.language;
    }
}
