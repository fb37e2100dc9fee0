// From the end of a recording to its upload being ready, for the upload made
// while recording and for the one made from the finished file, in one run;
// what the live path costs in CPU while recording; and the peak memory of a
// ten-minute dictation on either path, each in a process of its own.
#include "BenchReport.h"
#include "TestMicrophone.h"

#include "engine/AudioTrimmer.h"
#include "engine/LiveUpload.h"
#include "engine/Upload.h"
#include "engine/WavFile.h"
#include "engine/WavWriter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

QTemporaryDir* work = nullptr;
QString self;
bool failed = false;

constexpr int blockSamples = 160; // 10 ms, as a capture hands them over
// The live path is fed faster than real time so the runs stay short.
constexpr double feedSpeedup = 30.0;

// Speech with short pauses and, every few sentences, a long one to cut.
QByteArray dictation(double seconds)
{
    static const QByteArray words = TestMicrophone::speech(4.0);
    QByteArray pcm;
    for (int i = 0; pcm.size() < qint64(seconds * 32000); ++i)
        pcm += words + QByteArray(i % 3 == 2 ? 32000 * 3 / 2 : 32000 * 3 / 10, '\0');
    return pcm.left(qint64(seconds * 32000));
}

QString writeWav(const QString& name, const QByteArray& pcm)
{
    const QString path = work->filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(WavFile::header(WavFile::recording, quint32(pcm.size())));
    file.write(pcm);
    return path;
}

double cpuMs();

// Waits until this process uses no CPU for a while: the feeding thread sleeps,
// so the worker has taken in all it was given.
void waitUntilIdle()
{
    double last = cpuMs();
    for (int still = 0, round = 0; still < 3 && round < 2000; ++round) {
        QThread::usleep(10000);
        const double now = cpuMs();
        still = now - last < 0.5 ? still + 1 : 0;
        last = now;
    }
}

// Feeds the live path in 10 ms blocks (speedup 0: as fast as it takes them)
// and finishes it; finishMs gets how long the finish took. With a speedup,
// the last second goes in at the pace of speech after the worker has caught
// up with the rest: a busy computer may not keep up with the sped-up feed,
// but it does with a microphone, and the wait measured is the user's.
std::optional<Upload> feedLive(const QString& wav, const QByteArray& pcm, double speedup, double* finishMs = nullptr)
{
    LiveUpload live(wav, {true, 0.25});
    const LiveUpload::Input input = live.input();
    const auto* samples = reinterpret_cast<const qint16*>(pcm.constData());
    const qsizetype count = pcm.size() / 2;
    const qsizetype lastSecond = speedup > 0 ? std::max<qsizetype>(0, count - 16000) : count;
    QElapsedTimer clock;
    clock.start();
    for (qsizetype at = 0; at < count; at += blockSamples) {
        if (at == lastSecond) {
            waitUntilIdle();
            clock.restart();
        }
        input(samples + at, std::min<qsizetype>(blockSamples, count - at));
        const double pace = at < lastSecond ? speedup : 1.0;
        const qint64 due = qint64(double(at < lastSecond ? at : at - lastSecond) / 16000.0 * 1e9 / pace);
        if (speedup > 0 && clock.nsecsElapsed() < due)
            QThread::usleep(ulong((due - clock.nsecsElapsed()) / 1000));
    }
    QElapsedTimer finishing;
    finishing.start();
    std::optional<Upload> upload = live.finish();
    if (finishMs)
        *finishMs = double(finishing.nsecsElapsed()) / 1e6;
    return upload;
}

void BM_ReadyAfterRecording(benchmark::State& state)
{
    const bool live = state.range(0) == 1;
    const double seconds = double(state.range(1));
    const QByteArray pcm = dictation(seconds);
    if (pcm.isEmpty()) {
        state.SkipWithError("no speech: espeak-ng or sox missing");
        failed = true;
        return;
    }
    std::vector<double> waits;
    for (auto _ : state) {
        const QString wav = writeWav(QStringLiteral("rec.wav"), pcm);
        std::optional<Upload> upload;
        double readyMs = 0;
        if (live) {
            // Everything but the finish happens while the user speaks.
            upload = feedLive(wav, pcm, feedSpeedup, &readyMs);
        } else {
            QElapsedTimer ready;
            ready.start();
            const std::optional<QString> trimmed = AudioTrimmer::trimSilence(wav, 0.25);
            upload = Upload::of(trimmed.value_or(wav));
            readyMs = double(ready.nsecsElapsed()) / 1e6;
            if (trimmed)
                QFile::remove(*trimmed);
        }
        if (!upload || upload->format != Upload::Format::m4a) {
            state.SkipWithError("no M4A came out");
            failed = true;
            return;
        }
        QFile::remove(upload->path);
        state.SetIterationTime(readyMs / 1000.0);
        waits.push_back(readyMs);
    }
    state.counters["median_ms"] = BenchReport::median(waits);
    state.SetLabel(live ? "live" : "file");
}

// The process's CPU time (user and system) in milliseconds.
double cpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

void BM_LiveCpuPerMinuteOfSpeech(benchmark::State& state)
{
    const QByteArray pcm = dictation(60.0);
    double total = 0;
    int runs = 0;
    for (auto _ : state) {
        const QString wav = writeWav(QStringLiteral("cpu.wav"), pcm);
        const double before = cpuMs();
        const std::optional<Upload> upload = feedLive(wav, pcm, 0);
        total += cpuMs() - before;
        ++runs;
        if (!upload) {
            state.SkipWithError("no M4A came out");
            failed = true;
            return;
        }
        QFile::remove(upload->path);
    }
    state.counters["cpu_ms_per_min"] = total / runs;
}

