#pragma once
// The operating-system services behind the about window's System Info
// button: one registry read, one file check and one program start. Windows
// has the real ones; elsewhere a stand-in finds a comparable tool; tests use
// a fake. Standard C++ only, so it builds without Qt.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace zevodave {

// Registry roots and value types, as the registry numbers them.
inline constexpr std::uint32_t kHKeyLocalMachine = 0x80000002;
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;
inline constexpr std::uint32_t kRegDword = 4;

// A value is read through a buffer of this many bytes; a larger value counts
// as absent.
inline constexpr std::size_t kValueBufferSize = 1024;

// A registry value as the read returned it: its type and the bytes stored
// (the returned size, at most kValueBufferSize; string values usually end in
// their terminating zero).
struct RegistryValue {
    std::uint32_t type = 0;
    std::string bytes;
};

class Platform {
  public:
    virtual ~Platform() = default;

    // Reads value `valueName` of key `keyName` below the root key `keyRoot`,
    // opening the key for reading only. nullopt when the key cannot be opened
    // or the value cannot be read (missing, or larger than the buffer).
    virtual std::optional<RegistryValue> ReadValue(std::uint32_t keyRoot, std::string_view keyName,
                                                   std::string_view valueName) = 0;

    // True when `path` names an existing normal file: not a folder, not
    // hidden, not a system file. No wildcard matching.
    virtual bool NormalFileExists(std::string_view path) = 0;

    // Starts the program at exactly `path` in a normal window that takes the
    // focus, without waiting for it. False when it cannot be started.
    virtual bool StartProgram(std::string_view path) = 0;
};

// The platform this program runs on.
std::unique_ptr<Platform> MakePlatform();

} // namespace zevodave
