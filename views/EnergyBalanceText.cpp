#include "views/EnergyBalanceText.h"

#include <cmath>

#include <QCoreApplication>

#include "platform/UiMessage.h"
#include "platform/UiNumber.h"
#include "sizing/DutyText.h"
#include "sizing/RequirementForm.h"

namespace volvenza {
namespace {

QString Tr(const char* source) {
    return QCoreApplication::translate("volvenza::EnergyBalance", source);
}

QString With(double value, int decimals, const char* unit) {
    return UiNumber(value, decimals) + QLatin1Char(' ') + QString::fromLatin1(unit);
}

}  // namespace

EnergyInputs EnergyInputsOf(const CircuitState& state, double pumpEfficiency, double hoursPerYear) {
    EnergyInputs in;
    in.PumpEfficiency = pumpEfficiency;
    in.HoursPerYear = hoursPerYear;
    in.NeedPressure = state.ChartMinPressure;
    return in;
}

QList<EnergyRow> DutyRows(const CircuitState& state, const DutyPlan& plan, double p1) {
    QList<EnergyRow> rows;
    if (state.LastPoint <= 0 || state.Gas.Law == GasLawKind::Classic) return rows;
    auto append = [&rows](const sizing::VerdictRow& row) {
        rows.append({QString::fromStdString(row.label), QString::fromStdString(row.value)});
    };
    if (!EmergencyMovements(state.Movements, state.SimMovementCount).empty()) {
        const auto e = JudgeEmergency(state, state.Gas, GaugeBar(p1), plan.EmergencyFromFull);
        if (e) append(sizing::EmergencyVerdict(*e, UiWording()));
    }
    if (plan.Hold) {
        const auto held = JudgeHold(state, state.Gas, *plan.Hold);
        if (held) append(sizing::HoldVerdict(*plan.Hold, *held, UiWording()));
    }
    return rows;
}

QString EnergyBalanceTitle() {
    return Tr(QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "Bilancio energetico e fatica a tc"));
}

namespace {

// The law the figures come from, in words.
QString LawWords(const GasSettings& gas) {
    if (gas.Law == GasLawKind::Ideal) {
        return Tr(QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "gas ideale, n = %1"))
            .arg(UiNumber(gas.Exponent));
    }
    if (std::isinf(gas.Tau)) {
        return Tr(QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "azoto reale, τ = ∞ (adiabatica)"));
    }
    return Tr(QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "azoto reale, τ = %1 s"))
        .arg(UiNumber(gas.Tau));
}

// The heat between gas and wall, said the way it goes.
QString HeatWords(double heatIn) {
    const QString heat = With(std::abs(heatIn), 3, "kJ");
    // What rounds to nothing has no direction.
    if (RoundHalfEven(heatIn, 3) == 0) {
        return Tr(QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "nessuno scambio"));
    }
    return (heatIn <= 0
                ? Tr(QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "il gas cede alla parete %1"))
                : Tr(QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "il gas riceve dalla parete %1")))
        .arg(heat);
}

void Row(QList<EnergyRow>& rows, const char* label, const QString& value) {
    rows.append({Tr(label), value});
}

// The first cycle, from full, or the steady one, each whole: what the
// accumulator gives less what it takes back is the heat its gas takes
// from the wall less what it stored.
void AppendCycleRows(QList<EnergyRow>& rows, const CycleEnergy& e, const QString& name) {
    rows.append({name + Tr(QT_TRANSLATE_NOOP("volvenza::EnergyBalance",
                                             ": energia ceduta dall'accumulatore")),
                 With(e.Delivered, 3, "kJ")});
    rows.append({name + Tr(QT_TRANSLATE_NOOP("volvenza::EnergyBalance", ": energia ripresa")),
                 With(e.Returned, 3, "kJ")});
    rows.append(
        {name + Tr(QT_TRANSLATE_NOOP("volvenza::EnergyBalance", ": calore tra gas e parete")),
         HeatWords(e.HeatIn)});
    rows.append({name + Tr(QT_TRANSLATE_NOOP("volvenza::EnergyBalance",
                                             ": energia accumulata a fine ciclo")),
                 With(e.StoredChange, 3, "kJ")});
    rows.append({name + Tr(QT_TRANSLATE_NOOP("volvenza::EnergyBalance",
                                             ": energia fornita dalla pompa in carico")),
                 With(e.PumpEnergy, 3, "kJ")});
    rows.append(
        {name + Tr(QT_TRANSLATE_NOOP("volvenza::EnergyBalance", ": pressione minima e massima")),
         Tr(QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "%1 e %2"))
             .arg(With(e.Lowest, 2, "bar"), With(e.Highest, 2, "bar"))});
}

