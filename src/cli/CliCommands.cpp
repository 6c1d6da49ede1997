// The handlers of tarvolin-cli's commands.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <initializer_list>
#include <map>
#include <memory>
#include <optional>
#include <utility>
#include <string>
#include <vector>

#include "cli/CliCommand.h"
#include "formats/AbaqusCdp.h"
#include "formats/AtomicFile.h"
#include "formats/CsvExport.h"
#include "formats/LibraryFile.h"
#include "formats/OpenSeesWriter.h"
#include "formats/SteelAbaqus.h"
#include "formats/SteelCsv.h"
#include "formats/SteelOpenSees.h"
#include "model/GradeFields.h"
#include "model/NumberText.h"
#include "model/Registry.h"
#include "platform/FieldText.h"
#include "platform/Translation.h"
#include "steel/SteelFields.h"
#include "steel/SteelRegistry.h"

double ReadGradeArgument(const QString& text, const GradeBasis* basis)
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
                ui::translate("Cli", "--grade: %1").arg(NotANumberMessage(text)).toStdString());
        }
    }
    if (!(grade > 0))
        throw CliUsageError(ui::translate("Cli", "--grade: %1 fcu,k must be positive!")
                                .arg(Quoted(text))
                                .toStdString());
    if (basis && !GradeProposesFiniteValues(grade, basis->basis, basis->cv))
        throw CliUsageError(ui::translate("Cli", "--grade: %1 fcu,k is too large!")
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
                ui::translate("Cli", "--basis must be characteristic, mean or design (not \"%1\").")
                    .arg(key)
                    .toStdString());
        chosen.basis = *basis;
    }
    if (chosen.basis != StrengthBasis::Mean) {
        if (arguments.Has("cv"))
            throw CliUsageError(ui::translate("Cli", "--cv is for --basis mean only.").toStdString());
        return chosen;
    }
    if (!arguments.Has("cv"))
        throw CliUsageError(ui::translate("Cli", "--cv X is missing: --basis mean needs delta c, 0 < X < 0.6.").toStdString());
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
                ui::translate("Cli", "--cv: %1").arg(NotANumberMessage(text)).toStdString());
        }
    }
    if (!ValidCoefficientOfVariation(cv))
        throw CliUsageError(ui::translate("Cli", "--cv must be greater than 0 and less than 0.6 "
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
    std::fputs(ui::translate("Cli", "tarvolin-cli: note: grade %1 lies outside C20-C80, the grades "
                                    "the law of GB 50010-2010 Appendix C is stated for.\n")
                   .arg(QString::fromStdString(FormatFloat(NumberPattern::UpTo3, grade, '.')))
                   .toUtf8()
                   .constData(),
               context.err);
    std::fflush(context.err);
}

// The text followed by blanks up to the given width on a terminal, where a Chinese character
// takes two columns: the values of a Chinese table stand in one column too.
QString PaddedToColumns(const QString& text, int columns)
{
    int used = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        const bool wide = (u >= 0x1100 && u <= 0x115F) || (u >= 0x2E80 && u <= 0xA4CF) ||
                          (u >= 0xAC00 && u <= 0xD7A3) || (u >= 0xF900 && u <= 0xFAFF) ||
                          (u >= 0xFE30 && u <= 0xFE4F) || (u >= 0xFF00 && u <= 0xFF60) ||
                          (u >= 0xFFE0 && u <= 0xFFE6);
        used += wide ? 2 : 1;
    }
    return text + QString(std::max(0, columns - used), QLatin1Char(' '));
}

void PrintStream(std::FILE* stream, const QByteArray& bytes)
{
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
    if (std::fflush(stream) != 0 || std::ferror(stream))
        throw CliFailure(ui::translate("Cli", "Cannot write standard output.").toStdString());
}

