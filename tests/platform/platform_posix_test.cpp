#include "platform_posix.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

using zevodave::kRegSz;
using zevodave::PosixPlatform;

namespace fs = std::filesystem;

namespace {

constexpr std::uint32_t kHklm = 0x80000002;
constexpr std::string_view kPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr auto kPatience = std::chrono::seconds(10);
constexpr auto kPollInterval = std::chrono::milliseconds(20);

// A fresh folder for each test, removed afterwards.
class TempDir {
  public:
    TempDir() {
        std::string name = (fs::temp_directory_path() / "zevodave-XXXXXX").string();
        path_ = ::mkdtemp(name.data());
    }
    ~TempDir() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const fs::path& path() const { return path_; }

    fs::path File(const fs::path& relative, const std::string& content, bool executable) const {
        const fs::path file = path_ / relative;
        fs::create_directories(file.parent_path());
        std::ofstream(file) << content;
        fs::permissions(file, executable ? fs::perms::owner_all
                                         : fs::perms::owner_read | fs::perms::owner_write);
        return file;
    }

  private:
    fs::path path_;
};

bool WaitFor(const fs::path& file) {
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (!fs::exists(file)) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(kPollInterval);
    }
    return true;
}

// Every process whose parent is this test.
std::vector<std::string> Children() {
    std::vector<std::string> children;
    const std::string self = std::to_string(::getpid());
    for (const auto& entry : fs::directory_iterator("/proc")) {
        std::ifstream stat(entry.path() / "stat");
        std::string line;
        if (!std::getline(stat, line))
            continue;
        // pid (name) state ppid ...: the name may hold spaces and brackets.
        const std::size_t close = line.rfind(')');
        if (close == std::string::npos)
            continue;
        std::istringstream rest(line.substr(close + 1));
        std::string state, parent;
        rest >> state >> parent;
        if (parent == self)
            children.push_back(line);
    }
    return children;
}

std::string Script(const fs::path& marker) {
    return "#!/bin/sh\necho started > '" + marker.string() + "'\n";
}

// ---------------------------------------------------------------------------
// The "PATH" value: the first tool on the search path.

TEST(PosixPlatformTest, PathValueNamesTheFirstToolFound) {
    TempDir dir;
    const fs::path early = dir.path() / "early";
    const fs::path late = dir.path() / "late";
    dir.File("early/hardinfo", "", true);
    dir.File("early/hardinfo2", "", true);
    dir.File("late/kinfocenter", "", true);

    // The tool order comes before the folder order.
    PosixPlatform platform(early.string() + ":" + late.string());
    const auto value = platform.ReadValue(kHklm, kPathKey, "PATH");
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(value->type, kRegSz);
    EXPECT_EQ(value->bytes, (late / "kinfocenter").string() + '\0');

    fs::remove(late / "kinfocenter");
    EXPECT_EQ(platform.ReadValue(kHklm, kPathKey, "PATH")->bytes,
              (early / "hardinfo2").string() + '\0');
}

TEST(PosixPlatformTest, PathValueSkipsWhatCannotRun) {
    TempDir dir;
    dir.File("a/kinfocenter", "", false);               // not executable
    fs::create_directories(dir.path() / "a/hardinfo2"); // a folder
    dir.File("b/hardinfo", "", true);
    const std::string searchPath =
        "relative:" + (dir.path() / "a").string() + "::" + (dir.path() / "b").string();
    const auto value = PosixPlatform(searchPath).ReadValue(kHklm, kPathKey, "PATH");
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(value->bytes, (dir.path() / "b/hardinfo").string() + '\0');
}

TEST(PosixPlatformTest, RelativeSearchFoldersAreIgnored) {
    TempDir dir;
    dir.File("kinfocenter", "", true);
    const fs::path previous = fs::current_path();
    fs::current_path(dir.path());
    const auto value = PosixPlatform(".:").ReadValue(kHklm, kPathKey, "PATH");
    fs::current_path(previous);
    EXPECT_FALSE(value.has_value());
}

