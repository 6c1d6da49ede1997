#pragma once

#include <optional>
#include <string_view>

// Which representative strengths a material's curves are built from (GB 50010-2010 C.1.1,
// C.2.1): characteristic values (the default, and the basis of every file written before the
// choice existed), mean values from the material's coefficient of variation δ, or design
// values. Concrete and reinforcing steel share the rule and the spelling.
enum class StrengthBasis { Characteristic, Mean, Design };

// The coefficient of variation a mean basis accepts: 0 < δ < 0.6 (at 0.6 and beyond the
// factor 1 / (1 − 1.645 δ) runs off to infinity or turns negative).
inline constexpr double kMaxCoefficientOfVariation = 0.6;
inline constexpr bool ValidCoefficientOfVariation(double cv)
{
    return cv > 0 && cv < kMaxCoefficientOfVariation;
}

// Mean value = characteristic value × MeanFactor(δ). δ must be valid.
inline double MeanFactor(double cv) { return 1.0 / (1.0 - 1.645 * cv); }

// The spelling in library files, JSON output and on the command line.
inline constexpr const char* BasisKey(StrengthBasis basis)
{
    switch (basis) {
    case StrengthBasis::Mean: return "mean";
    case StrengthBasis::Design: return "design";
    case StrengthBasis::Characteristic: break;
    }
    return "characteristic";
}

inline std::optional<StrengthBasis> BasisFromKey(std::string_view key)
{
    for (auto basis : {StrengthBasis::Characteristic, StrengthBasis::Mean, StrengthBasis::Design})
        if (key == BasisKey(basis)) return basis;
    return std::nullopt;
}

// What a proposed name carries after the grade so that the three bases can live side by side:
// "Con_30", "Con_30m", "Con_30d"; "HRB400", "HRB400m", "HRB400d".
inline constexpr const char* BasisMark(StrengthBasis basis)
{
    switch (basis) {
    case StrengthBasis::Mean: return "m";
    case StrengthBasis::Design: return "d";
    case StrengthBasis::Characteristic: break;
    }
    return "";
}
