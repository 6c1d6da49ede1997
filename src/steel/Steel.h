#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "model/StrengthBasis.h"

// Reinforcing bars with a yield point and the uniaxial law of GB 50010-2010 C.1.2:
//   σ = Es·ε                 for ε ≤ εy = fy / Es
//   σ = fy                   for εy < ε ≤ εuy
//   σ = fy + k·(ε − εuy)     for εuy < ε ≤ εu,   k = (fst − fy) / (εu − εuy)
//   σ = 0                    beyond εu (the bar has failed)
// and the same curve in compression with the signs reversed. fy and fst are the representative
// yield and ultimate strengths of the steel's basis. Stresses and Es in N/mm², strains in m/m.
// Plain C++, no Qt: the window, the library files, the writers and the command line share it.
class CSteel {
public:
    // The values must pass CheckSteel.
    CSteel(std::string SteelName, double Es, double fy, double fst, double euy, double eu,
           StrengthBasis basis = StrengthBasis::Characteristic, double cv = 0);

    // Signed: a negative strain gives the compressive stress, negative.
    double Stress(double strain) const;
    double GetEy() const { return ey; }
    double HardeningModulus() const { return k; }

    std::string SteelName;
    double Es;
    double fy;
    double fst;
    double euy;
    double eu;
    StrengthBasis basis;
    double cv;  // δs of a mean basis, 0 otherwise

private:
    double ey;
    double k;
};

// One row of GB 50010-2010 Tables 4.2.2-1, 4.2.3-1, 4.2.4 and 4.2.5.
struct SteelGrade {
    const char* name;
    double fyk;   // characteristic yield strength, N/mm²
    double fstk;  // characteristic ultimate strength, N/mm²
    double fyd;   // design yield strength fy, N/mm²
    double Es;    // N/mm²
    double dgt;   // total elongation at maximum force δgt, m/m: the proposed εu
};

// HPB300, HRB335, HRB400, HRBF400, RRB400, HRB500, HRBF500, in that order.
std::span<const SteelGrade> SteelGrades();
// Exact, case-sensitive; nullptr when the name is no grade of the table.
const SteelGrade* FindSteelGrade(std::string_view name);
// The same in any letter case, as the steel window's grade box and --steel take a grade.
const SteelGrade* FindSteelGradeAnyCase(std::string_view name);

// The code gives no strain at the start of hardening: this is an assumption, to be replaced by
// test data where there are any.
inline constexpr double kProposedEuy = 0.025;

// What picking a grade proposes on a basis: the name (grade and the basis mark), Es, fy, fst,
// εuy and εu. cv is δs and is used by the mean basis only, where it must be valid. The design
// basis has no ultimate strength in the code: fst,k scaled by the same partial factor fy / fy,k.
struct SteelValues {
    std::string name;
    double Es = 0;
    double fy = 0;
    double fst = 0;
    double euy = 0;
    double eu = 0;
    StrengthBasis basis = StrengthBasis::Characteristic;
    double cv = 0;
};
SteelValues SteelGradeValues(const SteelGrade& grade, StrengthBasis basis, double cv = 0);

// The fields of a steel; the keys are the library file's own ("name", "Es", "fy", "fst",
// "euy", "eu").
enum class SteelField { Name, Es, fy, fst, euy, eu };
std::string_view SteelFieldKey(SteelField field);

struct SteelRefusal {
    SteelField field;
    std::string message;
};

// The first thing the law cannot draw, naming the field: an empty or too long name (the
// concrete's 19-byte limit), values not greater than zero or not finite, fst < fy, εuy < εy,
// εu ≤ εuy.
std::optional<SteelRefusal> CheckSteel(const SteelValues& values);

// A name that begins or ends with a blank or a control character: the window trims its fields,
// so only a file can bring one, and a name that differs from another only by a blank would be
// two steels that look like one.
std::optional<SteelRefusal> CheckSteelNameUntrimmed(std::string_view name);
