#pragma once
// Finding and starting the system-information tool for the about window.

#include "platform.h"

#include <functional>
#include <string>
#include <string_view>

namespace zevodave {

inline constexpr std::string_view kSysInfoUnavailable =
    "System Information Is Unavailable At This Time";

// Reads one registry value as text into `keyVal`. True when the key was
// opened and a string or number value read; false, with `keyVal` empty,
// otherwise. Throws std::runtime_error for a value read with size 0.
bool GetKeyValue(Platform& platform, std::uint32_t keyRoot, std::string_view keyName,
                 std::string_view subKeyRef, std::string& keyVal);

// Starts the system-information tool: the program named by "PATH" under
// "SOFTWARE\Microsoft\Shared Tools\MSINFO", else MSINFO32.EXE in the folder
// named by "MSINFO" under "SOFTWARE\Microsoft\Shared Tools Location".
// Every failure ends in `showUnavailable` (which shows kSysInfoUnavailable).
void StartSysInfo(Platform& platform, const std::function<void()>& showUnavailable);

} // namespace zevodave
