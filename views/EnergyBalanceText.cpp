#include "views/EnergyBalanceText.h"

#include <cmath>

#include <QCoreApplication>

#include "platform/UiNumber.h"

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

QString EnergyBalanceTitle() {
    return Tr(QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "Bilancio energetico e fatica a tc"));
}

std::optional<Message> EnergyInputsFault(const EnergyInputs& in) {
    // The same limits as the sizing's check and volvenza-sim's options.
    if (!(in.PumpEfficiency > 0 && in.PumpEfficiency <= 1)) {
        return Message(MessageId::PumpEfficiency);
    }
    if (!(in.HoursPerYear > 0 && in.HoursPerYear <= 8760)) return Message(MessageId::HoursPerYear);
    return std::nullopt;
}

QList<EnergyRow> EnergyBalanceRows(const CircuitState& state, const EnergyInputs& in) {
    if (state.LastPoint <= 0 || state.PSeries.empty() || EnergyInputsFault(in)) return {};
    const EnergyBalance b = BalanceOfRun(state, in);
    QList<EnergyRow> rows;
    auto row = [&rows](const char* label, const QString& value) {
        rows.append({Tr(label), value});
    };
    row(QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "Energia ceduta dall'accumulatore nel ciclo"),
        With(b.Delivered, 3, "kJ"));
    row(QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "Energia ripresa dall'accumulatore nel ciclo"),
        With(b.Returned, 3, "kJ"));
    if (b.HeatToWall) {
        const QString heat = With(std::abs(*b.HeatToWall), 3, "kJ");
        row(QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "Calore tra gas e parete"),
            (*b.HeatToWall >= 0
                 ? Tr(QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "il gas cede alla parete %1"))
                 : Tr(QT_TRANSLATE_NOOP("volvenza::EnergyBalance",
                                        "il gas riceve dalla parete %1")))
                .arg(heat));
    }
    row(QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "Energia fornita dalla pompa in carico"),
        With(b.PumpEnergy, 3, "kJ"));
    row(QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "Rendimento della pompa"),
        UiNumber(in.PumpEfficiency, 3));
    row(QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "Potenza installata (Qp a Pm)"),
        With(b.InstalledPower, 2, "kW"));
    row(QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "Portata di picco del ciclo"),
        With(b.PeakDemand, 2, "dm3/min"));
    row(QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "Pressione per la sola pompa"),
        (in.NeedPressure
             ? Tr(QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "%1 (p1 del dimensionamento)"))
             : Tr(QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "%1 (Pm - Dp)")))
            .arg(With(b.NeedPressure, 2, "bar")));
    row(QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "Potenza della sola pompa per il picco"),
        With(b.PumpOnlyPower, 2, "kW"));
    row(QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "Differenza"),
        With(b.PumpOnlyPower - b.InstalledPower, 2, "kW"));
    row(QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "Escursione di pressione per ciclo"),
        With(b.Swing, 2, "bar"));
    row(QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "Cicli all'ora"),
        UiNumber(b.CyclesPerHour, 1));
    row(QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "Cicli all'anno"),
        Tr(QT_TRANSLATE_NOOP("volvenza::EnergyBalance", "%1 in %2 h"))
            .arg(UiNumber(b.CyclesPerYear, 0), UiNumber(in.HoursPerYear, 0)));
    return rows;
}

}  // namespace volvenza
