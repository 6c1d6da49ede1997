#pragma once

// The repeated-load CSV file: a first line "material,strain,stress", then for each material
// its path points in order, one a line: the material's name, the strain (m/m) and the stress
// (N/mm²), compression negative as finite-element programs take them. Names are quoted as the
// concrete CSV file of Save Data quotes them (AppendCsvName); numbers carry at most 15
// significant digits and a point whatever the locale, as the solver writers print them
// (solvertext::ForSolverTo), so that a history value typed as -0.0025 reads -0.0025. Lines end
// with CR LF like the other CSV files. Plain C++, no Qt.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cyclic/CyclicPath.h"

class CConcrete;
class CSteel;

inline constexpr std::string_view kCyclicCsvHeader = "material,strain,stress\r\n";

// Appends one material's points.
void AppendCyclicCsv(std::string& out, std::string_view name, std::span<const CyclicPoint> points);

// The whole file: the concretes, then the steels, each in the order given, along one history.
// All paths together may have at most maxPoints points; more throw CyclicTooManyPoints before
// the file is built. The history and the step must pass CheckCyclicHistory and ValidCyclicStep.
std::string BuildCyclicCsv(std::span<const CConcrete* const> concretes,
                           std::span<const CSteel* const> steels, std::span<const double> history,
                           double step, std::size_t maxPoints = kMaxCyclicPoints);
