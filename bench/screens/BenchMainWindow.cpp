// The main window on History: from the request to the first painted frame,
// empty, with 1000 long entries and with a year's 20,000 (the first two also
// side by side, one open after the other, for their ratio), and the paint of
// one scroll step through 1000 entries.
#include "BenchReport.h"
#include "core/AppState.h"
#include "design/Onest.h"
#include "screens/HistoryScreen.h"
#include "screens/MainView.h"

#include "FakeClock.h"
#include "TempDataDir.h"

#include <QApplication>
#include <QImage>
#include <QScrollBar>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

const QDateTime now(QDate(2026, 3, 14), QTime(16, 40));

QString longText(int i)
{
    QString text = QStringLiteral("Entry %1. ").arg(i);
    for (int k = 0; k < 8; ++k)
        text += QStringLiteral("We went over the quarterly plan line by line, agreed on the numbers for the new office, "
                               "and said we would meet again on Thursday with the final figures. ");
    return text;
}

std::unique_ptr<AppState> stateWith(Clock& clock, int entries)
{
    auto state = std::make_unique<AppState>(clock);
    QList<HistoryEntry> list;
    for (int i = 0; i < entries; ++i) {
        HistoryEntry e;
        e.text = longText(i);
        e.date = now.addSecs(-i * 1800);
        e.appName = QStringLiteral("Slack");
        e.duration = 40;
        e.latency = 1.5;
        list << e;
    }
    state->updateHistory([&list](History& history) { history.entries = list; });
    return state;
}

// Builds the view, shows it and paints its first frame.
std::unique_ptr<MainView> openAndPaint(AppState& state, QImage& frame)
{
    auto view = std::make_unique<MainView>(state, state.actions(), MainView::PanelFactory(), true);
    view->resize(1200, 800);
    view->show();
    view->render(&frame);
    return view;
}

void openToFirstFrame(benchmark::State& bench)
{
    TempDataDir data;
    FakeClock clock(now);
    auto state = stateWith(clock, int(bench.range(0)));
    QImage frame(1200, 800, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : bench) {
        auto view = openAndPaint(*state, frame);
        bench.PauseTiming();
        view.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        bench.ResumeTiming();
    }
}

// Empty and with 1000 entries opened by turns, each timed by the interface
// thread's CPU: whatever else the machine does falls on both alike, and the
// medians of many turns leave out the turns it struck.
void openSideBySide(benchmark::State& bench)
{
    TempDataDir data;
    FakeClock clock(now);
    auto empty = stateWith(clock, 0);
    auto full = stateWith(clock, 1000);
    QImage frame(1200, 800, QImage::Format_ARGB32_Premultiplied);
    std::vector<double> emptyMs;
    std::vector<double> fullMs;
    auto open = [&frame](AppState& state) {
        const double before = BenchReport::threadCpuMs();
        auto view = openAndPaint(state, frame);
        const double spent = BenchReport::threadCpuMs() - before;
        view.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return spent;
    };
    for (auto _ : bench) {
        emptyMs.push_back(open(*empty));
        fullMs.push_back(open(*full));
    }
    bench.counters["empty_cpu_ms"] = BenchReport::median(emptyMs);
    bench.counters["full_cpu_ms"] = BenchReport::median(fullMs);
    bench.counters["ratio"] = BenchReport::median(fullMs) / BenchReport::median(emptyMs);
}

void scrollStep(benchmark::State& bench)
{
    TempDataDir data;
    FakeClock clock(now);
    auto state = stateWith(clock, 1000);
    QImage frame(1200, 800, QImage::Format_ARGB32_Premultiplied);
    auto view = openAndPaint(*state, frame);
    auto* screen = qobject_cast<HistoryScreen*>(view->screen());
    QScrollBar* bar = screen->list()->verticalScrollBar();
    QWidget* viewport = screen->list()->viewport();
    QImage shown(viewport->size(), QImage::Format_ARGB32_Premultiplied);
    // One notch of a mouse wheel: three lines.
    const int step = bar->singleStep() * QApplication::wheelScrollLines();
    for (auto _ : bench) {
        if (bar->value() >= bar->maximum()) {
            bench.PauseTiming();
            bar->setValue(0);
            bench.ResumeTiming();
        }
        bar->setValue(bar->value() + step);
        viewport->render(&shown);
    }
    bench.counters["built"] = screen->list()->builtCount();
}

} // namespace

BENCHMARK(openToFirstFrame)->Arg(0)->Arg(1000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(openSideBySide)->Iterations(31)->Unit(benchmark::kMillisecond);
BENCHMARK(scrollStep)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    Onest::registerFaces();
    BenchReport::run(argc, argv);
    // Work of the interface thread, timed by its own CPU time (the real times
    // are printed above).
    const std::string& cpu = BenchReport::cpuTime;
    const QString ms = QStringLiteral("ms");
    // The window opens in under ten milliseconds of the thread's time, a
    // year of dictation too (only the cards in sight are built): goals near
    // three times that catch a regression long before a user would.
    BenchReport::headline(QStringLiteral("main window open to first frame, 1000 long entries, CPU"), "openToFirstFrame/1000",
                          cpu, ms, BenchReport::atMost(25));
    BenchReport::headline(QStringLiteral("main window open to first frame, 20,000 entries, CPU"), "openToFirstFrame/20000",
                          cpu, ms, BenchReport::atMost(30));
    BenchReport::headline(QStringLiteral("main window open, 1000 entries next to none, CPU, side by side"),
                          "openSideBySide", "ratio", QStringLiteral("×"), BenchReport::atMost(3));
    BenchReport::headline(QStringLiteral("one scroll step through 1000 entries, CPU"), "scrollStep", cpu, ms,
                          BenchReport::atMost(8));
    return BenchReport::finish();
}
