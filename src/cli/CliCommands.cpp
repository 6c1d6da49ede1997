// The handlers of tarvolin-cli's commands.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QWidget>
#include <QJsonDocument>
#include <QJsonObject>
#include <map>
#include <memory>
#include <optional>
#include <utility>
#include <string>
#include <vector>

#include "cli/CliCommand.h"
#include "export/AtomicFile.h"
#include "export/ChartPicture.h"
#include "export/AbaqusCdp.h"
#include "export/CsvExport.h"
#include "export/OpenSeesWriter.h"
#include "export/SteelAbaqus.h"
#include "export/SteelCsv.h"
#include "export/SteelOpenSees.h"
#include "input/FieldText.h"
#include "chart/Chart.h"
#include "library/ChartSetup.h"
#include "library/SteelChart.h"
#include "library/LibraryFile.h"
#include "model/Registry.h"
#include "model/GradeFields.h"
#include "model/NumberText.h"
#include "steel/SteelFields.h"
#include "steel/SteelRegistry.h"

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

namespace {

// The strength basis of --steel sources and of parameters --steel. The concretes' --basis and
// --cv are to apply to steels too; until the command line has them, steels are proposed on the
// characteristic basis, as grades are.
std::pair<StrengthBasis, double> SteelBasisArgument(const CliArguments&)
{
    return {StrengthBasis::Characteristic, 0.0};
}

// A steel grade as typed after --steel, in any letter case, as the steel window's grade box
// takes it. Throws CliUsageError listing the grades for anything else.
const SteelGrade& ReadSteelGradeArgument(const QString& text)
{
    QStringList names;
    for (const SteelGrade& grade : SteelGrades()) {
        if (text.compare(QLatin1String(grade.name), Qt::CaseInsensitive) == 0)
            return grade;
        names << QLatin1String(grade.name);
    }
    throw CliUsageError(QStringLiteral("--steel: \"%1\" is not a steel grade (%2).")
                            .arg(text, names.join(QStringLiteral(", ")))
                            .toStdString());
}

// The steel that picking the grade in the steel window and pressing Create Steel makes: its
// values as the fields show them.
SteelValues SteelFromGrade(const QString& text, const CliArguments& arguments)
{
    const SteelGrade& grade = ReadSteelGradeArgument(text);
    const auto [basis, cv] = SteelBasisArgument(arguments);
    return SteelValuesAsShown(SteelGradeValues(grade, basis, cv));
}

void PrintParameters(const CliContext& context, const QByteArray& bytes)
{
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), context.out);
    if (std::fflush(context.out) != 0 || std::ferror(context.out))
        throw CliFailure("Cannot write standard output.");
}

int RunSteelParameters(const CliArguments& arguments, const CliContext& context)
{
    const SteelGrade& grade = ReadSteelGradeArgument(arguments.Value("steel"));
    const auto [basis, cv] = SteelBasisArgument(arguments);
    const SteelValues v = SteelGradeValues(grade, basis, cv);
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
        const SteelFieldTexts texts = SteelTexts(v, context.localeSeparator);
        // The steel window's labels, in the order of its fields.
        const std::pair<QString, const std::string*> rows[] = {
            {QStringLiteral("Steel Name"), &texts.name},
            {QStringLiteral("Modulus of elasticity Es (N/mm2)"), &texts.Es},
            {QStringLiteral("Yield strength fy,r (N/mm2)"), &texts.fy},
            {QStringLiteral("Ultimate strength fst,r (N/mm2)"), &texts.fst},
            {QStringLiteral("Yield strain  \u03B5y = fy,r / Es"), &texts.ey},
            {QStringLiteral("Strain at start of hardening  \u03B5uy"), &texts.euy},
            {QStringLiteral("Strain at ultimate strength  \u03B5u"), &texts.eu},
        };
        for (const auto& [label, value] : rows) {
            bytes += label.leftJustified(44).toUtf8();
            bytes += QByteArray::fromStdString(*value);
            bytes += '\n';
        }
    }
    PrintParameters(context, bytes);
    return 0;
}

}  // namespace

