#include "phone/LocalAddresses.h"

#include <QTemporaryDir>
#include <QtTest>

using LocalAddresses::Candidate;
using LocalAddresses::InterfaceKind;

Q_DECLARE_METATYPE(QList<Candidate>)

class TestLocalAddresses final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void ordering_data();
    void ordering();
    void classification();
    void primaryFromRoutingTable();
};

void TestLocalAddresses::ordering_data()
{
    QTest::addColumn<QList<Candidate>>("candidates");
    QTest::addColumn<QString>("primary");
    QTest::addColumn<QStringList>("expected");

    const auto wifi = InterfaceKind::Wireless;
    const auto wired = InterfaceKind::Wired;
    QTest::newRow("nothing") << QList<Candidate>{} << QString() << QStringList{};
    QTest::newRow("primary first")
        << QList<Candidate>{{"wlp2s0", "192.168.1.20", wifi}, {"enp3s0", "10.0.0.5", wired}} << "enp3s0"
        << QStringList{"10.0.0.5", "192.168.1.20"};
    QTest::newRow("primary wins over text order")
        << QList<Candidate>{{"wlp2s0", "192.168.1.20", wifi}, {"enp3s0", "10.0.0.5", wired}} << "wlp2s0"
        << QStringList{"192.168.1.20", "10.0.0.5"};
    QTest::newRow("no primary: text order")
        << QList<Candidate>{{"wlp2s0", "192.168.1.20", wifi}, {"enp3s0", "10.0.0.5", wired}} << QString()
        << QStringList{"10.0.0.5", "192.168.1.20"};
    QTest::newRow("interface outranks bridge")
        << QList<Candidate>{{"br0", "192.168.2.1", InterfaceKind::Bridge}, {"eth0", "172.20.10.2", wired}} << QString()
        << QStringList{"172.20.10.2", "192.168.2.1"};
    QTest::newRow("home class before other")
        << QList<Candidate>{{"eth0", "172.16.0.3", wired}, {"eth1", "192.168.0.9", wired}} << QString()
        << QStringList{"192.168.0.9", "172.16.0.3"};
    QTest::newRow("text, not numbers")
        << QList<Candidate>{{"eth0", "10.0.0.9", wired}, {"eth0", "10.0.0.10", wired}} << QString()
        << QStringList{"10.0.0.10", "10.0.0.9"};
    QTest::newRow("left out")
        << QList<Candidate>{{"lo", "127.0.0.1", InterfaceKind::Other},
                            {"docker0", "172.17.0.1", InterfaceKind::Other},
                            {"tun0", "10.8.0.2", InterfaceKind::Other},
                            {"eth0", "169.254.12.3", wired},
                            {"eth0", "127.0.1.1", wired},
                            {"eth0", "", wired}}
        << "tun0" << QStringList{};
    QTest::newRow("duplicate keeps best place")
        << QList<Candidate>{{"br0", "192.168.1.4", InterfaceKind::Bridge}, {"eth0", "192.168.1.4", wired},
                            {"wlan0", "192.168.1.7", wifi}}
        << "wlan0" << QStringList{"192.168.1.7", "192.168.1.4"};
}

void TestLocalAddresses::ordering()
{
    QFETCH(QList<Candidate>, candidates);
    QFETCH(QString, primary);
    QFETCH(QStringList, expected);
    const std::optional<QString> primaryName = primary.isEmpty() ? std::nullopt : std::optional<QString>(primary);
    QCOMPARE(LocalAddresses::ordered(candidates, primaryName), expected);
}

void TestLocalAddresses::classification()
{
    // A fake /sys/class/net: physical devices have a "device" entry.
    QTemporaryDir root;
    const auto make = [&](const QString& path, const QByteArray& content = {}) {
        const QString full = root.filePath(path);
        QDir().mkpath(QFileInfo(full).path());
        if (content.isNull()) {
            QDir().mkpath(full);
        } else {
            QFile file(full);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
    };
    make("enp3s0/device");
    make("enp3s0/type", "1\n");
    make("wlp2s0/device");
    make("wlp2s0/wireless");
    make("wlp2s0/type", "1\n");
    make("lo/type", "772\n");
    make("veth12/type", "1\n");
    make("docker0/bridge");
    make("docker0/brif/veth12");
    make("br0/bridge");
    make("br0/brif/enp4s0");
    make("enp4s0/device");
    make("enp4s0/type", "1\n");
    make("ib0/device");
    make("ib0/type", "32\n");

    const QString sys = root.path();
    QCOMPARE(LocalAddresses::classify("enp3s0", sys), InterfaceKind::Wired);
    QCOMPARE(LocalAddresses::classify("wlp2s0", sys), InterfaceKind::Wireless);
    QCOMPARE(LocalAddresses::classify("lo", sys), InterfaceKind::Other);
    QCOMPARE(LocalAddresses::classify("veth12", sys), InterfaceKind::Other);
    QCOMPARE(LocalAddresses::classify("docker0", sys), InterfaceKind::Other);
    QCOMPARE(LocalAddresses::classify("br0", sys), InterfaceKind::Bridge);
    QCOMPARE(LocalAddresses::classify("ib0", sys), InterfaceKind::Other);
    QCOMPARE(LocalAddresses::classify("missing", sys), InterfaceKind::Other);
    QCOMPARE(LocalAddresses::classify("../enp3s0", sys), InterfaceKind::Other);
}

void TestLocalAddresses::primaryFromRoutingTable()
{
    QTemporaryDir root;
    const QString path = root.filePath("route");
    const auto write = [&](const QByteArray& text) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    };
    const QByteArray header = "Iface\tDestination\tGateway \tFlags\tRefCnt\tUse\tMetric\tMask\t\tMTU\tWindow\tIRTT\n";
    write(header + "wlan0\t00000000\t0101A8C0\t0003\t0\t0\t600\t00000000\t0\t0\t0\n"
                   "eth0\t0001A8C0\t00000000\t0001\t0\t0\t100\t00FFFFFF\t0\t0\t0\n"
                   "eth0\t00000000\t0100000A\t0003\t0\t0\t100\t00000000\t0\t0\t0\n"
                   "tun0\t00000000\t00000000\t0000\t0\t0\t0\t00000000\t0\t0\t0\n");
    QCOMPARE(LocalAddresses::primaryInterface(path), std::optional<QString>(QStringLiteral("eth0")));
    write(header + "eth0\t0001A8C0\t00000000\t0001\t0\t0\t100\t00FFFFFF\t0\t0\t0\n");
    QCOMPARE(LocalAddresses::primaryInterface(path), std::nullopt);
    QCOMPARE(LocalAddresses::primaryInterface(root.filePath("absent")), std::nullopt);
}

QTEST_GUILESS_MAIN(TestLocalAddresses)
#include "TestLocalAddresses.moc"
