#include "scratchfolder.h"

#include "helperprogram.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

namespace zevodave::test {
namespace {

namespace fs = std::filesystem;

constexpr std::chrono::milliseconds kPollInterval{20};

// Test names hold '/' (parameterised tests); folders may not.
std::string CurrentTestName() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "." + info->name();
    for (char& c : name) {
        if (c == '/') {
            c = '_';
        }
    }
    return name;
}

std::string TempFolder() {
    std::array<char, MAX_PATH + 1> temp{};
    GetTempPathA(temp.size(), temp.data());
    return temp.data();
}

std::string OwnFolder() {
    std::array<char, MAX_PATH> self{};
    GetModuleFileNameA(nullptr, self.data(), self.size());
    return fs::path(self.data()).parent_path().string();
}

// Hidden, system and read-only files are removed like any other.
void RemoveAll(const std::string& root) {
    std::error_code error;
    for (const auto& entry : fs::recursive_directory_iterator(root, error)) {
        SetFileAttributesA(entry.path().string().c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    fs::remove_all(root, error);
}

// Copies a file, making the folders it goes into.
void CopyTo(const std::string& from, const std::string& to) {
    fs::create_directories(fs::path(to).parent_path());
    EXPECT_TRUE(fs::copy_file(from, to, fs::copy_options::overwrite_existing)) << to;
}

} // namespace

ScratchFolder::ScratchFolder() : root_(TempFolder() + "zevodave-tests\\" + CurrentTestName()) {
    RemoveAll(root_);
    fs::create_directories(root_);
}

ScratchFolder::~ScratchFolder() {
    RemoveAll(root_);
}

std::string ScratchFolder::Path(std::string_view name) const {
    return name.empty() ? root_ : root_ + "\\" + std::string(name);
}

std::string ScratchFolder::AddFolder(std::string_view name) const {
    fs::create_directories(Path(name));
    return Path(name);
}

std::string ScratchFolder::AddFile(std::string_view name, DWORD attributes) const {
    const std::string path = Path(name);
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path) << "test file\n";
    EXPECT_TRUE(SetFileAttributesA(path.c_str(), attributes)) << path;
    return path;
}

std::string ScratchFolder::AddHelperProgram(std::string_view name, bool hold) const {
    const std::string path = Path(name);
    CopyTo(OwnFolder() + "\\" + std::string(kHelperProgramName), path);
    if (!hold) {
        std::ofstream(Marker(path, kReleaseSuffix)) << "";
    }
    return path;
}

bool WaitForFile(const std::string& path) {
    const auto deadline = std::chrono::steady_clock::now() + kHoldLimit;
    while (!fs::exists(path)) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(kPollInterval);
    }
    return true;
}

std::string ReadText(const std::string& path) {
    std::ifstream file(path);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

} // namespace zevodave::test
