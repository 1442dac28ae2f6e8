// Every window with whatever base font and logical dpi the suite runs under:
// each text fits its control and controls that should not overlap do not.
// CTest runs this suite once per font family and dpi; QYAC_FIT_FAMILY names
// the family that run expects, so a missing font cannot pass as another.
#include "captions.h"
#include "controls.h"
#include "fakes.h"
#include "fonts.h"
#include "frm_about.h"
#include "frm_main.h"
#include "frm_peach_blossom_result.h"
#include "layout_scale.h"
#include "link_label.h"
#include "lunar_year_table.h"
#include "reading_texts.h"
#include "result_rows.h"
#include "sign_profiles.h"
#include "thai_words.h"

#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTextBoundaryFinder>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace {

// A field's length as shown, in the language the suite runs in.
qsizetype shownSize(const engine::ReadingRecord& r, std::string engine::ReadingRecord::*field) {
    return reading_texts::shown(r, field).size();
}

// The element paragraph that takes the most room in the language the suite
// runs in.
std::string longestParagraphElement() {
    std::string longest;
    qsizetype size = -1;
    for (const std::string_view element : engine::kElements) {
        engine::ReadingRecord r;
        engine::ChineseZodiacDescription(r, std::string(element), "Rat");
        if (shownSize(r, &engine::ReadingRecord::ElementText) > size) {
            size = shownSize(r, &engine::ReadingRecord::ElementText);
            longest = element;
        }
    }
    return longest;
}

// The height of one line of the text, with the fallback fonts it is drawn
// from: Chinese comes from a CJK font with taller lines than the base font's.
int lineHeightOf(const QFontMetrics& metrics, const QString& text) {
    return std::max(metrics.height(),
                    metrics.boundingRect(QRect(0, 0, 100000, 100000), 0, text).height());
}

std::string nameOf(const QWidget* w) {
    return w->objectName().toStdString();
}

// Calls `check` with every place inside `text` where Qt may break a line.
void forEachLineBreak(const QString& text, const std::function<void(qsizetype)>& check) {
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text);
    for (qsizetype at = breaks.toNextBoundary(); at > 0 && at < text.size();
         at = breaks.toNextBoundary()) {
        check(at);
    }
}

// A Thai text breaks its lines only between words, as the dictionary finds
// them: every place where Qt may break inside a run of Thai letters is where
// a word begins. The marks that only steer line breaks (zero-width spaces,
// word joiners) are no letters: a break at one inside a word is inside it.
void expectThaiBreaksBetweenWords(const QLabel* label) {
    const QString shown = label->text();
    QString read;              // the text without those marks
    std::vector<qsizetype> at; // where each of its characters is in `shown`
    for (qsizetype i = 0; i < shown.size(); ++i) {
        if (shown.at(i) != QChar(0x200B) && shown.at(i) != QChar(0x2060)) {
            read += shown.at(i);
            at.push_back(i);
        }
    }
    const auto words = thaiWordStarts(read);
    if (!words) {
        return; // no dictionary on this system to hold the breaks against
    }
    forEachLineBreak(shown, [&](qsizetype p) {
        const auto next =
            static_cast<qsizetype>(std::lower_bound(at.begin(), at.end(), p) - at.begin());
        if (next > 0 && next < read.size() && read.at(next - 1).script() == QChar::Script_Thai &&
            read.at(next).script() == QChar::Script_Thai) {
            EXPECT_TRUE(words->contains(next))
                << nameOf(label)
                << " may break inside a Thai word: " << read.left(next).toStdString() << " / "
                << read.mid(next).toStdString();
        }
    });
}

