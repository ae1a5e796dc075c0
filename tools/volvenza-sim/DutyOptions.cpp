#include "tools/volvenza-sim/DutyOptions.h"

#include <algorithm>
#include <cmath>
#include <sstream>

#include "numbers/FloatChars.h"
#include "numbers/NumberText.h"
#include "sizing/RequirementForm.h"

namespace volvenza {
namespace {

Message BadValue(const std::string& option, const std::string& value) {
    return Message(MessageId::CommandBadValue, {MsgVerbatim(option), MsgVerbatim(value)});
}

// The parts of a text between `separator`s.
std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::stringstream in(text);
    std::string part;
    while (std::getline(in, part, separator)) parts.push_back(part);
    if (!text.empty() && text.back() == separator) parts.emplace_back();
    return parts;
}

// A movement's number: a whole number from 1 to kMaxMovements.
std::optional<int> Number(const std::string& text) {
    const auto x = ParseNumber<double>(text);
    if (!x || *x != std::floor(*x) || !(*x >= 1 && *x <= kMaxMovements)) return std::nullopt;
    return static_cast<int>(*x);
}

Result<LoadOption> ParseLoad(const std::string& option, const std::string& text) {
    const std::vector<std::string> parts = Split(text, ':');
    const size_t most = option == "--load" ? 4 : 2;
    if (parts.size() < 2 || parts.size() > most) return BadValue(option, text);
    LoadOption o{option, text, 0, {}, {}, {}, {}};
    const auto k = Number(parts[0]);
    if (!k) {
        return Message(MessageId::CommandMovementNumber,
                       {MsgVerbatim(option), MsgVerbatim(text), MsgInteger(kMaxMovements)});
    }
    o.movement = *k;
    std::vector<double> values;
    for (size_t i = 1; i < parts.size(); ++i) {
        const auto x = ParseNumber<double>(parts[i]);
        if (!x || !std::isfinite(*x)) return BadValue(option, text);
        values.push_back(*x);
    }
    const auto say = [&](MessageId range) {
        return Message(MessageId::CommandDutyRange,
                       {MsgVerbatim(option), MsgVerbatim(text), MsgNested(range)});
    };
    if (option == "--required") {
        if (!(values[0] > 0)) {
            return say(MessageId::DutyRequiredRange);
        }
        o.required = values[0];
        return o;
    }
    if (!(values[0] >= 0)) {
        return say(MessageId::DutyLoadRange);
    }
    o.load = values[0];
    if (values.size() > 1) {
        if (!(values[1] > 0 && values[1] <= 1)) {
            return say(MessageId::DutyEfficiencyRange);
        }
        o.efficiency = values[1];
    }
    if (values.size() > 2) {
        if (!(values[2] >= 0)) {
            return say(MessageId::DutyLossRange);
        }
        o.loss = values[2];
    }
    return o;
}

std::string Bool(bool b) {
    return b ? "true" : "false";
}

}  // namespace

