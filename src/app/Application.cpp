#include "app/Application.h"

#include <cstdio>
#include <exception>

#include "app/CommandLine.h"
#include "app/Platform.h"
#include "app/Translation.h"
#include "app/Unit1.h"

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    bool handled = false;
    RunGuarded([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

void ShowCurrentException()
{
    try {
        throw;
    } catch (const std::exception& error) {
        ShowException(QString::fromUtf8(error.what()));
    } catch (...) {
        ShowException(QString());
    }
}

namespace {

// Prints what the command line asks for and gives the exit status.
int Finish(const StartRequest& request)
{
    std::fputs(request.output.toLocal8Bit().constData(), stdout);
    std::fputs(request.errorOutput.toLocal8Bit().constData(), stderr);
    return request.exitCode;
}

}  // namespace

int RunTarvolin(int& argc, char** argv)
{
    // The language is the locale's from the first word on, --help included.
    InstallTranslations();
    // --help and --version are answered before any display is needed, so they work where none
    // is. Anything the first look cannot place may be one of Qt's own options (-platform,
    // -style...), which the application object takes out; the second look is the strict one.
    {
        QStringList raw;
        for (int i = 0; i < argc; ++i)
            raw.append(QString::fromLocal8Bit(argv[i]));
        const StartRequest early = ParseCommandLine(raw);
        if (!early.start && early.exitCode == 0)
            return Finish(early);
    }

    TApplication application(argc, argv);
    InstallTranslations();
    QApplication::setApplicationName(QStringLiteral("Veldrin"));
    // Lets Wayland desktops match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("tarvolin"));
    const StartRequest request = ParseCommandLine(QCoreApplication::arguments());
    if (!request.start)
        return Finish(request);

    RunGuarded([&] {
        TForm1 form;
        StartWindow(form, request);
        QApplication::exec();
    });
    return 0;
}
