// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace mz58::test {

// The contents of `name` under the test data folder (empty when it is missing).
inline std::string testData(const std::string& name) {
    std::ifstream in(std::filesystem::path(MZ58_TEST_DATA_DIR) / name, std::ios::binary);
    std::ostringstream contents;
    contents << in.rdbuf();
    return contents.str();
}

// Compares `actual` with the golden file `name` under the test data folder. Run the test with
// MZ58_UPDATE_GOLDEN=1 in the environment to write the files from the current output instead;
// read every changed file (git diff) before committing it.
inline void expectGolden(const std::string& name, const std::string& actual) {
    const std::filesystem::path path = std::filesystem::path(MZ58_TEST_DATA_DIR) / name;
    if (const char* update = std::getenv("MZ58_UPDATE_GOLDEN"); update && *update == '1') {
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << actual;
        return;
    }
    ASSERT_TRUE(std::filesystem::exists(path))
        << path << " is missing (MZ58_UPDATE_GOLDEN=1 writes it)";
    EXPECT_EQ(actual, testData(name)) << "differs from " << path;
}

} // namespace mz58::test
