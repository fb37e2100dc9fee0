#include "phone/PhoneHttp.h"

#include <QtTest>

using PhoneHttp::Parsed;

namespace {

const QString token = QStringLiteral("abcd2345efgh6789");

QByteArray get(const QByteArray& target, const QByteArray& headers = {})
{
    return "GET " + target + " HTTP/1.1\r\nHost: phone\r\n" + headers + "\r\n";
}

QByteArray post(const QByteArray& length, const QByteArray& body = {})
{
    return "POST /audio?t=abcd2345efgh6789 HTTP/1.1\r\nContent-Length: " + length + "\r\n\r\n" + body;
}

} // namespace

class TestPhoneHttp final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void verdicts_data();
    void verdicts();
    void query_data();
    void query();
    void headersAndBody();
    void splitPackets();
    void responses();
    void jsonEscaping();
    void tokenComparison_data();
    void tokenComparison();
};

void TestPhoneHttp::verdicts_data()
{
    QTest::addColumn<QByteArray>("buffer");
    QTest::addColumn<QString>("serverToken");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("message");

    const int request = int(Parsed::Kind::Request);
    const int reject = int(Parsed::Kind::Reject);
    const int needHeaders = int(Parsed::Kind::NeedHeaders);
    const int needBody = int(Parsed::Kind::NeedBody);
    const QString s431 = QStringLiteral("431 Request Header Fields Too Large");
    const QString tooLong = QStringLiteral("The request headers are too long.");
    const QString s400 = QStringLiteral("400 Bad Request");
    const QString unreadable = QStringLiteral("The request could not be read.");
    const QString s403 = QStringLiteral("403 Forbidden");
    const QString wrongToken = QStringLiteral("Wrong or missing token.");
    const QString badLength = QStringLiteral("The Content-Length header is not valid.");
    const QString s413 = QStringLiteral("413 Content Too Large");
    const QString tooLarge = QStringLiteral("The recording is too large.");

    // A head of exactly n bytes: a request line padded by one long header.
    const auto headOf = [](int n) {
        QByteArray head = "GET /?t=abcd2345efgh6789 HTTP/1.1\r\nX-Pad: ";
        head.append(QByteArray(n - head.size(), 'a'));
        return head;
    };

    QTest::newRow("empty buffer") << QByteArray() << token << needHeaders << QString() << QString();
    QTest::newRow("16384 bytes, no separator") << QByteArray(16384, 'a') << token << needHeaders << QString() << QString();
    QTest::newRow("16385 bytes, no separator") << QByteArray(16385, 'a') << token << reject << s431 << tooLong;
    QTest::newRow("head of 16384 bytes") << headOf(16384) + "\r\n\r\n" << token << request << QString() << QString();
    QTest::newRow("head of 16385 bytes") << headOf(16385) + "\r\n\r\n" << token << reject << s431 << tooLong;
    QTest::newRow("16384-byte head, separator still coming")
        << headOf(16384) + "\r\n\r" << token << reject << s431 << tooLong;
    QTest::newRow("empty head") << QByteArray("\r\n\r\nGET / HTTP/1.1") << token << reject << s400 << unreadable;
    QTest::newRow("method alone") << QByteArray("GET\r\n\r\n") << token << reject << s400 << unreadable;
    QTest::newRow("invalid UTF-8") << get("/?t=abcd2345efgh6789", "X-Name: \xff\xfe\r\n") << token << reject << s400
                                   << unreadable;
    QTest::newRow("double spaces") << QByteArray("GET  /?t=abcd2345efgh6789  HTTP/1.1\r\n\r\n") << token << request
                                   << QString() << QString();
    QTest::newRow("font without token") << get("/font/Onest-Bold.ttf") << token << request << QString() << QString();
    QTest::newRow("font posted without token") << QByteArray("POST /font/x HTTP/1.1\r\n\r\n") << token << reject
                                               << s403 << wrongToken;
    QTest::newRow("lower-case get of a font") << get("/font/x") .replace("GET", "get") << token << reject << s403
                                              << wrongToken;
    QTest::newRow("missing token") << get("/status") << token << reject << s403 << wrongToken;
    QTest::newRow("empty token value") << get("/status?t=") << token << reject << s403 << wrongToken;
    QTest::newRow("wrong token") << get("/status?t=abcd2345efgh678x") << token << reject << s403 << wrongToken;
    QTest::newRow("token prefix") << get("/status?t=abcd") << token << reject << s403 << wrongToken;
    QTest::newRow("later t wins") << get("/status?t=abcd2345efgh6789&t=nope") << token << reject << s403 << wrongToken;
    QTest::newRow("later t wins, right") << get("/status?t=nope&t=abcd2345efgh6789") << token << request << QString()
                                         << QString();
    QTest::newRow("escaped token value") << get("/status?t=abcd2345efgh%36789") << token << request << QString()
                                         << QString();
    QTest::newRow("escaped token name") << get("/status?%74=abcd2345efgh6789") << token << reject << s403 << wrongToken;
    QTest::newRow("no server token") << get("/status") << QString() << request << QString() << QString();
    QTest::newRow("wrong token before any body")
        << QByteArray("POST /audio?t=x HTTP/1.1\r\nContent-Length: 999999999999\r\n\r\n") << token << reject << s403
        << wrongToken;
    QTest::newRow("length +5") << post("+5", "12345") << token << request << QString() << QString();
    QTest::newRow("length spaced") << post("   5", "12345") << token << request << QString() << QString();
    QTest::newRow("length -0") << post("-0") << token << request << QString() << QString();
    QTest::newRow("length 5 bytes") << post("5 bytes") << token << reject << s400 << badLength;
    QTest::newRow("length hex") << post("0x10") << token << reject << s400 << badLength;
    QTest::newRow("length negative") << post("-1") << token << reject << s400 << badLength;
    QTest::newRow("length empty") << post("") << token << reject << s400 << badLength;
    QTest::newRow("length overflowing") << post("9223372036854775808") << token << reject << s400 << badLength;
    QTest::newRow("length Arabic digits") << post("\xd9\xa5") << token << reject << s400 << badLength;
    QTest::newRow("length at the limit") << post("52428800") << token << needBody << QString() << QString();
    QTest::newRow("length above the limit") << post("52428801") << token << reject << s413 << tooLarge;
    QTest::newRow("body still coming") << post("10", "12345") << token << needBody << QString() << QString();
    QTest::newRow("later length wins")
        << QByteArray("POST /audio?t=abcd2345efgh6789 HTTP/1.1\r\nContent-Length: 99\r\ncontent-length: 2\r\n\r\nab")
        << token << request << QString() << QString();
    QTest::newRow("chunked, no length")
        << QByteArray("POST /audio?t=abcd2345efgh6789 HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nhello\r\n0\r\n\r\n")
        << token << request << QString() << QString();
}

