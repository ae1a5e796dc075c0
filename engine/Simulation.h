#pragma once
// A run of the cycle as the person starts it: the checks of the data, the
// simulation, and what the person must be told. The run never shows
// anything itself: it returns its messages, in the order they are to be
// shown, and the one question it cannot go on without; the front end asks
// it and runs again with the answer.

#include <map>
#include <optional>
#include <vector>

#include "engine/CircuitState.h"
#include "engine/CycleRun.h"
#include "messages/Notice.h"
#include "messages/Result.h"

namespace volvenza {

enum class RunOutcome {
    Refused,           // validation failed; nothing was computed
    Completed,         // normal ending
    PrechargeTooHigh,  // the gas expanded to the precharge: partial results
    OutsideGas,        // the gas left its law's domain: the results up to there
    Asking,            // a question waits for its answer; nothing was computed
};

// A question the run waits on: a movement whose times are both 0.
struct RunQuestion {
    Message message;
    int movement = 0;
};

// The answers given so far, by movement: true to go on with the times both
// at 0, false to stop.
struct RunAnswers {
    std::map<int, bool> zeroTimes;
};

struct RunReport {
    RunOutcome outcome = RunOutcome::Refused;
    // To show in this order once the run is over.
    std::vector<Notice> notices;
    std::optional<RunQuestion> question;  // with RunOutcome::Asking
};

// Checks the initial data, the movement times with the answers given, and
// that the gas law can hold the data.
RunReport ValidateSimulationData(const CircuitState& state, const RunAnswers& answers = {});

// Checks the data, and simulates the cycle in TimeStep steps, filling the
// five result series, unless a check refuses or a question waits.
RunReport RunSimulation(CircuitState& state, const RunAnswers& answers = {},
                        const RunProgress& progress = {});

// Refuses the first of movements 1..count that no cycle can hold, in words
// naming the movement, the field and its value: a flow that is no number, a
// time or flow negative or not finite, an end not after the start. The run,
// the sizing and the energy balance all refuse with it. (Both times at 0 is
// a question only the run asks: such a movement takes no time.)
Status CheckMovements(const CircuitState& state, int count);

}  // namespace volvenza
