#include "engine/MicLevelMeter.h"

#include "core/Log.h"
#include "engine/MicEngine.h"

#include <QPointer>

#include <algorithm>
#include <cmath>

MicLevelMeter::MicLevelMeter(AudioBackend& backend, Clock& clock, QObject* parent)
    : QObject(parent)
    , m_backend(backend)
    , m_clock(clock)
{
}

MicLevelMeter::~MicLevelMeter()
{
    stop();
}

double MicLevelMeter::levelFor(float decibels)
{
    const double level = (double(decibels) + 50.0) / 50.0;
    if (std::isnan(level))
        return 0.0;
    return std::max(0.0, std::min(1.0, level));
}

std::optional<AudioFailure> MicLevelMeter::start(const QString& deviceId, bool noiseReduction)
{
    stop();
    const std::optional<QString> device = MicEngine::inputDevice(m_backend, deviceId);
    if (!device)
        return AudioFailure::noMicrophone();
    if (noiseReduction) {
        const std::optional<AudioFailure> failure = listen(*device, true);
        if (!failure)
            return std::nullopt;
        Log::write(QStringLiteral("mic test: noise reduction did not start, listening without it: ")
                   + failure->logText());
    }
    const std::optional<AudioFailure> failure = listen(*device, false);
    if (failure && !failure->detail.isEmpty())
        Log::write(QStringLiteral("mic test: microphone did not start: ") + failure->logText());
    return failure;
}

std::optional<AudioFailure> MicLevelMeter::listen(const QString& device, bool voiceProcessing)
{
    AudioFailure failure;
    std::unique_ptr<CaptureEngine> engine = MicEngine::make(m_backend, device, voiceProcessing, &failure);
    if (!engine)
        return failure;
    const quint64 run = ++m_run;
    QPointer<MicLevelMeter> self = this;
    Clock* clock = &m_clock;
    engine->installTap(MicEngine::tapFrames(engine->outputFormat()), [self, run, clock](const QAudioBuffer& buffer) {
        const QList<float> levels = MicEngine::windowDecibels(buffer, 0.05);
        MicEngine::deliverSpaced(levels, buffer, self.data(), [self, run](float decibels) {
            if (self && self->m_run == run && self->onLevel)
                self->onLevel(levelFor(decibels));
        }, *clock);
    });
    QString error;
    if (!engine->start(&error)) {
        engine->removeTap();
        return AudioFailure::couldNotStart(AudioFailure::Cause::soundServer, error);
    }
    m_engine = std::move(engine);
    m_isRunning = true;
    Log::write(QStringLiteral("mic test started, noise reduction ") + (voiceProcessing ? "on" : "off"));
    return std::nullopt;
}

void MicLevelMeter::stop()
{
    ++m_run;
    m_isRunning = false;
    if (m_engine) {
        std::unique_ptr<CaptureEngine> engine = std::move(m_engine);
        engine->removeTap();
        engine->stop();
    }
}