void TestPhoneHttp::verdicts()
{
    QFETCH(QByteArray, buffer);
    QFETCH(QString, serverToken);
    QFETCH(int, kind);
    QFETCH(QString, status);
    QFETCH(QString, message);

    const Parsed parsed = PhoneHttp::parse(buffer, serverToken);
    QCOMPARE(int(parsed.kind), kind);
    QCOMPARE(parsed.status, status);
    QCOMPARE(parsed.message, message);
}

void TestPhoneHttp::query_data()
{
    QTest::addColumn<QByteArray>("target");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QVariantMap>("query");

    QTest::newRow("no query") << QByteArray("/status") << "/status" << QVariantMap{};
    QTest::newRow("empty query") << QByteArray("/status?") << "/status" << QVariantMap{};
    QTest::newRow("ignored pieces") << QByteArray("/?a&=b&==b&a=&&") << "/" << QVariantMap{};
    QTest::newRow("value with =") << QByteArray("/?a=b=c") << "/" << QVariantMap{{"a", "b=c"}};
    QTest::newRow("value starting with =") << QByteArray("/?a==b") << "/" << QVariantMap{{"a", "=b"}};
    QTest::newRow("leading = skipped") << QByteArray("/?=a=b") << "/" << QVariantMap{{"a", "b"}};
    QTest::newRow("escape decoded") << QByteArray("/?a=a%20b") << "/" << QVariantMap{{"a", "a b"}};
    QTest::newRow("UTF-8 escape") << QByteArray("/?a=%D1%8F") << "/" << QVariantMap{{"a", QString::fromUtf8("я")}};
    QTest::newRow("bad escape kept") << QByteArray("/?a=a%zz") << "/" << QVariantMap{{"a", "a%zz"}};
    QTest::newRow("plus kept") << QByteArray("/?a=a+b") << "/" << QVariantMap{{"a", "a+b"}};
    QTest::newRow("not UTF-8 kept") << QByteArray("/?a=%ff") << "/" << QVariantMap{{"a", "%ff"}};
    QTest::newRow("second ? in query") << QByteArray("/x%41?a=1?b=2") << "/x%41" << QVariantMap{{"a", "1?b=2"}};
}

void TestPhoneHttp::query()
{
    QFETCH(QByteArray, target);
    QFETCH(QString, path);
    QFETCH(QVariantMap, query);

    const Parsed parsed = PhoneHttp::parse(get(target), QString());
    QCOMPARE(parsed.kind, Parsed::Kind::Request);
    QCOMPARE(parsed.request.path, path);
    QVariantMap got;
    for (auto it = parsed.request.query.cbegin(); it != parsed.request.query.cend(); ++it)
        got.insert(it.key(), it.value());
    QCOMPARE(got, query);
}

