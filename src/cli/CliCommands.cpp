// The handlers of tarvolin-cli's commands.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/CliCommand.h"
#include "export/AtomicFile.h"
#include "export/AbaqusCdp.h"
#include "export/CsvExport.h"
#include "export/OpenSeesWriter.h"
#include "input/FieldText.h"
#include "library/LibraryFile.h"
#include "model/Registry.h"
#include "model/GradeFields.h"
#include "model/NumberText.h"

double ReadGradeArgument(const QString& text)
{
    // Scripts are written once and run under any locale, so either separator is taken.
    const std::string bytes = text.toStdString();
    double grade = 0;
    try {
        grade = StrToFloat(bytes, '.');
    } catch (const ConvertError&) {
        try {
            grade = StrToFloat(bytes, ',');
        } catch (const ConvertError&) {
            throw CliUsageError(
                QStringLiteral("--grade: %1").arg(NotANumberMessage(text)).toStdString());
        }
    }
    if (!(grade > 0))
        throw CliUsageError(QStringLiteral("--grade: %1 fcu,k must be positive!")
                                .arg(Quoted(text))
                                .toStdString());
    return grade;
}

GradeBasis ReadBasisArguments(const CliArguments& arguments)
{
    GradeBasis chosen;
    if (arguments.Has("basis")) {
        const QString key = arguments.Value("basis");
        const std::optional<StrengthBasis> basis = BasisFromKey(key.toStdString());
        if (!basis)
            throw CliUsageError(
                QStringLiteral("--basis must be characteristic, mean or design (not \"%1\").")
                    .arg(key)
                    .toStdString());
        chosen.basis = *basis;
    }
    if (chosen.basis != StrengthBasis::Mean) {
        if (arguments.Has("cv"))
            throw CliUsageError("--cv is for --basis mean only.");
        return chosen;
    }
    if (!arguments.Has("cv"))
        throw CliUsageError("--cv X is missing: --basis mean needs delta c, 0 < X < 0.6.");
    const QString text = arguments.Value("cv");
    const std::string bytes = text.toStdString();
    double cv = 0;
    try {
        cv = StrToFloat(bytes, '.');
    } catch (const ConvertError&) {
        try {
            cv = StrToFloat(bytes, ',');
        } catch (const ConvertError&) {
            throw CliUsageError(
                QStringLiteral("--cv: %1").arg(NotANumberMessage(text)).toStdString());
        }
    }
    if (!ValidCoefficientOfVariation(cv))
        throw CliUsageError(QStringLiteral("--cv must be greater than 0 and less than 0.6 "
                                           "(not %1).")
                                .arg(Quoted(text))
                                .toStdString());
    chosen.cv = cv;
    return chosen;
}

void NoteGradeRange(double grade, const CliContext& context)
{
    if (InLawGradeRange(grade))
        return;
    // Not an error: the window takes such a grade too, and only says so.
    std::fprintf(context.err,
                 "tarvolin-cli: note: grade %s lies outside C20-C80, the grades the law of "
                 "GB 50010-2010 Appendix C is stated for.\n",
                 FormatFloat(NumberPattern::UpTo3, grade, '.').c_str());
    std::fflush(context.err);
}

int RunParameters(const CliArguments& arguments, const CliContext& context)
{
    if (!arguments.Has("grade"))
        throw CliUsageError("--grade G is missing.");
    const double grade = ReadGradeArgument(arguments.Value("grade"));
    const GradeBasis basis = ReadBasisArguments(arguments);
    const DefinitionTexts texts =
        GradeDefinitionTexts(grade, context.localeSeparator, basis.basis, basis.cv);

    QByteArray bytes;
    if (arguments.Flag("json")) {
        const GradeValues v = GradeValuesFor(grade, basis.basis, basis.cv);
        QJsonObject object{
            {QStringLiteral("basis"), QLatin1String(BasisKey(basis.basis))},
            {QStringLiteral("name"), QString::fromStdString(texts.name)},
            {QStringLiteral("grade"), v.grade},
            {QStringLiteral("Ec"), v.Ec},
            {QStringLiteral("fck"), v.fck},
            {QStringLiteral("ftk"), v.ftk},
            {QStringLiteral("eck"), v.eck},
            {QStringLiteral("etk"), v.etk},
            {QStringLiteral("ac"), v.ac},
            {QStringLiteral("at"), v.at},
        };
        if (basis.basis == StrengthBasis::Mean)
            object.insert(QStringLiteral("cv"), basis.cv);
        bytes = QJsonDocument(object).toJson(QJsonDocument::Indented);
    } else {
        // The window's labels, in the order of the fields on screen, after the basis.
        std::string basisText;
        switch (basis.basis) {
        case StrengthBasis::Characteristic: basisText = "characteristic (fc,k, ft,k)"; break;
        case StrengthBasis::Design: basisText = "design (fc, ft)"; break;
        case StrengthBasis::Mean:
            // δc in full: it is the user's own statistic, not a rounded code value.
            basisText = QStringLiteral("mean (fcm, ftm), \u03B4c = %1")
                            .arg(QString::number(basis.cv, 'g', QLocale::FloatingPointShortest)
                                     .replace(QLatin1Char('.'),
                                              QLatin1Char(context.localeSeparator)))
                            .toStdString();
            break;
        }
        const std::pair<QString, const std::string*> rows[] = {
            {QStringLiteral("Strength basis"), &basisText},
            {QStringLiteral("Concrete Name"), &texts.name},
            {QStringLiteral("Modulus of elasticity Ec (N/mm2)"), &texts.Ec},
            {QStringLiteral("Axial Compression strength fc,k (N/mm2)"), &texts.fck},
            {QStringLiteral("Strain at Peak Comp. Stress  \u03B5c,k  (10-6)"), &texts.eck},
            {QStringLiteral("Shape parameter for Compression  ac"), &texts.ac},
            {QStringLiteral("Axial Tension strength ft,k (N/mm2)"), &texts.ftk},
            {QStringLiteral("Strain at Peak Tensile Stress  \u03B5t,k  (10-6)"), &texts.etk},
            {QStringLiteral("Shape parameter for Tension  at"), &texts.at},
        };
        for (const auto& [label, value] : rows) {
            bytes += label.leftJustified(44).toUtf8();
            bytes += QByteArray::fromStdString(*value);
            bytes += '\n';
        }
    }
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), context.out);
    if (std::fflush(context.out) != 0 || std::ferror(context.out))
        throw CliFailure("Cannot write standard output.");
    NoteGradeRange(grade, context);
    return 0;
}

