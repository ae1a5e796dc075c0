#pragma once
// Every result point as CSV (RFC 4180) for spreadsheets: a header row
// t;V;P;Qt;Qs, then one row per 0,01 s, lines ended by CR LF.

#include <optional>
#include <string>

#include "engine/CircuitState.h"

namespace volvenza {

// How the fields are separated and how numbers write their decimals.
struct CsvFormat {
    char fieldSeparator = ';';
    char decimalSeparator = ',';
};

// The format for the user's language. Only Italian exists for now:
// semicolons between fields and the decimal comma, as an Italian spreadsheet
// opens them directly. An English one would use commas and the point.
CsvFormat ResultsCsvFormat();

std::string ResultsCsv(const CircuitState& state, const CsvFormat& format);

// Writes every point atomically in ResultsCsvFormat(); returns the user's
// message on failure.
std::optional<std::string> ExportResultsCsv(const CircuitState& state, const std::string& path);

}  // namespace volvenza
