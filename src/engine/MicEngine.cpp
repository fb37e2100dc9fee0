#include "engine/MicEngine.h"

#include <QMetaObject>
#include <QPointer>

#include <cmath>

namespace MicEngine {

std::optional<QString> inputDevice(AudioBackend& backend, const QString& id)
{
    if (id.isEmpty()) {
        const QString fallback = backend.defaultInputId();
        if (fallback.isEmpty())
            return std::nullopt;
        return fallback;
    }
    for (const AudioBackend::Input& input : backend.inputs()) {
        if (input.id == id)
            return id;
    }
    return std::nullopt;
}

std::unique_ptr<CaptureEngine> make(AudioBackend& backend, const QString& device, bool voiceProcessing,
                                    AudioFailure* failure)
{
    const QAudioFormat preferred = backend.preferredFormat(device);
    if (preferred.sampleRate() <= 0 || preferred.channelCount() <= 0) {
        *failure = AudioFailure::noMicrophone();
        return nullptr;
    }
    QAudioFormat format = preferred;
    std::unique_ptr<NoiseSuppressor> suppressor;
    QString error;
    if (voiceProcessing) {
        // Suppression runs on mono 16-bit at one of its own rates; the server converts.
        const int rate = NoiseSuppressor::supportsRate(preferred.sampleRate()) ? preferred.sampleRate() : 48000;
        format.setSampleRate(rate);
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        suppressor = NoiseSuppressor::create(rate, &error);
        if (!suppressor) {
            *failure = AudioFailure::couldNotStart(AudioFailure::Cause::noiseReduction, error);
            return nullptr;
        }
    } else {
        QAudioFormat asFloat = preferred;
        asFloat.setSampleFormat(QAudioFormat::Float);
        if (backend.isFormatSupported(device, asFloat))
            format = asFloat;
    }
    auto stream = backend.openInput(device, format, &error);
    if (!stream) {
        *failure = AudioFailure::couldNotStart(AudioFailure::Cause::soundServer, error);
        return nullptr;
    }
    if (stream->format().sampleRate() <= 0 || stream->format().channelCount() <= 0) {
        *failure = AudioFailure::noMicrophone();
        return nullptr;
    }
    return std::make_unique<CaptureEngine>(device, std::move(stream), std::move(suppressor));
}

quint32 tapFrames(const QAudioFormat& format)
{
    return std::max<quint32>(1, quint32(std::max(0, format.sampleRate()) / 10));
}

QList<float> windowDecibels(const QAudioBuffer& buffer, double seconds)
{
    const QAudioFormat format = buffer.format();
    const qint64 n = buffer.frameCount();
    if (n <= 0 || format.sampleFormat() != QAudioFormat::Float || format.sampleRate() <= 0 || seconds <= 0)
        return {};
    qint64 count = qint64(std::round(double(n) / format.sampleRate() / seconds));
    if (count < 2)
        count = 1;
    const qint64 step = (n + count - 1) / count;
    const int stride = format.channelCount();
    const float* samples = buffer.constData<float>();
    QList<float> levels;
    for (qint64 s = 0; s < n; s += step) {
        const qint64 e = std::min(s + step, n);
        float sum = 0.0f;
        for (qint64 i = s; i < e; ++i) {
            const float x = samples[i * stride];
            sum += x * x;
        }
        const float rms = std::sqrt(sum / float(e - s));
        levels.append(rms > 0.0f ? 20.0f * std::log10(rms) : -160.0f);
    }
    return levels;
}

void deliverSpaced(const QList<float>& levels, const QAudioBuffer& buffer, QObject* context,
                   std::function<void(float)> callback, Clock& clock)
{
    if (levels.isEmpty() || buffer.format().sampleRate() <= 0)
        return;
    const double spacing = double(buffer.frameCount()) / buffer.format().sampleRate() / double(levels.size());
    QMetaObject::invokeMethod(
        context,
        [levels, spacing, context, callback = std::move(callback), &clock] {
            for (qsizetype i = 0; i < levels.size(); ++i) {
                const float level = levels[i];
                if (i == 0)
                    callback(level);
                else
                    clock.schedule(qint64(std::llround(double(i) * spacing * 1000.0)), context,
                                   [callback, level] { callback(level); });
            }
        },
        Qt::QueuedConnection);
}

} // namespace MicEngine
