#include "app/Application.h"

#include <exception>

#include "app/Platform.h"
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

int RunTarvolin(int& argc, char** argv)
{
    TApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Veldrin"));
    // Lets Wayland desktops match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("tarvolin"));
    RunGuarded([] {
        TForm1 form;
        form.show();
        QApplication::exec();
    });
    return 0;
}
