// Loading and saving ActionConfig as an array of line records.
#include "action_config.h"
#include "config_io.h"
#include "config_log.h"
#include "line_scan.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>

namespace {

// A load never needs more than 99 pieces of at most 99 bytes each.
constexpr std::size_t kPieceLength = kConfigTextCapacity - 1;
constexpr std::size_t kMostBytesLoaded = kPieceLength * kMaxLoadedLines;

int32_t clampCount(int32_t count) {
    return std::clamp(count, 0, kConfigLineSlots);
}

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

bool isReadableFile(const Descriptor& file) {
    return file.valid() && config_io::ops().isDirectory(file.get()) == 0;
}

// Reads what a load can use, stopping early at the end of the file. False on a read error.
bool readHead(const Descriptor& file, std::string& bytes) {
    bytes.resize(kMostBytesLoaded);
    std::size_t filled = 0;
    while (filled < kMostBytesLoaded) {
        const std::ptrdiff_t n =
            config_io::ops().read(file.get(), bytes.data() + filled, kMostBytesLoaded - filled);
        if (n < 0) {
            return false;
        }
        if (n == 0) {
            break;
        }
        filled += static_cast<std::size_t>(n);
    }
    bytes.resize(filled);
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

std::string temporaryPathFor(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    return path.substr(0, nameStart) + "." + path.substr(nameStart) + ".tmp";
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

std::string contentOf(const ConfigLineArray& lines, int32_t count) {
    std::string content;
    for (int32_t i = 0; i < clampCount(count); ++i) {
        const tagConfigLine* line = lines[static_cast<std::size_t>(i)].get();
        if (line != nullptr && line->kind >= kPhotoLine && line->kind <= kFirmwareLine) {
            content.append(line->text, textLength(*line));
            content.push_back('\n');
        }
    }
    return content;
}

} // namespace

int32_t readAllConfig(ConfigLineArray& lines, int32_t& count, const std::string& path) {
    Descriptor file(config_io::ops().openRead(path.c_str()));
    std::string bytes;
    // A read error part-way would load a shortened file that the next save writes back: treat
    // it like a file that cannot be opened.
    if (!isReadableFile(file) || !readHead(file, bytes)) {
        configLog("File is not exist");
        return -1;
    }

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
    return 0;
}

int32_t saveConfigLine(const ConfigLineArray& lines, int32_t count, const std::string& path) {
    const config_io::Ops& io = config_io::ops();
    const std::string content = contentOf(lines, count);
    const std::string temporary = temporaryPathFor(path);
    const int existingMode = io.permissions(path.c_str());
    const unsigned mode = existingMode >= 0 ? static_cast<unsigned>(existingMode) : 0644U;

    Descriptor file(io.createWrite(temporary.c_str(), mode));
    if (!file.valid()) {
        logSaveFailure(path, "creating the temporary file", errno);
        configLog("File is not exist");
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
        return -1;
    }
    io.syncFolder(folderOf(path).c_str());
    return 0;
}

bool canOpenConfig(const std::string& path) {
    const Descriptor file(config_io::ops().openRead(path.c_str()));
    return isReadableFile(file);
}
