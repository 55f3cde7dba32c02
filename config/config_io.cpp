#include "config_io.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <ctime>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <string>
#include <sys/stat.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace config_io {
namespace {

#ifdef _WIN32

// Paths are UTF-8 on every system; Windows takes them as UTF-16, never through the ANSI code
// page, which cannot spell every name a card may hold.
std::wstring wide(const char* path) {
    const int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path, -1, nullptr, 0);
    std::wstring text(length > 0 ? static_cast<std::size_t>(length) : 0U, L'\0');
    if (length > 0) {
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path, -1, text.data(), length);
        text.pop_back();
    }
    return text;
}

bool isRegular(unsigned short mode) {
    return (mode & _S_IFMT) == _S_IFREG;
}

int statOf(const char* path, struct _stat64& info) {
    return _wstat64(wide(path).c_str(), &info);
}

int openRead(const char* path) {
    struct _stat64 info {};
    if (statOf(path, info) != 0) {
        return -1;
    }
    if (!isRegular(info.st_mode)) {
        errno = (info.st_mode & _S_IFDIR) != 0 ? EISDIR : EINVAL;
        return -1;
    }
    const int fd = _wopen(wide(path).c_str(), _O_RDONLY | _O_BINARY);
    // Something else may have been put in its place since.
    if (fd >= 0 && (_fstat64(fd, &info) != 0 || !isRegular(info.st_mode))) {
        _close(fd);
        errno = EINVAL;
        return -1;
    }
    return fd;
}

int createExclusive(const char* path, unsigned mode) {
    (void)mode;
    return _wopen(wide(path).c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY,
                  _S_IREAD | _S_IWRITE);
}

std::ptrdiff_t readSome(int fd, void* buffer, std::size_t size) {
    return _read(fd, buffer, static_cast<unsigned>(size));
}

std::ptrdiff_t writeSome(int fd, const void* buffer, std::size_t size) {
    return _write(fd, buffer, static_cast<unsigned>(size));
}

int syncFile(int fd) {
    return _commit(fd);
}

int closeFile(int fd) {
    return _close(fd);
}

// Windows does not replace a file that is open, even for a moment's read: the presence watch
// on another thread, an indexer or a virus scanner. Such a replacement is tried again for a
// tenth of a second; a file marked read-only is refused at once.
constexpr int kRenameTries = 10;
constexpr DWORD kRenamePauseMs = 10;

int renameFile(const char* from, const char* to) {
    const std::wstring source = wide(from);
    const std::wstring target = wide(to);
    for (int attempt = 1;; ++attempt) {
        if (MoveFileExW(source.c_str(), target.c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            return 0;
        }
        const DWORD error = GetLastError();
        const bool heldOpen = error == ERROR_SHARING_VIOLATION ||
                              (error == ERROR_ACCESS_DENIED &&
                               (GetFileAttributesW(target.c_str()) & FILE_ATTRIBUTE_READONLY) == 0);
        if (!heldOpen || attempt == kRenameTries) {
            errno = error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION ? EACCES : EIO;
            return -1;
        }
        Sleep(kRenamePauseMs);
    }
}

int removeFile(const char* path) {
    return _wunlink(wide(path).c_str());
}

int permissions(const char* path) {
    struct _stat64 info {};
    return statOf(path, info) == 0 ? static_cast<int>(info.st_mode & 0777) : -1;
}

std::int64_t ageSeconds(const char* path) {
    struct _stat64 info {};
    if (statOf(path, info) != 0) {
        return -1;
    }
    return static_cast<std::int64_t>(std::time(nullptr)) - static_cast<std::int64_t>(info.st_mtime);
}

void syncFolder(const char*) {}

#else

int openRead(const char* path) {
    // A FIFO would block the open until a writer comes, and opening a device can have effects
    // of its own: look first, and open only what looked like a regular file.
    struct stat info {};
    if (::stat(path, &info) != 0) {
        return -1;
    }
    if (!S_ISREG(info.st_mode)) {
        errno = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        return -1;
    }
    // Something else may have been put in its place since: the open must not block either,
    // and what it opened must still be a regular file.
    const int fd = ::open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return -1;
    }
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        errno = EINVAL;
        return -1;
    }
    // Reads of a regular file then behave as they always do (of the flags F_SETFL changes, the
    // open set O_NONBLOCK alone).
    (void)::fcntl(fd, F_SETFL, 0);
    return fd;
}

int createExclusive(const char* path, unsigned mode) {
    int flags = O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC;
#ifdef O_NOFOLLOW
    flags |= O_NOFOLLOW;
#endif
    return ::open(path, flags, static_cast<mode_t>(mode));
}

std::ptrdiff_t readSome(int fd, void* buffer, std::size_t size) {
    ssize_t n = 0;
    do {
        n = ::read(fd, buffer, size);
    } while (n < 0 && errno == EINTR);
    return n;
}

std::ptrdiff_t writeSome(int fd, const void* buffer, std::size_t size) {
    ssize_t n = 0;
    do {
        n = ::write(fd, buffer, size);
    } while (n < 0 && errno == EINTR);
    return n;
}

int syncFile(int fd) {
#ifdef __APPLE__
    // fsync on macOS only reaches the drive's cache; F_FULLFSYNC reaches the medium.
    if (::fcntl(fd, F_FULLFSYNC) == 0) {
        return 0;
    }
#endif
    return ::fsync(fd);
}

int closeFile(int fd) {
    return ::close(fd);
}

int renameFile(const char* from, const char* to) {
    return std::rename(from, to);
}

int removeFile(const char* path) {
    return ::unlink(path);
}

int permissions(const char* path) {
    struct stat info {};
    return ::stat(path, &info) == 0 ? static_cast<int>(info.st_mode & 0777) : -1;
}

std::int64_t ageSeconds(const char* path) {
    struct stat info {};
    if (::lstat(path, &info) != 0) {
        return -1;
    }
    return static_cast<std::int64_t>(std::time(nullptr)) - static_cast<std::int64_t>(info.st_mtime);
}

void syncFolder(const char* folder) {
    int flags = O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
#ifdef O_DIRECTORY
    flags |= O_DIRECTORY;
#endif
    const int fd = ::open(folder, flags);
    if (fd >= 0) {
        (void)::fsync(fd);
        ::close(fd);
    }
}

#endif

const Ops kSystemOps{openRead,   createExclusive, readSome,    writeSome,  syncFile,  closeFile,
                     renameFile, removeFile,      permissions, ageSeconds, syncFolder};

// Swapped by tests while the presence watch may read on its own thread.
std::atomic<const Ops*> current{&kSystemOps};

} // namespace

const Ops& systemOps() {
    return kSystemOps;
}

const Ops& ops() {
    return *current;
}

ScopedOps::ScopedOps(const Ops& replacement) : previous_(current) {
    current = &replacement;
}

ScopedOps::~ScopedOps() {
    current = previous_;
}

} // namespace config_io
