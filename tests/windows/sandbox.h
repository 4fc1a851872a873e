// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#pragma once
// What one test sets up, gone when the test ends: a folder of its own below
// the temporary folder, with copies of the helper program in it, and a key
// below HKEY_LOCAL_MACHINE. Tests run side by side, so each test's folder is
// named after it.
//
// The helper program, started from PATH, writes PATH.started holding the show
// mode it was given, waits until PATH.release exists (at most kHoldLimit),
// then writes PATH.finished and ends.

#include <windows.h>

#include <sddl.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

namespace zevodave::test {

inline constexpr const char* kStarted = ".started";
inline constexpr const char* kRelease = ".release";
inline constexpr const char* kFinished = ".finished";
inline constexpr std::chrono::seconds kHoldLimit{10};
inline constexpr std::chrono::milliseconds kPollInterval{20};

inline std::string OwnPath() {
    std::string self(MAX_PATH, '\0');
    self.resize(GetModuleFileNameA(nullptr, self.data(), self.size()));
    return self;
}

// Waits until `path` exists, for as long as the helper program may take.
inline bool WaitForFile(const std::string& path) {
    for (auto polls = kHoldLimit / kPollInterval; polls-- > 0 && !std::filesystem::exists(path);)
        std::this_thread::sleep_for(kPollInterval);
    return std::filesystem::exists(path);
}

class Sandbox {
  public:
    Sandbox() {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        auto root = std::filesystem::temp_directory_path() / "zevodave-tests" /
                    (std::string(test->test_suite_name()) + "." + test->name());
        root_ = root.make_preferred().string();
        std::filesystem::remove_all(root_, error_);
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, kKey);
    }
    ~Sandbox() {
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, kKey);
        std::filesystem::remove_all(root_, error_);
    }

    std::string Path(const std::string& name) const { return root_ + "\\" + name; }

    // Puts a copy of the helper program at `name`, with these attributes. It
    // ends at once when started, unless `hold` keeps it until released.
    std::string Add(const std::string& name, DWORD attributes = FILE_ATTRIBUTE_NORMAL,
                    bool hold = false) const {
        const std::string path = Path(name);
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        std::filesystem::copy_file(
            std::filesystem::path(OwnPath()).replace_filename("helperprogram.exe"), path);
        if (!hold)
            std::ofstream(path + kRelease);
        EXPECT_TRUE(SetFileAttributesA(path.c_str(), attributes)) << path;
        return path;
    }

    // Stores exactly `bytes` in value `name` of kKey: the registry adds a
    // zero to a string when the byte after the data happens to be zero, so a
    // non-zero byte goes there. `denyWriting` then lets everyone read the key
    // but nobody, administrators included, set values in it or create keys
    // below it (denying all of KEY_WRITE would deny READ_CONTROL, which every
    // read open needs).
    void SetValue(const char* name, DWORD type, std::string bytes, bool denyWriting) const {
        bytes.push_back('#');
        const auto size = static_cast<DWORD>(bytes.size() - 1);
        ASSERT_EQ(RegSetKeyValueA(HKEY_LOCAL_MACHINE, kKey, name, type, bytes.data(), size),
                  ERROR_SUCCESS);
        if (!denyWriting)
            return;
        HKEY handle = nullptr;
        RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, WRITE_DAC, &handle);
        PSECURITY_DESCRIPTOR deny = nullptr;
        ConvertStringSecurityDescriptorToSecurityDescriptorA("D:(D;;0x6;;;WD)(A;;KA;;;WD)",
                                                             SDDL_REVISION_1, &deny, nullptr);
        EXPECT_EQ(RegSetKeySecurity(handle, DACL_SECURITY_INFORMATION, deny), ERROR_SUCCESS);
        LocalFree(deny);
        RegCloseKey(handle);
        // A read proves the read-only open only where a write open fails.
        EXPECT_NE(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, KEY_SET_VALUE, &handle),
                  ERROR_SUCCESS);
    }

    // The one key a test may write below HKEY_LOCAL_MACHINE (Wine's, a
    // machine of the build's own), gone when the test ends.
    static constexpr const char* kKey = "SOFTWARE\\ZevodaveTest";

  private:
    std::string root_;
    std::error_code error_;
};

} // namespace zevodave::test
