#include "sizing/BalanceText.h"

#include <cmath>

#include "messages/TranslationMark.h"
#include "numbers/NumberText.h"
#include "numbers/Rounding.h"
#include "sizing/GasLawText.h"
#include "sizing/RequirementForm.h"

namespace volvenza::sizing {
namespace {

constexpr const char* kContext = "volvenza::EnergyBalance";

std::string Say(const Wording& w, const char* italian, const std::vector<std::string>& parts = {}) {
    return FillParts(w.Translate ? w.Translate(kContext, italian) : std::string(italian), parts);
}

// As a box shows it, or rounded half to even to `decimals`.
std::string Num(const Wording& w, double value) {
    return FormatNumber(value, w.Decimal);
}
std::string Num(const Wording& w, double value, int decimals) {
    return Num(w, RoundHalfEven(value, decimals));
}

std::string With(const Wording& w, double value, int decimals, const char* unit) {
    return Num(w, value, decimals) + " " + unit;
}

// The heat between gas and wall, said the way it goes.
std::string HeatWords(const Wording& w, double heatIn) {
    // What rounds to nothing has no direction.
    if (RoundHalfEven(heatIn, 3) == 0) {
        return Say(w, QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "nessuno scambio"));
    }
    return Say(w,
               heatIn <= 0
                   ? QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "il gas cede alla parete %1")
                   : QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "il gas riceve dalla parete %1"),
               {With(w, std::abs(heatIn), 3, "kJ")});
}

struct Rows {
    const Wording& w;
    std::vector<VerdictRow> rows;

    void Add(const char* label, std::string value) {
        rows.push_back({Say(w, label), std::move(value)});
    }
    // A row whose label is a cycle's name and what of it.
    void Add(const std::string& name, const char* what, std::string value) {
        rows.push_back({name + Say(w, what), std::move(value)});
    }
};

// The first cycle, from full, or the steady one, each whole: what the
// accumulator gives less what it takes back is the heat its gas takes
// from the wall less what it stored.
void AppendCycleRows(Rows& r, const CycleEnergy& e, const std::string& name) {
    const Wording& w = r.w;
    r.Add(name, QT_TRANSLATE_NOOP("volvenza::EnergyBalance", ": energia ceduta dall'accumulatore"),
          With(w, e.Delivered, 3, "kJ"));
    r.Add(name, QT_TRANSLATE_NOOP("volvenza::EnergyBalance", ": energia ripresa"),
          With(w, e.Returned, 3, "kJ"));
    r.Add(name, QT_TRANSLATE_NOOP("volvenza::EnergyBalance", ": calore tra gas e parete"),
          HeatWords(w, e.HeatIn));
    r.Add(name, QT_TRANSLATE_NOOP("volvenza::EnergyBalance", ": energia accumulata a fine ciclo"),
          With(w, e.StoredChange, 3, "kJ"));
    r.Add(name,
          QT_TRANSLATE_NOOP("volvenza::EnergyBalance", ": energia fornita dalla pompa in carico"),
          With(w, e.PumpEnergy, 3, "kJ"));
    r.Add(name, QT_TRANSLATE_NOOP("volvenza::EnergyBalance", ": pressione minima e massima"),
          Say(w, QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "%1 e %2"),
              {With(w, e.Lowest, 2, "bar"), With(w, e.Highest, 2, "bar")}));
}

// The steady cycle, or why there is none.
void AppendSteadyRows(Rows& r, const EnergyBalance& b) {
    using S = EnergyBalance::Steadiness;
    const Wording& w = r.w;
    const std::string which = std::to_string(b.SteadyCycle);
    switch (b.SteadyKind) {
        case S::None:
            r.Add(QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "Ciclo in regime"),
                  Say(w, QT_TRANSLATE_NOOP("volvenza::EnergyBalance",
                                           "nessuno: il primo ciclo non arriva alla fine")));
            break;
        case S::EndsLater:
            r.Add(QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "Ciclo in regime"),
                  Say(w,
                      QT_TRANSLATE_NOOP("volvenza::EnergyBalance",
                                        "nessuno: il ciclo %1 non arriva alla fine"),
                      {which}));
            break;
        case S::Repeating:
            AppendCycleRows(r, b.Steady,
                            Say(w,
                                QT_TRANSLATE_NOOP("volvenza::EnergyBalance",
                                                  "Ciclo in regime (%1°, uguale al precedente)"),
                                {which}));
            break;
        case S::Alternating:
        case S::Bounded:
            // Cycles that differ: the last one run, and how low the others go.
            AppendCycleRows(
                r, b.Steady,
                Say(w,
                    b.SteadyKind == S::Alternating
                        ? QT_TRANSLATE_NOOP("volvenza::EnergyBalance",
                                            "Ciclo in regime (%1°; i cicli in regime non sono "
                                            "tutti uguali: in altri la pressione scende fino a %2)")
                        : QT_TRANSLATE_NOOP("volvenza::EnergyBalance",
                                            "Ciclo %1 (i cicli non si ripetono ma le pressioni "
                                            "minime non calano più; in altri la pressione scende "
                                            "fino a %2)"),
                    {which, With(w, b.SteadyLowest, 2, "bar")}));
            break;
        case S::Unsettled:
            AppendCycleRows(
                r, b.Steady,
                Say(w,
                    QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "Ciclo %1, non ancora in regime"),
                    {which}));
            break;
    }
}

