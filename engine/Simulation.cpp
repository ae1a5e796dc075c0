#include "engine/Simulation.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <variant>

#include "engine/CycleRun.h"
#include "engine/ExactRun.h"
#include "engine/GasLaws.h"
#include "engine/SeparatorLimits.h"
#include "engine/StepCycle.h"

namespace volvenza {
namespace {

bool AllZero(const CircuitData& d) {
    return d.V0 == 0 && d.P0 == 0 && d.Tc == 0 && d.Qp == 0 && d.Pm == 0 && d.Dp == 0 &&
           d.CycleTime == 0;
}

// The first initial value with no physical meaning, which would only give
// NaN results: a negative volume, pressure or flow (NaN counts too), or a
// working temperature at or below absolute zero, -273,15 °C.
Status CheckPhysicallyPossible(const CircuitData& d) {
    for (const auto& [name, field] : kInitialValueNames) {
        if (field == &CircuitData::Tc) continue;  // a temperature, checked below
        if (!(d.*field >= 0)) {
            return Message(MessageId::InitialValueNegative,
                           {MsgVerbatim(name), MsgNumber(d.*field)});
        }
    }
    if (!(d.Tc > -273.15f)) return Message(MessageId::WorkTempAbsoluteZero, {MsgNumber(d.Tc)});
    return Done{};
}

// A limit of the envelope at or below absolute zero: no law holds a gas there.
Status CheckEnvelopeAboveAbsoluteZero(const GasSettings& gas) {
    if (gas.MinTemp && !(*gas.MinTemp > -273.15)) {
        return Message(MessageId::EnvelopeMinAbsoluteZero, {MsgNumber(*gas.MinTemp)});
    }
    if (gas.MaxTemp && !(*gas.MaxTemp > -273.15)) {
        return Message(MessageId::EnvelopeMaxAbsoluteZero, {MsgNumber(*gas.MaxTemp)});
    }
    return Done{};
}

// A movement's time or flow that no cycle can hold: negative, or a time that
// is no finite number (a flow that is none has its own message).
Status CheckMovementInRange(int i, const Movement& m) {
    const std::pair<const char*, double> values[] = {{"Ti", m.Ti}, {"Tf", m.Tf}, {"Qm", m.Qm}};
    for (const auto& [name, value] : values) {
        const MessageId problem =
            std::isfinite(value) ? MessageId::MovementNegative : MessageId::MovementNotFinite;
        if (!std::isfinite(value) || value < 0) {
            return Message(problem, {MsgInteger(i), MsgVerbatim(name), MsgNumber(value)});
        }
    }
    return Done{};
}

// The first of movements 1..count whose flow is not a number: looked at
// before any time is.
Status CheckFlowsAreNumbers(const CircuitState& state, int count) {
    for (int i = 1; i <= count; ++i) {
        if (!std::isfinite(state.Movements.at(i).Qm)) {
            return Message(MessageId::FlowNotNumber, {MsgInteger(i)});
        }
    }
    return Done{};
}

// An end not after the start; both times at 0 are a question instead.
Status CheckEndAfterStart(int i, const Movement& m) {
    if (m.Tf > m.Ti || (m.Tf == 0 && m.Ti == 0)) return Done{};
    return Message(MessageId::MovementEndNotAfterStart, {MsgInteger(i)});
}

RunReport Refusal(Message message, MessageIcon icon = MessageIcon::Information) {
    return RunReport{RunOutcome::Refused, {Notice{std::move(message), icon}}, std::nullopt};
}

}  // namespace

Status CheckMovements(const CircuitState& state, int count) {
    if (Status flows = CheckFlowsAreNumbers(state, count); !flows) return flows;
    for (int i = 1; i <= count; ++i) {
        const Movement& m = state.Movements.at(i);
        if (Status range = CheckMovementInRange(i, m); !range) return range;
        if (Status order = CheckEndAfterStart(i, m); !order) return order;
    }
    return Done{};
}

RunReport ValidateSimulationData(const CircuitState& state, const RunAnswers& answers) {
    const CircuitData& d = state.Data;
    if (AllZero(d)) return Refusal(MessageId::AllInitialZero);
    if (d.CycleTime == 0) return Refusal(MessageId::CycleTimeZero);
    // Negative (or not a number at all), or more steps than LastPoint holds.
    const double steps = StepCount(d.CycleTime, state.TimeStep);
    if (!(steps >= 0 && steps <= kMaxSteps)) return Refusal(MessageId::CycleTimeRange);
    if (Status possible = CheckPhysicallyPossible(d); !possible) return Refusal(possible.Error());
    if (Status envelope = CheckEnvelopeAboveAbsoluteZero(state.Gas); !envelope) {
        return Refusal(envelope.Error());
    }
    // The checks of CheckMovements, each movement's with its question.
    if (Status flows = CheckFlowsAreNumbers(state, state.MovementCount); !flows) {
        return Refusal(flows.Error(), MessageIcon::Exclamation);
    }
    if (state.MovementCount == 0) return Refusal(MessageId::NoMovements);
    for (int i = 1; i <= state.MovementCount; ++i) {
        const Movement& m = state.Movements.at(i);
        if (Status range = CheckMovementInRange(i, m); !range) {
            return Refusal(range.Error(), MessageIcon::Exclamation);
        }
        if (m.Tf == 0 && m.Ti == 0) {
            // Asked of the person movement by movement, in order: the
            // answers so far let the check go on or stop it here.
            const auto answer = answers.zeroTimes.find(i);
            if (answer == answers.zeroTimes.end()) {
                return RunReport{
                    RunOutcome::Asking,
                    {},
                    RunQuestion{Message(MessageId::MovementTimesZero, {MsgInteger(i)}), i}};
            }
            if (!answer->second) return Refusal(MessageId::RunStopped, MessageIcon::None);
        } else if (Status order = CheckEndAfterStart(i, m); !order) {
            return Refusal(order.Error(), MessageIcon::Exclamation);
        }
    }
    // A law that cannot hold these data is refused before anything changes.
    if (auto held = CheckGasSettings(state.Data, state.Gas); !held) {
        return Refusal(Message(MessageId::CannotStart, {MsgNested(held.Error())}));
    }
    return RunReport{RunOutcome::Completed, {}, std::nullopt};
}

namespace {

// The classic stepping, as the original program ran it, with the runs at
// the envelope's limits beside it; the main run's ending.
CycleEnding RunClassic(CircuitState& state, const RunProgress& progress) {
    // Accumulators in parallel and bottles run as one gas volume.
    const CircuitData d = RunData(state.Data, state.Gas.Vessels);
    gas::ClassicLaw law = MakeClassicLaw(d, d.Tc);
    const CycleFlows flows = ComputeCycleFlows(state, progress);
    const int n = flows.Steps;
    ReallocateResults(state, n + 100);
    std::copy(flows.Qt.begin(), flows.Qt.end(), state.QtSeries.begin());
    GasResults& extra = state.GasRun;
    extra.Law = state.Gas.Law;
    const SeriesOut out{state.QtSeries.data(), state.QsSeries.data(), state.PSeries.data(),
                        state.VSeries.data(),  state.DVSeries.data(), nullptr};
    state.PrechargeAtTemp = law.PrechargeAtTemp();
    const CycleEnding ending = StepCycle(d, flows, law, out, state.PointCapacity);
    // The runs at the envelope's limits, with the same flows and charge.
    // A limit left at tc is run all the same, so that the coldest and the
    // warmest run are always first and last.
    CycleWorkspace work;
    const std::vector<double> limits = RunTemperatures(state.Gas, d.Tc);
    extra.MainRun = limits.size() == 3 ? 1 : 0;
    for (size_t i = 0; i < limits.size(); ++i) {
        if (static_cast<int>(i) == extra.MainRun) {
            extra.Runs.push_back(SummariseRun(limits[i], ending, out.p, out.t, state.TimeStep));
        } else {
            extra.Runs.push_back(RunClassicAt(d, flows, limits[i], work, true));
        }
    }
    state.LastPoint = ending.lastPoint;
    return ending;
}

// The exact engine's run at tc into the series, and its runs at the
// envelope's limits; the main run's ending.
Result<RunEnd> RunExact(CircuitState& state) {
    using R = Result<RunEnd>;
    auto main = RunExactIntoState(state);
    if (!main) return R::Fail(main.Error());
    GasResults& extra = state.GasRun;
    extra.Law = state.Gas.Law;
    const ExactInputs in = MakeExactInputs(state, state.Gas.Vessels);
    const std::vector<double> limits = ExactTemperatures(state.Gas, state.Data.Tc);
    extra.MainRun = limits.size() == 3 ? 1 : 0;
    for (size_t i = 0; i < limits.size(); ++i) {
        if (static_cast<int>(i) == extra.MainRun) {
            extra.Runs.push_back(*main);
            continue;
        }
        auto run = RunExactAt(in, state.Gas, limits[i], nullptr, true);
        if (!run) return R::Fail(run.Error());
        extra.Runs.push_back(std::move(*run));
    }
    state.LastPoint = main->LastPoint;
    if (main->Outside != gas::GasDomain::Gas) return RunEnd::OutsideGas;
    return main->Warning ? RunEnd::PrechargeTooHigh : RunEnd::Normal;
}

}  // namespace

RunReport RunSimulation(CircuitState& state, const RunAnswers& answers,
                        const RunProgress& progress) {
    // The run takes the movement list as it stands.
    state.SimMovementCount = state.MovementCount;
    RunReport report = ValidateSimulationData(state, answers);
    if (report.outcome != RunOutcome::Completed) return report;

    if (progress) progress(0);
    RunEnd end = RunEnd::Normal;
    const bool classic = state.Gas.Law == GasLawKind::Classic;
    if (classic) {
        end = RunClassic(state, progress).end;
    } else {
        auto exact = RunExact(state);
        // The settings were checked above: only a state the law cannot
        // solve for comes here.
        if (!exact) return Refusal(Message(MessageId::CannotStart, {MsgNested(exact.Error())}));
        end = *exact;
        if (progress) progress(100);
    }
    const GasResults& extra = state.GasRun;

    // Gas colder than the separating element stands is a remark, not an end;
    // a gas out of its law's domain is named by its own message instead.
    const double coldest =
        std::min_element(extra.Runs.begin(), extra.Runs.end(), [](const auto& a, const auto& b) {
            return a.LowestGasTemp < b.LowestGasTemp;
        })->LowestGasTemp;
    const double allowed = kSeparatorMinimumGasTemperature;
    if (!classic && end != RunEnd::OutsideGas && coldest < allowed) {
        report.notices.push_back(
            {Message(MessageId::GasTooCold, {MsgNumber(coldest), MsgNumber(allowed)}),
             MessageIcon::Information});
    }
    if (end == RunEnd::OutsideGas) {
        report.notices.push_back(
            {OutsideGasMessage(extra.Runs[extra.MainRun]), MessageIcon::Critical});
        report.outcome = RunOutcome::OutsideGas;
    } else if (end == RunEnd::PrechargeTooHigh) {
        report.notices.push_back({MessageId::PrechargeTooHigh, MessageIcon::Critical});
        report.outcome = RunOutcome::PrechargeTooHigh;
    }
    return report;
}

}  // namespace volvenza
