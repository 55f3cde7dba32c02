// Encoding and decoding where no file can lead: values out of range, slots left empty, counts
// outside the array. What a file decodes to and is written back as is in the golden files.
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

// The general and firmware lines written from `s` over lines holding "old".
std::string encoded(const tagSetting& s, int32_t kind) {
    ConfigLineArray lines;
    lines[0] = makeLine(kind, "old");
    int32_t count = 1;
    setConfigLine(lines, count, s, kind);
    return lines[0]->text;
}

TEST(Encoding, ValuesNoFileHoldsAreWrittenSafely) {
    tagSetting s{};
    s.year = std::numeric_limits<int32_t>::min();
    EXPECT_EQ(encoded(s, kGeneralLine), "[1,3,0,0,0,0,0,0,-2147485618,0,0,0,0,]");
    std::memcpy(s.version, "ABCDEF", 6); // no terminator: five characters are used
    EXPECT_EQ(encoded(s, kFirmwareLine), "[2,ABCDE,ActionCamera.bin,0,0,0,0,0,0,0,0,0,0,]");
    // A line that would not fit keeps its old text and is logged.
    for (int32_t* field : {&s.tvType, &s.autoOffTime, &s.dateStamp, &s.tvFre, &s.date, &s.month,
                           &s.hour, &s.minute, &s.second, &s.autoRot}) {
        *field = std::numeric_limits<int32_t>::min();
    }
    takeLog();
    EXPECT_EQ(encoded(s, kGeneralLine), "old");
    EXPECT_NE(takeLog().find("Line too long"), std::string::npos);
}

TEST(Decoding, EmptySlotsAndOutOfRangeCountsAreSafe) {
    ConfigLineArray lines;
    lines[1] = makeLine(kPhotoLine, "[1,1,4,1,1]");
    tagSetting s{};
    s.isInit = 1;
    std::memcpy(s.version, "OLD", 4);
    getConfig(lines, 500, s);
    EXPECT_EQ(s.photoResolution, 4);
    EXPECT_EQ(s.isInit, 0);
    EXPECT_STREQ(s.version, "");
    getConfig(lines, -3, s);
    EXPECT_EQ(s.photoResolution, 0);
}

} // namespace
