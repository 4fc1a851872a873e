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

struct ReadRow {
    const char* name;
    DWORD type;
    std::string stored;
    bool found = true; // else the layer reports the value absent
    bool denyWriting = false;
    const char* readKey = kTestKey;
    const char* readName = kValueName;
};

const ReadRow kReadRows[] = {
    // clang-format off
    {"StringReadsWithItsZero", REG_SZ, "C:\\tool.exe\0"s},
    {"StringOf1024BytesWithItsZeroReadsWhole", REG_SZ, std::string(kLongest - 1, 'x') + '\0'},
    {"StringOf1025BytesIsAbsent", REG_SZ, std::string(kLongest, 'x') + '\0', false},
    {"StringWithoutZeroReadsWhole", REG_SZ, "C:\\tool.exe"},
    {"NumberReadsAsItsFourBytes", REG_DWORD, "\x02\x01\0\0"s},
    {"ExpandableStringReadsUnexpanded", REG_EXPAND_SZ, "%SystemRoot%\\tool.exe\0"s},
    {"KeyThatDeniesWritingStillReads", REG_SZ, "C:\\tool.exe\0"s, true, true},
    {"MissingValueIsAbsent", REG_SZ, "C:\\tool.exe\0"s, false, false, kTestKey, "Other"},
    {"MissingKeyIsAbsent", REG_SZ, "C:\\tool.exe\0"s, false, false, "SOFTWARE\\ZevodaveTest\\No"},
    // clang-format on
};

class ReadValueTest : public ::testing::TestWithParam<ReadRow> {};

TEST_P(ReadValueTest, ReadsWhatTheRegistryHolds) {
    const ReadRow& row = GetParam();
    const test::Sandbox sandbox;
    sandbox.SetValue(kTestKey, kValueName, row.type, row.stored, row.denyWriting);
    const auto read = MakeRegistry()->ReadValue(kHKeyLocalMachine, row.readKey, row.readName);
    ASSERT_EQ(read.has_value(), row.found);
    if (read) {
        EXPECT_EQ((std::pair<DWORD, std::string>(read->type, read->bytes)),
                  std::pair(row.type, row.stored));
    }
}

INSTANTIATE_TEST_SUITE_P(Registry, ReadValueTest, ::testing::ValuesIn(kReadRows), test::kRowName);

struct FileRow {
    const char* name;
    DWORD attributes; // of Tool\tool.exe
    const char* asked;
    bool exists;
};

const FileRow kFileRows[] = {
    {"NormalFileExists", FILE_ATTRIBUTE_NORMAL, "Tool\\tool.exe", true},
    {"HiddenFileIsAbsent", FILE_ATTRIBUTE_HIDDEN, "Tool\\tool.exe", false},
    {"SystemFileIsAbsent", FILE_ATTRIBUTE_SYSTEM, "Tool\\tool.exe", false},
    {"FolderIsAbsent", FILE_ATTRIBUTE_NORMAL, "Tool", false},
    {"QuestionMarkMatchesNoFile", FILE_ATTRIBUTE_NORMAL, "Tool\\too?.exe", false},
    {"StarMatchesNoFile", FILE_ATTRIBUTE_NORMAL, "Tool\\*.exe", false},
    {"MissingFileIsAbsent", FILE_ATTRIBUTE_NORMAL, "Tool\\other.exe", false},
};

class NormalFileExistsTest : public ::testing::TestWithParam<FileRow> {};

TEST_P(NormalFileExistsTest, FindsOnlyNormalFiles) {
    const test::Sandbox sandbox;
    sandbox.Add("Tool\\tool.exe", GetParam().attributes);
    EXPECT_EQ(MakeRegistry()->NormalFileExists(sandbox.Path(GetParam().asked)), GetParam().exists);
}

INSTANTIATE_TEST_SUITE_P(Files, NormalFileExistsTest, ::testing::ValuesIn(kFileRows),
                         test::kRowName);

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
