#include "fakeplatform.h"
#include "sysinfo.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace zevodave;
using zevodave::testing::FakePlatform;

namespace {

const std::string kPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

struct Value {
    std::uint32_t type;
    std::string bytes;
};
// A string value as the registry stores it, with its terminating zero.
Value Sz(const std::string& text) {
    return {kRegSz, text + '\0'};
}
Value Dword258() {
    return {kRegDword, std::string{2, 1, 0, 0}};
}

const std::string kTool = "C:\\Program Files\\Tools\\msinfo32.exe";
const std::string kFolder = "C:\\MSInfo";
const std::string kFolderTool = kFolder + "\\MSINFO32.EXE";
const std::string kLongPath = "C:\\" + std::string(1020, 'x'); // 1024 bytes with its zero

// ---------------------------------------------------------------------------
// StartSysInfo: what the registry holds, and what the user gets.

struct SysInfoCase {
    const char* name;
    std::optional<Value> path;   // "PATH" under the MSINFO key
    std::optional<Value> folder; // "MSINFO" under Shared Tools Location
    std::set<std::string> files; // also the programs that start
    std::string started;         // empty: nothing starts, the message shows
    bool readsFolder;
};
void PrintTo(const SysInfoCase& c, std::ostream* os) {
    *os << c.name;
}

class StartSysInfoTest : public ::testing::TestWithParam<SysInfoCase> {};

TEST_P(StartSysInfoTest, StartsTheToolOrShowsTheMessage) {
    const SysInfoCase& c = GetParam();
    FakePlatform platform;
    if (c.path)
        platform.SetValue(kPathKey, "PATH", c.path->type, c.path->bytes);
    if (c.folder)
        platform.SetValue(kFolderKey, "MSINFO", c.folder->type, c.folder->bytes);
    platform.files = platform.programs = c.files;
    int messages = 0;
    StartSysInfo(platform, [&messages] { ++messages; });

    EXPECT_EQ(messages, c.started.empty() ? 1 : 0);
    EXPECT_EQ(platform.started,
              c.started.empty() ? std::vector<std::string>{} : std::vector{c.started});
    std::vector<std::string> reads{kPathKey + "|PATH"};
    if (c.readsFolder)
        reads.push_back(kFolderKey + "|MSINFO");
    EXPECT_EQ(platform.reads, reads);
    EXPECT_EQ(platform.checkedFiles.empty(), !c.readsFolder || !c.folder);
}

const std::set<std::string> kBothTools = {kTool, kFolderTool};

INSTANTIATE_TEST_SUITE_P(
    Registry, StartSysInfoTest,
    ::testing::Values(
        // clang-format off
        SysInfoCase{"PathStartsAsItIsWithSpaces", Sz(kTool), Sz(kFolder), kBothTools, kTool, false},
        SysInfoCase{"PathOf1024BytesIsReadWhole", Sz(kLongPath), {}, {kLongPath}, kLongPath, false},
        SysInfoCase{"FolderHoldingTheTool", {}, Sz(kFolder), kBothTools, kFolderTool, true},
        SysInfoCase{"FolderEndingInBackslashStillGetsTheSeparator", {}, Sz(kFolder + "\\"),
                    {kFolder + "\\\\MSINFO32.EXE"}, kFolder + "\\\\MSINFO32.EXE", true},
        SysInfoCase{"ExpandableStringPathFallsBackToTheFolder", Value{kRegExpandSz, kTool + '\0'},
                    Sz(kFolder), kBothTools, kFolderTool, true},
        SysInfoCase{"PathOver1024BytesFallsBackToTheFolder", Sz(kLongPath + "y"), Sz(kFolder),
                    {kLongPath + "y", kFolderTool}, kFolderTool, true},
        // The message.
        SysInfoCase{"NothingRegistered", {}, {}, {}, "", true},
        SysInfoCase{"PathToAMissingProgramDoesNotTryTheFolder", Sz(kTool), Sz(kFolder),
                    {kFolderTool}, "", false},
        SysInfoCase{"EmptyPathStartsNothing", Sz(""), Sz(kFolder), {"", kFolderTool}, "", false},
        SysInfoCase{"PathOfSizeZero", Value{kRegSz, ""}, Sz(kFolder), kBothTools, "", false},
        SysInfoCase{"NumberPathNamesNoProgram", Dword258(), Sz(kFolder), kBothTools, "", false},
        SysInfoCase{"ExpandableStringPathAndNoFolder", Value{kRegExpandSz, kTool + '\0'}, {},
                    kBothTools, "", true},
        SysInfoCase{"FolderWithoutTheTool", {}, Sz(kFolder), {kTool}, "", true}),
    // clang-format on
    [](const auto& info) { return info.param.name; });

TEST(StartSysInfoTest, FolderToolThatFailsToStartShowsTheMessage) {
    FakePlatform platform;
    platform.SetValue(kFolderKey, "MSINFO", kRegSz, Sz(kFolder).bytes);
    platform.files = {kFolderTool};
    int messages = 0;
    StartSysInfo(platform, [&messages] { ++messages; });
    EXPECT_EQ(messages, 1);
}

// ---------------------------------------------------------------------------
// GetKeyValue: trimming and types over the bytes a read returns.

struct KeyCase {
    const char* name;
    std::optional<Value> stored;
    bool result;
    std::string keyVal; // after the call; it held "before" on entry
};
void PrintTo(const KeyCase& c, std::ostream* os) {
    *os << c.name;
}

class GetKeyValueTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(GetKeyValueTest, ReadsTheValueAsText) {
    const KeyCase& c = GetParam();
    FakePlatform platform;
    if (c.stored)
        platform.SetValue("Key", "Value", c.stored->type, c.stored->bytes);
    std::string keyVal = "before";
    EXPECT_EQ(GetKeyValue(platform, kHKeyLocalMachine, "Key", "Value", keyVal), c.result);
    EXPECT_EQ(keyVal, c.keyVal);
}

INSTANTIATE_TEST_SUITE_P(
    Values, GetKeyValueTest,
    ::testing::Values(
        KeyCase{"StringLosesItsZero", Sz("a b"), true, "a b"},
        KeyCase{"StringWithoutZeroIsKeptWhole", Value{kRegSz, "abc"}, true, "abc"},
        KeyCase{"NumberReplacesTheTextInDecimal", Dword258(), true, "258"},
        KeyCase{"NumberIsUnsigned", Value{kRegDword, std::string(4, '\xFF')}, true, "4294967295"},
        KeyCase{"MissingValueEmptiesTheText", {}, false, ""},
        KeyCase{"ValueOver1024BytesEmptiesTheText", Sz(std::string(1024, 's')), false, ""},
        KeyCase{"OtherTypeEmptiesTheText", Value{kRegExpandSz, "%x%"}, false, ""}),
    [](const auto& info) { return info.param.name; });

TEST(GetKeyValueTest, ValueOfSizeZeroIsAnError) {
    FakePlatform platform;
    platform.SetValue("Key", "Value", kRegSz, "");
    std::string keyVal;
    EXPECT_THROW(GetKeyValue(platform, kHKeyLocalMachine, "Key", "Value", keyVal),
                 std::runtime_error);
}

} // namespace
