// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

// A stand-in for the system-information tool that tells the tests it ran, how
// it was asked to show its window and when it ends (see sandbox.h). A windowed
// program, because that is what a start must not wait for.

#include "sandbox.h"

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
