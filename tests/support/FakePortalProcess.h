#pragma once

#include <QProcess>
#include <QStringList>

// The fake settings portal (tests/design/FakePortal.cpp) run as a process of
// its own, owning the portal's bus name until it is destroyed.
class FakePortalProcess final {
public:
    // arguments: the initial colour scheme, then "<group> <key> <value>" triples.
    FakePortalProcess(const QString& program, const QStringList& arguments);
    ~FakePortalProcess();

    bool ready() const { return m_ready; }
    // Sets a value and lets the portal announce it.
    void change(const QString& group, const QString& key, const QString& value);

private:
    QProcess m_process;
    bool m_ready = false;
};