TEST(PosixPlatformTest, OnlyThePathValueExists) {
    TempDir dir;
    dir.File("kinfocenter", "", true);
    PosixPlatform platform(dir.path().string());
    // The registry compares names without regard to case.
    EXPECT_TRUE(platform.ReadValue(kHklm, "software\\microsoft\\shared tools\\msinfo", "path"));
    EXPECT_FALSE(platform.ReadValue(kHklm, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO"));
    EXPECT_FALSE(platform.ReadValue(kHklm, kPathKey, "Other"));
    EXPECT_FALSE(platform.ReadValue(kHklm + 1, kPathKey, "PATH"));
    EXPECT_FALSE(PosixPlatform("").ReadValue(kHklm, kPathKey, "PATH"));
}

TEST(PosixPlatformTest, PathLongerThanTheBufferIsAbsent) {
    TempDir dir;
    // Folder names are limited in length, so the path is built of several.
    fs::path folder = dir.path();
    while (folder.string().size() < zevodave::kValueBufferSize)
        folder /= std::string(200, 'd');
    dir.File(fs::relative(folder / "hardinfo", dir.path()), "", true);
    EXPECT_FALSE(PosixPlatform(folder.string()).ReadValue(kHklm, kPathKey, "PATH"));
}

// ---------------------------------------------------------------------------
// Normal files.

struct FileCase {
    const char* name;
    const char* path; // below the test folder; "" for the folder itself
    bool exists;
};
void PrintTo(const FileCase& c, std::ostream* os) {
    *os << c.name;
}

class NormalFileTest : public ::testing::TestWithParam<FileCase> {};

TEST_P(NormalFileTest, FindsOnlyNormalFiles) {
    TempDir dir;
    dir.File("MSINFO32.EXE", "", false);
    dir.File(".hidden", "", false);
    dir.File("sub/.MSINFO32.EXE", "", false);
    fs::create_directories(dir.path() / "folder");
    fs::create_symlink(dir.path() / "MSINFO32.EXE", dir.path() / "link");
    const fs::path path = dir.path() / GetParam().path;
    EXPECT_EQ(PosixPlatform("").NormalFileExists(path.string()), GetParam().exists);
}

INSTANTIATE_TEST_SUITE_P(Files, NormalFileTest,
                         ::testing::Values(FileCase{"RegularFile", "MSINFO32.EXE", true},
                                           FileCase{"LinkToARegularFile", "link", true},
                                           FileCase{"DotFileIsHidden", ".hidden", false},
                                           FileCase{"HiddenInAFolder", "sub/.MSINFO32.EXE", false},
                                           FileCase{"Folder", "folder", false},
                                           FileCase{"Missing", "absent", false},
                                           FileCase{"NoWildcards", "MSINFO*", false}),
                         [](const auto& info) { return info.param.name; });

TEST(NormalFileTest, EmptyPathIsNoFile) {
    EXPECT_FALSE(PosixPlatform("").NormalFileExists(""));
}

// ---------------------------------------------------------------------------
// Starting programs.

TEST(StartProgramTest, RunsTheProgramWithoutWaitingForIt) {
    TempDir dir;
    const fs::path go = dir.path() / "go";
    const fs::path done = dir.path() / "done";
    // The tool cannot finish before the test lets it, so a start that
    // waited would never return.
    const fs::path tool =
        dir.File("tool",
                 "#!/bin/sh\nwhile [ ! -e '" + go.string() +
                     "' ]; do sleep 0.02; done\necho done > '" + done.string() + "'\n",
                 true);
    ASSERT_TRUE(PosixPlatform("").StartProgram(tool.string()));
    std::ofstream(go) << "go";
    EXPECT_TRUE(WaitFor(done));
}

TEST(StartProgramTest, LeavesNoChildProcessBehind) {
    TempDir dir;
    const fs::path marker = dir.path() / "marker";
    const fs::path tool = dir.File("tool", Script(marker), true);
    ASSERT_TRUE(PosixPlatform("").StartProgram(tool.string()));
    ASSERT_TRUE(WaitFor(marker));
    EXPECT_EQ(Children(), std::vector<std::string>{});
}

TEST(StartProgramTest, RunsTheExactPathWithSpaces) {
    TempDir dir;
    const fs::path wrong = dir.path() / "wrong";
    const fs::path right = dir.path() / "right";
    // Read as a command line, "my tool" would run "my".
    dir.File("my", Script(wrong), true);
    const fs::path tool = dir.File("my tool", Script(right), true);
    ASSERT_TRUE(PosixPlatform("").StartProgram(tool.string()));
    EXPECT_TRUE(WaitFor(right));
    EXPECT_FALSE(fs::exists(wrong));
}

struct FailedStartCase {
    const char* name;
    const char* path; // below the test folder
};
void PrintTo(const FailedStartCase& c, std::ostream* os) {
    *os << c.name;
}

class FailedStartTest : public ::testing::TestWithParam<FailedStartCase> {};

TEST_P(FailedStartTest, ReportsFailure) {
    TempDir dir;
    dir.File("not-executable", "#!/bin/sh\nexit 0\n", false);
    // No shell takes over a file that the system cannot run itself.
    dir.File("no-interpreter-line", "exit 0\n", true);
    fs::create_directories(dir.path() / "folder");
    EXPECT_FALSE(PosixPlatform("").StartProgram((dir.path() / GetParam().path).string()));
    EXPECT_EQ(Children(), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Starts, FailedStartTest,
                         ::testing::Values(FailedStartCase{"Missing", "absent"},
                                           FailedStartCase{"NotExecutable", "not-executable"},
                                           FailedStartCase{"NotAProgram", "no-interpreter-line"},
                                           FailedStartCase{"Folder", "folder"}),
                         [](const auto& info) { return info.param.name; });

TEST(StartProgramTest, EmptyPathFails) {
    EXPECT_FALSE(PosixPlatform("").StartProgram(""));
}

} // namespace
