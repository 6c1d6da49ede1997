// The command line's whole job against the same job in Python with matplotlib: one concrete of
// grade 30, its two curves, a CSV file and two PNG charts. Both run as fresh processes, as a
// script would start them, so the times include every start-up.

#include <cstdlib>
#include <string>
#include <vector>

#include "BenchTable.h"
#include "Processes.h"
#include "support/BigLibrary.h"

namespace {

std::string MakeFolder()
{
    char pattern[] = "/tmp/tarvolin-bench-cli-XXXXXX";
    const char* folder = mkdtemp(pattern);
    return folder ? folder : "/tmp";
}

}  // namespace

void RegisterCliBenchmarks()
{
    const std::string folder = MakeFolder();
    const std::string cli = TARVOLIN_CLI_EXE;

    // PNG once the picture writers are in the command line; until then the BMP pictures that
    // Save Picture writes, and the row says so.
    std::string format = "png";
    if (!RunQuietly({cli, "pictures", "--grade", "30", "-o", folder, "--format", "png"}))
        format = "bmp";

    const std::vector<std::vector<std::string>> subject{
        {cli, "csv", "--grade", "30", "-o", folder + "/Concrete_Data.csv"},
        {cli, "pictures", "--grade", "30", "-o", folder, "--format", format}};
    const std::vector<std::vector<std::string>> baseline{
        {"/usr/bin/python3", MATPLOTLIB_JOB, folder}};
    // matplotlib builds its font cache on its first run: a script run every day runs with it
    // warm, and so does the yardstick. Both sides' files are in the page cache too.
    for (const auto& command : baseline)
        RunQuietly(command);
    for (const auto& command : subject)
        RunQuietly(command);

    BenchRow row;
    row.name = format == "png" ? "CLI csv + 2 PNG vs Python+matplotlib"
                               : "CLI csv + 2 BMP vs Python+matplotlib PNG";
    row.goal = "ratio <= 0.1 (aim 0.05)";
    row.maxRatio = 0.1;
    AddRow(row, JobBody(subject), JobBody(baseline),
           [](benchmark::internal::Benchmark* b) {
               b->UseManualTime()->Iterations(2)->Unit(benchmark::kMillisecond);
           });

    // The pictures of a library of a thousand concretes against those of a hundred: linear
    // work makes the ratio about 10 (less, for the start-up both share).
    std::vector<std::string> libraries;
    for (int count : {1000, 100}) {
        libraries.push_back(folder + "/library-" + std::to_string(count) + ".json");
        WriteBigLibrary(QString::fromStdString(libraries.back()), count);
    }
    BenchRow pictures;
    pictures.name = "CLI pictures (PNG), 1,000 vs 100 concretes";
    pictures.goal = "ratio <= 15, < 1,000 ms";
    pictures.maxRatio = 15;
    pictures.maxSubjectMs = 1000;
    const auto picturesOf = [&](const std::string& library) {
        return JobBody({{cli, "pictures", library, "-o", folder + "/big", "--format", "png"}});
    };
    AddRow(pictures, picturesOf(libraries[0]), picturesOf(libraries[1]),
           [](benchmark::internal::Benchmark* b) {
               b->UseManualTime()->Iterations(2)->Unit(benchmark::kMillisecond);
           });
}
