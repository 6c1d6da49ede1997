// The yardstick for a command-line job under Wine: the least a Qt console program does, start
// and end, so that the row shows what Tarvolin's own work adds to starting a program there.

#include <QCoreApplication>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    return 0;
}
