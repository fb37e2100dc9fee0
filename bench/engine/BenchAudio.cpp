// Trimming and encoding a minute of speech, the same encode by the ffmpeg
// command line for comparison, and the WAV writer's resampling throughput.
#include "BenchReport.h"
#include "engine/AACEncoder.h"
#include "engine/AudioTrimmer.h"
#include "engine/WavWriter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>

namespace {

QTemporaryDir* work = nullptr;
QString speech; // 60 s, 16 kHz mono 16-bit

double trimSeconds = 0, trimRuns = 0;
double oursSeconds = 0, oursRuns = 0;
double cliSeconds = 0, cliRuns = 0;

bool makeSpeech()
{
    const QString text = QStringLiteral(
        "Good morning everyone. Let's go over the plan for this week. "
        "First, the release candidate goes out on Tuesday, so please finish your reviews by Monday evening. "
        "Second, the design team wants feedback on the new onboarding screens. "
        "Take a look when you have a moment, and write your notes in the shared document. "
        "Finally, remember that the office is closed on Friday afternoon. Thanks, and have a good week.");
    const QString raw = work->filePath("speech-raw.wav");
    speech = work->filePath("speech60.wav");
    return QProcess::execute("espeak-ng", {"-w", raw, text}) == 0
        && QProcess::execute("sox", {raw, "-r", "16000", "-c", "1", "-b", "16", speech, "repeat", "9", "trim", "0", "60"})
        == 0;
}

void BM_TrimSpeech60s(benchmark::State& state)
{
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        benchmark::DoNotOptimize(AudioTrimmer::trimSilence(speech, 0.25));
        trimSeconds += timer.nsecsElapsed() / 1e9;
        ++trimRuns;
    }
}

void BM_EncodeSpeech60s(benchmark::State& state)
{
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        QString error;
        if (!AACEncoder::m4a(speech, &error)) {
            state.SkipWithError(qPrintable(error));
            return;
        }
        oursSeconds += timer.nsecsElapsed() / 1e9;
        ++oursRuns;
    }
}

void BM_FfmpegCommandLineEncode60s(benchmark::State& state)
{
    const QString out = work->filePath("cli.m4a");
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        const int rc = QProcess::execute("ffmpeg", {"-nostdin", "-v", "error", "-y", "-i", speech, "-c:a", "aac",
                                                    "-b:a", "32000", "-ar", "16000", "-ac", "1", "-f", "ipod", out});
        if (rc != 0) {
            state.SkipWithError("ffmpeg failed");
            return;
        }
        cliSeconds += timer.nsecsElapsed() / 1e9;
        ++cliRuns;
    }
}

// 48 kHz stereo float, as a desktop microphone delivers it, in 100 ms taps.
void BM_WavWriterResample48kStereo(benchmark::State& state)
{
    QAudioFormat format;
    format.setSampleRate(48000);
    format.setChannelCount(2);
    format.setSampleFormat(QAudioFormat::Float);
    const int frames = 4800;
    QByteArray bytes(frames * 2 * int(sizeof(float)), '\0');
    auto* x = reinterpret_cast<float*>(bytes.data());
    for (int i = 0; i < frames; ++i)
        x[2 * i] = x[2 * i + 1] = float(0.5 * std::sin(2 * M_PI * 440.0 * i / 48000.0));
    const QAudioBuffer buffer(bytes, format);
    const QString path = work->filePath("resampled.wav");
    auto writer = WavWriter::create(path, nullptr);
    qint64 processed = 0;
    for (auto _ : state) {
        writer->append(buffer);
        processed += frames;
    }
    writer->finish();
    state.SetItemsProcessed(processed);
    state.counters["x_realtime"] =
        benchmark::Counter(double(processed) / 48000.0, benchmark::Counter::kIsRate);
}

} // namespace

BENCHMARK(BM_TrimSpeech60s)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_EncodeSpeech60s)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);
BENCHMARK(BM_FfmpegCommandLineEncode60s)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);
BENCHMARK(BM_WavWriterResample48kStereo)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    work = &dir;
    if (!makeSpeech()) {
        BenchReport::missing(QStringLiteral("could not make the speech with espeak-ng and sox"));
        return BenchReport::finish();
    }
    BenchReport::run(argc, argv);
    using BenchReport::atLeast;
    using BenchReport::atMost;
    // A recording that could not be encoded while it was made waits for these
    // after the talk key: a minute of speech well within a second and a half.
    BenchReport::headline(QStringLiteral("AAC encode of 60 s of speech, CPU"), "BM_EncodeSpeech60s", BenchReport::cpuTime,
                          QStringLiteral("ms"), atMost(1500));
    // The trim takes a few tens of milliseconds: near three times that.
    BenchReport::headline(QStringLiteral("trim of 60 s of speech, CPU"), "BM_TrimSpeech60s", BenchReport::cpuTime,
                          QStringLiteral("ms"), atMost(75));
    // The writer runs on the audio thread: far faster than the sound comes in.
    BenchReport::headline(QStringLiteral("WAV writer, 48 kHz stereo to 16 kHz mono"), "BM_WavWriterResample48kStereo", "x_realtime",
                          QStringLiteral("× real time"), atLeast(100));
    if (oursRuns > 0 && cliRuns > 0) {
        BenchReport::figure(QStringLiteral("AAC encode, next to the ffmpeg command line"),
                            (oursSeconds / oursRuns) / (cliSeconds / cliRuns), QStringLiteral("×"), atMost(1.5));
        const double ours = oursSeconds / oursRuns, cli = cliSeconds / cliRuns;
        std::printf("AAC encode of 60 s: ours %.3f s, ffmpeg command line %.3f s, ratio ours/ffmpeg %.2f\n", ours,
                    cli, ours / cli);
        if (trimRuns > 0) {
            const double trimmed = trimSeconds / trimRuns + ours;
            std::printf("trim and encode of 60 s: ours %.3f s, ratio to the ffmpeg encode %.2f\n", trimmed,
                        trimmed / cli);
        }
    }
    return BenchReport::finish();
}
