#pragma once

#include <QString>

#include <optional>

// Encodes a recording as AAC at 32000 bit/s in an M4A file, keeping the
// source's sample rate and channel count. Blocks its thread until the file
// is complete: never call it on the main thread.
namespace AACEncoder {

// Writes "<name>.m4a" beside the WAV (replacing an older one) and returns it;
// nothing with the reason in error on failure, leaving no partial file.
std::optional<QString> m4a(const QString& wav, QString* error);

} // namespace AACEncoder
