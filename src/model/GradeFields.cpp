#include "model/GradeFields.h"

#include <cmath>

#include "model/CodeParameters.h"
#include "model/CoreText.h"
#include "model/NumberText.h"

namespace {

constexpr double kMicrostrainPerStrain = 1e6;

}  // namespace

GradeValues GradeValuesFor(double grade, StrengthBasis basis, double cv)
{
    GradeValues v;
    v.basis = basis;
    v.grade = grade;
    v.Ec = CalcEc(grade);
    switch (basis) {
    case StrengthBasis::Characteristic:
        v.fck = CalcFck(grade);
        v.ftk = CalcFtk(grade);
        break;
    case StrengthBasis::Mean:
        // C.2.1: fcm = fc,k / (1 − 1.645 δc), ftm = ft,k / (1 − 1.645 δc).
        v.cv = cv;
        v.fck = CalcFck(grade) * MeanFactor(cv);
        v.ftk = CalcFtk(grade) * MeanFactor(cv);
        break;
    case StrengthBasis::Design:
        v.fck = CalcFc(grade);
        v.ftk = CalcFt(grade);
        break;
    }
    v.eck = CalcEck(v.fck);
    v.etk = CalcEtk(v.ftk);
    v.ac = CalcAc(v.fck);
    v.at = CalcAt(v.ftk);
    return v;
}

bool GradeProposesFiniteValues(double grade, StrengthBasis basis, double cv)
{
    const GradeValues v = GradeValuesFor(grade, basis, cv);
    for (const double value : {v.Ec, v.fck, v.ftk, v.eck, v.etk, v.ac, v.at})
        if (!std::isfinite(value))
            return false;
    // Rounding to the fields' decimals must not carry a value past the largest number either.
    const DefinitionTexts t = GradeDefinitionTexts(grade, '.', basis, cv);
    for (const std::string* text : {&t.Ec, &t.fck, &t.ftk, &t.eck, &t.etk, &t.ac, &t.at}) {
        try {
            if (!std::isfinite(StrToFloat(*text, '.')))
                return false;
        } catch (const ConvertError&) {
            return false;
        }
    }
    return true;
}

DefinitionTexts GradeDefinitionTexts(double grade, char separator, StrengthBasis basis, double cv)
{
    // The window writes fc,k and ft,k first, and their change handlers fill the strain and
    // shape fields from the rounded strengths; the grade handler then overwrites all four with
    // the values of the unrounded ones. Only those last texts remain.
    const GradeValues v = GradeValuesFor(grade, basis, cv);
    DefinitionTexts t;
    t.name = "Con_" + FormatFloat(NumberPattern::UpTo3, grade, separator) + BasisMark(basis);
    t.Ec = FormatFloat(NumberPattern::Fixed0, v.Ec, separator);
    t.fck = FormatFloat(NumberPattern::Fixed1, v.fck, separator);
    t.ftk = FormatFloat(NumberPattern::Fixed3, v.ftk, separator);
    t.eck = FormatFloat(NumberPattern::Fixed3, v.eck * kMicrostrainPerStrain, separator);
    t.etk = FormatFloat(NumberPattern::Fixed3, v.etk * kMicrostrainPerStrain, separator);
    t.ac = FormatFloat(NumberPattern::Fixed3, v.ac, separator);
    t.at = FormatFloat(NumberPattern::Fixed3, v.at, separator);
    t.ecmax = FormatFloat(NumberPattern::Fixed3, kDefaultEcmax, separator);
    t.etmax = kDefaultEtmaxText;
    return t;
}

GradeDefinitionResult GradeDefinition(double grade, char separator, StrengthBasis basis,
                                      double cv)
{
    GradeDefinitionResult result;
    result.texts = GradeDefinitionTexts(grade, separator, basis, cv);
    const DefinitionTexts& t = result.texts;
    Definition& d = result.definition;
    d.name = t.name;
    d.basis = basis;
    d.cv = basis == StrengthBasis::Mean ? cv : 0;

    // Validation's order; a text that does not read back is refused as the window refuses it.
    const std::pair<DefinitionField, const std::string*> fields[] = {
        {DefinitionField::Ec, &t.Ec},       {DefinitionField::fck, &t.fck},
        {DefinitionField::ftk, &t.ftk},     {DefinitionField::eck, &t.eck},
        {DefinitionField::etk, &t.etk},     {DefinitionField::ac, &t.ac},
        {DefinitionField::at, &t.at},       {DefinitionField::etmax, &t.etmax},
        {DefinitionField::ecmax, &t.ecmax}};
    if ((result.refusal = CheckName(d.name)))
        return result;
    for (const auto& [field, text] : fields) {
        double value = 0;
        try {
            value = StrToFloat(*text, separator);
        } catch (const ConvertError&) {
            result.refusal = Refusal{
                field, coretext::Arg(coretext::translate("FieldText",
                                                         "%1 is not a valid floating number!"),
                                     {'"' + *text + '"'})};
            return result;
        }
        // The strains typed in units of 10⁻⁶ are divided, not multiplied by 1e-6: "700" must
        // give the double nearest 0.0007, exactly as validation stores it.
        const bool microstrain = field == DefinitionField::eck || field == DefinitionField::etk ||
                                 field == DefinitionField::etmax;
        FieldValue(d, field) = microstrain ? value / kMicrostrainPerStrain : value;
        if ((result.refusal = CheckPositive(field, FieldValue(d, field))))
            return result;
    }
    result.refusal = CheckDefinition(d);
    return result;
}
