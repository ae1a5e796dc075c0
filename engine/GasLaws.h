#pragma once
// The gas law of a run made from the initial data and the gas settings, at
// a given working temperature: the classic law, the ideal gas or real
// nitrogen, held in one variant so that the stepping loop is instantiated
// once per law and calls it inline.

#include <string>
#include <variant>

#include "engine/CircuitData.h"
#include "engine/CycleRun.h"
#include "engine/GasSettings.h"
#include "gas/ClassicLaw.h"
#include "gas/IdealLaw.h"
#include "gas/NitrogenLaw.h"
#include "gas/Result.h"

namespace volvenza {

using AnyGasLaw = std::variant<gas::ClassicLaw, gas::IdealLaw, gas::NitrogenLaw>;

// Same charge at every working temperature: the classic precharge at 20 °C,
// the ideal one at the charging temperature, the nitrogen mass that the
// precharge puts into V0 at the charging temperature.
gas::Result<AnyGasLaw> MakeGasLaw(const CircuitData& data, const GasSettings& gas, double workTemp,
                                  float timeStep);

struct CycleEnding;

// What the run did when its gas left the law's domain: the message of the
// run at its working temperature, and the short reason the summaries give.
Message OutsideGasMessage(const TemperatureRun& run, float timeStep);
Message OutsideGasReason(gas::GasDomain domain);

// Lowest pressure and its time, the ending, the coldest and the warmest gas
// over points 0..ending.step.
TemperatureRun SummariseRun(double workTemp, const CycleEnding& ending, const double* p,
                            const double* t, float timeStep);

}  // namespace volvenza
