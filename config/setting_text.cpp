// The settings as "key=value" text: reading a command's or a profile's lines and printing a
// camera's settings.
#include "setting_choices.h"

#include "line_scan.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

// `count` decimal digits at `at` of `text`, or -1.
int32_t digitsAt(std::string_view text, std::size_t at, std::size_t count) {
    int32_t value = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (i >= text.size() || text[i] < '0' || text[i] > '9') {
            return -1;
        }
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

// "YYYY-MM-DD HH:MM:SS", exactly.
bool readClock(std::string_view text, CameraClock& clock) {
    constexpr std::string_view kShape = "0000-00-00 00:00:00";
    if (text.size() != kShape.size()) {
        return false;
    }
    for (std::size_t i = 0; i < kShape.size(); ++i) {
        if (kShape[i] != '0' && text[i] != kShape[i]) {
            return false;
        }
    }
    clock = {digitsAt(text, 0, 4),  digitsAt(text, 5, 2),  digitsAt(text, 8, 2),
             digitsAt(text, 11, 2), digitsAt(text, 14, 2), digitsAt(text, 17, 2)};
    return clock.year >= 0 && clock.month >= 0 && clock.day >= 0 && clock.hour >= 0 &&
           clock.minute >= 0 && clock.second >= 0;
}

std::string valueNames(const SettingKeyInfo& info) {
    std::string names;
    for (const SettingValueName& value : info.values) {
        names += names.empty() ? "" : ", ";
        names += value.name;
    }
    return names;
}

std::string versionText(const tagSetting& setting) {
    std::string text(setting.version, strnlen(setting.version, sizeof setting.version));
    for (char& c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
            c = '?';
        }
    }
    return text;
}

} // namespace

std::variant<SettingChoice, std::string> readSettingChoice(std::string_view line) {
    const std::string_view given = trimmed(line);
    const std::size_t equals = given.find('=');
    if (equals == std::string_view::npos) {
        return std::string(given) + ": not of the form key=value";
    }
    const std::string_view name = trimmed(given.substr(0, equals));
    const std::string_view value = trimmed(given.substr(equals + 1));
    const auto keys = settingKeys();
    const auto info = std::find_if(keys.begin(), keys.end(),
                                   [&](const SettingKeyInfo& k) { return k.name == name; });
    if (info == keys.end()) {
        return std::string(name) + ": no such setting";
    }
    SettingChoice choice;
    choice.key = info->key;
    choice.text = std::string(name) + "=" + std::string(value);
    if (info->key == SettingKey::Firmware) {
        return choice.text + ": the firmware version can only be read";
    }
    if (info->key == SettingKey::Clock) {
        if (!readClock(value, choice.clock)) {
            return choice.text + ": the clock is written YYYY-MM-DD HH:MM:SS";
        }
        if (!isCameraClock(choice.clock)) {
            return refusalReason(tagSetting{}, choice);
        }
        return choice;
    }
    for (const SettingValueName& known : info->values) {
        if (sameIgnoringCase(known.name, value)) {
            choice.code = known.code;
            return choice;
        }
    }
    return choice.text + ": the value is one of " + valueNames(*info);
}

std::variant<std::vector<SettingChoice>, std::string> readSettingProfile(std::string_view text) {
    std::vector<SettingChoice> choices;
    std::size_t number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++number;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        line = trimmed(line);
        if (line.empty() || line.front() == '#') {
            continue;
        }
        const std::string where = "line " + std::to_string(number) + ": ";
        if (line.find('\0') != std::string_view::npos) {
            return where + "not text";
        }
        const std::string_view name = trimmed(line.substr(0, line.find('=')));
        if (name == settingKeyInfo(SettingKey::Clock).name ||
            name == settingKeyInfo(SettingKey::Firmware).name) {
            continue;
        }
        auto read = readSettingChoice(line);
        if (const auto* reason = std::get_if<std::string>(&read)) {
            return where + *reason;
        }
        auto& choice = std::get<SettingChoice>(read);
        if (std::any_of(choices.begin(), choices.end(),
                        [&](const SettingChoice& c) { return c.key == choice.key; })) {
            return where + std::string(settingKeyInfo(choice.key).name) + " is given twice";
        }
        choices.push_back(std::move(choice));
    }
    return choices;
}

std::string settingValueText(const tagSetting& setting, SettingKey key) {
    const SettingKeyInfo& info = settingKeyInfo(key);
    if (key == SettingKey::Firmware) {
        return versionText(setting);
    }
    if (key == SettingKey::Clock) {
        char text[96];
        (void)std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", setting.year,
                            setting.month, setting.date, setting.hour, setting.minute,
                            setting.second);
        return text;
    }
    const int32_t code = setting.*info.field;
    for (const SettingValueName& value : info.values) {
        if (value.code == code) {
            return std::string(value.name);
        }
    }
    return std::to_string(code);
}

bool hasConfigLine(const ConfigLineArray& lines, int32_t count, int32_t kind) {
    for (int32_t i = 0; i < usedLineCount(count); ++i) {
        const tagConfigLine* line = lines[static_cast<std::size_t>(i)].get();
        if (line != nullptr && line->kind == kind) {
            return true;
        }
    }
    return false;
}

std::string settingsText(const tagSetting& setting, const ConfigLineArray& lines, int32_t count) {
    std::string text;
    for (const SettingKeyInfo& info : settingKeys()) {
        if (hasConfigLine(lines, count, info.lineKind)) {
            text += std::string(info.name) + "=" + settingValueText(setting, info.key) + "\n";
        }
    }
    return text;
}
