#pragma once

#include <QDBusServiceWatcher>
#include <QProcess>
#include <QStringList>

// The fake settings portal (tests/design/FakePortal.cpp) run as a process of
// its own, owning the portal's bus name until it is destroyed. It is ready
// once this process's own bus connection has seen it take the name, and gone
// once that connection has seen it leave, so that a portal after it never
// meets news of the one before.
class FakePortalProcess final {
public:
    // arguments: the initial colour scheme, then "<group> <key> <value>" triples.
    FakePortalProcess(const QString& program, const QStringList& arguments);
    ~FakePortalProcess();

    bool ready() const { return m_ready; }
    // Sets a value and lets the portal announce it; returns once the portal
    // has sent the announcement.
    void change(const QString& group, const QString& key, const QString& value);

private:
    QDBusServiceWatcher m_watcher;
    QString m_owner; // as this process's bus connection last heard
    QProcess m_process;
    bool m_ready = false;
};
