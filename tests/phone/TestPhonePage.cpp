#include "phone/PhonePage.h"
#include "phone/PhoneServer.h"

#include "TempDataDir.h"
#include "WebDriver.h"

#include <QImage>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtEndian>
#include <QtTest>

#include <cmath>

namespace {

const QString token = QStringLiteral("abcd2345efgh6789");
const QString screenScript = QStringLiteral("return document.getElementById('app').dataset.screen;");

// A 44.1 kHz tone that swells and fades like speech, for the fake microphone.
QByteArray fakeSpeechWav(double seconds)
{
    const int rate = 44100;
    const int count = int(seconds * rate);
    QByteArray wav(44 + 2 * count, '\0');
    char* h = wav.data();
    memcpy(h, "RIFF", 4);
    qToLittleEndian<quint32>(36 + 2 * count, h + 4);
    memcpy(h + 8, "WAVEfmt ", 8);
    qToLittleEndian<quint32>(16, h + 16);
    qToLittleEndian<quint16>(1, h + 20);
    qToLittleEndian<quint16>(1, h + 22);
    qToLittleEndian<quint32>(rate, h + 24);
    qToLittleEndian<quint32>(rate * 2, h + 28);
    qToLittleEndian<quint16>(2, h + 32);
    qToLittleEndian<quint16>(16, h + 34);
    memcpy(h + 36, "data", 4);
    qToLittleEndian<quint32>(2 * count, h + 40);
    for (int i = 0; i < count; ++i) {
        const double t = double(i) / rate;
        const double envelope = 0.5 + 0.5 * std::sin(2 * M_PI * 1.5 * t);
        const double sample = 0.6 * envelope * std::sin(2 * M_PI * 220 * t);
        qToLittleEndian<qint16>(qint16(sample * 32767), h + 44 + 2 * i);
    }
    return wav;
}

struct WavInfo
{
    quint32 rate = 0;
    quint16 channels = 0;
    quint16 bits = 0;
    quint32 dataBytes = 0;
};

WavInfo readWav(const QByteArray& wav)
{
    WavInfo info;
    if (wav.size() < 44 || !wav.startsWith("RIFF") || wav.mid(8, 8) != "WAVEfmt " || wav.mid(36, 4) != "data")
        return info;
    const char* h = wav.constData();
    info.channels = qFromLittleEndian<quint16>(h + 22);
    info.rate = qFromLittleEndian<quint32>(h + 24);
    info.bits = qFromLittleEndian<quint16>(h + 34);
    info.dataBytes = qFromLittleEndian<quint32>(h + 40);
    return info;
}

// The page's own server, scripted: serves the page, and answers the status
// checks and the upload with whatever status and body the test sets, so the
// page's answers to a computer in trouble are seen over real HTTP.
class ScriptedServer final : public QTcpServer
{
public:
    struct Answer
    {
        QByteArray status;
        QByteArray contentType;
        QByteArray body;
    };

    Answer status{"200 OK", "application/json", "{\"status\":\"Ready\"}"};
    Answer audio{"200 OK", "application/json", "{\"text\":\"ok\"}"};
    int statusRequests = 0;

