#include "phone/PhoneServer.h"

#include "TempDataDir.h"
#include "core/Log.h"

#include <QSslSocket>
#include <QTcpServer>
#include <QtTest>

#include <sys/socket.h>

#include <atomic>
#include <thread>

namespace {

const QString token = QStringLiteral("abcd2345efgh6789");

// One client connection, read until the server closes it.
class Client final
{
public:
    Client(const PhoneServer& server, bool secure)
    {
        if (secure) {
            auto* socket = new QSslSocket;
            QSslConfiguration config = QSslConfiguration::defaultConfiguration();
            config.setCaCertificates({ServerIdentity::load()->certificate});
            socket->setSslConfiguration(config);
            socket->connectToHostEncrypted(QStringLiteral("127.0.0.1"), server.port());
            m_socket.reset(socket);
        } else {
            m_socket = std::make_unique<QTcpSocket>();
            m_socket->connectToHost(QStringLiteral("127.0.0.1"), server.plainPort());
        }
        QObject::connect(m_socket.get(), &QIODevice::readyRead, [this] { m_received += m_socket->readAll(); });
    }

    bool ready(int ms = 5000)
    {
        if (auto* ssl = qobject_cast<QSslSocket*>(m_socket.get()))
            return ssl->waitForEncrypted(ms);
        return m_socket->waitForConnected(ms);
    }
    void send(const QByteArray& bytes) { m_socket->write(bytes); m_socket->flush(); }
    bool closed() const { return m_socket->state() == QAbstractSocket::UnconnectedState; }
    QByteArray received() const { return m_received; }
    QString status() const { return QString::fromUtf8(m_received.left(m_received.indexOf("\r\n")).mid(9)); }
    QByteArray body() const { return m_received.mid(m_received.indexOf("\r\n\r\n") + 4); }
    QAbstractSocket* socket() { return m_socket.get(); }

private:
    std::unique_ptr<QTcpSocket> m_socket;
    QByteArray m_received;
};

// Deadlines short enough for real time.
PhoneServer::Limits quickLimits()
{
    PhoneServer::Limits limits;
    limits.headTimeoutMs = 400;
    limits.idleTimeoutMs = 400;
    limits.lingerMs = 300;
    limits.sweepMs = 50;
    return limits;
}

QByteArray upload(const QByteArray& audio, const QByteArray& path = "/audio?t=abcd2345efgh6789")
{
    return "POST " + path + " HTTP/1.1\r\nContent-Type: audio/wav\r\nContent-Length: "
           + QByteArray::number(audio.size()) + "\r\n\r\n" + audio;
}

} // namespace

class TestPhoneServer final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void pageStatusAndFonts();
    void uploadReachesHandler();
    void tokenAndHandlerFailures_data();
    void tokenAndHandlerFailures();
    void plainAudioRoute();
    void halfClosedClientGetsItsAnswer();
    void silentAndTricklingClientsAreClosed();
    void slowButSteadyBodyIsServed();
    void refusalsReachAClientStillSending_data();
    void refusalsReachAClientStillSending();
    void connectionCap();
    void waitingConnectionsMakeRoom();
    void stopKeepsRunningUploads();
    void portFailures();
    void failureTexts_data();
    void failureTexts();

private:
    QByteArray roundTrip(const QByteArray& request, bool secure = true);

    std::unique_ptr<TempDataDir> m_data;
    std::unique_ptr<PhoneServer> m_server;
};

void TestPhoneServer::init()
{
    m_data = std::make_unique<TempDataDir>();
    m_server = std::make_unique<PhoneServer>();
    m_server->setLimits(quickLimits());
    m_server->start(0, quint16(0), token);
    QVERIFY2(m_server->isRunning(), qPrintable(m_server->lastError()));
    QVERIFY(m_server->plainIsRunning());
    QCOMPARE(m_server->lastError(), QString());
}

void TestPhoneServer::cleanup()
{
    m_server.reset();
    m_data.reset();
}

