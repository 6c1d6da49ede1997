#include "fit/FittedConcrete.h"

#include <algorithm>
#include <cmath>

#include "model/CodeParameters.h"

namespace fit {

namespace {

constexpr double kDefaultEtmax = 700e-6;  // the window's εmax,t: "700" in units of 10⁻⁶

}  // namespace

double NearestGrade(double fc)
{
    double best = 15;
    double distance = std::abs(CalcFck(15) - fc);
    for (int grade = 20; grade <= 80; grade += 5) {
        const double d = std::abs(CalcFck(grade) - fc);
        if (d < distance) {
            distance = d;
            best = grade;
        }
    }
    return best;
}

std::string ConcreteNameFromFile(std::string_view stem)
{
    const auto blank = [](char c) {
        return static_cast<unsigned char>(c) <= 32;
    };
    while (!stem.empty() && blank(stem.front()))
        stem.remove_prefix(1);
    while (!stem.empty() && blank(stem.back()))
        stem.remove_suffix(1);
    std::string name(stem.substr(0, std::min(stem.size(), kNameByteLimit - 1)));
    if (name.size() < stem.size()) {
        // Not in the middle of a UTF-8 sequence.
        std::size_t end = name.size();
        while (end > 0 && (static_cast<unsigned char>(stem[end]) & 0xC0) == 0x80)
            --end;
        name.resize(end);
        while (!name.empty() && blank(name.back()))
            name.pop_back();
    }
    return name.empty() ? std::string("Test") : name;
}

FittedConcrete MakeFittedConcrete(const std::string& name, const CompressionFit& compression,
                                  double largestCompressionStrain,
                                  const std::optional<TensionFit>& tension,
                                  double largestTensionStrain)
{
    FittedConcrete made;
    made.grade = NearestGrade(compression.fc);
    made.code = GradeValuesFor(made.grade);
    Definition& d = made.definition;
    d.name = name;
    d.Ec = compression.Ec;
    d.fck = compression.fc;
    d.eck = compression.ec;
    d.ac = compression.ac;
    d.ecmax = std::max(kDefaultEcmax, largestCompressionStrain);
    if (tension) {
        d.ftk = tension->ft;
        d.etk = tension->et;
        d.at = tension->at;
        d.etmax = std::max(kDefaultEtmax, largestTensionStrain);
    } else {
        made.tensionFromCode = true;
        d.ftk = made.code.ftk;
        d.etk = made.code.etk;
        d.at = made.code.at;
        d.etmax = kDefaultEtmax;
    }
    return made;
}

}  // namespace fit
