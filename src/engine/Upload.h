#pragma once

#include "engine/GeminiError.h"

#include <QString>

#include <functional>
#include <optional>

// What is actually sent for a recording: the M4A when encoding worked and
// its result really is an MPEG-4 file, else the WAV.
struct Upload
{
    enum class Format { m4a, wav };

    QString path;
    Format format = Format::wav;

    // Encodes a WAV; the new file, or nothing with the reason in error.
    using Encoder = std::function<std::optional<QString>(const QString& wav, QString* error)>;
    using LogLine = std::function<void(const QString&)>;

    // Never fails: falls back to the WAV, logging why. Blocking with the real
    // encoder, so run it off the main thread. The WAV is never touched.
    static Upload of(const QString& wav, const Encoder& encode, const LogLine& log);
    // The same with the AAC encoder and the application's log.
    static Upload of(const QString& wav);

    // Whether the file opens with the "ftyp" box of an ISO base media file;
    // bytes gets its size (0 when it cannot be read).
    static bool isM4A(const QString& path, qint64* bytes);

    // Whether a request that carried the M4A is sent once more as WAV: only
    // for an HTTP 400 that is not about the key or the thinking settings.
    static bool resendsAsWav(const GeminiError& error);

    static QString formatName(Format format);
    static std::optional<Format> formatFromName(const QString& name);

    bool operator==(const Upload&) const = default;
};
