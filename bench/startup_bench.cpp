// The start-up benchmark: starts Zevodave and the bare window of the same
// shape in turn, on each Qt platform asked for, and measures for every start
// the time from exec to the first window painted and the peak memory up to
// then. Prints the medians and Zevodave's ratios to the bare window, and ends
// with status 1 when a ratio is beyond its goal.
//
//   startup_bench --program PATH --bare PATH --probe LIBRARY
//                 [--runs N] [--warmup N] [--platforms xcb,offscreen]
//
// The probe library (shownprobe.cpp) is preloaded into both programs alike
// and reports the moment of the first paint; the xcb platform needs DISPLAY.

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

constexpr double kTimeGoal = 1.25;
constexpr double kMemoryGoal = 1.15;
constexpr int kMinimumRuns = 11;
constexpr int kDefaultRuns = 15;
constexpr int kDefaultWarmup = 2;
// A start that has shown nothing by then has failed.
constexpr int kShowTimeoutMilliseconds = 30'000;
// The descriptor the probe writes to, in the started program.
constexpr int kReportFd = 3;
constexpr long long kNanosecondsPerMillisecond = 1'000'000;
constexpr long long kNanosecondsPerSecond = 1'000'000'000;
constexpr double kKibPerMib = 1024.0;
constexpr std::size_t kReportBufferSize = 64;

struct Options {
    std::string program;
    std::string bare;
    std::string probe;
    int runs = kDefaultRuns;
    int warmup = kDefaultWarmup;
    std::vector<std::string> platforms{"xcb", "offscreen"};
};

struct Sample {
    double milliseconds;
    double mebibytes;
};

enum class Target { Program, Bare };
constexpr std::array kTargets{Target::Program, Target::Bare};

std::string_view TargetName(Target target) {
    return target == Target::Program ? "zevodave" : "bare window";
}

long long MonotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * kNanosecondsPerSecond + now.tv_nsec;
}

std::optional<int> ParseCount(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0)
        return std::nullopt;
    return value;
}

std::vector<std::string> SplitList(const std::string& text) {
    std::vector<std::string> items;
    std::istringstream stream(text);
    for (std::string item; std::getline(stream, item, ',');) {
        if (!item.empty())
            items.push_back(item);
    }
    return items;
}

std::optional<Options> ParseOptions(int argc, char* argv[]) {
    Options options;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string_view name = argv[i];
        const std::string value = argv[i + 1];
        if (name == "--program") {
            options.program = value;
        } else if (name == "--bare") {
            options.bare = value;
        } else if (name == "--probe") {
            options.probe = value;
        } else if (name == "--platforms") {
            options.platforms = SplitList(value);
        } else if (name == "--runs" || name == "--warmup") {
            const auto count = ParseCount(value);
            if (!count)
                return std::nullopt;
            (name == "--runs" ? options.runs : options.warmup) = *count;
        } else {
            return std::nullopt;
        }
    }
    if (argc % 2 == 0 || options.program.empty() || options.bare.empty() || options.probe.empty() ||
        options.platforms.empty())
        return std::nullopt;
    return options;
}

// The environment of this process with the platform and the probe set.
std::vector<std::string> ChildEnvironment(const std::string& platform, const std::string& probe) {
    const std::map<std::string, std::string> overrides{
        {"QT_QPA_PLATFORM", platform},
        {"LD_PRELOAD", probe},
        {"ZEVODAVE_SHOWN_FD", std::to_string(kReportFd)},
    };
    std::vector<std::string> environment;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string_view text(*entry);
        if (!overrides.contains(std::string(text.substr(0, text.find('=')))))
            environment.emplace_back(text);
    }
    for (const auto& [name, value] : overrides)
        environment.push_back(name + "=" + value);
    return environment;
}

std::vector<char*> CPointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

// Reads the probe's line: the monotonic time of the first paint.
std::optional<long long> ReadShownTime(int fd) {
    pollfd watch{fd, POLLIN, 0};
    std::string line;
    std::array<char, kReportBufferSize> buffer{};
    const long long deadline =
        MonotonicNanoseconds() + kShowTimeoutMilliseconds * kNanosecondsPerMillisecond;
    while (line.find('\n') == std::string::npos) {
        const long long left = (deadline - MonotonicNanoseconds()) / kNanosecondsPerMillisecond;
        if (left <= 0 || poll(&watch, 1, static_cast<int>(left)) <= 0)
            return std::nullopt;
        const ssize_t got = read(fd, buffer.data(), buffer.size());
        if (got <= 0)
            return std::nullopt;
        line.append(buffer.data(), static_cast<std::size_t>(got));
    }
    long long shown = 0;
    const auto [end, error] = std::from_chars(line.data(), line.data() + line.find('\n'), shown);
    if (error != std::errc())
        return std::nullopt;
    return shown;
}

