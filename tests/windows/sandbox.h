#pragma once
// What one test sets up, gone when the test ends: a folder of its own below
// the temporary folder, with copies of the helper program in it, and registry
// values below an HKEY_LOCAL_MACHINE of its own.
//
// The helper program, started from PATH, writes PATH.started holding the show
// mode it was given (-1 for none), waits until PATH.release exists (at most
// kHoldLimit), then writes PATH.finished and ends.

#include <windows.h>

#include <sddl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
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

// Names each row's test after the row.
inline constexpr auto kRowName = [](const auto& info) { return std::string(info.param.name); };

inline std::string OwnPath() {
    std::array<char, MAX_PATH> self{};
    GetModuleFileNameA(nullptr, self.data(), self.size());
    return self.data();
}

// Waits until `path` exists, for as long as the helper program may take.
inline bool WaitForFile(const std::string& path) {
    const auto deadline = std::chrono::steady_clock::now() + kHoldLimit;
    while (!std::filesystem::exists(path) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(kPollInterval);
    return std::filesystem::exists(path);
}

class Sandbox {
  public:
    Sandbox() {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(test->test_suite_name()) + "." + test->name();
        std::ranges::replace(name, '/', '_'); // parameterised tests have one
        root_ = (std::filesystem::temp_directory_path() / "zevodave-tests" / name).string();
        std::filesystem::remove_all(root_, error_);
        std::filesystem::create_directories(root_);
        // HKEY_LOCAL_MACHINE becomes, for this process only, a key of the
        // test's own: it starts empty, and the machine's keys stay untouched.
        machine_ = "Software\\Zevodave-tests\\" + name;
        RegDeleteTreeA(HKEY_CURRENT_USER, machine_.c_str());
        HKEY machine = nullptr;
        RegCreateKeyExA(HKEY_CURRENT_USER, machine_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &machine, nullptr);
        EXPECT_EQ(RegOverridePredefKey(HKEY_LOCAL_MACHINE, machine), ERROR_SUCCESS);
        RegCloseKey(machine);
    }
    ~Sandbox() {
        RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
        RegDeleteTreeA(HKEY_CURRENT_USER, machine_.c_str());
        std::filesystem::remove_all(root_, error_);
    }
    Sandbox(const Sandbox&) = delete;
    Sandbox& operator=(const Sandbox&) = delete;

    std::string Path(const std::string& name) const { return root_ + "\\" + name; }

    // Puts a copy of the helper program at `name`, with these attributes. It
    // ends at once when started, unless `hold` keeps it until released.
    std::string Add(const std::string& name, DWORD attributes = FILE_ATTRIBUTE_NORMAL,
                    bool hold = false) {
        const std::filesystem::path path = Path(name);
        std::filesystem::create_directories(path.parent_path());
        std::filesystem::copy_file(
            std::filesystem::path(OwnPath()).replace_filename("helperprogram.exe"), path);
        if (!hold)
            std::ofstream(path.string() + kRelease);
        EXPECT_TRUE(SetFileAttributesA(path.string().c_str(), attributes)) << path;
        return path.string();
    }

    // Stores exactly `bytes` below HKEY_LOCAL_MACHINE: the registry adds a
    // zero to a string when the byte after the data happens to be zero, so a
    // non-zero byte goes there. `denyWriting` then lets everyone read the key
    // but nobody, administrators included, set values in it or create keys
    // below it (denying all of KEY_WRITE would deny READ_CONTROL, which every
    // read open needs).
    void SetValue(const std::string& key, const std::string& name, DWORD type, std::string bytes,
                  bool denyWriting = false) const {
        const auto length = static_cast<DWORD>(bytes.size());
        bytes.push_back('#');
        ASSERT_EQ(RegSetKeyValueA(HKEY_LOCAL_MACHINE, key.c_str(), name.c_str(), type, bytes.data(),
                                  length),
                  ERROR_SUCCESS);
        if (!denyWriting)
            return;
        HKEY handle = nullptr;
        RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, WRITE_DAC, &handle);
        PSECURITY_DESCRIPTOR deny = nullptr;
        ConvertStringSecurityDescriptorToSecurityDescriptorA("D:(D;;0x6;;;WD)(A;;KA;;;WD)",
                                                             SDDL_REVISION_1, &deny, nullptr);
        EXPECT_EQ(RegSetKeySecurity(handle, DACL_SECURITY_INFORMATION, deny), ERROR_SUCCESS);
        LocalFree(deny);
        RegCloseKey(handle);
        // A read proves the read-only open only where a write open fails.
        constexpr REGSAM kReadAndWrite = 0x2003F;
        EXPECT_NE(RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, kReadAndWrite, &handle),
                  ERROR_SUCCESS);
    }

  private:
    std::string root_;
    std::string machine_;
    std::error_code error_;
};

} // namespace zevodave::test
