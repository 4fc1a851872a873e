#pragma once
// A platform whose registry values, files and startable programs a test sets
// up, and which records what was started.

#include "platform.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace zevodave::testing {

class FakePlatform : public Platform {
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
    bool StartProgram(std::string_view path) override {
        if (missing.contains(std::string(path)))
            return false;
        started.emplace_back(path);
        return true;
    }

    std::map<std::string, RegistryValue> values; // by "key|value", any type, size and bytes
    std::set<std::string> files;                 // normal files: not hidden, not folders
    std::set<std::string> missing;               // programs that fail to start
    std::vector<std::string> started;
};

} // namespace zevodave::testing