// The text a label shows needs no more room than the label has.
void expectTextFits(const QLabel* label) {
    if (label->text().isEmpty()) {
        return;
    }
    const QFontMetrics metrics(label->font());
    const QRect room = label->contentsRect();
    if (label->wordWrap()) {
        const QRect needed = metrics.boundingRect(QRect(0, 0, room.width(), 100000),
                                                  Qt::TextWordWrap, label->text());
        EXPECT_LE(needed.height(), room.height()) << nameOf(label) << " loses wrapped lines";
        // A text that finds nowhere to break (Thai without its dictionary)
        // runs out at the right.
        EXPECT_LE(needed.width(), room.width()) << nameOf(label) << " has a line too long to wrap";
        expectThaiBreaksBetweenWords(label);
    } else {
        EXPECT_LE(metrics.horizontalAdvance(label->text()), room.width())
            << nameOf(label) << " is cut at the right";
        EXPECT_LE(lineHeightOf(metrics, label->text()), room.height())
            << nameOf(label) << " is cut at the bottom";
    }
}

void expectControlTextFits(const QWidget* w) {
    const QFontMetrics metrics(w->font());
    if (auto* button = qobject_cast<const QPushButton*>(w)) {
        QString text = button->text();
        text.remove(QLatin1Char('&'));
        const int frame = 2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin);
        EXPECT_LE(metrics.horizontalAdvance(text) + frame, button->width()) << nameOf(w);
        EXPECT_LE(lineHeightOf(metrics, text) + 4, button->height()) << nameOf(w);
    } else if (auto* list = qobject_cast<const QComboBox*>(w)) {
        int widest = 0;
        for (int i = 0; i < list->count(); ++i) {
            widest = std::max(widest, metrics.horizontalAdvance(list->itemText(i)));
        }
        const int arrow = list->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        EXPECT_LE(widest + arrow, list->width()) << nameOf(w) << " cuts an entry";
        EXPECT_LE(metrics.height(), list->height()) << nameOf(w);
    } else if (auto* box = qobject_cast<const QGroupBox*>(w)) {
        EXPECT_LE(metrics.horizontalAdvance(box->title()), box->width()) << nameOf(w);
    } else if (auto* edit = qobject_cast<const QLineEdit*>(w)) {
        EXPECT_LE(metrics.height() + 2, edit->height()) << nameOf(w) << " cuts what is typed";
    } else if (auto* label = qobject_cast<const QLabel*>(w)) {
        expectTextFits(label);
    }
}

// Children of one parent that are meant to share a place: the two banners.
bool sharePlaceByDesign(const QWidget* a, const QWidget* b) {
    return qobject_cast<const LinkLabel*>(a) && qobject_cast<const LinkLabel*>(b) &&
           a->geometry() == b->geometry();
}

void expectNoOverlap(const QWidget* parent) {
    QList<const QWidget*> shown;
    for (const QObject* child : parent->children()) {
        const auto* w = qobject_cast<const QWidget*>(child);
        // The hidden Print button lies outside the client area by design.
        if (w && !w->isWindow() && w->isVisibleTo(parent) &&
            parent->rect().intersects(w->geometry())) {
            shown << w;
        }
    }
    for (int i = 0; i < shown.size(); ++i) {
        for (int j = i + 1; j < shown.size(); ++j) {
            if (!sharePlaceByDesign(shown[i], shown[j])) {
                EXPECT_FALSE(shown[i]->geometry().intersects(shown[j]->geometry()))
                    << nameOf(shown[i]) << " overlaps " << nameOf(shown[j]);
            }
        }
        expectNoOverlap(shown[i]);
    }
}

void expectEverythingFits(QWidget* window) {
    window->show();
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        expectControlTextFits(w);
    }
    expectNoOverlap(window->findChild<QWidget*>(QStringLiteral("client")));
}

// The famous people's list may break between names, or at a blank inside a
// name written with blanks, never inside a name: wherever Qt may break it,
// so at the label's width and at any other.
void expectNamesKeptWhole(const QLabel* list) {
    const QString text = list->text();
    const QString separator =
        QCoreApplication::translate("FamousPeople", ", ",
                                    "Between two names of the famous people's list")
            .trimmed();
    forEachLineBreak(text, [&](qsizetype at) {
        EXPECT_TRUE(text.at(at - 1).isSpace() || QStringView(text).left(at).endsWith(separator))
            << "may break inside a name: " << text.left(at).toStdString() << " / "
            << text.mid(at).toStdString();
    });
}

