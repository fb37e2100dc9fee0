#include "platform/linux/PortalColorScheme.h"

#include <QDBusAbstractInterface>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>

namespace {

const QString portalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString objectPath = QStringLiteral("/org/freedesktop/portal/desktop");
const char* const interfaceName = "org.freedesktop.portal.Settings";
const QString appearance = QStringLiteral("org.freedesktop.appearance");
const QString colorScheme = QStringLiteral("color-scheme");

// Read answers a variant inside a variant; later portals may answer one level.
bool isDark(QVariant value)
{
    while (value.canConvert<QDBusVariant>() && value.userType() == qMetaTypeId<QDBusVariant>())
        value = value.value<QDBusVariant>().variant();
    return value.toUInt() == 1;
}

} // namespace

// A typed proxy, so that the portal's signal can be connected like any Qt signal.
class PortalSettings final : public QDBusAbstractInterface {
    Q_OBJECT

public:
    explicit PortalSettings(QObject* parent)
        : QDBusAbstractInterface(portalService, objectPath, interfaceName, QDBusConnection::sessionBus(), parent)
    {
    }

Q_SIGNALS:
    void SettingChanged(const QString& group, const QString& key, const QDBusVariant& value);
};

PortalColorScheme::PortalColorScheme(QString* error, QObject* parent)
    : DesktopColorScheme(parent)
{
    if (!QDBusConnection::sessionBus().isConnected()) {
        if (error)
            *error = QStringLiteral("no session bus");
        return;
    }
    m_settings = new PortalSettings(this);
    // A short wait once at start-up beats painting light first and switching.
    m_settings->setTimeout(1000);
    connect(m_settings, &PortalSettings::SettingChanged, this, &PortalColorScheme::onSettingChanged);
    const QDBusMessage reply = m_settings->call(QStringLiteral("Read"), appearance, colorScheme);
    if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty())
        m_dark = isDark(reply.arguments().constFirst());
    else if (error)
        *error = QStringLiteral("no desktop colour scheme (") + reply.errorName() + u')';
}

void PortalColorScheme::onSettingChanged(const QString& group, const QString& key, const QDBusVariant& value)
{
    if (group == appearance && key == colorScheme)
        set(isDark(value.variant()));
}

void PortalColorScheme::set(bool dark)
{
    if (dark == m_dark)
        return;
    m_dark = dark;
    Q_EMIT changed(dark);
}

#include "PortalColorScheme.moc"
