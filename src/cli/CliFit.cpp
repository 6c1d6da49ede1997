// tarvolin-cli fit: the code's law fitted to a measured curve, printed and made a concrete.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Translation.h"
#include "cli/CliCommand.h"
#include "fit/CurveFit.h"
#include "fit/FittedConcrete.h"
#include "fit/MeasuredCurve.h"
#include "platform/FieldText.h"
#include "model/DefinitionRules.h"
#include "model/GradeFields.h"
#include "model/NumberText.h"

namespace {

QString FromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// A number after an option, read with either decimal separator as --grade is; it must be
// positive.
double ReadPositiveArgument(const CliArguments& arguments, const char* name)
{
    const QString text = arguments.Value(name);
    const std::string bytes = text.toStdString();
    double value = 0;
    try {
        value = StrToFloat(bytes, '.');
    } catch (const ConvertError&) {
        try {
            value = StrToFloat(bytes, ',');
        } catch (const ConvertError&) {
            throw CliUsageError(ui::translate("Cli", "--%1: %2")
                                    .arg(QLatin1String(name), NotANumberMessage(text))
                                    .toStdString());
        }
    }
    if (!(value > 0))
        throw CliUsageError(ui::translate("Cli", "--%1 must be greater than zero (not %2).")
                                .arg(QLatin1String(name), Quoted(text))
                                .toStdString());
    return value;
}

fit::ReadOptions ReadOptionsFrom(const CliArguments& arguments)
{
    fit::ReadOptions options;
    if (arguments.Has("columns")) {
        const QString order = arguments.Value("columns").trimmed().toLower();
        const QStringList parts = order.split(QLatin1Char(','));
        bool numbers = parts.size() == 2;
        int columns[2] = {0, 0};
        for (int i = 0; numbers && i < 2; ++i) {
            bool ok = false;
            columns[i] = parts[i].trimmed().toInt(&ok);
            numbers = ok && columns[i] >= 1 && columns[i] <= 100000;
        }
        if (order == QLatin1String("strain,stress")) {
            options.strainColumn = 0;
            options.stressColumn = 1;
        } else if (order == QLatin1String("stress,strain")) {
            options.strainColumn = 1;
            options.stressColumn = 0;
        } else if (numbers && columns[0] != columns[1]) {
            options.strainColumn = columns[0] - 1;
            options.stressColumn = columns[1] - 1;
        } else {
            throw CliUsageError(
                ui::translate("Cli",
                              "--columns must be strain,stress, stress,strain or two "
                              "different column numbers such as 3,5 (not \"%1\").")
                    .arg(arguments.Value("columns"))
                    .toStdString());
        }
    }
    if (arguments.Has("strain-unit")) {
        const QString unit = arguments.Value("strain-unit");
        options.strainUnit = fit::StrainUnitFromName(unit.toStdString());
        if (!options.strainUnit)
            throw CliUsageError(ui::translate("Cli",
                                              "--strain-unit must be m/m, %, permille or "
                                              "microstrain (not \"%1\").")
                                    .arg(unit)
                                    .toStdString());
    }
    if (arguments.Has("stress-unit")) {
        const QString unit = arguments.Value("stress-unit");
        options.stressUnit = fit::StressUnitFromName(unit.toStdString());
        if (!options.stressUnit)
            throw CliUsageError(
                ui::translate("Cli", "--stress-unit must be MPa, kPa or Pa (not \"%1\").")
                    .arg(unit)
                    .toStdString());
    }
    return options;
}

std::filesystem::path NativePath(const QString& path)
{
#ifdef _WIN32
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

// The bytes of DATA or of standard input ("-"), within the reader's limit.
std::string ReadData(const QString& path, const std::string& shown)
{
    if (path != QLatin1String("-"))
        return fit::ReadMeasuredBytes(NativePath(path), shown);
    std::string bytes;
    char chunk[1 << 16];
    std::size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, stdin)) > 0) {
        if (bytes.size() + got > fit::kMaxFileBytes)
            throw fit::MeasuredCurveError(
                shown, 0,
                ui::translate("Cli", "more than 100 MiB, the limit for a measured curve")
                    .toStdString());
        bytes.append(chunk, got);
    }
    return bytes;
}

