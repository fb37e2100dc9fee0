#include "engine/AudioTrimmer.h"

#include "core/Log.h"
#include "engine/WavFile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace AudioTrimmer {
namespace {

QString trimmedPath(const QString& path)
{
    const QFileInfo info(path);
    const QString name = info.fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    // A leading dot starts a hidden name, not an extension.
    const QString stem = dot > 0 ? name.left(dot) : name;
    return info.dir().filePath(stem + QStringLiteral(".trimmed.wav"));
}

} // namespace

QList<float> windowLevels(const float* samples, qint64 count, qint64 window)
{
    QList<float> levels;
    if (count <= 0 || window <= 0)
        return levels;
    levels.reserve((count + window - 1) / window);
    for (qint64 s = 0; s < count; s += window)
        levels.append(windowLevel(samples + s, std::min(window, count - s)));
    return levels;
}

float windowLevel(const float* samples, qint64 count)
{
    float sum = 0.0f;
    for (qint64 i = 0; i < count; ++i)
        sum += samples[i] * samples[i];
    const float rms = std::sqrt(sum / float(count));
    return rms > 0.0f ? 20.0f * std::log10(rms) : -160.0f;
}

Rule rule(double sampleRate, double keepSeconds, double maxSeconds)
{
    // NaN fails the test too.
    const double keep = keepSeconds >= 0 ? std::min(keepSeconds, maxSeconds) : 0.0;
    Rule r;
    r.window = std::max<qint64>(1, qint64(sampleRate * 0.02));
    r.minPause = qint64(std::ceil(std::max(keep + 0.3, 0.4) / 0.02));
    const qint64 keepFrames = qint64(sampleRate * keep);
    r.head = keepFrames / 2;
    r.tail = keepFrames - r.head;
    return r;
}

std::optional<QString> trimSilence(const QString& path, double keepSeconds)
{
    QElapsedTimer started;
    started.start();

    WavFile::Audio audio;
    if (!WavFile::read(path, &audio, nullptr) || audio.frames() < 1) {
        Log::write(QStringLiteral("could not read the audio, sending it untrimmed"));
        return std::nullopt;
    }
    const qint64 frames = audio.frames();
    const double sampleRate = audio.format.sampleRate;
    const auto [window, minPause, head, tail] = rule(sampleRate, keepSeconds, double(frames) / sampleRate);
    const QList<float> levels = windowLevels(audio.channels.front().data(), frames, window);

    std::vector<std::pair<qint64, qint64>> kept;
    qint64 cursor = 0;
    const qint64 windows = levels.size();
    qint64 i = 0;
    while (i < windows) {
        if (levels[i] >= silenceThreshold) {
            ++i;
            continue;
        }
        qint64 j = i + 1;
        while (j < windows && levels[j] < silenceThreshold)
            ++j;
        if (j - i >= minPause) {
            const qint64 pauseStart = i * window;
            const qint64 pauseEnd = std::min(j * window, frames);
            kept.emplace_back(cursor, std::min(pauseEnd, pauseStart + head));
            cursor = std::max(pauseEnd - tail, pauseStart + head);
        }
        i = j;
    }
    kept.emplace_back(cursor, frames);

    qint64 total = 0;
    for (const auto& [lower, upper] : kept)
        total += std::max<qint64>(0, upper - lower);
    if (total < 1 || total >= frames)
        return std::nullopt;

    std::vector<std::vector<float>> output(audio.channels.size());
    for (std::size_t c = 0; c < audio.channels.size(); ++c) {
        output[c].reserve(std::size_t(total));
        for (const auto& [lower, upper] : kept) {
            if (upper > lower)
                output[c].insert(output[c].end(), audio.channels[c].begin() + lower, audio.channels[c].begin() + upper);
        }
    }

    const QString out = trimmedPath(path);
    QString error;
    if (!WavFile::write(out, audio.format, output, &error)) {
        QFile::remove(out);
        Log::write(QStringLiteral("could not write the trimmed audio: ") + error);
        return std::nullopt;
    }
    const qint64 ms = started.elapsed();
    const qint64 shorter = 100 - (total * 100 / frames);
    Log::write(QStringLiteral("trimmed silence in %1ms, %2% shorter").arg(ms).arg(shorter));
    return out;
}

} // namespace AudioTrimmer
