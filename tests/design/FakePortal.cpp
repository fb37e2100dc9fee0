// A stand-in for the desktop's settings portal, in a process of its own so
// that its signals reach the test over the bus like a real portal's do.
// Usage: FakePortal <initial color-scheme>; then each line on stdin
// "<group> <key> <value>" sets the value and emits SettingChanged.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QSocketNotifier>

#include <cstdio>
#include <unistd.h>

namespace {

const QString path = QStringLiteral("/org/freedesktop/portal/desktop");

class Portal final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")

public:
    uint scheme = 0;

public Q_SLOTS:
    QDBusVariant Read(const QString& group, const QString& key)
    {
        if (group != QLatin1String("org.freedesktop.appearance") || key != QLatin1String("color-scheme"))
            return QDBusVariant(QVariant::fromValue(QDBusVariant(QString())));
        // The portal wraps the value in one more variant.
        return QDBusVariant(QVariant::fromValue(QDBusVariant(scheme)));
    }
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    Portal portal;
    portal.scheme = argc > 1 ? QString::fromLatin1(argv[1]).toUInt() : 0;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject(path, &portal, QDBusConnection::ExportAllSlots)
        || !bus.registerService(QStringLiteral("org.freedesktop.portal.Desktop")))
        return 1;
    std::printf("ready\n");
    std::fflush(stdout);

    QSocketNotifier input(0, QSocketNotifier::Read);
    QByteArray pending;
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        char buffer[4096];
        const ssize_t got = ::read(0, buffer, sizeof buffer);
        if (got <= 0) {
            app.quit();
            return;
        }
        pending.append(buffer, got);
        for (qsizetype end = pending.indexOf('\n'); end >= 0; end = pending.indexOf('\n')) {
            const QStringList parts = QString::fromUtf8(pending.left(end)).split(u' ');
            pending.remove(0, end + 1);
            if (parts.size() != 3)
                continue;
            const uint value = parts[2].toUInt();
            if (parts[0] == QLatin1String("org.freedesktop.appearance") && parts[1] == QLatin1String("color-scheme"))
                portal.scheme = value;
            QDBusMessage signal = QDBusMessage::createSignal(path, QStringLiteral("org.freedesktop.portal.Settings"),
                                                             QStringLiteral("SettingChanged"));
            signal << parts[0] << parts[1] << QVariant::fromValue(QDBusVariant(value));
            bus.send(signal);
        }
    });
    return app.exec();
}

#include "FakePortal.moc"
