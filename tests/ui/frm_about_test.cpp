#include "controls.h"
#include "frm_about.h"

#include "link_label.h"
#include "links.h"
#include "modal_watchdog.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QColor textColor(const QWidget* w) {
    return w->palette().color(QPalette::WindowText);
}

// Height the label's text needs when wrapped at the label's width.
int wrappedHeight(const QLabel* label) {
    return label->fontMetrics()
        .boundingRect(QRect(0, 0, label->width(), 10000), Qt::TextWordWrap, label->text())
        .height();
}

struct CloseKey {
    Qt::Key key;
    QDialog::DialogCode result;
};

std::string keyName(Qt::Key key) {
    switch (key) {
    case Qt::Key_Return:
        return "Return";
    case Qt::Key_Enter:
        return "Enter";
    default:
        return "Escape";
    }
}

void PrintTo(const CloseKey& k, std::ostream* out) {
    *out << keyName(k.key);
}

class AboutBoxKeys : public testing::TestWithParam<CloseKey> {};

// The box is exec()'d over a parent, as the result window does it.
TEST_P(AboutBoxKeys, key_closes_the_box_at_once_with_focus_on_OK) {
    QWidget owner;
    frmAbout about(&owner);
    QWidget* focusedAtOpen = nullptr;
    int presses = 0;
    ModalWatchdog watchdog([&](QWidget* modal) {
        // A user's key reaches the box once it is the active window; on a busy
        // machine that can take a poll or two after it appears.
        if (QApplication::activeWindow() != modal) {
            return;
        }
        focusedAtOpen = QApplication::focusWidget();
        ++presses;
        QTest::keyClick(modal, GetParam().key);
    });

    const int result = about.exec();

    EXPECT_EQ(result, GetParam().result);
    EXPECT_EQ(watchdog.expired, 0);
    EXPECT_EQ(presses, 1) << "one key press is enough";
    EXPECT_EQ(focusedAtOpen, control<QPushButton>(about, "cmdOK"));
    EXPECT_FALSE(about.isVisible());
}

INSTANTIATE_TEST_SUITE_P(EnterAndEscape, AboutBoxKeys,
                         testing::Values(CloseKey{Qt::Key_Return, QDialog::Accepted},
                                         CloseKey{Qt::Key_Enter, QDialog::Accepted},
                                         CloseKey{Qt::Key_Escape, QDialog::Rejected}),
                         [](const testing::TestParamInfo<CloseKey>& info) {
                             return keyName(info.param.key);
                         });

TEST(AboutBox, OK_click_closes_the_box_and_leaves_the_owner_open) {
    QWidget owner;
    owner.show();
    frmAbout about(&owner);
    ModalWatchdog watchdog(
        [&](QWidget*) { QTest::mouseClick(control<QPushButton>(about, "cmdOK"), Qt::LeftButton); });

    EXPECT_EQ(about.exec(), QDialog::Accepted);
    EXPECT_EQ(watchdog.expired, 0);
    EXPECT_FALSE(about.isVisible());
    EXPECT_TRUE(owner.isVisible());
}

TEST(AboutBox, OK_is_the_default_button_and_first_in_the_tab_order) {
    frmAbout about;
    EXPECT_TRUE(control<QPushButton>(about, "cmdOK")->isDefault());
    about.show();
    EXPECT_EQ(about.focusWidget(), control<QPushButton>(about, "cmdOK"));
    // Only Tab reaches a link, so a click on one never takes the focus from OK;
    // the other labels are never focused.
    for (QLabel* label : about.findChildren<QLabel*>()) {
        const bool link = qobject_cast<LinkLabel*>(label) != nullptr;
        EXPECT_EQ(label->focusPolicy(), link ? Qt::TabFocus : Qt::NoFocus)
            << label->objectName().toStdString();
    }
}

struct LinkCase {
    const char* control;
    Link link;
};

void PrintTo(const LinkCase& c, std::ostream* out) {
    *out << c.control;
}

class AboutBoxLinks : public testing::TestWithParam<LinkCase> {};

TEST_P(AboutBoxLinks, click_asks_for_its_page_each_time_and_keeps_the_box_open) {
    frmAbout about;
    about.show();
    auto* label = about.findChild<LinkLabel*>(QLatin1String(GetParam().control));
    ASSERT_NE(label, nullptr);
    QSignalSpy spy(&about, &frmAbout::linkActivated);

    QTest::mouseClick(label, Qt::LeftButton);
    QTest::mouseClick(label, Qt::LeftButton);

    ASSERT_EQ(spy.count(), 2);
    EXPECT_EQ(spy.at(0).at(0).value<Link>(), GetParam().link);
    EXPECT_EQ(spy.at(1).at(0).value<Link>(), GetParam().link);
    EXPECT_TRUE(about.isVisible());
    EXPECT_EQ(label->cursor().shape(), Qt::PointingHandCursor);
}

// "Click here for more details." belongs to the full-brand offer above it.
INSTANTIATE_TEST_SUITE_P(HomeAndFullBrand, AboutBoxLinks,
                         testing::Values(LinkCase{"lblHomePage", Link::HomePage},
                                         LinkCase{"lblCoBrand", Link::FullBrandPage}),
                         [](const testing::TestParamInfo<LinkCase>& info) {
                             return std::string(info.param.control);
                         });

