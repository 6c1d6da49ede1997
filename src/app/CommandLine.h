#pragma once

#include <QString>
#include <QStringList>

class TForm1;

// The command line of the window program:
//   tarvolin [LIBRARY]      opens the window, with the library opened in it
//   tarvolin --version      prints the version and ends
//   tarvolin --help         prints the usage and ends
// A wrong command line prints the usage to standard error and ends with status 2.
struct StartRequest {
    bool start = true;      // false: print and end without a window
    int exitCode = 0;
    QString output;         // for standard output
    QString errorOutput;    // for standard error
    QString libraryPath;    // empty: start with an empty list
};

// arguments include the program name first, like QCoreApplication::arguments().
StartRequest ParseCommandLine(const QStringList& arguments);

// The arguments without the options every Qt program takes (-platform NAME, -style=NAME,
// -reverse...; also spelt with two dashes), which the application object takes out itself.
// The command line can then be judged in full before the application object, which needs a
// display, is made.
QStringList WithoutQtOptions(const QStringList& arguments);

QString UsageText();
QString VersionText();

// Shows the window and opens the requested library in it; a refused library is reported in a
// box over the window, which then stays empty.
void StartWindow(TForm1& form, const StartRequest& request);
