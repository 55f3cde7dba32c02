// Each golden/NAME.in is an ActionConfig as a camera or a person may leave it; NAME.out holds
// the exact bytes the program writes at its first save after loading it.
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

using namespace testing_support;

std::vector<std::string> goldenCases() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(GOLDEN_DIR)) {
        if (entry.path().extension() == ".in") {
            names.push_back(entry.path().stem().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

class GoldenFile : public ::testing::TestWithParam<std::string> {};

TEST_P(GoldenFile, FirstSaveWritesExpectedBytes) {
    const std::filesystem::path base = std::filesystem::path(GOLDEN_DIR) / GetParam();
    const std::string input = readBytes(base.string() + ".in");
    const std::string expected = readBytes(base.string() + ".out");
    EXPECT_EQ(roundTrip(input), expected);
}

TEST_P(GoldenFile, SavedFileIsStableFromTheSecondSaveOn) {
    // An unterminated format-request line gains its line end at the first save; a line whose
    // kind only its first load could tell goes at the second. From then on a save changes
    // nothing: no empty lines pile up to push the last lines past what a load reads.
    const std::filesystem::path base = std::filesystem::path(GOLDEN_DIR) / GetParam();
    const std::string second = roundTrip(readBytes(base.string() + ".out"));
    EXPECT_EQ(roundTrip(second), second);
}

INSTANTIATE_TEST_SUITE_P(Files, GoldenFile, ::testing::ValuesIn(goldenCases()),
                         [](const ::testing::TestParamInfo<std::string>& row) {
                             return row.param;
                         });

} // namespace
