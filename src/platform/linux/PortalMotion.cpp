#include "platform/linux/PortalMotion.h"

#include "platform/linux/PortalSettings.h"

#include <QDBusConnection>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace {

const QString gnome = QStringLiteral("org.gnome.desktop.interface");
const QString gnomeKey = QStringLiteral("enable-animations");
const QString kde = QStringLiteral("org.kde.kdeglobals.KDE");
const QString kdeKey = QStringLiteral("AnimationDurationFactor");

} // namespace

PortalMotion::PortalMotion(QObject* parent)
    : DesktopMotion(parent)
{
    if (!QDBusConnection::sessionBus().isConnected())
        return;
    m_settings = new PortalSettings(this);
    connect(m_settings, &PortalSettings::SettingChanged, this, &PortalMotion::onSettingChanged);
    ask(gnome, gnomeKey);
    ask(kde, kdeKey);
}

void PortalMotion::ask(const QString& group, const QString& key)
{
    // Asynchronous: a missing portal must not hold up the first window.
    auto* watcher = new QDBusPendingCallWatcher(m_settings->asyncCall(QStringLiteral("Read"), group, key), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, group, key] {
        watcher->deleteLater();
        const QDBusPendingReply<QDBusVariant> reply = *watcher;
        // A desktop without the key answers an error: that key says nothing.
        if (!reply.isError())
            take(group, key, reply.argumentAt(0));
    });
}

void PortalMotion::onSettingChanged(const QString& group, const QString& key, const QDBusVariant& value)
{
    take(group, key, value.variant());
}

void PortalMotion::take(const QString& group, const QString& key, const QVariant& value)
{
    const QVariant plain = PortalSettings::unwrap(value);
    if (group == gnome && key == gnomeKey)
        m_gnomeAnimations = plain.toBool();
    else if (group == kde && key == kdeKey)
        m_kdeFactor = plain.toDouble();
    else
        return;
    const bool reduced = (m_gnomeAnimations && !*m_gnomeAnimations) || (m_kdeFactor && qFuzzyIsNull(*m_kdeFactor));
    if (reduced == m_reduced)
        return;
    m_reduced = reduced;
    Q_EMIT changed(reduced);
}
