#pragma once
// A registry value below HKEY_LOCAL_MACHINE set for one test and put back as
// it was when the test ends: the value, the key's permissions, and the key
// itself when the test created it. Starts absent.

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zevodave::test {

class TemporaryValue {
  public:
    TemporaryValue(std::string keyPath, std::string valueName);
    ~TemporaryValue();
    TemporaryValue(const TemporaryValue&) = delete;
    TemporaryValue& operator=(const TemporaryValue&) = delete;

    void Set(DWORD type, std::string_view bytes);

    // Lets everyone read the key but nobody, administrators included, set
    // values in it or create keys below it.
    void DenyWriting();

  private:
    struct Stored {
        DWORD type;
        std::vector<BYTE> bytes;
    };

    std::string keyPath_;
    std::string valueName_;
    bool keyExisted_ = false;
    std::optional<Stored> before_;
    std::vector<BYTE> savedSecurity_;
};

} // namespace zevodave::test