QByteArray TestPhoneServer::roundTrip(const QByteArray& request, bool secure)
{
    Client client(*m_server, secure);
    if (!client.ready())
        return "no connection: " + client.socket()->errorString().toUtf8();
    client.send(request);
    if (!QTest::qWaitFor([&] { return client.closed(); }, 5000))
        return "still open";
    return client.received();
}

void TestPhoneServer::pageStatusAndFonts()
{
    QSignalSpy seen(m_server.get(), &PhoneServer::seen);
    m_server->setStatusText([] { return QStringLiteral("Transcribing"); });

    const QByteArray page = roundTrip("GET /?t=abcd2345efgh6789 HTTP/1.1\r\nHost: x\r\nConnection: keep-alive\r\n\r\n");
    QVERIFY2(page.startsWith("HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=utf-8\r\n"), page.left(200));
    QVERIFY(page.contains("Connection: close\r\n"));
    QVERIFY(page.contains("abcd2345efgh6789"));
    QVERIFY(!page.contains("__TOKEN__"));

    const QByteArray status = roundTrip("GET /status?t=abcd2345efgh6789 HTTP/1.1\r\n\r\n");
    QVERIFY(status.startsWith("HTTP/1.1 200 OK\r\n"));
    QVERIFY(status.endsWith("\r\n\r\n{\"status\":\"Transcribing\"}"));

    const QByteArray font = roundTrip("GET /font/Onest-SemiBold.ttf HTTP/1.1\r\n\r\n");
    QVERIFY(font.startsWith("HTTP/1.1 200 OK\r\nContent-Type: font/ttf\r\n"));
    QVERIFY(font.size() > 90000);

    QTRY_COMPARE(seen.size(), 2); // fonts are not a sign of the phone
    QTest::qWait(50);
    QCOMPARE(seen.size(), 2);
}

void TestPhoneServer::uploadReachesHandler()
{
    QByteArray gotAudio;
    QString gotType;
    QThread* handlerThread = nullptr;
    std::thread answerer;
    m_server->setAudioHandler([&](const QByteArray& audio, const QString& type, AudioReply reply) {
        gotAudio = audio;
        gotType = type;
        handlerThread = QThread::currentThread();
        // Answered later, from another thread, as a transcription would.
        answerer = std::thread([reply] {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            reply(AudioOutcome::transcript(QStringLiteral("Salom, dunyo / \"hi\"")));
        });
    });
    const QByteArray audio(4096, 'w');
    const QByteArray answer = roundTrip(upload(audio));
    answerer.join();
    QCOMPARE(gotAudio, audio);
    QCOMPARE(gotType, QStringLiteral("audio/wav"));
    QCOMPARE(handlerThread, QThread::currentThread());
    QVERIFY2(answer.startsWith("HTTP/1.1 200 OK\r\nContent-Type: application/json\r\n"), answer);
    QVERIFY(answer.endsWith("\r\n\r\n{\"text\":\"Salom, dunyo \\/ \\\"hi\\\"\"}"));
}

void TestPhoneServer::tokenAndHandlerFailures_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QString>("handler"); // "none", "busy", "drops"
    QTest::addColumn<QByteArray>("expected");

    const QByteArray audio(2000, 'a');
    QTest::newRow("wrong token") << upload(audio, "/audio?t=abcd2345efgh678x") << "busy"
                                 << QByteArray("HTTP/1.1 403 Forbidden\r\nContent-Type: application/json\r\n"
                                               "Content-Length: 35\r\nCache-Control: no-store\r\nConnection: close\r\n"
                                               "\r\n{\"error\":\"Wrong or missing token.\"}");
    QTest::newRow("missing token") << QByteArray("GET / HTTP/1.1\r\n\r\n") << "busy"
                                   << QByteArray("HTTP/1.1 403 Forbidden\r\nContent-Type: application/json\r\n"
                                                 "Content-Length: 35\r\nCache-Control: no-store\r\nConnection: close\r\n"
                                                 "\r\n{\"error\":\"Wrong or missing token.\"}");
    const QByteArray busy = "{\"error\":\"The computer is busy. Try again in a moment.\"}";
    QTest::newRow("busy") << upload(audio) << "busy"
                          << "HTTP/1.1 500 Internal Server Error\r\nContent-Type: application/json\r\nContent-Length: "
                                 + QByteArray::number(busy.size())
                                 + "\r\nCache-Control: no-store\r\nConnection: close\r\n\r\n" + busy;
    const QByteArray none = "{\"error\":\"The computer could not transcribe the recording. Try again in a moment.\"}";
    const QByteArray noneAnswer = "HTTP/1.1 500 Internal Server Error\r\nContent-Type: application/json\r\nContent-Length: "
                                  + QByteArray::number(none.size())
                                  + "\r\nCache-Control: no-store\r\nConnection: close\r\n\r\n" + none;
    QTest::newRow("no handler") << upload(audio) << "none" << noneAnswer;
    QTest::newRow("handler drops the reply") << upload(audio) << "drops" << noneAnswer;
}

