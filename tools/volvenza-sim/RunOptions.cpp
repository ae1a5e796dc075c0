#include "tools/volvenza-sim/RunOptions.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <iterator>
#include <limits>

#include "documents/AtomicFile.h"
#include "engine/CycleDemand.h"
#include "engine/CycleRun.h"
#include "engine/GasLaws.h"
#include "numbers/NumberText.h"
#include "sizing/BalanceText.h"
#include "sizing/RequirementForm.h"
#include "tools/volvenza-sim/SimText.h"

namespace volvenza {
namespace {

std::optional<double> Number(const std::string& text) {
    return ParseNumber<double>(text);
}

// The pump's efficiency (a share) or the hours in a year, where the sizing
// form's boxes take them.
const sizing::FigureRange& EnergyRange(bool efficiency) {
    return *sizing::BoxForm(efficiency ? sizing::RequirementBox::PumpEfficiency
                                       : sizing::RequirementBox::HoursPerYear)
                .range;
}

// Which option was wrong and why: its value, or none given.
Message Bad(const std::string& option, const std::optional<std::string>& value) {
    if (!value) return Message(MessageId::CommandMissingValue, {MsgVerbatim(option)});
    return Message(MessageId::CommandBadValue, {MsgVerbatim(option), MsgVerbatim(*value)});
}

bool IsInfinity(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text == "inf" || text == "infinity";
}

// The gas option `a` with its values `v` into `settings`; refused when a
// value is wrong.
Status SetGasOption(const std::string& a, const std::vector<std::string>& v,
                    GasSettings& settings) {
    const std::string& first = v[0];
    if (a == "--gas") {
        if (first == "classic") {
            settings.Law = GasLawKind::Classic;
        } else if (first == "ideal") {
            settings.Law = GasLawKind::Ideal;
        } else if (first == "nitrogen") {
            settings.Law = GasLawKind::Nitrogen;
        } else {
            return Bad(a, first);
        }
    } else if (a == "--start") {
        if (first == "slow" || first == "fast") {
            settings.Start = first == "fast" ? gas::ChargeStart::Fast : gas::ChargeStart::Slow;
        } else {
            return Bad(a, first);
        }
    } else if (a == "--n" || a == "--charge-temp") {
        const auto x = Number(first);
        if (!x) return Bad(a, first);
        (a == "--n" ? settings.Exponent : settings.ChargeTemp) = *x;
    } else if (a == "--tau") {
        if (IsInfinity(first)) {
            settings.Tau = std::numeric_limits<double>::infinity();
        } else if (const auto x = Number(first)) {
            settings.Tau = *x;
        } else {
            return Bad(a, first);
        }
    } else {
        const auto low = Number(first);
        const auto high = Number(v[1]);
        if (!low) return Bad(a, first);
        if (!high) return Bad(a, v[1]);
        settings.MinTemp = *low;
        settings.MaxTemp = *high;
    }
    return Done{};
}

// --parallel, --bottle-volume or --volumetric-efficiency into `vessels`;
// refused when the value is wrong.
Status SetVesselOption(const std::string& a, const std::string& value, Arrangement& vessels) {
    const auto x = Number(value);
    if (!x) return Bad(a, value);
    if (a == "--parallel") {
        if (*x != std::floor(*x) || !(*x >= 1 && *x <= kMaxParallel)) return Bad(a, value);
        vessels.Count = static_cast<int>(*x);
    } else {
        (a == "--bottle-volume" ? vessels.BottleVolume : vessels.VolumetricEfficiency) = *x;
        if (!CheckArrangement(vessels)) return Bad(a, value);
    }
    return Done{};
}

}  // namespace

Result<RunOptions> TakeRunOptions(std::vector<std::string>& args, const GasSettings& base,
                                  const EnergyInputs& energy) {
    RunOptions options;
    options.gas = base;
    options.energy = energy;
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
        if (a == "--parallel" || a == "--bottle-volume" || a == "--volumetric-efficiency") {
            const auto v = values(1);
            if (!v) return Bad(a, std::nullopt);
            if (Status set = SetVesselOption(a, (*v)[0], options.gas.Vessels); !set)
                return set.Error();
            continue;
        }
        if (a == "--pump-efficiency" || a == "--hours-per-year") {
            const auto v = values(1);
            if (!v) return Bad(a, std::nullopt);
            const auto x = Number((*v)[0]);
            const bool efficiency = a == "--pump-efficiency";
            if (!x || !EnergyRange(efficiency).Holds(*x)) return Bad(a, (*v)[0]);
            (efficiency ? options.energy.PumpEfficiency : options.energy.HoursPerYear) = *x;
            (efficiency ? options.efficiencyGiven : options.hoursGiven) = true;
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
        if (Status set = SetGasOption(a, *v, options.gas); !set) return set.Error();
    }
    args = rest;
    return options;
}

Status CheckEnergyInputs(const RunOptions& options) {
    const double efficiency = options.energy.PumpEfficiency;
    const double hours = options.energy.HoursPerYear;
    const char decimal = SimWording().Decimal;
    // With the digits it takes to be read on the wrong side of the limit.
    const auto beyond = [decimal](double value, double high) {
        const double limit = value > high ? high : 0;
        return FormatGeneral(value, MsgNumberBeyond(value, limit).digits, decimal, true);
    };
    if (!options.efficiencyGiven && !EnergyRange(true).Holds(efficiency)) {
        return Message(MessageId::CommandProjectEfficiency,
                       {MsgVerbatim(beyond(efficiency, EnergyRange(true).high))});
    }
    if (!options.hoursGiven && !EnergyRange(false).Holds(hours)) {
        return Message(MessageId::CommandProjectHours,
                       {MsgVerbatim(beyond(hours, EnergyRange(false).high))});
    }
    return Done{};
}

Status CheckFileNames(const std::optional<std::string>& in,
                      const std::vector<std::string>& outputs) {
    if (in && in->empty()) {
        return Message(MessageId::CommandNoInputName);
    }
    for (size_t i = 0; i < outputs.size(); ++i) {
        if (outputs[i].empty()) {
            return Message(MessageId::CommandNoOutputName);
        }
        if (in && SameFile(outputs[i], *in)) {
            return Message(MessageId::CommandOutputIsInput,
                           {MsgVerbatim(outputs[i]), MsgVerbatim(*in)});
        }
        for (size_t j = i + 1; j < outputs.size(); ++j) {
            if (SameFile(outputs[i], outputs[j])) {
                return Message(MessageId::CommandOutputsSame,
                               {MsgVerbatim(outputs[i]), MsgVerbatim(outputs[j])});
            }
        }
    }
    return Done{};
}

namespace {

// A value rounded half to even to `decimals`, with the run's decimal sign.
std::string Rounded(double value, int decimals) {
    return FormatNumber(RoundHalfEven(value, decimals), SimWording().Decimal);
}

// One line per temperature, in the language of the run.
std::string TemperatureLines(const GasResults& results) {
    const char* line = SIM_TEXT("volvenza-sim",
                                "Temperatura %1 °C%2; pressione minima %3 bar a %4 s; fine "
                                "%5; temperatura del gas minima %6 °C, massima %7 °C");
    const std::string normal = SimText(SIM_TEXT("volvenza-sim", "normale"));
    const std::string warning = SimText(SIM_TEXT("volvenza-sim", "PRECARICA VOLVENZA TROPPO ALTA"));
    const char* outside = SIM_TEXT("volvenza-sim", "GAS FUORI DAL CAMPO DELLA LEGGE a %1 s: %2");
    const char decimal = SimWording().Decimal;
    std::string lines;
    for (size_t i = 0; i < results.Runs.size(); ++i) {
        const TemperatureRun& r = results.Runs[i];
        std::string ending = r.Warning ? warning : normal;
        if (r.Outside != gas::GasDomain::Gas) {
            ending = SimFill(outside, {FormatFixed(r.EndTime, 2, decimal),
                                       SimMessage(OutsideGasReason(r.Outside))});
        }
        lines +=
            SimFill(line,
                    {Rounded(r.WorkTemp, 2), static_cast<int>(i) == results.MainRun ? " (tc)" : "",
                     Rounded(r.LowestPressure.value(), 3), FormatFixed(r.LowestTime, 2, decimal),
                     ending, Rounded(r.LowestGasTemp, 2), Rounded(r.HighestGasTemp, 2)}) +
            "\n";
    }
    return lines;
}

// The precharge the ideal and real laws start from: as given, at its
// charging temperature, and as the law warms or cools it to tc. A precharge
// taken for tc's is warmed a second time: the line shows it.
std::string PrechargeLine(const CircuitState& state) {
    if (state.Gas.Law == GasLawKind::Classic) return {};
    return SimFill(SIM_TEXT("volvenza-sim", "Precarica %1 bar data a %2 °C; a tc = %3 °C %4 bar"),
                   {Rounded(Typed(state.Data.P0), 4), Rounded(state.Gas.ChargeTemp, 2),
                    Rounded(Typed(state.Data.Tc), 2), Rounded(state.PrechargeAtTemp, 4)}) +
           "\n";
}

}  // namespace

std::string SummaryLines(const CircuitState& state, const EnergyInputs& energy) {
    std::string lines = PrechargeLine(state) + TemperatureLines(state.GasRun);
    // The window's balance, row by row: a balance refused says why in its
    // place, a project's efficiency or hours a year out of their range among
    // them. The pump alone is taken at the p1 a project has applied, as there.
    const Wording w = SimWording();
    const auto rows = sizing::EnergyBalanceRows(
        state, sizing::EnergyInputsOf(state, energy.PumpEfficiency, energy.HoursPerYear), w);
    if (rows && rows->empty()) return lines;
    lines += sizing::EnergyBalanceTitle(w) + "\n";
    if (!rows) return lines + MessageText(rows.Error(), w) + "\n";
    for (const sizing::VerdictRow& row : *rows) lines += row.label + ": " + row.value + "\n";
    return lines;
}

}  // namespace volvenza
