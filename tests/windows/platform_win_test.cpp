// The Windows layer against the real registry, file system and process start.

#include "platform.h"
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
    const auto read = MakePlatform()->ReadValue(kHKeyLocalMachine, row.readKey, row.readName);
    ASSERT_EQ(read.has_value(), row.found);
    if (read) {
        EXPECT_EQ(read->type, row.type);
        EXPECT_EQ(read->bytes, row.stored);
    }
}

INSTANTIATE_TEST_SUITE_P(Registry, ReadValueTest, ::testing::ValuesIn(kReadRows), test::kRowName);

struct FileRow {
    const char* name;
    DWORD attributes; // of what the folder holds as tool.exe
    const char* asked;
    bool exists;
};

const FileRow kFileRows[] = {
    {"NormalFileExists", FILE_ATTRIBUTE_NORMAL, "tool.exe", true},
    {"HiddenFileIsAbsent", FILE_ATTRIBUTE_HIDDEN, "tool.exe", false},
    {"SystemFileIsAbsent", FILE_ATTRIBUTE_SYSTEM, "tool.exe", false},
    {"FolderIsAbsent", FILE_ATTRIBUTE_DIRECTORY, "tool.exe", false},
    {"QuestionMarkMatchesNoFile", FILE_ATTRIBUTE_NORMAL, "too?.exe", false},
    {"StarMatchesNoFile", FILE_ATTRIBUTE_NORMAL, "*.exe", false},
    {"MissingFileIsAbsent", FILE_ATTRIBUTE_NORMAL, "other.exe", false},
};

class NormalFileExistsTest : public ::testing::TestWithParam<FileRow> {};

TEST_P(NormalFileExistsTest, FindsOnlyNormalFiles) {
    test::Sandbox sandbox;
    if (GetParam().attributes == FILE_ATTRIBUTE_DIRECTORY)
        std::filesystem::create_directory(sandbox.Path("tool.exe"));
    else
        sandbox.Add("tool.exe", GetParam().attributes);
    EXPECT_EQ(MakePlatform()->NormalFileExists(sandbox.Path(GetParam().asked)), GetParam().exists);
}

INSTANTIATE_TEST_SUITE_P(Files, NormalFileExistsTest, ::testing::ValuesIn(kFileRows),
                         test::kRowName);

TEST(StartProgramTest, PathWithSpaceStartsThatProgramInANormalWindowNotTheDecoy) {
    test::Sandbox sandbox;
    // What an unquoted command line would run instead.
    const std::string decoy = sandbox.Add("Program.exe");
    const std::string tool = sandbox.Add("Program Files\\Tool\\tool.exe");

    ASSERT_TRUE(MakePlatform()->StartProgram(tool));

    const bool toolRan = test::WaitForFile(tool + test::kFinished);
    EXPECT_FALSE(std::filesystem::exists(decoy + test::kStarted)) << "ran the decoy " << decoy;
    ASSERT_TRUE(toolRan) << "the tool did not run";
    int shown = -1;
    std::ifstream(tool + test::kStarted) >> shown;
    EXPECT_EQ(shown, SW_SHOWNORMAL);
}

TEST(StartProgramTest, ReturnsWhileTheProgramStillRuns) {
    test::Sandbox sandbox;
    const std::string tool = sandbox.Add("tool.exe", FILE_ATTRIBUTE_NORMAL, true);
    // Like the program with its windows: a start that waits until the tool
    // is ready for input waits only where the window library is loaded.
    ASSERT_NE(LoadLibraryA("user32.dll"), nullptr);

    ASSERT_TRUE(MakePlatform()->StartProgram(tool));
    EXPECT_FALSE(std::filesystem::exists(tool + test::kFinished)) << "the start waited";

    EXPECT_TRUE(test::WaitForFile(tool + test::kStarted));
    std::ofstream(tool + test::kRelease);
    EXPECT_TRUE(test::WaitForFile(tool + test::kFinished));
}

TEST(StartProgramTest, MissingProgramFails) {
    const test::Sandbox sandbox;
    EXPECT_FALSE(MakePlatform()->StartProgram(sandbox.Path("missing.exe")));
}

} // namespace
