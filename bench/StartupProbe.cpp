#include "StartupProbe.h"

#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

class ShownWatcher : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // The window system exposes the main window; Qt paints it while handling this very
        // event, so a call queued now runs once the first frame is complete.
        if (!done && event->type() == QEvent::Expose) {
            auto* window = qobject_cast<QWindow*>(watched);
            if (window && window->isExposed() && IsMainWindow(window)) {
                done = true;
                QMetaObject::invokeMethod(qApp, &ShownWatcher::Report, Qt::QueuedConnection);
            }
        }
        return false;
    }

private:
    static bool IsMainWindow(QWindow* window)
    {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (qobject_cast<QMainWindow*>(widget) && widget->windowHandle() == window)
                return true;
        return false;
    }

    static void Report()
    {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        std::printf("shown %lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
        std::fflush(stdout);
        QCoreApplication::quit();
    }

    bool done = false;
};

void Install()
{
    qApp->installEventFilter(new ShownWatcher(qApp));
}

} // namespace

void InstallStartupProbe()
{
    if (std::getenv("TARVOLIN_EXIT_AFTER_SHOW"))
        qAddPreRoutine(Install);
}
