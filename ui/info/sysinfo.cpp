// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#include "sysinfo.h"

#include <array>
#include <stdexcept>

namespace zevodave {

namespace {

constexpr std::size_t kDwordSize = 4;
constexpr unsigned kBitsPerByte = 8;

// A REG_DWORD is stored little-endian. Missing bytes count as zero, so a
// short value still reads as the number it starts with.
std::uint32_t DwordFromBytes(std::string_view bytes) {
    std::array<unsigned char, kDwordSize> stored{};
    bytes.copy(reinterpret_cast<char*>(stored.data()), stored.size());
    std::uint32_t number = 0;
    for (auto byte = stored.rbegin(); byte != stored.rend(); ++byte)
        number = number << kBitsPerByte | *byte;
    return number;
}

} // namespace

bool GetKeyValue(Registry& registry, std::uint32_t keyRoot, std::string_view keyName,
                 std::string_view subKeyRef, std::string& keyVal) {
    const std::optional<RegistryValue> value = registry.ReadValue(keyRoot, keyName, subKeyRef);
    if (!value || value->bytes.size() > kValueBufferSize) {
        keyVal.clear();
        return false;
    }

    const std::string_view bytes = value->bytes;
    if (bytes.empty())
        throw std::runtime_error(std::string(subKeyRef));

    switch (value->type) {
    case kRegSz: {
        // Drops the terminating zero; a string stored without one is kept whole.
        const bool zeroTerminated = bytes.back() == '\0';
        keyVal = bytes.substr(0, bytes.size() - (zeroTerminated ? 1 : 0));
        return true;
    }
    case kRegDword:
        keyVal = std::to_string(DwordFromBytes(bytes));
        return true;
    default:
        // An expandable string or binary data never names the tool as it is;
        // reporting failure lets the caller try the next place.
        keyVal.clear();
        return false;
    }
}

std::string RegisteredTool(Registry& registry) {
    std::string toolPath;
    if (GetKeyValue(registry, kHKeyLocalMachine, kSysInfoPathKey, kSysInfoPathValue, toolPath))
        return toolPath;
    if (!GetKeyValue(registry, kHKeyLocalMachine, kSysInfoFolderKey, kSysInfoFolderValue, toolPath))
        return {};
    // The separator goes in even after a trailing backslash: the doubled one
    // is harmless to the file system.
    toolPath += kSysInfoFileSuffix;
    return registry.NormalFileExists(toolPath) ? toolPath : std::string{};
}

// Each press looks up afresh: the tool may have been installed since.
void StartSysInfo(Platform& platform, const std::function<void()>& showUnavailable) {
    try {
        // An empty path names no program; some platforms would read an empty
        // command line as a request for something else entirely.
        const std::string tool = platform.FindTool();
        if (!tool.empty() && platform.StartProgram(tool))
            return;
    } catch (const std::exception&) {
        // A value that cannot be read means the same to the user as no tool.
    }
    showUnavailable();
}

} // namespace zevodave
