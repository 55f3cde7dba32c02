// The camera's settings file, ActionConfig: its line records, loading and saving, and the
// translation between the lines and the one settings record the program works with.
//
// This library depends on the C++ standard library alone (plus POSIX or Win32 file calls for
// durable saves) so that it can be built, tested and fuzzed without any user interface.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

// Kind of one line of ActionConfig, decided by the first two numbers inside its brackets.
enum ConfigLineKind : int32_t {
    kOtherLine = 0,    // anything unrecognised; never written back
    kPhotoLine = 1,    // [1,1,...]
    kVideoLine = 2,    // [1,2,...]
    kGeneralLine = 3,  // [1,3,...] general settings and the camera clock
    kFormatLine = 4,   // [1,4,...] request to format the SD card
    kFirmwareLine = 5, // [2,...]
};

// One line of the file: at most 99 characters and a terminating NUL, and its kind.
struct tagConfigLine {
    char text[100];
    int32_t kind;
};

// The settings record. Field order is fixed: the pages and the codec rely on it.
struct tagSetting {
    int32_t photoResolution; // 1 16MP, 2 5MP, 3 3MP, 4 VGA
    int32_t photoMode;       // 1 single, 2 burst, 3 time-lapse
    int32_t FHDResolution;   // 1 1080P, 2 960P
    int32_t HDResolution;    // 1 720P60, 2 720P30
    int32_t tvType;          // 1 PAL, 2 NTSC
    int32_t tvFre;           // 1 50 Hz, 2 60 Hz, 3 automatic
    int32_t autoOffTime;     // 1, 2 or 3 (off)
    int32_t dateStamp;
    int32_t year; // full year; stored in the file as year - 1970
    int32_t month;
    int32_t date; // day of the month
    int32_t hour;
    int32_t minute;
    int32_t second;
    int32_t isInit;         // repaint flag of the window; never stored in the file
    int32_t timeLapseValue; // 1 to 4: 5, 10, 30, 60 seconds
    int32_t autoRot;        // 1 off, 2 on
    char version[6];        // firmware version, at most five characters
};

inline constexpr int32_t kConfigLineSlots = 100;
inline constexpr int32_t kMaxLoadedLines = kConfigLineSlots - 1;
inline constexpr int32_t kConfigTextCapacity = 100; // 99 characters and the NUL

using ConfigLineArray = std::array<std::unique_ptr<tagConfigLine>, kConfigLineSlots>;

// Loads the file at `path` into `lines`: pieces of at most 99 bytes, each ending after a line
// feed if one comes sooner, at most 99 of them; each is classified by kind, and a recognised line
// loses whatever stood before its "[". Returns 0 and sets `count` on success. Returns -1 and logs
// "File is not exist" when the file cannot be opened, is not a regular file (a folder, a FIFO, a
// device; a link to a regular file counts as one) or cannot be read to the end of what is
// loaded; `lines` and `count` are then left as they were. Never waits for a writer or a device.
// Bytes are not converted; a NUL byte ends a record's text.
int32_t readAllConfig(ConfigLineArray& lines, int32_t& count, const std::string& path);

// Loads records from `bytes`, the file's content, exactly as readAllConfig loads them from the
// file (only the bytes a load reads are looked at). Never fails.
void loadConfigLines(std::string_view bytes, ConfigLineArray& lines, int32_t& count);

// Writes records 0 to count-1 of kinds 1 to 5 to `path`, each as its text and a line feed (a
// record kept as it was loaded, a format request, may already end in its own line feed, which
// is not doubled).
// The new content goes to a temporary file that the save creates under a new name in the same
// folder (never one that already exists, so planted links are not followed and saves running at
// the same moment do not share one), is flushed to the device and then renamed over `path`, so
// the file on disk is always one complete version. The new file gets the old one's permission
// bits 0777, never setuid, setgid or sticky. A file without any write permission bit is
// write-protected: it is not replaced, and errno is EACCES. A missing file is created, but a file
// that disappears while the save runs is not put back. After a program's first save of `path`,
// temporary files that saves of earlier runs left behind are removed (names only, never
// followed). Returns 0 on success; on any failure returns -1 with errno telling the cause of the
// step that failed, logs it, removes the temporary file and leaves `path` as it was, byte for
// byte.
int32_t saveConfigLine(const ConfigLineArray& lines, int32_t count, const std::string& path);

// Saves `content` as saveConfigLine saves the lines' content. `stillCurrent`, when given, is
// asked after the new content is flushed, just before the rename: when it answers false the
// file is left as it is, the temporary file removed, and -1 returned with errno EAGAIN.
int32_t saveConfigContent(const std::string& content, const std::string& path,
                          const std::function<bool()>& stillCurrent);

// The bytes a save of `lines` writes: every record of kinds 1 to 5 in order, each followed by a
// line feed unless it already ends in one.
std::string configFileContent(const ConfigLineArray& lines, int32_t count);

// Reads the first `most` bytes of the file at `path` (fewer where it ends sooner) into `bytes`,
// never waiting. False, with `bytes` left as it was, when the file is not a regular file or
// cannot be read.
bool readConfigHead(const std::string& path, std::size_t most, std::string& bytes);

// Decodes the first record of each kind into `setting` (cleared first, then the interval and
// rotation corrections) and rewrites the text of every photo, video, general and firmware record
// in canonical form. Unreadable or out-of-range numbers read as 0; never fails.
void getConfig(ConfigLineArray& lines, int32_t count, tagSetting& setting);

// Re-encodes the first record of `kind` (1, 2, 3 or 5) from `setting`. For kind 4 appends one
// format-request record when none exists and a slot is free. A missing line of another kind is
// not created. A line that would exceed 99 characters is not written: the record keeps its text
// and the refusal is logged. Unknown kinds do nothing.
void setConfigLine(ConfigLineArray& lines, int32_t& count, const tagSetting& setting, int32_t kind);

// True when `path` names a regular file, or a link to one, that can be opened for reading; a
// folder, a FIFO or a device does not count. Never waits. This is the sign that the camera is
// connected.
bool canOpenConfig(const std::string& path);

// Diagnostic lines of the library go to this sink; by default each is written to standard error
// as one line. An empty function restores the default. Returns the sink it replaces.
using ConfigLogSink = std::function<void(std::string_view)>;
ConfigLogSink setConfigLogSink(ConfigLogSink sink);
