// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#pragma once
// A registry and a platform whose contents a test sets up; the platform
// records what was started.

#include "platform.h"
#include "sysinfo.h"

#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace zevodave::testing {

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

} // namespace zevodave::testing
