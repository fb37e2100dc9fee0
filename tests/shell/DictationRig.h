#pragma once

#include "FakeAudioBackend.h"
#include "FakeClock.h"
#include "FakeKeySource.h"
#include "TempDataDir.h"

#include "core/AppState.h"
#include "core/Log.h"
#include "engine/AudioRecorder.h"
#include "engine/HotkeyMonitor.h"
#include "engine/MicLevelMeter.h"
#include "platform/FrontApplication.h"
#include "platform/SoundPlayer.h"
#include "shell/DictationController.h"
#include "shell/DictationDesktop.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// The dictation controller on a fake clock, a fake microphone and a desktop
// that only records what it is asked to do.
struct RecordingSounds final : SoundPlayer
{
    QStringList played;
    void play(const QString& name) override { played << name; }
};

struct FixedFrontApp final : FrontApplication
{
    FrontApp app{QStringLiteral("org.example.editor"), QStringLiteral("Editor")};
    FrontApp current() override { return app; }
};

struct RecordingDesktop final : DictationDesktop
{
    struct Insert
    {
        QString text;
        QString method;
        QString newline;
        QString frontAppId;
    };

    bool playing = false; // media plays when a recording starts
    int pauses = 0;
    int resumes = 0;
    std::function<void()> undo;
    QList<Insert> inserts;
    QList<std::pair<QString, QString>> notifications;

    bool pauseMedia(std::function<void()> undone) override
    {
        ++pauses;
        undo = std::move(undone);
        return playing;
    }
    void resumeMedia() override { ++resumes; }
    void insert(const QString& text, const QString& method, const QString& newline, const QString& frontAppId) override
    {
        inserts << Insert{text, method, newline, frontAppId};
    }
    void notify(const QString& title, const QString& body) override { notifications << std::pair{title, body}; }
};

struct DictationRig
{
    TempDataDir data;
    QTemporaryDir tmp;
    FakeClock clock;
    FakeAudioBackend backend;
    AppState state{clock};
    AudioRecorder recorder{backend, clock};
    HotkeyMonitor hotkey{clock, std::make_unique<FakeKeySource>()};
    MicLevelMeter meter{backend, clock};
    RecordingSounds sounds;
    FixedFrontApp front;
    RecordingDesktop desktop;
    std::unique_ptr<DictationController> controller;

    DictationRig()
    {
        qputenv("TMPDIR", tmp.path().toUtf8());
        qunsetenv("GEMINI_API_KEY");
        Log::reset();
        controller = std::make_unique<DictationController>(
            DictationController::Parts{state, recorder, hotkey, meter, sounds, front, desktop, clock});
    }

    ~DictationRig()
    {
        controller.reset();
        qunsetenv("TMPDIR");
    }

    // Starts a dictation into the front application and records seconds of a tone.
    void record(double seconds, const Target& target = Target::frontApp())
    {
        controller->toggleRecording(target);
        QCOMPARE(state.phase(), Phase::recording);
        feed(seconds);
    }

    void feed(double seconds)
    {
        FakeInputStream* stream = backend.lastStream();
        QVERIFY(stream);
        stream->feed(FakeAudio::sine(stream->format(), qint64(seconds * stream->format().sampleRate()), 440, 0.3));
    }

    // The recordings folder of this data folder.
    QStringList tempFiles() const { return QDir(Config::recordingsDirectory()).entryList(QDir::Files); }

    QStringList keptAudio() const { return QDir(Config::audioDirectory()).entryList(QDir::Files); }

    static QString log()
    {
        Log::flush();
        QFile file(Log::filePath());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
};
