// A stand-in for the desktop's settings portal, in a process of its own so
// that its signals reach the test over the bus like a real portal's do.
// Usage: FakePortal <initial color-scheme> [<group> <key> <value>]...; then
// each line on stdin "<group> <key> <value>" sets the value, emits
// SettingChanged and answers "sent" on stdout. Values "true" and "false" are
// booleans, values with a dot doubles, others unsigned numbers. Unknown
// settings answer NotFound, as a real portal does.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QHash>
#include <QSocketNotifier>

#include <cstdio>
#include <unistd.h>

namespace {

const QString path = QStringLiteral("/org/freedesktop/portal/desktop");

QVariant parse(const QString& text)
{
    if (text == QLatin1String("true") || text == QLatin1String("false"))
        return text == QLatin1String("true");
    if (text.contains(u'.'))
        return text.toDouble();
    return text.toUInt();
}

class Portal final : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")

public:
    QHash<QString, QVariant> values; // "group key" -> value

public Q_SLOTS:
    QDBusVariant Read(const QString& group, const QString& key)
    {
        const auto it = values.constFind(group + u' ' + key);
        if (it == values.cend()) {
            sendErrorReply(QStringLiteral("org.freedesktop.portal.Error.NotFound"), QStringLiteral("Requested setting not found"));
            return {};
        }
        // The portal wraps the value in one more variant.
        return QDBusVariant(QVariant::fromValue(QDBusVariant(*it)));
    }
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    Portal portal;
    const QStringList args = app.arguments();
    portal.values.insert(QStringLiteral("org.freedesktop.appearance color-scheme"), args.size() > 1 ? args[1].toUInt() : 0u);
    for (int i = 2; i + 2 < args.size(); i += 3)
        portal.values.insert(args[i] + u' ' + args[i + 1], parse(args[i + 2]));
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
            const QVariant value = parse(parts[2]);
            portal.values.insert(parts[0] + u' ' + parts[1], value);
            QDBusMessage signal = QDBusMessage::createSignal(path, QStringLiteral("org.freedesktop.portal.Settings"),
                                                             QStringLiteral("SettingChanged"));
            signal << parts[0] << parts[1] << QVariant::fromValue(QDBusVariant(value));
            bus.send(signal);
            std::printf("sent\n");
            std::fflush(stdout);
        }
    });
    return app.exec();
}

#include "FakePortal.moc"