// The pump's powers with and without the accumulator, and how often it cycles.
void AppendPowerRows(Rows& r, const EnergyBalance& b, const EnergyInputs& in) {
    using S = EnergyBalance::Steadiness;
    const Wording& w = r.w;
    r.Add(QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "Rendimento della pompa"),
          Num(w, in.PumpEfficiency, 3));
    r.Add(QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "Potenza installata (Qp a Pm)"),
          With(w, b.InstalledPower, 2, "kW"));
    r.Add(QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "Portata di picco del ciclo"),
          With(w, b.PeakDemand, 2, "dm3/min"));
    r.Add(QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "Pressione per la sola pompa"),
          Say(w,
              in.NeedPressure
                  ? QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "%1 (p1 del dimensionamento)")
                  : QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "%1 (Pm - Dp)"),
              {With(w, b.NeedPressure, 2, "bar")}));
    r.Add(QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "Potenza della sola pompa per il picco"),
          With(w, b.PumpOnlyPower, 2, "kW"));
    // A circuit whose installed pump needs more than a pump alone for the
    // peak does not save a negative power: it says how much more it needs.
    const double saved = b.PumpOnlyPower - b.InstalledPower;
    if (RoundHalfEven(saved, 2) >= 0) {
        r.Add(QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "Potenza risparmiata dall'accumulatore"),
              With(w, saved, 2, "kW"));
    } else {
        r.Add(QT_TRANSLATE_NOOP("volvenza::EnergyBalance",
                                "Potenza in più richiesta con l'accumulatore"),
              With(w, -saved, 2, "kW"));
    }
    r.Add(b.SteadyKind == S::None
              ? QT_TRANSLATE_NOOP("volvenza::EnergyBalance",
                                  "Escursione di pressione per ciclo a tc (del primo)")
              : QT_TRANSLATE_NOOP(
                    "volvenza::EnergyBalance",
                    "Escursione di pressione per ciclo a tc (la più ampia dopo il primo)"),
          With(w, b.Swing, 2, "bar"));
    r.Add(QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "Cicli all'ora"),
          Num(w, b.CyclesPerHour, 1));
    r.Add(QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "Cicli all'anno"),
          Say(w, QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "%1 in %2 h"),
              {Num(w, b.CyclesPerYear, 0), Num(w, in.HoursPerYear, 1)}));
}

}  // namespace

EnergyInputs EnergyInputsOf(const CircuitState& state, double pumpEfficiency, double hoursPerYear) {
    EnergyInputs in;
    in.PumpEfficiency = pumpEfficiency;
    in.HoursPerYear = hoursPerYear;
    in.NeedPressure = state.ChartMinPressure;
    return in;
}

std::string EnergyBalanceTitle(const Wording& w) {
    return Say(w,
               QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "Bilancio energetico e fatica a tc"));
}

Result<std::vector<VerdictRow>> EnergyBalanceRows(const CircuitState& state, const EnergyInputs& in,
                                                  const Wording& w) {
    // The sizing form's limits, which volvenza-sim's options take too.
    if (Status figures = CheckEnergyFigures(in); !figures) return figures.Error();
    if (state.LastPoint <= 0 || state.PSeries.empty()) return std::vector<VerdictRow>();
    const auto balance = BalanceOfRun(state, in);
    if (!balance) return balance.Error();
    const EnergyBalance& b = *balance;
    Rows r{w, {}};
    r.Add(QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "Calcolati con"),
          Say(w,
              state.Gas.Law == GasLawKind::Classic
                  ? QT_TRANSLATE_NOOP("volvenza::EnergyBalance",
                                      "%1, a tc = %2 °C, al posto della legge classica dei "
                                      "risultati, che non dà energie")
                  : QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "%1, a tc = %2 °C"),
              {GasLawText(b.Gas, w), Num(w, b.WorkTemp, 2)}));
    AppendCycleRows(r, b.First,
                    Say(w, QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "Primo ciclo, da pieno")));
    AppendSteadyRows(r, b);
    AppendPowerRows(r, b, in);
    return std::move(r.rows);
}

std::vector<VerdictRow> DutyRows(const CircuitState& state, const DutyPlan& plan, double p1,
                                 const Wording& w) {
    std::vector<VerdictRow> rows;
    if (state.LastPoint <= 0 || state.Gas.Law == GasLawKind::Classic) return rows;
    if (!EmergencyMovements(state.Movements, state.SimMovementCount).empty()) {
        const auto e = JudgeEmergency(state, state.Gas, GaugeBar(p1), plan.EmergencyFromFull);
        if (e) rows.push_back(EmergencyVerdict(*e, w));
    }
    if (plan.Hold) {
        const auto held = JudgeHold(state, state.Gas, *plan.Hold);
        if (held) rows.push_back(HoldVerdict(*plan.Hold, *held, w));
    }
    return rows;
}

}  // namespace volvenza::sizing
