#include "phone/PhoneHttp.h"

#include <QByteArrayView>
#include <QStringDecoder>

#include <limits>
#include <optional>

namespace PhoneHttp {

namespace {

const QString badRequest = QStringLiteral("400 Bad Request");

Parsed reject(const QString& status, const QString& message)
{
    Parsed parsed;
    parsed.kind = Parsed::Kind::Reject;
    parsed.status = status;
    parsed.message = message;
    return parsed;
}

Parsed need(Parsed::Kind kind)
{
    Parsed parsed;
    parsed.kind = kind;
    return parsed;
}

std::optional<QString> decodeUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringConverter::Utf8,
                           QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// %XX escapes read as UTF-8; "+" stays. A malformed escape or bytes that are
// not UTF-8 give the raw text back.
QString percentDecoded(const QString& raw)
{
    if (!raw.contains(QLatin1Char('%')))
        return raw;
    const QByteArray in = raw.toUtf8();
    QByteArray out;
    out.reserve(in.size());
    for (qsizetype i = 0; i < in.size(); ++i) {
        if (in[i] != '%') {
            out.append(in[i]);
            continue;
        }
        if (i + 2 >= in.size())
            return raw;
        const int high = hexValue(in[i + 1]);
        const int low = hexValue(in[i + 2]);
        if (high < 0 || low < 0)
            return raw;
        out.append(char(high * 16 + low));
        i += 2;
    }
    return decodeUtf8(out).value_or(raw);
}

QMap<QString, QString> parseQuery(const QString& text)
{
    QMap<QString, QString> query;
    const QStringList pieces = text.split(QLatin1Char('&'), Qt::SkipEmptyParts);
    for (const QString& piece : pieces) {
        qsizetype start = 0;
        while (start < piece.size() && piece[start] == QLatin1Char('='))
            ++start;
        const qsizetype equals = piece.indexOf(QLatin1Char('='), start);
        if (equals < 0)
            continue;
        const QString value = piece.mid(equals + 1);
        if (value.isEmpty())
            continue;
        query.insert(piece.mid(start, equals - start), percentDecoded(value));
    }
    return query;
}

// A base-10 integer: one optional sign, ASCII digits, within 64 bits.
std::optional<qint64> parseInteger(const QString& text)
{
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    if (i == text.size())
        return std::nullopt;
    // Accumulated as a negative number so that the 64-bit minimum fits too.
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        const int digit = c - u'0';
        if (value < (std::numeric_limits<qint64>::min() + digit) / 10)
            return std::nullopt;
        value = value * 10 - digit;
    }
    if (!negative) {
        if (value == std::numeric_limits<qint64>::min())
            return std::nullopt;
        value = -value;
    }
    return value;
}

bool isTrimmable(QChar c)
{
    return c == QLatin1Char('\t') || c.category() == QChar::Separator_Space;
}

} // namespace

