#include "DictationRig.h"

#include "phone/LocalAddresses.h"
#include "phone/ServerIdentity.h"
#include "shell/PhoneLinkController.h"

#include <QProcess>
#include <QSslCertificate>

#include <sched.h>

namespace {

bool ip(const QStringList& arguments, QString* error = nullptr)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral("ip"), arguments);
    const bool ok = process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit
                    && process.exitCode() == 0;
    if (!ok && error)
        *error = QStringLiteral("ip ") + arguments.join(QLatin1Char(' ')) + QStringLiteral(": ")
                 + QString::fromLocal8Bit(process.readAll());
    return ok;
}

} // namespace

// A new address on the computer, with or without NetworkManager, moves the
// phone links and the certificate along. The test runs in a network
// namespace of its own (made in main), where it adds an interface and its
// addresses for real and the kernel reports them; where no namespace can be
// made (no privileges) a fake watch and a fake address list stand in.
class TestPhoneAddresses final : public QObject
{
    Q_OBJECT

public:
    explicit TestPhoneAddresses(bool isolated)
        : m_isolated(isolated)
    {
    }

private Q_SLOTS:
    void initTestCase();
    void newAddressRepublishesAndRenews();

private:
    void addAddress(const QString& address);
    void removeAddress(const QString& address);

    bool m_isolated;
    QTemporaryDir m_sys;
    QStringList m_fakeAddresses;
    std::shared_ptr<AddressWatch> m_fakeWatch;
};

void TestPhoneAddresses::initTestCase()
{
    if (!m_isolated) {
        qWarning("no network namespace could be made: a fake address watch stands in");
        m_fakeWatch = std::make_shared<AddressWatch>();
        return;
    }
    QString error;
    QVERIFY2(ip({"link", "set", "lo", "up"}, &error), qPrintable(error));
    // A dummy interface where the kernel has the driver, else one end of a
    // veth pair: both are links of this namespace alone.
    if (!ip({"link", "add", "kesto0", "type", "dummy"}))
        QVERIFY2(ip({"link", "add", "kesto0", "type", "veth", "peer", "name", "kesto1"}, &error), qPrintable(error));
    QVERIFY2(ip({"link", "set", "kesto0", "up"}, &error), qPrintable(error));
    // Virtual links are no phone's network: a fixture of the interface folder
    // describes kesto0 as a wired card, the rest of the listing is the kernel's.
    QVERIFY(QDir(m_sys.path()).mkpath(QStringLiteral("kesto0/device")));
    QFile type(m_sys.filePath(QStringLiteral("kesto0/type")));
    QVERIFY(type.open(QIODevice::WriteOnly) && type.write("1\n") == 2);
}

void TestPhoneAddresses::addAddress(const QString& address)
{
    if (!m_isolated) {
        m_fakeAddresses << address;
        Q_EMIT m_fakeWatch->changed();
        return;
    }
    QString error;
    QVERIFY2(ip({"addr", "add", address + QStringLiteral("/24"), "dev", "kesto0"}, &error), qPrintable(error));
}

void TestPhoneAddresses::removeAddress(const QString& address)
{
    if (!m_isolated) {
        m_fakeAddresses.removeAll(address);
        Q_EMIT m_fakeWatch->changed();
        return;
    }
    QString error;
    QVERIFY2(ip({"addr", "del", address + QStringLiteral("/24"), "dev", "kesto0"}, &error), qPrintable(error));
}

void TestPhoneAddresses::newAddressRepublishesAndRenews()
{
    DictationRig rig;
    rig.state.updateConfig([](Config& config) {
        config.phonePort = 0;
        config.phoneServerEnabled = true;
        config.phoneToken = QStringLiteral("abcd2345efgh6789");
    });
    PhoneLinkController link({rig.state, *rig.controller, rig.clock, {}, m_fakeWatch});
    if (m_isolated) {
        const QString root = m_sys.path();
        link.server().setAddressSource([root] { return LocalAddresses::localAddresses(root); });
    } else {
        link.server().setAddressSource([this] {
            QList<LocalAddresses::Candidate> candidates;
            for (const QString& address : std::as_const(m_fakeAddresses))
                candidates.append({QStringLiteral("kesto0"), address, LocalAddresses::InterfaceKind::Wired});
            return LocalAddresses::ordered(candidates, std::nullopt);
        });
    }

    addAddress(QStringLiteral("192.168.77.5"));
    QTRY_COMPARE(link.server().currentAddresses(), QStringList{QStringLiteral("192.168.77.5")});
    link.applyPhoneServer();
    QVERIFY2(link.server().isRunning(), qPrintable(link.server().lastError()));
    rig.clock.advance(PhoneLinkController::publishDelayMs);
    const QString port = QString::number(link.server().port());
    QCOMPARE(rig.state.phoneURLs(), QStringList{"https://192.168.77.5:" + port + "/?t=abcd2345efgh6789"});
    QCOMPARE(rig.data.read(QStringLiteral("server-addresses.txt")), QByteArray("192.168.77.5"));

    // Nothing but the kernel's report reaches the controller here: no
    // NetworkManager signal, no call from the test.
    addAddress(QStringLiteral("10.0.77.10"));
    QTRY_COMPARE(link.phoneAddresses(), (QStringList{QStringLiteral("10.0.77.10"), QStringLiteral("192.168.77.5")}));
    rig.clock.advance(PhoneLinkController::publishDelayMs);
    const QString newPort = QString::number(link.server().port());
    QCOMPARE(rig.state.phoneURLs(), (QStringList{"https://10.0.77.10:" + newPort + "/?t=abcd2345efgh6789",
                                                 "https://192.168.77.5:" + newPort + "/?t=abcd2345efgh6789"}));
    QCOMPARE(rig.data.read(QStringLiteral("server-addresses.txt")), QByteArray("10.0.77.10,192.168.77.5"));
    const std::optional<ServerIdentity::Identity> identity = ServerIdentity::load();
    QVERIFY(identity);
    const QStringList names = identity->certificate.subjectAlternativeNames().values(QSsl::IpAddressEntry);
    QVERIFY2(names.contains(QStringLiteral("10.0.77.10")), qPrintable(names.join(QLatin1Char(','))));
    QVERIFY(link.server().isRunning());

    removeAddress(QStringLiteral("192.168.77.5"));
    QTRY_COMPARE(link.phoneAddresses(), QStringList{QStringLiteral("10.0.77.10")});
    rig.clock.advance(PhoneLinkController::publishDelayMs);
    QCOMPARE(rig.state.phoneURLs().size(), 1);
    QCOMPARE(rig.data.read(QStringLiteral("server-addresses.txt")), QByteArray("10.0.77.10"));
}

int main(int argc, char** argv)
{
    // A namespace of the test's own, made while the process has one thread:
    // every thread and child process it starts later shares it.
    const bool isolated = ::unshare(CLONE_NEWNET) == 0;
    QCoreApplication app(argc, argv);
    TestPhoneAddresses test(isolated);
    return QTest::qExec(&test, argc, argv);
}

#include "TestPhoneAddresses.moc"