void TestPhoneHttp::headersAndBody()
{
    const QByteArray buffer = "POST /audio?t=x HTTP/1.1\r\n"
                              "Content-Type: Audio/WAV\r\n"
                              "\tX-Spaced \u3000:  value with  inner  spaces \t\r\n"
                              "no colon here\r\n"
                              ": empty name\r\n"
                              "Content-Length: 4\r\n\r\n"
                              "bodyEXTRA";
    const Parsed parsed = PhoneHttp::parse(buffer, QStringLiteral("x"));
    QCOMPARE(parsed.kind, Parsed::Kind::Request);
    const PhoneHttp::Request& request = parsed.request;
    QCOMPARE(request.method, QStringLiteral("POST"));
    QCOMPARE(request.headers.value(QStringLiteral("content-type")), QStringLiteral("Audio/WAV"));
    QCOMPARE(request.headers.value(QStringLiteral("x-spaced")), QStringLiteral("value with  inner  spaces"));
    QCOMPARE(request.headers.value(QString()), QStringLiteral("empty name"));
    QCOMPARE(request.headers.size(), 4);
    QCOMPARE(request.body, QByteArray("body")); // bytes beyond the length are dropped
}

void TestPhoneHttp::splitPackets()
{
    const QByteArray body(3000, 'w');
    const QByteArray whole = "POST /audio?t=abcd2345efgh6789 HTTP/1.1\r\nContent-Type: audio/wav\r\nContent-Length: 3000\r\n\r\n" + body;
    const qsizetype headEnd = whole.indexOf("\r\n\r\n") + 4;
    for (qsizetype n = 0; n < whole.size(); ++n) {
        const Parsed parsed = PhoneHttp::parse(whole.left(n), token);
        const Parsed::Kind expected = n < headEnd ? Parsed::Kind::NeedHeaders : Parsed::Kind::NeedBody;
        if (parsed.kind != expected)
            QFAIL(qPrintable(QStringLiteral("wrong verdict after %1 bytes").arg(n)));
    }
    const Parsed done = PhoneHttp::parse(whole, token);
    QCOMPARE(done.kind, Parsed::Kind::Request);
    QCOMPARE(done.request.body, body);
}

void TestPhoneHttp::responses()
{
    QCOMPARE(PhoneHttp::response(QStringLiteral("404 Not Found"), QStringLiteral("text/plain"), "Not found",
                                 QStringLiteral("no-store")),
             QByteArray("HTTP/1.1 404 Not Found\r\nContent-Type: text/plain\r\nContent-Length: 9\r\n"
                        "Cache-Control: no-store\r\nConnection: close\r\n\r\nNot found"));
    QCOMPARE(PhoneHttp::jsonResponse({{QStringLiteral("text"), QString::fromUtf8("Салом")}}, QStringLiteral("200 OK")),
             QByteArray("HTTP/1.1 200 OK\r\nContent-Type: application/json\r\nContent-Length: 21\r\n"
                        "Cache-Control: no-store\r\nConnection: close\r\n\r\n{\"text\":\"Салом\"}"));
}

void TestPhoneHttp::jsonEscaping()
{
    const QByteArray json = PhoneHttp::jsonObject({{QStringLiteral("error"), QStringLiteral("a/b \"q\" \\ \n\x01 \U0001F600")}});
    QCOMPARE(json, QByteArray("{\"error\":\"a\\/b \\\"q\\\" \\\\ \\n\\u0001 \xF0\x9F\x98\x80\"}"));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(document.object().value(QStringLiteral("error")).toString(), QStringLiteral("a/b \"q\" \\ \n\x01 \U0001F600"));
}

void TestPhoneHttp::tokenComparison_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<bool>("equal");
    QTest::newRow("same") << token << true;
    QTest::newRow("last character") << QStringLiteral("abcd2345efgh678a") << false;
    QTest::newRow("first character") << QStringLiteral("bbcd2345efgh6789") << false;
    QTest::newRow("shorter") << QStringLiteral("abcd2345efgh678") << false;
    QTest::newRow("longer") << QStringLiteral("abcd2345efgh67890") << false;
    QTest::newRow("empty") << QString() << false;
}

void TestPhoneHttp::tokenComparison()
{
    QFETCH(QString, given);
    QFETCH(bool, equal);
    QCOMPARE(PhoneHttp::tokensEqual(given, token), equal);
}

QTEST_GUILESS_MAIN(TestPhoneHttp)
#include "TestPhoneHttp.moc"
