// The benchmarks' design floor draws the main window by hand from the
// window's design table; start-up figures against it mean something only
// while it looks as the real window does, control for control.
#include "../../bench/design_floor_window.h"
#include "controls.h"
#include "fakes.h"
#include "frm_main.h"
#include "frm_main_design.h"
#include "layout_scale.h"
#include "reading_record.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <sstream>

namespace {

QString shownText(const QWidget* w) {
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
        return label->text();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
        return button->text();
    }
    if (const auto* box = qobject_cast<const QGroupBox*>(w)) {
        return box->title();
    }
    if (const auto* line = qobject_cast<const QLineEdit*>(w)) {
        return line->text();
    }
    QStringList entries;
    if (const auto* list = qobject_cast<const QComboBox*>(w)) {
        for (int i = 0; i < list->count(); ++i) {
            entries << list->itemText(i);
        }
    }
    return entries.join(u'|');
}

// What a control shows, in one line to compare and to read in a failure.
std::string looks(const QWidget* w) {
    const QRect r = w->geometry();
    const QFont font = w->font();
    std::ostringstream out;
    out << r.x() << ',' << r.y() << ' ' << r.width() << 'x' << r.height() << " \""
        << shownText(w).toStdString() << "\" " << QFontInfo(font).family().toStdString() << ' '
        << font.pointSizeF() << (font.bold() ? " bold" : "")
        << (font.underline() ? " underlined" : "") << " in "
        << w->palette().color(QPalette::WindowText).name().toStdString() << '/'
        << w->palette().color(QPalette::Text).name().toStdString() << " focus " << w->focusPolicy();
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
        out << " aligned " << label->alignment().toInt() << (label->wordWrap() ? " wrapped" : "")
            << (label->autoFillBackground() ? " filled" : "");
    }
    return out.str();
}

} // namespace

TEST(DesignFloor, DrawsEveryControlOfTheMainWindowAsTheWindowDoes) {
    if (look::layoutScale() != 1.0) {
        GTEST_SKIP() << "the floor is the design unscaled, at 96 dpi in the design font";
    }
    engine::ReadingRecord record;
    FakePrompter prompter;
    frmMain real(record, prompter);
    const std::unique_ptr<QWidget> floor = designFloorWindow();

    EXPECT_EQ(floor->windowTitle().toStdString(), real.windowTitle().toStdString());
    EXPECT_EQ(floor->size(), control<QWidget>(real, "client")->size());
    EXPECT_EQ(floor->palette().color(QPalette::Window), real.palette().color(QPalette::Window));
    for (const form::Control& c : frmMainDesign().controls) {
        const QString name = QLatin1String(c.name);
        EXPECT_EQ(looks(control<QWidget>(*floor, name)), looks(control<QWidget>(real, name)))
            << c.name;
    }
}