void TestPhoneServer::tokenAndHandlerFailures()
{
    QFETCH(QByteArray, request);
    QFETCH(QString, handler);
    QFETCH(QByteArray, expected);

    int calls = 0;
    if (handler == QLatin1String("busy")) {
        m_server->setAudioHandler([&](const QByteArray&, const QString&, AudioReply reply) {
            ++calls;
            reply(AudioOutcome::failure(QStringLiteral("The computer is busy. Try again in a moment.")));
        });
    } else if (handler == QLatin1String("drops")) {
        m_server->setAudioHandler([&](const QByteArray&, const QString&, AudioReply) { ++calls; });
    }
    QCOMPARE(roundTrip(request), expected);
    QVERIFY(calls <= 1);
}

void TestPhoneServer::plainAudioRoute()
{
    m_server->setAudioHandler([](const QByteArray& audio, const QString& type, AudioReply reply) {
        reply(AudioOutcome::transcript(type + QLatin1Char(' ') + QString::number(audio.size())));
    });
    const QByteArray answer = roundTrip(upload(QByteArray(3000, 'x')), false);
    QVERIFY(answer.endsWith("{\"text\":\"audio\\/wav 3000\"}"));
    QVERIFY(roundTrip("GET /status?t=abcd2345efgh6789 HTTP/1.1\r\n\r\n", false).startsWith("HTTP/1.1 200 OK"));
}

void TestPhoneServer::halfClosedClientGetsItsAnswer()
{
    AudioReply pending;
    bool called = false;
    m_server->setAudioHandler([&](const QByteArray&, const QString&, AudioReply reply) {
        pending = reply;
        called = true;
    });
    Client client(*m_server, false);
    QVERIFY(client.ready());
    client.send(upload(QByteArray(2000, 'y')));
    ::shutdown(int(client.socket()->socketDescriptor()), SHUT_WR);
    QTRY_VERIFY(called);
    pending(AudioOutcome::transcript(QStringLiteral("after half-close")));
    QTRY_VERIFY(client.closed());
    QVERIFY(client.received().startsWith("HTTP/1.1 200 OK"));
    QCOMPARE(client.body(), QByteArray("{\"text\":\"after half-close\"}"));
}

