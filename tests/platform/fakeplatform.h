#pragma once
// A platform whose registry, files and startable programs a test sets up,
// and which records what was read, checked and started.

#include "platform.h"

#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace zevodave::testing {

class FakePlatform : public Platform {
  public:
    // Any type, any bytes, as a registry read would return them.
    void SetValue(std::string key, std::string name, std::uint32_t type, std::string bytes,
                  std::uint32_t root = kHKeyLocalMachine) {
        values_[{root, std::move(key), std::move(name)}] = RegistryValue{type, std::move(bytes)};
    }

    std::optional<RegistryValue> ReadValue(std::uint32_t keyRoot, std::string_view keyName,
                                           std::string_view valueName) override {
        reads.push_back(std::string(keyName) + "|" + std::string(valueName));
        const auto found = values_.find({keyRoot, std::string(keyName), std::string(valueName)});
        return found == values_.end() ? std::nullopt : std::optional(found->second);
    }
    bool NormalFileExists(std::string_view path) override {
        checkedFiles.emplace_back(path);
        return files.contains(std::string(path));
    }
    bool StartProgram(std::string_view path) override {
        if (!programs.contains(std::string(path)))
            return false;
        started.emplace_back(path);
        return true;
    }

    std::set<std::string> files;    // normal files that exist
    std::set<std::string> programs; // files that start when asked
    std::vector<std::string> reads; // "key|value", in order
    std::vector<std::string> checkedFiles;
    std::vector<std::string> started;

  private:
    std::map<std::tuple<std::uint32_t, std::string, std::string>, RegistryValue> values_;
};

} // namespace zevodave::testing
