#pragma once
// Every result point as CSV (RFC 4180) for spreadsheets: a line saying what
// produced the results ("Legge del gas: classica"), a header row t;V;P;Qt;Qs,
// then one row per 0,01 s, lines ended by CR LF.

#include <optional>
#include <string>

#include "engine/CircuitState.h"
#include "messages/Result.h"

namespace volvenza {

// How the fields are separated and how numbers write their decimals.
struct CsvFormat {
    char fieldSeparator = ';';
    char decimalSeparator = ',';
};

// The format for the user's decimal separator, as a spreadsheet of that
// language opens it directly: semicolons between fields with the decimal
// comma (Italian), commas with the decimal point (English).
CsvFormat ResultsCsvFormat(char decimalSeparator = ',');

// `origin` says what produced the results, in the user's language; none
// when empty.
std::string ResultsCsv(const CircuitState& state, const CsvFormat& format,
                       const std::string& origin = {});

// Writes every point atomically in that format; returns the user's message
// on failure.
Status ExportResultsCsv(const CircuitState& state, const std::string& path, const CsvFormat& format,
                        const std::string& origin);

}  // namespace volvenza
