// Loading and saving ActionConfig as an array of line records.
#include "action_config.h"
#include "config_io.h"
#include "config_log.h"
#include "line_scan.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <exception>
#include <filesystem>
#include <mutex>
#include <random>
#include <set>
#include <string>
#include <string_view>

#ifdef _WIN32
#include <process.h>
#else
#include <unistd.h>
#endif

namespace {

// A load never needs more than 99 pieces of at most 99 bytes each.
constexpr std::size_t kPieceLength = kConfigTextCapacity - 1;
constexpr std::size_t kMostBytesLoaded = kPieceLength * kMaxLoadedLines;

class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            config_io::ops().close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // Closes now and reports the result, which matters when writing.
    int close() {
        const int result = config_io::ops().close(fd_);
        fd_ = -1;
        return result;
    }

  private:
    int fd_;
};

// Reads at most `most` bytes, stopping early at the end of the file. False on a read error.
// Read in pieces: a file of a few hundred bytes costs no buffer of `most` bytes filled first.
bool readHead(const Descriptor& file, std::size_t most, std::string& bytes) {
    std::array<char, 4096> piece;
    bytes.clear();
    while (bytes.size() < most) {
        const std::ptrdiff_t n = config_io::ops().read(file.get(), piece.data(),
                                                       std::min(piece.size(), most - bytes.size()));
        if (n < 0) {
            return false;
        }
        if (n == 0) {
            break;
        }
        bytes.append(piece.data(), static_cast<std::size_t>(n));
    }
    return true;
}

// Sorts a freshly read record and, for a recognised line, drops what stands before its "[".
void classify(tagConfigLine& line) {
    char* open = std::strchr(line.text, '[');
    if (open == nullptr) {
        line.kind = kOtherLine;
        return;
    }
    configLog(open);
    if (std::strchr(line.text, ']') == nullptr) {
        line.kind = kOtherLine;
        return;
    }
    std::memmove(line.text, open, std::strlen(open) + 1);
    int32_t numbers[2] = {0, 0};
    scanBracketNumbers(line.text, numbers, 2);
    if (numbers[0] == 2) {
        line.kind = kFirmwareLine;
    } else if (numbers[0] == 1 && numbers[1] >= kPhotoLine && numbers[1] <= kFormatLine) {
        line.kind = numbers[1];
    } else {
        line.kind = kOtherLine;
    }
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? path.substr(0, 1) : path.substr(0, slash);
}

// A save writes the new content to a temporary file of its own in the same folder, named
// ".ActionConfig.<random part>.tmp" with a part made anew for each save, and renames it over the
// file. Several programs (two windows, a script) may save the same file at the same moment, and
// whoever had the card may have planted links under any name: each save therefore creates its
// file exclusively under a name nobody uses yet and writes only into the file it created.
constexpr std::size_t kUniquePartLength = 12;
constexpr std::string_view kUniquePartAlphabet = "0123456789abcdefghijklmnopqrstuvwxyz";
constexpr int kMostCreateAttempts = 100;
// Temporary files that nobody has written to for this long are left over from a save that was
// killed before its rename. See removeLeftovers.
constexpr std::int64_t kStaleAfterSeconds = 24 * 60 * 60;

std::size_t nameStartOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? 0 : slash + 1;
}

// The one fixed temporary name that earlier versions of the program used.
std::string fixedTemporaryPathFor(const std::string& path) {
    const std::size_t nameStart = nameStartOf(path);
    return path.substr(0, nameStart) + "." + path.substr(nameStart) + ".tmp";
}

std::uint64_t mixBits(std::uint64_t x) {
    x += 0x9e3779b97f4a7c15ULL;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
    return x ^ (x >> 31);
}

// Random where the system offers randomness, and distinct between processes (also forked
// ones) and between the saves of one process even where it does not.
std::string uniquePart() {
    static std::atomic<std::uint64_t> serial{0};
#ifdef _WIN32
    const auto process = static_cast<std::uint64_t>(_getpid());
#else
    const auto process = static_cast<std::uint64_t>(::getpid());
#endif
    const auto now =
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    std::uint64_t bits = mixBits(process ^ mixBits(now ^ mixBits(++serial)));
    try {
        std::random_device device;
        bits ^= (static_cast<std::uint64_t>(device()) << 32) ^ device();
    } catch (const std::exception&) {
        // No source of randomness: the process, the clock and the serial number remain.
    }
    std::string part;
    for (std::size_t i = 0; i < kUniquePartLength; ++i) {
        part.push_back(kUniquePartAlphabet[bits % kUniquePartAlphabet.size()]);
        bits /= kUniquePartAlphabet.size();
    }
    return part;
}

