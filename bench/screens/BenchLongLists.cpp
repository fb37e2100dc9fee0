// The screens with the lists a daily user builds up: a word or snippet added
// and deleted among thousands, from the action to the repainted frame; the
// Vocabulary tabs opened with those lists; and one key typed into the search
// over a year of History (20,000 entries), to the repainted list: on average,
// and the first key of a search, which alone looks through every entry, typed
// into the sidebar's field from each screen (beside the same key over 60
// entries).
#include "core/AppState.h"
#include "design/Onest.h"
#include "design/components/SIconButton.h"
#include "design/components/SInput.h"
#include "screens/HistoryScreen.h"
#include "screens/MainView.h"
#include "screens/SnippetRow.h"
#include "screens/SnippetsTab.h"
#include "screens/VocabularyScreen.h"
#include "screens/WordRow.h"
#include "screens/WordsTab.h"

#include "BenchReport.h"
#include "FakeClock.h"
#include "TempDataDir.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <QTest>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>
#include <memory>

namespace {

const QDateTime now(QDate(2026, 3, 14), QTime(16, 40));
void fail(benchmark::State& bench, const QString& why)
{
    bench.SkipWithError(qPrintable(why));
}

QList<VocabularyWord> words(int count)
{
    QList<VocabularyWord> list;
    for (int i = 0; i < count; ++i)
        list.append({QUuid::createUuid(), QStringLiteral("Term%1").arg(i), i % 3 ? QString() : QStringLiteral("uz-UZ")});
    return list;
}

QList<Snippet> snippets(int count)
{
    QList<Snippet> list;
    for (int i = 0; i < count; ++i)
        list.append({QUuid::createUuid(), QStringLiteral("trigger %1").arg(i),
                     QStringLiteral("The full text of snippet %1, long enough to wrap onto a second line in the row "
                                    "at this width, as addresses and signatures do.")
                         .arg(i)});
    return list;
}

// The screen as the main window shows it, with the lists in the settings.
struct VocabularyRig
{
    TempDataDir dir;
    FakeClock clock{now};
    AppState state{clock};
    AppActions actions;
    QImage frame{980, 760, QImage::Format_ARGB32_Premultiplied};

    VocabularyRig(int wordCount, int snippetCount)
    {
        state.updateConfig([&](Config& c) {
            c.vocabulary = words(wordCount);
            c.snippets = snippets(snippetCount);
        });
    }

    std::unique_ptr<VocabularyScreen> open(VocabularyScreen::Tab tab)
    {
        auto screen = std::make_unique<VocabularyScreen>(state, actions, nullptr, tab);
        screen->resize(frame.size());
        screen->show();
        paint(*screen);
        return screen;
    }

