// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

// The Windows lookup of the system-information tool through a fake registry,
// and what the user gets from StartSysInfo.

#include "fakeplatform.h"
#include "sysinfo.h"

#include <gtest/gtest.h>

using namespace zevodave;

namespace {

// As the fake stores them: "key|value".
const std::string kPathValue = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO|PATH";
const std::string kFolderValue = "SOFTWARE\\Microsoft\\Shared Tools Location|MSINFO";
const std::string kTool = "C:\\Program Files\\Tools\\tool.exe"; // no normal file
const std::string kLong = "C:\\" + std::string(1020, 'x');      // 1024 bytes with its zero
const std::string kFolder = "C:\\MSInfo";
const std::string kFolderTool = kFolder + "\\MSINFO32.EXE";
const std::string kDoubledTool = kFolder + "\\\\MSINFO32.EXE";
const std::string kNone;
const std::string kThrows = "(throws)";

// Value types as the registry numbers them, not as the code under test does.
constexpr std::uint32_t kSz = 1, kExpandSz = 2, kDword = 4;

// A string value as the registry stores it, with its terminating zero.
RegistryValue Sz(const std::string& text) {
    return {kSz, text + '\0'};
}

struct Row {
    const char* name;
    std::optional<RegistryValue> path; // "PATH" under the MSINFO key
    std::optional<std::string> folder; // "MSINFO" under Shared Tools Location
    std::string tool;                  // what the lookup names, or kThrows
};

const Row kRows[] = {
    // clang-format off
    {"PathIsTakenAsItIsWithoutFileCheck", Sz(kTool), kFolder, kTool},
    {"PathStoredWithoutZeroIsReadWhole", RegistryValue{kSz, kTool}, {}, kTool},
    {"PathOf1024BytesIsReadWhole", Sz(kLong), kFolder, kLong},
    {"NumberPathReadsAsUnsigned", RegistryValue{kDword, {1, 0, 0, '\x80'}}, {}, "2147483649"},
    {"ShortNumberPathReadsAsItsBytes", RegistryValue{kDword, {2, 1}}, {}, "258"},
    {"PathOfSizeZeroCannotBeRead", RegistryValue{kSz, ""}, kFolder, kThrows},
    {"ExpandSzPathTriesFolder", RegistryValue{kExpandSz, kTool + '\0'}, kFolder, kFolderTool},
    {"PathOver1024BytesTriesTheFolder", Sz(kLong + "y"), kFolder, kFolderTool},
    {"FolderEndingInBackslashStillGetsTheSeparator", {}, kFolder + "\\", kDoubledTool},
    {"FolderWhoseToolIsNoNormalFile", {}, "C:\\Hidden", kNone},
    {"NothingRegistered", {}, {}, kNone},
    // clang-format on
};

TEST(RegisteredToolTest, PathFirstThenTheFolderWithItsFile) {
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.name);
        zevodave::testing::FakeRegistry registry;
        registry.files = {kFolderTool, kDoubledTool};
        if (row.path)
            registry.values[kPathValue] = *row.path;
        if (row.folder)
            registry.values[kFolderValue] = Sz(*row.folder);
        if (row.tool == kThrows)
            EXPECT_THROW(RegisteredTool(registry), std::runtime_error);
        else
            EXPECT_EQ(RegisteredTool(registry), row.tool);
    }
}

TEST(GetKeyValueTest, FailureEmptiesTheValueWhateverItHeld) {
    zevodave::testing::FakeRegistry registry;
    registry.values[kFolderValue] = {kExpandSz, kTool + '\0'};
    for (const std::string& name : {kPathValue, kFolderValue}) {
        std::string keyVal = "before";
        const std::size_t bar = name.find('|');
        EXPECT_FALSE(GetKeyValue(registry, kHKeyLocalMachine, name.substr(0, bar),
                                 name.substr(bar + 1), keyVal));
        EXPECT_EQ(keyVal, "");
    }
}

TEST(StartSysInfoTest, StartsTheToolOrShowsTheMessage) {
    // The tool found, whether its lookup can be read, whether it starts; and
    // whether it was started (else the message shows).
    const std::tuple<std::string, bool, bool, bool> rows[] = {
        {kTool, true, true, true},
        {kNone, true, true, false},
        {kTool, true, false, false},
        {kTool, false, true, false},
    };
    for (const auto& [tool, readable, startable, started] : rows) {
        zevodave::testing::FakePlatform platform;
        platform.tool = tool;
        platform.unreadable = !readable;
        platform.startable = startable;
        int messages = 0;
        StartSysInfo(platform, [&messages] { ++messages; });
        EXPECT_EQ(platform.started, started ? std::vector{kTool} : std::vector<std::string>{});
        EXPECT_EQ(messages, started ? 0 : 1);
    }
}

} // namespace
