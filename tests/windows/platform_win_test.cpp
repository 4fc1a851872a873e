// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

// The Windows layer against the real registry, file system and process start.

#include "platform_win.h"
#include "sandbox.h"

#include <gtest/gtest.h>

using namespace zevodave;
using namespace std::string_literals;

namespace {

constexpr const char* kTestKey = "SOFTWARE\\ZevodaveTest";
constexpr const char* kValueName = "Stored";
// The longest value the layer reads, its terminating zero included.
constexpr std::size_t kLongest = 1024;

// What the registry holds, and what the layer reads of it (nullopt: absent).
struct ReadRow {
    const char* name;
    std::string stored; // a string value, terminating zero included
    bool denyWriting;
    const char* readKey;
    bool found;
};

TEST(ReadValueTest, ReadsOnlyWithReadRightsAndOnlyWhatTheBufferHolds) {
    const ReadRow rows[] = {
        {"1024 bytes with the zero read whole", std::string(kLongest - 1, 'x') + '\0', false,
         kTestKey, true},
        {"1025 bytes are absent", std::string(kLongest, 'x') + '\0', false, kTestKey, false},
        {"a key that denies writing still reads", "C:\\tool.exe\0"s, true, kTestKey, true},
        {"a missing key is absent", "C:\\tool.exe\0"s, false, "SOFTWARE\\ZevodaveTest\\No", false},
    };
    for (const ReadRow& row : rows) {
        SCOPED_TRACE(row.name);
        const test::Sandbox sandbox;
        sandbox.SetValue(kTestKey, kValueName, REG_SZ, row.stored, row.denyWriting);
        const auto read = MakeRegistry()->ReadValue(kHKeyLocalMachine, row.readKey, kValueName);
        EXPECT_EQ(read ? std::optional(std::pair(read->type, read->bytes)) : std::nullopt,
                  row.found ? std::optional(std::pair(kRegSz, row.stored)) : std::nullopt);
    }
}

TEST(NormalFileExistsTest, FindsOnlyNormalFilesNamedExactly) {
    const std::tuple<DWORD, const char*, bool> rows[] = {
        {FILE_ATTRIBUTE_NORMAL, "Tool\\tool.exe", true},
        {FILE_ATTRIBUTE_HIDDEN, "Tool\\tool.exe", false},
        {FILE_ATTRIBUTE_SYSTEM, "Tool\\tool.exe", false},
        {FILE_ATTRIBUTE_NORMAL, "Tool", false},
        {FILE_ATTRIBUTE_NORMAL, "Tool\\*.exe", false},
    };
    for (const auto& [attributes, asked, exists] : rows) {
        const test::Sandbox sandbox;
        sandbox.Add("Tool\\tool.exe", attributes);
        EXPECT_EQ(MakeRegistry()->NormalFileExists(sandbox.Path(asked)), exists)
            << asked << ' ' << attributes;
    }
}

// The lookup itself is proved against a fake registry; here, that the real
// one reaches MSINFO32.EXE through a folder value in a key nobody may write.
TEST(FindToolTest, FindsMsinfo32InTheRegisteredFolder) {
    const test::Sandbox sandbox;
    const std::string tool = sandbox.Add("MSInfo\\MSINFO32.EXE");
    sandbox.SetValue("SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", REG_SZ,
                     sandbox.Path("MSInfo") + '\0', true);
    EXPECT_EQ(MakePlatform()->FindTool(), tool);
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
