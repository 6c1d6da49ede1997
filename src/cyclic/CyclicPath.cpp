#include "cyclic/CyclicPath.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "model/CoreText.h"
#include "model/NumberText.h"

namespace {

std::string Shortest(double value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

}  // namespace

bool ValidCyclicStep(double step)
{
    return step > 0 && std::isfinite(step);
}

std::string CheckCyclicHistory(std::span<const double> history)
{
    if (history.empty())
        return coretext::translate("Cyclic", "the list of strains is empty");
    for (std::size_t i = 0; i < history.size(); ++i) {
        const std::string position = std::to_string(i + 1);
        if (!std::isfinite(history[i]))
            return coretext::Arg(coretext::translate("Cyclic", "value %1 is not a finite number"),
                                 {position});
        if (std::fabs(history[i]) > kMaxCyclicStrain)
            return coretext::Arg(
                coretext::translate("Cyclic", "value %1, %2, lies beyond -1 to 1: strains are in "
                                              "m/m (-0.002, not -2000 microstrain)"),
                {position, Shortest(history[i])});
    }
    if (history.size() < 2)
        return coretext::translate("Cyclic", "one strain is no history: give the start and at "
                                             "least one strain to go to");
    return {};
}

std::string ParseCyclicHistory(std::string_view text, std::vector<double>& history)
{
    history.clear();
    if (Trimmed(text).empty())
        return coretext::translate("Cyclic", "the list of strains is empty");
    std::size_t position = 0;
    std::size_t from = 0;
    while (true) {
        ++position;
        const std::size_t comma = text.find(',', from);
        const std::string_view item =
            Trimmed(text.substr(from, comma == std::string_view::npos ? text.npos : comma - from));
        if (item.empty()) {
            history.clear();
            return coretext::Arg(coretext::translate("Cyclic", "value %1 is empty"),
                                 {std::to_string(position)});
        }
        try {
            history.push_back(StrToFloat(item, '.'));
        } catch (const ConvertError&) {
            history.clear();
            return coretext::Arg(
                coretext::translate("Cyclic", "value %1, \"%2\", is not a number (strains are "
                                              "written with a decimal point, e.g. -0.002)"),
                {std::to_string(position), item});
        }
        if (comma == std::string_view::npos)
            break;
        from = comma + 1;
    }
    std::string problem = CheckCyclicHistory(history);
    if (!problem.empty())
        history.clear();
    return problem;
}

std::string ParseCyclicStep(std::string_view text, double& step)
{
    double value = 0;
    bool read = true;
    try {
        value = StrToFloat(Trimmed(text), '.');
    } catch (const ConvertError&) {
        read = false;
    }
    if (!read || !ValidCyclicStep(value))
        return coretext::Arg(coretext::translate("Cyclic", "\"%1\" is not a number greater than 0"),
                             {text});
    step = value;
    return {};
}

double CyclicPointEstimate(std::span<const double> history, double step)
{
    double points = history.empty() ? 0 : 1;
    for (std::size_t i = 1; i < history.size(); ++i)
        points += std::ceil(std::fabs(history[i] - history[i - 1]) / step);
    return points;
}

std::string CyclicTooManyPointsMessage(std::size_t limit)
{
    return coretext::Arg(coretext::translate("Cyclic", "the paths would have more than %1 points; "
                                                       "choose a larger step or a shorter history"),
                         {std::to_string(limit)});
}
