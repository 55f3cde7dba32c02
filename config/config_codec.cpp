// The settings record: translation between it and the line records of ActionConfig, and the
// rules of a choice the user makes in it, which the window and the command line share.
#include "action_config.h"
#include "config_log.h"
#include "line_scan.h"
#include "setting_choices.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <initializer_list>
#include <limits>
#include <string>
#include <tuple>

namespace {

constexpr int32_t kYearBase = 1970;
constexpr std::size_t kVersionLength = sizeof(tagSetting::version) - 1;

tagConfigLine* lineAt(ConfigLineArray& lines, int32_t index) {
    return lines[static_cast<std::size_t>(index)].get();
}

// "[a,b,c]" or, with a trailing comma, "[a,b,c,]": the two layouts the camera uses.
std::string bracketed(std::initializer_list<int64_t> numbers, bool commaBeforeClose) {
    std::string text = "[";
    bool first = true;
    for (const int64_t n : numbers) {
        if (!first) {
            text += ',';
        }
        text += std::to_string(n);
        first = false;
    }
    if (commaBeforeClose) {
        text += ',';
    }
    text += ']';
    return text;
}

std::string versionText(const tagSetting& s) {
    const char* end = static_cast<const char*>(std::memchr(s.version, '\0', kVersionLength));
    return {s.version, end == nullptr ? kVersionLength : static_cast<std::size_t>(end - s.version)};
}

std::string canonicalLine(int32_t kind, const tagSetting& s) {
    switch (kind) {
    case kPhotoLine:
        return bracketed(
            {1, 1, s.photoResolution, s.photoMode, s.timeLapseValue, 0, 0, 0, 0, 0, 0, 0, 0},
            false);
    case kVideoLine:
        return bracketed({1, 2, s.FHDResolution, s.HDResolution, 0, 0, 0, 0, 0, 0, 0, 0, 0}, true);
    case kGeneralLine:
        return bracketed({1, 3, s.tvType, s.autoOffTime, s.dateStamp, s.tvFre, s.date, s.month,
                          static_cast<int64_t>(s.year) - kYearBase, s.hour, s.minute, s.second,
                          s.autoRot},
                         true);
    case kFormatLine:
        return bracketed({1, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, true);
    case kFirmwareLine:
        return "[2," + versionText(s) + ",ActionCamera.bin,0,0,0,0,0,0,0,0,0,0,]";
    default:
        return {};
    }
}

// Replaces the record's text by the canonical line of its kind, unless that line would not fit.
void writeCanonical(tagConfigLine& line, const tagSetting& s) {
    const std::string text = canonicalLine(line.kind, s);
    if (text.size() >= sizeof line.text) {
        configLog("Line too long for its record, kept as it was: " + text);
        return;
    }
    std::memset(line.text, 0, sizeof line.text);
    std::memcpy(line.text, text.data(), text.size());
}

void decodePhoto(const char* text, tagSetting& s) {
    int32_t n[5] = {};
    scanBracketNumbers(text, n, 5);
    s.photoResolution = n[2];
    s.photoMode = n[3];
    s.timeLapseValue = n[4];
    if (s.timeLapseValue == 0 || s.timeLapseValue > 4) {
        s.timeLapseValue = 1;
    }
}

void decodeVideo(const char* text, tagSetting& s) {
    int32_t n[4] = {};
    scanBracketNumbers(text, n, 4);
    s.FHDResolution = n[2];
    s.HDResolution = n[3];
}

void decodeGeneral(const char* text, tagSetting& s) {
    int32_t n[13] = {};
    const int read = scanBracketNumbers(text, n, 13);
    // A stored year so large that adding the base would overflow reads as unreadable, and
    // reading stops there like at any other unreadable number.
    constexpr int yearIndex = 8;
    if (read > yearIndex && n[yearIndex] > std::numeric_limits<int32_t>::max() - kYearBase) {
        std::fill(n + yearIndex, n + 13, 0);
    }
    s.tvType = n[2];
    s.autoOffTime = n[3];
    s.dateStamp = n[4];
    s.tvFre = n[5];
    s.date = n[6];
    s.month = n[7];
    s.year = n[8] + kYearBase;
    s.hour = n[9];
    s.minute = n[10];
    s.second = n[11];
    s.autoRot = n[12] == 0 ? 1 : n[12];
}

// The version is the text after the first comma, at most five characters, and ends early at
// the next field or line end so that neither ever becomes part of it.
void decodeFirmware(const char* text, tagSetting& s) {
    std::memset(s.version, 0, sizeof s.version);
    const char* comma = std::strchr(text, ',');
    if (comma == nullptr) {
        return;
    }
    const char* from = comma + 1;
    const std::size_t length = std::min(std::strcspn(from, ",]\r\n"), kVersionLength);
    std::memcpy(s.version, from, length);
}

} // namespace

void getConfig(ConfigLineArray& lines, int32_t count, tagSetting& setting) {
    setting = tagSetting{};
    count = usedLineCount(count);
    bool decoded[kFirmwareLine + 1] = {};
    for (int32_t i = 0; i < count; ++i) {
        const tagConfigLine* line = lineAt(lines, i);
        if (line == nullptr || line->kind < kPhotoLine || line->kind > kFirmwareLine ||
            decoded[line->kind]) {
            continue;
        }
        decoded[line->kind] = true;
        switch (line->kind) {
        case kPhotoLine:
            decodePhoto(line->text, setting);
            break;
        case kVideoLine:
            decodeVideo(line->text, setting);
            break;
        case kGeneralLine:
            decodeGeneral(line->text, setting);
            break;
        case kFirmwareLine:
            decodeFirmware(line->text, setting);
            break;
        default: // a format request carries no settings
            break;
        }
    }
    for (int32_t i = 0; i < count; ++i) {
        tagConfigLine* line = lineAt(lines, i);
        if (line != nullptr && line->kind != kFormatLine && line->kind >= kPhotoLine &&
            line->kind <= kFirmwareLine) {
            writeCanonical(*line, setting);
        }
    }
}

void setConfigLine(ConfigLineArray& lines, int32_t& count, const tagSetting& setting,
                   int32_t kind) {
    if (kind < kPhotoLine || kind > kFirmwareLine) {
        return;
    }
    const int32_t used = usedLineCount(count);
    for (int32_t i = 0; i < used; ++i) {
        tagConfigLine* line = lineAt(lines, i);
        if (line != nullptr && line->kind == kind) {
            if (kind != kFormatLine) {
                writeCanonical(*line, setting);
            }
            return;
        }
    }
    if (kind != kFormatLine) {
        return;
    }
    if (used >= kConfigLineSlots) {
        configLog("No free line for the format request");
        return;
    }
    auto line = std::make_unique<tagConfigLine>();
    line->kind = kFormatLine;
    writeCanonical(*line, setting);
    lines[static_cast<std::size_t>(used)] = std::move(line);
    count = used + 1;
}

// Choices.

namespace {

constexpr int32_t kBurst = 2;
constexpr int32_t k5MP = 2;

constexpr SettingValueName kResolutions[] = {{"16MP", 1}, {"5MP", 2}, {"3MP", 3}, {"VGA", 4}};
constexpr SettingValueName kModes[] = {{"single", 1}, {"burst", 2}, {"time-lapse", 3}};
constexpr SettingValueName kIntervals[] = {{"5", 1}, {"10", 2}, {"30", 3}, {"60", 4}};
constexpr SettingValueName kFullHd[] = {{"1080P", 1}, {"960P", 2}};
constexpr SettingValueName kHd[] = {{"720P60", 1}, {"720P30", 2}};
constexpr SettingValueName kTvSystems[] = {{"PAL", 1}, {"NTSC", 2}};
constexpr SettingValueName kFrequencies[] = {{"50Hz", 1}, {"60Hz", 2}, {"auto", 3}};
// Codes 1 and 2 are the two delays, 3 is off.
constexpr SettingValueName kPowerOff[] = {{"off", 3}, {"1min", 1}, {"3min", 2}};
constexpr SettingValueName kRotation[] = {{"off", 1}, {"on", 2}};

const std::array<SettingKeyInfo, 11> kKeys = {{
    {SettingKey::PhotoResolution, "photo.resolution", kPhotoLine, &tagSetting::photoResolution,
     kResolutions},
    {SettingKey::PhotoMode, "photo.mode", kPhotoLine, &tagSetting::photoMode, kModes},
    {SettingKey::PhotoInterval, "photo.interval", kPhotoLine, &tagSetting::timeLapseValue,
     kIntervals},
    {SettingKey::FullHdVideo, "video.fhd", kVideoLine, &tagSetting::FHDResolution, kFullHd},
    {SettingKey::HdVideo, "video.hd", kVideoLine, &tagSetting::HDResolution, kHd},
    {SettingKey::TvSystem, "tv.system", kGeneralLine, &tagSetting::tvType, kTvSystems},
    {SettingKey::LightFrequency, "light.frequency", kGeneralLine, &tagSetting::tvFre, kFrequencies},
    {SettingKey::AutoPowerOff, "auto.power-off", kGeneralLine, &tagSetting::autoOffTime, kPowerOff},
    {SettingKey::AutoRotation, "auto.rotation", kGeneralLine, &tagSetting::autoRot, kRotation},
    {SettingKey::Clock, "camera.clock", kGeneralLine, nullptr, {}},
    {SettingKey::Firmware, "camera.firmware", kFirmwareLine, nullptr, {}},
}};

bool isValueOf(const SettingKeyInfo& info, int32_t code) {
    return std::any_of(info.values.begin(), info.values.end(),
                       [code](const SettingValueName& value) { return value.code == code; });
}

auto clockFigures(const CameraClock& c) {
    return std::tie(c.year, c.month, c.day, c.hour, c.minute, c.second);
}

int32_t daysInMonth(int32_t year, int32_t month) {
    constexpr int32_t kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

bool isRealDateAndTime(const CameraClock& c) {
    return c.month >= 1 && c.month <= 12 && c.day >= 1 && c.day <= daysInMonth(c.year, c.month) &&
           c.hour >= 0 && c.hour <= 23 && c.minute >= 0 && c.minute <= 59 && c.second >= 0 &&
           c.second <= 59;
}

} // namespace

std::span<const SettingKeyInfo> settingKeys() {
    return kKeys;
}

const SettingKeyInfo& settingKeyInfo(SettingKey key) {
    return kKeys[static_cast<std::size_t>(key)];
}

bool isCameraClock(const CameraClock& c) {
    return isRealDateAndTime(c) && clockFigures(c) >= clockFigures(kEarliestClock) &&
           clockFigures(c) <= clockFigures(kLatestClock);
}

ChoiceResult chooseSetting(tagSetting& setting, SettingKey key, int32_t code) {
    const SettingKeyInfo& info = settingKeyInfo(key);
    if (info.field == nullptr || !isValueOf(info, code)) {
        return ChoiceResult::Refused;
    }
    // Burst shoots at 5MP only.
    if (key == SettingKey::PhotoResolution && setting.photoMode == kBurst && code != k5MP) {
        return ChoiceResult::Refused;
    }
    if (setting.*info.field == code) {
        return ChoiceResult::Unchanged;
    }
    setting.*info.field = code;
    if (key == SettingKey::PhotoMode && code == kBurst) {
        setting.photoResolution = k5MP;
    }
    return ChoiceResult::Changed;
}

ChoiceResult chooseClock(tagSetting& setting, const CameraClock& clock) {
    if (!isCameraClock(clock)) {
        return ChoiceResult::Refused;
    }
    const CameraClock stored{setting.year, setting.month,  setting.date,
                             setting.hour, setting.minute, setting.second};
    if (clockFigures(stored) == clockFigures(clock)) {
        return ChoiceResult::Unchanged;
    }
    setting.year = clock.year;
    setting.month = clock.month;
    setting.date = clock.day;
    setting.hour = clock.hour;
    setting.minute = clock.minute;
    setting.second = clock.second;
    return ChoiceResult::Changed;
}

std::size_t makeChoices(tagSetting& setting, std::span<const SettingChoice> choices,
                        std::vector<int32_t>& changedKinds) {
    std::vector<std::size_t> order(choices.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i] = i;
    }
    std::stable_partition(order.begin(), order.end(),
                          [&](std::size_t i) { return choices[i].key == SettingKey::PhotoMode; });
    changedKinds.clear();
    for (const std::size_t i : order) {
        const SettingChoice& choice = choices[i];
        const ChoiceResult result = choice.key == SettingKey::Clock
                                        ? chooseClock(setting, choice.clock)
                                        : chooseSetting(setting, choice.key, choice.code);
        if (result == ChoiceResult::Refused) {
            return i;
        }
        const int32_t kind = settingKeyInfo(choice.key).lineKind;
        if (result == ChoiceResult::Changed &&
            std::find(changedKinds.begin(), changedKinds.end(), kind) == changedKinds.end()) {
            changedKinds.push_back(kind);
        }
    }
    std::sort(changedKinds.begin(), changedKinds.end());
    return choices.size();
}

std::string conflictAmong(std::span<const SettingChoice> choices) {
    // On a camera in single mode only the choices themselves can stand in each other's way.
    tagSetting probe{};
    probe.photoMode = 1;
    std::vector<int32_t> kinds;
    const std::size_t refused = makeChoices(probe, choices, kinds);
    return refused < choices.size() ? refusalReason(probe, choices[refused]) : std::string();
}

std::string refusalReason(const tagSetting& setting, const SettingChoice& choice) {
    if (choice.key == SettingKey::PhotoResolution && setting.photoMode == kBurst) {
        return choice.text + ": burst shoots at 5MP only (choose photo.mode=single or "
                             "time-lapse with it)";
    }
    if (choice.key == SettingKey::Clock && !isRealDateAndTime(choice.clock)) {
        return choice.text + ": no such date and time";
    }
    if (choice.key == SettingKey::Clock) {
        return choice.text + ": the camera's clock runs from 2013-01-01 00:00:00 to "
                             "2037-12-31 23:59:59";
    }
    return choice.text + ": not a value this setting can take";
}
