#include "phone/PhonePage.h"
#include "phone/PhoneRoutes.h"

#include "TempDataDir.h"
#include "core/Log.h"

#include <QtTest>

using PhoneRoutes::FilePart;

namespace {

PhoneHttp::Request request(const QString& method, const QString& path)
{
    PhoneHttp::Request r;
    r.method = method;
    r.path = path;
    return r;
}

QString statusOf(const QByteArray& answer)
{
    return QString::fromUtf8(answer.left(answer.indexOf("\r\n")).mid(9));
}

QByteArray bodyOf(const QByteArray& answer)
{
    return answer.mid(answer.indexOf("\r\n\r\n") + 4);
}

} // namespace

class TestPhoneRoutes final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void routes_data();
    void routes();
    void fonts();
    void page();
    void uploads();
    void boundary_data();
    void boundary();
    void filePart_data();
    void filePart();
};

void TestPhoneRoutes::routes_data()
{
    QTest::addColumn<QString>("method");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("status");
    QTest::addColumn<bool>("seen");
    QTest::addColumn<QByteArray>("body");

    QTest::newRow("status") << "GET" << "/status" << "200 OK" << true << QByteArray("{\"status\":\"Ready\\/set\"}");
    QTest::newRow("HEAD /") << "HEAD" << "/" << "404 Not Found" << true << QByteArray("Not found");
    QTest::newRow("index.html") << "GET" << "/index.html" << "404 Not Found" << true << QByteArray("Not found");
    QTest::newRow("status/") << "GET" << "/status/" << "404 Not Found" << true << QByteArray("Not found");
    QTest::newRow("get audio") << "GET" << "/audio" << "404 Not Found" << true << QByteArray("Not found");
    QTest::newRow("unknown font") << "GET" << "/font/Onest-Light.ttf" << "404 Not Found" << false << QByteArray("Not found");
    QTest::newRow("font outside") << "GET" << "/font/../x" << "404 Not Found" << false << QByteArray("Not found");
    QTest::newRow("escaped font name") << "GET" << "/font/Onest%2DBold.ttf" << "404 Not Found" << false
                                       << QByteArray("Not found");
}

void TestPhoneRoutes::routes()
{
    QFETCH(QString, method);
    QFETCH(QString, path);
    QFETCH(QString, status);
    QFETCH(bool, seen);
    QFETCH(QByteArray, body);

    const auto decision = PhoneRoutes::route(request(method, path), QStringLiteral("tok"),
                                             [] { return QStringLiteral("Ready/set"); });
    QVERIFY(!decision.upload);
    QCOMPARE(decision.seen, seen);
    QCOMPARE(statusOf(decision.answer), status);
    QCOMPARE(bodyOf(decision.answer), body);
}

void TestPhoneRoutes::fonts()
{
    for (const char* name : {"Onest-Regular.ttf", "Onest-Medium.ttf", "Onest-SemiBold.ttf", "Onest-Bold.ttf"}) {
        const auto decision = PhoneRoutes::route(request("GET", QStringLiteral("/font/") + name), "tok", {});
        QVERIFY2(statusOf(decision.answer) == "200 OK", name);
        QVERIFY(!decision.seen);
        QVERIFY(decision.answer.contains("Content-Type: font/ttf\r\n"));
        QVERIFY(decision.answer.contains("Cache-Control: public, max-age=86400\r\n"));
        QVERIFY(bodyOf(decision.answer).startsWith(QByteArray("\x00\x01\x00\x00", 4)));
        // Byte for byte the face built into the program: no file outside it is read.
        QFile built(QStringLiteral(":/fonts/") + QLatin1String(name));
        QVERIFY(built.open(QIODevice::ReadOnly));
        QCOMPARE(bodyOf(decision.answer), built.readAll());
    }
}

void TestPhoneRoutes::page()
{
    const QString page = PhonePage::text();
    QVERIFY(page.contains("__TOKEN__"));
    QVERIFY(page.contains("__MAC_NAME__"));
    const QString filled = PhonePage::filled(QStringLiteral("ab-c\"d'\u00e9 9"), QStringLiteral("Ali's <PC> & \"x\""));
    QVERIFY(!filled.contains("__TOKEN__"));
    QVERIFY(!filled.contains("__MAC_NAME__"));
    QVERIFY(filled.contains("abcd9"));
    QVERIFY(filled.contains("Ali&#39;s &lt;PC&gt; &amp; &quot;x&quot;"));
    QVERIFY(!filled.contains("&amp;amp;"));

    const auto decision = PhoneRoutes::route(request("GET", "/"), "tok", {});
    QCOMPARE(statusOf(decision.answer), QStringLiteral("200 OK"));
    QVERIFY(decision.seen);
    QVERIFY(decision.answer.contains("Content-Type: text/html; charset=utf-8\r\nContent-Length: "));
    QVERIFY(decision.answer.contains("Cache-Control: no-store\r\n"));
}

