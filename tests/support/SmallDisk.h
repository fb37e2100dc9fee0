#pragma once

#include <QString>

// The small file system that scripts/test-env mounts (KESTO_TEST_SMALL_FS),
// filled on demand so that writes needing new space fail with ENOSPC, as on
// a full disk. Tests using it carry the "smallfs" label, which also keeps
// them from running at the same time.
class SmallDisk final
{
public:
    SmallDisk();
    ~SmallDisk();

    // Empty, with why() set, when the environment has no small file system.
    QString path() const { return m_path; }
    QString why() const { return m_why; }

    // Takes every free byte; false when the file system did not fill up.
    bool fill();
    // Gives the space back.
    void release();

private:
    QString m_path;
    QString m_why;
};
