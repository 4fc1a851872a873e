// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

// The Windows lookup of the system-information tool through a fake registry,
// and what the user gets from StartSysInfo.

#include "platform.h"
#include "sysinfo.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <stdexcept>

using namespace zevodave;

namespace {

// A registry and a platform whose contents a test sets up; the platform
// records what was started.
struct FakeRegistry : Registry {
    std::optional<RegistryValue> ReadValue(std::uint32_t root, std::string_view key,
                                           std::string_view value) override {
        const auto found = values.find(std::string(key) + '|' + std::string(value));
        return root == kHKeyLocalMachine && found != values.end() ? std::optional(found->second)
                                                                  : std::nullopt;
    }
    bool NormalFileExists(std::string_view path) override {
        return files.contains(std::string(path));
    }

    std::map<std::string, RegistryValue> values; // by "key|value", any type, size and bytes
    std::set<std::string> files;                 // normal files: not hidden, not folders
};

struct FakePlatform : Platform {
    std::string FindTool() override {
        return unreadable ? throw std::runtime_error("unreadable") : tool;
    }
    bool StartProgram(std::string_view path) override {
        if (startable)
            started.emplace_back(path);
        return startable;
    }

    std::string tool;
    bool unreadable = false;
    bool startable = true;
    std::vector<std::string> started;
};

// As the fake stores them: "key|value".
const std::string kPathValue = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO|PATH";
const std::string kFolderValue = "SOFTWARE\\Microsoft\\Shared Tools Location|MSINFO";
const std::string kTool = "C:\\Program Files\\Tools\\tool.exe"; // no normal file
const std::string kLong = "C:\\" + std::string(1020, 'x');      // 1024 bytes with its zero
const std::string kFolder = "C:\\MSInfo";
const std::string kFolderTool = kFolder + "\\MSINFO32.EXE";
const std::string kThrows = "(throws)";

// Value types as the registry numbers them, not as the code under test does.
constexpr std::uint32_t kSz = 1, kExpandSz = 2, kDword = 4;

// "PATH" under the MSINFO key, "MSINFO" under Shared Tools Location (a
// string with its zero), and the tool the lookup names, or kThrows.
using Row =
    std::tuple<const char*, std::optional<RegistryValue>, std::optional<std::string>, std::string>;

TEST(RegisteredToolTest, PathFirstThenTheFolderWithItsFile) {
    // clang-format off
    const Row rows[] = {
        {"taken as it is, no file check", RegistryValue{kSz, kTool + '\0'}, kFolder, kTool},
        {"stored without its zero", RegistryValue{kSz, kTool}, {}, kTool},
        {"1024 bytes read whole", RegistryValue{kSz, kLong + '\0'}, kFolder, kLong},
        {"a number is unsigned", RegistryValue{kDword, {1, 0, 0, '\x80'}}, {}, "2147483649"},
        {"a short number: its bytes", RegistryValue{kDword, {2, 1}}, {}, "258"},
        {"size zero cannot be read", RegistryValue{kSz, ""}, kFolder, kThrows},
        {"other types: the folder", RegistryValue{kExpandSz, kTool + '\0'}, kFolder, kFolderTool},
        {"over 1024 bytes: the folder too", RegistryValue{kSz, kLong + "y" + '\0'}, kFolder, kFolderTool},
        {"the separator always added", {}, kFolder + "\\", kFolder + "\\\\MSINFO32.EXE"},
        {"no normal file", {}, "C:\\Hidden", ""}, {"nothing", {}, {}, ""}};
    // clang-format on
    for (const auto& [name, path, folder, tool] : rows) {
        FakeRegistry registry;
        registry.files = {kFolderTool, kFolder + "\\\\MSINFO32.EXE"};
        if (path)
            registry.values[kPathValue] = *path;
        if (folder)
            registry.values[kFolderValue] = {kSz, *folder + '\0'};
        if (tool == kThrows)
            EXPECT_THROW(RegisteredTool(registry), std::runtime_error) << name;
        else
            EXPECT_EQ(RegisteredTool(registry), tool) << name;
    }
}

TEST(StartSysInfoTest, StartsTheToolOrShowsTheMessage) {
    // The tool found, whether its lookup can be read, whether it starts; and
    // whether it was started (else the message shows).
    // clang-format off
    const std::tuple<const char*, std::string, bool, bool, bool> rows[] = {
        {"started", kTool, true, true, true}, {"none found", "", true, true, false},
        {"not started", kTool, true, false, false}, {"unreadable", kTool, false, true, false}};
    // clang-format on
    for (const auto& [name, tool, readable, startable, started] : rows) {
        SCOPED_TRACE(name);
        FakePlatform platform;
        platform.tool = tool, platform.unreadable = !readable, platform.startable = startable;
        int messages = 0;
        StartSysInfo(platform, [&messages] { ++messages; });
        EXPECT_EQ(platform.started, started ? std::vector{kTool} : std::vector<std::string>{});
        EXPECT_EQ(messages, started ? 0 : 1);
    }
}

} // namespace
