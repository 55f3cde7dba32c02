// Translation between the line records of ActionConfig and the settings record.
#include "action_config.h"
#include "config_log.h"
#include "line_scan.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <limits>
#include <string>

namespace {

constexpr int32_t kYearBase = 1970;
constexpr std::size_t kVersionLength = sizeof(tagSetting::version) - 1;

int32_t clampCount(int32_t count) {
    return std::clamp(count, 0, kConfigLineSlots);
}

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
    count = clampCount(count);
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
    const int32_t used = clampCount(count);
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
