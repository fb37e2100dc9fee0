#pragma once

#include "platform/Capabilities.h"

#include <QList>
#include <QPointer>

// Desktop capabilities as a test sets them. Microphone reads answer at once,
// or wait while held until release() (a slow sound server).
class FakeCapabilities final : public Capabilities
{
public:
    Permissions::Check microphone{true, {}};
    Permissions::Check keys{true, {}};
    bool soundSettings = true;
    bool held = false;
    int reads = 0;
    int soundSettingsOpened = 0;

    void readMicrophone(QObject* context, std::function<void(const Permissions::Check&)> done) override;
    Permissions::Check accessibility() override { return keys; }
    bool hasSoundSettings() override { return soundSettings; }
    void openSoundSettings() override { ++soundSettingsOpened; }

    // Answers the held reads with the current microphone.
    void release();

    static Permissions::Check noMicrophone() { return {false, QStringLiteral("The sound server has no microphone."), false}; }
    static Permissions::Check noSoundServer() { return {false, QStringLiteral("The sound server does not answer."), true}; }
    static Permissions::Check noX11() { return {false, QStringLiteral("There is no X11 display."), true}; }

private:
    struct Pending
    {
        QPointer<QObject> context;
        std::function<void(const Permissions::Check&)> done;
    };
    QList<Pending> m_pending;
};
