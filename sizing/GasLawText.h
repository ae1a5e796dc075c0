#pragma once
// The gas law in words, as the main window's note, the energy balance and
// the sizing answer say which law their figures come from.

#include <string>

#include "engine/GasSettings.h"
#include "messages/Message.h"

namespace volvenza::sizing {

// How a text writes the law's figures: as their boxes show them, or as the
// sizing answer reports every figure, rounded (n to 3 decimals, τ to 2),
// with an endless τ in words ("τ infinita") as its records have it.
enum class LawFigures { AsTyped, Rounded };

// "classica", "gas ideale, n = 1,3", "azoto reale, τ = 45 s", "azoto reale,
// τ = ∞ (adiabatica)", in the wording's language.
std::string GasLawText(const GasSettings& gas, const Wording& wording,
                       LawFigures figures = LawFigures::AsTyped);

}  // namespace volvenza::sizing
