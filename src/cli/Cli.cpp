#include "cli/Cli.h"

#include <QCoreApplication>
#include <QByteArray>
#include <QLocale>
#include <algorithm>
#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "cli/CliCommand.h"
#include "cli/Console.h"
#include "formats/AtomicFile.h"
#include "platform/Translation.h"

namespace {

constexpr const char* kProgram = "tarvolin-cli";

const CliOption kOutputFile{"output", "FILE", QT_TRANSLATE_NOOP("Cli", "the file to write; - for standard output")};
// The strengths every --grade and --steel is filled on; library files carry their own.
const CliOption kBasisOptions[] = {
    {"basis", "B", QT_TRANSLATE_NOOP("Cli", "strengths of --grade and --steel: characteristic (default), mean or design")},
    {"cv", "X", QT_TRANSLATE_NOOP("Cli", "coefficient of variation delta c (delta s), with --basis mean: 0 < X < 0.6")},
};

// One entry per command.
const std::vector<CliCommand>& Commands()
{
    static std::vector<CliCommand> commands{
        {"parameters", "--grade G | --steel GRADE [--basis B [--cv X]] [--json]",
         QT_TRANSLATE_NOOP("Cli", "the name and the values that picking grade G (or steel GRADE) fills in"),
         QT_TRANSLATE_NOOP("Cli",
         "Prints what the definition fields show once grade G is picked in the window: the\n"
         "strength basis, the name and Ec, fc,r, ft,r, the peak strains (10-6) and the shape\n"
         "parameters, with the decimal separator of the locale. With --json: the same\n"
         "unrounded, as JSON numbers (strains in m/m), with \"basis\" (and \"cv\").\n"
         "With --steel GRADE instead: what the steel window's fields show for a reinforcing\n"
         "steel grade (HPB300, HRB335, HRB400, HRBF400, RRB400, HRB500, HRBF500) on the basis:\n"
         "the name, Es, fy, fst, the yield strain, euy (an assumption: the code gives none) and\n"
         "eu; with --json the library's keys name, Es, fy, fst, euy, eu, basis (and cv).\n"),
         false, false, false,
         {{"grade", "G", QT_TRANSLATE_NOOP("Cli", "the strength grade fcu,k (N/mm2), e.g. 30 or 22.5")},
          {"steel", "GRADE", QT_TRANSLATE_NOOP("Cli", "a reinforcing steel grade, e.g. HRB400")},
          {"json", nullptr, QT_TRANSLATE_NOOP("Cli", "print JSON with full-precision numbers")}},
         RunParameters},
        {"library", "[SOURCES] -o LIB.json",
         QT_TRANSLATE_NOOP("Cli", "write the concretes and steels into one library file"),
         QT_TRANSLATE_NOOP("Cli",
         "Writes the concretes and the steels of SOURCES, in order, into a library file that the\n"
         "window opens (File > Open Library...). Without steels it is a version-1 library, as\n"
         "before steels existed; with steels version 2.\n"),
         true, true, false, {kOutputFile}, RunLibrary},
        {"csv", "[SOURCES] -o FILE.csv [--separator . | ,]",
         QT_TRANSLATE_NOOP("Cli", "write the CSV file that Save Data writes"),
         QT_TRANSLATE_NOOP("Cli",
         "Writes exactly the bytes that Save Data writes for the same concretes: every concrete,\n"
         "shown or hidden, in order.\n"),
         true, true, false,
         {kOutputFile,
          {"separator", "SEP", QT_TRANSLATE_NOOP("Cli", "the decimal separator of the numbers: . or , (default: the locale's)")}},
         RunCsv},
        {"steel-csv", "[SOURCES] -o FILE.csv [--separator . | ,]",
         QT_TRANSLATE_NOOP("Cli", "write the steel CSV file: parameters and corner points"),
         QT_TRANSLATE_NOOP("Cli",
         "Writes every steel of SOURCES, shown or hidden, in order: a table of the parameters,\n"
         "then the corner points of each steel's curve (origin, yield, start of hardening,\n"
         "ultimate), numbers as in the concrete CSV file.\n"),
         true, true, false,
         {kOutputFile,
          {"separator", "SEP", QT_TRANSLATE_NOOP("Cli", "the decimal separator of the numbers: . or , (default: the locale's)")}},
         RunSteelCsv},
        {"pictures",
         "[SOURCES] -o FOLDER [--format bmp|png|svg|pdf] [--width W] [--height H] [--scale 1|2|3]",
         QT_TRANSLATE_NOOP("Cli", "write Compression, Tension (and Steel) pictures of the charts"),
         QT_TRANSLATE_NOOP("Cli",
         "Writes the Compression and Tension charts, with the curves of the shown concretes, as\n"
         "Save Picture does: FOLDER/Compression.bmp and FOLDER/Tension.bmp. When SOURCES hold\n"
         "steels, the steel chart too, with the curves of the shown steels, as FOLDER/Steel.bmp.\n"
         "FOLDER is created when it does not exist. --width and --height set the size of every\n"
         "picture in pixels (16 to 10000; each side not given stays the chart's own, 585 x 223,\n"
         "585 x 203 and 585 x 396) and --scale gives a PNG twice or three times the pixels with\n"
         "the same look, as the window's picture options do.\n"),
         true, true, true,
         {{"output", "FOLDER", QT_TRANSLATE_NOOP("Cli", "the folder to write into")},
          {"format", "FORMAT", QT_TRANSLATE_NOOP("Cli", "bmp (default), png, svg or pdf")},
          {"width", "W", QT_TRANSLATE_NOOP("Cli", "the width of every picture in pixels, 16 to 10000")},
          {"height", "H", QT_TRANSLATE_NOOP("Cli", "the height of every picture in pixels, 16 to 10000")},
          {"scale", "1|2|3", QT_TRANSLATE_NOOP("Cli", "PNG only: 2 or 3 times the pixels each way (1)")}},
         RunPictures},
        {"abaqus", "[SOURCES] -o FILE.inp|FILE.py [options]",
         QT_TRANSLATE_NOOP("Cli", "write Abaqus concrete damaged plasticity input"),
         QT_TRANSLATE_NOOP("Cli",
         "Writes what the window's Export > Abaqus writes for the shown concretes of SOURCES (the\n"
         "ones the export dialog starts with checked; the ones pictures draws), in order: an\n"
         "input file (.inp) or an Abaqus/CAE script (.py), as the suffix of FILE says unless\n"
         "--output does; inp for -o - and other suffixes. A concrete the writer refuses (e.g. a\n"
         "curve that ends before its peak) fails the command and nothing is written; names\n"
         "that had to change for Abaqus are noted on stderr.\n"
         "\n"
         "--damage unloading, the default, takes the compression damage from the code's\n"
         "unloading rule (C.2.5): Abaqus derives exactly the code's plastic strain (held at the\n"
         "largest damage reached beyond about 2.9 eps_c). Tension keeps energy, as before,\n"
         "unless --tension-damage says otherwise; every other --damage serves both curves.\n"
         "--damage code leaves Abaqus no plastic strain: the effective stress climbs to\n"
         "hundreds of N/mm2 and CDP analyses often fail to converge (a warning on stderr);\n"
         "birtel-mark makes a share --bc/--bt of the inelastic strain plastic.\n"
         "--tension displacement needs --crack-band H.\n"
         "The shown steels follow the concretes: *Elastic and *Plastic, true stress against\n"
         "logarithmic plastic strain within 0.1 % of the curve up to eu (or the nominal values).\n"),
         true, true, false,
         {{"output", "FILE", QT_TRANSLATE_NOOP("Cli", "the file to write; - for standard output")},
          {"units", "mm|m", QT_TRANSLATE_NOOP("Cli", "N, mm, MPa (default) or N, m, Pa")},
          {"poisson", "X", QT_TRANSLATE_NOOP("Cli", "Poisson's ratio, 0 <= X < 0.5 (0.2)")},
          {"dilation", "X", QT_TRANSLATE_NOOP("Cli", "dilation angle in degrees, 0 < X < 90 (30)")},
          {"eccentricity", "X", QT_TRANSLATE_NOOP("Cli", "flow potential eccentricity, X > 0 (0.1)")},
          {"fb0-fc0", "X", QT_TRANSLATE_NOOP("Cli", "biaxial to uniaxial compressive strength, X > 1 (1.16)")},
          {"k", "X", QT_TRANSLATE_NOOP("Cli", "K, 0.5 < X <= 1 (0.6667)")},
          {"viscosity", "X", QT_TRANSLATE_NOOP("Cli", "viscosity parameter, X >= 0 (0.0005)")},
          {"elastic-limit", "X", QT_TRANSLATE_NOOP("Cli", "compression elastic limit, fraction of fc, 0 < X <= 1 (0.4)")},
          {"e0", "ec|secant", QT_TRANSLATE_NOOP("Cli", "E0: Ec (default) or the secant to the elastic limit")},
          {"damage", "RULE", QT_TRANSLATE_NOOP("Cli", "unloading (default), energy, code, birtel-mark or none")},
          {"tension-damage", "RULE", QT_TRANSLATE_NOOP("Cli", "tension's own: energy, code, birtel-mark or none (as --damage; energy with unloading)")},
          {"bc", "X", QT_TRANSLATE_NOOP("Cli", "birtel-mark's plastic share in compression, 0 < X <= 1 (0.7)")},
          {"bt", "X", QT_TRANSLATE_NOOP("Cli", "birtel-mark's plastic share in tension, 0 < X <= 1 (0.1)")},
          {"tension", "TYPE", QT_TRANSLATE_NOOP("Cli", "strain (default) or displacement: u = cracking strain x H")},
          {"crack-band", "H", QT_TRANSLATE_NOOP("Cli", "crack-band width (element size) in the units' length, H > 0")},
          {"rows", "N", QT_TRANSLATE_NOOP("Cli", "at most N rows per table, 3 <= N <= 100000 (40)")},
          {"model", "NAME", QT_TRANSLATE_NOOP("Cli", "the model of the CAE script (Model-1)")},
          {"steel-plastic", "true|nominal", QT_TRANSLATE_NOOP("Cli", "steels' *Plastic: true (default) or nominal values")},
          {"steel-poisson", "X", QT_TRANSLATE_NOOP("Cli", "steels' Poisson's ratio, 0 <= X < 0.5 (0.3)")},
          {"output-type", "inp|py", QT_TRANSLATE_NOOP("Cli", "input file or CAE script (default: from FILE)")}},
         RunAbaqus},
        {"opensees", "[SOURCES] -o FILE.tcl|FILE.py [--first-tag N] [--format tcl|py] [options]",
         QT_TRANSLATE_NOOP("Cli", "write OpenSees ConcreteD materials (and steel materials)"),
         QT_TRANSLATE_NOOP("Cli",
         "Writes what the window's Export > OpenSees writes for the shown concretes of SOURCES\n"
         "(the ones the export dialog starts with checked; the ones pictures draws), in order:\n"
         "one uniaxialMaterial ConcreteD per concrete, as Tcl (.tcl) or OpenSeesPy (.py), as the\n"
         "suffix of FILE says unless --format does; tcl for -o - and other suffixes.\n"
         "ConcreteD follows the code's compression curve exactly, but its tension curve\n"
         "differs from the code's by some 4 to 13 % of ft (the export dialog shows both).\n"
         "The shown steels follow, their tags after the concretes': Hysteretic with the code's\n"
         "curve as its envelope, or Steel02 with --steel-material steel02.\n"),
         true, true, false,
         {kOutputFile,
          {"first-tag", "N", QT_TRANSLATE_NOOP("Cli", "the tag of the first material; the others follow (1)")},
          {"format", "tcl|py", QT_TRANSLATE_NOOP("Cli", "Tcl or OpenSeesPy (default: from FILE)")},
          {"eps-sp", "X", QT_TRANSLATE_NOOP("Cli", "ConcreteD's plastic-strain parameter epssp, X > 0 (0.25)")},
          {"eta-p", "X", QT_TRANSLATE_NOOP("Cli", "ConcreteD's plastic-strain parameter etap, X > 0 (1.15)")},
          {"steel-material", "hysteretic|steel02", QT_TRANSLATE_NOOP("Cli", "the steels' material (hysteretic)")}},
         RunOpenSees},
        {"cyclic", "[SOURCES] --history LIST -o FILE.csv [--step S]",
         QT_TRANSLATE_NOOP("Cli", "write the repeated-load paths of the shown concretes and steels"),
         QT_TRANSLATE_NOOP("Cli",
         "Writes the path that each shown concrete and steel of SOURCES follows through the\n"
         "strain history LIST, concretes first, then steels, each in order: concrete after\n"
         "GB 50010-2010 C.2.5 (unloading and reloading along one line toward the plastic strain)\n"
         "and C.2.6, steel after C.1.3. LIST is strains in m/m separated by commas, each with a\n"
         "decimal point, compression negative and tension positive as finite-element programs\n"
         "take them; the first value is the start, reached along the envelope. Example:\n"
         "  --history 0,-0.002,-0.001,-0.004,-0.0025,-0.008\n"
         "The file: the line material,strain,stress, then one line a point, stress in N/mm2:\n"
         "every value of LIST exactly, the corners of the rules, and between them points at\n"
         "most S apart in strain (default 0.00001); at most 10000000 points in all.\n"
         "Where the code is silent: concrete that crosses into tension cracks at its plastic\n"
         "strain and unloads along its secant (1 - dt) Ec toward that point; a bar reversed\n"
         "before its stress reaches zero goes back along the same elastic line and takes up its\n"
         "branch again where it left it; a bar reversed on a reloading curve unloads along Es\n"
         "and reloads toward the other direction's target; a bar strained beyond eu has failed\n"
         "and carries nothing for the rest of the history.\n"),
         true, true, false,
         {kOutputFile,
          {"history", "LIST", QT_TRANSLATE_NOOP("Cli", "the strains, comma-separated: the start, then where the strain goes")},
          {"step", "S", QT_TRANSLATE_NOOP("Cli", "the largest strain between two points, S > 0 (0.00001)")}},
         RunCyclic},
        {"fit",
         "DATA [--tension-data FILE] [--columns strain,stress|stress,strain] "
         "[--strain-unit m/m|%|permille|microstrain] [--stress-unit MPa|kPa|Pa] [--fix-fc X] "
         "[--fix-ft X] [--fix-modulus EC|--modulus-from-grade G] [--name NAME] [--json] "
         "[-o LIB.json]",
         QT_TRANSLATE_NOOP("Cli", "fit the code's law to a measured stress-strain curve"),
         QT_TRANSLATE_NOOP("Cli",
         "Reads a measured compression curve from DATA (- for standard input) and, with\n"
         "--tension-data, a tension curve, fits the law of GB 50010-2010 Appendix C to each by\n"
         "least squares and prints the fitted values beside the code's values for the nearest\n"
         "grade, with the RMS error, R2 and the points used and left out. Compression gives\n"
         "fc,r (the peak of the fitted curve), the peak strain, ac and Ec (the law's initial\n"
         "slope); tension ft,r, the peak strain and at.\n"
         "\n"
         "Files as testing machines and spreadsheets write them: values separated by commas,\n"
         "semicolons, tabs or blanks, a decimal point or comma, heading and comment lines\n"
         "before the data. A heading naming the columns (strain, stress; any case, in Chinese\n"
         "or as symbols) decides which is which, a unit in brackets the unit; otherwise strain\n"
         "comes first, in m/m, and stress second, in MPa. Compression may be negative.\n"
         "Points of unloading loops are left out: the envelope is fitted. At most 1,000,000\n"
         "points and 100 MiB a file. --columns also takes two column numbers (strain first,\n"
         "counted from 1); it and the units apply to both files.\n"
         "\n"
         "With -o the fitted concrete is written into a library file (-o -: standard output,\n"
         "and the fitted values go to standard error); without --tension-data its tension\n"
         "comes from the code for the nearest grade. --json prints the fitted values under the\n"
         "library's keys (name, Ec, fck, eck, ac, ftk, etk, at) with rms, r2 and points for\n"
         "each branch fitted.\n"),
         false, false, false,
         {{"tension-data", "FILE", QT_TRANSLATE_NOOP("Cli", "a measured tension curve to fit as well")},
          {"columns", "ORDER", QT_TRANSLATE_NOOP("Cli", "strain,stress or stress,strain, or two column numbers (strain first)")},
          {"strain-unit", "UNIT", QT_TRANSLATE_NOOP("Cli", "the strains' unit: m/m, %, permille or microstrain")},
          {"stress-unit", "UNIT", QT_TRANSLATE_NOOP("Cli", "the stresses' unit: MPa (N/mm2), kPa or Pa")},
          {"fix-fc", "X", QT_TRANSLATE_NOOP("Cli", "hold fc,r at X (N/mm2)")},
          {"fix-ft", "X", QT_TRANSLATE_NOOP("Cli", "hold ft,r at X (N/mm2); with --tension-data")},
          {"fix-modulus", "EC", QT_TRANSLATE_NOOP("Cli", "hold Ec at EC (N/mm2)")},
          {"modulus-from-grade", "G", QT_TRANSLATE_NOOP("Cli", "hold Ec at the code's Ec for grade G (fcu,k, N/mm2)")},
          {"name", "NAME", QT_TRANSLATE_NOOP("Cli", "the concrete's name (default: DATA's file name)")},
          {"json", nullptr, QT_TRANSLATE_NOOP("Cli", "print JSON with full-precision numbers")},
          {"output", "LIB.json", QT_TRANSLATE_NOOP("Cli", "write a library holding the fitted concrete; - for standard output")}},
         RunFit, "DATA"},
    };
    static const bool withBasis = [] {
        for (CliCommand& command : commands)
            if (command.takesSources || command.run == RunParameters)
                command.options.insert(command.options.end(), std::begin(kBasisOptions),
                                       std::end(kBasisOptions));
        return true;
    }();
    (void)withBasis;
    return commands;
}

const CliCommand* FindCommand(const QString& name)
{
    for (const CliCommand& command : Commands())
        if (name == QLatin1String(command.name))
            return &command;
    return nullptr;
}

QString Usage()
{
    QString text = ui::translate("Cli",
        "Usage: tarvolin-cli COMMAND [OPTIONS]\n"
        "       tarvolin-cli --help | --version\n"
        "\n"
        "Commands:\n");
    for (const CliCommand& command : Commands())
        text += QStringLiteral("  %1 %2\n      %3\n")
                    .arg(QLatin1String(command.name), QLatin1String(command.synopsis),
                         ui::translate("Cli", command.summary));
    text += ui::translate("Cli",
        "\n"
        "SOURCES: library files (.json) and --grade G, repeatable, taken in order. --grade G is\n"
        "the concrete that picking G in the window and pressing Create Concrete makes (name\n"
        "Con_G, end strains 0.016 and 700 x 10-6). Names must be unique across all sources.\n"
        "--steel GRADE, repeatable too, is the reinforcing steel that picking GRADE in the steel\n"
        "window and pressing Create Steel makes (e.g. HRB400); steels come from library files as\n"
        "well, and their names must be unique among the steels.\n"
        "--basis mean|design fills every --grade and --steel with mean or design strengths\n"
        "instead of characteristic ones (names Con_Gm, HRB400m; Con_Gd, HRB400d); mean needs\n"
        "--cv, the coefficient of variation (delta c, delta s) they share.\n"
        "\n"
        "Run tarvolin-cli COMMAND --help for the options of a command.\n"
        "Exit status: 0 success, 1 an input or output failed, 2 a wrong command line.\n");
    return text;
}

const CliOption* FindOption(const CliCommand& command, const QString& name)
{
    for (const CliOption& option : command.options)
        if (name == QLatin1String(option.name))
            return &option;
    return nullptr;
}

// Abaqus's export dialog calls the choice of input file or script "output", and so does its
// option: there --output names the type and only -o the file.
bool OutputNamesType(const CliCommand& command)
{
    return FindOption(command, QStringLiteral("output-type")) != nullptr;
}

QString CommandUsage(const CliCommand& command)
{
    QString text = ui::translate("Cli", "Usage: tarvolin-cli %1 %2\n")
                       .arg(QLatin1String(command.name), QLatin1String(command.synopsis));
    if (*command.details)
        text += QLatin1Char('\n') + ui::translate("Cli", command.details);
    text += ui::translate("Cli", "\nOptions:\n");
    if (command.takesSources) {
        text += ui::translate("Cli", "  LIBRARY.json           the concretes of a library file\n");
        text += ui::translate("Cli", "  --grade G              the concrete of strength grade G (repeatable)\n");
        text += ui::translate("Cli", "  --steel GRADE          the reinforcing steel of GRADE (repeatable)\n");
    }
    for (const CliOption& option : command.options) {
        if (command.takesSources && qstrcmp(option.name, "grade") == 0)
            continue;
        QString left = QStringLiteral("--") + QLatin1String(option.name);
        if (qstrcmp(option.name, "output") == 0)
            left = OutputNamesType(command) ? QStringLiteral("-o") : QStringLiteral("-o, --output");
        else if (qstrcmp(option.name, "output-type") == 0)
            left = QStringLiteral("--output");
        if (option.value)
            left += QLatin1Char(' ') + QLatin1String(option.value);
        text += QStringLiteral("  %1 %2\n").arg(left, -22).arg(ui::translate("Cli", option.help));
    }
    text += ui::translate("Cli", "  --help                 this help\n");
    return text;
}

void Print(std::FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
    std::fflush(stream);
}

CliArguments Parse(const CliCommand& command, const QStringList& words)
{
    CliArguments parsed;
    bool optionsEnd = false;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString& word = words[i];
        const auto takeValue = [&](const QString& option, std::optional<QString> inline_) {
            if (inline_)
                return *inline_;
            if (i + 1 >= words.size())
                throw CliUsageError(
                    ui::translate("Cli", "%1 needs a value.").arg(option).toStdString());
            return words[++i];
        };

        if (optionsEnd || word == QLatin1String("-") || !word.startsWith(QLatin1Char('-'))) {
            if (command.operands) {
                parsed.operands << word;
                continue;
            }
            if (!command.takesSources)
                throw CliUsageError(
                    ui::translate("Cli", "Unexpected argument \"%1\".").arg(word).toStdString());
            parsed.sources.push_back({CliSource::Kind::Library, word});
            continue;
        }
        if (word == QLatin1String("--")) {
            optionsEnd = true;
            continue;
        }

        QString name;
        std::optional<QString> inlineValue;
        if (word == QLatin1String("-o")) {
            name = QStringLiteral("output");
        } else if (word.startsWith(QLatin1String("--"))) {
            name = word.mid(2);
            const qsizetype equals = name.indexOf(QLatin1Char('='));
            if (equals >= 0) {
                inlineValue = name.mid(equals + 1);
                name.truncate(equals);
            }
            if (name == QLatin1String("output") && OutputNamesType(command))
                name = QStringLiteral("output-type");
            else if (name == QLatin1String("output-type"))
                throw CliUsageError(
                    ui::translate("Cli", "Unknown option \"%1\".").arg(word).toStdString());
        } else {
            throw CliUsageError(ui::translate("Cli", "Unknown option \"%1\".").arg(word).toStdString());
        }

        if (name == QLatin1String("grade") && command.takesSources) {
            parsed.sources.push_back(
                {CliSource::Kind::Grade, takeValue(QStringLiteral("--grade"), inlineValue)});
            continue;
        }
        if (name == QLatin1String("steel") && command.takesSources) {
            parsed.sources.push_back(
                {CliSource::Kind::Steel, takeValue(QStringLiteral("--steel"), inlineValue)});
            continue;
        }
        const CliOption* option = FindOption(command, name);
        if (!option)
            throw CliUsageError(ui::translate("Cli", "Unknown option \"%1\".").arg(word).toStdString());
        const QString shown = name == QLatin1String("output")        ? QStringLiteral("-o")
                              : name == QLatin1String("output-type") ? QStringLiteral("--output")
                                                                     : QStringLiteral("--") + name;
        if (!option->value) {
            if (inlineValue)
                throw CliUsageError(
                    ui::translate("Cli", "%1 takes no value.").arg(shown).toStdString());
            if (!parsed.flags.contains(name))
                parsed.flags << name;
            continue;
        }
        if (parsed.values.contains(name))
            throw CliUsageError(ui::translate("Cli", "%1 is given twice.").arg(shown).toStdString());
        const QString value = takeValue(shown, inlineValue);
        if (value.isEmpty())
            throw CliUsageError(ui::translate("Cli", "%1 needs a value.").arg(shown).toStdString());
        parsed.values.insert(name, value);
    }

