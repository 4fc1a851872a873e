// Preloaded into a program by the start-up benchmark: ends the program the
// moment its first window is on the screen, so that the program's run time
// and peak memory are those of its start-up. It changes nothing else.

#include <QCoreApplication>
#include <QEvent>
#include <QWindow>

#include <cstdlib>

namespace {

class ShownProbe : public QObject {
  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && watched->isWindowType() &&
            static_cast<QWindow*>(watched)->isExposed())
            std::_Exit(EXIT_SUCCESS);
        return false;
    }
};

void InstallProbe() {
    QCoreApplication* app = QCoreApplication::instance();
    app->installEventFilter(new ShownProbe);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallProbe)
