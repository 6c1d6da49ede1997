#include "app/CommandLine.h"

#include <QCommandLineParser>

#include "concretewindow/Unit1.h"
#include "platform/Translation.h"

QString UsageText()
{
    return ui::translate("CommandLine",
        "Usage: tarvolin [options] [library]\n"
        "Builds the stress-strain curves of concrete after GB 50010-2010, Appendix C.\n"
        "\n"
        "Options:\n"
        "  -h, --help     Displays this help.\n"
        "  -v, --version  Displays version information.\n"
        "\n"
        "Arguments:\n"
        "  library        A Tarvolin library (*.json) to open at start-up.\n");
}

QString VersionText()
{
    return QStringLiteral("tarvolin " TARVOLIN_VERSION "\n");
}

StartRequest ParseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOption(help);
    parser.addOption(version);

    StartRequest request;
    const auto wrong = [&](const QString& reason) {
        request.start = false;
        request.exitCode = 2;
        request.errorOutput = QStringLiteral("tarvolin: ") + reason + QLatin1Char('\n') +
                              UsageText();
        return request;
    };

    if (!parser.parse(arguments))
        return wrong(parser.errorText());
    if (parser.isSet(help)) {
        request.start = false;
        request.output = UsageText();
        return request;
    }
    if (parser.isSet(version)) {
        request.start = false;
        request.output = VersionText();
        return request;
    }
    const QStringList libraries = parser.positionalArguments();
    if (libraries.size() > 1)
        return wrong(ui::translate("CommandLine", "Only one library can be opened at start-up."));
    if (!libraries.isEmpty())
        request.libraryPath = libraries.constFirst();
    return request;
}

QStringList WithoutQtOptions(const QStringList& arguments)
{
    // Qt's options that take a value (as the next word or after '='), and those that do not.
    static const QStringList withValue = {
        QStringLiteral("platform"),      QStringLiteral("platformpluginpath"),
        QStringLiteral("platformtheme"), QStringLiteral("plugin"),
        QStringLiteral("qwindowgeometry"), QStringLiteral("qwindowicon"),
        QStringLiteral("qwindowtitle"),  QStringLiteral("session"),
        QStringLiteral("display"),       QStringLiteral("geometry"),
        QStringLiteral("style"),         QStringLiteral("stylesheet"),
        QStringLiteral("title"),         QStringLiteral("name"),
        QStringLiteral("icon"),          QStringLiteral("qmljsdebugger"),
        QStringLiteral("dialogs"),       QStringLiteral("fontengine")};
    static const QStringList flags = {
        QStringLiteral("reverse"), QStringLiteral("widgetcount"), QStringLiteral("nograb"),
        QStringLiteral("dograb"),  QStringLiteral("sync")};

    QStringList kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& word = arguments[i];
        if (i == 0 || !word.startsWith(QLatin1Char('-')) || word == QLatin1String("--")) {
            kept << word;
            if (word == QLatin1String("--") && i > 0) {
                kept << arguments.mid(i + 1);
                break;
            }
            continue;
        }
        QString name = word.mid(word.startsWith(QLatin1String("--")) ? 2 : 1);
        const qsizetype equals = name.indexOf(QLatin1Char('='));
        if (equals >= 0) {
            if (withValue.contains(name.left(equals)))
                continue;
        } else if (flags.contains(name)) {
            continue;
        } else if (withValue.contains(name) && i + 1 < arguments.size()) {
            ++i;
            continue;
        }
        kept << word;
    }
    return kept;
}

void StartWindow(TForm1& form, const StartRequest& request)
{
    form.show();
    if (!request.libraryPath.isEmpty())
        form.OpenLibraryFile(request.libraryPath);
}