struct ReadCurve {
    fit::MeasuredCurve curve;
    QString shown;  // the file as messages name it
};

ReadCurve Read(const QString& path, const fit::ReadOptions& options)
{
    ReadCurve read;
    read.shown = path == QLatin1String("-") ? ui::translate("Cli", "standard input")
                                            : QDir::toNativeSeparators(path);
    const std::string shown = read.shown.toStdString();
    try {
        read.curve = fit::ReadMeasuredCurve(ReadData(path, shown), shown, options);
    } catch (const fit::MeasuredCurveError& error) {
        throw CliFailure(error.what());
    }
    return read;
}

// Numbers as the table prints them, with the locale's separator.
QString Number(NumberPattern pattern, double value, char separator)
{
    return FromUtf8(FormatFloat(pattern, value, separator));
}

// R² with five decimals: three would print 1.000 for most fits.
QString FiveDecimals(double value, char separator)
{
    char text[64];
    const auto [end, ec] =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 5);
    std::string s(text, ec == std::errc() ? end : text);
    for (char& c : s)
        if (c == '.')
            c = separator;
    return QString::fromStdString(s);
}

QString UnitText(fit::Source source, const char* unit)
{
    switch (source) {
    case fit::Source::Heading:
        return ui::translate("Cli", "%1 (from the heading)").arg(QString::fromUtf8(unit));
    case fit::Source::Option:
        return ui::translate("Cli", "%1 (as given)").arg(QString::fromUtf8(unit));
    case fit::Source::Default: break;
    }
    return ui::translate("Cli", "%1 (no unit given)").arg(QString::fromUtf8(unit));
}

// How a file was read: what a user checks first when the numbers look wrong.
QString ReadAs(const ReadCurve& read)
{
    const fit::CurveLayout& l = read.curve.layout;
    QString text = ui::translate("Cli",
                                 "%1: strain in column %2, %3; stress in column %4, %5; "
                                 "data from line %6")
                       .arg(read.shown)
                       .arg(l.strainColumn + 1)
                       .arg(UnitText(l.strainUnitSource, fit::UnitName(l.strainUnit)))
                       .arg(l.stressColumn + 1)
                       .arg(UnitText(l.stressUnitSource, fit::UnitName(l.stressUnit)))
                       .arg(qulonglong(l.firstDataLine));
    if (l.stressNegative || l.strainNegative)
        text += ui::translate("Cli", "; written negative");
    return text;
}

struct TableRow {
    QString label;
    QString fitted;
    QString code;
};

QByteArray Table(const std::vector<TableRow>& rows)
{
    QByteArray bytes;
    for (const TableRow& row : rows) {
        QString line = PaddedToColumns(row.label, 44);
        if (row.code.isEmpty())
            line += row.fitted;
        else
            line += PaddedToColumns(row.fitted, 16) + row.code;
        bytes += line.toUtf8();
        bytes += '\n';
    }
    return bytes;
}

QString Fixed(const QString& value, bool fixed)
{
    return fixed ? ui::translate("Cli", "%1 (held)").arg(value) : value;
}

