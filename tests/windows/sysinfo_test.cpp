// Finding and starting the system-information tool against the real
// registry, file system and process start; only the message is a stand-in.
// The finer points of the lookup are proved with a fake platform; these rows
// prove that the order holds with the real calls.

#include "platform.h"
#include "sandbox.h"
#include "sysinfo.h"

#include <gtest/gtest.h>

using namespace zevodave;

namespace {

constexpr const char* kPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const char* kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr const char* kPathTool = "Path Tool\\tool.exe";
constexpr const char* kFolderTool = "MSInfo\\MSINFO32.EXE";

struct SysInfoRow {
    const char* name;
    bool path;           // PATH names kPathTool; MSINFO always names kFolderTool's folder
    DWORD msinfo32;      // the attributes of kFolderTool
    bool denyWriting;    // to the key that holds MSINFO
    const char* started; // nullptr: the message shows
};

const SysInfoRow kSysInfoRows[] = {
    {"PathWinsOverTheFolder", true, FILE_ATTRIBUTE_NORMAL, false, kPathTool},
    {"HiddenMsinfo32ShowsTheMessage", false, FILE_ATTRIBUTE_HIDDEN, false, nullptr},
    {"FolderInAKeyDenyingWritingStartsIt", false, FILE_ATTRIBUTE_NORMAL, true, kFolderTool},
};

class StartSysInfoTest : public ::testing::TestWithParam<SysInfoRow> {};

TEST_P(StartSysInfoTest, StartsTheToolOrShowsTheMessage) {
    const SysInfoRow& row = GetParam();
    const test::Sandbox sandbox;
    const std::string pathTool = sandbox.Add(kPathTool);
    sandbox.Add(kFolderTool, row.msinfo32);
    if (row.path)
        sandbox.SetValue(kPathKey, "PATH", REG_SZ, pathTool + '\0');
    sandbox.SetValue(kFolderKey, "MSINFO", REG_SZ, sandbox.Path("MSInfo") + '\0', row.denyWriting);

    int messages = 0;
    StartSysInfo(*MakePlatform(), [&messages] { ++messages; });
    EXPECT_EQ(messages, row.started != nullptr ? 0 : 1);
    if (row.started != nullptr) {
        EXPECT_TRUE(test::WaitForFile(sandbox.Path(row.started) + test::kFinished));
    }
}

INSTANTIATE_TEST_SUITE_P(SysInfo, StartSysInfoTest, ::testing::ValuesIn(kSysInfoRows),
                         test::kRowName);

} // namespace