void TestPhoneRoutes::uploads()
{
    TempDataDir data;
    PhoneHttp::Request upload = request("POST", "/audio");
    upload.body = QByteArray(1024, 'a');
    auto decision = PhoneRoutes::route(upload, "tok", {});
    QVERIFY(!decision.upload);
    QCOMPARE(statusOf(decision.answer), QStringLiteral("400 Bad Request"));
    QCOMPARE(bodyOf(decision.answer), QByteArray("{\"error\":\"The recording was empty.\"}"));

    upload.body.append('a');
    decision = PhoneRoutes::route(upload, "tok", {});
    QVERIFY(decision.upload);
    QVERIFY(decision.seen);
    QCOMPARE(decision.audio.size(), 1025);
    QCOMPARE(decision.contentType, QStringLiteral("audio/mp4"));

    // A multipart body with parameters after the boundary, and a control
    // character in the declared type that must not reach the log raw.
    const QByteArray audio(2000, 'x');
    upload.headers.insert("content-type", "multipart/form-data; boundary=XyZ; charset=UTF-8");
    upload.body = "--XyZ\r\nContent-Disposition: form-data; name=\"note\"\r\n\r\nhello\r\n"
                  "--XyZ\r\nContent-Disposition: form-data; name=\"f\"; filename=\"a.wav\"\r\n"
                  "Content-Type: audio/wav\r\n\r\n" + audio + "\r\n--XyZ--\r\n";
    decision = PhoneRoutes::route(upload, "tok", {});
    QVERIFY(decision.upload);
    QCOMPARE(decision.audio, audio);
    QCOMPARE(decision.contentType, QStringLiteral("audio/wav"));

    upload.headers.insert("content-type", "audio/wav\r\nforged line");
    upload.body = audio;
    PhoneRoutes::route(upload, "tok", {});
    Log::flush();
    const QByteArray log = data.read("kesto.log");
    QVERIFY(log.contains("phone server: received 2000 bytes of audio/wav\\u{000d}\\u{000a}forged line\n"));
    QVERIFY(log.contains("phone server: received 1025 bytes of audio/mp4\n"));
}

void TestPhoneRoutes::boundary_data()
{
    QTest::addColumn<QString>("contentType");
    QTest::addColumn<QString>("boundary");
    QTest::newRow("plain") << "multipart/form-data; boundary=abc" << "abc";
    QTest::newRow("followed by a parameter") << "multipart/form-data; boundary=abc; charset=UTF-8" << "abc";
    QTest::newRow("after another parameter") << "multipart/form-data; charset=UTF-8; BOUNDARY=abc" << "abc";
    QTest::newRow("quoted") << "multipart/form-data; boundary=\"a; b=c\"; x=y" << "a; b=c";
    QTest::newRow("quoted, unclosed") << "multipart/form-data; boundary=\"abc" << "abc";
    QTest::newRow("spaces") << "multipart/form-data ;  boundary =  abc  " << "abc";
    QTest::newRow("missing") << "multipart/form-data" << "";
    QTest::newRow("empty") << "multipart/form-data; boundary=; x=y" << "";
    QTest::newRow("only a similar name") << "multipart/form-data; xboundary=abc" << "";
}

void TestPhoneRoutes::boundary()
{
    QFETCH(QString, contentType);
    QFETCH(QString, boundary);
    QCOMPARE(PhoneRoutes::boundary(contentType), boundary);
}

Q_DECLARE_METATYPE(std::optional<FilePart>)

void TestPhoneRoutes::filePart_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<std::optional<FilePart>>("part");
    const QString type = QStringLiteral("multipart/form-data; boundary=B");
    QTest::newRow("no content type line")
        << QByteArray("--B\r\nContent-Disposition: form-data; name=\"a\"; filename=\"r.m4a\"\r\n\r\nDATA\r\n--B--")
        << std::optional<FilePart>(FilePart{"DATA", "audio/mp4"});
    QTest::newRow("audio type, trailing CR LF removed")
        << QByteArray("--B\r\ncontent-type:  audio/wav \r\n\r\nWAV\r\n\r\n--B--")
        << std::optional<FilePart>(FilePart{"WAV\r\n", "audio/wav"});
    QTest::newRow("second part is the file")
        << QByteArray("--B\r\nContent-Disposition: form-data; name=\"x\"\r\n\r\nfield\r\n--B\r\n"
                      "Content-Disposition: form-data; name=\"f\"; filename=\"a\"\r\nContent-Type: Audio/X-CAF\r\n\r\nCAF\r\n--B--")
        << std::optional<FilePart>(FilePart{"CAF", "Audio/X-CAF"});
    QTest::newRow("last part runs to the end")
        << QByteArray("--B\r\nContent-Type: audio/aac\r\n\r\nAAC") << std::optional<FilePart>(FilePart{"AAC", "audio/aac"});
    QTest::newRow("no file part") << QByteArray("--B\r\nContent-Disposition: form-data; name=\"x\"\r\n\r\nfield\r\n--B--")
                                  << std::optional<FilePart>();
    QTest::newRow("no header end") << QByteArray("--B\r\nContent-Type: audio/wav") << std::optional<FilePart>();
    QTest::newRow("no delimiter") << QByteArray("just bytes") << std::optional<FilePart>();
}

void TestPhoneRoutes::filePart()
{
    QFETCH(QByteArray, body);
    QFETCH(std::optional<FilePart>, part);
    QCOMPARE(PhoneRoutes::firstFilePart(body, QStringLiteral("multipart/form-data; boundary=B")), part);
}

QTEST_GUILESS_MAIN(TestPhoneRoutes)
#include "TestPhoneRoutes.moc"