class WindowFit : public testing::Test {
protected:
    void SetUp() override {
        const QByteArray family = qgetenv("QYAC_FIT_FAMILY");
        if (!family.isEmpty()) {
            const QString drawn = QFontInfo(look::font()).family();
            ASSERT_TRUE(drawn.startsWith(QString::fromUtf8(family)))
                << drawn.toStdString() << " is drawn, not the font this run is meant to try";
        }
        if (!qEnvironmentVariableIsEmpty("QYAC_TEST_LANGUAGE")) {
            ASSERT_NE(look::windowCaption(), QStringLiteral("QY Amoret Chart v1.0"))
                << "the run meant to be translated is in English";
        }
        const QByteArray dpi = qgetenv("QT_FONT_DPI");
        if (!dpi.isEmpty()) {
            ASSERT_EQ(QGuiApplication::primaryScreen()->logicalDotsPerInchY(), dpi.toDouble());
        }
    }
};

} // namespace

TEST_F(WindowFit, main_window) {
    engine::ReadingRecord record;
    FakePrompter prompter;
    frmMain window(record, prompter);
    expectEverythingFits(&window);
}

// Each sign's reading, with the longest paragraph: how many lines a list of
// names takes depends on where its lines break, not only on its length.
TEST_F(WindowFit, result_window_with_each_signs_reading) {
    const std::string element = longestParagraphElement();
    const auto famous = std::find_if(kResultRows.begin(), kResultRows.end(), [](const auto& row) {
        return row.field == &engine::ReadingRecord::FamousPeople;
    });
    const int famousPeopleRow = static_cast<int>(famous - kResultRows.begin());
    for (const std::string_view sign : engine::kAnimals) {
        SCOPED_TRACE(std::string(sign));
        engine::ReadingRecord record;
        engine::ChineseZodiacDescription(record, element, std::string(sign));
        FakePrinterChooser printers;
        frmPeachBlossomResult window(record, printers);
        expectEverythingFits(&window);
        expectNamesKeptWhole(lblResult(window, famousPeopleRow));
        // The picture grows with the layout, so it keeps its place beside the rows.
        EXPECT_EQ(control<QLabel>(window, "picSign")->pixmap().deviceIndependentSize().toSize(),
                  control<QLabel>(window, "picSign")->size());
    }
}

TEST_F(WindowFit, about_box) {
    frmAbout about;
    expectEverythingFits(&about);
}

TEST_F(WindowFit, design_font_at_96_dpi_keeps_the_designed_pixels) {
    const QFontInfo drawn(look::font());
    if (QGuiApplication::primaryScreen()->logicalDotsPerInchY() != 96 ||
        drawn.family() != QLatin1String("DejaVu Sans") ||
        !qEnvironmentVariableIsEmpty("QYAC_TEST_LANGUAGE")) {
        GTEST_SKIP() << "not the design font at 96 dpi in English";
    }
    EXPECT_EQ(look::layoutScale(), 1.0);
    engine::ReadingRecord record;
    FakePrompter prompter;
    frmMain window(record, prompter);
    EXPECT_EQ(window.size(), QSize(506, 310));
    EXPECT_EQ(control<QComboBox>(window, "cboMonth")->geometry(), QRect(117, 46, 87, 21));
}

TEST_F(WindowFit, another_font_or_dpi_grows_the_whole_design_by_one_factor) {
    const qreal scale = look::layoutScale();
    EXPECT_GE(scale, 1.0);
    engine::ReadingRecord record;
    FakePrompter prompter;
    frmMain window(record, prompter);
    // Twips 7590 x 4650 are 506 x 310 pixels at the design font.
    EXPECT_NEAR(window.width(), 506 * scale, 1);
    EXPECT_NEAR(window.height(), 310 * scale, 1);
    FakePrinterChooser printers;
    frmPeachBlossomResult result(record, printers);
    EXPECT_NEAR(control<QLabel>(result, "picSign")->width(), 200 * scale, 1);
    EXPECT_EQ(control<QLabel>(result, "picSign")->width(),
              control<QLabel>(result, "picSign")->height());
}
