#include "steel/SteelFields.h"

#include "model/NumberText.h"

SteelFieldTexts SteelTexts(const SteelValues& v, char separator)
{
    return {v.name,
            FormatFloat(NumberPattern::Fixed0, v.Es, separator),
            FormatFloat(NumberPattern::UpTo3, v.fy, separator),
            FormatFloat(NumberPattern::UpTo3, v.fst, separator),
            FormatFloat(NumberPattern::Scientific4, v.fy / v.Es, separator),
            FormatFloat(NumberPattern::UpTo3, v.euy, separator),
            FormatFloat(NumberPattern::UpTo3, v.eu, separator)};
}

SteelValues SteelValuesAsShown(const SteelValues& values)
{
    const SteelFieldTexts texts = SteelTexts(values, '.');
    SteelValues shown = values;
    shown.Es = StrToFloat(texts.Es, '.');
    shown.fy = StrToFloat(texts.fy, '.');
    shown.fst = StrToFloat(texts.fst, '.');
    shown.euy = StrToFloat(texts.euy, '.');
    shown.eu = StrToFloat(texts.eu, '.');
    return shown;
}
