#pragma once

#include "core/AppState.h"
#include "engine/AudioFailure.h"
#include "engine/AudioRecorder.h"
#include "platform/Clock.h"
#include "shell/DictationParts.h"
#include "shell/RecordingApp.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class DictationStatus;
class TranscriptionPipeline;

// One dictation up to the moment its recording is handed on: starting and
// stopping the recorder, cancelling, the recorder stopping on its own, the
// level the pill shows, and pausing and resuming other applications' media.
// Main thread only.
class RecordingControl final : public QObject
{
    Q_OBJECT

public:
    static constexpr qint64 levelPollMs = 50;
    static constexpr qint64 mediaResumeDelayMs = 300;
    // A cancelled recording at least this long is kept to be transcribed later.
    static constexpr double keepCancelledSeconds = 1.0;
    // How long quitting waits for a running recording's file.
    static constexpr qint64 shutDownWaitMs = 5000;

    RecordingControl(const DictationParts& parts, DictationStatus& status, TranscriptionPipeline& pipeline,
                     QObject* parent = nullptr);
    ~RecordingControl() override;

    // Whether the main window is the active window of the active application.
    void setMainWindowIsKey(std::function<bool()> isKey) { m_mainWindowIsKey = std::move(isKey); }

    // While the last dictation is still being transcribed nothing new
    // starts: the pill says so (until the key is let go or tapped again) and
    // the error sound plays.
    void toggleRecording(const Target& target);
    void startRecording(const QString& source, const Target& target);
    void finishRecording();
    // Cancels a recording; while a transcript is awaited, stops waiting and
    // keeps the recording in History for Retry.
    void cancelRecording();
    void recordingFailed(const AudioFailure& failure);
    void resumeMedia();
    // Quitting: media paused for a recording plays again, a running
    // recording is kept as a cancelled one is, the microphone test stops.
    void shutDown();

    RecordingApp recordingApp() const { return m_recordingApp; }
    bool pausedMedia() const { return m_pausedMedia; }

private:
    void sayStillTranscribing();
    // Keeps a cancelled recording in History when it is long enough; sets
    // handedOver (quitting) once the recorder has handed the file over.
    AudioRecorder::Completion keepCancelled(std::shared_ptr<bool> handedOver);
    void startLevelUpdates();
    void stopLevelUpdates();
    void pollLevel(quint64 run);
    void cancelTimer(std::optional<Clock::TimerId>& timer);

    AppState& m_state;
    AudioRecorder& m_recorder;
    HotkeyMonitor& m_hotkey;
    MicLevelMeter& m_micMeter;
    FrontApplication& m_frontApp;
    DictationDesktop& m_desktop;
    Clock& m_clock;
    DictationStatus& m_status;
    TranscriptionPipeline& m_pipeline;
    std::function<bool()> m_mainWindowIsKey = [] { return false; };

    RecordingApp m_recordingApp;
    bool m_pausedMedia = false;
    std::optional<Clock::TimerId> m_levelTimer;
    quint64 m_levelRun = 0; // a tick of an earlier poll finds another run and stops
    std::optional<Clock::TimerId> m_resumeTimer;
};
