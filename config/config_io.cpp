#include "config_io.h"

#include <cerrno>
#include <cstdio>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
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

int openRead(const char* path) {
    return _open(path, _O_RDONLY | _O_BINARY);
}

int createWrite(const char* path, unsigned mode) {
    (void)mode;
    return _open(path, _O_WRONLY | _O_CREAT | _O_TRUNC | _O_BINARY, _S_IREAD | _S_IWRITE);
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

int renameFile(const char* from, const char* to) {
    return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) ? 0 : -1;
}

int removeFile(const char* path) {
    return _unlink(path);
}

int isDirectory(int fd) {
    struct _stat64 info {};
    if (_fstat64(fd, &info) != 0) {
        return -1;
    }
    return (info.st_mode & _S_IFDIR) != 0 ? 1 : 0;
}

int permissions(const char* path) {
    struct _stat64 info {};
    return _stat64(path, &info) == 0 ? static_cast<int>(info.st_mode & 0777) : -1;
}

void syncFolder(const char*) {}

#else

int openRead(const char* path) {
    return ::open(path, O_RDONLY | O_CLOEXEC);
}

int createWrite(const char* path, unsigned mode) {
    return ::open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, static_cast<mode_t>(mode));
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

int isDirectory(int fd) {
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        return -1;
    }
    return S_ISDIR(info.st_mode) ? 1 : 0;
}

int permissions(const char* path) {
    struct stat info {};
    return ::stat(path, &info) == 0 ? static_cast<int>(info.st_mode & 07777) : -1;
}

void syncFolder(const char* folder) {
    const int fd = ::open(folder, O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        (void)::fsync(fd);
        ::close(fd);
    }
}

#endif

const Ops kSystemOps{openRead,   createWrite, readSome,    writeSome,   syncFile,  closeFile,
                     renameFile, removeFile,  isDirectory, permissions, syncFolder};

const Ops* current = &kSystemOps;

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
