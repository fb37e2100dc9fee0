#include "platform/linux/PortalColorScheme.h"

#include "platform/linux/PortalSettings.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>

namespace {

const QString appearance = QStringLiteral("org.freedesktop.appearance");
const QString colorScheme = QStringLiteral("color-scheme");

bool isDark(const QVariant& value)
{
    return PortalSettings::unwrap(value).toUInt() == 1;
}

} // namespace

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
