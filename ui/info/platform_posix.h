#pragma once
// The stand-in for Linux and macOS, which have no registry: the lookup of the
// system-information tool finds a comparable desktop tool on the executable
// search path instead.

#include "platform.h"

#include <string>

namespace zevodave {

class PosixPlatform : public Platform {
  public:
    // `searchPath` lists folders separated by colons, as the PATH variable does.
    explicit PosixPlatform(std::string searchPath);

    // Only "PATH" under "SOFTWARE\Microsoft\Shared Tools\MSINFO" exists: a
    // zero-terminated string with the full path of the first of kinfocenter,
    // hardinfo2 and hardinfo found on the search path. Names compare without
    // regard to case, as the registry does.
    std::optional<RegistryValue> ReadValue(std::uint32_t keyRoot, std::string_view keyName,
                                           std::string_view valueName) override;

    // A regular file (also through a symbolic link) whose name does not start
    // with a dot, the hidden files here.
    bool NormalFileExists(std::string_view path) override;

    // Runs the file at exactly `path`, with no shell, in its own session so it
    // outlives this program. False when it cannot be run.
    bool StartProgram(std::string_view path) override;

  private:
    std::string searchPath_;
};

} // namespace zevodave
