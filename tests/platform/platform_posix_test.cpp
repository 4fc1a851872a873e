// The stand-in platform of Linux and macOS against the real file system and
// process start.

#include "platform_posix.h"
#include "sysinfo.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include <stdlib.h>
#include <sys/wait.h>

namespace fs = std::filesystem;
using namespace zevodave;

namespace {

constexpr int kTries = 250;
constexpr std::chrono::milliseconds kPollInterval{20};

// A fresh folder for each test, removed afterwards.
class PosixPlatformTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_NE(::mkdtemp(dirName.data()), nullptr); }
    void TearDown() override { fs::remove_all(dir()); }

    fs::path dir() const { return dirName; }
    std::string File(const std::string& name, const std::string& content = "",
                     fs::perms perms = fs::perms::owner_all) const {
        std::ofstream(dir() / name) << content;
        fs::permissions(dir() / name, perms);
        return (dir() / name).string();
    }
    // No process of ours is left, not even a zombie.
    static bool NoChildren() { return ::waitpid(-1, nullptr, WNOHANG) == -1 && errno == ECHILD; }

    std::string dirName = (fs::temp_directory_path() / "zevodave-XXXXXX").string();
    PosixPlatform platform{""};
};

TEST_F(PosixPlatformTest, NormalFilesAreRegularAndNotDotFiles) {
    EXPECT_TRUE(platform.NormalFileExists(File("MSINFO32.EXE")));
    EXPECT_FALSE(platform.NormalFileExists(File(".MSINFO32.EXE")));
    EXPECT_FALSE(platform.NormalFileExists(dir().string())); // a folder
}

// A program that cannot start fails. The script waits for "go", which comes
// only once the start has returned: a start that waited would hang. Read as a
// command line, "my tool" would run "my".
TEST_F(PosixPlatformTest, StartsTheExactPathDetachedWithoutWaitingOrFails) {
    EXPECT_FALSE(platform.StartProgram(File("not-executable", "", fs::perms::owner_read)));
    const std::string go = (dir() / "go").string(), done = (dir() / "done").string();
    ASSERT_TRUE(platform.StartProgram(
        File("my tool",
             "#!/bin/sh\nuntil [ -e '" + go + "' ]; do sleep 0.02; done\n: > '" + done + "'\n")));
    EXPECT_TRUE(NoChildren());
    std::ofstream{go};
    for (int tries = 0; tries < kTries && !fs::exists(done); ++tries)
        std::this_thread::sleep_for(kPollInterval);
    EXPECT_TRUE(fs::exists(done));
}

// The tool's path stands where the registry would name it: the first tool in
// order of preference, from any absolute folder of the search path.
TEST_F(PosixPlatformTest, PathValueNamesTheFirstToolFound) {
    const auto lookUp = [this] {
        const auto value = PosixPlatform(dirName + ":" + dirName + "/bin")
                               .ReadValue(kHKeyLocalMachine, kSysInfoPathKey, kSysInfoPathValue);
        return value ? value->bytes : std::string("(absent)");
    };
    fs::create_directories(dir() / "bin");
    File("kinfocenter", "#!/bin/sh\n", fs::perms::owner_read); // not a program
    EXPECT_EQ(lookUp(), "(absent)");
    File("bin/hardinfo", "#!/bin/sh\n");
    EXPECT_EQ(lookUp(), dirName + "/bin/hardinfo" + '\0');
    File("bin/kinfocenter", "#!/bin/sh\n");
    EXPECT_EQ(lookUp(), dirName + "/bin/kinfocenter" + '\0');
}

} // namespace
