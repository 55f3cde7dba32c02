#include "camerafile.h"

#include "cameralock.h"
#include "camerapaths.h"
#include "logging.h"
#include "setting_choices.h"

#include <cerrno>
#include <chrono>
#include <thread>
#include <utility>

#include <sys/stat.h>

namespace {

// More than a load ever uses (99 pieces of 99 bytes) and more than a save ever writes (100
// lines of 100 bytes): a difference that matters always shows in this much of the file.
constexpr std::size_t kCardHeadBytes = 16 * 1024;
// Content another program wrote counts as settled when two reads this far apart agree.
constexpr std::chrono::milliseconds kSettleStep{25};
constexpr int kSettleReads = 8;
// The presence watch takes changed content when it has stayed the same this long; content that
// lost settings lines may be a file rewritten in place and caught half-way, so it waits longer.
constexpr qint64 kFollowAfterMs = 90;
constexpr qint64 kFollowShorterAfterMs = 1000;
// Without a change of its stat, the presence watch reads the file at every this many glances.
constexpr int kGlancesBetweenReads = 10;
// A save that finds the file changed just before its rename starts again this often.
constexpr int kSaveTries = 4;
constexpr int kSaveLockWaitMs = 3000;

std::optional<std::string> readHead(const std::string& path) {
    std::string bytes;
    if (!readConfigHead(path, kCardHeadBytes, bytes)) {
        return std::nullopt;
    }
    return bytes;
}

// The settings lines a file holds, as a set of kinds. The format request does not count: taking
// it back is a change another program of ours may make.
unsigned settingsLines(const ConfigLineArray& lines, int32_t count) {
    unsigned kinds = 0;
    for (const int32_t kind : {kPhotoLine, kVideoLine, kGeneralLine, kFirmwareLine}) {
        kinds |= hasConfigLine(lines, count, kind) ? 1U << kind : 0U;
    }
    return kinds;
}

bool dropFormatRequests(ConfigLineArray& lines, int32_t& count) {
    int32_t kept = 0;
    for (int32_t i = 0; i < count; ++i) {
        auto& line = lines[static_cast<std::size_t>(i)];
        if (line == nullptr || line->kind != kFormatLine) {
            lines[static_cast<std::size_t>(kept++)] = std::move(line);
        }
    }
    for (int32_t i = kept; i < count; ++i) {
        lines[static_cast<std::size_t>(i)].reset();
    }
    const bool dropped = kept != count;
    count = kept;
    return dropped;
}

} // namespace

CameraFile::CameraFile(std::string path) : path_(std::move(path)) {
    routeConfigLog();
}

CameraFile::~CameraFile() = default;

bool CameraFile::hasLine(int32_t kind) const {
    return hasConfigLine(content_.lines, content_.count, kind);
}

std::string CameraFile::settingsText() const {
    return ::settingsText(content_.setting, content_.lines, content_.count);
}

CardLook CameraFile::look(const std::string& path) {
    CardLook result;
    if (std::optional<std::string> bytes = readHead(path)) {
        result.state = CardLook::Read;
        result.bytes = std::move(*bytes);
    } else {
        // A card that fails to read is told apart from one that is gone by a second look.
        result.state = canOpenConfig(path) ? CardLook::Unreadable : CardLook::Gone;
    }
    return result;
}

bool CameraFile::present(const std::string& path) {
    return canOpenConfig(path);
}

void CameraFile::decode(const std::string& bytes, Content& content) {
    loadConfigLines(bytes, content.lines, content.count);
    content.setting = {};
    getConfig(content.lines, content.count, content.setting);
}

void CameraFile::adopt(const std::string& bytes) {
    Content decoded;
    decode(bytes, decoded);
    adopt(bytes, std::move(decoded));
}

void CameraFile::adopt(const std::string& bytes, Content decoded) {
    content_ = std::move(decoded);
    seen_ = bytes;
    loaded_ = true;
}

bool CameraFile::load() {
    const std::optional<std::string> bytes = readHead(path_);
    if (!bytes) {
        return false;
    }
    adopt(*bytes);
    return true;
}

bool CameraFile::keepsLinesOf(const Content& candidate) const {
    const unsigned shown = settingsLines(content_.lines, content_.count);
    return !loaded_ || (settingsLines(candidate.lines, candidate.count) & shown) == shown;
}

bool CameraFile::follow(const CardLook& look) {
    if (look.state != CardLook::Read || look.bytes == seen_ || look.sameForMs < kFollowAfterMs) {
        return false;
    }
    Content candidate;
    decode(look.bytes, candidate);
    if (!keepsLinesOf(candidate) && look.sameForMs < kFollowShorterAfterMs) {
        return false;
    }
    qCInfo(lcApp, "ActionConfig was changed on the card; showing it as it is now");
    adopt(look.bytes, std::move(candidate));
    return true;
}

std::optional<std::string> CameraFile::settled(std::string bytes, SaveResult& result) const {
    for (int i = 0; i < kSettleReads; ++i) {
        std::this_thread::sleep_for(kSettleStep);
        std::optional<std::string> again = readHead(path_);
        if (!again) {
            result.outcome = SaveOutcome::Unreadable;
            return std::nullopt;
        }
        if (*again == bytes) {
            return again;
        }
        bytes = std::move(*again);
    }
    result.outcome = SaveOutcome::Changing;
    return std::nullopt;
}

