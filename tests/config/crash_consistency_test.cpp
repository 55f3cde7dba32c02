// A process killed at any moment while it saves leaves ActionConfig either as it was before the
// save or as the save meant it to be, never partial or empty.
#include "test_support.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using namespace testing_support;

const char* kFirst = "[1,1,1,1,1,0,0,0,0,0,0,0,0]\n[1,3,2,2,1,1,1,1,43,0,0,0,2,]\n";
const char* kSecond = "[1,1,4,3,2,0,0,0,0,0,0,0,0]\n[1,3,1,3,1,3,31,12,67,23,59,59,1,]\n";

// The settings of kFirst changed into those of kSecond.
tagSetting secondOf(tagSetting s) {
    s.photoResolution = 4;
    s.photoMode = 3;
    s.timeLapseValue = 2;
    s.tvType = 1;
    s.autoOffTime = 3;
    s.tvFre = 3;
    s.date = 31;
    s.month = 12;
    s.year = 2037;
    s.hour = 23;
    s.minute = 59;
    s.second = 59;
    s.autoRot = 1;
    return s;
}

void encode(LoadedConfig& config, const tagSetting& s) {
    setConfigLine(config.lines, config.count, s, kPhotoLine);
    setConfigLine(config.lines, config.count, s, kGeneralLine);
}

[[noreturn]] void saveForever(const std::string& path) {
    LoadedConfig config = loadAndDecode(path);
    const tagSetting first = config.setting;
    const tagSetting second = secondOf(first);
    for (bool flip = true;; flip = !flip) {
        encode(config, flip ? second : first);
        saveConfigLine(config.lines, config.count, path);
    }
}

TEST(CrashConsistency, KilledMidSaveLeavesTheOldOrTheNewFile) {
    const ScratchFolder folder;
    const std::string path = folder.file("ActionConfig");
    std::mt19937 random(20261206);
    std::uniform_int_distribution<int> delay(0, 12000);
    constexpr int kKills = 300;
    int seenFirst = 0;
    int seenSecond = 0;
    for (int i = 0; i < kKills; ++i) {
        // Each child starts from the first content, so a kill can land on either side.
        writeBytes(path, kFirst);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            setConfigLogSink([](std::string_view) {});
            saveForever(path);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        const std::string now = readBytes(path);
        ASSERT_TRUE(now == kFirst || now == kSecond) << "after kill " << i << ": [" << now << "]";
        (now == kFirst ? seenFirst : seenSecond)++;
    }
    std::printf("kills survived: %d (old file %d times, new file %d times)\n", kKills, seenFirst,
                seenSecond);
    EXPECT_GT(seenFirst, 0);
    EXPECT_GT(seenSecond, 0);
}

// Two programs (two windows, a script) saving the same file at the same moment: a reader sees
// one whole version at every moment, and the file ends as one of the two.
TEST(CrashConsistency, TwoProgramsSavingAtOnceLeaveOneWholeVersion) {
    const ScratchFolder folder;
    const std::string path = folder.file("ActionConfig");
    writeBytes(path, kFirst);
    LoadedConfig versions[2] = {loadAndDecode(path), loadAndDecode(path)};
    encode(versions[1], secondOf(versions[1].setting));
    constexpr int kSaves = 1000;
    pid_t savers[2] = {-1, -1};
    for (int i = 0; i < 2; ++i) {
        savers[i] = ::fork();
        ASSERT_GE(savers[i], 0);
        if (savers[i] == 0) {
            setConfigLogSink([](std::string_view) {});
            int failed = 0;
            for (int n = 0; n < kSaves; ++n) {
                failed += saveConfigLine(versions[i].lines, versions[i].count, path) != 0 ? 1 : 0;
            }
            ::_exit(failed == 0 ? 0 : 1);
        }
    }
    int reads = 0;
    int torn = 0;
    int running = 2;
    int failedSavers = 0;
    while (running > 0) {
        const std::string now = readBytes(path);
        ++reads;
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
    std::printf("saves at once: 2 programs x %d saves, %d reads, %d empty or mixed\n", kSaves,
                reads, torn);
    EXPECT_EQ(torn, 0);
    EXPECT_EQ(failedSavers, 0);
    EXPECT_TRUE(last == kFirst || last == kSecond) << last;
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"ActionConfig"});
}

} // namespace
