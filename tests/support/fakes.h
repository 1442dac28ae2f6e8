// Test doubles for the program's seams: each records what the program asked
// for and answers as the test says.
#pragma once

#include "printer_chooser.h"
#include "prompter.h"
#include "random_source.h"

#include <QPrinter>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <memory>

class FakePrompter final : public Prompter {
public:
    struct Shown {
        QString text;
        bool yesNo;
    };
    void inform(const QString& text) override {
        shown.push_back({text, false});
        if (onShow) {
            onShow();
        }
    }
    bool askYesNo(const QString& text) override {
        shown.push_back({text, true});
        if (onShow) {
            onShow();
        }
        if (answers.empty()) {
            return false;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    QStringList texts() const {
        QStringList all;
        for (const auto& s : shown) {
            all << s.text;
        }
        return all;
    }
    std::vector<Shown> shown;
    std::deque<bool> answers; // for askYesNo; No when empty
    std::function<void()> onShow;
};

class FakeRandom final : public RandomSource {
public:
    explicit FakeRandom(double r = 0.0) : value(r) {}
    void seedFromClock() override { ++seeds; }
    double draw() override {
        ++draws;
        return value;
    }
    double value;
    int draws = 0;
    int seeds = 0;
};

// Prints to a PDF file instead of asking; or cancels.
class FakePrinterChooser final : public PrinterChooser {
public:
    std::unique_ptr<QPagedPaintDevice> choose(QWidget*) override {
        ++asked;
        if (pdfPath.isEmpty()) {
            return nullptr;
        }
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdfPath);
        return printer;
    }
    QString pdfPath; // empty: the user cancels
    int asked = 0;
};