// The steady cycle, or why there is none.
void AppendSteadyRows(QList<EnergyRow>& rows, const EnergyBalance& b) {
    using S = EnergyBalance::Steadiness;
    switch (b.SteadyKind) {
        case S::None:
            Row(rows, QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "Ciclo in regime"),
                Tr(QT_TRANSLATE_NOOP("volvenza::EnergyBalance",
                                     "nessuno: il primo ciclo non arriva alla fine")));
            break;
        case S::EndsLater:
            Row(rows, QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "Ciclo in regime"),
                Tr(QT_TRANSLATE_NOOP("volvenza::EnergyBalance",
                                     "nessuno: il ciclo %1 non arriva alla fine"))
                    .arg(b.SteadyCycle));
            break;
        case S::Repeating:
            AppendCycleRows(rows, b.Steady,
                            Tr(QT_TRANSLATE_NOOP("volvenza::EnergyBalance",
                                                 "Ciclo in regime (%1°, uguale al precedente)"))
                                .arg(b.SteadyCycle));
            break;
        case S::Alternating:
            AppendCycleRows(
                rows, b.Steady,
                Tr(QT_TRANSLATE_NOOP("volvenza::EnergyBalance",
                                     "Ciclo in regime (%1°; i cicli in regime non sono tutti "
                                     "uguali: in altri la pressione scende fino a %2)"))
                    .arg(b.SteadyCycle)
                    .arg(With(b.SteadyLowest, 2, "bar")));
            break;
        case S::Unsettled:
            AppendCycleRows(
                rows, b.Steady,
                Tr(QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "Ciclo %1, non ancora in regime"))
                    .arg(b.SteadyCycle));
            break;
    }
}

// The pump's powers with and without the accumulator, and how often it cycles.
void AppendPowerRows(QList<EnergyRow>& rows, const EnergyBalance& b, const EnergyInputs& in) {
    using S = EnergyBalance::Steadiness;
    Row(rows, QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "Rendimento della pompa"),
        UiNumber(in.PumpEfficiency, 3));
    Row(rows, QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "Potenza installata (Qp a Pm)"),
        With(b.InstalledPower, 2, "kW"));
    Row(rows, QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "Portata di picco del ciclo"),
        With(b.PeakDemand, 2, "dm3/min"));
    Row(rows, QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "Pressione per la sola pompa"),
        (in.NeedPressure
             ? Tr(QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "%1 (p1 del dimensionamento)"))
             : Tr(QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "%1 (Pm - Dp)")))
            .arg(With(b.NeedPressure, 2, "bar")));
    Row(rows, QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "Potenza della sola pompa per il picco"),
        With(b.PumpOnlyPower, 2, "kW"));
    // A circuit whose installed pump needs more than a pump alone for the
    // peak does not save a negative power: it says how much more it needs.
    const double saved = b.PumpOnlyPower - b.InstalledPower;
    if (RoundHalfEven(saved, 2) >= 0) {
        Row(rows,
            QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "Potenza risparmiata dall'accumulatore"),
            With(saved, 2, "kW"));
    } else {
        Row(rows,
            QT_TRANSLATE_NOOP("volvenza::EnergyBalance",
                              "Potenza in più richiesta con l'accumulatore"),
            With(-saved, 2, "kW"));
    }
    if (b.SteadyKind == S::None) {
        Row(rows,
            QT_TRANSLATE_NOOP("volvenza::EnergyBalance",
                              "Escursione di pressione per ciclo a tc (del primo)"),
            With(b.Swing, 2, "bar"));
    } else {
        Row(rows,
            QT_TRANSLATE_NOOP(
                "volvenza::EnergyBalance",
                "Escursione di pressione per ciclo a tc (la più ampia dopo il primo)"),
            With(b.Swing, 2, "bar"));
    }
    Row(rows, QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "Cicli all'ora"),
        UiNumber(b.CyclesPerHour, 1));
    Row(rows, QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "Cicli all'anno"),
        Tr(QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "%1 in %2 h"))
            .arg(UiNumber(b.CyclesPerYear, 0), UiNumber(in.HoursPerYear, 1)));
}

}  // namespace

Result<QList<EnergyRow>> EnergyBalanceRows(const CircuitState& state, const EnergyInputs& in) {
    // The sizing form's limits, which volvenza-sim's options take too.
    if (Status figures = sizing::CheckEnergyFigures(in); !figures) return figures.Error();
    if (state.LastPoint <= 0 || state.PSeries.empty()) return QList<EnergyRow>();
    const auto balance = BalanceOfRun(state, in);
    if (!balance) return balance.Error();
    const EnergyBalance& b = *balance;
    QList<EnergyRow> rows;
    Row(rows, QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "Calcolati con"),
        (state.Gas.Law == GasLawKind::Classic
             ? Tr(QT_TRANSLATE_NOOP("volvenza::EnergyBalance",
                                    "%1, a tc = %2 °C, al posto della legge classica dei "
                                    "risultati, che non dà energie"))
             : Tr(QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "%1, a tc = %2 °C")))
            .arg(LawWords(b.Gas), UiNumber(b.WorkTemp, 2)));
    AppendCycleRows(rows, b.First,
                    Tr(QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "Primo ciclo, da pieno")));
    AppendSteadyRows(rows, b);
    AppendPowerRows(rows, b, in);
    return rows;
}

}  // namespace volvenza
