#pragma once

#include <string>

#include "steel/Steel.h"

// The texts the steel window's fields show for a steel's values, and the values they read back
// as: Es with "0", fy, fst, εuy and εu with "0.###", εy (derived, shown only) with "0.000E+00".
// A steel made from a grade by the command line goes through the same texts, so that it is the
// very steel that picking the grade and pressing Create Steel makes.
struct SteelFieldTexts {
    std::string name;
    std::string Es;
    std::string fy;
    std::string fst;
    std::string ey;
    std::string euy;
    std::string eu;
};
SteelFieldTexts SteelTexts(const SteelValues& values, char decimalSeparator);

// values with every number replaced by the number its field text reads back as.
SteelValues SteelValuesAsShown(const SteelValues& values);
