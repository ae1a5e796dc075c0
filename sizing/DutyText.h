#pragma once
// The sentences on the duties beyond p1 that the sizing answer carries, in
// the words of AnswerText: the movement nearest its required pressure, the
// emergency stroke and the pressure held of a design; the rules' legend lines.
// And the verdicts beside a run's results, which the windows and the
// browser's page give alike, and the vessels of the gas line.

#include <optional>
#include <string>
#include <vector>

#include "engine/GasSettings.h"
#include "messages/Message.h"
#include "sizing/Duties.h"

namespace volvenza::sizing {

// For the recommendation: the movement with the smallest margin (when the
// movements have loads), the emergency stroke and the hold, one line each.
std::vector<std::string> DutySummary(const std::vector<MovementPressure>& movements,
                                     const DutyOutcomes& duties, const DutyPlan& plan,
                                     const Wording& wording);
// For a design that fails: each movement short of a pressure of its own
// (not p1, which rule 1's sentence covers; the first few, then how many
// more), the emergency stroke and the hold when they fail.
std::vector<std::string> DutyFailures(const std::vector<MovementPressure>& shortMovements,
                                      double p1, const DutyOutcomes& duties, const DutyPlan& plan,
                                      const Wording& wording);
// The candidates' table's columns for the duties asked for: the smallest
// margin of the movements' own pressures, the emergency stroke's margin,
// the time the pressure is held; and one candidate's cells in them.
struct DutyColumns {
    bool Loads = false, Emergency = false, Hold = false;
    bool Any() const { return Loads || Emergency || Hold; }
};
std::vector<std::string> DutyHeadings(const DutyColumns& columns, const Wording& wording);
std::vector<std::string> DutyCells(const DutyColumns& columns,
                                   const std::vector<MovementPressure>& movements,
                                   const DutyOutcomes& duties, const Wording& wording);

// The legend of the duties asked for: rule 1 for the movements' loads, rules 8 and 9.
std::vector<std::string> DutyLegend(bool loads, bool emergency, bool hold, const Wording& wording);

// A run's verdicts: one movement's pressure against what it needs, a line
// of the main window's note; the emergency stroke and the pressure held, a
// row (what, and how it went) of the energy balance.
std::string MovementVerdict(const MovementPressure& m, const Wording& wording);
struct VerdictRow {
    std::string label, value;
};
VerdictRow EmergencyVerdict(const EmergencyOutcome& e, const Wording& wording);
VerdictRow HoldVerdict(const HoldDuty& hold, const HoldOutcome& h, const Wording& wording);

// The vessels beyond the one accumulator of V0, as the main window's gas
// line ends and its status bar says: "; 3 accumulatori di Vo in parallelo;
// bombole 20 dm3", each part after "; "; empty for one vessel.
std::string VesselsText(const Arrangement& v, const Wording& wording);

}  // namespace volvenza::sizing
