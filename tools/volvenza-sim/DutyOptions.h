#pragma once
// The duty options of `run` and `size`: a movement's load or required
// pressure, the emergency stroke's movements and start, the pressure held;
// and the duties' JSON, the same for both commands.

#include <optional>
#include <string>
#include <vector>

#include "engine/Duties.h"
#include "messages/Result.h"

namespace volvenza {

// --load K:VALUE[:EFFICIENCY[:LOSS]] and --required K:BAR, as given.
struct LoadOption {
    std::string option, text;  // for the refusals
    int movement = 0;          // from 1
    std::optional<double> load, efficiency, loss, required;
};

struct DutyOptions {
    std::vector<LoadOption> loads;
    std::optional<std::vector<int>> emergency;  // --emergency 3,5
    std::string emergencyText;
    bool emergencyFromFull = false;
    // --hold-pressure, --hold-time, --leakage, --hold-cooling, --hold-from-pm
    std::optional<double> holdPressure, holdTime, leakage, cooling;
    bool holdFromPm = false;

    bool Any() const {
        return !loads.empty() || emergency || emergencyFromFull || holdPressure || holdTime ||
               leakage || cooling || holdFromPm;
    }
};

// Takes the duty options out of `args`, leaving the rest; refused, saying
// what is wrong, when a value is not one the windows accept, a movement is
// given two loads or pressures, or an option is given twice.
Result<DutyOptions> TakeDutyOptions(std::vector<std::string>& args);

// Duty options are refused under the classic law, which judges p1 alone
// and would ignore them.
Status CheckDutyLaw(const DutyOptions& options, const CircuitState& state);

// Puts the options over the design's own loads, marks and plan; refused,
// saying what is wrong, when a movement number is not on the list, a load
// has no sizes to act on, a hold lacks its pressure or time, or it cannot
// be judged under `law` (CheckHold).
Status ApplyDutyOptions(const DutyOptions& options, CircuitState& state, DutyPlan& plan,
                        GasLawKind law);

// A JSON number: the shortest text that reads back as the value; null for
// one not finite.
std::string JsonNumber(double value);
// [{"movement", "required", "lowest", "margin", "time", "pass"}, ...]; lowest,
// margin and time null for a movement the oil did not last through.
std::string MovementPressuresJson(const std::vector<MovementPressure>& movements);
// {"movements", "start_pressure", "lowest", "margin", "oil_left", "oil_out_at",
// "pass"}: oil_out_at the movement the oil ran out in, or null.
std::string EmergencyJson(const EmergencyOutcome& e);
// {"pressure", "time", "leakage", "cooling", "start_pressure", "lowest", "oil_out_at",
// "time_held", "pass"}: start_pressure Pm - Dp or Pm, as the hold asks; time_held
// null when the pressure never falls below the hold's.
std::string HoldJson(const HoldDuty& hold, const HoldOutcome& h);

// The duties of a run of `state` (its gas law, ideal or real) as one JSON
// line: {"movement_pressures": [...], "emergency": {...} or null, "hold":
// {...} or null}; the law's message when it cannot be set up.
Result<std::string> RunDutiesLine(const CircuitState& state, double p1, const DutyPlan& plan);

}  // namespace volvenza
