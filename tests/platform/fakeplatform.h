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

class FakeRegistry : public Registry {
  public:
    std::optional<RegistryValue> ReadValue(std::uint32_t keyRoot, std::string_view keyName,
                                           std::string_view valueName) override {
        const auto found = values.find(std::string(keyName) + '|' + std::string(valueName));
        return keyRoot == kHKeyLocalMachine && found != values.end() ? std::optional(found->second)
                                                                     : std::nullopt;
    }
    bool NormalFileExists(std::string_view path) override {
        return files.contains(std::string(path));
    }

    std::map<std::string, RegistryValue> values; // by "key|value", any type, size and bytes
    std::set<std::string> files;                 // normal files: not hidden, not folders
};

class FakePlatform : public Platform {
  public:
    std::string FindTool() override {
        if (unreadable)
            throw std::runtime_error("unreadable");
        return tool;
    }
    bool StartProgram(std::string_view path) override {
        if (!startable)
            return false;
        started.emplace_back(path);
        return true;
    }

    std::string tool;
    bool unreadable = false;
    bool startable = true;
    std::vector<std::string> started;
};

} // namespace zevodave::testing
