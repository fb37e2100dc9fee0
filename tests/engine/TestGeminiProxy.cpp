// The client reaches the service through the proxy the environment names,
// except for hosts in no_proxy. A program of its own: proxy settings are
// process-wide.
#include "core/Config.h"
#include "engine/GeminiClient.h"

#include "GeminiTestSupport.h"
#include "TempDataDir.h"

#include <QTcpServer>
#include <QTcpSocket>

namespace {

// Records the first line of each request and turns it down.
class RecordingProxy final : public QTcpServer
{
public:
    QList<QByteArray> requests;

    RecordingProxy()
    {
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    if (!socket->canReadLine())
                        return;
                    requests.append(socket->readLine().trimmed());
                    socket->write("HTTP/1.1 502 Bad Gateway\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
                    socket->disconnectFromHost();
                });
            }
        });
    }
};

} // namespace

class TestGeminiProxy final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void followsTheProxyOfTheEnvironment();
};

void TestGeminiProxy::followsTheProxyOfTheEnvironment()
{
    RecordingProxy proxy;
    QVERIFY(proxy.listen(QHostAddress::LocalHost));
    const QByteArray address = "http://127.0.0.1:" + QByteArray::number(proxy.serverPort());
    qputenv("https_proxy", address);
    qputenv("http_proxy", address);
    qputenv("no_proxy", "localhost,127.0.0.1");

    TempDataDir data; // for the log
    GeminiRig rig;
    QVERIFY(rig.start());
    Config config;
    config.apiKey = QStringLiteral("test-key");

    // A remote host goes through the proxy.
    GeminiClient remote(config);
    remote.transport = rig.transport;
    remote.transport.root = QStringLiteral("https://gemini.example:443");
    Outcome<QStringList> refused;
    remote.listModels(refused.done());
    QTRY_VERIFY_WITH_TIMEOUT(refused.finished(), 10000);
    QVERIFY(!refused.result->value);
    QCOMPARE(proxy.requests.value(0).left(28), QByteArray("CONNECT gemini.example:443 H"));
    QCOMPARE(rig.service.requests().size(), 0);

    // Loopback, named in no_proxy, is reached directly.
    rig.service.enqueue(FakeGemini::Reply::raw(200, R"({"models":[{"name":"models/a"}]})"));
    GeminiClient local(config);
    local.transport = rig.transport;
    Outcome<QStringList> listed;
    local.listModels(listed.done());
    QTRY_VERIFY_WITH_TIMEOUT(listed.finished(), 10000);
    QCOMPARE(listed.value(), QStringList{QStringLiteral("a")});
    QCOMPARE(proxy.requests.size(), 1);
}

QTEST_GUILESS_MAIN(TestGeminiProxy)
#include "TestGeminiProxy.moc"
