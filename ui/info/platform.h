// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#pragma once
// What the about window's System Info button needs of the operating system:
// find the system-information tool, and start it. Windows looks the tool up
// in its registry; Linux and macOS look for a desktop tool on the search
// path; tests use a fake. Standard C++ only, so it builds without Qt.

#include <memory>
#include <string>
#include <string_view>

namespace zevodave {

class Platform {
  public:
    virtual ~Platform() = default;

    // The full path of the system-information tool; empty when there is none.
    // May throw when what names the tool cannot be read.
    virtual std::string FindTool() = 0;

    // Starts the program at exactly `path` in a normal window that takes the
    // focus, without waiting for it; it outlives this program. False when it
    // cannot be started.
    virtual bool StartProgram(std::string_view path) = 0;
};

// The platform this program runs on.
std::unique_ptr<Platform> MakePlatform();

} // namespace zevodave
