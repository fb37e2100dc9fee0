#include "engine/Upload.h"

#include "core/Log.h"
#include "engine/AACEncoder.h"

#include <QFile>

Upload Upload::of(const QString& wav, const Encoder& encode, const LogLine& log)
{
    QString error;
    const std::optional<QString> m4a = encode(wav, &error);
    if (!m4a) {
        log(QStringLiteral("AAC failed (") + error + QStringLiteral("); sending WAV"));
        return {wav, Format::wav};
    }
    qint64 size = 0;
    if (isM4A(*m4a, &size))
        return {*m4a, Format::m4a};
    log(QStringLiteral("AAC output is not an M4A (%1 bytes); sending WAV").arg(size));
    QFile::remove(*m4a);
    return {wav, Format::wav};
}

bool Upload::isM4A(const QString& path, qint64* bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *bytes = 0;
        return false;
    }
    *bytes = file.size();
    const QByteArray head = file.read(8);
    return head.size() >= 8 && head.mid(4, 4) == "ftyp";
}

Upload Upload::of(const QString& wav)
{
    return of(wav, &AACEncoder::m4a, &Log::write);
}

bool Upload::resendsAsWav(const GeminiError& error)
{
    if (error.kind != GeminiError::Kind::http || error.status != 400)
        return false;
    for (const QLatin1String phrase : {QLatin1String("API key"), QLatin1String("thinking")}) {
        if (error.message.contains(phrase, Qt::CaseInsensitive))
            return false;
    }
    return true;
}

QString Upload::formatName(Format format)
{
    return format == Format::m4a ? QStringLiteral("m4a") : QStringLiteral("wav");
}

std::optional<Upload::Format> Upload::formatFromName(const QString& name)
{
    if (name == QLatin1String("m4a"))
        return Format::m4a;
    if (name == QLatin1String("wav"))
        return Format::wav;
    return std::nullopt;
}
