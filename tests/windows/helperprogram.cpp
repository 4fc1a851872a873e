// A stand-in for the system-information tool: it tells the tests that it ran,
// how it was asked to show its window and when it ends. A windowed program,
// because that is what a start must not wait for.

#include "helperprogram.h"

#include <windows.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <thread>

namespace {

constexpr std::chrono::milliseconds kPollInterval{20};

void Write(const std::string& path, const std::string& text) {
    std::ofstream(path) << text;
}

} // namespace

int main() {
    using namespace zevodave::test;
    std::array<char, MAX_PATH> self{};
    GetModuleFileNameA(nullptr, self.data(), self.size());
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    GetStartupInfoA(&startup);
    Write(Marker(self.data(), kStartedSuffix), (startup.dwFlags & STARTF_USESHOWWINDOW) != 0
                                                   ? std::to_string(startup.wShowWindow)
                                                   : std::string(kNoShowMode));

    const auto deadline = std::chrono::steady_clock::now() + kHoldLimit;
    while (!std::filesystem::exists(Marker(self.data(), kReleaseSuffix)) &&
           std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(kPollInterval);
    }
    Write(Marker(self.data(), kFinishedSuffix), "");
    return 0;
}