namespace {

QString FromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// Where a concrete came from, for messages: the library file, or "--grade G".
QString SourceName(const CliSource& source)
{
    return source.kind == CliSource::Kind::Grade ? QStringLiteral("--grade ") + source.text
                                                 : QDir::toNativeSeparators(source.text);
}

}  // namespace

ConcreteRegistry LoadSources(const CliArguments& arguments, const CliContext& context,
                             char separator)
{
    // The command line is checked in full before any source is read or any note printed.
    const GradeBasis basis = ReadBasisArguments(arguments);
    for (const CliSource& source : arguments.sources)
        if (source.kind == CliSource::Kind::Grade)
            ReadGradeArgument(source.text);

    ConcreteRegistry registry;
    std::map<std::string, QStringList> origins;  // name → the sources that hold it
    std::vector<std::string> duplicates;
    const auto add = [&](const CConcrete& concrete, bool shown, const QString& where) {
        QStringList& from = origins[concrete.ConcreteName];
        from << where;
        if (from.size() == 2)
            duplicates.push_back(concrete.ConcreteName);
        if (from.size() == 1)
            registry.Add(std::make_unique<CConcrete>(concrete), shown);
    };

    for (const CliSource& source : arguments.sources) {
        const QString where = SourceName(source);
        if (source.kind == CliSource::Kind::Grade) {
            const double grade = ReadGradeArgument(source.text);
            NoteGradeRange(grade, context);
            const GradeDefinitionResult made =
                GradeDefinition(grade, separator, basis.basis, basis.cv);
            const Definition& d = made.definition;
            if (made.refusal)
                throw CliFailure(QStringLiteral("%1: concrete \"%2\", field %3: %4")
                                     .arg(where, FromUtf8(d.name),
                                          FromUtf8(std::string(FieldKey(made.refusal->field))),
                                          FromUtf8(made.refusal->message))
                                     .toStdString());
            CConcrete concrete(d.name, d.Ec, d.fck, d.ftk, d.ac, d.at, d.eck, d.etk, d.ecmax,
                               d.etmax);
            concrete.basis = d.basis;
            concrete.cv = d.cv;
            add(concrete, true, where);
        } else {
            // The reader's message names the file, the concrete and the field.
            const ConcreteRegistry library = ReadLibrary(source.text);
            for (std::size_t i = 0; i < library.size(); ++i)
                add(library.at(i), library.Shown(i), where);
        }
    }

    if (!duplicates.empty()) {
        QStringList named;
        for (const std::string& name : duplicates)
            named << QStringLiteral("\"%1\" (%2)").arg(FromUtf8(name),
                                                       origins[name].join(QStringLiteral(", ")));
        throw CliFailure(QStringLiteral("Concrete names must be unique; given more than once: %1.")
                             .arg(named.join(QStringLiteral("; ")))
                             .toStdString());
    }
    return registry;
}

