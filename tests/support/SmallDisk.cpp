#include "SmallDisk.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStorageInfo>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Larger than any test's data, small enough to fill in a moment.
constexpr qint64 largestSize = 8 * 1024 * 1024;

QString fillerPath(const QString& root)
{
    return root + QStringLiteral("/.filler");
}

// Writes chunks of size until the file system refuses; true on ENOSPC.
bool writeUntilFull(int fd, qsizetype size)
{
    const QByteArray chunk(size, 'f');
    for (;;) {
        const ssize_t n = ::write(fd, chunk.constData(), size_t(chunk.size()));
        if (n > 0)
            continue;
        return n < 0 && errno == ENOSPC;
    }
}

} // namespace

SmallDisk::SmallDisk()
{
    const QString root = qEnvironmentVariable("KESTO_TEST_SMALL_FS");
    if (root.isEmpty()) {
        m_why = QStringLiteral("KESTO_TEST_SMALL_FS is not set: scripts/test-env mounts the small file system "
                               "only when it runs as root");
        return;
    }
    const QStorageInfo storage(root);
    if (!storage.isValid() || storage.rootPath() != QDir(root).absolutePath() || storage.bytesTotal() > largestSize) {
        m_why = QStringLiteral("%1 is not a small file system of its own").arg(root);
        return;
    }
    m_path = root;
    release(); // what an earlier, crashed run left
}

SmallDisk::~SmallDisk()
{
    release();
}

bool SmallDisk::fill()
{
    const int fd = ::open(QFile::encodeName(fillerPath(m_path)).constData(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC,
                          0600);
    if (fd < 0)
        return false;
    // Whole pages first, then single bytes into the last page's slack.
    const bool full = writeUntilFull(fd, 65536) && writeUntilFull(fd, 4096) && writeUntilFull(fd, 1);
    ::close(fd);
    return full;
}

void SmallDisk::release()
{
    if (!m_path.isEmpty())
        QFile::remove(fillerPath(m_path));
}
