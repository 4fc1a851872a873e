// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

// The version record that this test program carries, as Windows reads it
// from the file: the same resource the zevodave executable is built with.

#include "appinfo.h"
#include "sandbox.h"

#include <gtest/gtest.h>

using namespace zevodave;

namespace {

// clang-format off
constexpr std::pair<const char*, const char*> kFields[] = {
    {"FileVersion", "2.00.0002"}, {"ProductVersion", "2.00.0002"},
    {"ProductName", kAppTitle.data()}, {"FileDescription", "A resistor color calculator"},
    {"Comments", "To aid electronics students learn resistor color codes"}};
// clang-format on

TEST(VersionRecordTest, HoldsTheProgramsTextsAndVersion) {
    const std::string self = test::OwnPath();
    std::vector<BYTE> record(GetFileVersionInfoSizeA(self.c_str(), nullptr));
    ASSERT_TRUE(GetFileVersionInfoA(self.c_str(), 0, record.size(), record.data())) << "no record";
    void* data = nullptr;
    UINT length = 0;
    for (const auto& [name, text] : kFields) {
        // U.S. English, Unicode: the one translation the record holds.
        const std::string path = "\\StringFileInfo\\040904B0\\" + std::string(name);
        ASSERT_TRUE(VerQueryValueA(record.data(), path.c_str(), &data, &length)) << name;
        EXPECT_STREQ(static_cast<const char*>(data), text) << name;
    }

    ASSERT_TRUE(VerQueryValueA(record.data(), "\\", &data, &length));
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(data);
    const DWORD high = MAKELONG(kVersionMinor, kVersionMajor);
    const DWORD low = kVersionRevision;
    EXPECT_EQ((std::array{fixed->dwFileVersionMS, fixed->dwFileVersionLS, fixed->dwProductVersionMS,
                          fixed->dwProductVersionLS}),
              (std::array{high, low, high, low}));
}

} // namespace
