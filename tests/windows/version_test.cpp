// The version record that this test program carries, as Windows reads it
// from the file: the same resource the zevodave executable is built with.

#include "appinfo.h"
#include "sandbox.h"

#include <gtest/gtest.h>

using namespace zevodave;

namespace {

TEST(VersionRecordTest, HoldsTheProgramsTextsAndVersion) {
    const std::string self = test::OwnPath();
    std::vector<BYTE> record(GetFileVersionInfoSizeA(self.c_str(), nullptr));
    ASSERT_FALSE(record.empty()) << "no version record";
    ASSERT_TRUE(GetFileVersionInfoA(self.c_str(), 0, record.size(), record.data()));
    const auto field = [&record](const std::string& name) {
        // U.S. English, Unicode: the one translation the record holds.
        const std::string path = "\\StringFileInfo\\040904B0\\" + name;
        void* text = nullptr;
        UINT length = 0;
        VerQueryValueA(record.data(), path.c_str(), &text, &length);
        return std::string(length > 0 ? static_cast<const char*>(text) : "(missing)");
    };
    EXPECT_EQ(field("FileVersion"), "2.00.0002");
    EXPECT_EQ(field("ProductVersion"), "2.00.0002");
    EXPECT_EQ(field("FileDescription"), "A resistor color calculator");
    EXPECT_EQ(field("Comments"), "To aid electronics students learn resistor color codes");
    EXPECT_EQ(field("ProductName"), kAppTitle);

    void* data = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(record.data(), "\\", &data, &length));
    ASSERT_EQ(length, sizeof(VS_FIXEDFILEINFO));
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(data);
    const DWORD high = MAKELONG(kVersionMinor, kVersionMajor);
    const DWORD low = MAKELONG(kVersionRevision, 0);
    EXPECT_EQ((std::array{fixed->dwFileVersionMS, fixed->dwFileVersionLS, fixed->dwProductVersionMS,
                          fixed->dwProductVersionLS}),
              (std::array{high, low, high, low}));
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
}

TEST(ProgramIconTest, FileCarriesTheIconIn48By48) {
    // The icon group's directory: three 16-bit header fields, then one entry
    // per picture, starting with its width and height in a byte each.
    constexpr std::size_t kFirstEntry = 6;
    constexpr BYTE kIconSize = 48;
    const HRSRC group = FindResourceA(nullptr, MAKEINTRESOURCEA(1), RT_GROUP_ICON);
    ASSERT_NE(group, nullptr) << "no icon";
    ASSERT_GT(SizeofResource(nullptr, group), kFirstEntry + 1);
    const auto* entry =
        static_cast<const BYTE*>(LockResource(LoadResource(nullptr, group))) + kFirstEntry;
    EXPECT_EQ((std::array{entry[0], entry[1]}), (std::array{kIconSize, kIconSize}));
}

} // namespace