    // Lets the posted layout and deletions run, as the event loop would,
    // then paints the whole frame.
    void paint(QWidget& screen)
    {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        screen.render(&frame);
    }
};

template <class Row>
Row* topRow(QWidget& screen)
{
    Row* top = nullptr;
    for (Row* row : screen.findChildren<Row*>())
        if (row->isVisible() && (!top || row->y() < top->y()))
            top = row;
    return top;
}

void openTab(benchmark::State& bench, VocabularyScreen::Tab tab)
{
    VocabularyRig rig(3000, 1000);
    for (auto _ : bench) {
        auto screen = rig.open(tab);
        bench.PauseTiming();
        screen.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        bench.ResumeTiming();
    }
}

void openWords(benchmark::State& bench)
{
    openTab(bench, VocabularyScreen::Tab::words);
}

void openSnippets(benchmark::State& bench)
{
    openTab(bench, VocabularyScreen::Tab::snippets);
}

// One add (through the input and the Add button) and one delete (the top
// row's button), each timed from the action to the repainted frame.
void addAndDeleteWord(benchmark::State& bench)
{
    VocabularyRig rig(3000, 0);
    auto screen = rig.open(VocabularyScreen::Tab::words);
    auto* tab = qobject_cast<WordsTab*>(screen->tabContent());
    auto* input = screen->findChild<SInput*>(QStringLiteral("wordInput"));
    const bool deleting = bench.range(0) == 1;
    int n = 0;
    for (auto _ : bench) {
        if (deleting)
            bench.PauseTiming();
        input->setText(QStringLiteral("Fresh%1").arg(n++));
        tab->addWords();
        rig.paint(*screen);
        if (deleting)
            bench.ResumeTiming();
        else
            bench.PauseTiming();
        WordRow* top = topRow<WordRow>(*screen);
        if (!top || top->word().word != QStringLiteral("Fresh%1").arg(n - 1)) {
            fail(bench, QStringLiteral("the added word is not the top row"));
            return;
        }
        QTest::mouseClick(top->findChild<SIconButton*>(QStringLiteral("deleteWord")), Qt::LeftButton);
        rig.paint(*screen);
        if (!deleting)
            bench.ResumeTiming();
    }
    bench.counters["rows_built"] = double(screen->findChild<QWidget*>(QStringLiteral("wordRows"))->children().size());
    bench.counters["widgets"] = double(screen->findChildren<QWidget*>().size());
    if (rig.state.config().vocabulary.size() != 3000)
        fail(bench, QStringLiteral("the list did not come back to 3000 words"));
}

void addAndDeleteSnippet(benchmark::State& bench)
{
    VocabularyRig rig(0, 1000);
    auto screen = rig.open(VocabularyScreen::Tab::snippets);
    auto* tab = qobject_cast<SnippetsTab*>(screen->tabContent());
    auto* trigger = screen->findChild<SInput*>(QStringLiteral("triggerInput"));
    auto* text = screen->findChild<SInput*>(QStringLiteral("snippetInput"));
    const bool deleting = bench.range(0) == 1;
    int n = 0;
    for (auto _ : bench) {
        if (deleting)
            bench.PauseTiming();
        trigger->setText(QStringLiteral("fresh %1").arg(n++));
        text->setText(QStringLiteral("A new snippet's text"));
        tab->add();
        rig.paint(*screen);
        if (deleting)
            bench.ResumeTiming();
        else
            bench.PauseTiming();
        SnippetRow* top = topRow<SnippetRow>(*screen);
        if (!top || top->snippet().trigger != QStringLiteral("fresh %1").arg(n - 1)) {
            fail(bench, QStringLiteral("the added snippet is not the top row"));
            return;
        }
        QTest::mouseClick(top->findChild<SIconButton*>(QStringLiteral("deleteSnippet")), Qt::LeftButton);
        rig.paint(*screen);
        if (!deleting)
            bench.ResumeTiming();
    }
    if (rig.state.config().snippets.size() != 1000)
        fail(bench, QStringLiteral("the list did not come back to 1000 snippets"));
}

// A year of daily dictation: 20,000 entries of about 380 characters, some in
// Russian and with accents, 55 a day.
QList<HistoryEntry> year(int count = 20000)
{
    const QStringList texts{
        QStringLiteral("We went over the quarterly plan line by line and agreed on the numbers for the new office. "),
        QStringLiteral("Bugun jamoa bilan yangi rejani muhokama qildik va mijozga xat yozdik, keyin sprint rejasini tuzdik. "),
        QStringLiteral("Сегодня обсудили с командой новый план и написали письмо клиенту о сроках поставки. "),
        QStringLiteral("The café on the corner sends the invoice on Friday; remind Zoë about the résumé. "),
    };
    const QStringList apps{QStringLiteral("Slack"), QStringLiteral("Telegram"), QStringLiteral("Mail"), QString()};
    QList<HistoryEntry> list;
    list.reserve(count);
    for (int i = 0; i < count; ++i) {
        HistoryEntry e;
        e.text = QStringLiteral("Note %1. ").arg(i) + texts.at(i % 4) + texts.at((i / 4) % 4) + texts.at((i / 16) % 4)
            + texts.at((i / 64) % 4);
        e.date = now.addSecs(-qint64(i) * 1571);
        if (!apps.at(i % 4).isEmpty())
            e.appName = apps.at(i % 4);
        e.duration = 30;
        e.latency = 1.2;
        list << e;
    }
    return list;
}

// One key of a word typed and then erased again, each to the repainted list.
void historySearchKey(benchmark::State& bench)
{
    TempDataDir dir;
    FakeClock clock(now);
    AppState state(clock);
    AppActions actions;
    const QList<HistoryEntry> entries = year();
    state.updateHistory([&entries](History& history) { history.entries = entries; });
    HistoryScreen screen(state, actions);
    screen.resize(980, 760);
    screen.show();
    QImage frame(screen.size(), QImage::Format_ARGB32_Premultiplied);
    // The screen as the user finds it: up, and done with its idle work.
    QTest::qWait(500);
    screen.render(&frame);

    const QString word = QStringLiteral("invoice");
    QStringList keys;
    for (int i = 1; i <= word.size(); ++i)
        keys << word.left(i);
    for (int i = word.size() - 1; i >= 0; --i)
        keys << word.left(i);
    int next = 0;
    QElapsedTimer timer;
    for (auto _ : bench) {
        timer.start();
        state.setSearch(keys.at(next));
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        screen.list()->viewport()->render(&frame);
        bench.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
        next = (next + 1) % int(keys.size());
    }
    if (screen.list()->rows().isEmpty())
        fail(bench, QStringLiteral("the list is empty"));
}

// The first key of a search, typed into the sidebar's field of the main
// window, to the repainted window: with History showing it filters the list;
// from another screen it opens History on what it found. Each run starts on
// that screen with the field empty and the window done with its idle work,
// as the user finds it; the median of the runs is the figure.
void sidebarFirstKey(benchmark::State& bench)
{
    TempDataDir dir;
    FakeClock clock(now);
    AppState state(clock);
    const auto from = Screen(bench.range(0));
    const QList<HistoryEntry> entries = year(int(bench.range(1)));
    state.updateHistory([&entries](History& history) { history.entries = entries; });
    state.setScreen(from);
    MainView view(state, state.actions(), MainView::PanelFactory(), true);
    view.resize(1200, 800);
    view.show();
    QImage frame(view.size(), QImage::Format_ARGB32_Premultiplied);
    auto* field = view.findChild<SInput*>(QStringLiteral("search"));
    if (!field) {
        fail(bench, QStringLiteral("the sidebar has no search field"));
        return;
    }
    std::vector<double> spent;
    std::vector<double> cpu;
    QElapsedTimer timer;
    for (auto _ : bench) {
        bench.PauseTiming();
        state.setSearch({});
        state.setScreen(from);
        QTest::qWait(500);
        view.render(&frame);
        bench.ResumeTiming();
        timer.start();
        const double cpuBefore = BenchReport::threadCpuMs();
        QTest::keyClick(field->lineEdit(), 'z'); // "Zoë" in some entries, not in all

        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        view.render(&frame);
        spent.push_back(double(timer.nsecsElapsed()) / 1e6);
        cpu.push_back(BenchReport::threadCpuMs() - cpuBefore);
        bench.SetIterationTime(spent.back() / 1000);
        bench.PauseTiming();
        // A key that reached no list would time nothing.
        auto* history = qobject_cast<HistoryScreen*>(view.screen());
        const qsizetype found = history ? history->list()->rows().size() : 0;
        bench.ResumeTiming();
        if (state.search() != QStringLiteral("z") || found == 0 || found >= 2 * entries.size()) {
            fail(bench, QStringLiteral("the key did not filter History"));
            return;
        }
    }
    bench.counters["median_ms"] = BenchReport::median(spent);
    bench.counters["median_cpu_ms"] = BenchReport::median(cpu);
}

} // namespace