std::string temporaryPathFor(const std::string& path) {
    const std::size_t nameStart = nameStartOf(path);
    return path.substr(0, nameStart) + "." + path.substr(nameStart) + "." + uniquePart() + ".tmp";
}

bool isTemporaryName(const std::string& entry, const std::string& fileName) {
    const std::string prefix = "." + fileName + ".";
    const std::string suffix = ".tmp";
    if (entry.size() != prefix.size() + kUniquePartLength + suffix.size() ||
        entry.compare(0, prefix.size(), prefix) != 0 ||
        entry.compare(entry.size() - suffix.size(), suffix.size(), suffix) != 0) {
        return false;
    }
    const auto unique = std::string_view(entry).substr(prefix.size(), kUniquePartLength);
    return std::all_of(unique.begin(), unique.end(), [](char c) {
        return kUniquePartAlphabet.find(c) != std::string_view::npos;
    });
}

// Creates the temporary file of one save under a name of its own; -1 with errno set on failure.
int createTemporary(const std::string& path, unsigned mode, std::string& temporary) {
    for (int attempt = 0; attempt < kMostCreateAttempts; ++attempt) {
        temporary = temporaryPathFor(path);
        const int fd = config_io::ops().createExclusive(temporary.c_str(), mode);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

// Removes temporary files left behind by saves that were killed before their rename: the fixed
// name of earlier versions, and files of the present naming that nobody has written to for a
// day. Another program saving the same file at this moment has a temporary file of the present
// naming too, which must stay: a live save writes its file right after creating it and renames
// it within seconds, so a file untouched for a day belongs to no live save, with a wide margin
// for cards whose clock is off by summer time or a time zone. (Should a save still be stopped
// for longer than that, its rename fails and it reports the failure; the file stays whole.)
// Names are removed, never opened: a link planted under such a name goes itself, and what it
// points to is not touched. A folder of such a name cannot be removed this way and is left; it
// stands in the way of nothing, as every save picks a new name.
void removeLeftovers(const std::string& path) {
    const config_io::Ops& io = config_io::ops();
    io.remove(fixedTemporaryPathFor(path).c_str());
    const std::string folderPrefix = path.substr(0, nameStartOf(path));
    const std::string fileName = path.substr(nameStartOf(path));
    try {
        std::error_code error;
        // Paths are UTF-8 on every system.
        const std::string folderBytes = folderOf(path);
        const std::u8string folder(folderBytes.begin(), folderBytes.end());
        std::filesystem::directory_iterator entry(std::filesystem::path(folder), error);
        for (; !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
            const std::u8string utf8 = entry->path().filename().u8string();
            const std::string name(utf8.begin(), utf8.end());
            if (!isTemporaryName(name, fileName)) {
                continue;
            }
            const std::string leftover = folderPrefix + name;
            if (io.ageSeconds(leftover.c_str()) >= kStaleAfterSeconds) {
                io.remove(leftover.c_str());
            }
        }
    } catch (const std::exception&) {
        // Tidying up is not part of the save, which has succeeded.
    }
}

// True the first time a program asks for `path`. Leftovers come from saves killed in earlier
// runs (a save of this run removes its own temporary file when it fails), so they are looked
// for at a program's first save of a file only. The look reads the folder, and where the file
// system keeps access times that marks the folder changed: the next save's flush then has one
// more inode to write (about 70 µs more per save on ext4).
bool firstSaveOf(const std::string& path) {
    static std::mutex mutex;
    static std::set<std::string> saved;
    const std::lock_guard lock(mutex);
    return saved.insert(path).second;
}

void logSaveFailure(const std::string& path, const char* step, int error) {
    configLog("Could not save " + path + ": " + step + " failed (" + std::strerror(error) + ")");
}

bool writeAll(const Descriptor& file, const std::string& content) {
    std::size_t written = 0;
    while (written < content.size()) {
        const std::ptrdiff_t n =
            config_io::ops().write(file.get(), content.data() + written, content.size() - written);
        if (n < 0) {
            return false;
        }
        if (n == 0) {
            errno = ENOSPC;
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    return true;
}

std::size_t textLength(const tagConfigLine& line) {
    const void* end = std::memchr(line.text, '\0', sizeof line.text);
    return end == nullptr ? sizeof line.text
                          : static_cast<std::size_t>(static_cast<const char*>(end) - line.text);
}

} // namespace

std::string configFileContent(const ConfigLineArray& lines, int32_t count) {
    std::string content;
    for (int32_t i = 0; i < usedLineCount(count); ++i) {
        const tagConfigLine* line = lines[static_cast<std::size_t>(i)].get();
        if (line != nullptr && line->kind >= kPhotoLine && line->kind <= kFirmwareLine) {
            const std::size_t length = textLength(*line);
            content.append(line->text, length);
            // A line kept as it was loaded (a format request) still has its own line feed: a
            // second one would add an empty line at every save of such a file, and enough of
            // them push its last lines past what a load reads, where the next save drops them.
            if (length == 0 || line->text[length - 1] != '\n') {
                content.push_back('\n');
            }
        }
    }
    return content;
}

bool readConfigHead(const std::string& path, std::size_t most, std::string& bytes) {
    const Descriptor file(config_io::ops().openRead(path.c_str()));
    std::string head;
    if (!file.valid() || !readHead(file, most, head)) {
        return false;
    }
    bytes = std::move(head);
    return true;
}

void loadConfigLines(std::string_view bytes, ConfigLineArray& lines, int32_t& count) {
    bytes = bytes.substr(0, std::min(bytes.size(), kMostBytesLoaded));
    int32_t loaded = 0;
    std::size_t start = 0;
    while (start < bytes.size() && loaded < kMaxLoadedLines) {
        std::size_t length = std::min(kPieceLength, bytes.size() - start);
        const void* newline = std::memchr(bytes.data() + start, '\n', length);
        if (newline != nullptr) {
            length = static_cast<std::size_t>(static_cast<const char*>(newline) -
                                              (bytes.data() + start)) +
                     1;
        }
        auto line = std::make_unique<tagConfigLine>();
        std::memcpy(line->text, bytes.data() + start, length);
        classify(*line);
        lines[static_cast<std::size_t>(loaded)] = std::move(line);
        ++loaded;
        start += length;
    }
    for (std::size_t i = static_cast<std::size_t>(loaded); i < lines.size(); ++i) {
        lines[i].reset();
    }
    count = loaded;
}

int32_t readAllConfig(ConfigLineArray& lines, int32_t& count, const std::string& path) {
    std::string bytes;
    // A read error part-way would load a shortened file that the next save writes back: treat
    // it like a file that cannot be opened.
    if (!readConfigHead(path, kMostBytesLoaded, bytes)) {
        configLog("File is not exist");
        return -1;
    }
    loadConfigLines(bytes, lines, count);
    return 0;
}

int32_t saveConfigLine(const ConfigLineArray& lines, int32_t count, const std::string& path) {
    return saveConfigContent(configFileContent(lines, count), path, {});
}

int32_t saveConfigContent(const std::string& content, const std::string& path,
                          const std::function<bool()>& stillCurrent) {
    const config_io::Ops& io = config_io::ops();
    const int existingMode = io.permissions(path.c_str());
    const unsigned mode = existingMode >= 0 ? static_cast<unsigned>(existingMode) : 0644U;
    // A file that nobody may write is write-protected, also for a user whom the system would
    // let replace it (the folder is writable, or the user is the administrator).
    if (existingMode >= 0 && (mode & 0222U) == 0) {
        logSaveFailure(path, "checking that the file may be written", EACCES);
        errno = EACCES;
        return -1;
    }

    std::string temporary;
    Descriptor file(createTemporary(path, mode, temporary));
    if (!file.valid()) {
        const int error = errno;
        logSaveFailure(path, "creating the temporary file", error);
        configLog("File is not exist");
        errno = error;
        return -1;
    }
    const char* failedStep = nullptr;
    if (!writeAll(file, content)) {
        failedStep = "writing";
    } else if (io.sync(file.get()) != 0) {
        failedStep = "flushing to the device";
    } else if (file.close() != 0) {
        failedStep = "closing";
    } else if (existingMode >= 0 && io.permissions(path.c_str()) < 0) {
        // The file went away during the save (the camera was unplugged): do not put a new
        // one in its place.
        errno = ENOENT;
        failedStep = "finding the file again";
    } else if (stillCurrent && !stillCurrent()) {
        // The file changed while the new content was written and flushed: replacing it now
        // would drop what the other writer wrote.
        errno = EAGAIN;
        failedStep = "finding the file as it was";
    } else if (io.rename(temporary.c_str(), path.c_str()) != 0) {
        failedStep = "replacing the file";
    }
    if (failedStep != nullptr) {
        const int error = errno;
        if (file.valid()) {
            file.close();
        }
        io.remove(temporary.c_str());
        logSaveFailure(path, failedStep, error);
        errno = error;
        return -1;
    }
    io.syncFolder(folderOf(path).c_str());
    if (firstSaveOf(path)) {
        removeLeftovers(path);
    }
    return 0;
}

bool canOpenConfig(const std::string& path) {
    const Descriptor file(config_io::ops().openRead(path.c_str()));
    return file.valid();
}
