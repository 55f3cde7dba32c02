// Fuzzes the whole life of ActionConfig: any bytes are loaded, decoded, every kind is encoded
// again (the format request included) and the result is saved. Nothing may crash or overrun,
// every record stays a terminated text of at most 99 characters, and saving reaches a fixed
// point: once a loaded format-request line has gained its line end (at most two saves), load,
// decode and save give back the same bytes.
#include "action_config.h"
#include "config_io.h"
#include "setting_choices.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

namespace {

const std::string& configPath() {
    static const std::string path = [] {
        // A memory-backed folder where there is one: the search runs many times faster.
        const std::filesystem::path base = std::filesystem::is_directory("/dev/shm")
                                               ? std::filesystem::path("/dev/shm")
                                               : std::filesystem::temp_directory_path();
        const auto folder = base / ("vantorelle-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
        static const std::filesystem::path cleanup = folder;
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(cleanup, ignored);
        });
        setConfigLogSink([](std::string_view) {});
        // Durability is tested elsewhere; flushing to the device would only slow the search.
        static config_io::Ops fast = config_io::systemOps();
        fast.sync = [](int) { return 0; };
        fast.syncFolder = [](const char*) {};
        static const config_io::ScopedOps useFast(fast);
        return (folder / "ActionConfig").string();
    }();
    return path;
}

void writeFile(const std::string& bytes) {
    std::ofstream out(configPath(), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string readFile() {
    std::ifstream in(configPath(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

void checkRecords(const ConfigLineArray& lines, int32_t count) {
    check(count >= 0 && count <= kConfigLineSlots, "count within the array");
    for (int32_t i = 0; i < count; ++i) {
        const tagConfigLine* line = lines[static_cast<std::size_t>(i)].get();
        check(line != nullptr, "every counted slot holds a record");
        check(std::memchr(line->text, '\0', sizeof line->text) != nullptr, "text terminated");
    }
}

// What "get" prints of any file: at most one line per key, each "key=value" with a known key,
// and nothing a terminal would act on.
void checkPrinted(const std::string& text) {
    std::size_t start = 0;
    std::size_t lines = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        check(end != std::string::npos, "every printed line ends");
        const std::string line = text.substr(start, end - start);
        const auto keys = settingKeys();
        check(std::any_of(keys.begin(), keys.end(),
                          [&](const SettingKeyInfo& key) {
                              return line.starts_with(std::string(key.name) + "=");
                          }),
              "a printed line starts with a key");
        check(std::none_of(line.begin(), line.end(),
                           [](char c) { return static_cast<unsigned char>(c) < 0x20; }),
              "no control characters printed");
        start = end + 1;
        ++lines;
    }
    check(lines <= settingKeys().size(), "one line per key at most");
}

// One start of the program followed by the user's changes; returns the saved bytes.
std::string loadChangeAndSave(const std::string& bytes, uint8_t changes) {
    writeFile(bytes);
    ConfigLineArray lines;
    int32_t count = 0;
    check(readAllConfig(lines, count, configPath()) == 0, "a regular file loads");
    checkRecords(lines, count);
    tagSetting setting{};
    getConfig(lines, count, setting);
    check(std::memchr(setting.version, '\0', sizeof setting.version) != nullptr,
          "version terminated");
    checkPrinted(settingsText(setting, lines, count));
    for (int32_t kind = kPhotoLine; kind <= kFirmwareLine; ++kind) {
        if ((changes >> kind) & 1U) {
            setConfigLine(lines, count, setting, kind);
        }
    }
    checkRecords(lines, count);
    check(saveConfigLine(lines, count, configPath()) == 0, "save succeeds");
    return readFile();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) {
        return 0;
    }
    const uint8_t changes = data[0];
    const std::string input(reinterpret_cast<const char*>(data + 1), size - 1);
    // The same bytes as a profile for "apply": read whole or refused, never more choices than
    // keys.
    const auto profile = readSettingProfile(input);
    if (const auto* choices = std::get_if<std::vector<SettingChoice>>(&profile)) {
        check(choices->size() <= settingKeys().size(), "each key once in a profile");
        tagSetting setting{};
        std::vector<int32_t> kinds;
        (void)makeChoices(setting, *choices, kinds);
    }
    const std::string first = loadChangeAndSave(input, changes);
    const std::string second = loadChangeAndSave(first, 0);
    const std::string third = loadChangeAndSave(second, 0);
    check(third == second, "saving reaches a fixed point");
    return 0;
}
