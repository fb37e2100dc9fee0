#pragma once

#include <QByteArray>
#include <QString>

// Turns an uploaded recording into the one recording format of the system:
// a temporary 16 kHz mono 16-bit PCM WAV file. Stateless; any thread.
namespace PhoneAudio {

// The WAV file's path, owned by the caller, or an empty text when the upload
// is not readable audio of a kind a phone sends (logged).
QString convertToWav(const QByteArray& data, const QString& contentType);

// The extension the upload is stored under before it is read.
QString fileExtension(const QString& contentType);

} // namespace PhoneAudio
