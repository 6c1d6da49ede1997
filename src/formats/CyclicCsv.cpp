#include "formats/CyclicCsv.h"

#include <algorithm>
#include <cstring>
#include <string_view>
#include <vector>

#include "formats/CsvExport.h"
#include "formats/SolverCommon.h"
#include "model/Concrete.h"
#include "steel/Steel.h"

namespace {

// Prints the lines of one material, a block at a time, into a buffer of its own that holds a
// block's lines at their longest, and appends them to the text: nothing is allocated per line,
// and the text is written once.
class LineWriter {
public:
    LineWriter(std::string& out, std::string_view name) : out_(out)
    {
        AppendCsvName(quoted_, name);
    }

    std::size_t Longest() const { return quoted_.size() + 2 * solvertext::kMaxSolverNumberLength + 4; }

    void Add(std::span<const CyclicPoint> points)
    {
        buffer_.resize(std::max(buffer_.size(), Longest() * points.size()));
        char* const begin = buffer_.data();
        char* p = begin;
        for (const CyclicPoint& point : points) {
            std::memcpy(p, quoted_.data(), quoted_.size());
            p += quoted_.size();
            *p++ = ',';
            p = solvertext::ForSolverTo(p, point.strain);
            *p++ = ',';
            p = solvertext::ForSolverTo(p, point.stress);
            *p++ = '\r';
            *p++ = '\n';
        }
        out_.append(begin, std::size_t(p - begin));
    }

private:
    std::string& out_;
    std::string quoted_;
    std::vector<char> buffer_;
};

// Room for lines at their longest: reserved address space, which costs nothing until written,
// so that the text is not copied as it grows.
void Reserve(std::string& out, double lines, std::size_t longest)
{
    out.reserve(out.size() + std::size_t(lines) * longest);
}

}  // namespace

void AppendCyclicCsv(std::string& out, std::string_view name, std::span<const CyclicPoint> points)
{
    LineWriter writer(out, name);
    Reserve(out, double(points.size()), writer.Longest());
    constexpr std::size_t kBlock = 4096;
    for (std::size_t first = 0; first < points.size(); first += kBlock)
        writer.Add(points.subspan(first, std::min(kBlock, points.size() - first)));
}

std::string BuildCyclicCsv(std::span<const CConcrete* const> concretes,
                           std::span<const CSteel* const> steels, std::span<const double> history,
                           double step, std::size_t maxPoints)
{
    // The cheap count first, so that a request far too large is refused at once.
    const double estimate = CyclicPointEstimate(history, step);
    const double materials = double(concretes.size() + steels.size());
    if (!(estimate * materials <= double(maxPoints)))
        throw CyclicTooManyPoints(CyclicTooManyPointsMessage(maxPoints));
    // The kinks add a few points a run.
    const double lines = std::min(estimate + 6.0 * double(history.size()), double(maxPoints));

    std::string out;
    std::size_t namesBytes = 0;
    std::vector<std::string_view> names;
    names.reserve(concretes.size() + steels.size());
    for (const CConcrete* concrete : concretes)
        names.push_back(concrete->ConcreteName);
    for (const CSteel* steel : steels)
        names.push_back(steel->SteelName);
    for (const std::string_view name : names)
        namesBytes += 2 * name.size() + 2;  // quoted at the longest
    Reserve(out, lines,
            std::size_t(materials) * (2 * solvertext::kMaxSolverNumberLength + 4) + namesBytes + 3);
    out += CsvByteOrderMark(names);
    out += kCyclicCsvHeader;

    // The points go straight into the text, path by path; the paths share the limit.
    std::size_t left = maxPoints;
    const auto write = [&](const std::string& name, auto walk) {
        LineWriter writer(out, name);
        left -= walk(left, [&writer](std::span<const CyclicPoint> block) { writer.Add(block); });
    };
    for (const CConcrete* concrete : concretes)
        write(concrete->ConcreteName, [&](std::size_t limit, const CyclicPointSink& sink) {
            return WalkConcreteCyclicPath(*concrete, history, step, limit, sink);
        });
    for (const CSteel* steel : steels)
        write(steel->SteelName, [&](std::size_t limit, const CyclicPointSink& sink) {
            return WalkSteelCyclicPath(*steel, history, step, limit, sink);
        });
    return out;
}
