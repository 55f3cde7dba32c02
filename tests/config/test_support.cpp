#include "test_support.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <fstream>
#include <iterator>
#include <sstream>
#include <unistd.h>
#include <utility>

namespace testing_support {

std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

ScratchFolder::ScratchFolder() {
    static std::atomic<int> serial{0};
    std::ostringstream name;
    name << "vantorelle-test-" << ::getpid() << '-' << serial++;
    path_ = std::filesystem::temp_directory_path() / name.str();
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::vector<std::string> ScratchFolder::entries() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
        names.push_back(entry.path().filename().string());
    }
    return names;
}

LoadedConfig loadAndDecode(const std::string& path) {
    LoadedConfig config;
    EXPECT_EQ(readAllConfig(config.lines, config.count, path), 0) << path;
    getConfig(config.lines, config.count, config.setting);
    return config;
}

std::string roundTrip(const std::string& bytes) {
    const ScratchFolder folder;
    const std::string path = folder.file("ActionConfig");
    writeBytes(path, bytes);
    LoadedConfig config = loadAndDecode(path);
    EXPECT_EQ(saveConfigLine(config.lines, config.count, path), 0);
    return readBytes(path);
}

namespace {

std::string logged;
const bool logRouted = [] {
    // Like a real sink, it may do I/O that changes errno.
    setConfigLogSink([](std::string_view line) {
        logged.append(line).append("\n");
        errno = EBADF;
    });
    return true;
}();

} // namespace

std::string takeLog() {
    return std::exchange(logged, {});
}

} // namespace testing_support
