// A save interrupted at any step by the errors a camera card gives, by a kill, or by another
// program saving at the same moment leaves ActionConfig either as it was before the save or as
// the save meant it to be, never partial or empty, and no temporary file behind.
#include "faulty_card.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <random>
#include <thread>
#include <utility>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

using namespace testing_support;

const char* kFirst = "[1,1,1,1,1,0,0,0,0,0,0,0,0]\n[1,3,2,2,1,1,1,1,43,0,0,0,2,]\n";
const char* kSecond = "[1,1,4,3,2,0,0,0,0,0,0,0,0]\n[1,3,1,3,1,3,31,12,67,23,59,59,1,]\n";

// The lines of kFirst and of kSecond, loaded as the program loads them.
struct Versions {
    Versions() {
        writeBytes(folder.file("a"), kFirst);
        writeBytes(folder.file("b"), kSecond);
        loaded[0] = loadAndDecode(folder.file("a"));
        loaded[1] = loadAndDecode(folder.file("b"));
    }
    ScratchFolder folder;
    LoadedConfig loaded[2];
};

TEST(SaveFaults, EveryFailingStepKeepsTheOldFileAndLeavesNoTemporaryFile) {
    Versions versions;
    LoadedConfig& second = versions.loaded[1];
    // Each step of a save: the creation, the first and the second write, the flush, the close
    // and the rename.
    const std::pair<Call, int> steps[] = {{Call::Create, 0}, {Call::Write, 1}, {Call::Write, 2},
                                          {Call::Sync, 0},   {Call::Close, 0}, {Call::Rename, 0}};
    for (const auto& [call, nth] : steps) {
        // EEXIST at the creation is a name taken at every try: the save gives up, never loops.
        for (const int error : {ENOSPC, EROFS, EIO, ENOENT, EEXIST}) {
            SCOPED_TRACE(::testing::Message() << "call " << static_cast<int>(call) << " use " << nth
                                              << ", " << std::strerror(error));
            const ScratchFolder folder;
            const std::string path = folder.file("ActionConfig");
            writeBytes(path, kFirst);
            takeLog();
            {
                const FaultyCard card({call, error, nth, {}, true});
                EXPECT_EQ(saveConfigLine(second.lines, second.count, path), -1);
                EXPECT_EQ(errno, error); // the window names the cause from it
            }
            EXPECT_EQ(readBytes(path), kFirst);
            EXPECT_EQ(folder.entries(), std::vector<std::string>{"ActionConfig"});
            EXPECT_NE(takeLog().find(std::strerror(error)), std::string::npos);

            const FaultyCard card({.byteWrites = true});
            ASSERT_EQ(saveConfigLine(second.lines, second.count, path), 0);
            EXPECT_EQ(readBytes(path), kSecond);
            EXPECT_EQ(FaultyCard::writes(), static_cast<int>(std::strlen(kSecond)));
        }
    }
}

TEST(LoadFaults, AReadErrorPartWayLoadsNothing) {
    const ScratchFolder folder;
    const std::string path = folder.file("ActionConfig");
    writeBytes(path, kFirst);
    const FaultyCard card({Call::Read, EIO, 2});
    ConfigLineArray lines;
    int32_t count = 7;
    EXPECT_EQ(readAllConfig(lines, count, path), -1);
    EXPECT_EQ(count, 7);
    EXPECT_EQ(lines[0], nullptr);
}

// A read under way, as the presence watch makes one on its own thread, never makes a save fail:
// the reader goes on with what it opened, and the card gets the new file.
TEST(SaveFaults, AReadUnderWayDoesNotStopASave) {
    Versions versions;
    const std::string path = versions.folder.file("ActionConfig");
    writeBytes(path, kFirst);
    const int reader = config_io::ops().openRead(path.c_str());
    ASSERT_GE(reader, 0);
    std::string seen(8, '\0');
    std::thread reading([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        EXPECT_EQ(config_io::ops().read(reader, seen.data(), seen.size()), 8);
        EXPECT_EQ(config_io::ops().close(reader), 0);
    });
    EXPECT_EQ(saveConfigLine(versions.loaded[1].lines, versions.loaded[1].count, path), 0);
    reading.join();
    EXPECT_EQ(seen, std::string(kFirst, 8));
    EXPECT_EQ(readBytes(path), kSecond);
}