    QString pageUrl() const { return QStringLiteral("http://127.0.0.1:%1/?t=%2").arg(serverPort()).arg(token); }

protected:
    void incomingConnection(qintptr descriptor) override
    {
        auto* socket = new QTcpSocket(this);
        socket->setSocketDescriptor(descriptor);
        auto buffer = std::make_shared<QByteArray>();
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket, buffer] {
            buffer->append(socket->readAll());
            const qsizetype end = buffer->indexOf("\r\n\r\n");
            if (end < 0)
                return;
            const QByteArray head = buffer->left(end).toLower();
            const qsizetype length = head.indexOf("content-length:");
            const qsizetype bodySize = length < 0 ? 0 : head.mid(length + 15, head.indexOf("\r\n", length) - length - 15).trimmed().toLongLong();
            if (buffer->size() < end + 4 + bodySize)
                return;
            Answer answer{"404 Not Found", "text/plain", "Not found"};
            if (buffer->startsWith("GET / ") || buffer->startsWith("GET /?")) {
                answer = {"200 OK", "text/html; charset=utf-8", PhonePage::filled(token, QStringLiteral("Test")).toUtf8()};
            } else if (buffer->startsWith("GET /status")) {
                ++statusRequests;
                answer = status;
            } else if (buffer->startsWith("POST /audio")) {
                answer = audio;
            }
            socket->write("HTTP/1.1 " + answer.status + "\r\nContent-Type: " + answer.contentType + "\r\nContent-Length: "
                          + QByteArray::number(answer.body.size()) + "\r\nCache-Control: no-store\r\nConnection: close\r\n\r\n"
                          + answer.body);
            socket->disconnectFromHost();
        });
    }
};

const QString errorScript = QStringLiteral("const e = document.querySelector('.error'); return e ? e.textContent : '';");

} // namespace

class TestPhonePage final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void recordsAndUploadsFromTheBrowser();
    void tooShortAndRevoked();
    void failedAnswersKeepTheClip_data();
    void failedAnswersKeepTheClip();
    void connectingGivesUp();
    void everyScreenInSampleMode();

private:
    void snap(const QString& name);
    void openReady(const QString& url);
    void recordClip();

    TempDataDir m_data;
    QTemporaryDir m_files;
    PhoneServer m_server;
    WebDriver m_browser;
    QString m_gallery = QStringLiteral(KESTO_GALLERY_DIR);
};

void TestPhonePage::initTestCase()
{
    QVERIFY(QDir().mkpath(m_gallery));
    const QString mic = m_files.filePath(QStringLiteral("speech.wav"));
    QFile file(mic);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(fakeSpeechWav(4.0));
    file.close();

    m_server.start(0, std::nullopt, token);
    QVERIFY2(m_server.isRunning(), qPrintable(m_server.lastError()));

    QString error;
    const bool started = m_browser.start({QStringLiteral("--use-fake-ui-for-media-stream"),
                                          QStringLiteral("--use-fake-device-for-media-stream"),
                                          QStringLiteral("--use-file-for-fake-audio-capture=") + mic,
                                          QStringLiteral("--autoplay-policy=no-user-gesture-required"),
                                          QStringLiteral("--ignore-certificate-errors"),
                                          QStringLiteral("--window-size=390,844")},
                                         &error);
    QVERIFY2(started, qPrintable(error));
}

