// Decoding the lines into the settings record and encoding them back.
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>

namespace {

using namespace testing_support;

std::unique_ptr<tagConfigLine> makeLine(int32_t kind, const char* text) {
    auto line = std::make_unique<tagConfigLine>();
    line->kind = kind;
    std::strncpy(line->text, text, sizeof line->text - 1);
    return line;
}

tagSetting exampleSetting() {
    tagSetting s{};
    s.photoResolution = 2;
    s.photoMode = 1;
    s.timeLapseValue = 1;
    s.FHDResolution = 1;
    s.HDResolution = 1;
    s.tvType = 2;
    s.autoOffTime = 2;
    s.dateStamp = 1;
    s.tvFre = 1;
    s.year = 2013;
    s.month = 1;
    s.date = 1;
    s.autoRot = 2;
    std::memcpy(s.version, "FW001", 6);
    return s;
}

TEST(Encoding, EveryKindIsWrittenInItsCanonicalLayout) {
    ConfigLineArray lines;
    lines[0] = makeLine(kPhotoLine, "old");
    lines[1] = makeLine(kVideoLine, "old");
    lines[2] = makeLine(kGeneralLine, "old");
    lines[3] = makeLine(kFirmwareLine, "old");
    int32_t count = 4;
    const tagSetting s = exampleSetting();
    for (int32_t kind : {kPhotoLine, kVideoLine, kGeneralLine, kFirmwareLine}) {
        setConfigLine(lines, count, s, kind);
    }
    EXPECT_STREQ(lines[0]->text, "[1,1,2,1,1,0,0,0,0,0,0,0,0]");
    EXPECT_STREQ(lines[1]->text, "[1,2,1,1,0,0,0,0,0,0,0,0,0,]");
    EXPECT_STREQ(lines[2]->text, "[1,3,2,2,1,1,1,1,43,0,0,0,2,]");
    EXPECT_STREQ(lines[3]->text, "[2,FW001,ActionCamera.bin,0,0,0,0,0,0,0,0,0,0,]");
    EXPECT_EQ(count, 4);
}

TEST(Encoding, OnlyTheFirstLineOfAKindChangesAndMissingLinesAreNotCreated) {
    ConfigLineArray lines;
    lines[0] = makeLine(kPhotoLine, "[1,1,1,1,1,0,0,0,0,0,0,0,0]");
    lines[1] = makeLine(kOtherLine, "# note");
    lines[2] = makeLine(kPhotoLine, "[1,1,1,1,1,0,0,0,0,0,0,0,0]");
    int32_t count = 3;
    tagSetting s = exampleSetting();
    s.photoResolution = 4;
    setConfigLine(lines, count, s, kPhotoLine);
    setConfigLine(lines, count, s, kVideoLine);
    setConfigLine(lines, count, s, kGeneralLine);
    EXPECT_STREQ(lines[0]->text, "[1,1,4,1,1,0,0,0,0,0,0,0,0]");
    EXPECT_STREQ(lines[1]->text, "# note");
    EXPECT_STREQ(lines[2]->text, "[1,1,1,1,1,0,0,0,0,0,0,0,0]");
    EXPECT_EQ(count, 3);
    EXPECT_EQ(lines[3], nullptr);
}

TEST(Encoding, FormatRequestIsAppendedOnceAndAnExistingOneIsNeverTouched) {
    ConfigLineArray lines;
    lines[0] = makeLine(kPhotoLine, "[1,1,1,1,1,0,0,0,0,0,0,0,0]");
    int32_t count = 1;
    const tagSetting s = exampleSetting();
    setConfigLine(lines, count, s, kFormatLine);
    setConfigLine(lines, count, s, kFormatLine);
    ASSERT_EQ(count, 2);
    EXPECT_EQ(lines[1]->kind, kFormatLine);
    EXPECT_STREQ(lines[1]->text, "[1,4,0,0,0,0,0,0,0,0,0,0,0,]");
    EXPECT_EQ(lines[2], nullptr);

    ConfigLineArray loaded;
    loaded[0] = makeLine(kFormatLine, "[1,4,7]\r\n");
    int32_t loadedCount = 1;
    setConfigLine(loaded, loadedCount, s, kFormatLine);
    EXPECT_EQ(loadedCount, 1);
    EXPECT_STREQ(loaded[0]->text, "[1,4,7]\r\n");
}

TEST(Encoding, FormatRequestNeedsAFreeSlot) {
    ConfigLineArray lines;
    for (auto& line : lines) {
        line = makeLine(kOtherLine, "x");
    }
    int32_t count = kConfigLineSlots;
    setConfigLine(lines, count, exampleSetting(), kFormatLine);
    EXPECT_EQ(count, kConfigLineSlots);
}

TEST(Encoding, ALineThatWouldNotFitKeepsItsOldTextAndIsLogged) {
    ConfigLineArray lines;
    lines[0] = makeLine(kGeneralLine, "[1,3,2,2,1,1,1,1,43,0,0,0,2,]");
    int32_t count = 1;
    tagSetting s = exampleSetting();
    for (int32_t* field : {&s.tvType, &s.autoOffTime, &s.dateStamp, &s.tvFre, &s.date, &s.month,
                           &s.hour, &s.minute, &s.second, &s.autoRot}) {
        *field = std::numeric_limits<int32_t>::min();
    }
    s.year = std::numeric_limits<int32_t>::min();
    const LogCapture log;
    setConfigLine(lines, count, s, kGeneralLine);
    EXPECT_STREQ(lines[0]->text, "[1,3,2,2,1,1,1,1,43,0,0,0,2,]");
    EXPECT_TRUE(log.contains("Line too long"));
}

TEST(Encoding, TheYearOffsetNeverOverflows) {
    ConfigLineArray lines;
    lines[0] = makeLine(kGeneralLine, "");
    int32_t count = 1;
    tagSetting s = exampleSetting();
    s.year = std::numeric_limits<int32_t>::min();
    setConfigLine(lines, count, s, kGeneralLine);
    EXPECT_STREQ(lines[0]->text, "[1,3,2,2,1,1,1,1,-2147485618,0,0,0,2,]");
}

TEST(Encoding, AVersionWithoutTerminatorUsesFiveCharacters) {
    ConfigLineArray lines;
    lines[0] = makeLine(kFirmwareLine, "");
    int32_t count = 1;
    tagSetting s = exampleSetting();
    std::memcpy(s.version, "ABCDEF", 6);
    setConfigLine(lines, count, s, kFirmwareLine);
    EXPECT_STREQ(lines[0]->text, "[2,ABCDE,ActionCamera.bin,0,0,0,0,0,0,0,0,0,0,]");
}

TEST(Encoding, BadArgumentsChangeNothing) {
    ConfigLineArray lines;
    lines[0] = makeLine(kPhotoLine, "[1,1,1,1,1,0,0,0,0,0,0,0,0]");
    int32_t count = 1;
    const tagSetting s = exampleSetting();
    for (int32_t kind : {-1, 0, 6, 1000}) {
        setConfigLine(lines, count, s, kind);
    }
    int32_t negative = -5;
    setConfigLine(lines, negative, s, kPhotoLine);
    EXPECT_STREQ(lines[0]->text, "[1,1,1,1,1,0,0,0,0,0,0,0,0]");
    EXPECT_EQ(count, 1);
}

TEST(Decoding, FieldsComeFromTheirPositions) {
    ConfigLineArray lines;
    lines[0] = makeLine(kGeneralLine, "[1,3,1,3,0,2,25,12,43,18,30,5,2,]");
    lines[1] = makeLine(kPhotoLine, "[1,1,3,3,4,0,0,0,0,0,0,0,0]");
    lines[2] = makeLine(kVideoLine, "[1,2,2,1,0,0,0,0,0,0,0,0,0,]");
    lines[3] = makeLine(kFirmwareLine, "[2,V1.2]");
    tagSetting s{};
    s.isInit = 1;
    getConfig(lines, 4, s);
    EXPECT_EQ(s.tvType, 1);
    EXPECT_EQ(s.autoOffTime, 3);
    EXPECT_EQ(s.dateStamp, 0);
    EXPECT_EQ(s.tvFre, 2);
    EXPECT_EQ(s.date, 25);
    EXPECT_EQ(s.month, 12);
    EXPECT_EQ(s.year, 2013);
    EXPECT_EQ(s.hour, 18);
    EXPECT_EQ(s.minute, 30);
    EXPECT_EQ(s.second, 5);
    EXPECT_EQ(s.autoRot, 2);
    EXPECT_EQ(s.photoResolution, 3);
    EXPECT_EQ(s.photoMode, 3);
    EXPECT_EQ(s.timeLapseValue, 4);
    EXPECT_EQ(s.FHDResolution, 2);
    EXPECT_EQ(s.HDResolution, 1);
    EXPECT_STREQ(s.version, "V1.2");
    EXPECT_EQ(s.isInit, 0);
}

TEST(Decoding, MissingLinesLeaveTheirFieldsAtZeroWithoutCorrections) {
    ConfigLineArray lines;
    lines[0] = makeLine(kVideoLine, "[1,2,1,2,0,0,0,0,0,0,0,0,0,]");
    tagSetting s{};
    s.year = 2020;
    std::memcpy(s.version, "OLD", 4);
    getConfig(lines, 1, s);
    EXPECT_EQ(s.timeLapseValue, 0);
    EXPECT_EQ(s.year, 0);
    EXPECT_EQ(s.autoRot, 0);
    EXPECT_STREQ(s.version, "");
    EXPECT_EQ(s.HDResolution, 2);
}

TEST(Decoding, EmptySlotsAndOutOfRangeCountsAreSafe) {
    ConfigLineArray lines;
    lines[1] = makeLine(kPhotoLine, "[1,1,4,1,1]");
    tagSetting s{};
    getConfig(lines, 500, s);
    EXPECT_EQ(s.photoResolution, 4);
    getConfig(lines, -3, s);
    EXPECT_EQ(s.photoResolution, 0);
}

} // namespace