QByteArray TextReport(const fit::FittedConcrete& made, const ReadCurve& compressionRead,
                      const fit::CompressionFit& compression, const ReadCurve* tensionRead,
                      const std::optional<fit::TensionFit>& tension, char sep)
{
    const DefinitionTexts code = GradeDefinitionTexts(made.grade, sep);
    const QString codeHeading = ui::translate("Cli", "C%1 (code)").arg(made.grade);
    const auto micro = [&](double strain) {
        return Number(NumberPattern::Fixed3, strain * 1e6, sep);
    };
    std::vector<TableRow> rows{
        {ui::translate("Cli", "Compression data"), ReadAs(compressionRead), {}},
    };
    if (tensionRead)
        rows.push_back({ui::translate("Cli", "Tension data"), ReadAs(*tensionRead), {}});
    rows.push_back({ui::translate("TForm1", "Concrete Name"), FromUtf8(made.definition.name), {}});
    rows.push_back({{}, ui::translate("Cli", "fitted"), codeHeading});
    rows.push_back(
        {ui::translate("TForm1", "Modulus of elasticity Ec (N/mm2)"),
         Fixed(Number(NumberPattern::Fixed0, compression.Ec, sep), compression.modulusFixed),
         FromUtf8(code.Ec)});
    rows.push_back(
        {ui::translate("TForm1", "Axial Compression strength fc,k (N/mm2)"),
         Fixed(Number(NumberPattern::Fixed2, compression.fc, sep), compression.strengthFixed),
         FromUtf8(code.fck)});
    rows.push_back({ui::translate("TForm1", "Strain at Peak Comp. Stress  εc,k  (10-6)"),
                    micro(compression.ec), FromUtf8(code.eck)});
    rows.push_back({ui::translate("TForm1", "Shape parameter for Compression  ac"),
                    Number(NumberPattern::Fixed3, compression.ac, sep), FromUtf8(code.ac)});
    if (tension) {
        rows.push_back(
            {ui::translate("TForm1", "Axial Tension strength ft,k (N/mm2)"),
             Fixed(Number(NumberPattern::Fixed3, tension->ft, sep), tension->strengthFixed),
             FromUtf8(code.ftk)});
        rows.push_back({ui::translate("TForm1", "Strain at Peak Tensile Stress  εt,k  (10-6)"),
                        micro(tension->et), FromUtf8(code.etk)});
        rows.push_back({ui::translate("TForm1", "Shape parameter for Tension  at"),
                        Number(NumberPattern::Fixed3, tension->at, sep), FromUtf8(code.at)});
    }
    // The quality of each branch fitted, side by side like the values above.
    const fit::FitQuality& c = compression.quality;
    const fit::FitQuality* t = tension ? &tension->quality : nullptr;
    const auto both = [&](const QString& label, const QString& compressionText,
                          const QString& tensionText) {
        rows.push_back({label, compressionText, t ? tensionText : QString()});
    };
    both({}, ui::translate("Cli", "compression"), ui::translate("Cli", "tension"));
    const auto count = [](std::size_t n) {
        return QString::number(qulonglong(n));
    };
    both(ui::translate("Cli", "RMS error (N/mm2)"), Number(NumberPattern::Fixed3, c.rms, sep),
         t ? Number(NumberPattern::Fixed3, t->rms, sep) : QString());
    both(ui::translate("Cli", "R²"), FiveDecimals(c.r2, sep),
         t ? FiveDecimals(t->r2, sep) : QString());
    both(ui::translate("Cli", "Highest measured stress (N/mm2)"),
         Number(NumberPattern::Fixed3, c.measuredPeak, sep),
         t ? Number(NumberPattern::Fixed3, t->measuredPeak, sep) : QString());
    both(ui::translate("Cli", "Points used"), count(c.used), t ? count(t->used) : QString());
    const fit::MeasuredCurve& cc = compressionRead.curve;
    both(ui::translate("Cli", "Left out: unloading loops"), count(cc.leftOutUnloading),
         tensionRead ? count(tensionRead->curve.leftOutUnloading) : QString());
    both(ui::translate("Cli", "Left out: negative strain"), count(cc.leftOutNegative),
         tensionRead ? count(tensionRead->curve.leftOutNegative) : QString());
    return Table(rows);
}

QJsonObject PointsJson(const fit::FitQuality& q)
{
    return QJsonObject{{QStringLiteral("used"), qint64(q.used)},
                       {QStringLiteral("leftOut"), qint64(q.leftOut)}};
}

