#include "formats/SteelCsv.h"

#include <string_view>
#include <vector>

#include "formats/CsvExport.h"
#include "model/NumberText.h"
#include "steel/SteelCurve.h"
#include "steel/SteelRegistry.h"

namespace {

constexpr std::string_view kHeader =
    "SteelName,Es[N/mm2],fy[N/mm2],fst[N/mm2],ey[mm/mm],euy[mm/mm],eu[mm/mm],Basis,cv";
constexpr std::string_view kPointsHeader = "SteelName,Point,Strain[mm/mm],Stress[N/mm2]";
constexpr std::string_view kLineEnd = "\r\n";
// In the order of SteelCornerPoints.
constexpr std::string_view kPointNames[] = {"Origin", "Yield", "Hardening Start", "Ultimate"};

}  // namespace

std::string BuildSteelCsv(std::span<const CSteel* const> steels, char separator)
{
    std::string out;
    out.reserve(256 + steels.size() * 400);
    const auto number = [&](NumberPattern pattern, double value) {
        out += ',';
        AppendCsvNumber(out, pattern, value, separator);
    };

    std::vector<std::string_view> names;
    names.reserve(steels.size());
    for (const CSteel* steel : steels)
        names.push_back(steel->SteelName);
    out += CsvByteOrderMark(names);
    out += kHeader;
    out += kLineEnd;
    for (const CSteel* steel : steels) {
        AppendCsvName(out, steel->SteelName);
        number(NumberPattern::Fixed2, steel->Es);
        number(NumberPattern::Fixed2, steel->fy);
        number(NumberPattern::Fixed2, steel->fst);
        number(NumberPattern::Scientific4, steel->GetEy());
        number(NumberPattern::Scientific4, steel->euy);
        number(NumberPattern::Scientific4, steel->eu);
        out += ',';
        out += BasisKey(steel->basis);
        out += ',';
        if (steel->basis == StrengthBasis::Mean)
            AppendCsvNumber(out, NumberPattern::Fixed3, steel->cv, separator);
        out += kLineEnd;
    }

    out += kLineEnd;
    out += "Corner Points";
    out += kLineEnd;
    out += kPointsHeader;
    out += kLineEnd;
    for (const CSteel* steel : steels) {
        const std::vector<SteelPoint> corners = SteelCornerPoints(*steel);
        for (std::size_t i = 0; i < corners.size(); ++i) {
            AppendCsvName(out, steel->SteelName);
            out += ',';
            out += kPointNames[i];
            number(NumberPattern::Scientific4, corners[i].strain);
            number(NumberPattern::Fixed3, corners[i].stress);
            out += kLineEnd;
        }
    }
    return out;
}

std::string BuildSteelCsv(const SteelRegistry& steels, char separator)
{
    std::vector<const CSteel*> list;
    list.reserve(steels.size());
    for (const auto& steel : steels)
        list.push_back(steel.get());
    return BuildSteelCsv(std::span<const CSteel* const>(list), separator);
}
