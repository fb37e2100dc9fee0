#pragma once

#include <QString>

// The short dictation sounds. Names are the design's ("Tink", "Pop", "Funk",
// "Basso"); each maps to a desktop sound-theme event so the user's theme and
// "event sounds off" are respected. Playing never blocks and never fails
// loudly: an unknown name or a missing sound plays nothing.
class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;

    virtual void play(const QString& name) = 0;

    // The sound-theme event id for a design sound name, "" when unknown.
    static QString eventId(const QString& name);

    // The desktop's own player, shared by the whole process.
    static SoundPlayer& system();
};
