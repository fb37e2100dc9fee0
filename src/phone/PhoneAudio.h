#pragma once

#include <QByteArray>
#include <QString>

// Turns an uploaded recording into the one recording format of the system:
// a temporary 16 kHz mono 16-bit PCM WAV file. Stateless; any thread.
namespace PhoneAudio {

// The longest recording taken from the phone; decoding stops past it, so a
// small, very compressible upload cannot fill the disk.
inline constexpr int longestSeconds = 20 * 60;

struct Conversion
{
    enum class Failure { None, Unreadable, TooLong };

    QString path;          // the WAV, owned by the caller; empty on failure
    double seconds = 0;    // its length
    Failure failure = Failure::None;

    bool operator==(const Conversion&) const = default;
};

// Converts the upload; failures are logged and leave no file behind.
Conversion convertToWav(const QByteArray& data, const QString& contentType);

// The sentence for the phone when a recording is past longestSeconds.
QString tooLongText();

// The extension the upload is stored under before it is read.
QString fileExtension(const QString& contentType);

} // namespace PhoneAudio
