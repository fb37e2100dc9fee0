#pragma once

#include <QList>
#include <QString>

#include <optional>

// Shortens the long pauses of a finished recording before it is sent: of
// each pause long enough it keeps a little at either end. Stateless and
// re-entrant; blocking, so run it off the main thread.
namespace AudioTrimmer {

// Writes "<name>.trimmed.wav" beside the input and returns it; nothing when
// there is nothing to cut or the audio cannot be read or written (the caller
// then sends the untrimmed file). The input is never changed.
std::optional<QString> trimSilence(const QString& path, double keepSeconds);

// Levels in dB full scale of each window of the first count samples.
QList<float> windowLevels(const float* samples, qint64 count, qint64 window);
// The level of one window of count samples.
float windowLevel(const float* samples, qint64 count);

// A window strictly below this level (dB) is silent.
inline constexpr float silenceThreshold = -45.0f;

// Where pauses are cut, in frames and windows: a silent run of at least
// minPause windows keeps its first head and its last tail frames.
struct Rule
{
    qint64 window = 1;
    qint64 minPause = 1;
    qint64 head = 0;
    qint64 tail = 0;
};
// The rule for this rate and amount of silence to keep. Keeping more than
// maxSeconds (the longest the audio can be) keeps everything anyway; bounding
// it keeps the frame counts from overflowing.
Rule rule(double sampleRate, double keepSeconds, double maxSeconds);

} // namespace AudioTrimmer
