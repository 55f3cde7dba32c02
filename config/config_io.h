// The handful of operating-system file calls the settings library makes, behind one table so
// that tests can make any single step of a load or a save fail the way a camera card does
// (no space, read-only, I/O error, file gone) without needing a broken card.
#pragma once

#include <cstddef>
#include <cstdint>

namespace config_io {

struct Ops {
    // Opens an existing file for reading, following links, without ever waiting: only a
    // regular file is opened at all (a FIFO or a device is refused before it is opened), and
    // the open itself never blocks. Returns a descriptor or -1 with errno set.
    int (*openRead)(const char* path);
    // Creates a new file for writing with the permission bits `mode`. Fails with EEXIST when
    // anything, a link or a dangling link included, already has that name: never opens an
    // existing file.
    int (*createExclusive)(const char* path, unsigned mode);
    // Returns bytes read/written, or -1 with errno set.
    std::ptrdiff_t (*read)(int fd, void* buffer, std::size_t size);
    std::ptrdiff_t (*write)(int fd, const void* buffer, std::size_t size);
    // Flushes a file's data to the device.
    int (*sync)(int fd);
    int (*close)(int fd);
    // Replaces `to` by `from` in one step.
    int (*rename)(const char* from, const char* to);
    // Removes the name `path`; a link is removed itself, never what it points to.
    int (*remove)(const char* path);
    // Permission bits (0777, never setuid, setgid or sticky) of an existing file, or -1 when
    // there is none.
    int (*permissions)(const char* path);
    // Seconds since the entry `path` itself (a link is not followed) was last modified, or -1
    // when there is none.
    std::int64_t (*ageSeconds)(const char* path);
    // Flushes the folder holding a renamed file; failures are not errors (not every file
    // system supports it).
    void (*syncFolder)(const char* folder);
};

// The operating system's calls.
const Ops& systemOps();

// The table in use. Tests swap it with `ScopedOps`.
const Ops& ops();

class ScopedOps {
  public:
    explicit ScopedOps(const Ops& replacement);
    ~ScopedOps();
    ScopedOps(const ScopedOps&) = delete;
    ScopedOps& operator=(const ScopedOps&) = delete;

  private:
    const Ops* previous_;
};

} // namespace config_io
