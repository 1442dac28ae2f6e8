#include "reading_print.h"

#include "modal_watchdog.h"
#include "printed_page.h"
#include "printer_chooser.h"

#include "reading_computation.h"
#include "reading_record.h"

#include <QFile>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace {

int pdfPages(const QString& pdf) {
    const QString info = runPopplerTool(QStringLiteral("pdfinfo"), {pdf}).value_or(QString());
    const auto match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// pdfimages -list prints two header lines, then one line per picture.
int pdfPictures(const QString& pdf) {
    const QString list = runPopplerTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf})
                             .value_or(QString());
    // Two header lines, then one line per image; a picture's transparency
    // mask ("smask") is part of the same picture.
    int pictures = 0;
    for (const QString& line : list.split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(2)) {
        pictures +=
            line.split(QLatin1Char(' '), Qt::SkipEmptyParts).value(2) == QLatin1String("image");
    }
    return pictures;
}

struct WordPlace {
    QRectF box;       // in points, from the page's top left
    qreal pageHeight; // in points
};

// Where the page's first word with this exact text was drawn.
std::optional<WordPlace> wordPlace(const QString& pdf, const QString& word) {
    const QString html = runPopplerTool(QStringLiteral("pdftotext"),
                                        {QStringLiteral("-bbox"), pdf, QStringLiteral("-")})
                             .value_or(QString());
    const auto page =
        QRegularExpression(QStringLiteral("<page width=\"[\\d.]+\" height=\"([\\d.]+)\""))
            .match(html);
    const auto at = QRegularExpression(QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" "
                                                      "xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">") +
                                       QRegularExpression::escape(word) + QStringLiteral("</word>"))
                        .match(html);
    if (!page.hasMatch() || !at.hasMatch()) {
        return std::nullopt;
    }
    return WordPlace{QRectF(QPointF(at.captured(1).toDouble(), at.captured(2).toDouble()),
                            QPointF(at.captured(3).toDouble(), at.captured(4).toDouble())),
                     page.captured(1).toDouble()};
}

engine::ReadingRecord rabbitReading() {
    engine::ReadingRecord record;
    engine::ComputeReading(record, "Zebulon Quixote", "5", "March", "1975");
    return record;
}

QString q(const std::string& s) {
    return QString::fromStdString(s).simplified();
}

class PrintReading : public testing::TestWithParam<QPrinter::PrinterMode> {
protected:
    void SetUp() override {
        if (!havePoppler()) {
            GTEST_SKIP() << "poppler-utils (pdftotext, pdfinfo, pdfimages) not installed";
        }
        ASSERT_TRUE(dir_.isValid());
    }

    // Prints to a PDF in the test's own folder and returns its path.
    QString print(const engine::ReadingRecord& record,
                  const QPageSize& size = QPageSize(QPageSize::A4)) {
        const QString pdf = dir_.filePath(QStringLiteral("reading.pdf"));
        QPrinter printer(GetParam());
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(size);
        printReading(printer, record);
        return pdf;
    }

    QTemporaryDir dir_;
};