QByteArray JsonReport(const fit::FittedConcrete& made, const fit::CompressionFit& compression,
                      const std::optional<fit::TensionFit>& tension)
{
    QJsonObject rms{{QStringLiteral("compression"), compression.quality.rms}};
    QJsonObject r2{{QStringLiteral("compression"), compression.quality.r2}};
    QJsonObject points{{QStringLiteral("compression"), PointsJson(compression.quality)}};
    QJsonObject object{
        {QStringLiteral("name"), FromUtf8(made.definition.name)},
        {QStringLiteral("Ec"), compression.Ec},
        {QStringLiteral("fck"), compression.fc},
        {QStringLiteral("eck"), compression.ec},
        {QStringLiteral("ac"), compression.ac},
    };
    if (tension) {
        object.insert(QStringLiteral("ftk"), tension->ft);
        object.insert(QStringLiteral("etk"), tension->et);
        object.insert(QStringLiteral("at"), tension->at);
        rms.insert(QStringLiteral("tension"), tension->quality.rms);
        r2.insert(QStringLiteral("tension"), tension->quality.r2);
        points.insert(QStringLiteral("tension"), PointsJson(tension->quality));
    }
    object.insert(QStringLiteral("rms"), rms);
    object.insert(QStringLiteral("r2"), r2);
    object.insert(QStringLiteral("points"), points);
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

void Note(const CliContext& context, const QString& text)
{
    std::fputs(ui::translate("Cli", "tarvolin-cli: note: %1\n").arg(text).toUtf8().constData(),
               context.err);
}

}  // namespace

