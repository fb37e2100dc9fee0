#pragma once

#include "platform/AudioOutputs.h"
#include "platform/Clock.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// Pauses the desktop's media players while a recording runs and plays them
// again afterwards. Who plays sound comes from the sound server; players are
// paused and resumed over MPRIS, exactly those that were playing. When only
// calling and meeting applications play sound, nothing is paused. Main thread.
namespace MediaControl {

// Application-id prefixes of calling and meeting applications.
const QStringList& callApps();
bool isCallApp(const QString& appId);
// The first output that is not a call application (one with no id counts
// as a media player); -1 when there is none.
qsizetype firstMediaPlayer(const QList<AudioOutput>& outputs);
// The entries of after whose process was not in before, in order.
QList<AudioOutput> startedPlayers(const QList<AudioOutput>& before, const QList<AudioOutput>& after);

// Pauses the players that play now, if another application plays media.
// True while something it paused waits for resume(). undone is called later, on the main loop,
// if within 0.4 s another process started playing, in which case the
// players were played again and resume() will do nothing.
bool pauseIfPlaying(std::function<void()> undone);
// Plays again what pauseIfPlaying() paused, if anything.
void resume();

// Where the delayed check runs (tests).
void setClock(Clock& clock);

} // namespace MediaControl
