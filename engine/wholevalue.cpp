// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#include "wholevalue.h"

#include "standardvalues.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace zevodave {

namespace {

constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kDigits = "0123456789";
constexpr auto kToleranceSigns = std::to_array<std::string_view>({"+/-", "+-", "\u00B1"});
// "1,000" might be one thousand or one.
constexpr std::size_t kThousandsGroup = 3;
constexpr int kMilli = -1;
// Bytes from here on are part of a character beyond ASCII, such as "\u03A9".
constexpr unsigned char kFirstNonAscii = 0x80;
// A unit symbol, its size in thousands, and whether it is read in any case:
// "m" is milli and "M" mega, so those two are read as written; "Meg" (and
// the "meg" of circuit simulators) cannot be mistaken. Where one symbol
// starts another, the longer comes first.
struct UnitSymbol {
    std::string_view text;
    int unit;
    bool anyCase;
};

constexpr auto kUnitSymbols = std::to_array<UnitSymbol>({
    {"R", 0, true},
    {"\u03A9", 0, true},
    {"k", 1, true},
    {"Meg", 2, true},
    {"M", 2, false},
    {"G", 3, true},
    {"m", kMilli, false},
});
// What may follow a prefix such as "k" ("kOhm", "k ohms", "k\u03A9"), or
// a unit word ("ohms", "kilohms").
constexpr auto kOhmSuffixes = std::to_array<std::string_view>({"ohms", "ohm", "\u03A9"});
constexpr std::string_view kPlural = "s";

std::string_view TrimStart(std::string_view text) {
    return text.substr(std::min(text.find_first_not_of(kBlanks), text.size()));
}

std::string_view TrimEnd(std::string_view text) {
    return text.substr(0, text.find_last_not_of(kBlanks) + 1);
}

std::string_view LeadingDigits(std::string_view text) {
    return text.substr(0, text.find_first_not_of(kDigits));
}

int Lower(char c) {
    return std::tolower(static_cast<unsigned char>(c));
}

bool StartsWith(std::string_view text, std::string_view prefix, bool anyCase) {
    if (!anyCase)
        return text.starts_with(prefix);
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(),
                      [](char a, char b) { return Lower(a) == Lower(b); });
}

// A letter, or the first byte of a character beyond ASCII such as "\u00B5".
bool StartsWithLetter(std::string_view text) {
    return !text.empty() && (std::isalpha(static_cast<unsigned char>(text[0])) != 0 ||
                             static_cast<unsigned char>(text[0]) >= kFirstNonAscii);
}

struct UnitMatch {
    std::size_t length = 0;
    int unit = 0;
};

// The unit word or symbol the text starts with, the longest where several
// do ("Megohm" over "Meg" over "M"); none is a length of 0, ohm.
UnitMatch MatchUnit(std::string_view text) {
    for (int unit = 0; unit < kUnitCount; ++unit) {
        if (!StartsWith(text, UnitWord(unit), true))
            continue;
        const std::size_t length = UnitWord(unit).size();
        return {length + (StartsWith(text.substr(length), kPlural, true) ? kPlural.size() : 0),
                unit};
    }
    for (const UnitSymbol& symbol : kUnitSymbols) {
        if (!StartsWith(text, symbol.text, symbol.anyCase))
            continue;
        if (symbol.unit == 0)
            return {symbol.text.size(), 0};
        const std::string_view after = TrimStart(text.substr(symbol.text.size()));
        for (const std::string_view suffix : kOhmSuffixes) {
            if (StartsWith(after, suffix, true))
                return {text.size() - after.size() + suffix.size(), symbol.unit};
        }
        return {symbol.text.size(), symbol.unit};
    }
    return {};
}

// The colour of the tolerance a percentage written the plain way names
// ("0.5", not "0.50" or ".5"), kNoBand for 20%, or kNoPosition.
int ToleranceColour(std::string_view percent, int bandCount) {
    std::vector<int> colours = RoleColours(bandCount, Role::Tolerance);
    colours.push_back(kNoBand);
    const auto found = std::ranges::find_if(colours, [&](int colour) {
        constexpr long long kHundredthPlaces = -2;
        return percent ==
               NumberText(Normalized({std::to_string(ToleranceOf(colour)), kHundredthPlaces}), 0);
    });
    return found == colours.end() ? kNoPosition : *found;
}

