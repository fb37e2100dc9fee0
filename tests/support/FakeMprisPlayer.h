#pragma once

#include <QMutex>
#include <QString>
#include <QStringList>
#include <QThread>

#include <memory>

class QObject;

// A media player on the session bus (MPRIS "org.mpris.MediaPlayer2.<name>")
// with a playback status that Play, Pause, PlayPause and Stop change. It
// answers from a thread of its own, so that the code under test may wait for
// it on the main thread.
class FakeMprisPlayer final
{
public:
    FakeMprisPlayer(const QString& name, const QString& status);
    ~FakeMprisPlayer();

    bool isRegistered() const { return m_registered; }
    QString busName() const { return m_busName; }
    QString status() const;
    // The methods called, in order ("Pause", "Play", ...).
    QStringList calls() const;

    // Used by the player object on its thread.
    void called(const QString& method, const QString& newStatus);

private:
    QString m_busName;
    QThread m_thread;
    QObject* m_player = nullptr;
    bool m_registered = false;
    mutable QMutex m_mutex;
    QString m_status;
    QStringList m_calls;
};
