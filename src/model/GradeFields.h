#pragma once

#include <optional>
#include <string>

#include "model/StrengthBasis.h"

// What picking a strength grade in the grade box leaves in the "Define Concrete" fields, free of
// any window: the command line builds its concretes from these very texts, so that a concrete
// made from a grade there is the one Create Concrete makes from the same grade, to the last bit.

// The code values of a grade before they are printed, on a strength basis: fck and ftk hold the
// representative strengths fc,r and ft,r the basis gives (fc,k and ft,k, fcm and ftm, or fc and
// ft), and εc,r and αc follow from the unrounded fc,r, εt,r and αt from the unrounded ft,r, as
// they follow from fc,k and ft,k; Ec is the same on every basis. Strains in m/m.
struct GradeValues {
    StrengthBasis basis = StrengthBasis::Characteristic;
    double cv = 0;  // δc of a mean basis; 0 on the others
    double grade = 0;
    double Ec = 0;
    double fck = 0;
    double ftk = 0;
    double eck = 0;
    double etk = 0;
    double ac = 0;
    double at = 0;
};

// grade must be greater than zero; cv is read on a mean basis only, and must be valid there
// (ValidCoefficientOfVariation).
GradeValues GradeValuesFor(double grade, StrengthBasis basis = StrengthBasis::Characteristic,
                           double cv = 0);

// Whether every value the grade proposes on the basis is a finite number, as computed and as
// the fields print it. A grade near the largest double (1e308) overflows some of them to
// infinity; such a grade is refused as a whole, never written into the fields in part.
// grade must be greater than zero.
bool GradeProposesFiniteValues(double grade, StrengthBasis basis = StrengthBasis::Characteristic,
                               double cv = 0);

// The grades the law of Appendix C is stated for (C.2.2: C20 to C80). Tarvolin takes any
// positive grade; outside this range it only says so, quietly.
inline constexpr double kLawGradeMin = 20;
inline constexpr double kLawGradeMax = 80;
inline constexpr bool InLawGradeRange(double grade)
{
    return grade >= kLawGradeMin && grade <= kLawGradeMax;
}

// The texts of the definition fields once a grade was picked and the end strains stand at their
// defaults: the name ("Con_", the grade with up to three decimals and the basis's mark: Con_30,
// Con_30m, Con_30d), Ec, fc,r, ft,r, the peak
// strains in units of 10⁻⁶, the shape parameters, εmax,c in m/m and εmax,t in units of 10⁻⁶.
struct DefinitionTexts {
    std::string name;
    std::string Ec;
    std::string fck;
    std::string ftk;
    std::string eck;
    std::string etk;
    std::string ac;
    std::string at;
    std::string ecmax;
    std::string etmax;
};

// The end strains the window starts with: εmax,c 0.016 m/m, εmax,t 700 × 10⁻⁶.
inline constexpr double kDefaultEcmax = 0.016;
inline constexpr const char* kDefaultEtmaxText = "700";

// grade must be greater than zero. The numbers carry separator, as the fields show them.
DefinitionTexts GradeDefinitionTexts(double grade, char separator,
                                     StrengthBasis basis = StrengthBasis::Characteristic,
                                     double cv = 0);

#include "model/DefinitionRules.h"

// What Create Concrete reads from those texts, as validation reads them (numbers with
// separator, the "(10-6)" fields divided by 10⁶), with the first refusal of its rules, if any:
// a grade whose fields hold a value the window refuses (a negative αc below grade 15 or so)
// makes no concrete there, and none here. grade must be greater than zero.
struct GradeDefinitionResult {
    DefinitionTexts texts;
    Definition definition;
    std::optional<Refusal> refusal;
};
// The definition carries the basis and δc.
GradeDefinitionResult GradeDefinition(double grade, char separator,
                                      StrengthBasis basis = StrengthBasis::Characteristic,
                                      double cv = 0);