void TestPhonePage::snap(const QString& name)
{
    const QByteArray png = m_browser.screenshotPng();
    QImage image;
    QVERIFY2(image.loadFromData(png, "PNG"), qPrintable(name));
    QVERIFY(image.width() > 300);
    QFile file(m_gallery + QStringLiteral("/phone-") + name + QStringLiteral(".png"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(png);
}

void TestPhonePage::recordsAndUploadsFromTheBrowser()
{
    QByteArray uploaded;
    QString uploadedType;
    m_server.setAudioHandler([&](const QByteArray& audio, const QString& type, AudioReply reply) {
        uploaded = audio;
        uploadedType = type;
        QTimer::singleShot(300, [reply] { reply(AudioOutcome::transcript(QStringLiteral("Salom, dunyo"))); });
    });
    m_server.setStatusText([] { return QStringLiteral("Ready"); });

    QVERIFY(m_browser.open(m_server.pageUrl(QStringLiteral("127.0.0.1"))));
    QVERIFY(m_browser.waitFor(QStringLiteral("const s = document.getElementById('app').dataset.screen;"
                                             "return s === 'connecting' ? '' : s;"),
                              QStringLiteral("ready"), 15000)
            || m_browser.execute(screenScript).toString() == QLatin1String("permission"));
    if (m_browser.execute(screenScript).toString() == QLatin1String("permission")) {
        snap(QStringLiteral("live-permission"));
        QVERIFY(m_browser.click(QStringLiteral("#enable")));
        QVERIFY(m_browser.waitFor(screenScript, QStringLiteral("ready"), 10000));
    }
    // The page's fonts came from the server.
    QVERIFY(m_browser.waitFor(QStringLiteral("return String(document.fonts.check('600 16px Onest'));"),
                              QStringLiteral("true"), 10000));
    QCOMPARE(m_browser.execute(QStringLiteral("return document.querySelector('.device .name').textContent;")).toString(),
             PhonePage::computerName());
    snap(QStringLiteral("live-ready"));

    QVERIFY(m_browser.click(QStringLiteral("#round")));
    QVERIFY(m_browser.waitFor(screenScript, QStringLiteral("rec"), 10000));
    QTest::qWait(3000);
    snap(QStringLiteral("live-rec"));
    QVERIFY(m_browser.click(QStringLiteral("#round")));
    QVERIFY(m_browser.waitFor(screenScript, QStringLiteral("recorded"), 10000));
    snap(QStringLiteral("live-recorded"));

    // Pause keeps the position, and play goes on from there.
    m_browser.execute(QStringLiteral(
        "window.__plays = []; window.__media = new Set(); const play = HTMLMediaElement.prototype.play;"
        "HTMLMediaElement.prototype.play = function () {"
        "  window.__plays.push(this.currentTime); window.__media.add(this); window.__last = this;"
        "  return play.call(this); };"));
    QVERIFY(m_browser.click(QStringLiteral("#play")));
    QVERIFY(m_browser.waitFor(QStringLiteral("return String(!!window.__last && window.__last.currentTime > 0.8);"),
                              QStringLiteral("true"), 10000));
    QVERIFY(m_browser.click(QStringLiteral("#play")));
    QVERIFY(m_browser.waitFor(QStringLiteral("return String(window.__last.paused);"), QStringLiteral("true"), 5000));
    const double pausedAt = m_browser.execute(QStringLiteral("return window.__last.currentTime;")).toDouble();
    QVERIFY2(pausedAt > 0.8, qPrintable(QString::number(pausedAt)));
    QCOMPARE(m_browser.execute(QStringLiteral("return document.getElementById('play').getAttribute('aria-label');")).toString(),
             QStringLiteral("Tinglash"));
    QVERIFY(m_browser.click(QStringLiteral("#play")));
    QVERIFY(m_browser.waitFor(QStringLiteral("return String(window.__plays.length);"), QStringLiteral("2"), 5000));
    const double resumedAt = m_browser.execute(QStringLiteral("return window.__plays[1];")).toDouble();
    QVERIFY2(std::abs(resumedAt - pausedAt) < 0.05, qPrintable(QStringLiteral("%1 -> %2").arg(pausedAt).arg(resumedAt)));
    QCOMPARE(m_browser.execute(QStringLiteral("return window.__media.size;")).toInt(), 1);
    QVERIFY(m_browser.click(QStringLiteral("#play")));

    // Keep the upload's answer where the test can read it.
    m_browser.execute(QStringLiteral(
        "window.__answers = []; const send = XMLHttpRequest.prototype.send;"
        "XMLHttpRequest.prototype.send = function (b) {"
        "  this.addEventListener('load', () => window.__answers.push(this.status + ' ' + this.responseText));"
        "  return send.call(this, b); };"));
    QVERIFY(m_browser.click(QStringLiteral("#send")));
    QVERIFY(m_browser.waitFor(screenScript, QStringLiteral("sent"), 20000));
    snap(QStringLiteral("live-sent"));

    QCOMPARE(m_browser.execute(QStringLiteral("return window.__answers.join('|');")).toString(),
             QStringLiteral("200 {\"text\":\"Salom, dunyo\"}"));
    QCOMPARE(uploadedType, QStringLiteral("audio/wav"));
    const WavInfo wav = readWav(uploaded);
    QCOMPARE(wav.rate, 16000u);
    QCOMPARE(wav.channels, quint16(1));
    QCOMPARE(wav.bits, quint16(16));
    QCOMPARE(qsizetype(wav.dataBytes), uploaded.size() - 44);
    const double seconds = wav.dataBytes / 32000.0;
    // The fake device starts late and at its own pace: only the page's bounds hold.
    QVERIFY2(seconds >= 0.5 && seconds < 6.0, qPrintable(QString::number(seconds)));
    // Not silence: the fake microphone's tone came through.
    qint64 energy = 0;
    for (qsizetype i = 44; i + 1 < uploaded.size(); i += 2)
        energy += std::abs(qFromLittleEndian<qint16>(uploaded.constData() + i));
    QVERIFY(energy / (wav.dataBytes / 2) > 500);
    QCOMPARE(m_browser.execute(QStringLiteral("return document.querySelectorAll('.session .row').length;")).toInt(), 1);
}

void TestPhonePage::openReady(const QString& url)
{
    QVERIFY(m_browser.open(url));
    QVERIFY(m_browser.waitFor(QStringLiteral("const s = document.getElementById('app').dataset.screen;"
                                             "return s === 'connecting' ? '' : s;"),
                              QStringLiteral("ready"), 15000)
            || m_browser.execute(screenScript).toString() == QLatin1String("permission"));
    if (m_browser.execute(screenScript).toString() == QLatin1String("permission")) {
        QVERIFY(m_browser.click(QStringLiteral("#enable")));
        QVERIFY(m_browser.waitFor(screenScript, QStringLiteral("ready"), 10000));
    }
}

void TestPhonePage::recordClip()
{
    QVERIFY(m_browser.click(QStringLiteral("#round")));
    QVERIFY(m_browser.waitFor(screenScript, QStringLiteral("rec"), 10000));
    QTest::qWait(1500);
    QVERIFY(m_browser.click(QStringLiteral("#round")));
    QVERIFY(m_browser.waitFor(screenScript, QStringLiteral("recorded"), 10000));
}

void TestPhonePage::tooShortAndRevoked()
{
    int uploads = 0;
    m_server.setAudioHandler([&](const QByteArray&, const QString&, AudioReply reply) {
        ++uploads;
        reply(AudioOutcome::transcript(QStringLiteral("never")));
    });
    openReady(m_server.pageUrl(QStringLiteral("127.0.0.1")));

    // Stopped the moment recording shows (by the page itself, however slow
    // the machine): too short to send, back to "ready" with the reason.
    m_browser.execute(QStringLiteral(
        "const app = document.getElementById('app');"
        "const stop = new MutationObserver(() => { if (app.dataset.screen === 'rec') {"
        "  stop.disconnect(); document.getElementById('round').click(); } });"
        "stop.observe(app, { attributes: true });"));
    QVERIFY(m_browser.click(QStringLiteral("#round")));
    QVERIFY(m_browser.waitFor(errorScript, QStringLiteral("Yozuv juda qisqa. Mikrofonni bosib, gapirib, keyin yana bosing."),
                              10000));
    QCOMPARE(m_browser.execute(screenScript).toString(), QStringLiteral("ready"));

    // A new phone code on the computer while a clip waits: the upload is
    // refused with 403 while it is still being sent, and the page shows
    // that the link is gone rather than a network failure.
    recordClip();
    const quint16 port = m_server.port();
    m_server.start(port, std::nullopt, QStringLiteral("zzzz2345zzzz6789"));
    QVERIFY2(m_server.isRunning() && m_server.port() == port, qPrintable(m_server.lastError()));
    QVERIFY(m_browser.click(QStringLiteral("#send")));
    QVERIFY(m_browser.waitFor(screenScript, QStringLiteral("disconnected"), 20000));
    QCOMPARE(m_browser.execute(QStringLiteral("return document.querySelector('h1').textContent;")).toString(),
             QStringLiteral("Ulanish uzildi"));
    QCOMPARE(uploads, 0);
    m_server.start(port, std::nullopt, token);
}

void TestPhonePage::failedAnswersKeepTheClip_data()
{
    QTest::addColumn<QByteArray>("status");
    QTest::addColumn<QByteArray>("contentType");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("error");

    QTest::newRow("500 with its text")
        << QByteArray("500 Internal Server Error") << QByteArray("application/json")
        << QByteArray("{\"error\":\"The computer is busy. Try again in a moment.\"}")
        << QStringLiteral("Kompyuter matnga o'gira olmadi: The computer is busy. Try again in a moment.");
    QTest::newRow("not JSON") << QByteArray("502 Bad Gateway") << QByteArray("text/html")
                              << QByteArray("<html><body>Bad gateway</body></html>")
                              << QStringLiteral("Kompyuter yozuvni qabul qilmadi. Qayta yuborib ko'ring.");
}

void TestPhonePage::failedAnswersKeepTheClip()
{
    QFETCH(QByteArray, status);
    QFETCH(QByteArray, contentType);
    QFETCH(QByteArray, body);
    QFETCH(QString, error);

    ScriptedServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    server.audio = {status, contentType, body};
    openReady(server.pageUrl());
    recordClip();
    QVERIFY(m_browser.click(QStringLiteral("#send")));
    QVERIFY(m_browser.waitFor(errorScript, error, 20000));
    QCOMPARE(m_browser.execute(screenScript).toString(), QStringLiteral("recorded"));
    QVERIFY(m_browser.execute(QStringLiteral("return document.getElementById('send') !== null;")).toBool());
}

void TestPhonePage::connectingGivesUp()
{
    // Five failed tries, 2 s apart, end on "disconnected"; a 403 does so at once.
    ScriptedServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    server.status = {"500 Internal Server Error", "application/json", "{}"};
    QVERIFY(m_browser.open(server.pageUrl()));
    QVERIFY(m_browser.waitFor(screenScript, QStringLiteral("disconnected"), 20000));
    QCOMPARE(server.statusRequests, 5);
    QCOMPARE(m_browser.execute(QStringLiteral("return document.querySelector('.chip').textContent;")).toString(),
             QStringLiteral("Uzildi"));

    server.statusRequests = 0;
    server.status = {"403 Forbidden", "application/json", "{\"error\":\"Wrong or missing token.\"}"};
    QVERIFY(m_browser.click(QStringLiteral("#reconnect")));
    QVERIFY(m_browser.waitFor(screenScript, QStringLiteral("disconnected"), 10000));
    QCOMPARE(server.statusRequests, 1);
}

void TestPhonePage::everyScreenInSampleMode()
{
    const QStringList screens{"connecting", "permission", "ready", "rec", "recorded", "sending", "sent", "disconnected"};
    for (const QString& screen : screens) {
        QVERIFY(m_browser.open(m_server.pageUrl(QStringLiteral("127.0.0.1")) + QStringLiteral("#state=") + screen));
        m_browser.execute(QStringLiteral("location.reload();"));
        QVERIFY2(m_browser.waitFor(screenScript, screen, 10000), qPrintable(screen));
        QVERIFY(m_browser.waitFor(QStringLiteral("return String(document.fonts.status);"), QStringLiteral("loaded"), 10000));
        snap(screen);
        if (screen == QLatin1String("sending"))
            QCOMPARE(m_browser.execute(QStringLiteral("return document.getElementById('plabel').textContent;")).toString(),
                     QString::fromUtf8("Yuborilmoqda… 64%"));
        if (screen == QLatin1String("rec"))
            QCOMPARE(m_browser.execute(QStringLiteral("return document.getElementById('timer').textContent;")).toString(),
                     QStringLiteral("0:14"));
    }
}

QTEST_MAIN(TestPhonePage)
#include "TestPhonePage.moc"
