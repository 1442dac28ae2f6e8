// The designed colours stay readable whatever the system's theme: every text
// of every window keeps 4.5:1 against what it is drawn on.
#include "colours.h"
#include "fakes.h"
#include "frm_about.h"
#include "frm_main.h"
#include "frm_peach_blossom_result.h"
#include "reading_computation.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// What Qt's GTK theme gives with Adwaita:dark.
QPalette darkSystemPalette() {
    QPalette dark(QColor(0x30, 0x30, 0x30), QColor(0x24, 0x24, 0x24));
    dark.setColor(QPalette::Base, QColor(0x2d, 0x2d, 0x2d));
    dark.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xee));
    return dark;
}

// The colour a widget's text is drawn in, and what it is drawn on.
std::pair<QColor, QColor> textAndGround(const QWidget* w) {
    const QPalette& p = w->palette();
    if (qobject_cast<const QLineEdit*>(w)) {
        return {p.color(QPalette::Text), p.color(QPalette::Base)};
    }
    if (qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QComboBox*>(w) ||
        qobject_cast<const QMenuBar*>(w)) {
        return {p.color(QPalette::ButtonText), p.color(QPalette::Button)};
    }
    return {p.color(QPalette::WindowText), p.color(QPalette::Window)};
}

bool showsText(const QWidget* w) {
    if (auto* label = qobject_cast<const QLabel*>(w)) {
        return !label->text().isEmpty();
    }
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractButton*>(w) ||
           qobject_cast<const QComboBox*>(w) || qobject_cast<const QGroupBox*>(w) ||
           qobject_cast<const QMenuBar*>(w);
}

void expectEveryTextReadable(QWidget* window) {
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        if (!showsText(w)) {
            continue;
        }
        const auto [text, ground] = textAndGround(w);
        EXPECT_GE(look::contrastRatio(text, ground), 4.5)
            << w->objectName().toStdString() << ": " << text.name().toStdString() << " on "
            << ground.name().toStdString();
    }
}

// The three windows, one after the other, under the palette the test sets.
void forEachWindow(const std::function<void(QWidget*)>& check) {
    engine::ReadingRecord record;
    engine::ComputeReading(record, "Li", "5", "March", "1975");
    FakePrompter prompter;
    FakePrinterChooser printers;
    frmMain main(record, prompter);
    check(&main);
    frmPeachBlossomResult result(record, printers);
    check(&result);
    frmAbout about;
    check(&about);
}

class UnderPalette : public testing::Test {
protected:
    void TearDown() override { QApplication::setPalette(original); }
    const QPalette original = QApplication::palette();
};

} // namespace

TEST(ContrastRatio, follows_the_wcag_formula) {
    EXPECT_NEAR(look::contrastRatio(Qt::black, Qt::white), 21.0, 1e-9);
    EXPECT_NEAR(look::contrastRatio(Qt::white, Qt::black), 21.0, 1e-9);
    EXPECT_NEAR(look::contrastRatio(QColor(0x77, 0x77, 0x77), Qt::white), 4.48, 0.01);
    // The designed purple on a dark theme's window, as seen on a real desktop.
    EXPECT_NEAR(look::contrastRatio(QColor(128, 0, 128), QColor(0x24, 0x24, 0x24)), 1.65, 0.02);
}

TEST_F(UnderPalette, dark_theme_windows_are_drawn_light_and_every_text_keeps_4_5_to_1) {
    QApplication::setPalette(darkSystemPalette());
    forEachWindow([](QWidget* window) {
        expectEveryTextReadable(window);
        EXPECT_GT(window->palette().color(QPalette::Window).lightness(), 200);
    });
}

// A light grey theme (#dedede) on which one designed colour alone, the about
// box's olive-green links, falls below 4.5:1 (4.1:1), while every other one
// stays above it: the windows must still be drawn light.
TEST_F(UnderPalette, grey_theme_that_one_designed_colour_falls_short_on_is_drawn_light) {
    QPalette grey = original;
    grey.setColor(QPalette::Base, QColor(0xde, 0xde, 0xde));
    grey.setColor(QPalette::Window, QColor(0xde, 0xde, 0xde));
    QApplication::setPalette(grey);
    forEachWindow(expectEveryTextReadable);
}

TEST_F(UnderPalette, light_theme_is_kept_as_the_system_gives_it) {
    QPalette light = original;
    light.setColor(QPalette::Base, QColor(0xfa, 0xfa, 0xf0));
    light.setColor(QPalette::Button, QColor(0xe0, 0xe0, 0xd8));
    QApplication::setPalette(light);
    forEachWindow([&](QWidget* window) {
        expectEveryTextReadable(window);
        // Drawn on the system's own window colour, the colour of its text areas.
        EXPECT_EQ(window->palette().color(QPalette::Window), QColor(0xfa, 0xfa, 0xf0));
        EXPECT_EQ(window->palette().color(QPalette::Button), QColor(0xe0, 0xe0, 0xd8));
    });
}
