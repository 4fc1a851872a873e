// Program start through the Windows layer: real processes.

#include "helperprogram.h"
#include "platform.h"
#include "scratchfolder.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>

namespace zevodave {
namespace {

using test::kFinishedSuffix;
using test::kReleaseSuffix;
using test::kStartedSuffix;
using test::Marker;

TEST(StartProgramTest, PathWithSpaceStartsThatProgramInANormalWindowNotTheDecoy) {
    const test::ScratchFolder folder;
    // What an unquoted command line would run instead.
    const std::string decoy = folder.AddHelperProgram("Program.exe");
    const std::string tool = folder.AddHelperProgram("Program Files\\Tool\\tool.exe");

    ASSERT_TRUE(MakePlatform()->StartProgram(tool));

    const bool toolRan = test::WaitForFile(Marker(tool, kFinishedSuffix));
    EXPECT_FALSE(std::filesystem::exists(Marker(decoy, kStartedSuffix)))
        << "an unquoted command line ran " << decoy;
    ASSERT_TRUE(toolRan) << "the tool did not run";
    EXPECT_EQ(test::ReadText(Marker(tool, kStartedSuffix)), std::to_string(SW_SHOWNORMAL));
}

TEST(StartProgramTest, ReturnsWhileTheProgramStillRuns) {
    const test::ScratchFolder folder;
    const std::string tool = folder.AddHelperProgram("tool.exe", true);
    // Like the program with its windows: a start that waits until the tool
    // is ready for input waits only where the window library is loaded.
    ASSERT_NE(LoadLibraryA("user32.dll"), nullptr);

    ASSERT_TRUE(MakePlatform()->StartProgram(tool));
    EXPECT_FALSE(std::filesystem::exists(Marker(tool, kFinishedSuffix)))
        << "the start waited for the program";

    EXPECT_TRUE(test::WaitForFile(Marker(tool, kStartedSuffix)));
    std::ofstream(Marker(tool, kReleaseSuffix)) << "";
    EXPECT_TRUE(test::WaitForFile(Marker(tool, kFinishedSuffix)));
}

struct FailedStartRow {
    const char* name;
    const char* path; // in the scratch folder, which holds a folder "Tools"
};

// Names the row in the test list and in failures.
void PrintTo(const FailedStartRow& row, std::ostream* out) {
    *out << row.name;
}

const FailedStartRow kFailedStartRows[] = {
    {"MissingProgramFails", "missing.exe"},
    {"FolderFails", "Tools"},
    {"EmptyPathFails", ""},
};

class FailedStartTest : public ::testing::TestWithParam<FailedStartRow> {};

TEST_P(FailedStartTest, ReportsFailure) {
    const test::ScratchFolder folder;
    folder.AddFolder("Tools");
    const std::string path = *GetParam().path == '\0' ? "" : folder.Path(GetParam().path);
    EXPECT_FALSE(MakePlatform()->StartProgram(path));
}

INSTANTIATE_TEST_SUITE_P(Start, FailedStartTest, ::testing::ValuesIn(kFailedStartRows),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace zevodave
