// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

// A windowed program, because that is what a start must not wait for.

#include "helperprogram.h"

#include <fstream>

int main() {
    using namespace zevodave::test;
    const std::string self = OwnPath();
    STARTUPINFOA startup{};
    GetStartupInfoA(&startup);
    std::ofstream(self + kStarted)
        << ((startup.dwFlags & STARTF_USESHOWWINDOW) != 0 ? startup.wShowWindow : -1);
    WaitForFile(self + kRelease);
    std::ofstream(self + kFinished);
}
