#include "tools/volvenza-sim/RunOptions.h"

#include <algorithm>
#include <cctype>
#include <iostream>
#include <iterator>
#include <limits>

#include "engine/GasLaws.h"
#include "numbers/NumberText.h"
#include "tools/volvenza-sim/SimText.h"

namespace volvenza {
namespace {

std::optional<double> Number(const std::string& text) {
    return ParseNumber<double>(text);
}

// Nothing, after saying on stderr which option was wrong and why.
std::nullopt_t Bad(const std::string& option, const std::optional<std::string>& value) {
    const std::string text =
        value ? SIM_TEXT("volvenza-sim", "Valore non valido per l'opzione %1: %2")
              : SIM_TEXT("volvenza-sim", "Manca il valore dell'opzione %1");
    std::string filled = text;
    if (value) filled.replace(filled.find("%2"), 2, *value);
    filled.replace(filled.find("%1"), 2, option);
    std::cerr << SimText(filled) << '\n';
    return std::nullopt;
}

bool IsInfinity(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text == "inf" || text == "infinity";
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
            continue;
        }
        const size_t count = a == "--envelope" ? 2 : 1;
        const bool known = a == "--gas" || a == "--n" || a == "--charge-temp" || a == "--tau" ||
                           a == "--envelope" || a == "--start";
        if (!known) {
            rest.push_back(a);
            continue;
        }
        const auto v = values(count);
        if (!v) return Bad(a, std::nullopt);
        const std::string& first = (*v)[0];
        if (a == "--gas") {
            if (first == "classic") {
                options.gas.Law = GasLawKind::Classic;
            } else if (first == "ideal") {
                options.gas.Law = GasLawKind::Ideal;
            } else if (first == "nitrogen") {
                options.gas.Law = GasLawKind::Nitrogen;
            } else {
                return Bad(a, first);
            }
        } else if (a == "--start") {
            if (first == "slow" || first == "fast") {
                options.gas.Start =
                    first == "fast" ? gas::ChargeStart::Fast : gas::ChargeStart::Slow;
            } else {
                return Bad(a, first);
            }
        } else if (a == "--n" || a == "--charge-temp") {
            const auto x = Number(first);
            if (!x) return Bad(a, first);
            (a == "--n" ? options.gas.Exponent : options.gas.ChargeTemp) = *x;
        } else if (a == "--tau") {
            if (IsInfinity(first)) {
                options.gas.Tau = std::numeric_limits<double>::infinity();
            } else if (const auto x = Number(first)) {
                options.gas.Tau = *x;
            } else {
                return Bad(a, first);
            }
        } else {
            const auto low = Number(first);
            const auto high = Number((*v)[1]);
            if (!low) return Bad(a, first);
            if (!high) return Bad(a, (*v)[1]);
            options.gas.MinTemp = *low;
            options.gas.MaxTemp = *high;
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
                                      "%5; temperatura del gas minima %6 °C, massima %7 °C");
    const std::string normal = SIM_TEXT("volvenza-sim", "normale");
    const std::string warning = SIM_TEXT("volvenza-sim", "PRECARICA VOLVENZA TROPPO ALTA");
    const std::string outside =
        SIM_TEXT("volvenza-sim", "GAS FUORI DAL CAMPO DELLA LEGGE a %1 s: %2");
    const auto fill = [](std::string text, const std::vector<std::string>& parts) {
        for (size_t k = parts.size(); k-- > 0;) {
            // Appended, not "%" + ...: GCC 12 at -O3 warns falsely about that.
            std::string marker = "%";
            marker += std::to_string(k + 1);
            text.replace(text.find(marker), marker.size(), parts[k]);
        }
        return text;
    };
    std::string lines;
    const GasResults& results = state.GasRun;
    for (size_t i = 0; i < results.Runs.size(); ++i) {
        const TemperatureRun& r = results.Runs[i];
        std::string ending = r.Warning ? warning : normal;
        if (r.Outside != gas::GasDomain::Gas) {
            ending = fill(outside, {FormatFixed(static_cast<float>(r.End) * state.TimeStep, 2),
                                    OutsideGasReason(r.Outside)});
        }
        lines += SimText(fill(line, {FormatNumber(RoundHalfEven(r.WorkTemp, 2)),
                                     static_cast<int>(i) == results.MainRun ? " (tc)" : "",
                                     FormatNumber(RoundHalfEven(r.LowestPressure, 3)),
                                     FormatFixed(r.LowestTime, 2), ending,
                                     FormatNumber(RoundHalfEven(r.LowestGasTemp, 2)),
                                     FormatNumber(RoundHalfEven(r.HighestGasTemp, 2))})) +
                 "\n";
    }
    return lines;
}

}  // namespace volvenza
