// tarvolin-cli cyclic: the repeated-load paths of the shown materials as one CSV file.

#include <string>
#include <vector>

#include "platform/Translation.h"
#include "cli/CliCommand.h"
#include "cyclic/CyclicPath.h"
#include "formats/CyclicCsv.h"
#include "steel/SteelRegistry.h"

namespace {

QString FromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

}  // namespace

int RunCyclic(const CliArguments& arguments, const CliContext& context)
{
    // The command line is checked in full before any source is read.
    if (!arguments.Has("history"))
        throw CliUsageError(ui::translate("Cli", "--history LIST is missing: give the strains, e.g. "
                                                 "--history 0,-0.002,-0.001,-0.004.")
                                .toStdString());
    std::vector<double> history;
    std::string problem = ParseCyclicHistory(arguments.Value("history").toStdString(), history);
    if (!problem.empty())
        throw CliUsageError(
            ui::translate("Cli", "--history: %1.").arg(FromUtf8(problem)).toStdString());
    double step = kDefaultCyclicStep;
    if (arguments.Has("step")) {
        problem = ParseCyclicStep(arguments.Value("step").toStdString(), step);
        if (!problem.empty())
            throw CliUsageError(
                ui::translate("Cli", "--step: %1.").arg(FromUtf8(problem)).toStdString());
    }

    // The shown materials, as pictures draws them and the export dialogs start with them.
    const MaterialLibrary materials = LoadMaterials(arguments, context, context.localeSeparator);
    const std::vector<const CConcrete*> concretes = materials.concretes.ShownConcretes();
    const std::vector<const CSteel*> steels = materials.steels.ShownSteels();
    if (concretes.empty() && steels.empty())
        throw CliFailure(ui::translate("Cli", "No concrete or steel is shown: nothing to write.")
                             .toStdString());

    std::string text;
    try {
        text = BuildCyclicCsv(concretes, steels, history, step);
    } catch (const CyclicTooManyPoints& error) {
        // The history and the step make the number: --step is what one would change.
        throw CliUsageError(
            ui::translate("Cli", "--step: %1.").arg(QString::fromUtf8(error.what())).toStdString());
    }
    // Up to some hundred megabytes: written from where it lies, not copied.
    WriteOutput(arguments, context, QByteArray::fromRawData(text.data(), qsizetype(text.size())));
    return 0;
}
