#include "engine/Duties.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "engine/ExactRun.h"
#include "engine/GasPath.h"
#include "gas/Nitrogen.h"

namespace volvenza {
namespace {

constexpr double kPi = 3.14159265358979323846;

// The area the oil pushes on [mm2], or the displacement [cm3] a revolution.
std::optional<double> Effective(const Movement& m) {
    const double D = Typed(m.BoreDiameter), d = Typed(m.RodDiameter);
    double a = 0;
    switch (m.Kind) {
        case MovementKind::CylinderExtending:
            a = kPi / 4 * D * D;
            break;
        case MovementKind::CylinderRetracting:
        case MovementKind::DifferentialPiston:
        case MovementKind::DoubleRodCylinder:
            a = kPi / 4 * (D * D - d * d);
            break;
        case MovementKind::SingleActingCylinder:
            a = kPi / 4 * d * d;
            break;
        case MovementKind::Motor:
            a = Typed(m.Displacement);
            break;
        case MovementKind::VaneActuator:
            a = 360 * Typed(m.UnitDisplacement);  // a full turn of degrees
            break;
        default:
            return std::nullopt;
    }
    if (!(a > 0)) return std::nullopt;
    return a;
}

}  // namespace

LoadKind LoadKindOf(int16_t kind) {
    switch (kind) {
        case MovementKind::CylinderExtending:
        case MovementKind::CylinderRetracting:
        case MovementKind::DifferentialPiston:
        case MovementKind::DoubleRodCylinder:
        case MovementKind::SingleActingCylinder:
            return LoadKind::Force;
        case MovementKind::Motor:
        case MovementKind::VaneActuator:
            return LoadKind::Torque;
        default:
            return LoadKind::None;
    }
}

std::optional<double> LoadPressure(const Movement& m) {
    const MovementDuty& duty = m.Duty;
    if (duty.Required) return *duty.Required;
    if (!(duty.Load > 0)) return std::nullopt;
    const auto a = Effective(m);
    if (!a) return std::nullopt;
    // kN on mm2: 1 kN/mm2 is 1e4 bar; N m on cm3 a revolution: 2 pi M / Vg,
    // 1 N m/cm3 is 10 bar.
    const double p =
        LoadKindOf(m.Kind) == LoadKind::Force ? duty.Load * 1e4 / *a : 20 * kPi * duty.Load / *a;
    return p / duty.Efficiency + duty.Loss;
}

GaugeBar RequiredPressure(const Movement& m, GaugeBar p1) {
    return GaugeBar(LoadPressure(m).value_or(p1.value()));
}

DutyFault CheckDuty(const Movement& m) {
    const MovementDuty& d = m.Duty;
    if (!(d.Load >= 0) || std::isinf(d.Load)) return DutyFault::Load;
    if (!(d.Efficiency > 0 && d.Efficiency <= 1)) return DutyFault::Efficiency;
    if (!(d.Loss >= 0) || std::isinf(d.Loss)) return DutyFault::Loss;
    if (d.Required && (!(*d.Required > 0) || std::isinf(*d.Required))) return DutyFault::Required;
    if (!d.Required && d.Load > 0 && !Effective(m)) return DutyFault::NoSizes;
    return DutyFault::None;
}

std::vector<MovementNeed> MovementNeeds(const MovementTable& movements, int count, GaugeBar p1,
                                        double cycleTime) {
    std::vector<MovementNeed> needs;
    const double end = std::max(cycleTime, 0.0);
    for (int i = 1; i <= count; ++i) {
        const Movement& m = movements[static_cast<size_t>(i)];
        const double from = std::clamp(Typed(m.Ti), 0.0, end);
        const double to = std::clamp(Typed(m.Tf), 0.0, end);
        if (m.Kind == MovementKind::Empty || !(to > from)) continue;
        // Without a load a movement needs p1; where none is set (a run is
        // given none) it needs nothing to be judged on.
        if (!LoadPressure(m) && !(p1.value() > 0)) continue;
        needs.push_back({i, RequiredPressure(m, p1), from, to});
    }
    return needs;
}

std::vector<MovementPressure> JudgeNeeds(const std::vector<MovementNeed>& needs,
                                         const DemandProfile& demand, const StretchLows& lows,
                                         double workTemp) {
    std::vector<MovementPressure> out;
    const GaugeBar unreached(std::numeric_limits<double>::infinity());
    for (const MovementNeed& n : needs) {
        MovementPressure p{n.Movement, n.Required, unreached, 0, workTemp, true};
        // The stretches from its start to its end, found in the sorted instants.
        const auto from = std::lower_bound(demand.Times.begin(), demand.Times.end(), n.From);
        for (auto k = static_cast<size_t>(from - demand.Times.begin());
             k < demand.Flows.size() && demand.Times[k + 1] <= n.To; ++k) {
            if (std::isinf(lows.lowest[k])) {
                p.Completed = false;  // the run stopped before
            } else if (GaugeBar(lows.lowest[k]) < p.Lowest) {
                p.Lowest = GaugeBar(lows.lowest[k]);
                p.Time = lows.time[k];
            }
        }
        if (lows.stoppedAt && n.To > *lows.stoppedAt) p.Completed = false;
        // Where the run stopped (the oil ran out) the pressure is lost: a
        // movement not completed has none left.
        if (!p.Completed || std::isinf(p.Lowest.value())) p.Lowest = GaugeBar(0);
        out.push_back(p);
    }
    return out;
}

void KeepWorst(std::vector<MovementPressure>& worst, const std::vector<MovementPressure>& more) {
    if (worst.empty()) {
        worst = more;
        return;
    }
    for (size_t i = 0; i < worst.size() && i < more.size(); ++i) {
        const MovementPressure& m = more[i];
        if (m.Passes() < worst[i].Passes() ||
            (m.Passes() == worst[i].Passes() && m.Margin() < worst[i].Margin())) {
            worst[i] = m;
        }
    }
}

bool HasLoads(const MovementTable& movements, int count) {
    for (int i = 1; i <= count; ++i) {
        if (LoadPressure(movements[static_cast<size_t>(i)])) return true;
    }
    return false;
}

std::vector<int> EmergencyMovements(const MovementTable& movements, int count) {
    std::vector<int> marked;
    for (int i = 1; i <= count; ++i) {
        if (movements[static_cast<size_t>(i)].Duty.Emergency) marked.push_back(i);
    }
    return marked;
}

Result<std::vector<MovementPressure>> JudgeRunMovements(const CircuitState& state, GaugeBar p1) {
    using R = Result<std::vector<MovementPressure>>;
    std::vector<MovementPressure> worst;
    if (state.Gas.Law == GasLawKind::Classic) return worst;
    const int count = state.SimMovementCount;
    const ExactData data = TypedData(state.Data, state.Gas.Vessels);
    const DemandProfile demand = MakeDemand(state.Movements, count, state.Data.CycleTime, true);
    const auto needs = MovementNeeds(state.Movements, count, p1, demand.CycleTime);
    for (double temp : ExactTemperatures(state.Gas, state.Data.Tc)) {
        auto path = MakeGasPath(data, state.Gas, temp);
        if (!path) return R::Fail(path.Error());
        StretchLows lows(demand);
        RunExactCycle(data, demand, **path, FullStart(**path),
                      {nullptr, std::nullopt, std::nullopt, nullptr, &lows});
        KeepWorst(worst, JudgeNeeds(needs, demand, lows, temp));
    }
    return worst;
}

EmergencyStroke MakeEmergencyStroke(const MovementTable& movements, int count, GaugeBar p1) {
    EmergencyStroke stroke;
    // The marked movements in their order and durations, from the first start.
    double first = std::numeric_limits<double>::infinity(), last = 0;
    for (int i : EmergencyMovements(movements, count)) {
        first = std::min(first, Typed(movements[static_cast<size_t>(i)].Ti));
    }
    std::vector<DemandSpan> spans;
    for (int i : EmergencyMovements(movements, count)) {
        const Movement& m = movements[static_cast<size_t>(i)];
        spans.push_back({Typed(m.Ti) - first, Typed(m.Tf) - first, m.Qm, i});
        last = std::max(last, Typed(m.Tf) - first);
        stroke.needs.push_back({i, RequiredPressure(m, p1), spans.back().from, spans.back().to});
    }
    stroke.demand = DemandOf(spans, last, true);
    return stroke;
}

Result<EmergencyOutcome> JudgeEmergency(const CircuitState& state, const GasSettings& gas,
                                        GaugeBar p1, bool fromFull) {
    const EmergencyStroke stroke = MakeEmergencyStroke(state.Movements, state.SimMovementCount, p1);
    return JudgeEmergency(TypedData(state.Data, gas.Vessels), stroke, gas,
                          ExactTemperatures(gas, state.Data.Tc).front(), fromFull);
}

Result<EmergencyOutcome> JudgeEmergency(const ExactData& typed, const EmergencyStroke& stroke,
                                        const GasSettings& gas, double coldest, bool fromFull) {
    using R = Result<EmergencyOutcome>;
    EmergencyOutcome out;
    for (const MovementNeed& n : stroke.needs) out.Movements.push_back(n.Movement);
    out.Passes = true;
    if (out.Movements.empty()) return out;
    ExactData data = typed;
    data.Pm = fromFull ? data.Pm : data.Pm - data.Dp;
    data.Dp = BarDifference(0);
    data.Qp = Dm3PerMin(0);
    out.StartPressure = data.Pm;
    data.CycleTime = stroke.demand.CycleTime;
    GasSettings g = gas;
    g.Start = gas::ChargeStart::Slow;
    out.WorkTemp = coldest;
    auto path = MakeGasPath(data, g, coldest);
    if (!path) return R::Fail(path.Error());
    out.Lowest = out.StartPressure;
    // A start at or below the precharge leaves no oil to give.
    const bool oil = (*path)->Full().volume < (*path)->EmptyVolume();
    StretchLows lows(stroke.demand);
    CycleSummary c;
    if (oil) {
        c = RunExactCycle(data, stroke.demand, **path, FullStart(**path),
                          {nullptr, std::nullopt, std::nullopt, nullptr, &lows});
        out.Lowest = GaugeBar(c.lowest);
        out.OilLeft = Dm3(std::max((*path)->EmptyVolume() - c.final.gas.volume, 0.0));
    }
    out.Each = JudgeNeeds(stroke.needs, stroke.demand, lows, coldest);
    double outFrom = std::numeric_limits<double>::infinity();
    for (size_t i = 0; i < out.Each.size(); ++i) {
        MovementPressure& p = out.Each[i];
        if (!oil) {
            p.Completed = false;
            p.Lowest = GaugeBar(0);
        }
        // The oil ran out during the earliest movement left unfinished.
        if (!p.Completed && stroke.needs[i].From < outFrom) {
            outFrom = stroke.needs[i].From;
            out.OilOutAt = p.Movement;
            out.OilOutRequired = p.Required;
        }
        if (out.Tightest == 0 || p.Margin() < out.Margin) {
            out.Margin = p.Margin();
            out.Tightest = p.Movement;
        }
        out.Passes = out.Passes && p.Passes();
    }
    out.Passes = out.Passes && oil && c.end == CycleEnd::Normal;
    // The pressure is lost where the oil runs out, as each movement has it.
    if (out.OilOutAt > 0) out.Lowest = GaugeBar(0);
    return out;
}

Status CheckHold(const HoldDuty& hold, const CircuitData& data, GasLawKind law) {
    const double start = hold.FromPm ? Typed(data.Pm) : Typed(data.Pm) - Typed(data.Dp);
    if (hold.Pressure.value() > start) {
        return Message(MessageId::HoldAboveStart,
                       {MsgRounded(hold.Pressure.value(), 2),
                        MsgVerbatim(hold.FromPm ? "Pm" : "Pm - Dp"), MsgRounded(start, 2)});
    }
    const double kelvin = Typed(data.Tc) + gas::kKelvin;
    const double lowest = law == GasLawKind::Ideal ? 0 : gas::nitrogen::kTripleTemperature;
    if (!(kelvin - hold.Cooling > lowest)) {
        return Message(
            MessageId::HoldCoolingRange,
            {MsgNumber(hold.Cooling), MsgNumber(kelvin), MsgNumber(kelvin - hold.Cooling),
             MsgNumber(lowest), MsgNumber(kelvin - lowest)});
    }
    return Done{};
}

Result<HoldOutcome> JudgeHold(const CircuitState& state, const GasSettings& gas,
                              const HoldDuty& hold) {
    return JudgeHold(TypedData(state.Data, gas.Vessels), gas, Typed(state.Data.Tc), hold);
}

Result<HoldOutcome> JudgeHold(const ExactData& typed, const GasSettings& gas, double tc,
                              const HoldDuty& hold) {
    using R = Result<HoldOutcome>;
    using gas::kKelvin;
    HoldOutcome out;
    ExactData data = typed;
    data.Pm = hold.FromPm ? data.Pm : data.Pm - data.Dp;
    out.StartPressure = data.Pm;
    GasSettings g = gas;
    g.Start = gas::ChargeStart::Slow;
    auto path = MakeGasPath(data, g, tc);
    if (!path) return R::Fail(path.Error());
    const GasPoint start = (*path)->Full();
    const double empty = (*path)->EmptyVolume();
    const double startK = start.temperature + kKelvin;
    const AbsoluteBar startAbs = ToAbsolute(GaugeBar(start.pressure));
    // The real gas keeps its mass: its density at the start, in kg/m3.
    double rho = 0;
    if (g.Law == GasLawKind::Nitrogen) {
        auto r = gas::nitrogen::DensityAt(startK, startAbs.value() * 1e5);
        if (!r) return R::Fail(r.Error());
        rho = *r;
    }
    // The oil runs out once the gas fills the accumulators.
    const double leakage = hold.Leakage.value();
    const double emptyAt = start.volume >= empty ? 0
                           : leakage > 0         ? (empty - start.volume) * 60 / leakage
                                                 : std::numeric_limits<double>::infinity();
    const auto pressure = [&](double t) {
        const double volume = std::min(start.volume + leakage * t / 60, empty);
        const double kelvin = startK - hold.Cooling * std::min(t / hold.Time, 1.0);
        if (g.Law == GasLawKind::Nitrogen) {
            return ToGauge(AbsoluteBar(
                gas::nitrogen::PropertiesAt(kelvin, rho * start.volume / volume).p / 1e5));
        }
        return ToGauge(startAbs * start.volume / volume * kelvin / startK);
    };
    const double end = std::min(hold.Time, emptyAt);
    if (emptyAt < hold.Time) out.OilOutAt = emptyAt;
    out.Lowest = pressure(end);
    // Nothing changes after the hold time but the oil leaking out.
    const double until = leakage > 0 ? emptyAt : hold.Time;
    if (!(pressure(0) >= hold.Pressure)) {
        out.TimeHeld = 0;
    } else if (pressure(until) >= hold.Pressure) {
        // Without leakage it holds for good; with it, until the oil runs out.
        out.TimeHeld = leakage > 0 ? until : std::numeric_limits<double>::infinity();
    } else {
        // The pressure falls all the time: halved to a nanosecond.
        double lo = 0, hi = until;
        for (int i = 0; i < 200 && hi - lo > 1e-9 * std::max(1.0, hi); ++i) {
            const double mid = (lo + hi) / 2;
            (pressure(mid) >= hold.Pressure ? lo : hi) = mid;
        }
        out.TimeHeld = lo;
    }
    out.Passes = out.TimeHeld >= hold.Time;
    return out;
}

}  // namespace volvenza
