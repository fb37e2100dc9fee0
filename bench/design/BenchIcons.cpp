// Drawing a line icon at the sizes the windows use: the first drawing of
// each icon in the process (parse and render, nothing cached yet) and from
// the caches, each per icon.
#include "BenchReport.h"
#include "design/Icon.h"
#include "design/LucideIcons.h"
#include "design/Palette.h"
#include "design/SvgPath.h"

#include <QGuiApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

void drawAll(QImage& canvas, const QStringList& names, qreal size)
{
    QPainter painter(&canvas);
    int i = 0;
    for (const QString& name : names) {
        Icon::paint(painter, name, QPointF((i % 10) * 50, (i / 10) * 50), size, Palette::textPrimary);
        ++i;
    }
}

// Parsing the whole table: the cost the path cache saves after first use.
void parseTable(benchmark::State& state)
{
    for (auto _ : state) {
        for (const LucideIcons::Entry& entry : LucideIcons::table())
            for (const char* data : entry.paths)
                benchmark::DoNotOptimize(SvgPath::parse(QString::fromLatin1(data)));
    }
    state.SetItemsProcessed(state.iterations() * 90);
}

// Every icon's first drawing in this process: its path is parsed and its
// image rendered. The caches only fill, so this runs once and before
// anything else draws an icon.
void drawFirst(benchmark::State& state)
{
    const QStringList names = Icon::names();
    QImage canvas(500, 450, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    QElapsedTimer timer;
    for (auto _ : state) {
        timer.start();
        int i = 0;
        for (const QString& name : names) {
            Icon::paint(painter, name, QPointF((i % 10) * 50, (i / 10) * 50), 24, Palette::textPrimary);
            ++i;
        }
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
    }
    state.counters["icons"] = double(names.size());
}

// Drawing every icon from the image cache.
void drawCached(benchmark::State& state)
{
    const QStringList names = Icon::names();
    QImage canvas(500, 450, QImage::Format_ARGB32_Premultiplied);
    drawAll(canvas, names, qreal(state.range(0)));
    for (auto _ : state)
        drawAll(canvas, names, qreal(state.range(0)));
    state.SetItemsProcessed(state.iterations() * names.size());
}

} // namespace

BENCHMARK(drawFirst)->Iterations(1)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(parseTable)->Unit(benchmark::kMicrosecond);
BENCHMARK(drawCached)->Arg(16)->Arg(24)->Arg(48)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    BenchReport::run(argc, argv);
    const double icons = double(Icon::names().size());
    const QString us = QStringLiteral("µs");
    // A window's first frame draws a few dozen icons: together well within a frame.
    // Drawn on the one interface thread: its own time, whatever else runs.
    if (const auto first = BenchReport::measured("drawFirst", BenchReport::cpuTime))
        BenchReport::figure(QStringLiteral("an icon at 24, first drawing, CPU"), *first / icons, us, BenchReport::atMost(250));
    else
        BenchReport::missing(QStringLiteral("the first drawing was not measured"));
    if (const auto cached = BenchReport::measured("drawCached/24"))
        BenchReport::figure(QStringLiteral("an icon at 24, cached"), *cached / icons, us, BenchReport::atMost(20));
    else
        BenchReport::missing(QStringLiteral("the cached drawing was not measured"));
    return BenchReport::finish();
}
