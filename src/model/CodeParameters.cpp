#include "model/CodeParameters.h"

#include <cmath>

namespace {

// Ratio of prism to cube strength.
double Alpha1(double fcu)
{
    if (fcu <= 50)
        return 0.76;
    if (fcu >= 80)
        return 0.82;
    return 0.76 + (fcu - 50) * (0.82 - 0.76) / 30;
}

// Reduction for the brittleness of high-strength concrete.
double Alpha2(double fcu)
{
    if (fcu <= 40)
        return 1.0;
    if (fcu >= 80)
        return 0.87;
    return 1.0 + (fcu - 40) * (0.87 - 1.0) / 40;
}

// ft,k of the grades 15, 20, ..., 80.
constexpr double kTensileTable[14] = {1.27, 1.54, 1.78, 2.01, 2.20, 2.39, 2.51,
                                      2.64, 2.74, 2.85, 2.93, 2.99, 3.05, 3.11};
// ft of the same grades (design values).
constexpr double kDesignTensileTable[14] = {0.91, 1.10, 1.27, 1.43, 1.57, 1.71, 1.80,
                                            1.89, 1.96, 2.04, 2.09, 2.14, 2.18, 2.22};

// Linear in a table of the grades 15 to 80; fcu within [15, 80]. Intervals are [lo, lo + 5)
// except the last, which is closed at 80, so a grade on a node gets the node's value exactly.
double Interpolate(const double (&table)[14], double fcu)
{
    int i = static_cast<int>((fcu - 15) / 5);
    if (i > 12)
        i = 12;
    const double lo = 15 + 5 * i;
    return table[i] + (fcu - lo) * (table[i + 1] - table[i]) / 5;
}

// The code's formula outside the table; delta is the coefficient of variation.
double TensileFormula(double fcu, double delta, double alpha2)
{
    return 0.3476 * std::pow(fcu, 0.55) * std::pow(1 - 1.645 * delta, 0.45) * alpha2;
}

}  // namespace

double CalcEc(double fcu)
{
    return 1e5 / (2.2 + 34.7 / fcu);
}

double CalcFck(double fcu)
{
    return 0.88 * Alpha1(fcu) * Alpha2(fcu) * fcu;
}

double CalcFtk(double fcu)
{
    if (fcu < 15)
        return TensileFormula(fcu, 0.233, Alpha2(fcu));
    if (fcu > 80)
        return TensileFormula(fcu, 0.141, 0.87);
    return Interpolate(kTensileTable, fcu);
}

double CalcFc(double fcu)
{
    return CalcFck(fcu) / kConcretePartialFactor;
}

double CalcFt(double fcu)
{
    if (fcu < 15 || fcu > 80)
        return CalcFtk(fcu) / kConcretePartialFactor;
    return Interpolate(kDesignTensileTable, fcu);
}

double CalcEck(double fck)
{
    return (700 + 172 * std::sqrt(fck)) * 1e-6;
}

double CalcAc(double fck)
{
    return 0.157 * std::pow(fck, 0.785) - 0.905;
}

double CalcEtk(double ftk)
{
    return 65 * std::pow(ftk, 0.54) * 1e-6;
}

double CalcAt(double ftk)
{
    return 0.312 * ftk * ftk;
}
