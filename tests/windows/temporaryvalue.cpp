#include "temporaryvalue.h"

#include <gtest/gtest.h>
#include <sddl.h>

#include <utility>

namespace zevodave::test {
namespace {

// Denies KEY_SET_VALUE and KEY_CREATE_SUB_KEY to everyone and allows the
// rest. Denying all of KEY_WRITE would deny READ_CONTROL, part of every read.
constexpr const char* kDenyWritingSddl = "D:(D;;0x6;;;WD)(A;;KA;;;WD)";

constexpr char kNotAZero = '#';

HKEY Open(const std::string& path, REGSAM access) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, access, &key) != ERROR_SUCCESS) {
        return nullptr;
    }
    return key;
}

} // namespace

TemporaryValue::TemporaryValue(std::string keyPath, std::string valueName)
    : keyPath_(std::move(keyPath)), valueName_(std::move(valueName)) {
    HKEY key = Open(keyPath_, KEY_READ | KEY_SET_VALUE);
    keyExisted_ = key != nullptr;
    if (key == nullptr) {
        return;
    }
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(key, valueName_.c_str(), nullptr, &type, nullptr, &size) ==
        ERROR_SUCCESS) {
        Stored stored{type, std::vector<BYTE>(size)};
        RegQueryValueExA(key, valueName_.c_str(), nullptr, &type, stored.bytes.data(), &size);
        before_ = std::move(stored);
        EXPECT_EQ(RegDeleteValueA(key, valueName_.c_str()), ERROR_SUCCESS) << valueName_;
    }
    RegCloseKey(key);
}

TemporaryValue::~TemporaryValue() {
    if (!savedSecurity_.empty()) {
        if (HKEY key = Open(keyPath_, WRITE_DAC)) {
            RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, savedSecurity_.data());
            RegCloseKey(key);
        }
    }
    if (!keyExisted_) {
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, keyPath_.c_str());
        return;
    }
    if (HKEY key = Open(keyPath_, KEY_SET_VALUE)) {
        if (before_) {
            RegSetValueExA(key, valueName_.c_str(), 0, before_->type, before_->bytes.data(),
                           before_->bytes.size());
        } else {
            RegDeleteValueA(key, valueName_.c_str());
        }
        RegCloseKey(key);
    }
}

void TemporaryValue::Set(DWORD type, std::string_view bytes) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, keyPath_.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS)
        << keyPath_;
    // The registry adds the zero to a string stored without one when the byte
    // after the data happens to be zero; a non-zero byte there stores the
    // bytes exactly as given.
    std::string data(bytes);
    data += kNotAZero;
    EXPECT_EQ(RegSetValueExA(key, valueName_.c_str(), 0, type,
                             reinterpret_cast<const BYTE*>(data.data()), bytes.size()),
              ERROR_SUCCESS)
        << valueName_;
    RegCloseKey(key);
}

void TemporaryValue::DenyWriting() {
    HKEY key = Open(keyPath_, READ_CONTROL | WRITE_DAC);
    ASSERT_NE(key, nullptr) << keyPath_;
    DWORD size = 0;
    RegGetKeySecurity(key, DACL_SECURITY_INFORMATION, nullptr, &size);
    savedSecurity_.resize(size);
    EXPECT_EQ(RegGetKeySecurity(key, DACL_SECURITY_INFORMATION, savedSecurity_.data(), &size),
              ERROR_SUCCESS);
    PSECURITY_DESCRIPTOR denyWriting = nullptr;
    ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorA(
        kDenyWritingSddl, SDDL_REVISION_1, &denyWriting, nullptr));
    EXPECT_EQ(RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, denyWriting), ERROR_SUCCESS);
    LocalFree(denyWriting);
    RegCloseKey(key);

    // The layer is proved read-only only where a write open really fails.
    constexpr REGSAM kReadAndWrite = 0x2003F;
    HKEY writable = Open(keyPath_, kReadAndWrite);
    EXPECT_EQ(writable, nullptr) << "the key still opens for writing";
    if (writable != nullptr) {
        RegCloseKey(writable);
    }
}

} // namespace zevodave::test
