#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "formats/LibraryFile.h"
#include "model/Registry.h"
#include "model/StrengthBasis.h"

// The pieces every command of tarvolin-cli is made of. A command is one entry of the table in
// Cli.cpp: its name, its help, the options it takes and its handler.

// An input or output failed: exit status 1. The message names the file, the concrete and the
// field where there are such.
class CliFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The command line is wrong: exit status 2, the message and the command's usage on stderr.
class CliUsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A library file, a strength grade or a steel grade, in the order given.
struct CliSource {
    enum class Kind { Library, Grade, Steel };
    Kind kind;
    QString text;  // the path, or the grade as typed
};

struct CliOption {
    const char* name;   // without the leading "--"
    const char* value;  // the value's placeholder in the help; nullptr for a flag
    const char* help;
};

// A parsed command line.
struct CliArguments {
    std::vector<CliSource> sources;
    QString output;  // "-": standard output
    bool hasOutput = false;
    QMap<QString, QString> values;  // options with a value, by name
    QStringList flags;              // options without a value that were given
    QStringList operands;           // the command's own files, in order (CliCommand::operands)

    bool Flag(const char* name) const { return flags.contains(QLatin1String(name)); }
    QString Value(const char* name, const QString& fallback = {}) const
    {
        return values.value(QLatin1String(name), fallback);
    }
    bool Has(const char* name) const { return values.contains(QLatin1String(name)); }
};

struct CliContext {
    std::FILE* out;
    std::FILE* err;
    // The decimal separator of the user's locale, read as the window reads it.
    char localeSeparator;
};

struct CliCommand {
    const char* name;
    const char* synopsis;  // after "tarvolin-cli NAME "
    const char* summary;   // one line for the command list
    const char* details;   // paragraphs for NAME --help; may be empty
    bool takesSources;     // library files, --grade G and --steel GRADE
    bool needsOutput;      // -o is required
    bool draws;            // needs the application object (offscreen)
    std::vector<CliOption> options;
    // Returns the exit status; throws CliFailure or CliUsageError. nullptr: not in this build.
    int (*run)(const CliArguments&, const CliContext&);
    // The placeholder of the files a command takes by themselves (fit: DATA); nullptr: none.
    const char* operands = nullptr;
};

// Writes bytes to the output of -o: standard output for "-", otherwise the file, atomically.
// Throws CliFailure naming the file and the reason.
void WriteOutput(const CliArguments& arguments, const CliContext& context, const QByteArray& bytes);

// Bytes printed whole to a standard stream, or a failure (CliCommands.cpp).
void PrintStream(std::FILE* stream, const QByteArray& bytes);

// The concretes and steels of every source, in order, with their shown flags. Refuses the
// first source that fails and, after all were read, every name that more than one concrete (or
// more than one steel) bears.
MaterialLibrary LoadMaterials(const CliArguments& arguments, const CliContext& context,
                              char separator);
// The concretes of LoadMaterials.
ConcreteRegistry LoadSources(const CliArguments& arguments, const CliContext& context,
                             char separator);

// The arguments of RunCliMain, without the program name, as the bytes it was given.
std::vector<std::string> CliProgramArguments();

// The handlers (CliCommands.cpp; RunPictures: CliPictures.cpp in tarvolin-cli-draw, the program
// that draws, and CliDrawStub.cpp in tarvolin-cli, which starts it).
int RunParameters(const CliArguments& arguments, const CliContext& context);
int RunLibrary(const CliArguments& arguments, const CliContext& context);
int RunCsv(const CliArguments& arguments, const CliContext& context);
int RunSteelCsv(const CliArguments& arguments, const CliContext& context);
int RunPictures(const CliArguments& arguments, const CliContext& context);
int RunAbaqus(const CliArguments& arguments, const CliContext& context);
int RunOpenSees(const CliArguments& arguments, const CliContext& context);
int RunCyclic(const CliArguments& arguments, const CliContext& context);  // CliCyclic.cpp
int RunFit(const CliArguments& arguments, const CliContext& context);  // CliFit.cpp

// The text followed by blanks up to the given width on a terminal, where a Chinese character
// takes two columns (CliCommands.cpp).
QString PaddedToColumns(const QString& text, int columns);

// The strength basis of the --grade sources, from --basis and --cv. Throws CliUsageError naming
// the option for a basis that is not known, a δc that is missing, not a number or out of
// range, and --cv without a mean basis.
struct GradeBasis {
    StrengthBasis basis = StrengthBasis::Characteristic;
    double cv = 0;
};
GradeBasis ReadBasisArguments(const CliArguments& arguments);

// A grade as typed after --grade, read with either decimal separator. Throws CliUsageError with
// the window's words for a text that is not a number, a grade not greater than zero and, given
// the basis, a grade whose values on it overflow.
double ReadGradeArgument(const QString& text, const GradeBasis* basis = nullptr);