    if (parsed.values.contains(QStringLiteral("output"))) {
        parsed.hasOutput = true;
        parsed.output = parsed.values.value(QStringLiteral("output"));
    }
    if (command.needsOutput && !parsed.hasOutput)
        throw CliUsageError(ui::translate("Cli", "-o is missing: say where to write.").toStdString());
    if (command.takesSources && parsed.sources.empty())
        throw CliUsageError(ui::translate("Cli", "No concretes or steels: give library files, --grade G "
                                                 "or --steel GRADE.").toStdString());
    return parsed;
}

char LocaleSeparator()
{
    // As the window reads it: a separator other than one ASCII character falls back to a point.
    const QString point = QLocale::system().decimalPoint();
    return point.size() == 1 && point.at(0).unicode() < 0x80 ? point.at(0).toLatin1() : '.';
}

int RunCommand(const CliCommand& command, const CliArguments& arguments, const CliContext& context)
{
    if (!command.run)
        throw CliFailure(ui::translate("Cli", "The command %1 is not available in this build.")
                             .arg(QLatin1String(command.name))
                             .toStdString());
    // A command that draws starts the application object itself, in the program that draws.
    return command.run(arguments, context);
}

}  // namespace

namespace {

std::vector<std::string>& ProgramArguments()
{
    static std::vector<std::string> words;
    return words;
}

QStringList& CurrentArguments()
{
    static QStringList arguments;
    return arguments;
}

}  // namespace