int RunParameters(const CliArguments& arguments, const CliContext& context)
{
    if (arguments.Has("steel") && arguments.Has("grade"))
        throw CliUsageError("--grade and --steel: give one of them.");
    if (arguments.Has("steel"))
        return RunSteelParameters(arguments, context);
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
    PrintParameters(context, bytes);
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

    void Check(const char* kind) const
    {
        if (duplicates.empty())
            return;
        QStringList named;
        for (const std::string& name : duplicates)
            named << QStringLiteral("\"%1\" (%2)").arg(
                         FromUtf8(name), origins.at(name).join(QStringLiteral(", ")));
        throw CliFailure(QStringLiteral("%1 names must be unique; given more than once: %2.")
                             .arg(QLatin1String(kind), named.join(QStringLiteral("; ")))
                             .toStdString());
    }

private:
    Registry& registry;
    std::map<std::string, QStringList> origins;  // name → the sources that hold it
    std::vector<std::string> duplicates;
};

// The concretes and steels of every source, in order, with their shown flags. Refuses the
// first source that fails and, after all were read, every name that more than one concrete
// (or more than one steel) bears.
MaterialLibrary LoadMaterials(const CliArguments& arguments, char separator)
{
    MaterialLibrary materials;
    UniqueAdder<ConcreteRegistry, CConcrete> concretes(materials.concretes);
    UniqueAdder<SteelRegistry, CSteel> steels(materials.steels);

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
            concretes.Add(
                CConcrete(d.name, d.Ec, d.fck, d.ftk, d.ac, d.at, d.eck, d.etk, d.ecmax, d.etmax),
                d.name, true, where);
        } else if (source.kind == CliSource::Kind::Steel) {
            const SteelValues v = SteelFromGrade(source.text, arguments);
            if (const auto refusal = CheckSteel(v))
                throw CliFailure(QStringLiteral("%1: steel \"%2\", field %3: %4")
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
    concretes.Check("Concrete");
    steels.Check("Steel");
    return materials;
}

ConcreteRegistry LoadSources(const CliArguments& arguments, char separator)
{
    return std::move(LoadMaterials(arguments, separator).concretes);
}

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

struct PictureFormatEntry {
    const char* name;
    PictureFormat format;
};

// BMP is what Save Picture writes; the others are the report pictures of the window's
// Save Pictures As..., at the charts' on-screen size.
const PictureFormatEntry kPictureFormats[] = {
    {"bmp", PictureFormat::Bmp},
    {"png", PictureFormat::Png},
    {"svg", PictureFormat::Svg},
    {"pdf", PictureFormat::Pdf},
};

// The folders that making path created, the deepest first, so that a failure can take them back.
QStringList MakeFolder(const QString& path)
{
    QStringList created;
    QString missing = QDir::cleanPath(QDir(path).absolutePath());
    while (!QFileInfo::exists(missing)) {
        created << missing;
        const QString parent = QFileInfo(missing).path();
        if (parent == missing)
            break;
        missing = parent;
    }
    if (!created.isEmpty() && !QDir().mkpath(path))
        throw CliFailure(QStringLiteral("Cannot create the folder \"%1\".")
                             .arg(QDir::toNativeSeparators(path))
                             .toStdString());
    return created;
}

// Solver writers' option names as the command line spells them.
const char* const kAbaqusOptions[] = {"units", "poisson", "dilation", "eccentricity", "fb0-fc0", "k",
                                      "viscosity", "elastic-limit", "damage", "rows", "model"};
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
        throw CliFailure(materials.steels.empty()
                             ? "No concrete is shown: nothing to write."
                             : "No concrete is shown (nor any steel): nothing to write.");
    return shown;
}

