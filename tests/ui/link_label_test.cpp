// What counts as a click on a link: a left press released over it, once.
#include "link_label.h"
#include "waits.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class LinkClicks : public testing::Test {
protected:
    void SetUp() override {
        link.resize(200, 30);
        link.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&link, kSafetyNetMs));
    }
    QPoint inside() const { return link.rect().center(); }
    QPoint outside() const { return link.rect().bottomRight() + QPoint(20, 20); }

    LinkLabel link{QStringLiteral("Click here to visit")};
    QSignalSpy clicked{&link, &LinkLabel::clicked};
};

} // namespace

TEST_F(LinkClicks, left_click_opens_once) {
    QTest::mouseClick(&link, Qt::LeftButton, {}, inside());
    EXPECT_EQ(clicked.count(), 1);
}

TEST_F(LinkClicks, right_or_middle_click_opens_nothing) {
    QTest::mouseClick(&link, Qt::RightButton, {}, inside());
    QTest::mouseClick(&link, Qt::MiddleButton, {}, inside());
    EXPECT_EQ(clicked.count(), 0);
}

TEST_F(LinkClicks, press_dragged_off_the_link_opens_nothing) {
    QTest::mousePress(&link, Qt::LeftButton, {}, inside());
    QTest::mouseMove(&link, outside());
    QTest::mouseRelease(&link, Qt::LeftButton, {}, outside());
    EXPECT_EQ(clicked.count(), 0);
}

TEST_F(LinkClicks, release_without_a_press_on_the_link_opens_nothing) {
    // A press that began elsewhere and was dragged onto the link.
    QTest::mouseRelease(&link, Qt::LeftButton, {}, inside());
    EXPECT_EQ(clicked.count(), 0);
}