Result<DutyOptions> TakeDutyOptions(std::vector<std::string>& args) {
    DutyOptions o;
    std::vector<std::string> rest, given;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const sizing::RequirementChoiceForm& fromFull =
            sizing::kRequirementChoices[static_cast<size_t>(
                sizing::RequirementChoice::EmergencyFromFull)];
        if (a == fromFull.option || a == sizing::kHoldFromPm.option) {
            const bool hold = a == sizing::kHoldFromPm.option;
            (hold ? o.holdFromPm : o.emergencyFromFull) =
                !(hold ? sizing::kHoldFromPm : fromFull).optionWhenClear;
            continue;
        }
        const bool known = a == "--load" || a == "--required" || a == "--emergency" ||
                           a == "--hold-pressure" || a == "--hold-time" || a == "--leakage" ||
                           a == "--hold-cooling";
        if (!known) {
            rest.push_back(a);
            continue;
        }
        if (i + 1 >= args.size()) {
            return Message(MessageId::CommandMissingValue, {MsgVerbatim(a)});
        }
        const std::string& value = args[++i];
        if (a == "--load" || a == "--required") {
            auto load = ParseLoad(a, value);
            if (!load) return load.Error();
            // Two for one movement: which should hold cannot be known.
            for (const LoadOption& earlier : o.loads) {
                if (earlier.movement != load->movement) continue;
                return Message(MessageId::CommandLoadTwice,
                               {MsgVerbatim(a), MsgVerbatim(value), MsgInteger(load->movement),
                                MsgVerbatim(earlier.option), MsgVerbatim(earlier.text)});
            }
            o.loads.push_back(*load);
            continue;
        }
        if (std::find(given.begin(), given.end(), a) != given.end()) {
            return Message(MessageId::CommandOptionTwice, {MsgVerbatim(a)});
        }
        given.push_back(a);
        if (a == "--emergency") {
            std::vector<int> marked;
            for (const std::string& part : Split(value, ',')) {
                const auto k = Number(part);
                if (!k) {
                    return Message(MessageId::CommandEmergencyList,
                                   {MsgVerbatim(value), MsgInteger(kMaxMovements)});
                }
                marked.push_back(*k);
            }
            o.emergency = marked;
            o.emergencyText = value;
        } else {
            const auto x = ParseNumber<double>(value);
            if (!x || !std::isfinite(*x)) return BadValue(a, value);
            // A pressure and a time above 0; a leakage and a cooling of at least 0.
            const bool positive = a == "--hold-pressure" || a == "--hold-time";
            if (positive ? !(*x > 0) : !(*x >= 0)) {
                return Message(
                    positive ? MessageId::CommandAboveZero : MessageId::CommandAtLeastZero,
                    {MsgVerbatim(a), MsgVerbatim(value)});
            }
            (a == "--hold-pressure" ? o.holdPressure
             : a == "--hold-time"   ? o.holdTime
             : a == "--leakage"     ? o.leakage
                                    : o.cooling) = *x;
        }
    }
    args = rest;
    return o;
}

Status CheckDutyLaw(const DutyOptions& o, const CircuitState& state) {
    if (!o.Any() || state.Gas.Law != GasLawKind::Classic) return Done{};
    return Message(MessageId::CommandDutiesClassic);
}

Status ApplyDutyOptions(const DutyOptions& o, CircuitState& state, DutyPlan& plan, GasLawKind law) {
    const int count = state.MovementCount;
    const auto beyond = [&](int k) {
        return Status(Message(MessageId::CommandNoMovement, {MsgInteger(k), MsgInteger(count)}));
    };
    for (const LoadOption& l : o.loads) {
        if (l.movement > count) return beyond(l.movement);
        Movement& m = state.Movements[static_cast<size_t>(l.movement)];
        MovementDuty& d = m.Duty;
        if (l.required) {
            d.Required = l.required;
            continue;
        }
        if (LoadKindOf(m.Kind) == LoadKind::None) {
            return Message(MessageId::CommandMovementEmpty,
                           {MsgVerbatim(l.option), MsgVerbatim(l.text), MsgInteger(l.movement)});
        }
        d.Load = *l.load;
        d.Required.reset();
        if (l.efficiency) d.Efficiency = *l.efficiency;
        if (l.loss) d.Loss = *l.loss;
        if (CheckDuty(m) == DutyFault::NoSizes) {
            return Message(MessageId::CommandLoadNoSizes,
                           {MsgVerbatim(l.option), MsgVerbatim(l.text), MsgInteger(l.movement)});
        }
    }
    if (o.emergency) {
        for (int k : *o.emergency) {
            if (k > count) return beyond(k);
        }
        for (int k = 1; k <= count; ++k)
            state.Movements[static_cast<size_t>(k)].Duty.Emergency = false;
        for (int k : *o.emergency) state.Movements[static_cast<size_t>(k)].Duty.Emergency = true;
    }
    if (o.emergencyFromFull) plan.EmergencyFromFull = true;
    const bool hold = o.holdPressure || o.holdTime || o.leakage || o.cooling || o.holdFromPm;
    if (hold) {
        if (!plan.Hold && !(o.holdPressure && o.holdTime)) {
            return Message(MessageId::CommandHoldNeedsBoth);
        }
        HoldDuty h = plan.Hold.value_or(HoldDuty{});
        if (o.holdPressure) h.Pressure = GaugeBar(*o.holdPressure);
        if (o.holdTime) h.Time = *o.holdTime;
        if (o.leakage) h.Leakage = Dm3PerMin(*o.leakage);
        if (o.cooling) h.Cooling = *o.cooling;
        if (o.holdFromPm) h.FromPm = true;
        plan.Hold = h;
    }
    // The project's hold too, whether an option changed it or not.
    if (plan.Hold) return CheckHold(*plan.Hold, state.Data, law);
    return Done{};
}

