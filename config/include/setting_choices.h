// The choices a user makes, in one place for the window and the command line: what a choice
// changes in the settings record (burst forces 5MP, and so on), and the settings as text, one
// "key=value" line each, with fixed keys and value names so that scripts and saved profiles
// keep working. The rules live beside the encoding of the lines they change (config_codec.cpp),
// the text form in setting_text.cpp.
#pragma once

#include "action_config.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

enum class SettingKey : int32_t {
    PhotoResolution,
    PhotoMode,
    PhotoInterval,
    FullHdVideo,
    HdVideo,
    TvSystem,
    LightFrequency,
    AutoPowerOff,
    AutoRotation,
    Clock,
    Firmware,
};

// One value of a key: its name and the code the settings record stores.
struct SettingValueName {
    std::string_view name;
    int32_t code;
};

// One key: its text, the line of ActionConfig that stores it, its field in the record (none for
// the clock and the firmware) and its values (none for the clock and the firmware).
struct SettingKeyInfo {
    SettingKey key;
    std::string_view name;
    int32_t lineKind;
    int32_t tagSetting::*field;
    std::span<const SettingValueName> values;
};

// Every key, in the order "get" lists them.
std::span<const SettingKeyInfo> settingKeys();
const SettingKeyInfo& settingKeyInfo(SettingKey key);

// The camera clock as its six figures.
struct CameraClock {
    int32_t year = 0;
    int32_t month = 0;
    int32_t day = 0;
    int32_t hour = 0;
    int32_t minute = 0;
    int32_t second = 0;
};

// The first and last moments the camera's clock can hold.
inline constexpr CameraClock kEarliestClock{2013, 1, 1, 0, 0, 0};
inline constexpr CameraClock kLatestClock{2037, 12, 31, 23, 59, 59};

// True when `clock` is a real date and time from kEarliestClock to kLatestClock.
bool isCameraClock(const CameraClock& clock);

// What a choice did to the record.
enum class ChoiceResult {
    Unchanged, // the record already held the value
    Changed,
    Refused, // the record's state does not allow it; the record is as it was
};

// One choice, as a click in the window makes it. The photo resolution can only be 5MP while
// the mode is burst, and choosing burst sets it to 5MP. The interval is kept whatever the
// mode, and the mode changes leave it alone: it belongs to time-lapse and is back when
// time-lapse is chosen again. A code that is no value of the key is refused; the clock and the
// firmware are not chosen this way.
ChoiceResult chooseSetting(tagSetting& setting, SettingKey key, int32_t code);

// Sets the camera clock; refused, with the record unchanged, when `clock` is not isCameraClock.
ChoiceResult chooseClock(tagSetting& setting, const CameraClock& clock);

// One line of a command or a profile, read: the key and its value.
struct SettingChoice {
    SettingKey key{};
    int32_t code = 0;    // the value's code; for the clock unused
    CameraClock clock{}; // the clock's value
    std::string text;    // the line as given, for messages
};

// Reads "key=value". Value names are matched without regard to ASCII case; the clock reads
// "YYYY-MM-DD HH:MM:SS". On failure, the reason, in one sentence.
std::variant<SettingChoice, std::string> readSettingChoice(std::string_view line);

// Reads a whole profile, as "get" prints it: one "key=value" per line; blank lines and lines
// starting with "#" are passed over, and a carriage return before the line feed is allowed.
// The camera's clock and firmware lines are read and left out, so a profile copied from one
// camera sets every other setting on another. A key given twice, or any line that cannot be
// read, fails the whole profile; the reason then names the line by its number.
std::variant<std::vector<SettingChoice>, std::string> readSettingProfile(std::string_view text);

// Makes every choice in `choices` on `setting`, the capture mode first, so that a mode and a
// resolution given together read the same in any order. Stops at the first refusal and
// returns its index; returns choices.size() when all were made. `changedKinds` gets the line
// kinds that changed, in the order photo, video, general.
std::size_t makeChoices(tagSetting& setting, std::span<const SettingChoice> choices,
                        std::vector<int32_t>& changedKinds);

// Why the choices cannot be made together on any camera (burst with a resolution other than
// 5MP); empty when they can.
std::string conflictAmong(std::span<const SettingChoice> choices);

// Why makeChoices refused `choice` on `setting` (as it stood when it was refused).
std::string refusalReason(const tagSetting& setting, const SettingChoice& choice);

// The value of `key` in `setting` as text: the value's name, or its number where the record
// holds a code that is no value of the key; the clock as "YYYY-MM-DD HH:MM:SS"; the firmware
// version with control characters shown as "?".
std::string settingValueText(const tagSetting& setting, SettingKey key);

// True when records 0 to count-1 hold a line of `kind`.
bool hasConfigLine(const ConfigLineArray& lines, int32_t count, int32_t kind);

// The settings as "get" prints them: "key=value" and a line feed for every key whose line
// the file has, in the order of settingKeys().
std::string settingsText(const tagSetting& setting, const ConfigLineArray& lines, int32_t count);
