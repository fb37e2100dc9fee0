#pragma once

#include <QString>

#include <memory>
#include <optional>

// Encodes a recording as AAC at 32000 bit/s in an M4A file, keeping the
// source's sample rate and channel count. Blocks its thread until the file
// is complete: never call it on the main thread.
namespace AACEncoder {

// Writes "<name>.m4a" beside the WAV (replacing an older one) and returns it;
// nothing with the reason in error on failure, leaving no partial file.
std::optional<QString> m4a(const QString& wav, QString* error);

// "<name>.m4a" beside "<name>.wav".
QString m4aPath(const QString& wav);

// The same encoding for recording samples (16 kHz mono 16-bit) that arrive
// over time: the file grows as they come. Used by one thread at a time.
class Stream final
{
public:
    // Creates the file (replacing an older one); null with the reason in error.
    static std::unique_ptr<Stream> create(const QString& path, QString* error);
    // Deletes the file unless it was finished.
    ~Stream();

    Stream(const Stream&) = delete;
    Stream& operator=(const Stream&) = delete;

    bool write(const qint16* samples, qsizetype count, QString* error);
    // Encodes what is left and completes the file.
    bool finish(QString* error);

    const QString& path() const { return m_path; }

private:
    struct Output;
    explicit Stream(QString path);

    QString m_path;
    std::unique_ptr<Output> m_output;
    bool m_finished = false;
};

} // namespace AACEncoder
