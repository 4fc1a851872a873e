#pragma once
// Finding and starting the system-information tool for the about window.

#include "platform.h"

#include <functional>
#include <string>
#include <string_view>

namespace zevodave {

inline constexpr std::string_view kSysInfoUnavailable =
    "System Information Is Unavailable At This Time";

// Where the tool is looked up, in this order: first the program file itself,
// then the folder that holds the tool file, to which the separator and the
// file name in kSysInfoFileSuffix are always added.
inline constexpr std::string_view kSysInfoPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr std::string_view kSysInfoPathValue = "PATH";
inline constexpr std::string_view kSysInfoFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr std::string_view kSysInfoFolderValue = "MSINFO";
inline constexpr std::string_view kSysInfoFileSuffix = "\\MSINFO32.EXE";

// Reads one registry value as text into `keyVal`: a string (REG_SZ) without
// its terminating zero, a number (REG_DWORD) in decimal. True when the key was
// opened and such a value read; false, with `keyVal` empty, otherwise (also
// for a value of any other type). Throws std::runtime_error for a value read
// with size 0.
bool GetKeyValue(Platform& platform, std::uint32_t keyRoot, std::string_view keyName,
                 std::string_view subKeyRef, std::string& keyVal);

// Starts the system-information tool: the program named by "PATH" under
// "SOFTWARE\Microsoft\Shared Tools\MSINFO", else MSINFO32.EXE in the folder
// named by "MSINFO" under "SOFTWARE\Microsoft\Shared Tools Location".
// Every failure ends in `showUnavailable` (which shows kSysInfoUnavailable).
void StartSysInfo(Platform& platform, const std::function<void()>& showUnavailable);

} // namespace zevodave
