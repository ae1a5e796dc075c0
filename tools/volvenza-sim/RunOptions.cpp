#include "tools/volvenza-sim/RunOptions.h"

#include <iterator>
#include <limits>

#include "numbers/NumberText.h"
#include "tools/volvenza-sim/SimText.h"

namespace volvenza {
namespace {

std::optional<double> Number(const std::string& text) {
    return ParseNumber<double>(text);
}

}  // namespace

std::optional<RunOptions> TakeRunOptions(std::vector<std::string>& args, const GasSettings& base) {
    RunOptions options;
    options.gas = base;
    std::vector<std::string> rest;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        // The values an option takes, or nothing when they are missing.
        auto values = [&](size_t count) -> std::optional<std::vector<std::string>> {
            if (i + count >= args.size()) return std::nullopt;
            std::vector<std::string> v(args.begin() + static_cast<long>(i) + 1,
                                       args.begin() + static_cast<long>(i + count) + 1);
            i += count;
            return v;
        };
        if (a == "--summary") {
            options.summary = true;
        } else if (a == "--gas") {
            const auto v = values(1);
            if (!v) return std::nullopt;
            if ((*v)[0] == "classic") {
                options.gas.Law = GasLawKind::Classic;
            } else if ((*v)[0] == "ideal") {
                options.gas.Law = GasLawKind::Ideal;
            } else if ((*v)[0] == "nitrogen") {
                options.gas.Law = GasLawKind::Nitrogen;
            } else {
                return std::nullopt;
            }
        } else if (a == "--n" || a == "--charge-temp") {
            const auto v = values(1);
            const auto x = v ? Number((*v)[0]) : std::nullopt;
            if (!x) return std::nullopt;
            (a == "--n" ? options.gas.Exponent : options.gas.ChargeTemp) = *x;
        } else if (a == "--tau") {
            const auto v = values(1);
            if (!v) return std::nullopt;
            if ((*v)[0] == "inf") {
                options.gas.Tau = std::numeric_limits<double>::infinity();
            } else if (const auto x = Number((*v)[0])) {
                options.gas.Tau = *x;
            } else {
                return std::nullopt;
            }
        } else if (a == "--envelope") {
            const auto v = values(2);
            const auto low = v ? Number((*v)[0]) : std::nullopt;
            const auto high = v ? Number((*v)[1]) : std::nullopt;
            if (!low || !high) return std::nullopt;
            options.gas.MinTemp = *low;
            options.gas.MaxTemp = *high;
        } else {
            rest.push_back(a);
        }
    }
    args = rest;
    return options;
}

std::string SummaryLines(const CircuitState& state) {
    // One line per temperature, in the language of the run: the Italian is
    // filled in and then translated whole, its numbers with it.
    const std::string line = SIM_TEXT("volvenza-sim",
                                      "Temperatura %1 °C%2; pressione minima %3 bar a %4 s; fine "
                                      "%5; temperatura massima del gas %6 °C");
    const std::string normal = SIM_TEXT("volvenza-sim", "normale");
    const std::string warning = SIM_TEXT("volvenza-sim", "PRECARICA VOLVENZA TROPPO ALTA");
    std::string lines;
    const GasResults& results = state.GasRun;
    for (size_t i = 0; i < results.Runs.size(); ++i) {
        const TemperatureRun& r = results.Runs[i];
        const std::string parts[] = {FormatNumber(RoundHalfEven(r.WorkTemp, 2)),
                                     static_cast<int>(i) == results.MainRun ? " (tc)" : "",
                                     FormatNumber(RoundHalfEven(r.LowestPressure, 3)),
                                     FormatFixed(r.LowestTime, 2),
                                     r.Warning ? warning : normal,
                                     FormatNumber(RoundHalfEven(r.HighestGasTemp, 2))};
        std::string text = line;
        for (size_t k = std::size(parts); k-- > 0;) {
            const std::string marker = "%" + std::to_string(k + 1);
            text.replace(text.find(marker), marker.size(), parts[k]);
        }
        lines += SimText(text) + "\n";
    }
    return lines;
}

}  // namespace volvenza
