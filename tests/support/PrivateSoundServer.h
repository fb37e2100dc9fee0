#pragma once

#include <QProcess>
#include <QTemporaryDir>

// A sound server of this test program's own, with one silent speaker
// ("testspeaker"), so that the streams it lists are only the ones the test
// plays: other tests running beside it play their own sounds into the shared
// server. Made before anything in the program talks to the sound server, as a
// member of the test object; the server ends with it.
class PrivateSoundServer final {
public:
    PrivateSoundServer();
    ~PrivateSoundServer();

    bool started() const { return m_started; }

private:
    QTemporaryDir m_dir;
    QProcess m_daemon;
    bool m_started = false;
};