std::vector<std::string> CliProgramArguments()
{
    std::vector<std::string> words = ProgramArguments();
    QStringList decoded;
    for (const std::string& word : words)
        decoded << QString::fromLocal8Bit(word);
    if (decoded == CurrentArguments())
        return words;
    // RunCli called on its own: its arguments in the locale's encoding.
    words.clear();
    for (const QString& argument : CurrentArguments())
        words.push_back(argument.toLocal8Bit().toStdString());
    return words;
}

void WriteOutput(const CliArguments& arguments, const CliContext& context, const QByteArray& bytes)
{
    if (arguments.output == QLatin1String("-")) {
        const bool written =
            std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), context.out) ==
                std::size_t(bytes.size()) &&
            std::fflush(context.out) == 0;
        if (!written)
            throw CliFailure(ui::translate("Cli", "Cannot write standard output.").toStdString());
        return;
    }
    try {
        WriteFileAtomically(arguments.output, bytes);
    } catch (const std::runtime_error& error) {
        throw CliFailure(error.what());
    }
}

int RunCli(const QStringList& arguments, std::FILE* out, std::FILE* err)
{
    CurrentArguments() = arguments;
    const auto usageError = [&](const QString& message, const QString& usage) {
        Print(err, QStringLiteral("%1: %2\n\n%3").arg(QLatin1String(kProgram), message, usage));
        return 2;
    };

    if (arguments.isEmpty())
        return usageError(ui::translate("Cli", "No command given."), Usage());
    const QString& first = arguments.first();
    if (first == QLatin1String("--help") || first == QLatin1String("-h") ||
        first == QLatin1String("help")) {
        if (arguments.size() == 2) {
            if (const CliCommand* command = FindCommand(arguments[1])) {
                Print(out, CommandUsage(*command));
                return 0;
            }
        }
        Print(out, Usage());
        return 0;
    }
    if (first == QLatin1String("--version")) {
        Print(out, QStringLiteral("%1 %2\n").arg(QLatin1String(kProgram),
                                                 QLatin1String(TARVOLIN_VERSION)));
        return 0;
    }
    const CliCommand* command = FindCommand(first);
    if (!command)
        return usageError(ui::translate("Cli", "Unknown command \"%1\".").arg(first), Usage());

    const QStringList words = arguments.mid(1);
    if (words.contains(QStringLiteral("--help")) || words.contains(QStringLiteral("-h"))) {
        Print(out, CommandUsage(*command));
        return 0;
    }

    const CliContext context{out, err, LocaleSeparator()};
    try {
        const CliArguments parsed = Parse(*command, words);
        return RunCommand(*command, parsed, context);
    } catch (const CliUsageError& error) {
        return usageError(QString::fromUtf8(error.what()), CommandUsage(*command));
    } catch (const std::bad_alloc&) {
        Print(err, ui::translate("Cli", "%1: Out of memory.\n").arg(QLatin1String(kProgram)));
        return 1;
    } catch (const std::exception& error) {
        Print(err, QStringLiteral("%1: %2\n").arg(QLatin1String(kProgram),
                                                  QString::fromUtf8(error.what())));
        return 1;
    }
}

int RunCliMain(int argc, char** argv)
{
    // The language is the locale's, for --help too, before any application object exists.
    InstallTranslations();
    console::Prepare();
    // The bytes as given, for the drawing program that the drawing commands run in.
    ProgramArguments().assign(argv + std::min(argc, 1), argv + argc);
    return RunCli(console::Arguments(argc, argv), stdout, stderr);
}
