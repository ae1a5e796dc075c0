#include "documents/ResultsCsv.h"

#include "documents/AtomicFile.h"
#include "engine/ResultsSeriesValues.h"
#include "messages/ResultsFormat.h"
#include "numbers/NumberText.h"

namespace volvenza {
namespace {

double SeriesAt(const std::vector<double>& series, int k) {
    return k < static_cast<int>(series.size()) ? series[k] : 0.0;
}

// A field holding the separator, a quote or a line end goes in quotes, with
// its own quotes doubled. Numbers need that only when the decimal separator
// is also the field separator.
std::string Field(const std::string& text, char separator) {
    if (text.find_first_of(std::string{separator, '"', '\r', '\n'}) == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

// Fifteen significant digits, all a spreadsheet keeps; a value that is not
// a number or is infinite is written "nan", "inf" or "-inf", never as a
// plausible number.
std::string Number(double value, const CsvFormat& format) {
    return Field(FormatGeneral(value, 15, format.decimalSeparator, true), format.fieldSeparator);
}

}  // namespace

CsvFormat ResultsCsvFormat(char decimalSeparator) {
    return decimalSeparator == '.' ? CsvFormat{',', '.'} : CsvFormat{';', ','};
}

std::string ResultsCsv(const CircuitState& state, const CsvFormat& format,
                       const std::string& origin) {
    const char sep = format.fieldSeparator;
    std::string text = origin.empty() ? std::string() : Field(origin, sep) + "\r\n";
    text += Field("t", sep);
    for (const ResultsSeries& series : kResultsSeries) {
        text += sep;
        text += Field(series.symbol, sep);
    }
    text += "\r\n";
    for (int i = 0; i <= state.LastPoint; ++i) {
        // The time is the point number in hundredths of a second.
        text += Number(i / 100.0, format);
        for (size_t series = 0; series < kResultsSeries.size(); ++series) {
            text += sep;
            text += Number(SeriesAt(ResultsSeriesValues(state, series), i), format);
        }
        text += "\r\n";
    }
    return text;
}

Status ExportResultsCsv(const CircuitState& state, const std::string& path, const CsvFormat& format,
                        const std::string& origin) {
    try {
        return WriteFileAtomically(path, ResultsCsv(state, format, origin));
    } catch (...) {
        return SaveFailedMessage(path);
    }
}

}  // namespace volvenza