// Why the bands cannot show a value other than zero, with the nearest
// values they do show where only a figure too many stands in the way.
void Refuse(ValueReading& reading) {
    const Decimal& value = reading.value;
    const int count = reading.bandCount;
    const long long figures = FigureCount(count);
    const long long top = value.exponent + static_cast<long long>(value.digits.size()) - 1;
    if (top > kHighestExponent + figures - 1) {
        reading.refusal = Refusal::TooLarge;
    } else if (top > LowestExponent(count) + figures - 2) {
        // From a tenth of an ohm up, only a figure too many keeps the bands
        // from showing a value. Past the largest value the bands show there
        // is no neighbour above.
        const int finest = SeriesCount(count) - 1;
        reading.refusal = Refusal::TooManyFigures;
        reading.below = SeriesNeighbour(finest, value, Direction::Down);
        const Decimal above = SeriesNeighbour(finest, value, Direction::Up);
        if (ValueColours(above, count))
            reading.above = above;
    } else {
        reading.refusal = Refusal::TooFine;
    }
}

} // namespace

Decimal LargestBandValue(int bandCount) {
    return {std::string(static_cast<std::size_t>(FigureCount(bandCount)), '9'), kHighestExponent};
}

Decimal SmallestBandStep(int bandCount) {
    return {"1", LowestExponent(bandCount)};
}

ValueReading ReadWholeValue(std::string_view text, int bandCount) {
    ValueReading reading;
    reading.bandCount = bandCount;
    std::string_view rest = TrimEnd(TrimStart(text));

    if (rest.ends_with('%')) {
        rest = TrimEnd(rest.substr(0, rest.size() - 1));
        std::size_t start = rest.find_last_not_of(kDigits) + 1;
        // A decimal point, with the digits before it ("0.25").
        if (start > 0 && rest[start - 1] == '.')
            start = rest.find_last_not_of(kDigits, start - 2) + 1;
        const std::string_view percent = rest.substr(start);
        rest = TrimEnd(rest.substr(0, start));
        for (std::string_view sign : kToleranceSigns) {
            if (rest.ends_with(sign))
                rest.remove_suffix(sign.size());
        }
        rest = TrimEnd(rest);
        reading.toleranceColour = ToleranceColour(percent, bandCount);
        if (reading.toleranceColour == kNoPosition) {
            reading.refusal = Refusal::Tolerance;
            return reading;
        }
    }

    const std::string_view whole = LeadingDigits(rest);
    rest.remove_prefix(whole.size());
    std::string_view fraction;
    const bool decimalSign = rest.starts_with('.') || rest.starts_with(',');
    if (decimalSign) {
        const bool comma = rest.starts_with(',');
        rest.remove_prefix(1);
        fraction = LeadingDigits(rest);
        rest.remove_prefix(fraction.size());
        if (comma && fraction.size() == kThousandsGroup) {
            reading.refusal = Refusal::CommaThousands;
            return reading;
        }
    }
    const std::string_view unitText = TrimStart(rest);
    const UnitMatch unit = MatchUnit(unitText);
    const bool unitFollows = unitText.size() == rest.size();
    rest = unitText.substr(unit.length);
    // The letter code: the unit stands where the decimal sign would ("4k7").
    // Without a unit, what follows the number never starts with a digit.
    if (!decimalSign && unitFollows && LeadingDigits(rest) == rest) {
        fraction = rest;
        rest = {};
    }
    if (!rest.empty() || whole.size() + fraction.size() == 0) {
        // A number followed by a word no unit starts, or by a unit that runs
        // on into more letters ("kiloohm"): a unit this reading does not know.
        const bool unknown = whole.size() + fraction.size() > 0 && StartsWithLetter(unitText) &&
                             (unit.length == 0 || StartsWithLetter(rest));
        reading.refusal = unknown ? Refusal::Unit : Refusal::NoNumber;
        if (unknown)
            reading.unit = std::string(unitText);
        return reading;
    }

    reading.value = Normalized({std::string(whole) + std::string(fraction),
                                static_cast<long long>(unit.unit) * kPlacesPerUnit -
                                    static_cast<long long>(fraction.size())});
    reading.part = ValueColours(reading.value, bandCount);
    if (!reading.part) {
        Refuse(reading);
        return reading;
    }
    // Five- and six-band parts always carry a tolerance band.
    const int toleranceBand = FigureCount(bandCount) + 1;
    if (reading.toleranceColour != kNoBand || bandCount == kFourBands)
        (*reading.part)[toleranceBand] = reading.toleranceColour;
    if (bandCount == kFourBands) {
        reading.bands = ToPositions(*reading.part);
        reading.tolerance = (*reading.bands)[kToleranceBand];
    }
    return reading;
}

} // namespace zevodave
