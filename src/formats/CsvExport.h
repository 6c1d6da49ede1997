#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>

class CConcrete;
class ConcreteRegistry;

// The concrete data file, built in memory from the registry: the parameter table, then the
// compression curves side by side, then the tension curves side by side. Every line ends with
// CR LF; numbers carry decimalSeparator and are quoted when it is a comma, so that fields,
// separated by commas, never shift. Plain C++ on purpose (no Qt), so that benchmarks and
// fuzzers link it with the model alone.
//
// Throws std::length_error when the end strains would need more rows than a file can sensibly
// hold (the sampling would otherwise run for hours), and std::bad_alloc when memory runs out.
std::string BuildConcreteCsv(std::span<const std::unique_ptr<CConcrete>> concretes,
                             char decimalSeparator);
std::string BuildConcreteCsv(std::span<const CConcrete* const> concretes, char decimalSeparator);
// Every concrete of the registry, shown or hidden, in creation order.
std::string BuildConcreteCsv(const ConcreteRegistry& concretes, char decimalSeparator);

// Excel on a Chinese Windows reads a CSV file without a byte-order mark in the system's code
// page (GBK), which turns a Chinese name into other characters; with the mark it reads UTF-8.
// Only names can hold anything but ASCII, so a file of ASCII names keeps the bytes it always
// had. The UTF-8 byte-order mark when one of the names is not ASCII, otherwise nothing.
std::string_view CsvByteOrderMark(std::span<const std::string_view> names);

// Appends a concrete's name as one field. A name with a comma, a double quote, CR or LF would
// shift every column after it, so such a name is quoted with its double quotes doubled
// (RFC 4180); any other name is written exactly as registered.
void AppendCsvName(std::string& out, std::string_view name);

// The most rows one curve block may have.
inline constexpr std::size_t kMaxCsvRowsPerBlock = 10'000'000;

enum class NumberPattern;
// Appends a number as one field after pattern, quoted under a decimal comma exactly as the
// concrete file's numbers are, so that the steel file reads alike.
void AppendCsvNumber(std::string& out, NumberPattern pattern, double value, char decimalSeparator);
