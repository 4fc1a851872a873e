#pragma once
// What the fuzz targets share: stopping at the first broken property, the
// two locales every answer is compared under, and the plain readings of a
// whole number that the engine's answers are held against.

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <locale>
#include <optional>
#include <string>
#include <string_view>

namespace zevodave::fuzz {

// Beyond this many digits a whole number is no longer exact in a double.
inline constexpr std::size_t kExactDigits = 15;
// A colour value has four bytes, two hexadecimal digits each.
inline constexpr std::size_t kColourDigits = 8;
inline constexpr int kHexBase = 16;
// A locale whose decimal separator is the comma; the stage makes sure it exists.
inline constexpr const char* kCommaLocale = "de_DE.UTF-8";

// Ends the run; libFuzzer then keeps the input that broke the property.
inline void Require(bool holds, const char* property) {
    if (holds)
        return;
    std::fprintf(stderr, "property broken: %s\n", property);
    std::abort();
}

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

inline const std::locale& CommaLocale() {
    static const std::locale comma = [] {
        try {
            return std::locale(kCommaLocale);
        } catch (const std::runtime_error&) {
            std::fprintf(stderr, "locale %s is not installed\n", kCommaLocale);
            std::abort();
        }
    }();
    return comma;
}

// The answer of `read` under the "C" locale, required to be the same under a
// decimal-comma locale: a typed value must not change with the user's country.
template <class Read> auto SameInEveryLocale(Read read) {
    std::locale::global(std::locale::classic());
    const auto plain = read();
    std::locale::global(CommaLocale());
    const auto comma = read();
    std::locale::global(std::locale::classic());
    Require(plain == comma, "the answer does not depend on the locale");
    return plain;
}

// The value of a text made only of decimal digits and the blanks a typed
// value may hold, when it has at least one and at most kExactDigits digits.
inline std::optional<double> WholeDecimal(std::string_view text) {
    std::string digits;
    for (char c : text) {
        if (c >= '0' && c <= '9')
            digits += c;
        else if (c != ' ' && c != '\t' && c != '\n')
            return std::nullopt;
    }
    std::uint64_t value = 0;
    if (digits.empty() || digits.size() > kExactDigits)
        return std::nullopt;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return static_cast<double>(value);
}

// The value of a colour code text: "&H" and one to kColourDigits hexadecimal
// digits, up to a character that is neither a hexadecimal digit nor a blank.
inline std::optional<std::uint32_t> ColourCode(std::string_view text) {
    if (text.size() < 2 || text[0] != '&' || (text[1] != 'H' && text[1] != 'h'))
        return std::nullopt;
    const char* first = text.data() + 2;
    const char* last = text.data() + text.size();
    std::uint32_t value = 0;
    const auto [end, ec] = std::from_chars(first, last, value, kHexBase);
    const bool blankAfter = end != last && (*end == ' ' || *end == '\t' || *end == '\n');
    if (ec != std::errc{} || static_cast<std::size_t>(end - first) > kColourDigits || blankAfter)
        return std::nullopt;
    return value;
}

} // namespace zevodave::fuzz
