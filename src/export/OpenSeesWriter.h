#pragma once

// OpenSees input for the concretes: one ConcreteD uniaxial material per concrete, the very law
// of the program, as Tcl or OpenSeesPy commands. Plain C++ (no Qt): the dialog and the command
// line call the very same code.
//
//   uniaxialMaterial ConcreteD tag fcr epcr ft eptr Ec alphac alphat
//
// with compression negative: fcr = -fc,k, epcr = -eps_c,k, ft = ft,k, eptr = eps_t,k, Ec,
// alphac, alphat; stresses in N/mm² (N, mm, MPa), strains in m/m. Every number is printed in the
// shortest form that reads back as the same double. A comment with the concrete's name and
// units stands before each command; control characters in a name are shown as '?', so a name
// with a line break cannot leave the comment.
//
// Options, as the command line spells them (SetOpenSeesOption):
//   --first-tag N     tag of the first material, 1 <= N; the others follow in list order (1)
//   --format tcl|py   Tcl (.tcl) or OpenSeesPy (.py); by default taken from the output
//                     file's suffix (OpenSeesFormatForPath), else tcl
// Names may be given with or without the leading "--".

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "export/SolverCommon.h"

class CConcrete;

struct OpenSeesOptions {
    enum class Format { Tcl, Py };
    Format format = Format::Tcl;
    long long firstTag = 1;
};

bool SetOpenSeesOption(OpenSeesOptions& options, std::string_view name, std::string_view value,
                       std::string& error);
// The format a file name asks for by its suffix (.tcl or .py, any case); false otherwise.
bool OpenSeesFormatForPath(std::string_view path, OpenSeesOptions::Format& format);

struct OpenSeesExport {
    std::vector<SolverRefusal> refused;
    std::string text;  // empty when any concrete is refused
    bool Ok() const { return refused.empty() && !text.empty(); }
};

// The command of one concrete without comment or line end, e.g.
// "uniaxialMaterial ConcreteD 1 -20.1 -0.001471 2.01 9.5e-05 30000.0 0.75 1.26".
std::string ConcreteDCommand(const CConcrete& concrete, long long tag,
                             OpenSeesOptions::Format format);

OpenSeesExport BuildOpenSeesExport(std::span<const CConcrete* const> concretes,
                                   const OpenSeesOptions& options);
