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

// The gas law the balance was made with.
std::string LawOfBalance(const GasSettings& g) {
    return g.Law == GasLawKind::Ideal
               ? SimFill(SIM_TEXT("volvenza-sim", "gas ideale, n = %1"), {Rounded(g.Exponent, 3)})
           : std::isinf(g.Tau)
               ? SimText(SIM_TEXT("volvenza-sim", "azoto reale, τ = ∞ (adiabatica)"))
               : SimFill(SIM_TEXT("volvenza-sim", "azoto reale, τ = %1 s"), {Rounded(g.Tau, 3)});
}

// What one cycle exchanges, under its name.
std::string CycleLine(const CycleEnergy& e, const std::string& name) {
    // What rounds to nothing has no direction.
    const char* heat = RoundHalfEven(e.HeatIn, 3) == 0
                           ? SIM_TEXT("volvenza-sim", "nessuno scambio di calore con la parete")
                       : e.HeatIn < 0
                           ? SIM_TEXT("volvenza-sim", "il gas cede alla parete %1 kJ")
                           : SIM_TEXT("volvenza-sim", "il gas riceve dalla parete %1 kJ");
    return SimFill(SIM_TEXT("volvenza-sim",
                            "%1: l'accumulatore cede %2 kJ e riprende %3 kJ; %4; accumula %5 "
                            "kJ; la pompa in carico fornisce %6 kJ; pressione da %7 a %8 bar"),
                   {name, Rounded(e.Delivered, 3), Rounded(e.Returned, 3),
                    SimFill(heat, {Rounded(std::abs(e.HeatIn), 3)}), Rounded(e.StoredChange, 3),
                    Rounded(e.PumpEnergy, 3), Rounded(e.Lowest, 3), Rounded(e.Highest, 3)}) +
           "\n";
}

// The steady cycle's line, or why there is none.
std::string SteadyLine(const EnergyBalance& b) {
    std::string lines;
    using S = EnergyBalance::Steadiness;
    const std::string which = std::to_string(b.SteadyCycle);
    switch (b.SteadyKind) {
        case S::None:
            lines += SimText(SIM_TEXT("volvenza-sim",
                                      "ciclo in regime: nessuno, il primo ciclo non arriva alla "
                                      "fine")) +
                     "\n";
            break;
        case S::EndsLater:
            lines += SimFill(SIM_TEXT("volvenza-sim",
                                      "ciclo in regime: nessuno, il ciclo %1 non arriva alla fine"),
                             {which}) +
                     "\n";
            break;
        case S::Repeating:
            lines += CycleLine(
                b.Steady,
                SimFill(SIM_TEXT("volvenza-sim", "ciclo in regime (%1°, uguale al precedente)"),
                        {which}));
            break;
        case S::Alternating:
            lines += CycleLine(
                b.Steady, SimFill(SIM_TEXT("volvenza-sim",
                                           "ciclo in regime (%1°; i cicli in regime non sono "
                                           "tutti uguali: in altri la pressione scende fino a %2 "
                                           "bar)"),
                                  {which, Rounded(b.SteadyLowest, 3)}));
            break;
        case S::Unsettled:
            lines += CycleLine(
                b.Steady,
                SimFill(SIM_TEXT("volvenza-sim", "ciclo %1, non ancora in regime"), {which}));
            break;
    }
    return lines;
}

// The power installed against the pump alone, and the fatigue.
std::string PowerAndFatigueLines(const EnergyBalance& b, const EnergyInputs& energy) {
    using S = EnergyBalance::Steadiness;
    std::string lines;
    // A negative saving is more power needed, and said so.
    const double saved = b.PumpOnlyPower - b.InstalledPower;
    lines +=
        SimFill(RoundHalfEven(saved, 2) >= 0
                    ? SIM_TEXT("volvenza-sim",
                               "Potenza installata %1 kW (Qp a Pm, rendimento %2); sola pompa per "
                               "la portata di picco %3 dm3/min a %4 bar: %5 kW; risparmiati %6 kW")
                    : SIM_TEXT("volvenza-sim",
                               "Potenza installata %1 kW (Qp a Pm, rendimento %2); sola pompa per "
                               "la portata di picco %3 dm3/min a %4 bar: %5 kW; con l'accumulatore "
                               "servono %6 kW in più"),
                {Rounded(b.InstalledPower, 2), Rounded(energy.PumpEfficiency, 2),
                 Rounded(b.PeakDemand, 2), Rounded(b.NeedPressure, 2), Rounded(b.PumpOnlyPower, 2),
                 Rounded(std::abs(saved), 2)}) +
        "\n";
    lines += SimFill(b.SteadyKind == S::None
                         ? SIM_TEXT("volvenza-sim",
                                    "Fatica: escursione di pressione %1 bar per ciclo (del primo); "
                                    "%2 cicli all'ora, %3 all'anno in %4 h")
                         : SIM_TEXT("volvenza-sim",
                                    "Fatica: escursione di pressione %1 bar per ciclo (la più "
                                    "ampia dopo il primo); %2 cicli all'ora, %3 all'anno in %4 h"),
                     {Rounded(b.Swing, 2), Rounded(b.CyclesPerHour, 1), Rounded(b.CyclesPerYear, 0),
                      Rounded(energy.HoursPerYear, 1)}) +
             "\n";
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
    // A balance refused says why in its place, as the window's does: a
    // project's efficiency or hours a year out of their range among them.
    if (Status figures = sizing::CheckEnergyFigures(energy); !figures) {
        return lines + SimMessage(figures.Error()) + "\n";
    }
    const auto balance = BalanceOfRun(state, energy);
    if (!balance) return lines + SimMessage(balance.Error()) + "\n";
    const EnergyBalance& b = *balance;
    const std::string law = LawOfBalance(b.Gas);
    lines +=
        SimFill(state.Gas.Law == GasLawKind::Classic
                    ? SIM_TEXT("volvenza-sim",
                               "Energia a tc = %1 °C, con il motore esatto (%2, al posto "
                               "della legge classica dei risultati, che non dà energie):")
                    : SIM_TEXT("volvenza-sim", "Energia a tc = %1 °C, con il motore esatto (%2):"),
                {Rounded(b.WorkTemp, 2), law}) +
        "\n";
    lines += CycleLine(b.First, SimText(SIM_TEXT("volvenza-sim", "primo ciclo, da pieno")));
    lines += SteadyLine(b);
    lines += PowerAndFatigueLines(b, energy);
    return lines;
}

}  // namespace volvenza
