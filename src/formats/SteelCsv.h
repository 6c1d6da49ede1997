#pragma once

#include <span>
#include <string>

class CSteel;
class SteelRegistry;

// The steel data file, its own file beside the concrete one: a parameter table, then the
// corner points of every steel's curve (the law is straight between them, so they are the whole
// curve up to failure; compression is the same with the signs reversed).
//
//   SteelName,Es[N/mm2],fy[N/mm2],fst[N/mm2],ey[mm/mm],euy[mm/mm],eu[mm/mm],Basis,cv
//   HRB400,200000.00,400.00,540.00,2.000E-03,2.500E-02,7.500E-02,characteristic,
//   <empty line>
//   Corner Points
//   SteelName,Point,Strain[mm/mm],Stress[N/mm2]
//   HRB400,Origin,0.000E+00,0.000
//   HRB400,Yield,2.000E-03,400.000
//   HRB400,Hardening Start,2.500E-02,400.000
//   HRB400,Ultimate,7.500E-02,540.000
//
// Numbers, names, quoting and line ends follow the concrete file: CR LF, the user's decimal
// separator, every number quoted under a decimal comma, names with a comma or a quote quoted.
// cv (δs) is filled for the mean basis only. Plain C++, no Qt.
std::string BuildSteelCsv(std::span<const CSteel* const> steels, char decimalSeparator);
// Every steel of the registry, shown or hidden, in creation order.
std::string BuildSteelCsv(const SteelRegistry& steels, char decimalSeparator);
