// What the engine's two per-action rules cost on their own: the result line
// from four band positions, and the judgement of a typed band value.

#include "bands.h"
#include "resistance.h"
#include "typedentry.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

namespace {

struct Positions {
    int first;
    int second;
    int multiplier;
    int tolerance;
};

// Every combination of positions a window can hand over, nothing chosen
// included, so the figure is the mean over all the line's shapes.
std::vector<Positions> EveryCombination() {
    const auto count = [](int band) { return static_cast<int>(zevodave::EntryTexts(band).size()); };
    std::vector<Positions> all;
    for (int first = zevodave::kNoPosition; first < count(zevodave::kFirstDigitBand); ++first)
        for (int second = zevodave::kNoPosition; second < count(zevodave::kSecondDigitBand);
             ++second)
            for (int multiplier = zevodave::kNoPosition;
                 multiplier < count(zevodave::kMultiplierBand); ++multiplier)
                for (int tolerance = zevodave::kNoPosition;
                     tolerance < count(zevodave::kToleranceBand); ++tolerance)
                    all.push_back({first, second, multiplier, tolerance});
    return all;
}

void BM_ResistanceText(benchmark::State& state) {
    const std::vector<Positions> all = EveryCombination();
    std::size_t next = 0;
    for (auto _ : state) {
        const Positions& p = all[next];
        benchmark::DoNotOptimize(
            zevodave::ResistanceText(p.first, p.second, p.multiplier, p.tolerance));
        next = next + 1 == all.size() ? 0 : next + 1;
    }
}
BENCHMARK(BM_ResistanceText);

struct Typed {
    int band;
    std::string_view text;
};

// What users type: values each band has, the texts the fields show, and
// values a band lacks.
constexpr std::array kTypedTexts{
    Typed{0, "4"},    Typed{1, "7"},     Typed{2, "2"},      Typed{3, "5"},
    Typed{0, " 4.5"}, Typed{2, "*10^2"}, Typed{2, "*10^-1"}, Typed{3, "5 %"},
    Typed{0, "12"},   Typed{3, "3"},     Typed{1, "&H7"},    Typed{0, "four"},
};

void BM_TypedPosition(benchmark::State& state) {
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            zevodave::TypedPosition(kTypedTexts[next].band, kTypedTexts[next].text));
        next = next + 1 == kTypedTexts.size() ? 0 : next + 1;
    }
}
BENCHMARK(BM_TypedPosition);

} // namespace

BENCHMARK_MAIN();
