#pragma once

#include "engine/AudioFailure.h"
#include "engine/CaptureEngine.h"
#include "platform/AudioBackend.h"
#include "platform/Clock.h"

#include <QObject>

#include <functional>
#include <memory>
#include <optional>

// The microphone test: listens to the chosen microphone, records nothing, and
// reports the level twenty times a second as 0..1 for a level bar. Main
// thread only; onLevel is called on the main thread.
class MicLevelMeter final : public QObject
{
    Q_OBJECT

public:
    explicit MicLevelMeter(AudioBackend& backend = AudioBackend::system(), Clock& clock = Clock::system(),
                           QObject* parent = nullptr);
    ~MicLevelMeter() override;

    std::function<void(double)> onLevel;

    // Stops any earlier run, then listens; the failure when nothing listens.
    std::optional<AudioFailure> start(const QString& deviceId, bool noiseReduction);
    // Safe when not running; levels still in flight are dropped.
    void stop();
    bool isRunning() const { return m_isRunning; }

    // -50 dB and below is 0, 0 dB and above is 1, linear in dB between.
    static double levelFor(float decibels);

private:
    std::optional<AudioFailure> listen(const QString& device, bool voiceProcessing);

    AudioBackend& m_backend;
    Clock& m_clock;
    std::unique_ptr<CaptureEngine> m_engine;
    quint64 m_run = 0;
    bool m_isRunning = false;
};
