#pragma once
// The gas laws of a run made from the initial data and the gas settings, at
// a given working temperature: the classic law for the classic stepping, the
// ideal gas or real nitrogen for the exact engine; and what a run says when
// its gas leaves the states its law describes.

#include "engine/CircuitData.h"
#include "engine/GasSettings.h"
#include "gas/ClassicLaw.h"
#include "messages/Result.h"

namespace volvenza {

// The classic law as the original program set it up: the precharge at 20 °C.
gas::ClassicLaw MakeClassicLaw(const CircuitData& data, double workTemp);

struct CycleEnding;

// What the run did when its gas left the law's domain: the message of the
// run at its working temperature, and the short reason the summaries give.
Message OutsideGasMessage(const TemperatureRun& run);
Message OutsideGasReason(gas::GasDomain domain);

// Lowest pressure and its time, the ending, the coldest and the warmest gas
// over points 0..ending.step of a classic run.
TemperatureRun SummariseRun(double workTemp, const CycleEnding& ending, const double* p,
                            const double* t, float timeStep);

}  // namespace volvenza
