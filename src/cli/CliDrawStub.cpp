// tarvolin-cli's drawing command runs in a program of its own, tarvolin-cli-draw, which this
// program becomes when it is asked to draw. The text commands so start without the GUI
// libraries, whose relocation took most of their time.

#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include <QDir>
#include <QString>

#include "cli/CliCommand.h"
#include "platform/Translation.h"

namespace {

// Beside this program in a build tree; in the installed tree, the folder the build names
// relative to this program's own.
std::string DrawProgram()
{
    char self[PATH_MAX + 1] = {};
    const ssize_t length = readlink("/proc/self/exe", self, PATH_MAX);
    std::string folder = length > 0 ? std::string(self, std::size_t(length)) : std::string();
    folder = folder.substr(0, folder.rfind('/') + 1);
    const std::string candidates[] = {folder + "tarvolin-cli-draw",
                                      folder + TARVOLIN_CLI_DRAW_RELATIVE "/tarvolin-cli-draw"};
    for (const std::string& candidate : candidates)
        if (access(candidate.c_str(), X_OK) == 0)
            return candidate;
    return candidates[1];
}

}  // namespace

int RunPictures(const CliArguments&, const CliContext& context)
{
    const std::string program = DrawProgram();
    std::vector<std::string> words = CliProgramArguments();
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    std::fflush(context.out);
    std::fflush(context.err);
    execv(program.c_str(), argv.data());
    throw CliFailure(ui::translate("Cli", "Cannot start \"%1\": %2.")
                         .arg(QDir::toNativeSeparators(
                                  QDir::cleanPath(QString::fromLocal8Bit(program.c_str()))),
                              QString::fromLocal8Bit(std::strerror(errno)))
                         .toStdString());
}
