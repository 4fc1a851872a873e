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
    // Stores a value as the registry would return it: any type, any bytes.
    void SetValue(std::uint32_t root, std::string key, std::string name, std::uint32_t type,
                  std::string bytes) {
        values_[{root, std::move(key), std::move(name)}] = RegistryValue{type, std::move(bytes)};
    }
    void AddFile(std::string path) { files_.insert(std::move(path)); }
    // A path that StartProgram accepts; every other start fails.
    void AddProgram(std::string path) { programs_.insert(std::move(path)); }

    std::optional<RegistryValue> ReadValue(std::uint32_t keyRoot, std::string_view keyName,
                                           std::string_view valueName) override {
        reads.emplace_back(std::string(keyName) + "|" + std::string(valueName));
        const auto found = values_.find({keyRoot, std::string(keyName), std::string(valueName)});
        if (found == values_.end())
            return std::nullopt;
        return found->second;
    }

    bool NormalFileExists(std::string_view path) override {
        checkedFiles.emplace_back(path);
        return files_.contains(std::string(path));
    }

    bool StartProgram(std::string_view path) override {
        startAttempts.emplace_back(path);
        const bool startable = programs_.contains(std::string(path));
        if (startable)
            started.emplace_back(path);
        return startable;
    }

    // "key|value" for every read, in order.
    std::vector<std::string> reads;
    std::vector<std::string> checkedFiles;
    std::vector<std::string> startAttempts;
    std::vector<std::string> started;

  private:
    std::map<std::tuple<std::uint32_t, std::string, std::string>, RegistryValue> values_;
    std::set<std::string> files_;
    std::set<std::string> programs_;
};

} // namespace zevodave::testing
