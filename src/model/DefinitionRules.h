#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "model/StrengthBasis.h"

// The rules a concrete's definition must pass before Create Concrete makes a concrete of it,
// free of any window, so that the window, the library files and the command line refuse the
// very same definitions with the very same words. Each check returns the first refusal, or
// nothing when the definition passes.

// The ten values of a definition, as the concrete holds them: strains in m/m.
struct Definition {
    std::string name;  // 8-bit text (UTF-8)
    double Ec = 0;
    double fck = 0;
    double ftk = 0;
    double eck = 0;
    double etk = 0;
    double ac = 0;
    double at = 0;
    double etmax = 0;
    double ecmax = 0;
    // The strengths the values were proposed on, and δc of a mean basis (0 on the others).
    StrengthBasis basis = StrengthBasis::Characteristic;
    double cv = 0;
};

// The fields of a definition. The keys are the library file's own.
enum class DefinitionField { Name, Ec, fck, ftk, eck, etk, ac, at, etmax, ecmax };

struct Refusal {
    DefinitionField field;
    std::string message;
};

// The key of a field in a library file: "name", "Ec", "fck", ...
std::string_view FieldKey(DefinitionField field);

// A name must stay below this many bytes of its 8-bit form.
inline constexpr std::size_t kNameByteLimit = 20;

// The number fields in the order the window checks them: the tension strength third, the end
// strain in tension before the one in compression.
inline constexpr DefinitionField kNumberFieldOrder[] = {
    DefinitionField::Ec,  DefinitionField::fck, DefinitionField::ftk,
    DefinitionField::eck, DefinitionField::etk, DefinitionField::ac,
    DefinitionField::at,  DefinitionField::etmax, DefinitionField::ecmax};

// The length of a name is tested before its emptiness.
std::optional<Refusal> CheckName(std::string_view name);
// A number that is not greater than zero (not-a-number included) draws the field's message.
std::optional<Refusal> CheckPositive(DefinitionField field, double value);
// The rules that compare values or bound the curves, checked after every single value passed:
// Ec × εc,k above fc,k, and end strains whose curves stay within the point limit.
std::optional<Refusal> CheckCurves(const Definition& definition);

// A name the window could produce: the window trims characters of code 32 and below from both
// ends before it reads a name, so a name that still has one there could never be typed.
std::optional<Refusal> CheckNameUntrimmed(std::string_view name);

// Everything above, in the window's order: the name, each number in field order, then the
// curve rules. Values that are infinite are refused too: no field can hold one.
std::optional<Refusal> CheckDefinition(const Definition& definition);

double& FieldValue(Definition& definition, DefinitionField field);
double FieldValue(const Definition& definition, DefinitionField field);
