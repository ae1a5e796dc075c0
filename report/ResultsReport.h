#pragma once
// The results' pages as the original program printed them: the table of the
// time and the four series every tenth step (and the gas temperature when
// the ideal or real law ran), then, when its inputs are known, the run's
// energy balance and fatigue figures.

#include <optional>

#include <QString>

#include "engine/CircuitState.h"
#include "engine/EnergyBalance.h"
#include "platform/PrinterSurface.h"

namespace volvenza {

// The results' pages name what produced the results (`origin`, "Legge del
// gas: classica"...) under their heading, when it is known. With `energy`,
// the table ends with the run's energy balance and fatigue figures.
void PrintResultsTableReport(PrinterSurface& surface, const CircuitState& state,
                             const QString& printHeader, const QString& origin = {},
                             const std::optional<EnergyInputs>& energy = std::nullopt);
// The energy balance and fatigue figures alone, on a results page; the
// heading alone without inputs (results out of date).
void PrintEnergyBalanceReport(PrinterSurface& surface, const CircuitState& state,
                              const QString& printHeader, const QString& origin,
                              const std::optional<EnergyInputs>& energy);
// The table and the balance as PrintResultsTableReport lays them out, the
// document left open for what follows (the whole report's chart).
void ResultsPagesBody(PrinterSurface& surface, const CircuitState& state,
                      const QString& printHeader, const QString& origin,
                      const std::optional<EnergyInputs>& energy);

}  // namespace volvenza
