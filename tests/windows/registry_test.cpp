// Registry reads through the Windows layer against the real registry.

#include "platform.h"
#include "sysinfo.h"
#include "temporaryvalue.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

namespace zevodave {
namespace {

using namespace std::string_literals;

constexpr const char* kTestKey = "SOFTWARE\\ZevodaveTest";
constexpr const char* kStoredName = "Stored";

struct ReadRow {
    const char* name;
    DWORD type;
    std::string stored;
    bool denyWriting = false;
    std::string readKey = kTestKey;
    std::string readName = kStoredName;
    // What the layer returns (nullopt: absent) and what GetKeyValue makes of
    // it (nullopt: false).
    std::optional<RegistryValue> read;
    std::optional<std::string> keyVal;
};

// Names the row in the test list and in failures.
void PrintTo(const ReadRow& row, std::ostream* out) {
    *out << row.name;
}

std::string Text(std::size_t length) {
    return std::string(length, 'x');
}
std::string Terminated(const std::string& text) {
    return text + '\0';
}

const ReadRow kReadRows[] = {
    {"StringReadsWithItsZero", REG_SZ, "C:\\Tools\\tool.exe\0"s, false, kTestKey, kStoredName,
     RegistryValue{kRegSz, "C:\\Tools\\tool.exe\0"s}, "C:\\Tools\\tool.exe"},
    {"StringOf1024BytesWithItsZeroReadsWhole", REG_SZ, Terminated(Text(1023)), false, kTestKey,
     kStoredName, RegistryValue{kRegSz, Terminated(Text(1023))}, Text(1023)},
    {"StringOf1025BytesIsAbsent", REG_SZ, Terminated(Text(1024)), false, kTestKey, kStoredName,
     std::nullopt, std::nullopt},
    {"StringWithoutZeroReadsWhole", REG_SZ, "C:\\tool.exe", false, kTestKey, kStoredName,
     RegistryValue{kRegSz, "C:\\tool.exe"}, "C:\\tool.exe"},
    {"NumberReadsAsItsFourBytes", REG_DWORD, "\x02\x01\0\0"s, false, kTestKey, kStoredName,
     RegistryValue{kRegDword, "\x02\x01\0\0"s}, "258"},
    {"ExpandableStringReadsButIsNoPath", REG_EXPAND_SZ, "%SystemRoot%\\tool.exe\0"s, false,
     kTestKey, kStoredName, RegistryValue{kRegExpandSz, "%SystemRoot%\\tool.exe\0"s}, std::nullopt},
    {"KeyThatDeniesWritingStillReads", REG_SZ, "C:\\tool.exe\0"s, true, kTestKey, kStoredName,
     RegistryValue{kRegSz, "C:\\tool.exe\0"s}, "C:\\tool.exe"},
    {"MissingValueIsAbsent", REG_SZ, "C:\\tool.exe\0"s, false, kTestKey, "Other", std::nullopt,
     std::nullopt},
    {"MissingKeyIsAbsent", REG_SZ, "C:\\tool.exe\0"s, false, kTestKey + "\\Absent"s, kStoredName,
     std::nullopt, std::nullopt},
};

class ReadValueTest : public ::testing::TestWithParam<ReadRow> {};

TEST_P(ReadValueTest, ReadsWhatTheRegistryHolds) {
    const ReadRow& row = GetParam();
    test::TemporaryValue value(kTestKey, kStoredName);
    value.Set(row.type, row.stored);
    if (row.denyWriting) {
        value.DenyWriting();
    }
    const auto platform = MakePlatform();

    const auto read = platform->ReadValue(kHKeyLocalMachine, row.readKey, row.readName);
    ASSERT_EQ(read.has_value(), row.read.has_value());
    if (read) {
        EXPECT_EQ(read->type, row.read->type);
        EXPECT_EQ(read->bytes, row.read->bytes);
    }

    std::string keyVal = "earlier content";
    EXPECT_EQ(GetKeyValue(*platform, kHKeyLocalMachine, row.readKey, row.readName, keyVal),
              row.keyVal.has_value());
    EXPECT_EQ(keyVal, row.keyVal.value_or(""));
}

INSTANTIATE_TEST_SUITE_P(Registry, ReadValueTest, ::testing::ValuesIn(kReadRows),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace zevodave