// The texts themselves are checked with the other windows' texts.
TEST(AboutBox, shows_its_texts_as_plain_text) {
    frmAbout about;
    for (QLabel* label : about.findChildren<QLabel*>()) {
        if (label != control<QLabel>(about, "picIcon")) {
            EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->objectName().toStdString();
        }
    }
}

TEST(AboutBox, wrapping_texts_fit_their_boxes_and_links_fit_the_window) {
    frmAbout about;
    EXPECT_LE(wrappedHeight(control<QLabel>(about, "Label1")),
              control<QLabel>(about, "Label1")->height());
    EXPECT_LE(wrappedHeight(control<QLabel>(about, "Label3")),
              control<QLabel>(about, "Label3")->height());
    // Links sized to their text must neither be clipped nor run off the box.
    for (QLabel* label : {static_cast<QLabel*>(control<LinkLabel>(about, "lblHomePage")),
                          static_cast<QLabel*>(control<LinkLabel>(about, "lblCoBrand")),
                          control<QLabel>(about, "Label2")}) {
        EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()))
            << label->objectName().toStdString();
        EXPECT_LE(label->geometry().right(), about.width() - 1)
            << label->objectName().toStdString();
    }
    // The offer's link sits right under the offer.
    EXPECT_GE(control<LinkLabel>(about, "lblCoBrand")->y(),
              control<QLabel>(about, "Label3")->geometry().bottom() + 1);
    EXPECT_LT(control<LinkLabel>(about, "lblCoBrand")->geometry().bottom(),
              control<QFrame>(about, "Line2")->y());
}

TEST(AboutBox, window_size_and_control_places_follow_the_design) {
    frmAbout about;
    EXPECT_EQ(about.size(), QSize(419, 219));
    EXPECT_EQ(about.minimumSize(), about.maximumSize()) << "the box is not resizable";
    EXPECT_EQ(control<QPushButton>(about, "cmdOK")->geometry(), QRect(329, 192, 84, 23));
    EXPECT_EQ(control<QLabel>(about, "Label3")->geometry(), QRect(5, 112, 408, 41));
    EXPECT_EQ(control<QLabel>(about, "Label1")->geometry(), QRect(54, 34, 359, 57));
    EXPECT_EQ(control<QLabel>(about, "picIcon")->geometry(), QRect(6, 10, 32, 32));
    EXPECT_EQ(control<QLabel>(about, "Label2")->pos(), QPoint(52, 10));
    // The home page link keeps its design place unless its address would run
    // off the box; then it ends where the texts above and below it end.
    const QRect home = control<LinkLabel>(about, "lblHomePage")->geometry();
    EXPECT_EQ(home.y(), 91);
    EXPECT_TRUE(home.x() == 143 || (home.x() < 143 && home.right() == 413))
        << home.x() << "," << home.right();
    EXPECT_EQ(control<LinkLabel>(about, "lblCoBrand")->pos(), QPoint(256, 153));
    const QFrame& line = *control<QFrame>(about, "Line2");
    EXPECT_EQ(line.frameShape(), QFrame::HLine);
    EXPECT_LE(line.x(), 0);
    EXPECT_GE(line.geometry().right(), about.width() - 1);
}

TEST(AboutBox, colours_and_fonts_follow_the_design) {
    frmAbout about;
    EXPECT_EQ(textColor(control<QLabel>(about, "Label2")), QColor(40, 83, 196));
    EXPECT_TRUE(control<QLabel>(about, "Label2")->font().bold());
    EXPECT_DOUBLE_EQ(control<QLabel>(about, "Label2")->font().pointSizeF(), 9.75);
    EXPECT_EQ(textColor(control<QLabel>(about, "Label1")), QColor(104, 45, 123));
    EXPECT_FALSE(control<QLabel>(about, "Label1")->font().bold());
    EXPECT_EQ(textColor(control<QLabel>(about, "Label3")), QColor(40, 83, 196));
    EXPECT_TRUE(control<QLabel>(about, "Label3")->font().bold());
    EXPECT_FALSE(control<QLabel>(about, "Label3")->font().underline());
    for (QLabel* link : {static_cast<QLabel*>(control<LinkLabel>(about, "lblHomePage")),
                         static_cast<QLabel*>(control<LinkLabel>(about, "lblCoBrand"))}) {
        EXPECT_EQ(textColor(link), QColor(85, 114, 31));
        EXPECT_TRUE(link->font().underline());
        EXPECT_FALSE(link->font().bold());
    }
    // Every label paints an opaque fill in the window's own colour.
    const QColor window = about.palette().color(QPalette::Window);
    for (QLabel* label : about.findChildren<QLabel*>()) {
        EXPECT_TRUE(label->autoFillBackground()) << label->objectName().toStdString();
        EXPECT_EQ(label->palette().color(QPalette::Window), window)
            << label->objectName().toStdString();
    }
}

TEST(AboutBox, shows_the_32_pixel_program_icon) {
    frmAbout about;
    const QPixmap icon = control<QLabel>(about, "picIcon")->pixmap();
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.size(), QSize(32, 32));
}

TEST(AboutBox, has_only_a_close_box_and_stays_out_of_the_taskbar) {
    QWidget owner;
    frmAbout about(&owner);
    const Qt::WindowFlags flags = about.windowFlags();
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    // A dialog with an owner gets no taskbar entry of its own.
    EXPECT_EQ(about.windowType(), Qt::Dialog);
}

} // namespace
