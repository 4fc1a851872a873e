#include "fakeplatform.h"
#include "sysinfo.h"

#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

using zevodave::GetKeyValue;
using zevodave::kRegDword;
using zevodave::kRegExpandSz;
using zevodave::kRegSz;
using zevodave::StartSysInfo;
using zevodave::testing::FakePlatform;

namespace {

constexpr std::uint32_t kHklm = 0x80000002;
constexpr std::uint32_t kRegBinary = 3;
const std::string kPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

struct Value {
    std::uint32_t type;
    std::string bytes;
};

// A string value as the registry stores it, with its terminating zero.
Value Sz(std::string text) {
    return {kRegSz, text + '\0'};
}

std::string Bytes(std::initializer_list<unsigned char> bytes) {
    return std::string(bytes.begin(), bytes.end());
}

// ---------------------------------------------------------------------------
// StartSysInfo: what the registry holds, and what the user gets.

struct SysInfoCase {
    const char* name;
    std::optional<Value> path;         // "PATH" under the MSINFO key
    std::optional<Value> folder;       // "MSINFO" under Shared Tools Location
    std::vector<std::string> files;    // normal files that exist
    std::vector<std::string> programs; // files that start when asked
    std::string started;               // empty: nothing starts, the message shows
    bool readsFolder;                  // whether the second lookup is made
};
void PrintTo(const SysInfoCase& c, std::ostream* os) {
    *os << c.name;
}

const std::string kTool = "C:\\Tools\\msinfo32.exe";
const std::string kFolderTool = "C:\\MSInfo\\MSINFO32.EXE";
const std::string kLongPath = "C:\\" + std::string(1020, 'x'); // 1023 characters

class StartSysInfoTest : public ::testing::TestWithParam<SysInfoCase> {};

TEST_P(StartSysInfoTest, StartsTheToolOrShowsTheMessage) {
    const SysInfoCase& c = GetParam();
    FakePlatform platform;
    if (c.path)
        platform.SetValue(kHklm, kPathKey, "PATH", c.path->type, c.path->bytes);
    if (c.folder)
        platform.SetValue(kHklm, kFolderKey, "MSINFO", c.folder->type, c.folder->bytes);
    for (const std::string& file : c.files)
        platform.AddFile(file);
    for (const std::string& program : c.programs)
        platform.AddProgram(program);

    int messages = 0;
    StartSysInfo(platform, [&messages] { ++messages; });

    if (c.started.empty()) {
        EXPECT_EQ(messages, 1);
        EXPECT_TRUE(platform.started.empty());
    } else {
        EXPECT_EQ(messages, 0);
        EXPECT_EQ(platform.started, std::vector<std::string>{c.started});
    }
    std::vector<std::string> reads{kPathKey + "|PATH"};
    if (c.readsFolder)
        reads.push_back(kFolderKey + "|MSINFO");
    EXPECT_EQ(platform.reads, reads);
    if (!c.readsFolder) {
        EXPECT_TRUE(platform.checkedFiles.empty()) << "no file search after the first lookup";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Registry, StartSysInfoTest,
    ::testing::Values(
        // The tool starts.
        SysInfoCase{"PathStartsWithoutAFileCheck",
                    Sz(kTool),
                    Sz("C:\\MSInfo"),
                    {kFolderTool},
                    {kTool, kFolderTool},
                    kTool,
                    false},
        SysInfoCase{"PathWithSpacesStartsByItsExactPath",
                    Sz("C:\\Program Files\\Microsoft Shared\\MSInfo\\msinfo32.exe"),
                    {},
                    {},
                    {"C:\\Program Files\\Microsoft Shared\\MSInfo\\msinfo32.exe"},
                    "C:\\Program Files\\Microsoft Shared\\MSInfo\\msinfo32.exe",
                    false},
        SysInfoCase{"PathStoredWithoutZeroStartsWhole",
                    Value{kRegSz, kTool},
                    {},
                    {},
                    {kTool},
                    kTool,
                    false},
        SysInfoCase{"PathOf1024BytesWithItsZeroIsReadWhole",
                    Sz(kLongPath),
                    {},
                    {},
                    {kLongPath},
                    kLongPath,
                    false},
        SysInfoCase{"FolderHoldingTheToolStartsIt",
                    {},
                    Sz("C:\\MSInfo"),
                    {kFolderTool},
                    {kFolderTool},
                    kFolderTool,
                    true},
        SysInfoCase{"FolderEndingInBackslashStillGetsTheSeparator",
                    {},
                    Sz("C:\\MSInfo\\"),
                    {"C:\\MSInfo\\\\MSINFO32.EXE"},
                    {"C:\\MSInfo\\\\MSINFO32.EXE"},
                    "C:\\MSInfo\\\\MSINFO32.EXE",
                    true},
        SysInfoCase{"ExpandableStringPathFallsBackToTheFolder",
                    Value{kRegExpandSz, Sz("%ProgramFiles%\\msinfo32.exe").bytes},
                    Sz("C:\\MSInfo"),
                    {kFolderTool},
                    {kFolderTool},
                    kFolderTool,
                    true},
        SysInfoCase{"BinaryPathFallsBackToTheFolder",
                    Value{kRegBinary, "\x01\x02"},
                    Sz("C:\\MSInfo"),
                    {kFolderTool},
                    {kFolderTool},
                    kFolderTool,
                    true},
        SysInfoCase{"PathOver1024BytesCountsAsAbsent",
                    Sz(kLongPath + "y"),
                    Sz("C:\\MSInfo"),
                    {kFolderTool},
                    {kLongPath + "y", kFolderTool},
                    kFolderTool,
                    true},

        // The message shows.
        SysInfoCase{"NothingRegistered", {}, {}, {}, {}, "", true},
        SysInfoCase{"PathToAMissingProgramDoesNotTryTheFolder",
                    Sz(kTool),
                    Sz("C:\\MSInfo"),
                    {kFolderTool},
                    {kFolderTool},
                    "",
                    false},
        SysInfoCase{
            "EmptyPath", Sz(""), Sz("C:\\MSInfo"), {kFolderTool}, {"", kFolderTool}, "", false},
        SysInfoCase{"PathOfSizeZero",
                    Value{kRegSz, ""},
                    Sz("C:\\MSInfo"),
                    {kFolderTool},
                    {kFolderTool},
                    "",
                    false},
        SysInfoCase{"NumberPathNamesNoProgram",
                    Value{kRegDword, Bytes({2, 1, 0, 0})},
                    Sz("C:\\MSInfo"),
                    {kFolderTool},
                    {kFolderTool},
                    "",
                    false},
        SysInfoCase{"ExpandableStringPathAndNoFolder",
                    Value{kRegExpandSz, kTool + '\0'},
                    {},
                    {},
                    {kTool},
                    "",
                    true},
        SysInfoCase{"FolderWithoutTheTool", {}, Sz("C:\\MSInfo"), {}, {kFolderTool}, "", true},
        SysInfoCase{
            "FolderToolThatFailsToStart", {}, Sz("C:\\MSInfo"), {kFolderTool}, {}, "", true},
        SysInfoCase{"FolderOfSizeZero",
                    {},
                    Value{kRegSz, ""},
                    {"\\MSINFO32.EXE"},
                    {"\\MSINFO32.EXE"},
                    "",
                    true},
        SysInfoCase{"ExpandableStringFolder",
                    {},
                    Value{kRegExpandSz, Sz("C:\\MSInfo").bytes},
                    {kFolderTool},
                    {kFolderTool},
                    "",
                    true}),
    [](const auto& info) { return info.param.name; });

TEST(StartSysInfoTest, EachPressLooksUpAfresh) {
    FakePlatform platform;
    platform.SetValue(kHklm, kFolderKey, "MSINFO", kRegSz, Sz("C:\\MSInfo").bytes);
    platform.AddFile(kFolderTool);
    platform.AddProgram(kFolderTool);
    int messages = 0;
    StartSysInfo(platform, [&messages] { ++messages; });
    StartSysInfo(platform, [&messages] { ++messages; });
    EXPECT_EQ(messages, 0);
    EXPECT_EQ(platform.started, (std::vector<std::string>{kFolderTool, kFolderTool}));
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
        platform.SetValue(kHklm, "Key", "Value", c.stored->type, c.stored->bytes);
    std::string keyVal = "before";
    EXPECT_EQ(GetKeyValue(platform, kHklm, "Key", "Value", keyVal), c.result);
    EXPECT_EQ(keyVal, c.keyVal);
}

INSTANTIATE_TEST_SUITE_P(
    Values, GetKeyValueTest,
    ::testing::Values(
        KeyCase{"StringLosesItsTerminatingZero", Sz("C:\\a b\\c.exe"), true, "C:\\a b\\c.exe"},
        KeyCase{"StringWithoutZeroIsKeptWhole", Value{kRegSz, "abc"}, true, "abc"},
        KeyCase{"EmptyStringReplacesTheText", Sz(""), true, ""},
        KeyCase{"StringOf1024BytesWithZeroIsReadWhole", Sz(std::string(1023, 's')), true,
                std::string(1023, 's')},
        KeyCase{"StringOf1024BytesWithoutZeroIsReadWhole", Value{kRegSz, std::string(1024, 's')},
                true, std::string(1024, 's')},
        KeyCase{"NumberReadsInDecimalAndReplacesTheText", Value{kRegDword, Bytes({2, 1, 0, 0})},
                true, "258"},
        KeyCase{"NumberIsUnsigned", Value{kRegDword, Bytes({0xFF, 0xFF, 0xFF, 0xFF})}, true,
                "4294967295"},
        KeyCase{"NumberZero", Value{kRegDword, Bytes({0, 0, 0, 0})}, true, "0"},
        KeyCase{"ShortNumberReadsItsBytes", Value{kRegDword, Bytes({2, 1})}, true, "258"},

        KeyCase{"MissingValueEmptiesTheText", {}, false, ""},
        KeyCase{"ValueOver1024BytesCountsAsAbsent", Sz(std::string(1024, 's')), false, ""},
        KeyCase{"ExpandableStringIsNotRead", Value{kRegExpandSz, Sz("%SystemRoot%").bytes}, false,
                ""},
        KeyCase{"BinaryIsNotRead", Value{kRegBinary, Bytes({1, 2, 3})}, false, ""}),
    [](const auto& info) { return info.param.name; });

TEST(GetKeyValueTest, ValueOfSizeZeroIsAnError) {
    for (const std::uint32_t type : {kRegSz, kRegDword}) {
        FakePlatform platform;
        platform.SetValue(kHklm, "Key", "Value", type, "");
        std::string keyVal;
        EXPECT_THROW(GetKeyValue(platform, kHklm, "Key", "Value", keyVal), std::runtime_error)
            << "type " << type;
    }
}

TEST(GetKeyValueTest, ReadsBelowTheGivenRootOnly) {
    FakePlatform platform;
    platform.SetValue(kHklm, "Key", "Value", kRegSz, Sz("found").bytes);
    std::string keyVal;
    EXPECT_FALSE(GetKeyValue(platform, kHklm + 1, "Key", "Value", keyVal));
    EXPECT_TRUE(GetKeyValue(platform, kHklm, "Key", "Value", keyVal));
    EXPECT_EQ(keyVal, "found");
}

} // namespace
