// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#pragma once
// The helper program, a stand-in for the system-information tool: started
// from PATH, it writes PATH.started holding the show mode it was given, waits
// until PATH.release exists (at most kHoldLimit), then writes PATH.finished
// and ends.

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

namespace zevodave::test {

inline constexpr const char* kStarted = ".started";
inline constexpr const char* kRelease = ".release";
inline constexpr const char* kFinished = ".finished";
inline constexpr std::chrono::seconds kHoldLimit{10};
inline constexpr std::chrono::milliseconds kPollInterval{20};

inline std::string OwnPath() {
    std::string self(MAX_PATH, '\0');
    self.resize(GetModuleFileNameA(nullptr, self.data(), self.size()));
    return self;
}

// Waits until `path` exists, for as long as the helper program may take.
inline bool WaitForFile(const std::string& path) {
    for (auto polls = kHoldLimit / kPollInterval; polls-- > 0 && !std::filesystem::exists(path);)
        std::this_thread::sleep_for(kPollInterval);
    return std::filesystem::exists(path);
}

} // namespace zevodave::test