#ifdef _WIN32
// Another program holding the file open without letting it be replaced, and a file marked
// read-only: the save is refused, and the file stays as it was with nothing beside it.
TEST(SaveFaults, AFileHeldOpenOrReadOnlyIsRefusedWhole) {
    Versions versions;
    const std::string path = versions.folder.file("ActionConfig");
    writeBytes(path, kFirst);
    const LoadedConfig& second = versions.loaded[1];
    const HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_NE(saveConfigLine(second.lines, second.count, path), 0);
    CloseHandle(held);
    EXPECT_EQ(readBytes(path), kFirst);
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_NE(saveConfigLine(second.lines, second.count, path), 0);
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL));
    EXPECT_EQ(readBytes(path), kFirst);
    std::vector<std::string> entries = versions.folder.entries();
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(entries, (std::vector<std::string>{"ActionConfig", "a", "b"}));
}
#else
// Processes killed and racing: POSIX's fork and kill.
TEST(CrashConsistency, KilledMidSaveLeavesTheOldOrTheNewFile) {
    Versions versions;
    const std::string path = versions.folder.file("ActionConfig");
    std::mt19937 random(20261206);
    std::uniform_int_distribution<int> delay(0, 12000);
    int seen[2] = {0, 0};
    for (int i = 0; i < 300; ++i) {
        // Each child starts from the first content, so a kill can land on either side.
        writeBytes(path, kFirst);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            setConfigLogSink([](std::string_view) {});
            for (int n = 1;; ++n) {
                saveConfigLine(versions.loaded[n % 2].lines, versions.loaded[n % 2].count, path);
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        const std::string now = readBytes(path);
        ASSERT_TRUE(now == kFirst || now == kSecond) << "after kill " << i << ": [" << now << "]";
        ++seen[now == kFirst ? 0 : 1];
    }
    EXPECT_GT(seen[0], 0);
    EXPECT_GT(seen[1], 0);
}

// Two programs (two windows, a script) saving the same file at the same moment: a reader sees
// one whole version at every moment, and the file ends as one of the two.
TEST(CrashConsistency, TwoProgramsSavingAtOnceLeaveOneWholeVersion) {
    Versions versions;
    const ScratchFolder folder;
    const std::string path = folder.file("ActionConfig");
    writeBytes(path, kFirst);
    pid_t savers[2] = {-1, -1};
    for (int i = 0; i < 2; ++i) {
        savers[i] = ::fork();
        ASSERT_GE(savers[i], 0);
        if (savers[i] == 0) {
            setConfigLogSink([](std::string_view) {});
            int failed = 0;
            for (int n = 0; n < 1000; ++n) {
                failed +=
                    saveConfigLine(versions.loaded[i].lines, versions.loaded[i].count, path) != 0;
            }
            ::_exit(failed == 0 ? 0 : 1);
        }
    }
    int torn = 0;
    int failedSavers = 0;
    for (int running = 2; running > 0;) {
        const std::string now = readBytes(path);
        torn += now == kFirst || now == kSecond ? 0 : 1;
        for (pid_t& saver : savers) {
            int status = 0;
            if (saver > 0 && ::waitpid(saver, &status, WNOHANG) == saver) {
                failedSavers += WIFEXITED(status) && WEXITSTATUS(status) == 0 ? 0 : 1;
                saver = -1;
                --running;
            }
        }
    }
    const std::string last = readBytes(path);
    EXPECT_EQ(torn, 0);
    EXPECT_EQ(failedSavers, 0);
    EXPECT_TRUE(last == kFirst || last == kSecond) << last;
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"ActionConfig"});
}
#endif

} // namespace