namespace {

char CsvSeparator(const CliArguments& arguments, const CliContext& context)
{
    if (!arguments.Has("separator"))
        return context.localeSeparator;
    const QString separator = arguments.Value("separator");
    if (separator == QLatin1String(".") || separator == QLatin1String(","))
        return separator.at(0).toLatin1();
    throw CliUsageError(QStringLiteral("--separator must be . or , (not \"%1\").")
                            .arg(separator)
                            .toStdString());
}

// Solver writers' option names as the command line spells them.
const char* const kAbaqusOptions[] = {"units",     "poisson", "dilation",      "eccentricity",
                                      "fb0-fc0",   "k",       "viscosity",     "elastic-limit",
                                      "e0",        "damage",  "bc",            "bt",
                                      "tension",   "crack-band", "rows",       "model"};

template <typename Options, typename Setter>
void SetSolverOption(Options& options, Setter set, const char* name, const QString& value)
{
    std::string error;
    if (!set(options, name, value.toStdString(), error))
        throw CliUsageError(error);
}

// The dialog starts with the shown concretes checked, and pictures draws the shown ones: the
// solver files hold the same.
std::vector<const CConcrete*> ShownConcretes(const ConcreteRegistry& registry)
{
    std::vector<const CConcrete*> shown = registry.ShownConcretes();
    if (shown.empty())
        throw CliFailure("No concrete is shown: nothing to write.");
    return shown;
}

void ThrowRefusals(const std::vector<SolverRefusal>& refused)
{
    // A refusal without a name is about the whole set (OpenSees tags that run out).
    std::string text;
    for (const SolverRefusal& refusal : refused)
        text += refusal.name.empty() ? "Cannot write: " + refusal.reason + '\n'
                                     : RefusalText({refusal}) + '\n';
    throw CliFailure(text + "Nothing was written.");
}

}  // namespace

int RunAbaqus(const CliArguments& arguments, const CliContext& context)
{
    // The command line is checked in full before any source is read.
    AbaqusOptions options;
    for (const char* name : kAbaqusOptions)
        if (arguments.Has(name))
            SetSolverOption(options, SetAbaqusOption, name, arguments.Value(name));
    if (arguments.Has("output-type"))
        SetSolverOption(options, SetAbaqusOption, "output", arguments.Value("output-type"));
    else if (arguments.output != QLatin1String("-"))
        AbaqusOutputForPath(arguments.output.toStdString(), options.output);
    if (const std::string problem = AbaqusOptionsProblem(options); !problem.empty())
        throw CliUsageError("--tension displacement: " + problem + ".");

    const ConcreteRegistry registry = LoadSources(arguments, context, context.localeSeparator);
    const AbaqusExport out = BuildAbaqusExport(ShownConcretes(registry), options);
    if (!out.refused.empty())
        ThrowRefusals(out.refused);
    WriteOutput(arguments, context, QByteArray::fromStdString(out.text));
    if (options.damage == AbaqusOptions::Damage::Code)
        std::fprintf(context.err, "tarvolin-cli: warning: %s.\n", kCodeDamageWarning);
    // Options that were given but shaped nothing: say so rather than let the user believe it.
    if (arguments.Has("crack-band") && options.tension != AbaqusOptions::Tension::Displacement)
        std::fprintf(context.err, "tarvolin-cli: note: --crack-band is used only with --tension "
                                  "displacement; the tension tables are against strain.\n");
    if ((arguments.Has("bc") || arguments.Has("bt")) &&
        options.damage != AbaqusOptions::Damage::BirtelMark)
        std::fprintf(context.err, "tarvolin-cli: note: --bc and --bt are used only with --damage "
                                  "birtel-mark.\n");
    // Not an error: the file is written, but a model refers to the materials by these names.
    for (const NameMapping& renamed : out.renamed)
        std::fprintf(context.err,
                     "tarvolin-cli: note: concrete \"%s\" is written as material \"%s\".\n",
                     renamed.original.c_str(), renamed.mapped.c_str());
    std::fflush(context.err);
    return 0;
}

int RunOpenSees(const CliArguments& arguments, const CliContext& context)
{
    OpenSeesOptions options;
    if (arguments.Has("first-tag"))
        SetSolverOption(options, SetOpenSeesOption, "first-tag", arguments.Value("first-tag"));
    for (const char* name : {"eps-sp", "eta-p"})
        if (arguments.Has(name))
            SetSolverOption(options, SetOpenSeesOption, name, arguments.Value(name));
    if (arguments.Has("format"))
        SetSolverOption(options, SetOpenSeesOption, "format", arguments.Value("format"));
    else if (arguments.output != QLatin1String("-"))
        OpenSeesFormatForPath(arguments.output.toStdString(), options.format);

    const ConcreteRegistry registry = LoadSources(arguments, context, context.localeSeparator);
    const OpenSeesExport out = BuildOpenSeesExport(ShownConcretes(registry), options);
    if (!out.refused.empty())
        ThrowRefusals(out.refused);
    WriteOutput(arguments, context, QByteArray::fromStdString(out.text));
    return 0;
}

int RunLibrary(const CliArguments& arguments, const CliContext& context)
{
    const ConcreteRegistry registry = LoadSources(arguments, context, context.localeSeparator);
    WriteOutput(arguments, context, LibraryJson(registry));
    return 0;
}

int RunCsv(const CliArguments& arguments, const CliContext& context)
{
    const char separator = CsvSeparator(arguments, context);
    const ConcreteRegistry registry = LoadSources(arguments, context, separator);
    if (registry.empty())
        throw CliFailure("No concretes have been create!.");
    const std::string text = BuildConcreteCsv(registry, separator);
    WriteOutput(arguments, context, QByteArray::fromStdString(text));
    return 0;
}
