#pragma once
// How the program that the start tests launch reports back. Started from
// PATH, it writes PATH.started at once, holding the show mode it was given,
// waits until PATH.release exists (at most kHoldLimit), then writes
// PATH.finished and ends.

#include <chrono>
#include <string>
#include <string_view>

namespace zevodave::test {

inline constexpr std::string_view kHelperProgramName = "helperprogram.exe";
inline constexpr std::string_view kStartedSuffix = ".started";
inline constexpr std::string_view kReleaseSuffix = ".release";
inline constexpr std::string_view kFinishedSuffix = ".finished";
inline constexpr std::chrono::seconds kHoldLimit{10};

// The show mode written when the starter asked for none.
inline constexpr std::string_view kNoShowMode = "none";

inline std::string Marker(std::string_view program, std::string_view suffix) {
    return std::string(program) + std::string(suffix);
}

} // namespace zevodave::test