// The peak resident memory of a child that makes one ten-minute dictation's
// upload, minus what it held before starting (MB).
double peakOfChild(const QString& path)
{
    QProcess child;
    child.start(self, {QStringLiteral("--peak"), path});
    if (!child.waitForFinished(600000) || child.exitCode() != 0)
        return -1;
    const QString out = QString::fromUtf8(child.readAllStandardOutput());
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("peak_mb=([0-9.]+)")).match(out);
    return m.hasMatch() ? m.captured(1).toDouble() : -1;
}

void BM_PeakMemoryTenMinutes(benchmark::State& state)
{
    const QString wav = writeWav(QStringLiteral("ten.wav"), dictation(600.0));
    double live = -1, file = -1;
    for (auto _ : state) {
        live = peakOfChild(QStringLiteral("live:") + wav);
        file = peakOfChild(QStringLiteral("file:") + wav);
    }
    if (live < 0 || file < 0) {
        state.SkipWithError("a child did not report its peak");
        failed = true;
        return;
    }
    state.counters["live_peak_mb"] = live;
    state.counters["file_peak_mb"] = file;
}

qint64 statusKb(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(qsizetype(std::strlen(field))).trimmed().split(' ').first().toLongLong();
    }
    return 0;
}

// The child: records the file through the writer as the microphone would
// (live) or makes the upload from the finished file (file).
int peak(const QString& task)
{
    const bool live = task.startsWith(QStringLiteral("live:"));
    const QString source = task.section(QLatin1Char(':'), 1);
    QTemporaryDir dir;
    const qint64 before = statusKb("VmRSS:");
    std::optional<Upload> upload;
    if (live) {
        QFile in(source);
        in.open(QIODevice::ReadOnly);
        in.seek(WavFile::headerBytes);
        const QString wav = dir.filePath(QStringLiteral("rec.wav"));
        auto stream = std::make_unique<LiveUpload>(wav, LiveUpload::Settings{true, 0.25});
        std::shared_ptr<WavWriter> writer = WavWriter::create(wav, nullptr);
        writer->setSink(stream->input());
        QAudioFormat format;
        format.setSampleRate(16000);
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        QElapsedTimer clock;
        clock.start();
        qint64 fed = 0;
        while (!in.atEnd()) {
            const QByteArray block = in.read(blockSamples * 2);
            writer->append(QAudioBuffer(block, format));
            fed += block.size() / 2;
            const qint64 due = qint64(double(fed) / 16000.0 * 1e9 / feedSpeedup);
            if (clock.nsecsElapsed() < due)
                QThread::usleep(ulong((due - clock.nsecsElapsed()) / 1000));
        }
        writer->finish();
        upload = stream->finish();
    } else {
        const QString wav = dir.filePath(QStringLiteral("rec.wav"));
        QFile::copy(source, wav);
        const std::optional<QString> trimmed = AudioTrimmer::trimSilence(wav, 0.25);
        upload = Upload::of(trimmed.value_or(wav));
    }
    if (!upload || upload->format != Upload::Format::m4a)
        return 1;
    std::printf("peak_mb=%.1f\n", double(statusKb("VmHWM:") - before) / 1024.0);
    return 0;
}

} // namespace

BENCHMARK(BM_ReadyAfterRecording)
    ->ArgsProduct({{0, 1}, {10, 60, 300}})
    ->ArgNames({"live", "seconds"})
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LiveCpuPerMinuteOfSpeech)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PeakMemoryTenMinutes)->Iterations(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    self = QCoreApplication::applicationFilePath();
    if (argc == 3 && std::strcmp(argv[1], "--peak") == 0)
        return peak(QString::fromLocal8Bit(argv[2]));
    QTemporaryDir dir;
    work = &dir;
    BenchReport::run(argc, argv);
    using BenchReport::atMost;
    const QString ms = QStringLiteral("ms");
    // The talk key up to the upload: a wait the user should not notice.
    for (const int seconds : {10, 60, 300})
        BenchReport::headline(QStringLiteral("upload ready after a %1 s recording, encoded while recording").arg(seconds),
                              "BM_ReadyAfterRecording/live:1/seconds:" + std::to_string(seconds), "median_ms", ms,
                              atMost(50));
    // Encoding while recording must spare most of the wait of encoding afterwards.
    const auto live = BenchReport::measured("BM_ReadyAfterRecording/live:1/seconds:300", "median_ms");
    const auto file = BenchReport::measured("BM_ReadyAfterRecording/live:0/seconds:300", "median_ms");
    if (live && file)
        BenchReport::figure(QStringLiteral("upload ready after a 300 s recording, encoded while recording next to afterwards"),
                            *live / *file, QStringLiteral("×"), atMost(0.25));
    else
        BenchReport::missing(QStringLiteral("the 300 s recording's waits were not measured"));
    // A twentieth of one core while the user speaks, so nothing else slows down.
    BenchReport::headline(QStringLiteral("CPU of encoding while recording, a minute of speech"), "BM_LiveCpuPerMinuteOfSpeech",
                          "cpu_ms_per_min", ms, atMost(3000));
    // Ten minutes of sound are 19 MB: a few copies of it at most.
    BenchReport::headline(QStringLiteral("peak memory of a 10-minute dictation"), "BM_PeakMemoryTenMinutes", "live_peak_mb",
                          QStringLiteral("MB"), atMost(100));
    if (failed)
        BenchReport::missing(QStringLiteral("a recording gave no upload"));
    return BenchReport::finish();
}
