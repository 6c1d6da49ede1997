#pragma once

#include <optional>
#include <string_view>

#include "model/CoreText.h"

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

// The labels of the fields whose meaning follows the basis, as source texts of the concrete
// window's own translations (context "TForm1"): the window's texts on the characteristic basis;
// "Mean" and fc,m, εc,m … on the mean basis, "Design" and fc, εc … on the design basis, so
// that a mean or a design value never stands under a characteristic value's name.
struct BasisFieldLabels {
    const char* fc;
    const char* ec;
    const char* ft;
    const char* et;
};

inline constexpr BasisFieldLabels FieldLabels(StrengthBasis basis)
{
    switch (basis) {
    case StrengthBasis::Mean:
        return {QT_TRANSLATE_NOOP("TForm1", "Mean Comp. strength fc,m (N/mm2)"),
                QT_TRANSLATE_NOOP("TForm1", "Strain at Peak Comp. Stress  εc,m  (10-6)"),
                QT_TRANSLATE_NOOP("TForm1", "Mean Tension strength ft,m (N/mm2)"),
                QT_TRANSLATE_NOOP("TForm1", "Strain at Peak Tensile Stress  εt,m  (10-6)")};
    case StrengthBasis::Design:
        return {QT_TRANSLATE_NOOP("TForm1", "Design Compression strength fc (N/mm2)"),
                QT_TRANSLATE_NOOP("TForm1", "Strain at Peak Comp. Stress  εc  (10-6)"),
                QT_TRANSLATE_NOOP("TForm1", "Design Tension strength ft (N/mm2)"),
                QT_TRANSLATE_NOOP("TForm1", "Strain at Peak Tensile Stress  εt  (10-6)")};
    case StrengthBasis::Characteristic:
        break;
    }
    return {QT_TRANSLATE_NOOP("TForm1", "Axial Compression strength fc,k (N/mm2)"),
            QT_TRANSLATE_NOOP("TForm1", "Strain at Peak Comp. Stress  εc,k  (10-6)"),
            QT_TRANSLATE_NOOP("TForm1", "Axial Tension strength ft,k (N/mm2)"),
            QT_TRANSLATE_NOOP("TForm1", "Strain at Peak Tensile Stress  εt,k  (10-6)")};
}
