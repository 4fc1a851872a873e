// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

// Surface-mount markings: each code read as makers print it, the texts that
// are no marking, and every value the codes show written and read back.

#include "smdcode.h"
#include "standardvalues.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

using namespace zevodave;

namespace {

// Each reading as "kind digits e exponent", readings apart by " / ", or the
// refusal.
std::string Seen(std::string_view text) {
    const MarkingResult result = ReadMarking(text);
    const char* kinds[] = {"zero", "three", "four", "R", "EIA"};
    const char* refusals[] = {"", "empty", "length", "chars", "EIA number", "EIA letter", "form"};
    std::string seen = refusals[static_cast<int>(result.refusal)];
    for (const MarkingReading& reading : result.readings)
        seen += (seen.empty() ? "" : " / ") + std::string(kinds[static_cast<int>(reading.kind)]) +
                " " + reading.value.digits + " e" + std::to_string(reading.value.exponent);
    return seen;
}

TEST(ReadMarking, ReadsEachCodeOrSaysWhyNot) {
    // clang-format off
    const std::tuple<const char*, std::vector<std::string>, std::string> rows[] = {
        {"three digits: two figures and the zeros", {"472", " 472\t"}, "three 47 e2"},
        {"four digits", {"4701"}, "four 470 e1"},
        {"a zero-ohm link", {"0", "000", "0000"}, "zero  e0"},
        {"R as the point", {"4R7", "4r7"}, "R 47 e-1"}, {"R first", {"R100"}, "R 100 e-3"},
        {"R last, and EIA-96 68 with R", {"68R"}, "R 68 e0 / EIA 499 e-2"},
        {"EIA-96 at its ends", {"01Z", "01z"}, "EIA 100 e-3"},
        {"EIA-96 96 with F", {"96F"}, "EIA 976 e5"}, {"EIA-96 with H for B", {"68H"}, "EIA 499 e1"},
        {"EIA-96 with X and S for 0.1", {"01X", "01S"}, "EIA 100 e-1"},
        {"nothing", {"", "  "}, "empty"},
        {"too long", {"47000", std::string(100000, '4')}, "length"},
        {"not a letter or digit", {"4.7", "4%7"}, "chars"},
        {"EIA-96 numbers run 01 to 96", {"00C", "97A"}, "EIA number"},
        {"no EIA-96 letter", {"01K"}, "EIA letter"},
        {"no code's order", {"47X2", "47", "RR7", "4R7R"}, "form"}};
    // clang-format on
    for (const auto& [name, texts, seen] : rows)
        for (const std::string& text : texts)
            EXPECT_EQ(Seen(text), seen) << name << ": " << text;
}

// Every value of three figures or fewer from 0.01 ohm to 999 Gigohm: each
// marking written for it reads back as the same value; EIA-96 writes the
// E96 values, and only those, numbering them 01 to 96 in order.
TEST(MarkingsFor, ReadBackAsTheSameValue) {
    const std::vector<int> e96 = SeriesFigures(SeriesIndex("E96"));
    for (int figures = 1; figures < 1000; ++figures)
        for (long long exponent = -4; exponent <= 9; ++exponent) {
            const Decimal value = Normalized({std::to_string(figures), exponent});
            const ValueMarkings markings = MarkingsFor(value);
            for (const auto& marking : {markings.threeDigits, markings.fourDigits, markings.eia96})
                for (const MarkingReading& reading : ReadMarking(marking.value_or("")).readings)
                    EXPECT_EQ(Normalized(reading.value), value) << *marking;
            const auto index = std::ranges::find(e96, figures) - e96.begin();
            const bool e96Value = index < 96 && exponent >= -3 && exponent <= 5;
            const std::string number =
                e96Value ? (index < 9 ? "0" : "") + std::to_string(index + 1) : "";
            EXPECT_TRUE(figures < 100 || markings.eia96.value_or("").substr(0, 2) == number)
                << figures << "e" << exponent;
        }
    EXPECT_EQ(std::tuple(MarkingsFor({}).fourDigits, MarkingsFor({"5", -2}).threeDigits,
                         MarkingsFor({"5", -3}).threeDigits, MarkingsFor({"47", 0}).fourDigits,
                         MarkingsFor({"1", -1}).fourDigits, MarkingsFor({"99", 9}).threeDigits,
                         MarkingsFor({}).threeDigits, MarkingsFor({"47", 0}).threeDigits),
              std::tuple("0000", "R05", std::nullopt, "47R0", "R100", "999", "000", "470"));
}

} // namespace
