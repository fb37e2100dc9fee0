#pragma once

#include <QProcess>

// A session bus of this test program's own, so that the well-known names it
// claims (a fake portal's) meet no other test's. Made before anything in the
// program touches the session bus, as a member of the test object; the bus
// ends with it.
class PrivateBus final {
public:
    PrivateBus();
    ~PrivateBus();

    bool started() const { return m_started; }

private:
    QProcess m_daemon;
    bool m_started = false;
};
