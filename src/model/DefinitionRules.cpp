#include "model/DefinitionRules.h"

#include <cmath>
#include <stdexcept>

#include "model/CoreText.h"
#include "model/Sampling.h"

std::string_view FieldKey(DefinitionField field)
{
    switch (field) {
    case DefinitionField::Name: return "name";
    case DefinitionField::Ec: return "Ec";
    case DefinitionField::fck: return "fck";
    case DefinitionField::ftk: return "ftk";
    case DefinitionField::eck: return "eck";
    case DefinitionField::etk: return "etk";
    case DefinitionField::ac: return "ac";
    case DefinitionField::at: return "at";
    case DefinitionField::etmax: return "etmax";
    case DefinitionField::ecmax: return "ecmax";
    }
    return "";
}

namespace {

// The window's words, typing errors included: users and their scripts know them.
const char* NotPositiveMessage(DefinitionField field)
{
    switch (field) {
    case DefinitionField::Ec: return QT_TRANSLATE_NOOP("Refusal", "Ec must be postive.");
    case DefinitionField::fck: return QT_TRANSLATE_NOOP("Refusal", "Axial Compression Strength must be postive.");
    case DefinitionField::ftk: return QT_TRANSLATE_NOOP("Refusal", "Axial Tension Strength must be postive.");
    case DefinitionField::eck: return QT_TRANSLATE_NOOP("Refusal", "Peak Compression Strain must be postive.");
    case DefinitionField::etk:
    case DefinitionField::etmax:
    case DefinitionField::ecmax: return QT_TRANSLATE_NOOP("Refusal", "Peak Tesnsion Strain must be postive.");
    case DefinitionField::ac:
    case DefinitionField::at: return QT_TRANSLATE_NOOP("Refusal", "Shape parameter must be postive.");
    case DefinitionField::Name: break;
    }
    return "";
}

}  // namespace

std::optional<Refusal> CheckName(std::string_view name)
{
    if (name.size() >= kNameByteLimit)
        return Refusal{DefinitionField::Name,
                       coretext::translate("Refusal", "Concrete Name must be less than 20 letters.")};
    if (name.empty())
        return Refusal{DefinitionField::Name,
                       coretext::translate("Refusal", "Please Input Concrete Name.")};
    return std::nullopt;
}

std::optional<Refusal> CheckNameUntrimmed(std::string_view name)
{
    const auto blank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    if (!name.empty() && (blank(name.front()) || blank(name.back())))
        return Refusal{DefinitionField::Name,
                       coretext::translate("Refusal", "Concrete Name must not begin or end with a "
                                                      "blank or a control character.")};
    return std::nullopt;
}

std::optional<Refusal> CheckPositive(DefinitionField field, double value)
{
    if (!(value > 0))
        return Refusal{field, coretext::translate("Refusal", NotPositiveMessage(field))};
    return std::nullopt;
}

std::optional<Refusal> CheckCurves(const Definition& d)
{
    // With Ec × εc,k at or below fc,k the ascending compression branch divides by zero or
    // takes a negative exponent, and every stress comes out infinite or not a number.
    if (!(d.Ec * d.eck > d.fck))
        return Refusal{DefinitionField::eck,
                       coretext::translate("Refusal",
                                           "Ec multiplied by the Peak Compression Strain must be "
                                           "greater than the Axial Compression Strength.")};
    if (!CurveFits(d.ecmax, kCompressionStep))
        return Refusal{DefinitionField::ecmax,
                       coretext::translate("Refusal",
                                           "Ultimate strain for Comp. is too large: the curve "
                                           "would have more than 1000000 points.")};
    if (!CurveFits(d.etmax, kTensionStep))
        return Refusal{DefinitionField::etmax,
                       coretext::translate("Refusal",
                                           "Ultimate strain for Tension is too large: the curve "
                                           "would have more than 1000000 points.")};
    return std::nullopt;
}

std::optional<Refusal> CheckDefinition(const Definition& d)
{
    if (auto refusal = CheckName(d.name))
        return refusal;
    if (auto refusal = CheckNameUntrimmed(d.name))
        return refusal;
    for (DefinitionField field : kNumberFieldOrder) {
        const double value = FieldValue(d, field);
        if (auto refusal = CheckPositive(field, value))
            return refusal;
        if (std::isinf(value))
            return Refusal{field, coretext::translate("Refusal", "The value is too large.")};
    }
    return CheckCurves(d);
}

double& FieldValue(Definition& d, DefinitionField field)
{
    switch (field) {
    case DefinitionField::Ec: return d.Ec;
    case DefinitionField::fck: return d.fck;
    case DefinitionField::ftk: return d.ftk;
    case DefinitionField::eck: return d.eck;
    case DefinitionField::etk: return d.etk;
    case DefinitionField::ac: return d.ac;
    case DefinitionField::at: return d.at;
    case DefinitionField::etmax: return d.etmax;
    case DefinitionField::ecmax: return d.ecmax;
    case DefinitionField::Name: break;
    }
    throw std::invalid_argument("The name is not a number field.");
}

double FieldValue(const Definition& d, DefinitionField field)
{
    return FieldValue(const_cast<Definition&>(d), field);
}
