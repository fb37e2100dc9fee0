#include "platform/linux/PortalSettings.h"

#include <QDBusConnection>

PortalSettings::PortalSettings(QObject* parent)
    : QDBusAbstractInterface(QStringLiteral("org.freedesktop.portal.Desktop"),
                             QStringLiteral("/org/freedesktop/portal/desktop"), "org.freedesktop.portal.Settings",
                             QDBusConnection::sessionBus(), parent)
{
    // The signal's relay is built from the argument types when connected;
    // an unregistered QDBusVariant makes it drop every SettingChanged.
    qRegisterMetaType<QDBusVariant>();
}

QVariant PortalSettings::unwrap(QVariant value)
{
    while (value.userType() == qMetaTypeId<QDBusVariant>())
        value = value.value<QDBusVariant>().variant();
    return value;
}