TEST_P(PrintReading, page_holds_the_title_and_every_captioned_value_in_the_window_order) {
    const engine::ReadingRecord record = rabbitReading();
    ASSERT_EQ(record.Animal, "Rabbit");
    const QString text = pdfText(print(record));

    EXPECT_TRUE(text.contains(QStringLiteral("QY Amoret Chart v1.0"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Rabbit")));
    EXPECT_TRUE(text.contains(QStringLiteral("North (337.6 degrees to 22.5 degrees)")));
    EXPECT_TRUE(text.contains(QStringLiteral("Place a statue or picture of a rat here")));
    EXPECT_TRUE(text.contains(QStringLiteral("Tina Turner, Sally Ride, Michael Jordan")));
    // Every value the window shows, the wrapped ones included.
    for (const std::string* value :
         {&record.Animal, &record.RomanceDirection, &record.PeachBlossomAdvice, &record.Element,
          &record.ElementText, &record.RulingPlanet, &record.MostCompatible,
          &record.LeastCompatible, &record.FavourableSeason, &record.FavourableMonth,
          &record.LuckyColor, &record.GemStone, &record.Energy, &record.FamousPeople}) {
        EXPECT_TRUE(text.contains(q(*value))) << *value;
    }
    qsizetype previous = -1;
    for (const char* caption :
         {"Chinese Sign", "Romance Direction", "Peach Blossom Advice", "Chinese Element",
          "Ruling Planet", "Most Compatible", "Least Compatible", "Favourable Seasons",
          "Favourable Month", "Lucky Color", "GemStone", "Energy", "Famous People"}) {
        const qsizetype at = text.indexOf(QLatin1String(caption));
        EXPECT_GT(at, previous) << caption << " missing or out of order";
        previous = at;
    }
}

TEST_P(PrintReading, page_never_shows_the_name_or_birth_date) {
    const QString text = pdfText(print(rabbitReading()));
    ASSERT_FALSE(text.isEmpty());
    EXPECT_FALSE(text.contains(QStringLiteral("Zebulon")));
    EXPECT_FALSE(text.contains(QStringLiteral("Quixote")));
    EXPECT_FALSE(text.contains(QStringLiteral("1975")));
}

TEST_P(PrintReading, reading_fills_exactly_one_page_with_the_sign_picture) {
    const QString pdf = print(rabbitReading());
    EXPECT_EQ(pdfPages(pdf), 1);
    EXPECT_EQ(pdfPictures(pdf), 1);
    // PDF output has no margin of its own; the page keeps 15 mm (42.5 pt) clear.
    const auto title = wordPlace(pdf, QStringLiteral("QY"));
    ASSERT_TRUE(title.has_value());
    EXPECT_GE(title->box.left(), 42.0);
    EXPECT_GE(title->box.top(), 42.0);
}

// Sign number 0 is what an unmatched sign leaves; the page goes out without a picture.
TEST_P(PrintReading, reading_without_a_sign_prints_without_a_picture) {
    engine::ReadingRecord record = rabbitReading();
    record.SignNumber = 0;
    const QString pdf = print(record);
    EXPECT_EQ(pdfPages(pdf), 1);
    EXPECT_EQ(pdfPictures(pdf), 0);
    EXPECT_TRUE(pdfText(pdf).contains(QStringLiteral("North (337.6 degrees to 22.5 degrees)")));

    record.SignNumber = 13;
    EXPECT_EQ(pdfPictures(print(record)), 0);
}

// A small sheet or overlong texts shrink the page instead of spilling onto a
// second sheet or losing the end of the reading.
TEST_P(PrintReading, overlong_reading_on_a_small_sheet_stays_on_one_page_and_whole) {
    engine::ReadingRecord record = rabbitReading();
    QString people;
    for (int i = 1; i <= 60; ++i) {
        people += QStringLiteral("Famous Person Number%1, ").arg(i);
    }
    people += QStringLiteral("The Very Last One");
    record.FamousPeople = people.toStdString();
    const QString pdf = print(record, QPageSize(QPageSize::A6));

    EXPECT_EQ(pdfPages(pdf), 1);
    const QString text = pdfText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("The Very Last One"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("QY Amoret Chart v1.0")));
    // Shrunk only as far as needed: the reading still reaches well down the sheet.
    const auto last = wordPlace(pdf, QStringLiteral("Last"));
    ASSERT_TRUE(last.has_value());
    EXPECT_GT(last->box.bottom(), 0.75 * last->pageHeight);
    EXPECT_LT(last->box.bottom(), last->pageHeight);
}

INSTANTIATE_TEST_SUITE_P(PrinterResolutions, PrintReading,
                         testing::Values(QPrinter::HighResolution, QPrinter::ScreenResolution),
                         [](const testing::TestParamInfo<QPrinter::PrinterMode>& info) {
                             return std::string(info.param == QPrinter::HighResolution ? "High"
                                                                                       : "Screen");
                         });

TEST(PrintReadingFailure, printer_that_cannot_start_is_left_alone) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pdf = dir.filePath(QStringLiteral("no-such-folder/reading.pdf"));
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printReading(printer, rabbitReading());
    EXPECT_FALSE(QFile::exists(pdf));
}

// The real chooser: accepted, the print dialog hands over its high-resolution
// printer; cancelled, no printer.
TEST(PrintDialogChooser, dialog_hands_over_its_printer_or_none) {
    QWidget window;
    PrintDialogChooser chooser;
    for (const bool accept : {true, false}) {
        SCOPED_TRACE(accept ? "accepted" : "cancelled");
        QPrinter* dialogPrinter = nullptr;
        ModalWatchdog watchdog([&](QWidget* modal) {
            auto* shown = qobject_cast<QPrintDialog*>(modal);
            if (shown && shown->parentWidget() == &window) {
                dialogPrinter = shown->printer();
                accept ? shown->accept() : shown->reject();
            }
        });
        const std::unique_ptr<QPagedPaintDevice> printer = chooser.choose(&window);
        ASSERT_NE(dialogPrinter, nullptr) << "no print dialog over the window";
        EXPECT_EQ(watchdog.expired, 0);
        if (accept) {
            ASSERT_EQ(printer.get(), dialogPrinter);
            EXPECT_EQ(dialogPrinter->resolution(), QPrinter(QPrinter::HighResolution).resolution());
        } else {
            EXPECT_EQ(printer, nullptr);
        }
    }
}

} // namespace
