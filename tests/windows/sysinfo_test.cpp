// Finding and starting the system-information tool against the real
// registry, file system and process start; only the message is a stand-in.

#include "helperprogram.h"
#include "platform.h"
#include "scratchfolder.h"
#include "sysinfo.h"
#include "temporaryvalue.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace zevodave {
namespace {

using namespace std::string_literals;

constexpr const char* kInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const char* kLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

enum class PathValue { None, Tool, MissingFile, ExpandableTool };
enum class FolderValue { None, HoldsMsinfo32, EndsInBackslash, WithoutMsinfo32, HiddenMsinfo32 };
enum class Outcome { PathTool, FolderTool, Message };

struct SysInfoRow {
    const char* name;
    PathValue path;
    FolderValue folder;
    bool readOnlyKeys;
    Outcome expected;
};

// Names the row in the test list and in failures.
void PrintTo(const SysInfoRow& row, std::ostream* out) {
    *out << row.name;
}

const SysInfoRow kSysInfoRows[] = {
    {"PathStartsItsProgramBeforeTheFolder", PathValue::Tool, FolderValue::HoldsMsinfo32, false,
     Outcome::PathTool},
    {"PathNamingAMissingFileShowsTheMessage", PathValue::MissingFile, FolderValue::HoldsMsinfo32,
     false, Outcome::Message},
    {"ExpandablePathFallsBackToTheFolder", PathValue::ExpandableTool, FolderValue::HoldsMsinfo32,
     false, Outcome::FolderTool},
    {"FolderHoldingMsinfo32StartsIt", PathValue::None, FolderValue::HoldsMsinfo32, false,
     Outcome::FolderTool},
    {"FolderEndingInBackslashStartsIt", PathValue::None, FolderValue::EndsInBackslash, false,
     Outcome::FolderTool},
    {"FolderWithoutMsinfo32ShowsTheMessage", PathValue::None, FolderValue::WithoutMsinfo32, false,
     Outcome::Message},
    {"HiddenMsinfo32ShowsTheMessage", PathValue::None, FolderValue::HiddenMsinfo32, false,
     Outcome::Message},
    {"NeitherValueShowsTheMessage", PathValue::None, FolderValue::None, false, Outcome::Message},
    {"PathInAKeyDenyingWritingStartsIt", PathValue::Tool, FolderValue::None, true,
     Outcome::PathTool},
    {"FolderInAKeyDenyingWritingStartsIt", PathValue::None, FolderValue::HoldsMsinfo32, true,
     Outcome::FolderTool},
};

class StartSysInfoTest : public ::testing::TestWithParam<SysInfoRow> {};

TEST_P(StartSysInfoTest, StartsTheToolOrShowsTheMessage) {
    const SysInfoRow& row = GetParam();
    const test::ScratchFolder folder;
    const std::string pathTool = folder.AddHelperProgram("Path Tool\\tool.exe");
    const std::string msinfoFolder = folder.AddFolder("MSInfo Folder");
    const std::string msinfo32 = msinfoFolder + "\\MSINFO32.EXE";
    if (row.folder != FolderValue::WithoutMsinfo32) {
        folder.AddHelperProgram("MSInfo Folder\\MSINFO32.EXE");
    }
    if (row.folder == FolderValue::HiddenMsinfo32) {
        SetFileAttributesA(msinfo32.c_str(), FILE_ATTRIBUTE_HIDDEN);
    }

    test::TemporaryValue pathValue(kInfoKey, "PATH");
    test::TemporaryValue folderValue(kLocationKey, "MSINFO");
    switch (row.path) {
    case PathValue::None:
        break;
    case PathValue::Tool:
        pathValue.Set(REG_SZ, pathTool + '\0');
        break;
    case PathValue::MissingFile:
        pathValue.Set(REG_SZ, folder.Path("missing.exe") + '\0');
        break;
    case PathValue::ExpandableTool:
        pathValue.Set(REG_EXPAND_SZ, pathTool + '\0');
        break;
    }
    if (row.folder != FolderValue::None) {
        const std::string separator = row.folder == FolderValue::EndsInBackslash ? "\\" : "";
        folderValue.Set(REG_SZ, msinfoFolder + separator + '\0');
    }
    if (row.readOnlyKeys) {
        if (row.path != PathValue::None) {
            pathValue.DenyWriting();
        }
        if (row.folder != FolderValue::None) {
            folderValue.DenyWriting();
        }
    }

    int messages = 0;
    const auto platform = MakePlatform();
    StartSysInfo(*platform, [&messages] { ++messages; });

    switch (row.expected) {
    case Outcome::Message:
        EXPECT_EQ(messages, 1);
        break;
    case Outcome::PathTool:
        EXPECT_EQ(messages, 0);
        EXPECT_TRUE(test::WaitForFile(test::Marker(pathTool, test::kFinishedSuffix)));
        break;
    case Outcome::FolderTool:
        EXPECT_EQ(messages, 0);
        EXPECT_TRUE(test::WaitForFile(test::Marker(msinfo32, test::kFinishedSuffix)));
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(SysInfo, StartSysInfoTest, ::testing::ValuesIn(kSysInfoRows),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace zevodave
