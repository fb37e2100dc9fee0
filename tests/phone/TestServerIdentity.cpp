#include "phone/ServerIdentity.h"

#include "TempDataDir.h"
#include "core/Log.h"

#include <QSslCertificateExtension>
#include <QtTest>

class TestServerIdentity final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void configurationFile();
    void exportArgumentsAndVersion();
    void madeOnceReusedRenewed();
    void regenerationRule();
};

void TestServerIdentity::configurationFile()
{
    const QString text = ServerIdentity::configText({QStringLiteral("192.168.1.20"), QStringLiteral("10.0.0.5")});
    const QStringList lines = text.split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 11);
    QCOMPARE(lines.first(), QStringLiteral("[req]"));
    QCOMPARE(lines.last(), QStringLiteral("subjectAltName = DNS:localhost,IP:127.0.0.1,IP:192.168.1.20,IP:10.0.0.5"));
}

void TestServerIdentity::exportArgumentsAndVersion()
{
    const QStringList plain = ServerIdentity::exportArguments("p", "k", "c", false);
    QCOMPARE(plain.size(), 18);
    const QStringList legacy = ServerIdentity::exportArguments("p", "k", "c", true);
    QCOMPARE(legacy.size(), 19);
    QCOMPARE(legacy.last(), QStringLiteral("-legacy"));

    QTemporaryDir dir;
    const auto fakeTool = [&](const QString& name, const QByteArray& output) {
        const QString path = dir.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write("#!/bin/sh\nprintf '" + output + "'\n");
        file.close();
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        return path;
    };
    QVERIFY(ServerIdentity::opensslIsVersion3(fakeTool("v32", "OpenSSL 3.2.1 30 Jan 2024\\n")));
    QVERIFY(ServerIdentity::opensslIsVersion3(fakeTool("v40", "OpenSSL 4.0.0\\n")));
    QVERIFY(!ServerIdentity::opensslIsVersion3(fakeTool("libre", "LibreSSL 3.3.6\\n")));
    QVERIFY(!ServerIdentity::opensslIsVersion3(dir.filePath("missing")));
}

void TestServerIdentity::madeOnceReusedRenewed()
{
    TempDataDir data;
    const QStringList first{QStringLiteral("192.168.1.20"), QStringLiteral("10.0.0.5")};
    const std::optional<ServerIdentity::Identity> made = ServerIdentity::loadOrCreate(first);
    QVERIFY(made);
    QCOMPARE(made->key.algorithm(), QSsl::Rsa);
    QCOMPARE(made->key.length(), 2048);
    QCOMPARE(made->certificate.subjectInfo(QSslCertificate::CommonName), QStringList{"kesto voice"});
    const auto names = made->certificate.subjectAlternativeNames();
    QCOMPARE(names.values(QSsl::IpAddressEntry), (QList<QString>{"10.0.0.5", "192.168.1.20", "127.0.0.1"}));
    QCOMPARE(names.values(QSsl::DnsEntry), QList<QString>{"localhost"});
    const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup
                                            | QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
    QCOMPARE(QFile::permissions(ServerIdentity::certPath()) & others, QFileDevice::Permissions());
    QCOMPARE(data.read("server-addresses.txt"), QByteArray("10.0.0.5,192.168.1.20"));
    // The work folder with the private key is gone, and it never was in /tmp.
    QCOMPARE(QDir(data.path()).entryList({"kesto-cert-*"}, QDir::AllEntries | QDir::Hidden), QStringList{});

    // The same addresses in another order: the stored identity, no new key.
    const QByteArray stored = data.read("server.p12");
    const auto reused = ServerIdentity::loadOrCreate({QStringLiteral("10.0.0.5"), QStringLiteral("192.168.1.20")});
    QVERIFY(reused);
    QCOMPARE(reused->certificate, made->certificate);
    QCOMPARE(data.read("server.p12"), stored);

    // One address changed: a new certificate naming the new list.
    const auto renewed = ServerIdentity::loadOrCreate({QStringLiteral("10.0.0.6")});
    QVERIFY(renewed);
    QVERIFY(renewed->certificate != made->certificate);
    QVERIFY(renewed->certificate.subjectAlternativeNames().values(QSsl::IpAddressEntry).contains("10.0.0.6"));
    QCOMPARE(data.read("server-addresses.txt"), QByteArray("10.0.0.6"));

    // A file that no longer imports is made again.
    data.write("server.p12", "garbage");
    const auto repaired = ServerIdentity::loadOrCreate({QStringLiteral("10.0.0.6")});
    QVERIFY(repaired);
    QVERIFY(repaired->certificate != renewed->certificate);
    Log::flush();
    const QByteArray log = data.read("kesto.log");
    QVERIFY(log.contains("created a server certificate for DNS:localhost,IP:127.0.0.1,IP:192.168.1.20,IP:10.0.0.5"));
    QVERIFY(log.contains("could not import the server certificate"));
}

void TestServerIdentity::regenerationRule()
{
    TempDataDir data;
    // No file and no addresses: nothing to renew.
    QVERIFY(!ServerIdentity::needsRegeneration({}));
    QVERIFY(ServerIdentity::needsRegeneration({QStringLiteral("10.0.0.5")}));
    data.write("server-addresses.txt", " 10.0.0.5,192.168.1.20\n\n");
    QVERIFY(!ServerIdentity::needsRegeneration({QStringLiteral("192.168.1.20"), QStringLiteral("10.0.0.5")}));
    QVERIFY(ServerIdentity::needsRegeneration({QStringLiteral("192.168.1.21"), QStringLiteral("10.0.0.5")}));
}

QTEST_GUILESS_MAIN(TestServerIdentity)
#include "TestServerIdentity.moc"
