#pragma once

#include <charconv>
#include <random>
#include <string>
#include <vector>

#include "model/CodeParameters.h"
#include "model/Concrete.h"

// Measured curves made from the code's law, for the reader, the fit and the command line: the
// points of a concrete whose values are known, written as a testing machine would write them.
namespace measured {

// The concrete that grade G fills in (characteristic values), with the law's own numbers.
inline CConcrete GradeConcrete(double grade)
{
    const double fck = CalcFck(grade);
    const double ftk = CalcFtk(grade);
    return CConcrete("C", CalcEc(grade), fck, ftk, CalcAc(fck), CalcAt(ftk), CalcEck(fck),
                     CalcEtk(ftk), 0.016, 0.0007);
}

struct Points {
    std::vector<double> strain;
    std::vector<double> stress;
};

// count points evenly spaced in strain from 0 to reach × the peak strain, on the compression or
// the tension curve, each stress times (1 + noise·u) with u uniform in [−1, 1] from a fixed seed.
inline Points LawPoints(const CConcrete& c, bool compression, int count, double reach,
                        double noise = 0, unsigned seed = 1)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> u(-1.0, 1.0);
    Points p;
    const double peak = compression ? c.eck : c.etk;
    for (int i = 0; i < count; ++i) {
        const double e = reach * peak * i / (count - 1);
        const double s = compression ? c.CompressionStress(e) : c.TensionStress(e);
        p.strain.push_back(e);
        p.stress.push_back(s * (1 + noise * u(random)));
    }
    return p;
}

// The shortest text that reads back as the same double.
inline std::string Exact(double value)
{
    char text[64];
    return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

// Lines "strain<separator>stress\n" after the heading, every value exact.
inline std::string Text(const Points& p, const std::string& heading = {}, char separator = ',')
{
    std::string text = heading;
    for (std::size_t i = 0; i < p.strain.size(); ++i)
        text += Exact(p.strain[i]) + separator + Exact(p.stress[i]) + '\n';
    return text;
}

}  // namespace measured
