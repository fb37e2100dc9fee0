#pragma once

#include "FakeAudioBackend.h"
#include "FakeClock.h"
#include "FakeKeySource.h"
#include "TempDataDir.h"

#include "shell/AppDelegate.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <memory>

// The real controller over a fresh data folder and config home, set up and
// past its first run, for the settings panel to drive. Audio is faked unless
// a backend is given.
struct ControllerRig
{
    TempDataDir data;
    QTemporaryDir configHome;
    FakeClock clock;
    FakeAudioBackend fakeAudio;
    std::function<bool()> relaunch = [] { return false; };
    std::unique_ptr<AppDelegate> app;

    ControllerRig() { qputenv("XDG_CONFIG_HOME", configHome.path().toUtf8()); }
    ~ControllerRig()
    {
        app.reset();
        qunsetenv("XDG_CONFIG_HOME");
    }

    AppDelegate& start(const QJsonObject& config, AudioBackend* audio = nullptr, bool realClock = false)
    {
        QJsonObject ready = config;
        ready.insert(QStringLiteral("onboardingDone"), true);
        data.write(QStringLiteral("config.json"), QJsonDocument(ready).toJson());
        AppDelegate::Host host;
        if (!realClock)
            host.clock = &clock;
        host.audio = audio ? audio : &fakeAudio;
        host.keySource = [] { return std::make_unique<FakeKeySource>(); };
        host.accessibility = [] { return Permissions::Check{true, {}}; };
        host.microphone = [] { return Permissions::Check{true, {}}; };
        host.relaunch = [this] { return relaunch(); };
        app = std::make_unique<AppDelegate>(host);
        app->start();
        return *app;
    }
};
