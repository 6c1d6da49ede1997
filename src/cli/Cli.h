#pragma once

#include <QStringList>
#include <cstdio>

// tarvolin-cli: the concretes of library files and of strength grades turned into the files the
// window writes (library, CSV, chart pictures), without a display. The window and this program
// share every rule and writer, so their outputs agree byte for byte.
//
// Exit status: 0 success, 1 an input or output failed (the message on err names the file, the
// concrete and the field; no output file is left behind), 2 a wrong command line (usage on err).

// arguments without the program name. Creates the application object itself when a command
// draws and none exists yet.
int RunCli(const QStringList& arguments, std::FILE* out, std::FILE* err);

// The program's entry: arguments from argv, standard output and standard error.
int RunCliMain(int argc, char** argv);
