// The version record that this test program carries, as Windows reads it
// from the file: the same resource the zevodave executable is built with.

#include "appinfo.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <vector>

namespace zevodave {
namespace {

// U.S. English, Unicode: the one translation the record holds.
constexpr const char* kStringTable = "\\StringFileInfo\\040904B0\\";

std::vector<BYTE> OwnVersionRecord() {
    std::array<char, MAX_PATH> self{};
    GetModuleFileNameA(nullptr, self.data(), self.size());
    std::vector<BYTE> record(GetFileVersionInfoSizeA(self.data(), nullptr));
    if (record.empty() ||
        !GetFileVersionInfoA(self.data(), 0, static_cast<DWORD>(record.size()), record.data())) {
        record.clear();
    }
    return record;
}

std::string Field(std::vector<BYTE>& record, const std::string& name) {
    void* text = nullptr;
    UINT length = 0;
    const std::string path = kStringTable + name;
    if (!VerQueryValueA(record.data(), path.c_str(), &text, &length) || length == 0) {
        return "(missing)";
    }
    return static_cast<const char*>(text);
}

// The zero-filled form the record uses, 2.00.0002 for version 2.0.2.
std::string FilledVersion() {
    constexpr std::size_t kLongest = 32;
    std::array<char, kLongest> text{};
    std::snprintf(text.data(), text.size(), "%d.%02d.%04d", kVersionMajor, kVersionMinor,
                  kVersionRevision);
    return text.data();
}

TEST(VersionRecordTest, TextsAreTheProgramsOwn) {
    auto record = OwnVersionRecord();
    ASSERT_FALSE(record.empty()) << "no version record";
    EXPECT_EQ(FilledVersion(), "2.00.0002");
    EXPECT_EQ(Field(record, "FileVersion"), FilledVersion());
    EXPECT_EQ(Field(record, "ProductVersion"), FilledVersion());
    EXPECT_EQ(Field(record, "FileDescription"), "A resistor color calculator");
    EXPECT_EQ(Field(record, "Comments"), "To aid electronics students learn resistor color codes");
    EXPECT_EQ(Field(record, "ProductName"), kAppTitle);
}

TEST(VersionRecordTest, FixedNumbersAreTheProgramVersion) {
    auto record = OwnVersionRecord();
    ASSERT_FALSE(record.empty()) << "no version record";
    void* data = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(record.data(), "\\", &data, &length));
    ASSERT_EQ(length, sizeof(VS_FIXEDFILEINFO));
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(data);
    EXPECT_EQ(fixed->dwSignature, VS_FFI_SIGNATURE);
    const DWORD high = MAKELONG(kVersionMinor, kVersionMajor);
    const DWORD low = MAKELONG(kVersionRevision, 0);
    EXPECT_EQ(fixed->dwFileVersionMS, high);
    EXPECT_EQ(fixed->dwFileVersionLS, low);
    EXPECT_EQ(fixed->dwProductVersionMS, high);
    EXPECT_EQ(fixed->dwProductVersionLS, low);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
}

TEST(ProgramIconTest, FileCarriesTheIconIn48By48) {
    // The icon group's directory: three 16-bit header fields, then one entry
    // per picture, starting with its width and height in a byte each.
    constexpr std::size_t kFirstWidth = 6;
    constexpr std::size_t kFirstHeight = 7;
    constexpr BYTE kIconSize = 48;
    HRSRC group = FindResourceA(nullptr, MAKEINTRESOURCEA(1), RT_GROUP_ICON);
    ASSERT_NE(group, nullptr) << "no icon";
    ASSERT_GT(SizeofResource(nullptr, group), kFirstHeight);
    const auto* directory = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, group)));
    EXPECT_EQ(directory[kFirstWidth], kIconSize);
    EXPECT_EQ(directory[kFirstHeight], kIconSize);
}

} // namespace
} // namespace zevodave
