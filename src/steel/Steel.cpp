#include "steel/Steel.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "model/CoreText.h"
#include "model/DefinitionRules.h"

CSteel::CSteel(std::string SteelName, double Es, double fy, double fst, double euy, double eu,
               StrengthBasis basis, double cv)
    : SteelName(std::move(SteelName)),
      Es(Es),
      fy(fy),
      fst(fst),
      euy(euy),
      eu(eu),
      basis(basis),
      cv(cv),
      ey(fy / Es),
      k((fst - fy) / (eu - euy))
{
}

double CSteel::Stress(double strain) const
{
    const double e = std::fabs(strain);
    double s;
    if (e <= ey)
        s = Es * e;
    else if (e <= euy)
        s = fy;
    else if (e <= eu)
        s = fy + k * (e - euy);
    else
        s = 0;
    return strain < 0 ? -s : s;
}

namespace {

constexpr SteelGrade kGrades[] = {
    {"HPB300", 300, 420, 270, 2.10e5, 0.100},  {"HRB335", 335, 455, 300, 2.00e5, 0.075},
    {"HRB400", 400, 540, 360, 2.00e5, 0.075},  {"HRBF400", 400, 540, 360, 2.00e5, 0.075},
    {"RRB400", 400, 540, 360, 2.00e5, 0.050},  {"HRB500", 500, 630, 435, 2.00e5, 0.075},
    {"HRBF500", 500, 630, 435, 2.00e5, 0.075},
};

}  // namespace

std::span<const SteelGrade> SteelGrades() { return kGrades; }

const SteelGrade* FindSteelGrade(std::string_view name)
{
    for (const auto& grade : kGrades)
        if (name == grade.name) return &grade;
    return nullptr;
}

const SteelGrade* FindSteelGradeAnyCase(std::string_view name)
{
    // Grade names are ASCII: folding ASCII letters is the whole of their letter case.
    const auto fold = [](char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; };
    for (const auto& grade : kGrades) {
        const std::string_view own = grade.name;
        if (name.size() == own.size() &&
            std::equal(name.begin(), name.end(), own.begin(),
                       [&](char a, char b) { return fold(a) == fold(b); }))
            return &grade;
    }
    return nullptr;
}

SteelValues SteelGradeValues(const SteelGrade& grade, StrengthBasis basis, double cv)
{
    SteelValues v;
    v.name = std::string(grade.name) + BasisMark(basis);
    v.Es = grade.Es;
    v.euy = kProposedEuy;
    v.eu = grade.dgt;
    v.basis = basis;
    switch (basis) {
    case StrengthBasis::Characteristic:
        v.fy = grade.fyk;
        v.fst = grade.fstk;
        break;
    case StrengthBasis::Mean:
        v.fy = grade.fyk * MeanFactor(cv);
        v.fst = grade.fstk * MeanFactor(cv);
        v.cv = cv;
        break;
    case StrengthBasis::Design:
        v.fy = grade.fyd;
        v.fst = grade.fstk * grade.fyd / grade.fyk;
        break;
    }
    return v;
}

std::string_view SteelFieldKey(SteelField field)
{
    switch (field) {
    case SteelField::Name: return "name";
    case SteelField::Es: return "Es";
    case SteelField::fy: return "fy";
    case SteelField::fst: return "fst";
    case SteelField::euy: return "euy";
    case SteelField::eu: return "eu";
    }
    return "";
}

std::optional<SteelRefusal> CheckSteel(const SteelValues& v)
{
    if (v.name.size() >= kNameByteLimit)
        return SteelRefusal{SteelField::Name, coretext::translate("SteelRefusal", "Steel Name must be less than 20 letters.")};
    if (v.name.empty())
        return SteelRefusal{SteelField::Name, coretext::translate("SteelRefusal", "Please Input Steel Name.")};
    const struct {
        SteelField field;
        double value;
        const char* message;
    } numbers[] = {
        {SteelField::Es, v.Es, QT_TRANSLATE_NOOP("SteelRefusal", "Modulus of elasticity Es must be greater than zero.")},
        {SteelField::fy, v.fy, QT_TRANSLATE_NOOP("SteelRefusal", "Yield strength fy must be greater than zero.")},
        {SteelField::fst, v.fst, QT_TRANSLATE_NOOP("SteelRefusal", "Ultimate strength fst must be greater than zero.")},
        {SteelField::euy, v.euy, QT_TRANSLATE_NOOP("SteelRefusal", "Strain at start of hardening εuy must be greater than zero.")},
        {SteelField::eu, v.eu, QT_TRANSLATE_NOOP("SteelRefusal", "Strain at ultimate strength εu must be greater than zero.")},
    };
    for (const auto& n : numbers)
        if (!(n.value > 0) || !std::isfinite(n.value)) return SteelRefusal{n.field, coretext::translate("SteelRefusal", n.message)};
    if (v.fst < v.fy)
        return SteelRefusal{SteelField::fst,
                            coretext::translate("SteelRefusal", "Ultimate strength fst must not be "
                                                                "less than yield strength fy.")};
    if (v.euy < v.fy / v.Es)
        return SteelRefusal{SteelField::euy,
                            coretext::translate("SteelRefusal",
                                                "Strain at start of hardening εuy must not be "
                                                "less than the yield strain εy = fy / Es.")};
    if (v.eu <= v.euy)
        return SteelRefusal{SteelField::eu,
                            coretext::translate("SteelRefusal",
                                                "Strain at ultimate strength εu must be greater "
                                                "than the strain at start of hardening εuy.")};
    return std::nullopt;
}

std::optional<SteelRefusal> CheckSteelNameUntrimmed(std::string_view name)
{
    const auto blank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    if (!name.empty() && (blank(name.front()) || blank(name.back())))
        return SteelRefusal{SteelField::Name,
                            "Steel Name must not begin or end with a blank or a control character."};
    return std::nullopt;
}
