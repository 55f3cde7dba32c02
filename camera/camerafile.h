// The camera's settings file as one object owns it: every read, change and save of one camera's
// ActionConfig goes through a CameraFile, for the window and the commands alike.
//
// What it guarantees, whoever else writes the file:
// - a save starts from content that is not being written at that moment: content another
//   program wrote is taken only once it has stayed the same for a while, and never when it
//   holds fewer settings lines than the content it would replace (a file rewritten in place,
//   caught half-way);
// - a save replaces only the content it started from: the last comparison comes after the new
//   content is flushed, just before the rename, and a change found then is loaded and the edit
//   made again on it;
// - programs of ours on one camera take turns (an advisory lock outside the card);
// - the result is read back, and a failure says why.
#pragma once

#include "action_config.h"

#include <QElapsedTimer>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class SaveLock;

// One look at the card's file.
struct CardLook {
    enum State { Gone, Unreadable, Read };
    State state = Gone;
    std::string bytes;    // Read: the file's first bytes
    qint64 sameForMs = 0; // Read: how long the file has held these bytes, as far as looked
};

// The presence watch of one camera's file, in two steps. A glance costs a stat of the file and
// no wake of another thread; it says when the content is to be read: when the stat changed, at
// least once a second, and at every glance while new content has not held for a second yet. The
// look that follows reads the file, on the watch's own thread, and answers nothing when it finds
// nothing new to tell.
class CardWatch {
  public:
    explicit CardWatch(std::string path) : path_(std::move(path)) {}
    // On one thread (the window's): true when look() is due.
    bool glance();
    // On another (the watch's own): a glance and a read in one, for a file system whose glance
    // itself may wait.
    std::optional<CardLook> lookNow() { return glance() ? look() : std::nullopt; }
    // On the watch's own thread.
    std::optional<CardLook> look();

  private:
    struct Stamp {
        bool found = false;
        long long device = 0, inode = 0, size = 0, modified = 0, changed = 0;
        bool operator==(const Stamp&) const = default;
    };
    static Stamp stampOf(const std::string& path);

    const std::string path_;
    // The glances' own.
    Stamp stamp_;
    int glancesSinceRead_ = 0;
    // The looks' own; `settled_` is read by the glances too.
    CardLook::State state_ = CardLook::Read;
    std::optional<std::string> bytes_;
    QElapsedTimer sameSince_;
    std::atomic<bool> settled_ = false;
};

// What an edit asks of the save after changing the record it was given.
struct CameraEdit {
    // The lines re-encoded from the record; kFormatLine appends the format request.
    std::vector<int32_t> kinds{};
    // The format request lines go.
    bool dropFormatRequest = false;
    // Lines the file lacks are passed over and reported, instead of refusing the whole change.
    bool skipMissingLines = false;
    // Not empty: the change cannot be made on this record, for this reason.
    std::string refused{};
};
using Edit = std::function<CameraEdit(tagSetting& setting)>;

enum class SaveOutcome {
    Saved,       // the card holds the change (see `missing` for lines passed over)
    Unchanged,   // nothing to save
    Unreadable,  // the file cannot be read
    Changing,    // another program is writing the file, or left it shorter than it was
    MissingLine, // the file has no line for the change; nothing was saved
    Refused,     // the setting rules refuse the change on this record; `reason` says why
    WriteFailed, // the card refused the save; `error` is the cause (errno)
};

struct SaveResult {
    SaveOutcome outcome = SaveOutcome::Unchanged;
    int error = 0;
    std::string reason;
    // The line kinds the file lacks, which the change could not be stored in.
    std::vector<int32_t> missing;
    // Content another program wrote was loaded before the edit was made.
    bool reloaded = false;
};

class CameraFile {
  public:
    explicit CameraFile(std::string path);
    ~CameraFile();
    CameraFile(const CameraFile&) = delete;
    CameraFile& operator=(const CameraFile&) = delete;

    const std::string& path() const { return path_; }

    // Reads the file and takes it as what the card holds. False when it cannot be read.
    bool load();
    // True once content has been loaded; a save never starts from anything else.
    bool loaded() const { return loaded_; }
    // The settings the card held when this object last loaded or saved the file.
    const tagSetting& setting() const { return content_.setting; }
    bool hasLine(int32_t kind) const;
    // The settings as "get" prints them.
    std::string settingsText() const;

    // One look at the file at `path`, on any thread; never waits for a writer or a FIFO.
    static CardLook look(const std::string& path);
    // True while the file at `path` can be opened as a regular file: the camera is there.
    static bool present(const std::string& path);

    // Follows what a look found: content another program wrote is loaded once it has held for
    // 90 ms (a second, when it holds fewer settings lines). True when it was loaded now.
    bool follow(const CardLook& look);

    // Makes `edit` on the record as the card holds it and saves the lines it names. The edit
    // may run more than once: again on the content another program wrote meanwhile.
    SaveResult change(const Edit& edit);

  private:
    struct Content {
        ConfigLineArray lines;
        int32_t count = 0;
        tagSetting setting{};
    };
    static void decode(const std::string& bytes, Content& content);
    // Takes `bytes` as what the card holds, decoded here or as `decoded`.
    void adopt(const std::string& bytes);
    void adopt(const std::string& bytes, Content decoded);
    // Content that was read twice the same, a short while apart; none when the file cannot be
    // read or keeps changing.
    std::optional<std::string> settled(std::string bytes, SaveResult& result) const;
    bool keepsLinesOf(const Content& candidate) const;
    SaveLock& saveLock();

    std::string path_;
    std::optional<std::string> seen_; // the bytes `content_` was loaded from, or saved as
    Content content_;
    bool loaded_ = false;
    std::unique_ptr<SaveLock> saveLock_;
};
