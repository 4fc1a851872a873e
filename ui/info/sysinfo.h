// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#pragma once
// Starting the system-information tool for the about window, and the Windows
// registry lookup that names it there. Standard C++ only: the lookup builds
// and is tested everywhere.

#include "platform.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace zevodave {

// Starts the tool the platform finds. Every failure, a tool that cannot be
// found, read or started, ends in `showUnavailable`, which says so in the
// about window's words.
void StartSysInfo(Platform& platform, const std::function<void()>& showUnavailable);

// Registry roots and value types, as the registry numbers them.
inline constexpr std::uint32_t kHKeyLocalMachine = 0x80000002;
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegDword = 4;

// A value is read through a buffer of this many bytes; a larger value counts
// as absent.
inline constexpr std::size_t kValueBufferSize = 1024;

// Where Windows names the tool, in this order: first the program file itself,
// then the folder that holds the tool file, to which the separator and the
// file name in kSysInfoFileSuffix are always added.
inline constexpr std::string_view kSysInfoPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr std::string_view kSysInfoPathValue = "PATH";
inline constexpr std::string_view kSysInfoFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr std::string_view kSysInfoFolderValue = "MSINFO";
inline constexpr std::string_view kSysInfoFileSuffix = "\\MSINFO32.EXE";

// A registry value as the read returned it: its type and the bytes stored
// (the returned size, at most kValueBufferSize; string values usually end in
// their terminating zero).
struct RegistryValue {
    std::uint32_t type = 0;
    std::string bytes;
};

// The registry and the file system as the Windows lookup uses them.
class Registry {
  public:
    virtual ~Registry() = default;

    // Reads value `valueName` of key `keyName` below the root key `keyRoot`,
    // opening the key for reading only. nullopt when the key cannot be opened
    // or the value cannot be read (missing, or larger than the buffer).
    virtual std::optional<RegistryValue> ReadValue(std::uint32_t keyRoot, std::string_view keyName,
                                                   std::string_view valueName) = 0;

    // True when `path` names an existing normal file: not a folder, not
    // hidden, not a system file. No wildcard matching.
    virtual bool NormalFileExists(std::string_view path) = 0;
};

// Reads one registry value as text into `keyVal`: a string (REG_SZ) without
// its terminating zero, a number (REG_DWORD) in decimal. True when the key was
// opened and such a value read; false, with `keyVal` empty, otherwise (also
// for a value of any other type). Throws std::runtime_error, naming the value,
// for a value read with size 0.
bool GetKeyValue(Registry& registry, std::uint32_t keyRoot, std::string_view keyName,
                 std::string_view subKeyRef, std::string& keyVal);

// The tool as the registry names it: the program named by "PATH" under
// kSysInfoPathKey, taken as it is, else MSINFO32.EXE in the folder named by
// "MSINFO" under kSysInfoFolderKey when it is a normal file there. Empty when
// neither names it.
std::string RegisteredTool(Registry& registry);

} // namespace zevodave
