#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

// The phone link's wire layer: a pure parser over the bytes received so far on
// one connection, and the writer of the one answer each connection gets.
namespace PhoneHttp {

inline constexpr qsizetype headLimit = 16384;
// The separator must lie wholly inside the window: head limit + "\r\n\r\n".
inline constexpr qsizetype headWindow = headLimit + 4;
inline constexpr qint64 bodyLimit = 52428800;
inline constexpr char tokenKey[] = "t";

struct Request
{
    QString method;
    QString path;
    QMap<QString, QString> query;
    QMap<QString, QString> headers;
    QByteArray body;

    bool operator==(const Request&) const = default;
};

struct Parsed
{
    enum class Kind { Request, Reject, NeedHeaders, NeedBody };

    Kind kind = Kind::NeedHeaders;
    Request request;     // Kind::Request
    QString status;      // Kind::Reject: a whole status text, "403 Forbidden"
    QString message;     // Kind::Reject: the English sentence for the client

    bool operator==(const Parsed&) const = default;
};

Parsed parse(const QByteArray& buffer, const QString& token);

// The answer's bytes: status line, exactly four header fields, body.
QByteArray response(const QString& status, const QString& contentType, const QByteArray& body,
                     const QString& cache);
// A compact JSON object of text values, "/" written as "\/".
QByteArray jsonObject(const QMap<QString, QString>& map);
QByteArray jsonResponse(const QMap<QString, QString>& map, const QString& status);

// Equal texts, compared in time that does not depend on where they differ.
bool tokensEqual(const QString& given, const QString& expected);

// Unicode space separators and tab, the trimming HTTP values get here.
QString trimmed(const QString& text);

} // namespace PhoneHttp
