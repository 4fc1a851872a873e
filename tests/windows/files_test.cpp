// The file check of the Windows layer against the real file system.

#include "platform.h"
#include "scratchfolder.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

namespace zevodave {
namespace {

constexpr const char* kToolName = "tool.exe";

struct FileRow {
    const char* name;
    // What the folder holds under kToolName: a file with these attributes,
    // a folder, or nothing.
    std::optional<DWORD> attributes;
    const char* asked;
    bool exists;
};

// Names the row in the test list and in failures.
void PrintTo(const FileRow& row, std::ostream* out) {
    *out << row.name;
}

const FileRow kFileRows[] = {
    {"NormalFileExists", FILE_ATTRIBUTE_NORMAL, kToolName, true},
    {"ArchivedReadOnlyFileExists", FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_READONLY, kToolName,
     true},
    {"HiddenFileIsAbsent", FILE_ATTRIBUTE_HIDDEN, kToolName, false},
    {"SystemFileIsAbsent", FILE_ATTRIBUTE_SYSTEM, kToolName, false},
    {"FolderIsAbsent", FILE_ATTRIBUTE_DIRECTORY, kToolName, false},
    {"QuestionMarkMatchesNoFile", FILE_ATTRIBUTE_NORMAL, "too?.exe", false},
    {"StarMatchesNoFile", FILE_ATTRIBUTE_NORMAL, "*.exe", false},
    {"MissingFileIsAbsent", std::nullopt, kToolName, false},
};

class NormalFileExistsTest : public ::testing::TestWithParam<FileRow> {};

TEST_P(NormalFileExistsTest, FindsOnlyNormalFiles) {
    const FileRow& row = GetParam();
    const test::ScratchFolder folder;
    if (row.attributes == FILE_ATTRIBUTE_DIRECTORY) {
        folder.AddFolder(kToolName);
    } else if (row.attributes) {
        folder.AddFile(kToolName, *row.attributes);
    }
    EXPECT_EQ(MakePlatform()->NormalFileExists(folder.Path(row.asked)), row.exists);
}

INSTANTIATE_TEST_SUITE_P(Files, NormalFileExistsTest, ::testing::ValuesIn(kFileRows),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace zevodave
