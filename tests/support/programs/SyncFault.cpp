// Preloaded into a test program (LD_PRELOAD) to make the disk fail at the
// moment written bytes are flushed, as a file system that reserves space late
// does: while KESTO_SYNC_FAULT is set ("ENOSPC" or "EIO"), fsync and
// fdatasync fail with that error; otherwise they pass through.
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>

namespace {

int fault()
{
    const char* name = std::getenv("KESTO_SYNC_FAULT");
    if (!name)
        return 0;
    return std::strcmp(name, "EIO") == 0 ? EIO : ENOSPC;
}

template <typename Function>
Function next(const char* name)
{
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

} // namespace

extern "C" int fsync(int fd)
{
    if (const int error = fault()) {
        errno = error;
        return -1;
    }
    static const auto real = next<int (*)(int)>("fsync");
    return real(fd);
}

extern "C" int fdatasync(int fd)
{
    if (const int error = fault()) {
        errno = error;
        return -1;
    }
    static const auto real = next<int (*)(int)>("fdatasync");
    return real(fd);
}
