#include "DiskFull.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>

namespace DiskFull {

bool strike(const QString& path)
{
    const QByteArray target = QFile::encodeName(QFileInfo(path).canonicalFilePath());
    if (target.isEmpty())
        return false;
    const int full = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
    if (full < 0)
        return false;
    bool struck = false;
    if (DIR* fds = ::opendir("/proc/self/fd")) {
        while (const dirent* entry = ::readdir(fds)) {
            const QByteArray link = QByteArray("/proc/self/fd/") + entry->d_name;
            char buffer[4096];
            const ssize_t n = ::readlink(link.constData(), buffer, sizeof buffer);
            if (n > 0 && QByteArray(buffer, int(n)) == target)
                struck = ::dup2(full, std::atoi(entry->d_name)) >= 0 || struck;
        }
        ::closedir(fds);
    }
    ::close(full);
    return struck;
}

} // namespace DiskFull
