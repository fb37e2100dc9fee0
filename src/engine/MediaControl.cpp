#include "engine/MediaControl.h"

#include "core/Log.h"
#include "platform/MediaPlayers.h"

#include <QCoreApplication>
#include <QStringBuilder>

#include <optional>
#include <unistd.h>

namespace MediaControl {

namespace {

constexpr qint64 checkDelayMs = 400;

struct State
{
    Clock* clock = &Clock::system();
    bool paused = false;
    QStringList pausedPlayers;
    std::optional<Clock::TimerId> check;
    // Each of the failures below is logged once, not at every recording.
    bool outputsFailed = false;
    bool playersFailed = false;
};

State& state()
{
    static State s;
    return s;
}

void cancelCheck()
{
    State& s = state();
    if (s.check)
        s.clock->cancel(*s.check);
    s.check.reset();
}

QList<AudioOutput> otherOutputs()
{
    State& s = state();
    QString error;
    QList<AudioOutput> outputs = AudioOutputs::playing(&error);
    if (!error.isEmpty() && !s.outputsFailed)
        Log::write(QStringLiteral("cannot tell which applications play audio: ") + error);
    s.outputsFailed = !error.isEmpty();
    const qint32 self = qint32(getpid());
    outputs.removeIf([self](const AudioOutput& output) { return output.pid == self; });
    return outputs;
}

QStringList playingPlayers()
{
    State& s = state();
    QString error;
    const QStringList players = MediaPlayers::playing(&error);
    if (!error.isEmpty() && !s.playersFailed)
        Log::write(QStringLiteral("cannot reach the media players: ") + error);
    s.playersFailed = !error.isEmpty();
    return players;
}

QString describe(const QList<AudioOutput>& outputs)
{
    QStringList names;
    for (const AudioOutput& output : outputs)
        names << (output.appId.isEmpty() ? QString::number(output.pid) : output.appId);
    return names.join(QStringLiteral(", "));
}

} // namespace

const QStringList& callApps()
{
    static const QStringList prefixes = {
        QStringLiteral("us.zoom."), QStringLiteral("com.microsoft.teams"), QStringLiteral("com.apple.FaceTime"),
        QStringLiteral("com.apple.avconferenced"), QStringLiteral("com.hnc.Discord"),
        QStringLiteral("com.tinyspeck.slackmacgap"), QStringLiteral("com.skype."), QStringLiteral("Cisco-Systems.Spark"),
        QStringLiteral("net.whatsapp.WhatsApp"), QStringLiteral("desktop.WhatsApp"),
        QStringLiteral("ru.keepcoder.Telegram"), QStringLiteral("org.telegram.desktop"),
        // The same applications as this desktop names them (binaries and
        // desktop-file ids, Flatpak ids included).
        QStringLiteral("zoom"), QStringLiteral("ZoomWebviewHost"), QStringLiteral("teams"),
        QStringLiteral("com.github.IsmaelMartinez.teams_for_linux"), QStringLiteral("Discord"),
        QStringLiteral("discord"), QStringLiteral("com.discordapp.Discord"), QStringLiteral("slack"),
        QStringLiteral("com.slack.Slack"), QStringLiteral("skypeforlinux"), QStringLiteral("CiscoCollabHost"),
        QStringLiteral("webex"), QStringLiteral("whatsapp"), QStringLiteral("telegram-desktop"),
        QStringLiteral("Telegram"),
    };
    return prefixes;
}

bool isCallApp(const QString& appId)
{
    for (const QString& prefix : callApps()) {
        if (appId.startsWith(prefix))
            return true;
    }
    return false;
}

qsizetype firstMediaPlayer(const QList<AudioOutput>& outputs)
{
    for (qsizetype i = 0; i < outputs.size(); ++i) {
        if (outputs[i].appId.isEmpty() || !isCallApp(outputs[i].appId))
            return i;
    }
    return -1;
}

QList<AudioOutput> startedPlayers(const QList<AudioOutput>& before, const QList<AudioOutput>& after)
{
    QList<AudioOutput> started;
    for (const AudioOutput& output : after) {
        const bool known = std::any_of(before.begin(), before.end(),
                                       [&output](const AudioOutput& old) { return old.pid == output.pid; });
        if (!known)
            started << output;
    }
    return started;
}

bool pauseIfPlaying(std::function<void()> undone)
{
    cancelCheck();
    State& s = state();
    // Players paused earlier and not resumed yet stay ours to resume, so the
    // answer stays true for them.
    const QList<AudioOutput> before = otherOutputs();
    if (before.isEmpty())
        return s.paused;
    if (firstMediaPlayer(before) < 0) {
        Log::write(QStringLiteral("only call apps are playing; not pressing Play/Pause"));
        return s.paused;
    }
    const QStringList players = playingPlayers();
    if (players.isEmpty()) {
        Log::write(QStringLiteral("media playing, but no media player to pause"));
        return s.paused;
    }
    Log::write(QStringLiteral("media playing; pausing it for the recording"));
    s.paused = true;
    for (const QString& player : players) {
        if (!s.pausedPlayers.contains(player))
            s.pausedPlayers << player;
    }
    MediaPlayers::pause(players);

    auto* context = QCoreApplication::instance();
    if (!context)
        return true;
    s.check = s.clock->schedule(checkDelayMs, context, [before, undone = std::move(undone)] {
        State& s = state();
        s.check.reset();
        const QList<AudioOutput> started = startedPlayers(before, otherOutputs());
        if (!s.paused || started.isEmpty())
            return;
        Log::write(QStringLiteral("Play/Pause started ") % describe(started)
                   % QStringLiteral(" instead of pausing; pressing it again"));
        s.paused = false;
        MediaPlayers::play(std::exchange(s.pausedPlayers, {}));
        if (undone)
            undone();
    });
    return true;
}

void resume()
{
    cancelCheck();
    State& s = state();
    if (!s.paused)
        return;
    s.paused = false;
    Log::write(QStringLiteral("resuming media"));
    MediaPlayers::play(std::exchange(s.pausedPlayers, {}));
}

void setClock(Clock& clock)
{
    cancelCheck();
    state().clock = &clock;
}

} // namespace MediaControl
