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

[[noreturn]] void saveForever(const std::string& path) {
    LoadedConfig first = loadAndDecode(path);
    tagSetting other = first.setting;
    other.photoResolution = 4;
    other.photoMode = 3;
    other.timeLapseValue = 2;
    other.tvType = 1;
    other.autoOffTime = 3;
    other.tvFre = 3;
    other.date = 31;
    other.month = 12;
    other.year = 2037;
    other.hour = 23;
    other.minute = 59;
    other.second = 59;
    other.autoRot = 1;
    for (bool flip = true;; flip = !flip) {
        const tagSetting& s = flip ? other : first.setting;
        setConfigLine(first.lines, first.count, s, kPhotoLine);
        setConfigLine(first.lines, first.count, s, kGeneralLine);
        saveConfigLine(first.lines, first.count, path);
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

} // namespace
