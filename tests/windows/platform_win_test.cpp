// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

// The Windows layer against the real registry, file system and process
// start, and the version record as Windows reads it from this test program,
// which carries the zevodave executable's resource. Each test works in a
// folder of its own below the temporary folder (tests run side by side) and
// in one key below HKEY_LOCAL_MACHINE: Wine's, a machine of the build's own.

#include "appinfo.h"
#include "helperprogram.h"
#include "platform_win.h"

#include <sddl.h>

#include <gtest/gtest.h>

#include <fstream>

using namespace zevodave;
using namespace std::string_literals;

namespace {

constexpr const char* kKey = "SOFTWARE\\ZevodaveTest";
constexpr const char* kValueName = "Stored";
// The longest value the layer reads, its terminating zero included.
constexpr std::size_t kLongest = 1024;

// The test's folder, emptied, its path ending in a separator; the key gone.
std::string Sandbox() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    auto folder = std::filesystem::temp_directory_path() / "zevodave-tests" /
                  (std::string(test->test_suite_name()) + "." + test->name()) / "";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, kKey);
    return folder.make_preferred().string();
}

// A copy of the helper program at `path`, with these attributes.
std::string AddHelper(const std::string& path, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::filesystem::copy_file(
        std::filesystem::path(test::OwnPath()).replace_filename("helperprogram.exe"), path);
    EXPECT_TRUE(SetFileAttributesA(path.c_str(), attributes)) << path;
    return path;
}

// Stores exactly `bytes` as a string value of kKey: the registry adds a zero
// to a string when the byte after the data happens to be zero, so a non-zero
// byte goes there. `denyWriting` then lets everyone read the key but nobody,
// administrators included, set values in it or create keys below it (denying
// all of KEY_WRITE would deny READ_CONTROL, which every read open needs).
void Store(std::string bytes, bool denyWriting) {
    bytes.push_back('#');
    ASSERT_EQ(RegSetKeyValueA(HKEY_LOCAL_MACHINE, kKey, kValueName, REG_SZ, bytes.data(),
                              static_cast<DWORD>(bytes.size() - 1)),
              ERROR_SUCCESS);
    if (!denyWriting)
        return;
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, WRITE_DAC, &key), ERROR_SUCCESS);
    PSECURITY_DESCRIPTOR deny = nullptr;
    ConvertStringSecurityDescriptorToSecurityDescriptorA("D:(D;;0x6;;;WD)(A;;KA;;;WD)",
                                                         SDDL_REVISION_1, &deny, nullptr);
    EXPECT_EQ(RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, deny), ERROR_SUCCESS);
    LocalFree(deny);
    RegCloseKey(key);
    // A read proves the read-only open only where a write open fails.
    EXPECT_NE(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, KEY_SET_VALUE, &key), ERROR_SUCCESS);
}

// A string value stored (terminating zero included), whether the key then
// denies writing, the key read, and whether the value is found.
TEST(ReadValueTest, ReadsOnlyWithReadRightsAndOnlyWhatTheBufferHolds) {
    const std::string tool = "C:\\tool.exe\0"s;
    const std::tuple<std::string, bool, const char*, bool> rows[] = {
        {std::string(kLongest - 1, 'x') + '\0', false, kKey, true}, // 1024 bytes read whole
        {std::string(kLongest, 'x') + '\0', false, kKey, false},    // 1025 are absent
        {tool, true, kKey, true}, // a key that denies writing still reads
        {tool, false, "SOFTWARE\\ZevodaveTest\\No", false}};
    for (const auto& [stored, denyWriting, read, found] : rows) {
        Sandbox();
        Store(stored, denyWriting);
        const auto value = MakeRegistry()->ReadValue(kHKeyLocalMachine, read, kValueName);
        EXPECT_EQ(value ? std::optional(std::pair(value->type, value->bytes)) : std::nullopt,
                  found ? std::optional(std::pair(kRegSz, stored)) : std::nullopt)
            << read << ' ' << stored.size();
    }
}