namespace {

// A steel grade as typed after --steel, in any letter case, as the steel window's grade box
// takes it. Throws CliUsageError listing the grades for anything else.
const SteelGrade& ReadSteelGradeArgument(const QString& text)
{
    if (const SteelGrade* grade = FindSteelGradeAnyCase(text.toUtf8().toStdString()))
        return *grade;
    QStringList names;
    for (const SteelGrade& grade : SteelGrades())
        names << QLatin1String(grade.name);
    throw CliUsageError(ui::translate("Cli", "--steel: \"%1\" is not a steel grade (%2).")
                            .arg(text, names.join(QStringLiteral(", ")))
                            .toStdString());
}

// The steel that picking the grade in the steel window and pressing Create Steel makes, on the
// basis of --basis and --cv: its values as the fields show them.
SteelValues SteelFromGrade(const QString& text, const GradeBasis& basis)
{
    return SteelValuesAsShown(SteelGradeValues(ReadSteelGradeArgument(text), basis.basis, basis.cv));
}


// The text table of `parameters`: the window's labels, padded to one column, and the values.
using ParameterRow = std::pair<QString, const std::string*>;
QByteArray ParameterTable(std::initializer_list<ParameterRow> rows)
{
    QByteArray bytes;
    for (const auto& [label, value] : rows) {
        bytes += PaddedToColumns(label, 44).toUtf8();
        bytes += QByteArray::fromStdString(*value);
        bytes += '\n';
    }
    return bytes;
}

int RunSteelParameters(const CliArguments& arguments, const CliContext& context)
{
    const SteelGrade& grade = ReadSteelGradeArgument(arguments.Value("steel"));
    const GradeBasis basis = ReadBasisArguments(arguments);
    const SteelValues v = SteelGradeValues(grade, basis.basis, basis.cv);
    QByteArray bytes;
    if (arguments.Flag("json")) {
        QJsonObject object{
            {QStringLiteral("name"), QString::fromStdString(v.name)},
            {QStringLiteral("Es"), v.Es},
            {QStringLiteral("fy"), v.fy},
            {QStringLiteral("fst"), v.fst},
            {QStringLiteral("euy"), v.euy},
            {QStringLiteral("eu"), v.eu},
            {QStringLiteral("basis"), QLatin1String(BasisKey(v.basis))},
        };
        if (v.basis == StrengthBasis::Mean)
            object.insert(QStringLiteral("cv"), v.cv);
        bytes = QJsonDocument(object).toJson(QJsonDocument::Indented);
    } else {
        QString basisText;
        switch (v.basis) {
        case StrengthBasis::Characteristic:
            basisText = ui::translate("Cli", "characteristic (fy,k, fst,k)");
            break;
        case StrengthBasis::Design:
            basisText = ui::translate("Cli", "design (fy, fst,k x fy / fy,k)");
            break;
        case StrengthBasis::Mean:
            basisText = ui::translate("Cli", "mean (fym, fstm), δs = %1")
                            .arg(CoefficientText(v.cv, context.localeSeparator));
            break;
        }
        const std::string basisLine = basisText.toStdString();
        const SteelFieldTexts texts = SteelTexts(v, context.localeSeparator);
        // The steel window's labels, in the order of its fields, after the basis.
        bytes = ParameterTable({
            {ui::translate("Cli", "Strength basis"), &basisLine},
            {ui::translate("TSteelForm", "Steel Name"), &texts.name},
            {ui::translate("TSteelForm", "Modulus of elasticity Es (N/mm2)"), &texts.Es},
            {ui::translate("TSteelForm", "Yield strength fy,r (N/mm2)"), &texts.fy},
            {ui::translate("TSteelForm", "Ultimate strength fst,r (N/mm2)"), &texts.fst},
            {ui::translate("TSteelForm", "Yield strain  εy = fy,r / Es"), &texts.ey},
            {ui::translate("TSteelForm", "Strain at start of hardening  εuy"), &texts.euy},
            {ui::translate("TSteelForm", "Strain at ultimate strength  εu"), &texts.eu},
        });
    }
    PrintStream(context.out, bytes);
    return 0;
}

}  // namespace

