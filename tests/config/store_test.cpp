// Loading and saving against real files.
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sys/stat.h>

namespace {

using namespace testing_support;

TEST(Loading, AFileThatCannotBeOpenedLeavesEverythingAsItWas) {
    const ScratchFolder folder;
    std::filesystem::create_directory(folder.path() / "ActionConfig");
    ConfigLineArray lines;
    lines[0] = std::make_unique<tagConfigLine>();
    int32_t count = 1;
    const LogCapture log;
    for (const std::string& path : {folder.file("missing"), folder.file("ActionConfig")}) {
        EXPECT_EQ(readAllConfig(lines, count, path), -1) << path;
        EXPECT_FALSE(canOpenConfig(path)) << path;
    }
    EXPECT_EQ(count, 1);
    EXPECT_NE(lines[0], nullptr);
    EXPECT_TRUE(log.contains("File is not exist"));
}

TEST(Loading, BracketedPartsAreLoggedAndRecordsAreClassified) {
    const ScratchFolder folder;
    const std::string path = folder.file("ActionConfig");
    writeBytes(path, "no brackets\nxx[1,1,2\n  [1,2,1,1]\n[2,A]\n[1,4]\n[1,3,1]\n");
    ASSERT_TRUE(canOpenConfig(path));
    const LogCapture log;
    ConfigLineArray lines;
    int32_t count = 0;
    ASSERT_EQ(readAllConfig(lines, count, path), 0);
    ASSERT_EQ(count, 6);
    const int32_t expectedKinds[] = {kOtherLine,    kOtherLine,  kVideoLine,
                                     kFirmwareLine, kFormatLine, kGeneralLine};
    for (int32_t i = 0; i < count; ++i) {
        EXPECT_EQ(lines[static_cast<std::size_t>(i)]->kind, expectedKinds[i]) << i;
    }
    EXPECT_STREQ(lines[1]->text, "xx[1,1,2\n");
    EXPECT_STREQ(lines[2]->text, "[1,2,1,1]\n");
    EXPECT_TRUE(log.contains("[1,1,2\n"));
    EXPECT_TRUE(log.contains("[1,2,1,1]\n"));
    EXPECT_FALSE(log.contains("no brackets"));
}

TEST(Loading, ALaterLoadReplacesEveryEarlierRecord) {
    const ScratchFolder folder;
    const std::string path = folder.file("ActionConfig");
    writeBytes(path, "a\nb\nc\n");
    ConfigLineArray lines;
    int32_t count = 0;
    ASSERT_EQ(readAllConfig(lines, count, path), 0);
    writeBytes(path, "[1,4]\n");
    ASSERT_EQ(readAllConfig(lines, count, path), 0);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(lines[1], nullptr);
    EXPECT_EQ(lines[2], nullptr);
}

TEST(Loading, AHugeFileLoadsOnlyWhatFits) {
    const ScratchFolder folder;
    const std::string path = folder.file("ActionConfig");
    writeBytes(path, "[1,1,3,1,1]\n" + std::string(10 * 1024 * 1024, 'x'));
    const LoadedConfig config = loadAndDecode(path);
    EXPECT_EQ(config.count, kMaxLoadedLines);
    EXPECT_EQ(config.setting.photoResolution, 3);
}

TEST(Saving, WritesOnlyRecognisedLinesAndReplacesTheFileWhole) {
    const ScratchFolder folder;
    const std::string path = folder.file("ActionConfig");
    writeBytes(path, "# a long comment that is longer than what follows\n[1,1,2,1,1]\n");
    ::chmod(path.c_str(), 0640);
    LoadedConfig config = loadAndDecode(path);
    ASSERT_EQ(saveConfigLine(config.lines, config.count, path), 0);
    EXPECT_EQ(readBytes(path), "[1,1,2,1,1,0,0,0,0,0,0,0,0]\n");
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"ActionConfig"});
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640U);
}

TEST(Saving, IntoAMissingFolderOrOverAFolderFailsWithoutTrace) {
    const ScratchFolder folder;
    std::filesystem::create_directory(folder.path() / "ActionConfig");
    ConfigLineArray lines;
    lines[0] = std::make_unique<tagConfigLine>();
    lines[0]->kind = kFormatLine;
    const LogCapture log;
    EXPECT_EQ(saveConfigLine(lines, 1, folder.file("gone/ActionConfig")), -1);
    EXPECT_EQ(saveConfigLine(lines, 1, folder.file("ActionConfig")), -1);
    EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "ActionConfig"));
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"ActionConfig"});
    EXPECT_TRUE(log.contains("Could not save"));
}

TEST(Saving, CountsOutsideTheArrayAreClamped) {
    const ScratchFolder folder;
    const std::string path = folder.file("ActionConfig");
    ConfigLineArray lines;
    lines[99] = std::make_unique<tagConfigLine>();
    lines[99]->kind = kFormatLine;
    std::strcpy(lines[99]->text, "[1,4]");
    ASSERT_EQ(saveConfigLine(lines, 1000, path), 0);
    EXPECT_EQ(readBytes(path), "[1,4]\n");
    ASSERT_EQ(saveConfigLine(lines, -1, path), 0);
    EXPECT_EQ(readBytes(path), "");
}

} // namespace
