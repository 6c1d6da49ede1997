#include "StartupProbe.h"

#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QWidget>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#ifdef _WIN32
#include <windows.h>
#include <psapi.h>
#endif

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

    // The process's own high-water mark. The parent cannot take it from wait4(): a child
    // started with vfork, as posix_spawn does, inherits the parent's mark across exec.
    static long PeakResidentKiB()
    {
        long kib = -1;
#ifdef _WIN32
        PROCESS_MEMORY_COUNTERS counters{};
        if (K32GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters))
            kib = static_cast<long>(counters.PeakWorkingSetSize / 1024);
#else
        if (FILE* status = std::fopen("/proc/self/status", "r")) {
            char line[256];
            while (std::fgets(line, sizeof line, status))
                if (std::sscanf(line, "VmHWM: %ld kB", &kib) == 1)
                    break;
            std::fclose(status);
        }
#endif
        return kib;
    }

    static void Report()
    {
        // steady_clock is CLOCK_MONOTONIC on Linux, the clock the benchmark reads in the parent.
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        std::printf("shown %lld %ld\n",
                    static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()),
                    PeakResidentKiB());
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
