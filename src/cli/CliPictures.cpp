// tarvolin-cli's drawing command, pictures, in the program of its own that tarvolin-cli starts
// for it (tarvolin-cli-draw): only this program loads the GUI libraries.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QRegularExpression>
#include <QWidget>
#include <memory>
#include <optional>
#include <tuple>
#include <vector>

#include "chart/Chart.h"
#include "cli/CliCommand.h"
#include "concretewindow/ChartSetup.h"
#include "formats/AtomicFile.h"
#include "formats/LibraryFile.h"
#include "model/Registry.h"
#include "pictures/ChartPicture.h"
#include "platform/Translation.h"
#include "steelwindow/SteelChart.h"

namespace {

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

// A side of a picture as typed after --width or --height: whole pixels, 16 to 10000.
std::optional<int> ReadPictureSide(const CliArguments& arguments, const char* name)
{
    if (!arguments.Has(name))
        return std::nullopt;
    const QString text = arguments.Value(name);
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,9}$"));
    const int side = digits.match(text).hasMatch() ? text.toInt() : 0;
    if (side < kMinPictureSide || side > kMaxPictureSide)
        throw CliUsageError(ui::translate("Cli", "--%1 must be a whole number of pixels from %2 "
                                                 "to %3 (not \"%4\").")
                                .arg(QLatin1String(name))
                                .arg(kMinPictureSide)
                                .arg(kMaxPictureSide)
                                .arg(text)
                                .toStdString());
    return side;
}

// --width, --height and --scale, as the window's picture options dialog offers them.
struct PictureOptionsArgument {
    std::optional<int> width;
    std::optional<int> height;
    int scale = 1;

    // The options for a chart of this size on screen.
    PictureOptions For(QSize chart) const
    {
        if (!width && !height)
            return {QSize(), scale};
        return {QSize(width.value_or(chart.width()), height.value_or(chart.height())), scale};
    }
};

PictureOptionsArgument ReadPictureOptions(const CliArguments& arguments, PictureFormat format)
{
    PictureOptionsArgument options;
    options.width = ReadPictureSide(arguments, "width");
    options.height = ReadPictureSide(arguments, "height");
    if (arguments.Has("scale")) {
        const QString scale = arguments.Value("scale");
        if (scale != QLatin1String("1") && scale != QLatin1String("2") &&
            scale != QLatin1String("3"))
            throw CliUsageError(
                ui::translate("Cli", "--scale must be 1, 2 or 3 (not \"%1\").")
                    .arg(scale)
                    .toStdString());
        if (format != PictureFormat::Png)
            throw CliUsageError(
                ui::translate("Cli", "--scale is for PNG pictures only (--format png).")
                    .toStdString());
        options.scale = scale.toInt();
    }
    // The picture stays within 10000 pixels a side once scaled, as in the dialog.
    for (const auto& [name, side, own] :
         {std::tuple{"width", options.width, kCompressionChartSize.width()},
          std::tuple{"height", options.height,
                     std::max({kCompressionChartSize.height(), kTensionChartSize.height(),
                               kSteelChartSize.height()})}}) {
        const int pixels = side.value_or(own) * options.scale;
        if (pixels > kMaxPictureSide)
            throw CliUsageError(ui::translate("Cli", "--%1 %2 at --scale %3 makes %4 pixels; a "
                                                     "picture has at most %5 a side.")
                                    .arg(QLatin1String(name))
                                    .arg(side.value_or(own))
                                    .arg(options.scale)
                                    .arg(pixels)
                                    .arg(kMaxPictureSide)
                                    .toStdString());
    }
    return options;
}

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
        throw CliFailure(ui::translate("Cli", "Cannot create the folder \"%1\".")
                             .arg(QDir::toNativeSeparators(path))
                             .toStdString());
    return created;
}

// Charts are widgets: they need the application object, on a platform that needs no display.
// Windows always has a desktop to draw on, and only its own platform knows the fonts the window
// draws with (Qt's offscreen platform there sees none but fonts shipped with Qt itself).
// Qt's own options are not looked for in the user's arguments.
std::unique_ptr<QApplication> StartDrawing()
{
    if (QCoreApplication::instance())
        return nullptr;
#ifndef Q_OS_WIN
    qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    // Qt's notes about the session (no XDG_RUNTIME_DIR and the like) would mix with the
    // program's own messages on stderr; only its critical errors get through.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    });
    static char programName[] = "tarvolin-cli";
    static char* qtArgv[] = {programName, nullptr};
    static int qtArgc = 1;
    auto application = std::make_unique<QApplication>(qtArgc, qtArgv);
    // The charts' own texts (the axis titles) in the language of the window's pictures.
    InstallTranslations();
    return application;
}

}  // namespace

int RunPictures(const CliArguments& arguments, const CliContext& context)
{
    if (arguments.output == QLatin1String("-"))
        throw CliUsageError(ui::translate("Cli", "pictures writes its files into a folder: -o - "
                                                 "is for text outputs.")
                                .toStdString());
    const QString formatName = arguments.Value("format", QStringLiteral("bmp")).toLower();
    const PictureFormatEntry* format = nullptr;
    for (const PictureFormatEntry& entry : kPictureFormats)
        if (formatName == QLatin1String(entry.name))
            format = &entry;
    if (!format)
        throw CliUsageError(
            ui::translate("Cli", "--format must be bmp, png, svg or pdf (not \"%1\").")
                .arg(arguments.Value("format"))
                .toStdString());

    const PictureOptionsArgument picture = ReadPictureOptions(arguments, format->format);

    const char separator = context.localeSeparator;
    const MaterialLibrary materials = LoadMaterials(arguments, context, separator);
    const std::unique_ptr<QApplication> application = StartDrawing();

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
    // Never shown: a picture is laid out for its own size, as the window's charts are.
    std::vector<QByteArray> pictures = {
        RenderChartPicture(compression, format->format, picture.For(kCompressionChartSize)),
        RenderChartPicture(tension, format->format, picture.For(kTensionChartSize))};
    QStringList names = {QStringLiteral("Compression."), QStringLiteral("Tension.")};
    // The steel chart, as the steel window draws it, when the sources hold steels.
    if (!materials.steels.empty()) {
        TChart steel(&host);
        steel.resize(kSteelChartSize);
        SetUpSteelChart(&steel, separator);
        AddSteelRegistryCurves(&steel, materials.steels);
        pictures.push_back(
            RenderChartPicture(steel, format->format, picture.For(kSteelChartSize)));
        names.append(QStringLiteral("Steel."));
    }

    const QString folder = arguments.output;
    if (QFileInfo::exists(folder) && !QFileInfo(folder).isDir())
        throw CliFailure(ui::translate("Cli", "Cannot write into \"%1\": it is not a folder.")
                             .arg(QDir::toNativeSeparators(folder))
                             .toStdString());
    const QStringList createdFolders = MakeFolder(folder);

    // Every picture or none: a failure puts back what the earlier writes replaced.
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
