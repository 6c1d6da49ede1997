#pragma once

#include <QApplication>

// The application object. Qt does not let exceptions cross its event loop, so every event
// delivery is guarded here: an exception that escapes a handler is shown in the error box
// and the run goes on.
class TApplication : public QApplication {
public:
    TApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// Start-up, message loop and shutdown of the program. Returns 0, or the status of a command
// line that asked for help or the version (0) or was wrong (2).
int RunTarvolin(int& argc, char** argv);
