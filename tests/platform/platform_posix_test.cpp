#include "platform_posix.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include <unistd.h>

using zevodave::kHKeyLocalMachine;
using zevodave::PosixPlatform;
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";

// A fresh folder for each test, removed afterwards.
class PosixPlatformTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string name = (fs::temp_directory_path() / "zevodave-XXXXXX").string();
        ASSERT_NE(::mkdtemp(name.data()), nullptr);
        dir = name;
    }
    void TearDown() override { fs::remove_all(dir); }

    fs::path File(const fs::path& relative, const std::string& content = "",
                  bool executable = true) {
        const fs::path file = dir / relative;
        fs::create_directories(file.parent_path());
        std::ofstream(file) << content;
        fs::permissions(file, executable ? fs::perms::owner_all : fs::perms::owner_read);
        return file;
    }
    // A script that writes `marker` once `go` exists.
    fs::path Tool(const fs::path& relative, const std::string& marker, const std::string& go) {
        return File(relative, "#!/bin/sh\nuntil [ -e '" + (dir / go).string() +
                                  "' ]; do sleep 0.02; done\n: > '" + (dir / marker).string() +
                                  "'\n");
    }
    bool WaitFor(const std::string& marker) const {
        for (int tries = 0; tries < 500 && !fs::exists(dir / marker); ++tries)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        return fs::exists(dir / marker);
    }

    fs::path dir;
};

// The processes whose parent is this test, zombies included.
int ChildCount() {
    int children = 0;
    for (const auto& entry : fs::directory_iterator("/proc")) {
        std::ifstream stat(entry.path() / "stat");
        std::string line, state;
        pid_t parent = 0;
        // pid (name) state ppid: the name may hold spaces and brackets.
        if (std::getline(stat, line) && line.rfind(')') != std::string::npos) {
            std::istringstream(line.substr(line.rfind(')') + 1)) >> state >> parent;
            children += parent == ::getpid() ? 1 : 0;
        }
    }
    return children;
}

TEST_F(PosixPlatformTest, PathValueNamesTheFirstToolOnTheSearchPath) {
    File("a/kinfocenter", "", false); // not executable
    fs::create_directories(dir / "a/hardinfo");
    File("a/hardinfo2");
    File("b/kinfocenter");
    PosixPlatform platform("relative::" + (dir / "a").string() + ":" + (dir / "b").string());
    // The tool order comes before the folder order.
    const auto value = platform.ReadValue(kHKeyLocalMachine, kPathKey, "PATH");
    ASSERT_TRUE(value);
    EXPECT_EQ(value->type, zevodave::kRegSz);
    EXPECT_EQ(value->bytes, (dir / "b/kinfocenter").string() + '\0');
    fs::remove(dir / "b/kinfocenter");
    EXPECT_EQ(
        platform.ReadValue(kHKeyLocalMachine, "software\\microsoft\\shared tools\\msinfo", "path")
            ->bytes,
        (dir / "a/hardinfo2").string() + '\0');

    EXPECT_FALSE(platform.ReadValue(kHKeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools Location",
                                    "MSINFO"));
    EXPECT_FALSE(platform.ReadValue(kHKeyLocalMachine + 1, kPathKey, "PATH"));
    EXPECT_FALSE(PosixPlatform("relative").ReadValue(kHKeyLocalMachine, kPathKey, "PATH"));
}

TEST_F(PosixPlatformTest, NormalFilesAreRegularAndNotDotFiles) {
    File("MSINFO32.EXE");
    File(".MSINFO32.EXE");
    fs::create_directories(dir / "folder");
    fs::create_symlink(dir / "MSINFO32.EXE", dir / "link");
    PosixPlatform platform("");
    EXPECT_TRUE(platform.NormalFileExists((dir / "MSINFO32.EXE").string()));
    EXPECT_TRUE(platform.NormalFileExists((dir / "link").string()));
    for (const char* other : {".MSINFO32.EXE", "folder", "absent", "MSINFO*"})
        EXPECT_FALSE(platform.NormalFileExists((dir / other).string())) << other;
}

TEST_F(PosixPlatformTest, StartsTheExactPathDetachedWithoutWaiting) {
    // Read as a command line, "my tool" would run "my".
    Tool("my", "wrong", "go");
    const fs::path tool = Tool("my tool", "right", "go");
    // The tool cannot end before "go" exists: a start that waited would hang.
    ASSERT_TRUE(PosixPlatform("").StartProgram(tool.string()));
    EXPECT_EQ(ChildCount(), 0) << "the tool is no child of ours, and no zombie is left";
    File("go");
    EXPECT_TRUE(WaitFor("right"));
    EXPECT_FALSE(fs::exists(dir / "wrong"));
}

TEST_F(PosixPlatformTest, StartThatCannotHappenFails) {
    File("not-executable", "#!/bin/sh\n", false);
    File("no-interpreter-line", "exit 0\n"); // no shell takes it over
    fs::create_directories(dir / "folder");
    for (const char* name : {"absent", "not-executable", "no-interpreter-line", "folder"})
        EXPECT_FALSE(PosixPlatform("").StartProgram((dir / name).string())) << name;
    EXPECT_FALSE(PosixPlatform("").StartProgram(""));
    EXPECT_EQ(ChildCount(), 0);
}

} // namespace