QString trimmed(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isTrimmable(text[begin]))
        ++begin;
    while (end > begin && isTrimmable(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

Parsed parse(const QByteArray& buffer, const QString& token)
{
    const qsizetype window = std::min(buffer.size(), headWindow);
    const qsizetype separator = QByteArrayView(buffer.constData(), window).indexOf("\r\n\r\n");
    if (separator < 0) {
        if (buffer.size() <= headLimit)
            return need(Parsed::Kind::NeedHeaders);
        return reject(QStringLiteral("431 Request Header Fields Too Large"),
                      QStringLiteral("The request headers are too long."));
    }

    const std::optional<QString> head = decodeUtf8(QByteArrayView(buffer.constData(), separator));
    const QString unreadable = QStringLiteral("The request could not be read.");
    if (!head)
        return reject(badRequest, unreadable);

    const QStringList lines = head->split(QStringLiteral("\r\n"));
    const QStringList requestLine = lines.first().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (requestLine.size() < 2)
        return reject(badRequest, unreadable);

    Request request;
    request.method = requestLine[0];
    const QString& target = requestLine[1];
    const qsizetype question = target.indexOf(QLatin1Char('?'));
    request.path = question < 0 ? target : target.left(question);
    if (question >= 0)
        request.query = parseQuery(target.mid(question + 1));

    const bool isFont = request.method == QLatin1String("GET") && request.path.startsWith(QLatin1String("/font/"));
    if (!token.isEmpty() && !isFont) {
        const auto given = request.query.constFind(QString::fromLatin1(tokenKey));
        if (given == request.query.constEnd() || !tokensEqual(*given, token))
            return reject(QStringLiteral("403 Forbidden"), QStringLiteral("Wrong or missing token."));
    }

    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QString& line = lines[i];
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        if (colon < 0)
            continue;
        request.headers.insert(trimmed(line.left(colon)).toLower(), trimmed(line.mid(colon + 1)));
    }

    qint64 length = 0;
    const auto field = request.headers.constFind(QStringLiteral("content-length"));
    if (field != request.headers.constEnd()) {
        const std::optional<qint64> value = parseInteger(*field);
        if (!value || *value < 0)
            return reject(badRequest, QStringLiteral("The Content-Length header is not valid."));
        if (*value > bodyLimit)
            return reject(QStringLiteral("413 Content Too Large"), QStringLiteral("The recording is too large."));
        length = *value;
    }

    const qsizetype bodyStart = separator + 4;
    if (buffer.size() - bodyStart < length)
        return need(Parsed::Kind::NeedBody);
    request.body = buffer.mid(bodyStart, length);

    Parsed parsed;
    parsed.kind = Parsed::Kind::Request;
    parsed.request = std::move(request);
    return parsed;
}

QByteArray response(const QString& status, const QString& contentType, const QByteArray& body,
                    const QString& cache)
{
    QByteArray bytes = (QStringLiteral("HTTP/1.1 ") + status + QStringLiteral("\r\nContent-Type: ") + contentType
                        + QStringLiteral("\r\nContent-Length: ") + QString::number(body.size())
                        + QStringLiteral("\r\nCache-Control: ") + cache
                        + QStringLiteral("\r\nConnection: close\r\n\r\n"))
                           .toUtf8();
    bytes.append(body);
    return bytes;
}

namespace {

void appendJsonString(QString& out, const QString& text)
{
    out += QLatin1Char('"');
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'"': out += QLatin1String("\\\""); break;
        case u'\\': out += QLatin1String("\\\\"); break;
        case u'/': out += QLatin1String("\\/"); break;
        case u'\n': out += QLatin1String("\\n"); break;
        case u'\r': out += QLatin1String("\\r"); break;
        case u'\t': out += QLatin1String("\\t"); break;
        case u'\b': out += QLatin1String("\\b"); break;
        case u'\f': out += QLatin1String("\\f"); break;
        default:
            if (c.unicode() < 0x20)
                out += QStringLiteral("\\u%1").arg(int(c.unicode()), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    out += QLatin1Char('"');
}

} // namespace

QByteArray jsonObject(const QMap<QString, QString>& map)
{
    QString out(QLatin1Char('{'));
    bool first = true;
    for (auto it = map.constBegin(); it != map.constEnd(); ++it) {
        if (!first)
            out += QLatin1Char(',');
        first = false;
        appendJsonString(out, it.key());
        out += QLatin1Char(':');
        appendJsonString(out, it.value());
    }
    out += QLatin1Char('}');
    return out.toUtf8();
}

QByteArray jsonResponse(const QMap<QString, QString>& map, const QString& status)
{
    return response(status, QStringLiteral("application/json"), jsonObject(map), QStringLiteral("no-store"));
}

bool tokensEqual(const QString& given, const QString& expected)
{
    const QByteArray a = given.toUtf8();
    const QByteArray b = expected.toUtf8();
    // Every byte of the expected token is looked at, whatever the input.
    unsigned difference = a.size() == b.size() ? 0u : 1u;
    for (qsizetype i = 0; i < b.size(); ++i) {
        const unsigned char x = i < a.size() ? static_cast<unsigned char>(a[i]) : 0u;
        difference |= x ^ static_cast<unsigned char>(b[i]);
    }
    return difference == 0;
}

} // namespace PhoneHttp