TEST(NormalFileExistsTest, FindsOnlyNormalFilesNamedExactly) {
    const char* file = "Tool\\tool.exe";
    // clang-format off
    const std::tuple<DWORD, const char*, bool> rows[] = {
        {FILE_ATTRIBUTE_NORMAL, file, true}, {FILE_ATTRIBUTE_HIDDEN, file, false},
        {FILE_ATTRIBUTE_SYSTEM, file, false}, {FILE_ATTRIBUTE_NORMAL, "Tool", false},
        {FILE_ATTRIBUTE_NORMAL, "Tool\\*.exe", false}};
    // clang-format on
    for (const auto& [attributes, asked, exists] : rows) {
        const std::string folder = Sandbox();
        AddHelper(folder + file, attributes);
        EXPECT_EQ(MakeRegistry()->NormalFileExists(folder + asked), exists)
            << asked << ' ' << attributes;
    }
}

TEST(StartProgramTest,
     StartsTheNamedProgramNotADecoyInANormalWindowWithoutWaitingAndFailsForAMissingOne) {
    // The decoy is what an unquoted command line would run instead.
    const std::string folder = Sandbox(), decoy = AddHelper(folder + "Program.exe"),
                      tool = AddHelper(folder + "Program Files\\Tool\\tool.exe");
    // Like the program with its windows: a start that waits until the tool
    // is ready for input waits only where the window library is loaded.
    ASSERT_NE(LoadLibraryA("user32.dll"), nullptr);

    ASSERT_TRUE(MakePlatform()->StartProgram(tool));
    EXPECT_FALSE(std::filesystem::exists(tool + test::kFinished)) << "the start waited";
    std::ofstream(tool + test::kRelease);
    EXPECT_TRUE(test::WaitForFile(tool + test::kFinished)) << "the tool did not run";
    EXPECT_FALSE(std::filesystem::exists(decoy + test::kStarted)) << "ran the decoy";
    int shown = -1;
    std::ifstream(tool + test::kStarted) >> shown;
    EXPECT_EQ(shown, SW_SHOWNORMAL);
    EXPECT_FALSE(MakePlatform()->StartProgram(folder + "missing.exe"));
}

// clang-format off
constexpr std::pair<const char*, const char*> kVersionTexts[] = {
    {"FileVersion", "2.00.0002"}, {"ProductVersion", "2.00.0002"},
    {"ProductName", kAppTitle.data()}, {"FileDescription", "A resistor color calculator"},
    {"Comments", "To aid electronics students learn resistor color codes"}};
// clang-format on

TEST(VersionRecordTest, HoldsTheProgramsTextsAndVersion) {
    const std::string self = test::OwnPath();
    std::vector<BYTE> record(GetFileVersionInfoSizeA(self.c_str(), nullptr));
    ASSERT_TRUE(GetFileVersionInfoA(self.c_str(), 0, record.size(), record.data())) << "no record";
    void* data = nullptr;
    UINT length = 0;
    for (const auto& [name, text] : kVersionTexts) {
        // U.S. English, Unicode: the one translation the record holds.
        const std::string path = "\\StringFileInfo\\040904B0\\" + std::string(name);
        ASSERT_TRUE(VerQueryValueA(record.data(), path.c_str(), &data, &length)) << name;
        EXPECT_STREQ(static_cast<const char*>(data), text) << name;
    }
    ASSERT_TRUE(VerQueryValueA(record.data(), "\\", &data, &length));
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(data);
    const DWORD high = MAKELONG(kVersionMinor, kVersionMajor), low = kVersionRevision;
    EXPECT_EQ((std::array{fixed->dwFileVersionMS, fixed->dwFileVersionLS, fixed->dwProductVersionMS,
                          fixed->dwProductVersionLS}),
              (std::array{high, low, high, low}));
}

} // namespace