int RunParameters(const CliArguments& arguments, const CliContext& context)
{
    if (arguments.Has("steel") && arguments.Has("grade"))
        throw CliUsageError(ui::translate("Cli", "--grade and --steel: give one of them.").toStdString());
    if (arguments.Has("steel"))
        return RunSteelParameters(arguments, context);
    if (!arguments.Has("grade"))
        throw CliUsageError(ui::translate("Cli", "--grade G is missing.").toStdString());
    // The grade's own refusals first, then the basis's, then what the grade makes on it.
    ReadGradeArgument(arguments.Value("grade"));
    const GradeBasis basis = ReadBasisArguments(arguments);
    const double grade = ReadGradeArgument(arguments.Value("grade"), &basis);
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
        QString basisText;
        switch (basis.basis) {
        case StrengthBasis::Characteristic:
            basisText = ui::translate("Cli", "characteristic (fc,k, ft,k)");
            break;
        case StrengthBasis::Design: basisText = ui::translate("Cli", "design (fc, ft)"); break;
        case StrengthBasis::Mean:
            basisText = ui::translate("Cli", "mean (fcm, ftm), δc = %1")
                            .arg(CoefficientText(basis.cv, context.localeSeparator));
            break;
        }
        const std::string basisLine = basisText.toStdString();
        const BasisFieldLabels labels = FieldLabels(basis.basis);
        bytes = ParameterTable({
            {ui::translate("Cli", "Strength basis"), &basisLine},
            {ui::translate("TForm1", "Concrete Name"), &texts.name},
            {ui::translate("TForm1", "Modulus of elasticity Ec (N/mm2)"), &texts.Ec},
            {ui::translate("TForm1", labels.fc), &texts.fck},
            {ui::translate("TForm1", labels.ec), &texts.eck},
            {ui::translate("TForm1", "Shape parameter for Compression  ac"), &texts.ac},
            {ui::translate("TForm1", labels.ft), &texts.ftk},
            {ui::translate("TForm1", labels.et), &texts.etk},
            {ui::translate("TForm1", "Shape parameter for Tension  at"), &texts.at},
        });
    }
    PrintStream(context.out, bytes);
    NoteGradeRange(grade, context);
    return 0;
}

namespace {

QString FromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// Where a material came from, for messages: the library file, "--grade G" or "--steel GRADE".
QString SourceName(const CliSource& source)
{
    switch (source.kind) {
    case CliSource::Kind::Grade: return QStringLiteral("--grade ") + source.text;
    case CliSource::Kind::Steel: return QStringLiteral("--steel ") + source.text;
    case CliSource::Kind::Library: break;
    }
    return QDir::toNativeSeparators(source.text);
}

// Keeps the first material of each name and notes where every name came from, so that all
// names given more than once can be named together at the end.
template <class Registry, class Material>
class UniqueAdder {
public:
    explicit UniqueAdder(Registry& registry) : registry(registry) {}

    void Add(const Material& material, const std::string& name, bool shown, const QString& where)
    {
        QStringList& from = origins[name];
        from << where;
        if (from.size() == 2)
            duplicates.push_back(name);
        if (from.size() == 1)
            registry.Add(std::make_unique<Material>(material), shown);
    }

    void Check(const char* message) const  // message: the refusal, the names as %1
    {
        if (duplicates.empty())
            return;
        QStringList named;
        for (const std::string& name : duplicates)
            named << QStringLiteral("\"%1\" (%2)").arg(
                         FromUtf8(name), origins.at(name).join(QStringLiteral(", ")));
        throw CliFailure(ui::translate("Cli", message)
                             .arg(named.join(QStringLiteral("; ")))
                             .toStdString());
    }

private:
    Registry& registry;
    std::map<std::string, QStringList> origins;  // name → the sources that hold it
    std::vector<std::string> duplicates;
};

}  // namespace

