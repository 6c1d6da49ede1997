#pragma once

#include <optional>
#include <string>

// What picking a strength grade in the grade box leaves in the "Define Concrete" fields, free of
// any window: the command line builds its concretes from these very texts, so that a concrete
// made from a grade there is the one Create Concrete makes from the same grade, to the last bit.

// The code values of a grade before they are printed. εc,k and αc follow from the unrounded
// fc,k, εt,k and αt from the unrounded ft,k; strains in m/m.
struct GradeValues {
    double grade = 0;
    double Ec = 0;
    double fck = 0;
    double ftk = 0;
    double eck = 0;
    double etk = 0;
    double ac = 0;
    double at = 0;
};

// grade must be greater than zero.
GradeValues GradeValuesFor(double grade);

// The texts of the definition fields once a grade was picked and the end strains stand at their
// defaults: the name ("Con_" and the grade with up to three decimals), Ec, fc,k, ft,k, the peak
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
DefinitionTexts GradeDefinitionTexts(double grade, char separator);

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
GradeDefinitionResult GradeDefinition(double grade, char separator);
