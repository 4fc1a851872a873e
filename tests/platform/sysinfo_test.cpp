// StartSysInfo, and GetKeyValue under it, through a fake platform: what the
// registry holds, and what the user gets.

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
const std::string kGone = "C:\\Gone.exe"; // does not start
const std::string kMessage = "(the message)";

// A string value as the registry stores it, with its terminating zero.
RegistryValue Sz(const std::string& text) {
    return {kRegSz, text + '\0'};
}

struct Row {
    const char* name;
    std::optional<RegistryValue> path; // "PATH" under the MSINFO key
    std::optional<std::string> folder; // "MSINFO" under Shared Tools Location
    std::string outcome;               // the program started, or kMessage
};

const Row kRows[] = {
    // clang-format off
    {"PathStartsAsItIsWithoutFileCheck", Sz(kTool), kFolder, kTool},
    {"PathStoredWithoutZeroIsReadWhole", RegistryValue{kRegSz, kTool}, {}, kTool},
    {"PathOf1024BytesIsReadWhole", Sz(kLong), kFolder, kLong},
    {"NumberPathReadsAsUnsigned", RegistryValue{kRegDword, {1, 0, 0, '\x80'}}, {}, "2147483649"},
    {"PathToMissingFileFailsWithoutTryingTheFolder", Sz(kGone), kFolder, kMessage},
    {"PathOfSizeZeroShowsTheMessage", RegistryValue{kRegSz, ""}, kFolder, kMessage},
    {"ExpandSzPathTriesFolder", RegistryValue{kRegExpandSz, kTool + '\0'}, kFolder, kFolderTool},
    {"PathOver1024BytesTriesTheFolder", Sz(kLong + "y"), kFolder, kFolderTool},
    {"FolderEndingInBackslashStillGetsTheSeparator", {}, kFolder + "\\", kDoubledTool},
    {"FolderWhoseToolIsNoNormalFile", {}, "C:\\Hidden", kMessage},
    {"NothingRegistered", {}, {}, kMessage},
    // clang-format on
};

TEST(StartSysInfoTest, StartsTheToolOrShowsTheMessage) {
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.name);
        zevodave::testing::FakePlatform platform;
        platform.files = {kFolderTool, kDoubledTool};
        platform.missing = {kGone};
        if (row.path)
            platform.values[kPathValue] = *row.path;
        if (row.folder)
            platform.values[kFolderValue] = Sz(*row.folder);
        StartSysInfo(platform, [&platform] { platform.started.push_back(kMessage); });
        EXPECT_EQ(platform.started, std::vector{row.outcome});
    }
}

} // namespace