void TestPhoneServer::silentAndTricklingClientsAreClosed()
{
    // Head time 400 ms: a silent client, and one that trickles a head one
    // byte at a time, are both closed without an answer.
    Client silent(*m_server, true);
    QVERIFY(silent.ready());
    Client trickling(*m_server, false);
    QVERIFY(trickling.ready());
    const QByteArray head = "GET /status?t=abcd2345efgh6789 HTTP/1.1\r\nX-Long: aaaaaaaaaaaaaaaaaaaaaa";
    QElapsedTimer clock;
    clock.start();
    for (qsizetype i = 0; !trickling.closed() && clock.elapsed() < 3000; ++i) {
        if (i < head.size())
            trickling.send(head.mid(i, 1));
        QTest::qWait(50);
    }
    QVERIFY(trickling.closed());
    QTRY_VERIFY(silent.closed());
    QCOMPARE(silent.received(), QByteArray());
    QCOMPARE(trickling.received(), QByteArray());

    // A half-closed, incomplete request gets no answer either.
    Client halfClosed(*m_server, false);
    QVERIFY(halfClosed.ready());
    halfClosed.send("POST /audio?t=abcd2345efgh6789 HTTP/1.1\r\nContent-Length: 5000\r\n\r\nabc");
    ::shutdown(int(halfClosed.socket()->socketDescriptor()), SHUT_WR);
    QTRY_VERIFY(halfClosed.closed());
    QCOMPARE(halfClosed.received(), QByteArray());

    // A body that stops arriving is closed after the idle time.
    Client stalled(*m_server, true);
    QVERIFY(stalled.ready());
    stalled.send("POST /audio?t=abcd2345efgh6789 HTTP/1.1\r\nContent-Length: 5000\r\n\r\nabc");
    QTRY_VERIFY(stalled.closed());
    QCOMPARE(stalled.received(), QByteArray());
    Log::flush();
    const QByteArray log = m_data->read("kesto.log");
    QVERIFY(log.contains("phone server: closing a connection that sent no request in time"));
    QVERIFY(log.contains("phone server: closing a connection that stopped sending"));
}

void TestPhoneServer::slowButSteadyBodyIsServed()
{
    // The server's clock is driven: 30 MB arrive over more than 180 s, each
    // second bringing 150 kB, and are served. One that brings less than the
    // minimum within a rate window is refused with 408.
    std::atomic<qint64> now{0};
    m_server->setTimeSource([&now] { return now.load(); });
    PhoneServer::Limits limits;
    limits.sweepMs = 10;
    m_server->setLimits(limits);
    qint64 received = 0;
    m_server->setAudioHandler([&](const QByteArray& audio, const QString&, AudioReply reply) {
        received = audio.size();
        reply(AudioOutcome::transcript(QStringLiteral("long memo")));
    });

    const auto tick = [&](Client& client, qint64 ms) {
        QVERIFY(QTest::qWaitFor([&] { return client.socket()->bytesToWrite() == 0 || client.closed(); }, 10000));
        now += ms;
        QTest::qWait(15); // one sweep at the new time
    };

    const qint64 size = 30 * 1024 * 1024;
    const qint64 chunk = 150 * 1024;
    Client steady(*m_server, true);
    QVERIFY(steady.ready());
    steady.send("POST /audio?t=abcd2345efgh6789 HTTP/1.1\r\nContent-Length: " + QByteArray::number(size) + "\r\n\r\n");
    for (qint64 sent = 0; sent < size && !steady.closed(); sent += chunk) {
        steady.send(QByteArray(int(std::min(chunk, size - sent)), 's'));
        tick(steady, 1000);
    }
    QVERIFY2(now > 180000, qPrintable(QString::number(now)));
    QTRY_COMPARE_WITH_TIMEOUT(steady.body(), QByteArray("{\"text\":\"long memo\"}"), 10000);
    QCOMPARE(received, size);

    Client crawling(*m_server, false);
    QVERIFY(crawling.ready());
    crawling.send("POST /audio?t=abcd2345efgh6789 HTTP/1.1\r\nContent-Length: 1000000\r\n\r\n");
    for (int i = 0; i < 20 && crawling.received().isEmpty(); ++i) {
        crawling.send(QByteArray(1024, 'c'));
        tick(crawling, 5000);
    }
    QTRY_COMPARE(crawling.status(), QStringLiteral("408 Request Timeout"));
    QCOMPARE(crawling.body(), QByteArray("{\"error\":\"The request took too long.\"}"));
    QVERIFY(now - 205000 >= 30000 && now - 205000 <= 40000);
}

