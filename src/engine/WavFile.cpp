#include "engine/WavFile.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <cmath>

namespace WavFile {
namespace {

constexpr quint16 formatPcm = 1;
constexpr quint16 formatFloat = 3;
constexpr quint16 formatExtensible = 0xFFFE;

bool supported(const StoredFormat& f)
{
    if (f.sampleRate <= 0 || f.channels <= 0)
        return false;
    if (f.isFloat)
        return f.bitsPerSample == 32;
    return f.bitsPerSample == 8 || f.bitsPerSample == 16 || f.bitsPerSample == 24 || f.bitsPerSample == 32;
}

float decode(const uchar* p, const StoredFormat& f)
{
    switch (f.bitsPerSample) {
    case 8:
        return (float(p[0]) - 128.0f) / 128.0f;
    case 16:
        return float(qFromLittleEndian<qint16>(p)) / 32768.0f;
    case 24: {
        const qint32 v = qint32(quint32(p[0]) << 8 | quint32(p[1]) << 16 | quint32(p[2]) << 24) >> 8;
        return float(v) / 8388608.0f;
    }
    default:
        if (f.isFloat)
            return qFromLittleEndian<float>(p);
        return float(double(qFromLittleEndian<qint32>(p)) / 2147483648.0);
    }
}

void encode(float x, uchar* p, const StoredFormat& f)
{
    auto scaled = [x](double full, double low, double high) {
        return std::clamp(std::nearbyint(double(x) * full), low, high);
    };
    switch (f.bitsPerSample) {
    case 8:
        p[0] = uchar(scaled(128.0, -128.0, 127.0) + 128.0);
        return;
    case 16:
        qToLittleEndian<qint16>(qint16(scaled(32768.0, -32768.0, 32767.0)), p);
        return;
    case 24: {
        const qint32 v = qint32(scaled(8388608.0, -8388608.0, 8388607.0));
        p[0] = uchar(v & 0xFF);
        p[1] = uchar((v >> 8) & 0xFF);
        p[2] = uchar((v >> 16) & 0xFF);
        return;
    }
    default:
        if (f.isFloat)
            qToLittleEndian<float>(x, p);
        else
            qToLittleEndian<qint32>(qint32(scaled(2147483648.0, -2147483648.0, 2147483647.0)), p);
    }
}

bool fail(QString* error, const QString& why)
{
    if (error)
        *error = why;
    return false;
}

} // namespace

QByteArray header(const StoredFormat& f, quint32 dataBytes)
{
    QByteArray h(headerBytes, '\0');
    auto* p = reinterpret_cast<uchar*>(h.data());
    const quint16 blockAlign = quint16(f.channels * f.bitsPerSample / 8);
    memcpy(p, "RIFF", 4);
    qToLittleEndian<quint32>(quint32(std::min<quint64>(quint64(dataBytes) + 36, 0xFFFFFFFFu)), p + 4);
    memcpy(p + 8, "WAVEfmt ", 8);
    qToLittleEndian<quint32>(16, p + 16);
    qToLittleEndian<quint16>(f.isFloat ? formatFloat : formatPcm, p + 20);
    qToLittleEndian<quint16>(quint16(f.channels), p + 22);
    qToLittleEndian<quint32>(quint32(f.sampleRate), p + 24);
    qToLittleEndian<quint32>(quint32(f.sampleRate) * blockAlign, p + 28);
    qToLittleEndian<quint16>(blockAlign, p + 32);
    qToLittleEndian<quint16>(quint16(f.bitsPerSample), p + 34);
    memcpy(p + 36, "data", 4);
    qToLittleEndian<quint32>(dataBytes, p + 40);
    return h;
}

bool read(const QString& path, Audio* audio, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(error, file.errorString());
    const qint64 size = file.size();
    const uchar* map = size > 0 ? file.map(0, size) : nullptr;
    QByteArray owned;
    if (!map && size > 0) {
        owned = file.readAll();
        map = reinterpret_cast<const uchar*>(owned.constData());
    }
    if (size < 12 || memcmp(map, "RIFF", 4) != 0 || memcmp(map + 8, "WAVE", 4) != 0)
        return fail(error, QStringLiteral("not a WAV file"));

    StoredFormat format;
    bool haveFormat = false;
    qint64 at = 12;
    while (at + 8 <= size) {
        const QByteArray id(reinterpret_cast<const char*>(map + at), 4);
        const qint64 length = qFromLittleEndian<quint32>(map + at + 4);
        const qint64 body = at + 8;
        if (id == "fmt ") {
            if (length < 16 || body + 16 > size)
                return fail(error, QStringLiteral("the format chunk is cut short"));
            quint16 tag = qFromLittleEndian<quint16>(map + body);
            format.channels = qFromLittleEndian<quint16>(map + body + 2);
            format.sampleRate = int(qFromLittleEndian<quint32>(map + body + 4));
            format.bitsPerSample = qFromLittleEndian<quint16>(map + body + 14);
            if (tag == formatExtensible && length >= 40 && body + 26 <= size)
                tag = qFromLittleEndian<quint16>(map + body + 24); // sub-format's first two bytes
            if (tag != formatPcm && tag != formatFloat)
                return fail(error, QStringLiteral("the audio is not PCM (format %1)").arg(tag));
            format.isFloat = tag == formatFloat;
            if (!supported(format))
                return fail(error, QStringLiteral("unsupported PCM layout"));
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat)
                return fail(error, QStringLiteral("the data comes before the format"));
            // Streams written without a final size say 0 or 0xFFFFFFFF: take what is there.
            qint64 bytes = size - body;
            if (length != 0xFFFFFFFF && length > 0)
                bytes = std::min(bytes, length);
            const int bytesPerSample = format.bitsPerSample / 8;
            const int frameBytes = bytesPerSample * format.channels;
            const qint64 frames = bytes / frameBytes;
            audio->format = format;
            audio->channels.assign(std::size_t(format.channels), std::vector<float>(std::size_t(frames)));
            const uchar* p = map + body;
            for (qint64 i = 0; i < frames; ++i) {
                for (int c = 0; c < format.channels; ++c, p += bytesPerSample)
                    audio->channels[std::size_t(c)][std::size_t(i)] = decode(p, format);
            }
            return true;
        }
        at = body + length + (length & 1);
    }
    return fail(error, haveFormat ? QStringLiteral("no audio data") : QStringLiteral("no format chunk"));
}

bool write(const QString& path, const StoredFormat& format, const std::vector<std::vector<float>>& channels,
           QString* error)
{
    StoredFormat f = format;
    f.channels = int(channels.size());
    if (!supported(f))
        return fail(error, QStringLiteral("unsupported PCM layout"));
    const std::size_t frames = channels.front().size();
    const int bytesPerSample = f.bitsPerSample / 8;
    const quint64 dataBytes = quint64(frames) * quint64(bytesPerSample) * quint64(f.channels);
    if (dataBytes > 0xFFFFFFFFull - headerBytes)
        return fail(error, QStringLiteral("too long for a WAV file"));

    QByteArray bytes = header(f, quint32(dataBytes));
    bytes.resize(qsizetype(headerBytes + dataBytes));
    auto* p = reinterpret_cast<uchar*>(bytes.data()) + headerBytes;
    for (std::size_t i = 0; i < frames; ++i) {
        for (const auto& channel : channels) {
            encode(channel[i], p, f);
            p += bytesPerSample;
        }
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return fail(error, file.errorString());
    if (file.write(bytes) != bytes.size() || !file.flush())
        return fail(error, file.errorString());
    return true;
}

} // namespace WavFile
