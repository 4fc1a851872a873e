// Loaded into a program by the start-up benchmark (LD_PRELOAD), the same way
// into Zevodave and into the bare window: when the first window has been
// painted and handed to the screen it writes the monotonic clock, in
// nanoseconds, to the descriptor named by ZEVODAVE_SHOWN_FD and ends the
// process on the spot, so that its peak memory is the peak up to that moment.

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWindow>

#include <charconv>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

constexpr auto kReportFdVariable = "ZEVODAVE_SHOWN_FD";
constexpr long long kNanosecondsPerSecond = 1'000'000'000;

std::optional<int> ReportFd() {
    const char* text = std::getenv(kReportFdVariable);
    if (text == nullptr)
        return std::nullopt;
    const std::string_view view(text);
    int fd = -1;
    const auto [end, error] = std::from_chars(view.data(), view.data() + view.size(), fd);
    if (error != std::errc() || end != view.data() + view.size() || fd < 0)
        return std::nullopt;
    return fd;
}

class ShownProbe : public QObject {
  public:
    ShownProbe(int fd, QObject* parent) : QObject(parent), fd_(fd) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!reported_ && event->type() == QEvent::Expose && watched->isWindowType() &&
            static_cast<QWindow*>(watched)->isExposed()) {
            reported_ = true;
            // Queued behind the expose, which paints the window and flushes
            // it to the screen before the event loop comes round again.
            QTimer::singleShot(0, this, &ShownProbe::Report);
        }
        return false;
    }

  private:
    void Report() const {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        const std::string line =
            std::to_string(now.tv_sec * kNanosecondsPerSecond + now.tv_nsec) + "\n";
        const bool written =
            write(fd_, line.data(), line.size()) == static_cast<ssize_t>(line.size());
        std::_Exit(written ? EXIT_SUCCESS : EXIT_FAILURE);
    }

    int fd_;
    bool reported_ = false;
};

// Runs inside the QApplication constructor, before any window exists.
void InstallProbe() {
    if (const auto fd = ReportFd()) {
        QCoreApplication* app = QCoreApplication::instance();
        app->installEventFilter(new ShownProbe(*fd, app));
    }
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallProbe)