void TestPhoneServer::refusalsReachAClientStillSending_data()
{
    QTest::addColumn<bool>("secure");
    QTest::addColumn<QByteArray>("head");
    QTest::addColumn<QString>("status");

    const QByteArray wrongToken = "POST /audio?t=abcd2345efgh678x HTTP/1.1\r\nContent-Type: audio/wav\r\n"
                                  "Content-Length: 5242880\r\n\r\n";
    const QByteArray tooLarge = "POST /audio?t=abcd2345efgh6789 HTTP/1.1\r\nContent-Type: audio/wav\r\n"
                                "Content-Length: 62914560\r\n\r\n";
    for (const bool secure : {true, false}) {
        const char* listener = secure ? "https" : "http";
        QTest::addRow("%s, wrong token", listener) << secure << wrongToken << QStringLiteral("403 Forbidden");
        QTest::addRow("%s, too large", listener) << secure << tooLarge << QStringLiteral("413 Content Too Large");
    }
}

void TestPhoneServer::refusalsReachAClientStillSending()
{
    QFETCH(bool, secure);
    QFETCH(QByteArray, head);
    QFETCH(QString, status);

    // The client sends 5 MB of body after the head before it looks for an
    // answer, as a browser's upload does; the refusal must still be what it
    // reads, every time.
    const QByteArray body(5 * 1024 * 1024, 'b');
    for (int round = 0; round < 3; ++round) {
        Client client(*m_server, secure);
        QVERIFY(client.ready());
        client.send(head);
        for (qsizetype at = 0; at < body.size(); at += 256 * 1024)
            client.send(body.mid(at, 256 * 1024));
        QVERIFY(QTest::qWaitFor([&] { return client.socket()->bytesToWrite() == 0 || client.closed(); }, 20000));
        QTRY_VERIFY_WITH_TIMEOUT(client.received().contains("\r\n\r\n{") && client.received().endsWith("}"), 10000);
        QCOMPARE(client.status(), status);
        QCOMPARE(client.socket()->error() == QAbstractSocket::RemoteHostClosedError
                     || client.socket()->error() == QAbstractSocket::UnknownSocketError,
                 true);
        QTRY_VERIFY(client.closed());
    }
}

void TestPhoneServer::connectionCap()
{
    // Past the cap, with every slot held by a client that showed the token,
    // a newcomer is closed at once; once one goes, the next is served.
    PhoneServer::Limits limits = quickLimits();
    limits.idleTimeoutMs = 5000;
    limits.maxConnections = 3;
    m_server->setLimits(limits);
    std::vector<std::unique_ptr<Client>> held;
    for (int i = 0; i < 3; ++i) {
        held.push_back(std::make_unique<Client>(*m_server, i % 2 == 0));
        QVERIFY(held.back()->ready());
        held.back()->send("POST /audio?t=abcd2345efgh6789 HTTP/1.1\r\nContent-Length: 9000\r\n\r\nxx"); // never finished
    }
    QTest::qWait(100);
    Client turnedAway(*m_server, false);
    QTRY_VERIFY(turnedAway.closed());
    QCOMPARE(turnedAway.received(), QByteArray());

    held.front().reset();
    QTest::qWait(200);
    QVERIFY(roundTrip("GET /status?t=abcd2345efgh6789 HTTP/1.1\r\n\r\n").startsWith("HTTP/1.1 200 OK"));
}

void TestPhoneServer::waitingConnectionsMakeRoom()
{
    // Three may wait without a request. A fourth from the same device pushes
    // out that device's oldest; the phone, from another address, pushes out
    // one of the neighbour's, never being refused itself.
    PhoneServer::Limits limits = quickLimits();
    limits.headTimeoutMs = 60000;
    limits.pendingBudget = 3;
    m_server->setLimits(limits);
    std::vector<std::unique_ptr<QTcpSocket>> neighbour;
    for (int i = 0; i < 4; ++i) {
        neighbour.push_back(std::make_unique<QTcpSocket>());
        neighbour.back()->bind(QHostAddress(QStringLiteral("127.0.0.2")));
        neighbour.back()->connectToHost(QStringLiteral("127.0.0.1"), m_server->plainPort());
        QVERIFY(neighbour.back()->waitForConnected(5000));
        QTest::qWait(50);
    }
    const auto closed = [](const std::unique_ptr<QTcpSocket>& s) { return s->state() == QAbstractSocket::UnconnectedState; };
    QTRY_VERIFY(closed(neighbour[0]));
    QVERIFY(!closed(neighbour[1]) && !closed(neighbour[3]));
    for (const bool secure : {true, false})
        QVERIFY(roundTrip("GET /status?t=abcd2345efgh6789 HTTP/1.1\r\n\r\n", secure).startsWith("HTTP/1.1 200 OK"));
    QTRY_VERIFY(closed(neighbour[1]));
}