BENCHMARK(openWords)->Unit(benchmark::kMillisecond);
BENCHMARK(openSnippets)->Unit(benchmark::kMillisecond);
BENCHMARK(addAndDeleteWord)->ArgName("delete")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(addAndDeleteSnippet)->ArgName("delete")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(historySearchKey)->UseManualTime()->Iterations(150)->Unit(benchmark::kMillisecond);
BENCHMARK(sidebarFirstKey)
    ->ArgNames({"from", "entries"})
    ->Args({int(Screen::history), 60})
    ->Args({int(Screen::history), 20000})
    ->Args({int(Screen::notes), 20000})
    ->Args({int(Screen::vocabulary), 20000})
    ->Args({int(Screen::phone), 20000})
    ->UseManualTime()
    ->Iterations(7)
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    Onest::registerFaces();
    using BenchReport::atMost;
    const QString ms = QStringLiteral("ms");
    BenchReport::run(argc, argv);
    // Work of the interface thread, timed by its own CPU time: what it costs
    // there on any machine, however busy (the real times are printed above).
    const std::string& cpu = BenchReport::cpuTime;
    // The tabs open in a few milliseconds: near three times that.
    BenchReport::headline(QStringLiteral("open the Words tab with 3000 words, CPU"), "openWords", cpu, ms, atMost(25));
    BenchReport::headline(QStringLiteral("open the Snippets tab with 1000 snippets, CPU"), "openSnippets", cpu, ms,
                          atMost(30));
    BenchReport::headline(QStringLiteral("add a word among 3000, to the frame, CPU"), "addAndDeleteWord/delete:0", cpu, ms,
                          atMost(16));
    BenchReport::headline(QStringLiteral("delete a word among 3000, to the frame, CPU"), "addAndDeleteWord/delete:1", cpu,
                          ms, atMost(16));
    BenchReport::headline(QStringLiteral("add a snippet among 1000, to the frame, CPU"), "addAndDeleteSnippet/delete:0",
                          cpu, ms, atMost(16));
    BenchReport::headline(QStringLiteral("delete a snippet among 1000, to the frame, CPU"), "addAndDeleteSnippet/delete:1",
                          cpu, ms, atMost(16));
    BenchReport::headline(QStringLiteral("one search key over 20,000 History entries, CPU"), "historySearchKey", cpu, ms,
                          atMost(16));
    // The key that looks through everything is the one a user waits for: one
    // frame where History shows, three where it has to open first.
    const auto firstKey = [](Screen from) {
        return QStringLiteral("sidebarFirstKey/from:%1/entries:20000").arg(int(from)).toStdString();
    };
    BenchReport::headline(
        QStringLiteral("first search key from the sidebar over 20,000 entries, on History, to the frame, CPU"),
        firstKey(Screen::history), "median_cpu_ms", ms, atMost(16));
    const QList<std::pair<Screen, QString>> others{{Screen::notes, QStringLiteral("Notes")},
                                                   {Screen::vocabulary, QStringLiteral("Vocabulary")},
                                                   {Screen::phone, QStringLiteral("Phone")}};
    for (const auto& [screen, name] : others)
        BenchReport::headline(QStringLiteral("first search key from the sidebar over 20,000 entries, on %1, "
                                             "to History's frame, CPU")
                                  .arg(name),
                              firstKey(screen), "median_cpu_ms", ms, atMost(48));
    const auto few = BenchReport::measured("sidebarFirstKey/from:0/entries:60", "median_cpu_ms");
    const auto many = BenchReport::measured(firstKey(Screen::history), "median_cpu_ms");
    if (few && many)
        BenchReport::figure(QStringLiteral("first search key, 20,000 entries later than 60 by, CPU"), *many - *few, ms,
                            atMost(16));
    else
        BenchReport::missing(QStringLiteral("the first search key was not measured over 60 and 20,000 entries"));
    return BenchReport::finish();
}