void ThrowRefusals(const std::vector<SolverRefusal>& refused,
                   const std::vector<SolverRefusal>& steelsRefused = {})
{
    // A refusal without a name is about the whole set (OpenSees tags that run out).
    std::string text;
    for (const SolverRefusal& refusal : refused)
        text += refusal.name.empty() ? "Cannot write: " + refusal.reason + '\n'
                                     : RefusalText({refusal}) + '\n';
    for (const SolverRefusal& refusal : steelsRefused)
        text += SteelRefusalText({refusal}) + '\n';
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
    SteelAbaqusOptions steelOptions;
    for (const char* name : kSteelAbaqusOptions)
        if (arguments.Has(name))
            SetSolverOption(steelOptions, SetSteelAbaqusOption, name, arguments.Value(name));
    TakeAbaqusOptions(steelOptions, options);

    const MaterialLibrary materials = LoadMaterials(arguments, context.localeSeparator);
    const ShownMaterials shown = Shown(materials);
    AbaqusExport out;
    std::vector<std::string> taken;
    if (!shown.concretes.empty()) {
        out = BuildAbaqusExport(shown.concretes, options);
        for (const CdpMaterial& m : out.materials)
            taken.push_back(m.name);
    }
    const SteelAbaqusExport steels = BuildSteelAbaqusExport(shown.steels, steelOptions, taken);
    if (!out.refused.empty() || !steels.refused.empty())
        ThrowRefusals(out.refused, steels.refused);
    std::string text = out.text;
    if (!shown.steels.empty())
        text += WriteSteelAbaqus(steels.materials, steelOptions, shown.concretes.empty());
    WriteOutput(arguments, context, QByteArray::fromStdString(text));
    // Not an error: the file is written, but a model refers to the materials by these names.
    for (const NameMapping& renamed : out.renamed)
        std::fprintf(context.err,
                     "tarvolin-cli: note: concrete \"%s\" is written as material \"%s\".\n",
                     renamed.original.c_str(), renamed.mapped.c_str());
    for (const NameMapping& renamed : steels.renamed)
        std::fprintf(context.err,
                     "tarvolin-cli: note: steel \"%s\" is written as material \"%s\".\n",
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
    SteelOpenSeesOptions steelOptions;
    if (arguments.Has("steel-material"))
        SetSolverOption(steelOptions, SetSteelOpenSeesOption, "steel-material",
                        arguments.Value("steel-material"));

    const MaterialLibrary materials = LoadMaterials(arguments, context.localeSeparator);
    const ShownMaterials shown = Shown(materials);
    OpenSeesExport out;
    if (!shown.concretes.empty()) {
        out = BuildOpenSeesExport(shown.concretes, options);
        if (!out.refused.empty())
            ThrowRefusals(out.refused);
    }
    // The steels' tags go on from the concretes'.
    steelOptions.format = options.format;
    steelOptions.firstTag = options.firstTag + static_cast<long long>(shown.concretes.size());
    const SteelOpenSeesExport steels =
        BuildSteelOpenSeesExport(shown.steels, steelOptions, shown.concretes.empty());
    if (!steels.refused.empty())
        ThrowRefusals({}, steels.refused);
    WriteOutput(arguments, context, QByteArray::fromStdString(out.text + steels.text));
    return 0;
}

int RunLibrary(const CliArguments& arguments, const CliContext& context)
{
    const MaterialLibrary materials = LoadMaterials(arguments, context.localeSeparator);
    WriteOutput(arguments, context, LibraryJson(materials.concretes, materials.steels));
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

int RunSteelCsv(const CliArguments& arguments, const CliContext& context)
{
    const char separator = CsvSeparator(arguments, context);
    const MaterialLibrary materials = LoadMaterials(arguments, separator);
    if (materials.steels.empty())
        throw CliFailure("No steels have been created: nothing to write.");
    const std::string text = BuildSteelCsv(materials.steels, separator);
    WriteOutput(arguments, context, QByteArray::fromStdString(text));
    return 0;
}

int RunPictures(const CliArguments& arguments, const CliContext& context)
{
    if (arguments.output == QLatin1String("-"))
        throw CliUsageError(
            "pictures writes its files into a folder: -o - is for text outputs.");
    const QString formatName = arguments.Value("format", QStringLiteral("bmp")).toLower();
    const PictureFormatEntry* format = nullptr;
    for (const PictureFormatEntry& entry : kPictureFormats)
        if (formatName == QLatin1String(entry.name))
            format = &entry;
    if (!format)
        throw CliUsageError(
            QStringLiteral("--format must be bmp, png, svg or pdf (not \"%1\").")
                .arg(arguments.Value("format"))
                .toStdString());

    const char separator = context.localeSeparator;
    const MaterialLibrary materials = LoadMaterials(arguments, separator);

    // Everything is drawn before the disk is touched.
    // The charts take their fonts from the widget they are made in, as in the window.
    QWidget host;
    host.setFont(ChartFont());
    TChart compression(&host);
    TChart tension(&host);
    compression.resize(kCompressionChartSize);
    tension.resize(kTensionChartSize);
    SetUpCompressionChart(&compression, separator);
    SetUpTensionChart(&tension, separator);
    AddRegistryCurves(&compression, &tension, materials.concretes);
    // The steel chart, as the steel window draws it, when the sources hold steels.
    std::unique_ptr<TChart> steel;
    if (!materials.steels.empty()) {
        steel = std::make_unique<TChart>(&host);
        steel->resize(kSteelChartSize);
        SetUpSteelChart(steel.get(), separator);
        AddSteelRegistryCurves(steel.get(), materials.steels);
        steel->move(0, kCompressionChartSize.height() + kTensionChartSize.height());
    }
    // The strain labels are spaced to fit the axis as laid out on screen, and the window's
    // charts were shown before Save Picture: so are these, on the offscreen platform.
    host.resize(kCompressionChartSize.width(), kCompressionChartSize.height() * 3 +
                                                   kSteelChartSize.height());
    tension.move(0, kCompressionChartSize.height());
    host.show();
    QCoreApplication::processEvents();
    std::vector<QByteArray> pictures = {RenderChartPicture(compression, format->format),
                                        RenderChartPicture(tension, format->format)};
    QStringList names = {QStringLiteral("Compression."), QStringLiteral("Tension.")};
    if (steel) {
        pictures.push_back(RenderChartPicture(*steel, format->format));
        names.append(QStringLiteral("Steel."));
    }

    const QString folder = arguments.output;
    if (QFileInfo::exists(folder) && !QFileInfo(folder).isDir())
        throw CliFailure(QStringLiteral("Cannot write into \"%1\": it is not a folder.")
                             .arg(QDir::toNativeSeparators(folder))
                             .toStdString());
    const QStringList createdFolders = MakeFolder(folder);

    // Both pictures or neither: a failure puts back what the first write replaced.
    struct Replaced {
        QString path;
        std::optional<QByteArray> previous;
    };
    std::vector<Replaced> replaced;
    try {
        for (std::size_t i = 0; i < pictures.size(); ++i) {
            const QString path =
                QDir(folder).filePath(names[int(i)] + QLatin1String(format->name));
            Replaced entry{path, std::nullopt};
            QFile old(path);
            if (old.exists() && old.open(QIODevice::ReadOnly))
                entry.previous = old.readAll();
            WriteFileAtomically(path, pictures[i]);
            replaced.push_back(entry);
        }
    } catch (const std::runtime_error& error) {
        for (const Replaced& entry : replaced) {
            if (entry.previous) {
                try {
                    WriteFileAtomically(entry.path, *entry.previous);
                } catch (const std::runtime_error&) {
                }
            } else {
                QFile::remove(entry.path);
            }
        }
        for (const QString& created : createdFolders)
            QDir().rmdir(created);
        throw CliFailure(error.what());
    }
    return 0;
}
