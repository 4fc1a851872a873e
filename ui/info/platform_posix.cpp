#include "platform_posix.h"

#include "sysinfo.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zevodave {

namespace {

// In order of preference: the KDE and the GTK system-information tools.
constexpr std::array<std::string_view, 3> kToolNames = {"kinfocenter", "hardinfo2", "hardinfo"};

// What the shells search when PATH is not set at all.
constexpr std::string_view kDefaultSearchPath = "/usr/bin:/bin";
constexpr char kSearchPathSeparator = ':';

// Exit status of the helper process when it could not start the program.
constexpr int kStartFailedStatus = 127;

bool SameName(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

bool IsExecutableFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           ::access(path.c_str(), X_OK) == 0;
}

// The first tool found, trying every folder for one tool before the next
// tool. Relative folders are skipped: what they name depends on the current
// folder, which is no place to take a program from.
std::string FindTool(std::string_view searchPath) {
    for (const std::string_view tool : kToolNames) {
        std::string_view rest = searchPath;
        while (!rest.empty()) {
            const std::size_t end = std::min(rest.find(kSearchPathSeparator), rest.size());
            const std::string_view folder = rest.substr(0, end);
            rest.remove_prefix(std::min(end + 1, rest.size()));
            if (folder.empty() || folder.front() != '/')
                continue;
            std::string candidate(folder);
            candidate += '/';
            candidate += tool;
            if (IsExecutableFile(candidate))
                return candidate;
        }
    }
    return {};
}

// Reports errno to the waiting parent; nothing more can be done if that fails.
void ReportStartError(int pipeEnd) {
    const int error = errno;
    [[maybe_unused]] const ssize_t written = ::write(pipeEnd, &error, sizeof error);
}

} // namespace

PosixPlatform::PosixPlatform(std::string searchPath) : searchPath_(std::move(searchPath)) {}

std::optional<RegistryValue> PosixPlatform::ReadValue(std::uint32_t keyRoot,
                                                      std::string_view keyName,
                                                      std::string_view valueName) {
    if (keyRoot != kHKeyLocalMachine || !SameName(keyName, kSysInfoPathKey) ||
        !SameName(valueName, kSysInfoPathValue))
        return std::nullopt;
    std::string bytes = FindTool(searchPath_);
    if (bytes.empty())
        return std::nullopt;
    bytes += '\0';
    if (bytes.size() > kValueBufferSize)
        return std::nullopt;
    return RegistryValue{kRegSz, std::move(bytes)};
}

bool PosixPlatform::NormalFileExists(std::string_view path) {
    if (path.empty() || path.find('\0') != std::string_view::npos)
        return false;
    const std::filesystem::path file(path);
    const std::string name = file.filename().string();
    std::error_code error;
    return !name.empty() && name.front() != '.' && std::filesystem::is_regular_file(file, error);
}

// Forks twice so the program is a child of no process of ours: the helper in
// between is reaped at once, and the program, orphaned, is reaped by the
// system when it ends, so no zombie is left behind. A pipe that closes on exec
// tells whether the program really started: it reads end-of-file after a
// successful exec and the error number otherwise.
bool PosixPlatform::StartProgram(std::string_view path) {
    if (path.empty() || path.find('\0') != std::string_view::npos)
        return false;

    // Everything the child needs is prepared here: between fork and exec only
    // async-signal-safe calls are allowed.
    std::string program(path);
    std::array<char*, 2> argv = {program.data(), nullptr};
    sigset_t noSignalsBlocked;
    sigemptyset(&noSignalsBlocked);

    std::array<int, 2> pipeEnds{};
    if (::pipe(pipeEnds.data()) != 0)
        return false;
    const auto [readEnd, writeEnd] = pipeEnds;
    ::fcntl(readEnd, F_SETFD, FD_CLOEXEC);
    ::fcntl(writeEnd, F_SETFD, FD_CLOEXEC);

    const pid_t helper = ::fork();
    if (helper == 0) {
        ::close(readEnd);
        // Its own session: closing the terminal this program was started
        // from does not end the tool.
        ::setsid();
        const pid_t tool = ::fork();
        if (tool == 0) {
            ::sigprocmask(SIG_SETMASK, &noSignalsBlocked, nullptr);
            ::execv(program.c_str(), argv.data());
            ReportStartError(writeEnd);
            ::_exit(kStartFailedStatus);
        }
        if (tool < 0)
            ReportStartError(writeEnd);
        ::_exit(0);
    }
    ::close(writeEnd);
    if (helper < 0) {
        ::close(readEnd);
        return false;
    }

    int error = 0;
    ssize_t received = 0;
    do {
        received = ::read(readEnd, &error, sizeof error);
    } while (received < 0 && errno == EINTR);
    ::close(readEnd);

    int status = 0;
    while (::waitpid(helper, &status, 0) < 0 && errno == EINTR) {
    }
    return received == 0;
}

std::unique_ptr<Platform> MakePlatform() {
    const char* searchPath = std::getenv("PATH");
    return std::make_unique<PosixPlatform>(searchPath != nullptr ? std::string(searchPath)
                                                                 : std::string(kDefaultSearchPath));
}

} // namespace zevodave
