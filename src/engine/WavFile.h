#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// Reading and writing whole PCM WAV files as per-channel float samples (full
// scale 1.0). Reads 8-bit unsigned, 16/24/32-bit signed and 32-bit float
// PCM, walking the chunk list; writes back in any of those stored formats.
namespace WavFile {

struct StoredFormat
{
    int sampleRate = 16000;
    int channels = 1;
    int bitsPerSample = 16;
    bool isFloat = false;
    bool operator==(const StoredFormat&) const = default;
};

// The recording format: 16 kHz, mono, 16-bit signed little-endian.
inline constexpr StoredFormat recording{};
inline constexpr int headerBytes = 44;

struct Audio
{
    StoredFormat format;
    std::vector<std::vector<float>> channels; // one array per channel, equal lengths
    qint64 frames() const { return channels.empty() ? 0 : qint64(channels.front().size()); }
};

// The canonical 44-byte header for dataBytes bytes of samples.
QByteArray header(const StoredFormat& format, quint32 dataBytes);

// False with a reason in error when the file is missing, not a WAV, or in a
// format this reader does not know. A data chunk cut short yields the whole
// frames that are there.
bool read(const QString& path, Audio* audio, QString* error);
// Writes all frames in the given stored format (channels as in audio).
bool write(const QString& path, const StoredFormat& format, const std::vector<std::vector<float>>& channels,
           QString* error);

} // namespace WavFile
