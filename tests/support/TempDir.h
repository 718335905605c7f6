// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

namespace mz58::test {

// A fixture giving each test a folder of its own, emptied before and removed after the test.
class TempDirTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string("mz58-") + info->test_suite_name() + "-" + info->name() +
                           "-" + std::to_string(::getpid());
        std::replace(name.begin(), name.end(), '/', '_');
        m_dir = std::filesystem::temp_directory_path() / name;
        std::filesystem::remove_all(m_dir);
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    std::filesystem::path file(const std::string& name) const { return m_dir / name; }

    // A file of `size` bytes of `fill` in the folder.
    std::filesystem::path writeBytes(const std::string& name, std::size_t size,
                                     std::uint8_t fill = 0x5A) const {
        std::ofstream(file(name), std::ios::binary) << std::string(size, static_cast<char>(fill));
        return file(name);
    }

    static std::string contents(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    std::filesystem::path m_dir;
};

} // namespace mz58::test