// The concretes and steels of every source, in order, with their shown flags. Refuses the
// first source that fails and, after all were read, every name that more than one concrete
// (or more than one steel) bears.
MaterialLibrary LoadMaterials(const CliArguments& arguments, const CliContext& context,
                              char separator)
{
    // The command line is checked in full before any source is read or any note printed.
    const GradeBasis basis = ReadBasisArguments(arguments);
    for (const CliSource& source : arguments.sources) {
        if (source.kind == CliSource::Kind::Grade)
            ReadGradeArgument(source.text, &basis);
        if (source.kind == CliSource::Kind::Steel)
            ReadSteelGradeArgument(source.text);
    }

    MaterialLibrary materials;
    UniqueAdder<ConcreteRegistry, CConcrete> concretes(materials.concretes);
    UniqueAdder<SteelRegistry, CSteel> steels(materials.steels);

    for (const CliSource& source : arguments.sources) {
        const QString where = SourceName(source);
        if (source.kind == CliSource::Kind::Grade) {
            const double grade = ReadGradeArgument(source.text, &basis);
            NoteGradeRange(grade, context);
            const GradeDefinitionResult made =
                GradeDefinition(grade, separator, basis.basis, basis.cv);
            const Definition& d = made.definition;
            if (made.refusal)
                throw CliFailure(ui::translate("Cli", "%1: concrete \"%2\", field %3: %4")
                                     .arg(where, FromUtf8(d.name),
                                          FromUtf8(std::string(FieldKey(made.refusal->field))),
                                          FromUtf8(made.refusal->message))
                                     .toStdString());
            CConcrete concrete(d.name, d.Ec, d.fck, d.ftk, d.ac, d.at, d.eck, d.etk, d.ecmax,
                               d.etmax);
            concrete.basis = d.basis;
            concrete.cv = d.cv;
            concretes.Add(concrete, concrete.ConcreteName, true, where);
        } else if (source.kind == CliSource::Kind::Steel) {
            const SteelValues v = SteelFromGrade(source.text, basis);
            if (const auto refusal = CheckSteel(v))
                throw CliFailure(ui::translate("Cli", "%1: steel \"%2\", field %3: %4")
                                     .arg(where, FromUtf8(v.name),
                                          FromUtf8(std::string(SteelFieldKey(refusal->field))),
                                          FromUtf8(refusal->message))
                                     .toStdString());
            steels.Add(CSteel(v.name, v.Es, v.fy, v.fst, v.euy, v.eu, v.basis, v.cv), v.name, true,
                       where);
        } else {
            // The reader's message names the file, the material and the field.
            const MaterialLibrary library = ReadMaterialLibrary(source.text);
            for (std::size_t i = 0; i < library.concretes.size(); ++i)
                concretes.Add(library.concretes.at(i), library.concretes.at(i).ConcreteName,
                              library.concretes.Shown(i), where);
            for (std::size_t i = 0; i < library.steels.size(); ++i)
                steels.Add(library.steels.at(i), library.steels.at(i).SteelName,
                           library.steels.Shown(i), where);
        }
    }
    concretes.Check(QT_TRANSLATE_NOOP("Cli", "Concrete names must be unique; given more than once: %1."));
    steels.Check(QT_TRANSLATE_NOOP("Cli", "Steel names must be unique; given more than once: %1."));
    return materials;
}

ConcreteRegistry LoadSources(const CliArguments& arguments, const CliContext& context,
                             char separator)
{
    return std::move(LoadMaterials(arguments, context, separator).concretes);
}

