#include "platform/Capabilities.h"

#include <QCoreApplication>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QThreadPool>

namespace {

struct SoundSettings
{
    QString program;
    QStringList arguments;
};

// The desktop's own panel first, else the PulseAudio mixer on its input tab.
SoundSettings soundSettings()
{
    if (QStandardPaths::findExecutable(QStringLiteral("gnome-control-center")).size())
        return {QStringLiteral("gnome-control-center"), {QStringLiteral("sound")}};
    if (QStandardPaths::findExecutable(QStringLiteral("pavucontrol")).size())
        return {QStringLiteral("pavucontrol"), {QStringLiteral("--tab=4")}};
    return {};
}

class LinuxCapabilities final : public Capabilities
{
public:
    void readMicrophone(QObject* context, std::function<void(const Permissions::Check&)> done) override
    {
        // The sound server may take up to its time-out to answer.
        QPointer<QObject> receiver(context);
        QThreadPool::globalInstance()->start([receiver, done = std::move(done)] {
            const Permissions::Check check = Permissions::microphone();
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [receiver, done, check] {
                    if (receiver)
                        done(check);
                },
                Qt::QueuedConnection);
        });
    }

    Permissions::Check accessibility() override { return Permissions::accessibility(); }

    bool hasSoundSettings() override { return !soundSettings().program.isEmpty(); }

    void openSoundSettings() override
    {
        const SoundSettings settings = soundSettings();
        if (!settings.program.isEmpty())
            QProcess::startDetached(settings.program, settings.arguments);
    }
};

} // namespace

Capabilities& Capabilities::system()
{
    static LinuxCapabilities capabilities;
    return capabilities;
}