void TestPhoneServer::stopKeepsRunningUploads()
{
    AudioReply pending;
    m_server->setAudioHandler([&](const QByteArray&, const QString&, AudioReply reply) { pending = reply; });
    Client client(*m_server, true);
    QVERIFY(client.ready());
    client.send(upload(QByteArray(1500, 'z')));
    QTRY_VERIFY(!pending.answered());
    m_server->stop();
    QVERIFY(!m_server->isRunning());
    QVERIFY(!m_server->plainIsRunning());
    pending(AudioOutcome::transcript(QStringLiteral("after stop")));
    QTRY_VERIFY(client.closed());
    QCOMPARE(client.body(), QByteArray("{\"text\":\"after stop\"}"));

    // The same identity serves a restart while the addresses stay.
    const QByteArray p12 = m_data->read("server.p12");
    m_server->start(0, std::nullopt, token);
    QVERIFY(m_server->isRunning());
    QVERIFY(!m_server->plainIsRunning());
    QCOMPARE(m_data->read("server.p12"), p12);
}

void TestPhoneServer::portFailures()
{
    QTcpServer squatter;
    QVERIFY(squatter.listen(QHostAddress::Any, 0));
    const quint16 taken = squatter.serverPort();
    m_server->start(taken, taken, token);
    QVERIFY(!m_server->isRunning());
    QVERIFY(!m_server->plainIsRunning());
    QCOMPARE(m_server->lastError(), QStringLiteral("Port %1 is already in use.").arg(taken));

    // The plain port alone failing leaves the TLS side and lastError alone.
    m_server->start(0, taken, token);
    QVERIFY(m_server->isRunning());
    QVERIFY(!m_server->plainIsRunning());
    QCOMPARE(m_server->lastError(), QString());
    Log::flush();
    const QString log = QString::fromUtf8(m_data->read("kesto.log"));
    for (const QString& label : {QStringLiteral("https"), QStringLiteral("http")}) {
        const QString line = QStringLiteral("phone server (%1): port %2 is already in use").arg(label).arg(taken);
        QVERIFY2(log.contains(line), qPrintable(log));
    }

    // Without an identity nothing starts, not even the plain listener.
    QVERIFY(QFile::remove(m_data->filePath("server.p12")));
    QVERIFY(QDir().mkdir(m_data->filePath("server.p12")));
    m_server->start(0, quint16(0), token);
    QVERIFY(!m_server->isRunning());
    QVERIFY(!m_server->plainIsRunning());
    QCOMPARE(m_server->lastError(), QStringLiteral("Could not create the HTTPS certificate."));
}

void TestPhoneServer::failureTexts_data()
{
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("text");
    QTest::newRow("in use") << int(QAbstractSocket::AddressInUseError) << "Port 80 is already in use.";
    QTest::newRow("no permission") << int(QAbstractSocket::SocketAccessError)
                                   << "Port 80 needs administrator rights. Choose a port above 1023.";
    QTest::newRow("other") << int(QAbstractSocket::SocketAddressNotAvailableError)
                           << "Port 80 could not be opened.";
}

void TestPhoneServer::failureTexts()
{
    QFETCH(int, error);
    QFETCH(QString, text);
    QCOMPARE(PhoneServer::listenFailureText(80, error), text);
}

QTEST_GUILESS_MAIN(TestPhoneServer)
#include "TestPhoneServer.moc"
