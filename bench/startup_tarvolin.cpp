// Tarvolin exactly as shipped, started through its own start-up code, with the probe that lets
// the start-up benchmark stop it once its main window is on screen.

#include "StartupProbe.h"
#include "app/Application.h"

int main(int argc, char** argv)
{
    InstallStartupProbe();
    return RunTarvolin(argc, argv);
}
