// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

// The Windows layer against the real registry, file system and process start.

#include "platform_win.h"
#include "sandbox.h"

#include <gtest/gtest.h>

using namespace zevodave;
using namespace std::string_literals;

namespace {

constexpr const char* kValueName = "Stored";
// The longest value the layer reads, its terminating zero included.
constexpr std::size_t kLongest = 1024;

// A string value stored (terminating zero included), whether the key then
// denies writing, the key read, and whether the value is found.
TEST(ReadValueTest, ReadsOnlyWithReadRightsAndOnlyWhatTheBufferHolds) {
    const std::string tool = "C:\\tool.exe\0"s;
    const char* key = test::Sandbox::kKey;
    const std::tuple<std::string, bool, const char*, bool> rows[] = {
        {std::string(kLongest - 1, 'x') + '\0', false, key, true}, // 1024 bytes read whole
        {std::string(kLongest, 'x') + '\0', false, key, false},    // 1025 are absent
        {tool, true, key, true}, // a key that denies writing still reads
        {tool, false, "SOFTWARE\\ZevodaveTest\\No", false}};
    for (const auto& [stored, denyWriting, read, found] : rows) {
        const test::Sandbox sandbox;
        sandbox.SetValue(kValueName, REG_SZ, stored, denyWriting);
        const auto value = MakeRegistry()->ReadValue(kHKeyLocalMachine, read, kValueName);
        EXPECT_EQ(value ? std::optional(std::pair(value->type, value->bytes)) : std::nullopt,
                  found ? std::optional(std::pair(kRegSz, stored)) : std::nullopt)
            << read << ' ' << stored.size();
    }
}

TEST(NormalFileExistsTest, FindsOnlyNormalFilesNamedExactly) {
    const char* file = "Tool\\tool.exe";
    const std::tuple<DWORD, const char*, bool> rows[] = {
        {FILE_ATTRIBUTE_NORMAL, file, true},
        {FILE_ATTRIBUTE_HIDDEN, file, false},
        {FILE_ATTRIBUTE_SYSTEM, file, false},
        {FILE_ATTRIBUTE_NORMAL, "Tool", false},
        {FILE_ATTRIBUTE_NORMAL, "Tool\\*.exe", false}};
    for (const auto& [attributes, asked, exists] : rows) {
        const test::Sandbox sandbox;
        sandbox.Add(file, attributes);
        EXPECT_EQ(MakeRegistry()->NormalFileExists(sandbox.Path(asked)), exists)
            << asked << ' ' << attributes;
    }
}

TEST(StartProgramTest,
     StartsTheNamedProgramNotADecoyInANormalWindowWithoutWaitingAndFailsForAMissingOne) {
    const test::Sandbox sandbox;
    // What an unquoted command line would run instead.
    const std::string decoy = sandbox.Add("Program.exe");
    const std::string tool =
        sandbox.Add("Program Files\\Tool\\tool.exe", FILE_ATTRIBUTE_NORMAL, true);
    // Like the program with its windows: a start that waits until the tool
    // is ready for input waits only where the window library is loaded.
    ASSERT_NE(LoadLibraryA("user32.dll"), nullptr);

    ASSERT_TRUE(MakePlatform()->StartProgram(tool));
    EXPECT_FALSE(std::filesystem::exists(tool + test::kFinished)) << "the start waited";
    std::ofstream(tool + test::kRelease);

    EXPECT_TRUE(test::WaitForFile(tool + test::kFinished)) << "the tool did not run";
    EXPECT_FALSE(std::filesystem::exists(decoy + test::kStarted)) << "ran the decoy " << decoy;
    int shown = -1;
    std::ifstream(tool + test::kStarted) >> shown;
    EXPECT_EQ(shown, SW_SHOWNORMAL);
    EXPECT_FALSE(MakePlatform()->StartProgram(sandbox.Path("missing.exe")));
}

} // namespace
