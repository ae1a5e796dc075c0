#include "engine/Simulation.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <string>

namespace volvenza {
namespace {

// Narrows to single precision the way the hardware does, with values beyond
// the float range becoming infinities (a plain cast would be undefined there).
float ToSingle(double x) {
    constexpr double kOverflow = 0x1.ffffffp127;  // FLT_MAX plus half an ulp
    if (x >= kOverflow) return std::numeric_limits<float>::infinity();
    if (x <= -kOverflow) return -std::numeric_limits<float>::infinity();
    return static_cast<float>(x);
}

bool AllZero(const CircuitData& d) {
    return d.V0 == 0 && d.P0 == 0 && d.Tc == 0 && d.Qp == 0 && d.Pm == 0 && d.Dp == 0 &&
           d.CycleTime == 0;
}

// A negative volume, pressure or flow, or a temperature at or below absolute
// zero, has no physical meaning and would only give NaN results. Written so
// that NaN counts as out of range too.
bool PhysicallyImpossible(const CircuitData& d) {
    for (float v : {d.V0, d.P0, d.Qp, d.Pm, d.Dp}) {
        if (!(v >= 0)) return true;
    }
    return !(d.Tc > -273.16f);
}

// The initial-data boxes' labels as the window shows them, in CircuitData order.
constexpr std::array<const char*, 7> kBoxLabels = {"Vo", "Po", "tc",         "Qp",
                                                   "PM", "DP", "Tempo ciclo"};

// The first initial-data box whose text is not a number, or -1. The window
// leaves the field of such a box untouched, so the boxes are read over
// values that no box can produce: a field still NaN afterwards did not convert.
int FirstUnreadableBox(EngineUi& ui) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    CircuitData probe{nan, nan, nan, nan, nan, nan, nan};
    if (!ui.ReadInitialDataBoxes(probe)) return -1;
    int box = 0;
    for (float field :
         {probe.V0, probe.P0, probe.Tc, probe.Qp, probe.Pm, probe.Dp, probe.CycleTime}) {
        if (std::isnan(field)) return box;
        ++box;
    }
    return -1;
}

void Inform(CircuitState& state, const std::string& text) {
    state.Ui().ShowMessage(text, MessageIcon::Information, MessageButtons::Ok);
}

}  // namespace

bool ValidateSimulationData(CircuitState& state) {
    const CircuitData& d = state.Data;
    EngineUi& ui = state.Ui();
    // A box that holds no number kept its old value in the run's data; the
    // user must see that rather than run with a value the box does not show.
    const int unreadable = FirstUnreadableBox(ui);
    if (unreadable >= 0) {
        Inform(state, "Il valore di " + std::string(kBoxLabels.at(unreadable)) +
                          " non è un numero valido, la simulazione non può partire");
        ui.FocusInitialDataBox(unreadable);
        return false;
    }
    if (AllZero(d)) {
        Inform(state, kMsgAllZero);
        return false;
    }
    if (d.CycleTime == 0) {
        Inform(state, kMsgCycleZero);
        return false;
    }
    if (!(d.CycleTime > 0) || StepCount(d.CycleTime, state.TimeStep) > kMaxSteps) {
        Inform(state, kMsgCycleRange);
        return false;
    }
    if (PhysicallyImpossible(d)) {
        Inform(state, kMsgNegativeValues);
        return false;
    }
    for (int i = 1; i <= state.MovementCount; ++i) {
        if (!std::isfinite(state.Movements.at(i).Qm)) {
            ui.ShowMessage("La portata del movimento " + std::to_string(i) +
                               " non è un numero valido. La simulazione verrà interrotta, "
                               "correggere il dato e riavviarla.",
                           MessageIcon::Exclamation, MessageButtons::Ok);
            return false;
        }
    }
    if (state.MovementCount == 0) {
        Inform(state, kMsgNoMovements);
        return false;
    }
    for (int i = 1; i <= state.MovementCount; ++i) {
        const Movement& m = state.Movements.at(i);
        const std::string n = std::to_string(i);
        if (m.Tf == 0 && m.Ti == 0) {
            MessageAnswer a = ui.ShowMessage("Il tempo iniziale e finale del movimento " + n +
                                                 " sono stati lasciati a 0. Si vuole procedere "
                                                 "comunque?",
                                             MessageIcon::Exclamation, MessageButtons::YesNo);
            if (a != MessageAnswer::Yes) {
                ui.ShowMessage(kMsgStopped, MessageIcon::None, MessageButtons::Ok);
                return false;
            }
        } else if (m.Tf <= m.Ti) {
            ui.ShowMessage("Il tempo finale del movimento " + n +
                               " è uguale o minore del tempo iniziale. La simulazione verà "
                               "interrotta, correggere il dato e riavviarla.",
                           MessageIcon::Exclamation, MessageButtons::Ok);
            return false;
        }
    }
    return true;
}

