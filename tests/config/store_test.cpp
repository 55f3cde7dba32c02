// Loading and saving against real files.
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#ifndef _WIN32
#include <unistd.h>
#endif

namespace {

using namespace testing_support;

// FIFOs, terminals, links and the modes of files are POSIX's; Windows runs the rest.
#ifndef _WIN32
TEST(Loading, OnlyARegularFileCountsAndNothingWaits) {
    const ScratchFolder folder;
    const std::filesystem::path& root = folder.path();
    std::filesystem::create_directory(root / "folder");
    ASSERT_EQ(::mkfifo(folder.file("fifo").c_str(), 0644), 0);
    std::filesystem::create_symlink("fifo", root / "link to fifo");
    std::filesystem::create_symlink("/dev/null", root / "link to null");
    std::filesystem::create_symlink("/dev/tty", root / "link to tty");
    writeBytes(folder.file("file"), "[1,4]\n");
    std::filesystem::create_symlink("file", root / "link to file");
    ConfigLineArray lines;
    lines[0] = std::make_unique<tagConfigLine>();
    int32_t count = 1;
    takeLog();
    // Opening or reading a FIFO or a terminal can wait for ever: should that ever happen
    // again, the alarm ends the test instead of hanging it.
    ::alarm(10);
    for (const char* name :
         {"missing", "folder", "fifo", "link to fifo", "link to null", "link to tty"}) {
        EXPECT_EQ(readAllConfig(lines, count, folder.file(name)), -1) << name;
        EXPECT_FALSE(canOpenConfig(folder.file(name))) << name;
    }
    EXPECT_EQ(count, 1);
    EXPECT_NE(lines[0], nullptr);
    EXPECT_NE(takeLog().find("File is not exist"), std::string::npos);
    EXPECT_TRUE(canOpenConfig(folder.file("link to file")));
    ASSERT_EQ(readAllConfig(lines, count, folder.file("link to file")), 0);
    ::alarm(0);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(lines[0]->kind, kFormatLine);
}
#endif

TEST(Saving, WritesOnlyRecognisedLinesAndReplacesTheFileWhole) {
    const ScratchFolder folder;
    const std::string path = folder.file("ActionConfig");
    writeBytes(path, "# a long comment that is longer than what follows\n[1,1,2,1,1]\n");
#ifndef _WIN32
    // Setuid, setgid and sticky bits are not handed on to the new file.
    ::chmod(path.c_str(), 07640);
#endif
    LoadedConfig config = loadAndDecode(path);
    ASSERT_EQ(saveConfigLine(config.lines, config.count, path), 0);
    EXPECT_EQ(readBytes(path), "[1,1,2,1,1,0,0,0,0,0,0,0,0]\n");
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"ActionConfig"});
#ifndef _WIN32
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640U);
#endif
}

// Whoever had the card may have left anything under a temporary file's name. A save never
// writes through it and is never stopped by it; leftovers of a crash go (the name only), but
// a fresh file of the present naming may be another program's save under way and stays.
#ifndef _WIN32
TEST(Saving, NothingPlantedUnderATemporaryNameIsWrittenThroughOrStopsTheSave) {
    enum Plant { Link, DanglingLink, HardLink, Folder, ReadOnlyFile };
    struct Row {
        const char* name;
        Plant plant;
        bool dayOld;
        bool stays;
    };
    const char* fixed = ".ActionConfig.tmp"; // the name earlier versions used
    const char* own = ".ActionConfig.0123456789az.tmp";
    const Row rows[] = {
        {fixed, Link, false, false},         {fixed, DanglingLink, false, false},
        {fixed, HardLink, false, false},     {fixed, Folder, false, true},
        {fixed, ReadOnlyFile, false, false}, {own, Link, false, true},
        {own, ReadOnlyFile, false, true},    {own, Link, true, false},
        {own, HardLink, true, false},        {own, Folder, true, true},
    };
    const std::string photoBytes(200 * 1024, 'P');
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.name << " kind " << row.plant);
        const ScratchFolder card;
        const ScratchFolder elsewhere;
        const std::string path = card.file("ActionConfig");
        const std::string photo = card.file("DCIM/photo.jpg");
        const std::string outside = elsewhere.file("outside");
        const std::string planted = card.file(row.name);
        writeBytes(path, "[1,1,4,1,1]\n");
        std::filesystem::create_directory(card.path() / "DCIM");
        writeBytes(photo, photoBytes);
        writeBytes(outside, "precious\n");
        switch (row.plant) {
        case Link:
            std::filesystem::create_symlink(outside, planted);
            break;
        case DanglingLink:
            std::filesystem::create_symlink(elsewhere.file("new"), planted);
            break;
        case HardLink:
            std::filesystem::create_hard_link(photo, planted);
            break;
        case Folder:
            std::filesystem::create_directory(planted);
            break;
        case ReadOnlyFile:
            writeBytes(planted, "left over\n");
            ::chmod(planted.c_str(), 0444);
            break;
        }
        if (row.dayOld) {
            const struct timespec times[2] = {{::time(nullptr) - 25 * 3600, 0},
                                              {::time(nullptr) - 25 * 3600, 0}};
            ASSERT_EQ(::utimensat(AT_FDCWD, planted.c_str(), times, AT_SYMLINK_NOFOLLOW), 0);
        }
        LoadedConfig config = loadAndDecode(path);
        ASSERT_EQ(saveConfigLine(config.lines, config.count, path), 0);
        struct stat info {};
        ASSERT_EQ(::lstat(path.c_str(), &info), 0);
        EXPECT_TRUE(S_ISREG(info.st_mode));
        EXPECT_EQ(readBytes(path), "[1,1,4,1,1,0,0,0,0,0,0,0,0]\n");
        EXPECT_TRUE(readBytes(photo) == photoBytes) << "the photo changed";
        EXPECT_EQ(readBytes(outside), "precious\n");
        EXPECT_EQ(elsewhere.entries(), std::vector<std::string>{"outside"});
        std::vector<std::string> expected{"ActionConfig", "DCIM"};
        if (row.stays) {
            expected.emplace_back(row.name);
        }
        std::vector<std::string> entries = card.entries();
        std::sort(entries.begin(), entries.end());
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(entries, expected);
    }
}
#endif

TEST(Saving, IntoAMissingFolderOrOverAFolderFailsWithoutTrace) {
    const ScratchFolder folder;
    std::filesystem::create_directory(folder.path() / "ActionConfig");
    ConfigLineArray lines;
    lines[0] = std::make_unique<tagConfigLine>();
    lines[0]->kind = kFormatLine;
    takeLog();
    EXPECT_EQ(saveConfigLine(lines, 1, folder.file("gone/ActionConfig")), -1);
    EXPECT_EQ(saveConfigLine(lines, 1, folder.file("ActionConfig")), -1);
    EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "ActionConfig"));
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"ActionConfig"});
    EXPECT_NE(takeLog().find("Could not save"), std::string::npos);
}

} // namespace
