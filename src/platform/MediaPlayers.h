#pragma once

#include <QString>
#include <QStringList>

// The desktop's media players (MPRIS on the session bus), addressed by their
// bus names. Used on the main thread; no call waits long for a player.
namespace MediaPlayers {

// The players whose playback status is "Playing". On failure (no session
// bus) returns an empty list and fills error with a lower-case sentence.
QStringList playing(QString* error);
// Asks each player to pause, or to play; returns at once.
void pause(const QStringList& players);
void play(const QStringList& players);

} // namespace MediaPlayers
