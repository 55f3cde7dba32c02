// Shared helpers of the settings-file tests: a scratch folder per test, whole-file reads and
// writes, and the load-decode-save round the program performs.
#pragma once

#include "action_config.h"

#include <filesystem>
#include <string>
#include <vector>

namespace testing_support {

std::string readBytes(const std::filesystem::path& path);
void writeBytes(const std::filesystem::path& path, const std::string& bytes);

// A fresh, empty folder under the system's temporary folder, removed again at the end.
class ScratchFolder {
  public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    std::vector<std::string> entries() const;

  private:
    std::filesystem::path path_;
};

// Loaded lines and the record decoded from them.
struct LoadedConfig {
    ConfigLineArray lines;
    int32_t count = 0;
    tagSetting setting{};
};

// readAllConfig then getConfig; fails the current test if the load fails.
LoadedConfig loadAndDecode(const std::string& path);

// What the program writes after loading `bytes`: load, decode, save, and the saved bytes.
std::string roundTrip(const std::string& bytes);

// What the library logged since the last call, one line each; the tests' own log keeps the
// library quiet.
std::string takeLog();

} // namespace testing_support
