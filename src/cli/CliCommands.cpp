// The handlers of tarvolin-cli's commands.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
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

int RunParameters(const CliArguments& arguments, const CliContext& context)
{
    if (!arguments.Has("grade"))
        throw CliUsageError("--grade G is missing.");
    const double grade = ReadGradeArgument(arguments.Value("grade"));
    const DefinitionTexts texts = GradeDefinitionTexts(grade, context.localeSeparator);

    QByteArray bytes;
    if (arguments.Flag("json")) {
        const GradeValues v = GradeValuesFor(grade);
        const QJsonObject object{
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
        bytes = QJsonDocument(object).toJson(QJsonDocument::Indented);
    } else {
        // The window's labels, in the order of the fields on screen.
        const std::pair<QString, const std::string*> rows[] = {
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

ConcreteRegistry LoadSources(const CliArguments& arguments, char separator)
{
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
            const GradeDefinitionResult made = GradeDefinition(grade, separator);
            const Definition& d = made.definition;
            if (made.refusal)
                throw CliFailure(QStringLiteral("%1: concrete \"%2\", field %3: %4")
                                     .arg(where, FromUtf8(d.name),
                                          FromUtf8(std::string(FieldKey(made.refusal->field))),
                                          FromUtf8(made.refusal->message))
                                     .toStdString());
            add(CConcrete(d.name, d.Ec, d.fck, d.ftk, d.ac, d.at, d.eck, d.etk, d.ecmax, d.etmax),
                true, where);
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
const char* const kAbaqusOptions[] = {"units", "poisson", "dilation", "eccentricity", "fb0-fc0", "k",
                                      "viscosity", "elastic-limit", "damage", "rows", "model"};

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

    const ConcreteRegistry registry = LoadSources(arguments, context.localeSeparator);
    const AbaqusExport out = BuildAbaqusExport(ShownConcretes(registry), options);
    if (!out.refused.empty())
        ThrowRefusals(out.refused);
    WriteOutput(arguments, context, QByteArray::fromStdString(out.text));
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
    if (arguments.Has("format"))
        SetSolverOption(options, SetOpenSeesOption, "format", arguments.Value("format"));
    else if (arguments.output != QLatin1String("-"))
        OpenSeesFormatForPath(arguments.output.toStdString(), options.format);

    const ConcreteRegistry registry = LoadSources(arguments, context.localeSeparator);
    const OpenSeesExport out = BuildOpenSeesExport(ShownConcretes(registry), options);
    if (!out.refused.empty())
        ThrowRefusals(out.refused);
    WriteOutput(arguments, context, QByteArray::fromStdString(out.text));
    return 0;
}

int RunLibrary(const CliArguments& arguments, const CliContext& context)
{
    const ConcreteRegistry registry = LoadSources(arguments, context.localeSeparator);
    WriteOutput(arguments, context, LibraryJson(registry));
    return 0;
}

int RunCsv(const CliArguments& arguments, const CliContext& context)
{
    const char separator = CsvSeparator(arguments, context);
    const ConcreteRegistry registry = LoadSources(arguments, separator);
    if (registry.empty())
        throw CliFailure("No concretes have been create!.");
    const std::string text = BuildConcreteCsv(registry, separator);
    WriteOutput(arguments, context, QByteArray::fromStdString(text));
    return 0;
}
