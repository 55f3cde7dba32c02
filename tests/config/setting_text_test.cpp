// The settings as key=value text, both ways, and the rules every choice follows.
#include "setting_choices.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

// Every value of every key in the order of its codes, written out here rather than taken from
// the program's table.
const struct {
    const char* key;
    int32_t tagSetting::*field;
    std::vector<const char*> values;
} kKnownValues[] = {
    {"photo.resolution", &tagSetting::photoResolution, {"16MP", "5MP", "3MP", "VGA"}},
    {"photo.mode", &tagSetting::photoMode, {"single", "burst", "time-lapse"}},
    {"photo.interval", &tagSetting::timeLapseValue, {"5", "10", "30", "60"}},
    {"video.fhd", &tagSetting::FHDResolution, {"1080P", "960P"}},
    {"video.hd", &tagSetting::HDResolution, {"720P60", "720P30"}},
    {"tv.system", &tagSetting::tvType, {"PAL", "NTSC"}},
    {"light.frequency", &tagSetting::tvFre, {"50Hz", "60Hz", "auto"}},
    {"auto.power-off", &tagSetting::autoOffTime, {"1min", "3min", "off"}},
    {"auto.rotation", &tagSetting::autoRot, {"off", "on"}},
};

SettingChoice choiceOf(const std::string& line) {
    auto read = readSettingChoice(line);
    EXPECT_TRUE(std::holds_alternative<SettingChoice>(read)) << line;
    return std::holds_alternative<SettingChoice>(read) ? std::get<SettingChoice>(read)
                                                       : SettingChoice{};
}

std::string errorOf(std::string_view line) {
    auto read = readSettingChoice(line);
    return std::holds_alternative<std::string>(read) ? std::get<std::string>(read) : "accepted";
}

TEST(SettingText, EveryValueReadsAsItsCodeAndPrintsAsItsName) {
    for (const auto& known : kKnownValues) {
        for (int32_t code = 1; code <= int32_t(known.values.size()); ++code) {
            const std::string value = known.values[std::size_t(code - 1)];
            const SettingChoice choice = choiceOf(std::string(known.key) + "=" + value);
            tagSetting setting{};
            ASSERT_EQ(chooseSetting(setting, choice.key, choice.code), ChoiceResult::Changed)
                << known.key << "=" << value;
            EXPECT_EQ(setting.*known.field, code) << known.key << "=" << value;
            EXPECT_EQ(settingValueText(setting, choice.key), value);
        }
    }
    // Value names in any case, blanks around key and value.
    EXPECT_EQ(choiceOf(" tv.system = pal ").code, 1);
    EXPECT_EQ(choiceOf("light.frequency=60HZ").code, 2);
    EXPECT_EQ(choiceOf("video.fhd=960p").text, "video.fhd=960p");
}

TEST(SettingText, UnknownKeysAndValuesAreRefusedWithTheReason) {
    const struct {
        const char* line;
        const char* reason;
    } cases[] = {
        {"tv.system", "not of the form key=value"},
        {"tv.sistem=PAL", "no such setting"},
        {"TV.SYSTEM=PAL", "no such setting"},
        {"tv.system=SECAM", "one of PAL, NTSC"},
        {"tv.system=1", "one of PAL, NTSC"},
        {"photo.interval=15", "one of 5, 10, 30, 60"},
        {"photo.resolution=", "one of 16MP, 5MP, 3MP, VGA"},
        {"camera.firmware=FW002", "can only be read"},
        {"camera.clock=2024-3-9 14:05:30", "YYYY-MM-DD HH:MM:SS"},
        {"camera.clock=2024-03-09T14:05:30", "YYYY-MM-DD HH:MM:SS"},
        {"camera.clock=2023-02-29 10:00:00", "no such date and time"},
        {"camera.clock=2024-02-30 10:00:00", "no such date and time"},
        {"camera.clock=2024-01-32 10:00:00", "no such date and time"},
        {"camera.clock=2024-04-31 10:00:00", "no such date and time"},
        {"camera.clock=2024-12-32 10:00:00", "no such date and time"},
        {"camera.clock=2024-03-09 14:05:60", "no such date and time"},
        {"camera.clock=2024-03-09 24:00:00", "no such date and time"},
        {"camera.clock=2012-12-31 23:59:59", "runs from 2013-01-01 00:00:00"},
        {"camera.clock=2038-01-01 00:00:00", "to 2037-12-31 23:59:59"},
    };
    for (const auto& c : cases) {
        EXPECT_NE(errorOf(c.line).find(c.reason), std::string::npos)
            << c.line << " gave: " << errorOf(c.line);
    }
}

TEST(SettingText, TheClockReadsAndPrintsInOneFormAndKeepsItsLimits) {
    for (const char* line : {"camera.clock=2013-01-01 00:00:00", "camera.clock=2024-02-29 23:59:59",
                             "camera.clock=2037-12-31 23:59:59"}) {
        tagSetting setting{};
        ASSERT_EQ(chooseClock(setting, choiceOf(line).clock), ChoiceResult::Changed);
        EXPECT_EQ("camera.clock=" + settingValueText(setting, SettingKey::Clock), line);
        EXPECT_EQ(chooseClock(setting, choiceOf(line).clock), ChoiceResult::Unchanged);
    }
    tagSetting setting{};
    EXPECT_EQ(chooseClock(setting, {2038, 1, 1, 0, 0, 0}), ChoiceResult::Refused);
    EXPECT_EQ(setting.year, 0);
}

