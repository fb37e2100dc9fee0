#include "phone/PhoneRoutes.h"

#include "core/Log.h"
#include "phone/PhonePage.h"

#include <QByteArrayView>
#include <QFile>
#include <QHash>
#include <QStringDecoder>

#include <mutex>

// The faces live in the application's font resource; Q_INIT_RESOURCE must be
// called outside any namespace.
static bool registerFonts()
{
    Q_INIT_RESOURCE(kesto_fonts);
    return true;
}

namespace PhoneRoutes {

namespace {

const QString noStore = QStringLiteral("no-store");

QByteArray json(const QString& key, const QString& value, const QString& status)
{
    return PhoneHttp::jsonResponse({{key, value}}, status);
}

const QStringList& fontNames()
{
    static const QStringList names{QStringLiteral("Onest-Regular.ttf"), QStringLiteral("Onest-Medium.ttf"),
                                   QStringLiteral("Onest-SemiBold.ttf"), QStringLiteral("Onest-Bold.ttf")};
    return names;
}

std::optional<QByteArray> readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

} // namespace

QByteArray notFound()
{
    return PhoneHttp::response(QStringLiteral("404 Not Found"), QStringLiteral("text/plain"), "Not found", noStore);
}

std::optional<QByteArray> font(const QString& name)
{
    if (!fontNames().contains(name))
        return std::nullopt;
    static std::mutex lock;
    static QHash<QString, QByteArray> cache;
    std::lock_guard guard(lock);
    if (const auto cached = cache.constFind(name); cached != cache.constEnd())
        return *cached;
    static const bool registered = registerFonts();
    std::optional<QByteArray> bytes = registered ? readFile(QStringLiteral(":/fonts/") + name) : std::nullopt;
    if (bytes)
        cache.insert(name, *bytes);
    return bytes;
}

QString boundary(const QString& contentType)
{
    // Parameters are "; name=value", the value a token or a quoted string.
    qsizetype i = contentType.indexOf(QLatin1Char(';'));
    while (i >= 0 && i < contentType.size()) {
        ++i;
        const qsizetype equals = contentType.indexOf(QLatin1Char('='), i);
        if (equals < 0)
            return {};
        const QString name = PhoneHttp::trimmed(contentType.mid(i, equals - i));
        qsizetype valueStart = equals + 1;
        while (valueStart < contentType.size() && PhoneHttp::trimmed(contentType.mid(valueStart, 1)).isEmpty())
            ++valueStart;
        QString value;
        qsizetype next;
        if (valueStart < contentType.size() && contentType[valueStart] == QLatin1Char('"')) {
            const qsizetype close = contentType.indexOf(QLatin1Char('"'), valueStart + 1);
            value = contentType.mid(valueStart + 1, close < 0 ? -1 : close - valueStart - 1);
            next = close < 0 ? -1 : contentType.indexOf(QLatin1Char(';'), close);
        } else {
            next = contentType.indexOf(QLatin1Char(';'), valueStart);
            value = PhoneHttp::trimmed(contentType.mid(valueStart, next < 0 ? -1 : next - valueStart));
        }
        if (name.compare(QLatin1String("boundary"), Qt::CaseInsensitive) == 0)
            return PhoneHttp::trimmed(value);
        i = next;
    }
    return {};
}

std::optional<FilePart> firstFilePart(const QByteArray& body, const QString& contentType)
{
    const QString marker = boundary(contentType);
    if (marker.isEmpty())
        return std::nullopt;
    const QByteArray delimiter = "--" + marker.toUtf8();
    qsizetype search = 0;
    for (;;) {
        const qsizetype at = body.indexOf(delimiter, search);
        if (at < 0)
            return std::nullopt;
        const qsizetype headerStart = at + delimiter.size();
        const qsizetype headerEnd = body.indexOf("\r\n\r\n", headerStart);
        if (headerEnd < 0)
            return std::nullopt;
        QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        QString header = decoder.decode(QByteArrayView(body).sliced(headerStart, headerEnd - headerStart));
        if (decoder.hasError())
            header.clear();
        const qsizetype contentStart = headerEnd + 4;
        const qsizetype nextDelimiter = body.indexOf(delimiter, contentStart);
        const qsizetype contentEnd = nextDelimiter < 0 ? body.size() : nextDelimiter;
        QByteArray content = body.mid(contentStart, contentEnd - contentStart);
        if (content.size() >= 2 && content.endsWith("\r\n"))
            content.chop(2);

        const QString lower = header.toLower();
        if (lower.contains(QLatin1String("filename=")) || lower.contains(QLatin1String("audio/"))) {
            QString type = QStringLiteral("audio/mp4");
            const QStringList lines = header.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
            for (const QString& line : lines) {
                if (line.toLower().startsWith(QLatin1String("content-type:"))) {
                    type = PhoneHttp::trimmed(line.mid(13));
                    break;
                }
            }
            return FilePart{content, type};
        }
        if (nextDelimiter < 0)
            return std::nullopt;
        search = nextDelimiter;
    }
}

Decision route(const PhoneHttp::Request& request, const QString& token,
               const std::function<QString()>& statusText)
{
    Decision decision;
    const QString& method = request.method;
    const QString& path = request.path;
    if (method == QLatin1String("GET") && path.startsWith(QLatin1String("/font/"))) {
        const std::optional<QByteArray> bytes = font(path.mid(6));
        decision.answer = bytes ? PhoneHttp::response(QStringLiteral("200 OK"), QStringLiteral("font/ttf"), *bytes,
                                                      QStringLiteral("public, max-age=86400"))
                                : notFound();
        return decision;
    }
    decision.seen = true;
    if (method == QLatin1String("GET") && path == QLatin1String("/")) {
        const QString page = PhonePage::filled(token, PhonePage::computerName());
        decision.answer = PhoneHttp::response(QStringLiteral("200 OK"), QStringLiteral("text/html; charset=utf-8"),
                                              page.toUtf8(), noStore);
    } else if (method == QLatin1String("GET") && path == QLatin1String("/status")) {
        decision.answer = json(QStringLiteral("status"), statusText ? statusText() : QStringLiteral("Ready"),
                               QStringLiteral("200 OK"));
    } else if (method == QLatin1String("POST") && path == QLatin1String("/audio")) {
        QString type = request.headers.value(QStringLiteral("content-type"), QStringLiteral("audio/mp4"));
        QByteArray audio = request.body;
        if (type.toLower().contains(QLatin1String("multipart/form-data"))) {
            if (std::optional<FilePart> part = firstFilePart(audio, type)) {
                audio = std::move(part->bytes);
                type = part->contentType;
            }
        }
        Log::write(QStringLiteral("phone server: received ") + QString::number(audio.size()) + QStringLiteral(" bytes of ")
                   + Log::loggable(type));
        if (audio.size() < minimumAudio) {
            decision.answer = json(QStringLiteral("error"), QStringLiteral("The recording was empty."),
                                   QStringLiteral("400 Bad Request"));
        } else {
            decision.upload = true;
            decision.audio = std::move(audio);
            decision.contentType = type;
        }
    } else {
        decision.answer = notFound();
    }
    return decision;
}

} // namespace PhoneRoutes