namespace {

char CsvSeparator(const CliArguments& arguments, const CliContext& context)
{
    if (!arguments.Has("separator"))
        return context.localeSeparator;
    const QString separator = arguments.Value("separator");
    if (separator == QLatin1String(".") || separator == QLatin1String(","))
        return separator.at(0).toLatin1();
    throw CliUsageError(ui::translate("Cli", "--separator must be . or , (not \"%1\").")
                            .arg(separator)
                            .toStdString());
}

// Solver writers' option names as the command line spells them.
const char* const kAbaqusOptions[] = {"units",     "poisson", "dilation",      "eccentricity",
                                      "fb0-fc0",   "k",       "viscosity",     "elastic-limit",
                                      "e0",        "damage",  "bc",            "bt",
                                      "tension",   "crack-band", "rows",       "model",
                                      "tension-damage"};
const char* const kSteelAbaqusOptions[] = {"steel-plastic", "steel-poisson"};

template <typename Options, typename Setter>
void SetSolverOption(Options& options, Setter set, const char* name, const QString& value)
{
    std::string error;
    if (!set(options, name, value.toStdString(), error))
        throw CliUsageError(error);
}

// The dialog starts with the shown materials checked, and pictures draws the shown ones: the
// solver files hold the same. Something must be shown.
struct ShownMaterials {
    std::vector<const CConcrete*> concretes;
    std::vector<const CSteel*> steels;
};

ShownMaterials Shown(const MaterialLibrary& materials)
{
    ShownMaterials shown{materials.concretes.ShownConcretes(), materials.steels.ShownSteels()};
    if (shown.concretes.empty() && shown.steels.empty())
        throw CliFailure(
            ui::translate("Cli", materials.steels.empty()
                                     ? QT_TRANSLATE_NOOP("Cli", "No concrete is shown: nothing to write.")
                                     : QT_TRANSLATE_NOOP("Cli", "No concrete is shown (nor any steel): "
                                                                "nothing to write."))
                .toStdString());
    return shown;
}

void ThrowRefusals(const std::vector<SolverRefusal>& refused,
                   const std::vector<SolverRefusal>& steelsRefused = {})
{
    // A refusal without a name is about the whole set (OpenSees tags that run out).
    QString text;
    for (const SolverRefusal& refusal : refused)
        text += (refusal.name.empty()
                     ? ui::translate("Cli", "Cannot write: %1").arg(FromUtf8(refusal.reason))
                     : FromUtf8(RefusalText({refusal}))) +
                QLatin1Char('\n');
    for (const SolverRefusal& refusal : steelsRefused)
        text += FromUtf8(SteelRefusalText({refusal})) + QLatin1Char('\n');
    throw CliFailure((text + ui::translate("Cli", "Nothing was written.")).toStdString());
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
        throw CliUsageError(ui::translate("Cli", "--tension displacement: %1.")
                                .arg(QString::fromStdString(problem))
                                .toStdString());
    SteelAbaqusOptions steelOptions;
    for (const char* name : kSteelAbaqusOptions)
        if (arguments.Has(name))
            SetSolverOption(steelOptions, SetSteelAbaqusOption, name, arguments.Value(name));

    const MaterialLibrary materials = LoadMaterials(arguments, context, context.localeSeparator);
    const ShownMaterials shown = Shown(materials);
    const AbaqusFile file = BuildAbaqusFile(shown.concretes, options, shown.steels, steelOptions);
    const AbaqusExport& out = file.concretes;
    const SteelAbaqusExport& steels = file.steels;
    if (!out.refused.empty() || !steels.refused.empty())
        ThrowRefusals(out.refused, steels.refused);
    WriteOutput(arguments, context, QByteArray::fromStdString(file.text));
    if (options.damage == AbaqusOptions::Damage::Code && !shown.concretes.empty())
        std::fputs(ui::translate("Cli", "tarvolin-cli: warning: %1.\n")
                       .arg(ui::translate("AbaqusCdp", kCodeDamageWarning))
                       .toUtf8()
                       .constData(),
                   context.err);
    // Options that were given but shaped nothing: say so rather than let the user believe it.
    if (arguments.Has("crack-band") && options.tension != AbaqusOptions::Tension::Displacement)
        std::fputs(ui::translate("Cli", "tarvolin-cli: note: --crack-band is used only with "
                                        "--tension displacement; the tension tables are against "
                                        "strain.\n")
                       .toUtf8()
                       .constData(),
                   context.err);
    const bool bcUnused = arguments.Has("bc") &&
                          CompressionDamageRule(options) != AbaqusOptions::Damage::BirtelMark;
    const bool btUnused = arguments.Has("bt") &&
                          TensionDamageRule(options) != AbaqusOptions::Damage::BirtelMark;
    if (bcUnused && btUnused)
        std::fputs(ui::translate("Cli", "tarvolin-cli: note: --bc and --bt are used only with "
                                        "--damage birtel-mark.\n")
                       .toUtf8()
                       .constData(),
                   context.err);
    else if (bcUnused)
        std::fputs(ui::translate("Cli", "tarvolin-cli: note: --bc is used only with --damage "
                                        "birtel-mark.\n")
                       .toUtf8()
                       .constData(),
                   context.err);
    else if (btUnused)
        std::fputs(ui::translate("Cli", "tarvolin-cli: note: --bt is used only where the tension "
                                        "damage is birtel-mark (--damage or --tension-damage).\n")
                       .toUtf8()
                       .constData(),
                   context.err);
    // Not an error: the file is written, but a model refers to the materials by these names.
    for (const NameMapping& renamed : out.renamed)
        std::fputs(ui::translate("Cli", "tarvolin-cli: note: concrete \"%1\" is written as "
                                        "material \"%2\".\n")
                       .arg(QString::fromStdString(renamed.original),
                            QString::fromStdString(renamed.mapped))
                       .toUtf8()
                       .constData(),
                   context.err);
    for (const NameMapping& renamed : steels.renamed)
        std::fputs(ui::translate("Cli", "tarvolin-cli: note: steel \"%1\" is written as material "
                                        "\"%2\".\n")
                       .arg(QString::fromStdString(renamed.original),
                            QString::fromStdString(renamed.mapped))
                       .toUtf8()
                       .constData(),
                   context.err);
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
    SteelOpenSeesOptions steelOptions;
    if (arguments.Has("steel-material"))
        SetSolverOption(steelOptions, SetSteelOpenSeesOption, "steel-material",
                        arguments.Value("steel-material"));

    const MaterialLibrary materials = LoadMaterials(arguments, context, context.localeSeparator);
    const ShownMaterials shown = Shown(materials);
    const OpenSeesFile file = BuildOpenSeesFile(shown.concretes, options, shown.steels, steelOptions);
    // The concretes' refusals alone when there are any, as before the steels are looked at.
    if (!file.concretes.refused.empty())
        ThrowRefusals(file.concretes.refused);
    if (!file.steels.refused.empty())
        ThrowRefusals({}, file.steels.refused);
    WriteOutput(arguments, context, QByteArray::fromStdString(file.text));
    return 0;
}

int RunLibrary(const CliArguments& arguments, const CliContext& context)
{
    const MaterialLibrary materials = LoadMaterials(arguments, context, context.localeSeparator);
    WriteOutput(arguments, context, LibraryJson(materials.concretes, materials.steels));
    return 0;
}

int RunCsv(const CliArguments& arguments, const CliContext& context)
{
    const char separator = CsvSeparator(arguments, context);
    const ConcreteRegistry registry = LoadSources(arguments, context, separator);
    if (registry.empty())
        throw CliFailure(
            ui::translate("TForm1", "No concretes have been create!.").toStdString());
    const std::string text = BuildConcreteCsv(registry, separator);
    WriteOutput(arguments, context, QByteArray::fromStdString(text));
    return 0;
}

int RunSteelCsv(const CliArguments& arguments, const CliContext& context)
{
    const char separator = CsvSeparator(arguments, context);
    const MaterialLibrary materials = LoadMaterials(arguments, context, separator);
    if (materials.steels.empty())
        throw CliFailure(ui::translate("Cli", "No steels have been created: nothing to write.").toStdString());
    const std::string text = BuildSteelCsv(materials.steels, separator);
    WriteOutput(arguments, context, QByteArray::fromStdString(text));
    return 0;
}
