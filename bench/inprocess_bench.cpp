// In-process timings under the offscreen platform: showing the main window,
// the click on cmdProceed until the result window is painted, Back until the
// new main window is painted, and the lunar year lookup over every day of
// the table.
//
// "Painted" means: the window's first paint event has been handled and
// control has come back to the event loop. Qt paints a widget tree and
// flushes it to the backing store in one pass, so by then every control of
// the window has drawn itself into the surface the platform shows. The
// windows are timed by hand (UseManualTime) so that building and tearing
// down around each step stays out of the figure.
#include "app_controller.h"
#include "controls.h"
#include "fakes.h"
#include "frm_main.h"
#include "frm_peach_blossom_result.h"
#include "lunar_year_table.h"
#include "paint_wait.h"
#include "reading_computation.h"
#include "reading_record.h"
#include "run_application.h"
#include "shell_fakes.h"
#include "web_links.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPixmapCache>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include <chrono>
#include <optional>

namespace {

void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

struct Seams {
    engine::ReadingRecord record;
    FakePrompter prompter;
    FakePrinterChooser printers; // cancels
    FakeUrlOpener browser;
    WebLinks links{browser};
    FakeProcessEnd processEnd;
    AppController controller{record, prompter, printers, links, processEnd};
};

// A main window with a valid reading typed in, shown and painted; null if
// it was never painted.
frmMain* readyMainWindow(Seams& seams) {
    frmMain* main = seams.controller.showMain();
    control<QLineEdit>(main, "txtName")->setText(QStringLiteral("Li Wei"));
    control<QComboBox>(main, "cboDate")->setCurrentIndex(4);
    control<QComboBox>(main, "cboMonth")->setCurrentIndex(2);
    control<QComboBox>(main, "cboYear")->setCurrentText(QStringLiteral("1975"));
    return waitUntilPainted(main) ? main : nullptr;
}

// The first click of the process is the one a user meets: the result
// window's fonts, the picture plugin and the menu bar are all cold. It is
// reported apart from the steady figure, when no other benchmark clicked
// before it.
bool clickedBefore = false;
std::optional<double> firstClickMs;

void BM_ShowMainWindow(benchmark::State& state) {
    engine::ReadingRecord record;
    FakePrompter prompter;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        auto* window = new frmMain(record, prompter);
        window->show();
        const bool painted = waitUntilPainted(window);
        state.SetIterationTime(secondsSince(start));
        delete window;
        if (!painted) {
            state.SkipWithError("the main window was never painted");
            break;
        }
    }
}
BENCHMARK(BM_ShowMainWindow)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_ClickToPaintedResult(benchmark::State& state) {
    Seams seams;
    for (auto _ : state) {
        frmMain* main = readyMainWindow(seams);
        if (!main) {
            state.SkipWithError("the main window was never painted");
            break;
        }
        // Every click decodes its sign picture afresh, as the first reading
        // of each sign does.
        QPixmapCache::clear();

        const auto start = std::chrono::steady_clock::now();
        control<QPushButton>(main, "cmdProceed")->click();
        frmPeachBlossomResult* result = seams.controller.resultWindow();
        const bool painted = result && waitUntilPainted(result);
        const double seconds = secondsSince(start);
        state.SetIterationTime(seconds);
        if (!clickedBefore) {
            firstClickMs = seconds * 1000.0;
        }
        clickedBefore = true;

        delete result;
        flushDeletes();
        if (!painted) {
            state.SkipWithError("no result window was painted after the click");
            break;
        }
    }
    if (firstClickMs) {
        state.counters["first_click_ms"] = *firstClickMs;
    }
}
BENCHMARK(BM_ClickToPaintedResult)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_BackToPaintedMain(benchmark::State& state) {
    Seams seams;
    for (auto _ : state) {
        frmMain* main = readyMainWindow(seams);
        if (!main) {
            state.SkipWithError("the main window was never painted");
            break;
        }
        control<QPushButton>(main, "cmdProceed")->click();
        clickedBefore = true;
        frmPeachBlossomResult* result = seams.controller.resultWindow();
        if (!result || !waitUntilPainted(result)) {
            state.SkipWithError("no result window to go back from");
            break;
        }
        flushDeletes();

        const auto start = std::chrono::steady_clock::now();
        control<QPushButton>(result, "cmdBack")->click();
        frmMain* back = seams.controller.mainWindow();
        const bool painted = back && waitUntilPainted(back);
        state.SetIterationTime(secondsSince(start));

        delete back;
        flushDeletes();
        if (!painted) {
            state.SkipWithError("no main window was painted after Back");
            break;
        }
    }
}
BENCHMARK(BM_BackToPaintedMain)->UseManualTime()->Unit(benchmark::kMillisecond);

// 1 January 1936 to 31 December 2008, both included.
constexpr int kTableDays = 26664;

void BM_LookupEveryDay(benchmark::State& state) {
    const engine::CalendarDate first = engine::makeDate(1936, 1, 1);
    for (int d = 0; d < kTableDays; ++d) {
        if (!engine::findLunarYear(first + std::chrono::days{d})) {
            state.SkipWithError("a day of the table has no lunar year");
            return;
        }
    }
    for (auto _ : state) {
        for (int d = 0; d < kTableDays; ++d) {
            const engine::LunarYearRow* row = engine::findLunarYear(first + std::chrono::days{d});
            benchmark::DoNotOptimize(row);
        }
    }
    const auto lookups = static_cast<double>(state.iterations()) * kTableDays;
    state.SetItemsProcessed(static_cast<std::int64_t>(lookups));
    // The inverse of the lookup rate: the time one lookup takes.
    state.counters["per_lookup"] =
        benchmark::Counter(lookups, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_LookupEveryDay)->Unit(benchmark::kMicrosecond);

void BM_ComputeReading(benchmark::State& state) {
    engine::ReadingRecord record;
    for (auto _ : state) {
        engine::ComputeReading(record, "  Li Wei  ", "5", "March", "1975");
        benchmark::DoNotOptimize(record.SignNumber);
    }
}
BENCHMARK(BM_ComputeReading)->Unit(benchmark::kNanosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    // Set up as the program is before its first window.
    const ApplicationSetup setup;

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
