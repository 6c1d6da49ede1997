#include "formats/OpenSeesWriter.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

#include "formats/SteelOpenSees.h"
#include "model/Sampling.h"
#include "model/Concrete.h"
#include "model/CoreText.h"

using solvertext::ForSolver;

namespace {

// OpenSees keeps tags in a C int.
constexpr long long kMaxTag = std::numeric_limits<int>::max();

std::string Lower(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

}  // namespace

bool SetOpenSeesOption(OpenSeesOptions& options, std::string_view name, std::string_view value,
                       std::string& error)
{
    if (name.substr(0, 2) == "--")
        name.remove_prefix(2);
    if (name == "first-tag") {
        long long tag = 0;
        const auto result = std::from_chars(value.data(), value.data() + value.size(), tag);
        if (result.ec != std::errc() || result.ptr != value.data() + value.size() || tag < 1 ||
            tag > kMaxTag)
            return error = coretext::Arg(
                       coretext::translate("OpenSeesWriter",
                                           "--first-tag: \"%1\" is not a whole number from 1 to %2."),
                       {value, std::to_string(kMaxTag)}),
                   false;
        options.firstTag = tag;
        return true;
    }
    if (name == "eps-sp" || name == "eta-p") {
        double number = 0;
        std::string_view text = value;
        if (!text.empty() && text.front() == '+')
            text.remove_prefix(1);
        const auto result = std::from_chars(text.data(), text.data() + text.size(), number);
        if (result.ec != std::errc() || result.ptr != text.data() + text.size() ||
            !std::isfinite(number) || !(number > 0))
            return error = coretext::Arg(coretext::translate("OpenSeesWriter",
                                                             "--%1: \"%2\" is not a number "
                                                             "above 0."),
                                         {name, value}),
                   false;
        (name == "eps-sp" ? options.epsSp : options.etaP) = number;
        return true;
    }
    if (name == "format") {
        const std::string v = Lower(value);
        if (v == "tcl")
            options.format = OpenSeesOptions::Format::Tcl;
        else if (v == "py")
            options.format = OpenSeesOptions::Format::Py;
        else
            return error = coretext::Arg(coretext::translate("OpenSeesWriter",
                                                             "--format: \"%1\" is neither tcl nor py."),
                                         {value}),
                   false;
        return true;
    }
    error = coretext::Arg(coretext::translate("AbaqusCdp", "Unknown option --%1."), {name});
    return false;
}

bool OpenSeesFormatForPath(std::string_view path, OpenSeesOptions::Format& format)
{
    const std::size_t dot = path.find_last_of("./");
    if (dot == std::string_view::npos || path[dot] != '.')
        return false;
    const std::string suffix = Lower(path.substr(dot + 1));
    if (suffix == "tcl")
        format = OpenSeesOptions::Format::Tcl;
    else if (suffix == "py")
        format = OpenSeesOptions::Format::Py;
    else
        return false;
    return true;
}

std::string ConcreteDCommand(const CConcrete& c, long long tag, const OpenSeesOptions& options)
{
    std::vector<double> values = {-c.fck, -c.eck, c.ftk, c.etk, c.Ec, c.ac, c.at};
    if (options.epsSp != OpenSeesOptions::kDefaultEpsSp ||
        options.etaP != OpenSeesOptions::kDefaultEtaP) {
        values.push_back(options.epsSp);
        values.push_back(options.etaP);
    }
    const bool py = options.format == OpenSeesOptions::Format::Py;
    std::string line = py ? "ops.uniaxialMaterial('ConcreteD', " : "uniaxialMaterial ConcreteD ";
    line += std::to_string(tag);
    for (double v : values) {
        line += py ? ", " : " ";
        line += ForSolver(v);
    }
    if (py)
        line += ')';
    return line;
}

OpenSeesExport BuildOpenSeesExport(std::span<const CConcrete* const> concretes,
                                   const OpenSeesOptions& options)
{
    OpenSeesExport result;
    if (options.firstTag < 1 || options.firstTag > kMaxTag ||
        kMaxTag - options.firstTag < static_cast<long long>(concretes.size()) - 1) {
        result.refused.push_back(
            {"", coretext::Arg(coretext::translate("OpenSeesWriter",
                                                    "the tags from %1 on do not fit OpenSees"),
                                {std::to_string(options.firstTag)})});
        return result;
    }
    for (const CConcrete* c : concretes) {
        const double values[] = {c->fck, c->eck, c->ftk, c->etk, c->Ec, c->ac, c->at};
        if (!std::all_of(std::begin(values), std::end(values),
                         [](double v) { return std::isfinite(v) && v > 0; }))
            result.refused.push_back(
                {c->ConcreteName,
                 coretext::translate("OpenSeesWriter",
                                     "ConcreteD needs positive, finite values of fc,k, eps_c,k, "
                                     "ft,k, eps_t,k, Ec, alpha_c and alpha_t")});
    }
    if (!result.refused.empty() || concretes.empty())
        return result;
    result.text = WriteOpenSeesFile(concretes, options);
    return result;
}

std::string OpenSeesConcreteLines(std::span<const CConcrete* const> concretes,
                                  const OpenSeesOptions& options)
{
    std::string out;
    long long tag = options.firstTag;
    for (const CConcrete* c : concretes) {
        // The units close the comment, so that not even a trailing backslash (a Tcl line
        // continuation) can pull the command into it.
        out += "\n# " + solvertext::CommentText(c->ConcreteName) + " (N, mm, MPa)\n";
        out += ConcreteDCommand(*c, tag++, options);
        out += '\n';
    }
    return out;
}

double ConcreteDTensionStress(const CConcrete& c, double strain)
{
    const double rho = c.ftk / (c.Ec * c.etk);
    const double x = strain / c.etk;
    double damage;
    if (x > 1) {
        damage = 1 - rho / (c.at * (x - 1) * (x - 1) + x);
    } else {
        const double n = 1 / (1 - rho);
        damage = 1 - rho * n / (n - 1 + std::pow(x, n));
    }
    return (1 - damage) * c.Ec * strain;
}

TensionComparison CompareConcreteDTension(const CConcrete& c)
{
    TensionComparison result;
    if (!(c.ftk > 0) || !std::isfinite(c.etmax) || !CurveFits(c.etmax, kTensionStep))
        return result;
    const auto compare = [&](double e) {
        const double difference =
            std::fabs(ConcreteDTensionStress(c, e) - c.TensionStress(e)) / c.ftk * 100;
        if (!std::isfinite(difference))
            return;
        double& side = e > c.etk ? result.afterPeak : result.beforePeak;
        side = std::max(side, difference);
        if (difference > result.largest) {
            result.largest = difference;
            result.strain = e;
        }
    };
    SampleCurve(c.etmax, kTensionStep, compare);
    if (c.etk <= c.etmax)
        compare(c.etk);
    return result;
}
