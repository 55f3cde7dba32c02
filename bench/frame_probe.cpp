// Loaded into an unchanged Qt Widgets program with LD_PRELOAD, this reports when the program's
// first window frame has been painted, so that the installed vantorelle and the bare window are
// measured the same way. It acts only when the launcher gave it a report descriptor
// (BENCH_REPORT_FD) and writes one line there:
//   frame <CLOCK_MONOTONIC ns> hwm <VmHWM kB> qt <Qt version>
// With BENCH_QUIT_AFTER_FRAME=1 the program is then asked to quit, as if its event loop ended.
#include "bench_support.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <unistd.h>

#include <string>

namespace {

class FirstFrameWatch : public QObject {
  public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!seen_ && event->type() == QEvent::Paint) {
            const auto* widget = qobject_cast<QWidget*>(watched);
            if (widget != nullptr && widget->window()->isVisible()) {
                seen_ = true;
                // The first paint of a shown window runs inside one pass that paints every
                // widget and flushes the frame; the frame is done when that pass has returned
                // to the event loop.
                QMetaObject::invokeMethod(this, &FirstFrameWatch::report, Qt::QueuedConnection);
            }
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    void report() {
        const bench::Nanoseconds at = bench::now();
        QCoreApplication::instance()->removeEventFilter(this);
        const long peak = bench::statusKiB(getpid(), "VmHWM");
        if (!bench::report("frame " + std::to_string(at) + " hwm " + std::to_string(peak) + " qt " +
                           qVersion())) {
            qWarning("frame_probe: the report could not be written");
        }
        if (qEnvironmentVariableIntValue("BENCH_QUIT_AFTER_FRAME") == 1) {
            // Queued, so that it reaches the program's own event loop even if this frame was
            // painted from a loop of its own before it.
            QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                                      Qt::QueuedConnection);
        }
    }

    bool seen_ = false;
};

void watchFirstFrame() {
    if (!qEnvironmentVariableIsSet("BENCH_REPORT_FD")) {
        return;
    }
    QCoreApplication* app = QCoreApplication::instance();
    app->installEventFilter(new FirstFrameWatch(app));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchFirstFrame)
