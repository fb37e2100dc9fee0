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

} // namespace AudioTrimmer
