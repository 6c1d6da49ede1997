// The yardstick for start-up: the least a Qt Widgets program does to show a main window.

#include <QApplication>
#include <QMainWindow>

#include "StartupProbe.h"

int main(int argc, char** argv)
{
    InstallStartupProbe();
    QApplication application(argc, argv);
    QMainWindow window;
    window.show();
    return QApplication::exec();
}
