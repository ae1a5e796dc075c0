#include "documents/ResultsExport.h"

#include "documents/AtomicFile.h"
#include "numbers/NumberText.h"

namespace volvenza {
namespace {

double SeriesAt(const std::vector<double>& series, int k) {
    return k < static_cast<int>(series.size()) ? series[k] : 0.0;
}

}  // namespace

std::string ResultsText(const CircuitState& state) {
    std::string text = "tV(t)P(t)Qt(t)Qs(t)\r\n";
    for (int i = 0; i <= state.LastPoint; i += 10) {
        // i / 100 has its two decimals already.
        text += FormatPrintedNumber(i / 100.0, ',');
        for (const auto* series :
             {&state.VSeries, &state.PSeries, &state.QtSeries, &state.QsSeries}) {
            text += FormatPrintedNumber(RoundHalfEven(SeriesAt(*series, i), 3), ',');
        }
        text += "\r\n";
    }
    return text;
}

Status ExportResultsText(const CircuitState& state, const std::string& path) {
    try {
        return WriteFileAtomically(path, ResultsText(state));
    } catch (...) {
        return SaveFailedMessage(path);
    }
}

}  // namespace volvenza