CardWatch::Stamp CardWatch::stampOf(const std::string& path) {
    Stamp stamp;
#ifdef _WIN32
    struct _stat64 info {};
    const std::wstring wide = fromSystemPath(path).toStdWString();
    if (_wstat64(wide.c_str(), &info) == 0) {
        stamp = {true, info.st_dev, info.st_ino, info.st_size, info.st_mtime, info.st_ctime};
    }
#else
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) {
        stamp = {true,
                 static_cast<long long>(info.st_dev),
                 static_cast<long long>(info.st_ino),
                 static_cast<long long>(info.st_size),
                 info.st_mtim.tv_sec * 1000000000LL + info.st_mtim.tv_nsec,
                 info.st_ctim.tv_sec * 1000000000LL + info.st_ctim.tv_nsec};
    }
#endif
    return stamp;
}

bool CardWatch::glance() {
    const Stamp stamp = stampOf(path_);
    const bool due =
        !settled_ || !stamp.found || stamp != stamp_ || ++glancesSinceRead_ >= kGlancesBetweenReads;
    stamp_ = stamp;
    if (due) {
        glancesSinceRead_ = 0;
    }
    return due;
}

std::optional<CardLook> CardWatch::look() {
    CardLook found = CameraFile::look(path_);
    const CardLook::State before = std::exchange(state_, found.state);
    if (found.state != CardLook::Read) {
        bytes_.reset();
        settled_ = true;
        // The camera gone is told every time: it ends the program however often it is heard.
        if (found.state == CardLook::Unreadable && before == CardLook::Unreadable) {
            return std::nullopt;
        }
        return found;
    }
    if (found.bytes != bytes_) {
        bytes_ = found.bytes;
        sameSince_.start();
        settled_ = false;
        return found;
    }
    found.sameForMs = sameSince_.elapsed();
    if (settled_) {
        return std::nullopt;
    }
    settled_ = found.sameForMs >= kFollowShorterAfterMs;
    return found;
}

SaveLock& CameraFile::saveLock() {
    if (saveLock_ == nullptr) {
        saveLock_ = std::make_unique<SaveLock>(cameraRootOf(path_));
    }
    return *saveLock_;
}

SaveResult CameraFile::change(const Edit& edit) {
    SaveResult result;
    const SaveLock::Hold hold(saveLock(), kSaveLockWaitMs);
    for (int attempt = 0; attempt < kSaveTries; ++attempt) {
        std::optional<std::string> base = readHead(path_);
        if (!base) {
            result.outcome = SaveOutcome::Unreadable;
            return result;
        }
        if (base != seen_) {
            base = settled(std::move(*base), result);
            if (!base) {
                return result;
            }
            Content candidate;
            decode(*base, candidate);
            if (!keepsLinesOf(candidate)) {
                result.outcome = SaveOutcome::Changing;
                return result;
            }
            adopt(*base, std::move(candidate));
            result.reloaded = true;
        }

        Content work;
        decode(*base, work);
        const CameraEdit step = edit(work.setting);
        if (!step.refused.empty()) {
            result.outcome = SaveOutcome::Refused;
            result.reason = step.refused;
            return result;
        }
        std::vector<int32_t> kinds;
        result.missing.clear();
        for (const int32_t kind : step.kinds) {
            const bool needsLine = kind == kPhotoLine || kind == kVideoLine || kind == kGeneralLine;
            if (needsLine && !hasConfigLine(work.lines, work.count, kind)) {
                result.missing.push_back(kind);
            } else {
                kinds.push_back(kind);
            }
        }
        if (!result.missing.empty() && (!step.skipMissingLines || kinds.empty())) {
            result.outcome = SaveOutcome::MissingLine;
            return result;
        }
        const bool dropped = step.dropFormatRequest && dropFormatRequests(work.lines, work.count);
        if (kinds.empty() && !dropped) {
            result.outcome = SaveOutcome::Unchanged;
            return result;
        }
        for (const int32_t kind : kinds) {
            setConfigLine(work.lines, work.count, work.setting, kind);
        }
        const std::string content = configFileContent(work.lines, work.count);
        const auto stillBase = [&] { return readHead(path_) == base; };
        if (saveConfigContent(content, path_, stillBase) != 0) {
            if (errno == EAGAIN) {
                qCInfo(lcApp, "ActionConfig changed during a save; saving again on what it holds");
                continue;
            }
            result.outcome = SaveOutcome::WriteFailed;
            result.error = errno;
            return result;
        }
        const std::string written = content.substr(0, kCardHeadBytes);
        adopt(written);
        // What the card holds now is what counts.
        const std::optional<std::string> now = readHead(path_);
        result.outcome = !now              ? SaveOutcome::Unreadable
                         : *now != written ? SaveOutcome::Changing
                                           : SaveOutcome::Saved;
        return result;
    }
    result.outcome = SaveOutcome::Changing;
    return result;
}