std::optional<Sample> StartOnce(const std::string& path, const std::string& platform,
                                const std::string& probe) {
    std::array<int, 2> report{};
    if (pipe2(report.data(), O_CLOEXEC) != 0)
        return std::nullopt;

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, report[1], kReportFd);
    // Qt's start-up chatter would only mix into the table.
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    std::vector<std::string> arguments{path};
    std::vector<std::string> environment = ChildEnvironment(platform, probe);
    std::vector<char*> argv = CPointers(arguments);
    std::vector<char*> envp = CPointers(environment);

    pid_t child = 0;
    const long long started = MonotonicNanoseconds();
    const int spawned =
        posix_spawn(&child, path.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(report[1]);
    if (spawned != 0) {
        close(report[0]);
        std::fprintf(stderr, "cannot start %s: %s\n", path.c_str(), std::strerror(spawned));
        return std::nullopt;
    }

    const std::optional<long long> shown = ReadShownTime(report[0]);
    close(report[0]);
    if (!shown)
        kill(child, SIGKILL);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    if (!shown || !WIFEXITED(status) || WEXITSTATUS(status) != EXIT_SUCCESS) {
        std::fprintf(stderr, "%s on %s showed no window\n", path.c_str(), platform.c_str());
        return std::nullopt;
    }
    return Sample{static_cast<double>(*shown - started) /
                      static_cast<double>(kNanosecondsPerMillisecond),
                  static_cast<double>(usage.ru_maxrss) / kKibPerMib};
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

struct Summary {
    double time;
    double timeLow;
    double timeHigh;
    double memory;
};

Summary Summarise(const std::vector<Sample>& samples) {
    std::vector<double> times;
    std::vector<double> memories;
    for (const Sample& sample : samples) {
        times.push_back(sample.milliseconds);
        memories.push_back(sample.mebibytes);
    }
    return {Median(times), *std::min_element(times.begin(), times.end()),
            *std::max_element(times.begin(), times.end()), Median(memories)};
}

} // namespace

int main(int argc, char* argv[]) {
    const std::optional<Options> options = ParseOptions(argc, argv);
    if (!options) {
        std::fprintf(stderr,
                     "usage: %s --program PATH --bare PATH --probe LIBRARY [--runs N] "
                     "[--warmup N] [--platforms xcb,offscreen]\n",
                     argv[0]);
        return 2;
    }
    if (options->runs < kMinimumRuns) {
        std::fprintf(stderr, "at least %d runs are needed for a median worth reading\n",
                     kMinimumRuns);
        return 2;
    }

    // Each round starts every program once on every platform, the order of
    // the two programs turned round from one round to the next, so that a
    // slow spell of the machine falls on both alike.
    std::map<std::pair<std::string, Target>, std::vector<Sample>> samples;
    for (int round = 0; round < options->warmup + options->runs; ++round) {
        for (const std::string& platform : options->platforms) {
            for (std::size_t turn = 0; turn < kTargets.size(); ++turn) {
                const Target target =
                    kTargets[(turn + static_cast<std::size_t>(round)) % kTargets.size()];
                const std::string& path =
                    target == Target::Program ? options->program : options->bare;
                const std::optional<Sample> sample = StartOnce(path, platform, options->probe);
                if (!sample)
                    return 2;
                if (round >= options->warmup)
                    samples[{platform, target}].push_back(*sample);
            }
        }
    }

    std::printf("Start-up: medians of %d interleaved starts each, after %d warm-up round(s)\n",
                options->runs, options->warmup);
    std::printf("%-10s %-12s %14s %20s %12s\n", "platform", "program", "shown after",
                "(fastest, slowest)", "peak memory");
    bool withinGoals = true;
    for (const std::string& platform : options->platforms) {
        std::map<Target, Summary> summaries;
        for (const Target target : kTargets) {
            const Summary summary = Summarise(samples[{platform, target}]);
            summaries[target] = summary;
            std::printf("%-10s %-12s %11.1f ms %9.1f, %6.1f ms %8.1f MiB\n", platform.c_str(),
                        std::string(TargetName(target)).c_str(), summary.time, summary.timeLow,
                        summary.timeHigh, summary.memory);
        }
        const double timeRatio = summaries[Target::Program].time / summaries[Target::Bare].time;
        const double memoryRatio =
            summaries[Target::Program].memory / summaries[Target::Bare].memory;
        const bool timeOk = timeRatio <= kTimeGoal;
        const bool memoryOk = memoryRatio <= kMemoryGoal;
        withinGoals = withinGoals && timeOk && memoryOk;
        std::printf("%-10s ratio: time %.2f x (goal <= %.2f x, %s), memory %.2f x "
                    "(goal <= %.2f x, %s)\n",
                    platform.c_str(), timeRatio, kTimeGoal, timeOk ? "met" : "MISSED", memoryRatio,
                    kMemoryGoal, memoryOk ? "met" : "MISSED");
    }
    return withinGoals ? EXIT_SUCCESS : EXIT_FAILURE;
}
