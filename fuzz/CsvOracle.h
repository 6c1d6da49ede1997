#pragma once

#include <memory>
#include <string_view>
#include <vector>

class CConcrete;

// Checks a data file built from these concretes against the file's description, written apart
// from the builder: every line's bytes (names quoted where RFC 4180 needs it, numbers as
// FormatFloat prints them, quoted under a decimal comma) and every record as an RFC 4180 reader
// sees it, field by field. Aborts with a description of the first difference.
//
// Compiled without coverage instrumentation: the fuzzer should steer by the builder's branches,
// not by the checker's.
void CheckConcreteCsv(std::string_view csv,
                      const std::vector<std::unique_ptr<CConcrete>>& concretes, char separator);
