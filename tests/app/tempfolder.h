// A folder of the running test's own, below GoogleTest's temporary folder:
// empty when the test starts, gone when it ends.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

class TempFolder {
public:
    // Named by the prefix and the test, so that tests running at once do not meet.
    explicit TempFolder(const std::string& prefix) {
        std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::replace(test.begin(), test.end(), '/', '_');  // a parameterised test's
        m_path = std::filesystem::path(::testing::TempDir()) / (prefix + test);
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::filesystem::path operator/(const char* name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};
