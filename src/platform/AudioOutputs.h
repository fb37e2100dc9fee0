#pragma once

#include <QList>
#include <QString>

// One stream of a process that is playing sound now.
struct AudioOutput
{
    qint32 pid = 0;
    // The application id the stream names, else its binary; may be empty.
    QString appId;

    bool operator==(const AudioOutput&) const = default;
};

// Which processes play sound, from the sound server.
namespace AudioOutputs {

// The streams that are playing (not paused), in the server's order. On
// failure returns an empty list and fills error with a lower-case sentence.
QList<AudioOutput> playing(QString* error);

} // namespace AudioOutputs
