#pragma once
// The category of a vessel for a gas of fluid group 2 (nitrogen) under the
// European pressure-equipment directive 2014/68/EU, from its maximum
// allowable pressure PS and its volume: Article 1(1) (scope), Article
// 4(1)(a)(i) second indent and 4(3), Annex II table 2. The table's
// demarcation lines are the upper limits of each category, so a vessel on a
// line takes the lower one.

#include "numbers/Quantity.h"

namespace volvenza::sizing {

enum class PressureCategory {
    Outside,        // PS at most 0,5 bar: the directive does not apply
    SoundPractice,  // Article 4(3): sound engineering practice, no CE marking
    I,
    II,
    III,
    IV,
};

// From the vessel's PS and its volume.
PressureCategory VesselCategory(GaugeBar ps, Dm3 volume);

// The PS that classes a catalogue size: its own rating, else the
// requirements' PS, else the maximum pressure of the data.
struct CatalogueSize;
struct Requirements;
GaugeBar ClassingPressure(const CatalogueSize& size, const Requirements& req, GaugeBar pm);

// "outside", "4.3", "I" ... "IV": the form the JSON answer gives.
const char* CategoryCode(PressureCategory category);

}  // namespace volvenza::sizing
