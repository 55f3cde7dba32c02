// A save interrupted at any step by the errors a camera card gives leaves the old file intact
// and no temporary file behind.
#include "config_io.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

namespace {

using namespace testing_support;

enum class Step { None, Create, FirstWrite, SecondWrite, Sync, Close, Rename };

struct Fault {
    Step step;
    int error;
};

// The one fault the fake calls below inject, and how many writes they have seen.
Fault activeFault{Step::None, 0};
int writesSeen = 0;

int failWith(int error) {
    errno = error;
    return -1;
}

const config_io::Ops& faultyOps() {
    static const config_io::Ops ops = [] {
        config_io::Ops o = config_io::systemOps();
        o.createExclusive = [](const char* path, unsigned mode) {
            return activeFault.step == Step::Create
                       ? failWith(activeFault.error)
                       : config_io::systemOps().createExclusive(path, mode);
        };
        // Writes go one byte at a time so that a failing second write leaves a partial file.
        o.write = [](int fd, const void* buffer, std::size_t) -> std::ptrdiff_t {
            ++writesSeen;
            if ((activeFault.step == Step::FirstWrite && writesSeen == 1) ||
                (activeFault.step == Step::SecondWrite && writesSeen == 2)) {
                return failWith(activeFault.error);
            }
            return config_io::systemOps().write(fd, buffer, 1);
        };
        o.sync = [](int fd) {
            return activeFault.step == Step::Sync ? failWith(activeFault.error)
                                                  : config_io::systemOps().sync(fd);
        };
        o.close = [](int fd) {
            const int result = config_io::systemOps().close(fd);
            return activeFault.step == Step::Close ? failWith(activeFault.error) : result;
        };
        o.rename = [](const char* from, const char* to) {
            return activeFault.step == Step::Rename ? failWith(activeFault.error)
                                                    : config_io::systemOps().rename(from, to);
        };
        return o;
    }();
    return ops;
}

const char* kOld = "[1,1,1,1,1,0,0,0,0,0,0,0,0]\n[1,3,2,2,1,1,1,1,43,0,0,0,2,]\n";

TEST(SaveFaults, EveryFailingStepKeepsTheOldFileAndLeavesNoTemporaryFile) {
    int faultsInjected = 0;
    for (const Step step : {Step::Create, Step::FirstWrite, Step::SecondWrite, Step::Sync,
                            Step::Close, Step::Rename}) {
        // EEXIST at the creation is a name taken at every try: the save gives up, never loops.
        for (const int error : {ENOSPC, EROFS, EIO, ENOENT, EEXIST}) {
            const ScratchFolder folder;
            const std::string path = folder.file("ActionConfig");
            writeBytes(path, kOld);
            LoadedConfig config = loadAndDecode(path);
            config.setting.photoResolution = 4;
            setConfigLine(config.lines, config.count, config.setting, kPhotoLine);

            activeFault = {step, error};
            writesSeen = 0;
            const LogCapture log;
            int32_t result = 0;
            int cause = 0;
            {
                const config_io::ScopedOps faults(faultyOps());
                result = saveConfigLine(config.lines, config.count, path);
                cause = errno; // the window names the cause from it
            }
            ++faultsInjected;
            SCOPED_TRACE(::testing::Message()
                         << "step " << static_cast<int>(step) << ", " << std::strerror(error));
            EXPECT_EQ(result, -1);
            EXPECT_EQ(cause, error);
            EXPECT_EQ(readBytes(path), kOld);
            EXPECT_EQ(folder.entries(), std::vector<std::string>{"ActionConfig"});
            EXPECT_TRUE(log.contains(std::strerror(error)));

            // The change is still in the lines, so the next good save writes it.
            ASSERT_EQ(saveConfigLine(config.lines, config.count, path), 0);
            EXPECT_EQ(readBytes(path),
                      "[1,1,4,1,1,0,0,0,0,0,0,0,0]\n[1,3,2,2,1,1,1,1,43,0,0,0,2,]\n");
        }
    }
    std::printf("save faults injected: %d, old file intact after each\n", faultsInjected);
}

TEST(SaveFaults, ShortWritesAreContinued) {
    const ScratchFolder folder;
    const std::string path = folder.file("ActionConfig");
    writeBytes(path, kOld);
    LoadedConfig config = loadAndDecode(path);
    activeFault = {Step::None, 0};
    writesSeen = 0;
    {
        const config_io::ScopedOps faults(faultyOps());
        ASSERT_EQ(saveConfigLine(config.lines, config.count, path), 0);
    }
    EXPECT_EQ(readBytes(path), kOld);
    EXPECT_EQ(writesSeen, static_cast<int>(std::strlen(kOld)));
}

TEST(LoadFaults, AReadErrorPartWayLoadsNothing) {
    const ScratchFolder folder;
    const std::string path = folder.file("ActionConfig");
    writeBytes(path, kOld);
    config_io::Ops ops = config_io::systemOps();
    ops.read = [](int fd, void* buffer, std::size_t) -> std::ptrdiff_t {
        static int calls = 0;
        return ++calls % 2 == 1 ? config_io::systemOps().read(fd, buffer, 10) : failWith(EIO);
    };
    const config_io::ScopedOps faults(ops);
    ConfigLineArray lines;
    int32_t count = 7;
    const LogCapture log;
    EXPECT_EQ(readAllConfig(lines, count, path), -1);
    EXPECT_EQ(count, 7);
    EXPECT_EQ(lines[0], nullptr);
}

} // namespace
