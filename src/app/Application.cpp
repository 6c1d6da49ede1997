#include "app/Application.h"

#include <cstdio>

#include "app/CommandLine.h"
#include "concretewindow/Unit1.h"
#include "platform/RunGuarded.h"
#include "platform/Translation.h"

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    bool handled = false;
    RunGuarded([&] { handled = QApplication::notify(receiver, event); });
    return handled;
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
    // The command line is answered before any display is needed: --help, --version and a
    // wrong command line work where there is none (the application object would abort in its
    // platform plugin). Qt's own options are set aside for it; it takes them out itself, and
    // the look after it sees what it left.
    {
        QStringList raw;
        for (int i = 0; i < argc; ++i)
            raw.append(QString::fromLocal8Bit(argv[i]));
        const StartRequest early = ParseCommandLine(WithoutQtOptions(raw));
        if (!early.start)
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