int RunFit(const CliArguments& arguments, const CliContext& context)
{
    // The command line is checked in full before any file is read.
    if (arguments.operands.isEmpty())
        throw CliUsageError(ui::translate("Cli",
                                          "DATA is missing: name the file of the measured "
                                          "compression curve.")
                                .toStdString());
    if (arguments.operands.size() > 1)
        throw CliUsageError(ui::translate("Cli",
                                          "One DATA file only (\"%1\" too); a tension curve "
                                          "goes after --tension-data.")
                                .arg(arguments.operands[1])
                                .toStdString());
    const QString data = arguments.operands.front();
    const fit::ReadOptions options = ReadOptionsFrom(arguments);
    fit::CompressionFitOptions compressionOptions;
    if (arguments.Has("fix-fc"))
        compressionOptions.strength = ReadPositiveArgument(arguments, "fix-fc");
    if (arguments.Has("fix-modulus") && arguments.Has("modulus-from-grade"))
        throw CliUsageError(ui::translate("Cli",
                                          "--fix-modulus and --modulus-from-grade both hold Ec: "
                                          "give one of them.")
                                .toStdString());
    if (arguments.Has("fix-modulus"))
        compressionOptions.modulus = ReadPositiveArgument(arguments, "fix-modulus");
    // A specimen too short or too coarse at the start to show its initial slope takes the
    // modulus the code gives its grade.
    if (arguments.Has("modulus-from-grade"))
        compressionOptions.modulus =
            GradeValuesFor(ReadPositiveArgument(arguments, "modulus-from-grade")).Ec;
    std::optional<double> tensionStrength;
    if (arguments.Has("fix-ft")) {
        if (!arguments.Has("tension-data"))
            throw CliUsageError(
                ui::translate("Cli", "--fix-ft holds the fitted ft,r: it needs --tension-data.")
                    .toStdString());
        tensionStrength = ReadPositiveArgument(arguments, "fix-ft");
    }
    if (arguments.Has("tension-data") && arguments.Value("tension-data") == QLatin1String("-") &&
        data == QLatin1String("-"))
        throw CliUsageError(
            ui::translate("Cli", "Standard input can hold one curve only.").toStdString());
    std::string name;
    if (arguments.Has("name")) {
        name = arguments.Value("name").toStdString();
        std::optional<Refusal> refusal = CheckName(name);
        if (!refusal)
            refusal = CheckNameUntrimmed(name);
        if (refusal)
            throw CliUsageError(
                ui::translate("Cli", "--name: %1").arg(FromUtf8(refusal->message)).toStdString());
    } else {
        name = data == QLatin1String("-")
                   ? fit::ConcreteNameFromFile({})
                   : fit::ConcreteNameFromFile(QFileInfo(data).completeBaseName().toStdString());
    }

    const ReadCurve compressionRead = Read(data, options);
    std::optional<ReadCurve> tensionRead;
    if (arguments.Has("tension-data"))
        tensionRead = Read(arguments.Value("tension-data"), options);

    // What the reader remarked (a unit that looks wrong) helps most when something fails next.
    const ReadCurve* const reads[] = {&compressionRead, tensionRead ? &*tensionRead : nullptr};
    for (const ReadCurve* read : reads)
        if (read)
            for (const std::string& note : read->curve.notes)
                Note(context, ui::translate("Cli", "%1: %2").arg(read->shown, FromUtf8(note)));

    const auto fitFailed = [](const QString& file, const fit::FitError& error) {
        return CliFailure(ui::translate("Cli", "%1: %2")
                              .arg(file, QString::fromUtf8(error.what()))
                              .toStdString());
    };
    fit::CompressionFit compression;
    try {
        compression = fit::FitCompression(compressionRead.curve, compressionOptions);
    } catch (const fit::FitError& error) {
        throw fitFailed(compressionRead.shown, error);
    }
    std::optional<fit::TensionFit> tension;
    if (tensionRead) {
        try {
            tension = fit::FitTension(tensionRead->curve, tensionStrength);
        } catch (const fit::FitError& error) {
            throw fitFailed(tensionRead->shown, error);
        }
    }
    const double largestTension = tensionRead ? tensionRead->curve.envelope.back().strain : 0.0;
    const fit::FittedConcrete made = fit::MakeFittedConcrete(
        name, compression, compressionRead.curve.envelope.back().strain, tension, largestTension);

    // The library is checked before anything is printed, so that a refusal leaves no output.
    QByteArray library;
    if (arguments.hasOutput) {
        if (const std::optional<Refusal> refusal = CheckDefinition(made.definition))
            throw CliFailure(ui::translate("Cli",
                                           "%1: the fitted concrete \"%2\", field %3: %4 "
                                           "Nothing was written.")
                                 .arg(compressionRead.shown, FromUtf8(made.definition.name),
                                      FromUtf8(std::string(FieldKey(refusal->field))),
                                      FromUtf8(refusal->message))
                                 .toStdString());
        const Definition& d = made.definition;
        ConcreteRegistry registry;
        registry.Add(std::make_unique<CConcrete>(d.name, d.Ec, d.fck, d.ftk, d.ac, d.at, d.eck,
                                                 d.etk, d.ecmax, d.etmax),
                     true);
        library = LibraryJson(registry);
    }

    const QByteArray report =
        arguments.Flag("json")
            ? JsonReport(made, compression, tension)
            : TextReport(made, compressionRead, compression, tensionRead ? &*tensionRead : nullptr,
                         tension, context.localeSeparator);
    const bool libraryToStdout = arguments.hasOutput && arguments.output == QLatin1String("-");
    if (arguments.hasOutput)
        WriteOutput(arguments, context, library);
    PrintStream(libraryToStdout ? context.err : context.out, report);

    if (!compression.quality.converged || (tension && !tension->quality.converged))
        Note(context, ui::translate("Cli",
                                    "the fit stopped at its limit of evaluations before it "
                                    "converged; check the values against the points."));
    if (arguments.hasOutput && made.tensionFromCode) {
        const DefinitionTexts code = GradeDefinitionTexts(made.grade, context.localeSeparator);
        Note(context, ui::translate("Cli",
                                    "no tension data: the concrete's ft,r %1, εt,r %2 x 10-6 "
                                    "and at %3 are the code's for C%4, the grade nearest "
                                    "the fitted fc,r.")
                          .arg(FromUtf8(code.ftk), FromUtf8(code.etk), FromUtf8(code.at))
                          .arg(made.grade));
    }
    std::fflush(context.err);
    return 0;
}
