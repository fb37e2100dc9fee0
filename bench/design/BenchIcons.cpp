// Drawing every line icon at the sizes the windows use: cold (parse and
// render) and from the caches.
#include "BenchReport.h"
#include "design/Icon.h"
#include "design/LucideIcons.h"
#include "design/Palette.h"
#include "design/SvgPath.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPixmapCache>

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

// Rendering every icon anew (image cache emptied each time).
void drawCold(benchmark::State& state)
{
    const QStringList names = Icon::names();
    QImage canvas(500, 450, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        state.PauseTiming();
        QPixmapCache::clear();
        canvas.fill(Qt::transparent);
        state.ResumeTiming();
        drawAll(canvas, names, qreal(state.range(0)));
    }
    state.SetItemsProcessed(state.iterations() * names.size());
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

BENCHMARK(parseTable)->Unit(benchmark::kMicrosecond);
BENCHMARK(drawCold)->Arg(16)->Arg(24)->Arg(48)->Unit(benchmark::kMicrosecond);
BENCHMARK(drawCached)->Arg(16)->Arg(24)->Arg(48)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    BenchReport::run(argc, argv);
    BenchReport::headline(QStringLiteral("an icon at 24, first drawing"), "drawCold/24", {}, QStringLiteral("µs"));
    BenchReport::headline(QStringLiteral("an icon at 24, cached"), "drawCached/24", {}, QStringLiteral("µs"));
    return BenchReport::finish();
}
