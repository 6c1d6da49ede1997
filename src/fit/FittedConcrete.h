#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "fit/CurveFit.h"
#include "model/DefinitionRules.h"
#include "model/GradeFields.h"

// A concrete made from fitted values, and the code's values it is set beside.
namespace fit {

// The grade among C15, C20, ..., C80 (the grade box's list) whose characteristic fc,k lies
// nearest to fc (N/mm²); the lower one on a tie.
double NearestGrade(double fc);

// A concrete name from a file's name without its folder and suffix: blanks at the ends
// dropped, cut to the byte limit of names at a character boundary; "Test" when nothing is left.
std::string ConcreteNameFromFile(std::string_view stem);

struct FittedConcrete {
    Definition definition;  // name, the fitted values, end strains; passes no check by itself
    double grade = 0;       // the nearest grade to the fitted fc,r
    GradeValues code;       // the code's values of that grade (characteristic)
    bool tensionFromCode = false;  // no tension was fitted: ft,r, εt,r and αt are the code's
};

// The fitted compression and, if there is one, tension, with the name. Without a tension fit
// the tension values are the code's for the nearest grade. The end strains are the window's
// defaults (εmax,c 0.016, εmax,t 700 × 10⁻⁶), or the largest measured strain of a branch when
// that goes further, so that the curve covers the test.
FittedConcrete MakeFittedConcrete(const std::string& name, const CompressionFit& compression,
                                  double largestCompressionStrain,
                                  const std::optional<TensionFit>& tension,
                                  double largestTensionStrain = 0);

}  // namespace fit
