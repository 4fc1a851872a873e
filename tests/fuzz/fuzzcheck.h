#pragma once
// What the fuzz targets share: stopping at the first broken property, and the
// two locales every answer is compared under.

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <locale>
#include <optional>
#include <string_view>

namespace zevodave::fuzz {

inline constexpr int kDecimal = 10;
inline constexpr int kHexadecimal = 16;

// Ends the run; libFuzzer then keeps the input that broke the property.
inline void Require(bool holds, const char* property) {
    if (holds)
        return;
    std::fprintf(stderr, "property broken: %s\n", property);
    std::abort();
}

// The answer of `read` under the "C" locale, required to be the same under a
// decimal-comma locale (the stage installs it): a typed value must not change
// with the user's country.
template <class Read> auto SameInEveryLocale(Read read) {
    static const std::locale comma("de_DE.UTF-8");
    std::locale::global(std::locale::classic());
    const auto plain = read();
    std::locale::global(comma);
    const auto other = read();
    std::locale::global(std::locale::classic());
    Require(plain == other, "the answer does not depend on the locale");
    return plain;
}

// The value of a text made only of digits of `base`, when it fits 32 bits.
inline std::optional<std::uint32_t> Digits(std::string_view text, int base) {
    std::uint32_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (ec != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace zevodave::fuzz