std::string JsonNumber(double value) {
    if (!std::isfinite(value)) return "null";
    const float single = static_cast<float>(value);
    if (static_cast<double>(single) == value) return ShortestText(single);
    const std::string fifteen = PrecisionText(value, false, 15);
    double back = 0;
    ReadFloat(fifteen.data(), fifteen.data() + fifteen.size(), back);
    if (std::abs(back - value) <= 4 * std::abs(std::nextafter(value, 0.0) - value)) {
        return ShortestText(back);
    }
    return ShortestText(value);
}

std::string MovementPressuresJson(const std::vector<MovementPressure>& movements) {
    std::string j = "[";
    for (size_t i = 0; i < movements.size(); ++i) {
        const MovementPressure& m = movements[i];
        // A movement the oil did not last through has no lowest of its own.
        const auto reached = [&](double value) {
            return m.Completed ? JsonNumber(value) : std::string("null");
        };
        j += std::string(i ? ", " : "") + "{\"movement\": " + std::to_string(m.Movement) +
             ", \"required\": " + JsonNumber(m.Required.value()) +
             ", \"lowest\": " + reached(m.Lowest.value()) +
             ", \"margin\": " + reached(m.Margin().value()) + ", \"time\": " + reached(m.Time) +
             ", \"pass\": " + Bool(m.Passes()) + "}";
    }
    return j + "]";
}

std::string EmergencyJson(const EmergencyOutcome& e) {
    std::string marked;
    for (size_t i = 0; i < e.Movements.size(); ++i) {
        marked += (i ? ", " : "") + std::to_string(e.Movements[i]);
    }
    // A stroke the oil did not last through has no lowest nor margin that happened.
    const auto reached = [&](double value) {
        return e.OilOutAt > 0 ? std::string("null") : JsonNumber(value);
    };
    return "{\"movements\": [" + marked +
           "], \"start_pressure\": " + JsonNumber(e.StartPressure.value()) +
           ", \"lowest\": " + reached(e.Lowest.value()) +
           ", \"margin\": " + reached(e.Margin.value()) +
           ", \"oil_left\": " + JsonNumber(e.OilLeft.value()) + ", \"oil_out_at\": " +
           (e.OilOutAt > 0 ? std::to_string(e.OilOutAt) : std::string("null")) +
           ", \"pass\": " + Bool(e.Passes) + "}";
}

std::string HoldJson(const HoldDuty& hold, const HoldOutcome& h) {
    return "{\"pressure\": " + JsonNumber(hold.Pressure.value()) +
           ", \"time\": " + JsonNumber(hold.Time) +
           ", \"leakage\": " + JsonNumber(hold.Leakage.value()) +
           ", \"cooling\": " + JsonNumber(hold.Cooling) +
           ", \"start_pressure\": " + JsonNumber(h.StartPressure.value()) +
           ", \"lowest\": " + JsonNumber(h.Lowest.value()) +
           ", \"oil_out_at\": " + (h.OilOutAt ? JsonNumber(*h.OilOutAt) : std::string("null")) +
           ", \"time_held\": " + JsonNumber(h.TimeHeld) + ", \"pass\": " + Bool(h.Passes) + "}";
}

Result<std::string> RunDutiesLine(const CircuitState& state, double p1, const DutyPlan& plan) {
    const auto movements = JudgeRunMovements(state, GaugeBar(p1));
    if (!movements) return Result<std::string>::Fail(movements.Error());
    std::string line = "{\"movement_pressures\": " + MovementPressuresJson(*movements);
    line += ", \"emergency\": ";
    if (EmergencyMovements(state.Movements, state.SimMovementCount).empty()) {
        line += "null";
    } else {
        const auto e = JudgeEmergency(state, state.Gas, GaugeBar(p1), plan.EmergencyFromFull);
        if (!e) return Result<std::string>::Fail(e.Error());
        line += EmergencyJson(*e);
    }
    line += ", \"hold\": ";
    if (!plan.Hold) {
        line += "null";
    } else {
        const auto h = JudgeHold(state, state.Gas, *plan.Hold);
        if (!h) return Result<std::string>::Fail(h.Error());
        line += HoldJson(*plan.Hold, *h);
    }
    return line + "}";
}

}  // namespace volvenza