RunOutcome RunSimulation(CircuitState& state) {
    CollectInitialData(state);
    if (!ValidateSimulationData(state)) return RunOutcome::Refused;

    EngineUi& ui = state.Ui();
    ui.ShowProgress();
    ui.SetProgress(0);

    const CircuitData& d = state.Data;
    const float timeStep = state.TimeStep;
    const int n = static_cast<int>(StepCount(d.CycleTime, timeStep));
    ReallocateResults(state, n + 100);
    double* qt = state.QtSeries.data();
    double* qs = state.QsSeries.data();
    double* p = state.PSeries.data();
    double* v = state.VSeries.data();
    double* dv = state.DVSeries.data();

    state.PrechargeAtTemp = (static_cast<double>(d.Tc) + 273.16) * d.P0 / 293.16;
    const double precharge = state.PrechargeAtTemp;
    const double K = std::pow(static_cast<double>(d.V0), 1.4) * precharge;
    const double vFull = std::pow(K / (static_cast<double>(d.Pm) + 1e-21), 1 / 1.4);

    // The latest end time of all movements.
    double tmax = 0;
    const Movement* moves = state.Movements.data();
    const int count = state.SimMovementCount;
    for (int i = 1; i <= count; ++i) {
        if (ToSingle(tmax) < moves[i].Tf) tmax = moves[i].Tf;
    }

    // Flow pass: every movement adds its flow from its start and takes it away
    // again from its end, in list order, so the sums come out the same at
    // every step whatever the list holds.
    for (int j = 0; j <= n; ++j) {
        ui.SetProgress(n == 0 ? 100.0 * j : 100.0 * j / n);
        const float tj = static_cast<float>(j) * timeStep;
        double sum = 0;
        for (int i = 1; i <= count; ++i) {
            if (moves[i].Ti <= tj) sum += moves[i].Qm;
            if (moves[i].Tf <= tj) sum -= moves[i].Qm;
        }
        qt[j] = sum;
    }

    // Where the demand is zero from here to the end of the cycle: the last
    // step with a flow, found once instead of rescanning at every full step.
    int lastDemand = -1;
    for (int k = n; k >= 0; --k) {
        if (qt[k] != 0) {
            lastDemand = k;
            break;
        }
    }

    p[0] = d.Pm;
    qs[0] = qt[0];
    v[0] = vFull;

    const float lowThreshold = d.Pm - d.Dp;
    bool pumping = false;
    bool saved = false;
    int savedStep = 0;
    double savedV = 0, savedQt = 0, savedQs = 0;
    auto finishNormally = [&]() {
        state.LastPoint = static_cast<int16_t>(n);
        if (saved) {
            for (int m = savedStep + 1; m <= n; ++m) {
                v[m] = savedV;
                qt[m] = savedQt;
                qs[m] = savedQs;
                p[m] = d.Pm;
            }
            // The views show 2.5 % past the final recharge, but never past the
            // series nor past what the 16-bit LastPoint can hold.
            const int last = savedStep + static_cast<int>(std::floor(savedStep * 0.025));
            state.LastPoint =
                static_cast<int16_t>(std::min({last, state.PointCapacity, kMaxSteps}));
        }
        ui.UpdateCommandState(3);
        ui.CloseProgress();
        return RunOutcome::Completed;
    };

    for (int j = 1; j <= n; ++j) {
        const float tj = static_cast<float>(j) * timeStep;
        // Pump switch: it stays unloaded until the pressure falls to Pm - Dp.
        if (!pumping && ToSingle(p[j - 1]) > lowThreshold) {
            qs[j] = qt[j];
        } else {
            pumping = true;
            qs[j] = qt[j] - d.Qp;
        }
        dv[j] = static_cast<double>(timeStep) * qs[j - 1] / 60;
        if (dv[j] == 0) dv[j] = 0.00001;
        v[j] = v[j - 1] + dv[j];

        // A gas volume pushed to zero or below counts as a full accumulator.
        bool full = v[j] <= 0;
        if (!full) {
            p[j] = K / std::pow(v[j], 1.4);
            if (ToSingle(p[j]) <= lowThreshold) qs[j] = qt[j] - d.Qp;
            full = ToSingle(p[j]) >= d.Pm;
        }
        if (full) {
            p[j] = d.Pm;
            v[j] = vFull;
            qs[j] = qt[j];
            if (static_cast<double>(tj) > tmax) {
                saved = true;
                savedStep = j;
                savedV = v[j];
                savedQt = qt[j];
                savedQs = qs[j];
            }
        }
        if (p[j] <= precharge) {
            ui.CloseProgress();
            ui.ShowMessage(kMsgPrechargeTooHigh, MessageIcon::Critical, MessageButtons::Ok);
            state.LastPoint = static_cast<int16_t>(j);
            ui.UpdateCommandState(3);
            return RunOutcome::PrechargeTooHigh;
        }
        if (ToSingle(p[j]) == d.Pm) {
            if (lastDemand <= j) return finishNormally();
            pumping = false;
        }
    }
    return finishNormally();
}

}  // namespace volvenza