TEST(SettingText, StoredValuesOutsideTheTablePrintAsNumbersAndOnlyPresentLinesPrint) {
    tagSetting setting{};
    setting.photoResolution = 7;
    setting.photoMode = -1;
    setting.timeLapseValue = -2;
    setting.autoRot = 2;
    std::memcpy(setting.version, "F\x1b\t01", 6);
    EXPECT_EQ(settingValueText(setting, SettingKey::PhotoResolution), "7");
    EXPECT_EQ(settingValueText(setting, SettingKey::PhotoMode), "-1");
    EXPECT_EQ(settingValueText(setting, SettingKey::PhotoInterval), "-2");
    // A planted version cannot start a new line or steer the terminal.
    EXPECT_EQ(settingValueText(setting, SettingKey::Firmware), "F??01");

    ConfigLineArray lines;
    lines[0] = std::make_unique<tagConfigLine>(tagConfigLine{"[1,1,7,-1,-2]", kPhotoLine});
    lines[1] = std::make_unique<tagConfigLine>(tagConfigLine{"[2,F", kFirmwareLine});
    EXPECT_EQ(settingsText(setting, lines, 2), "photo.resolution=7\nphoto.mode=-1\n"
                                               "photo.interval=-2\ncamera.firmware=F??01\n");
    EXPECT_EQ(settingsText(setting, lines, 0), "");
}

TEST(SettingText, AProfileIsReadWholeOrNotAtAll) {
    const auto profile = readSettingProfile("# copied from camera A\r\n"
                                            "photo.resolution=16MP\r\n"
                                            "\n"
                                            "camera.clock=2099-99-99 99:99:99\n"
                                            "camera.firmware=anything\n"
                                            "  tv.system=PAL");
    ASSERT_TRUE(std::holds_alternative<std::vector<SettingChoice>>(profile));
    const auto& choices = std::get<std::vector<SettingChoice>>(profile);
    ASSERT_EQ(choices.size(), 2U);
    EXPECT_EQ(choices[0].key, SettingKey::PhotoResolution);
    EXPECT_EQ(choices[1].key, SettingKey::TvSystem);

    const struct {
        std::string text;
        const char* reason;
    } broken[] = {
        {"tv.system=PAL\ntv.system=NTSC\n", "line 2: tv.system is given twice"},
        {"tv.system=PAL\n\nbogus=1\n", "line 3: bogus: no such setting"},
        {std::string("tv.system=PAL\0x", 15), "line 1: not text"},
    };
    for (const auto& b : broken) {
        const auto read = readSettingProfile(b.text);
        ASSERT_TRUE(std::holds_alternative<std::string>(read)) << b.text;
        EXPECT_EQ(std::get<std::string>(read), b.reason);
    }
}

TEST(SettingRules, BurstShootsAt5MPAndTheIntervalOutlivesModeChanges) {
    tagSetting setting{};
    setting.photoResolution = 1;
    setting.photoMode = 3;
    setting.timeLapseValue = 4;
    EXPECT_EQ(chooseSetting(setting, SettingKey::PhotoMode, 2), ChoiceResult::Changed);
    EXPECT_EQ(setting.photoResolution, 2);
    EXPECT_EQ(chooseSetting(setting, SettingKey::PhotoResolution, 1), ChoiceResult::Refused);
    EXPECT_EQ(chooseSetting(setting, SettingKey::PhotoResolution, 2), ChoiceResult::Unchanged);
    EXPECT_EQ(chooseSetting(setting, SettingKey::PhotoMode, 1), ChoiceResult::Changed);
    EXPECT_EQ(setting.photoResolution, 2);
    EXPECT_EQ(setting.timeLapseValue, 4);
    EXPECT_EQ(chooseSetting(setting, SettingKey::PhotoResolution, 0), ChoiceResult::Refused);
    EXPECT_EQ(chooseSetting(setting, SettingKey::Firmware, 1), ChoiceResult::Refused);

    // The mode is chosen first, whatever the order given; the changed lines come back sorted.
    setting.photoMode = 2;
    const std::vector<SettingChoice> choices = {
        choiceOf("tv.system=PAL"), choiceOf("photo.resolution=VGA"), choiceOf("photo.mode=single")};
    std::vector<int32_t> kinds;
    EXPECT_EQ(makeChoices(setting, choices, kinds), choices.size());
    EXPECT_EQ(setting.photoResolution, 4);
    EXPECT_EQ(kinds, (std::vector<int32_t>{kPhotoLine, kGeneralLine}));
    EXPECT_EQ(conflictAmong(choices), "");
    // Without a mode, a resolution is a camera's question, not the command's.
    EXPECT_EQ(conflictAmong(std::vector{choices[1]}), "");

    const std::vector<SettingChoice> clash = {choiceOf("photo.resolution=VGA"),
                                              choiceOf("photo.mode=burst")};
    EXPECT_NE(conflictAmong(clash).find("photo.resolution=VGA: burst shoots at 5MP only"),
              std::string::npos);
    setting.photoMode = 2;
    EXPECT_EQ(makeChoices(setting, {&clash[0], 1}, kinds), 0U);
}

} // namespace
