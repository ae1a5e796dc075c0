#pragma once
// How a movement reads wherever a person sees it: its kind's title (the
// movement editor's page title, which the cycle table, its diagram and the
// printouts repeat) and its numbers as the cycle table shows them.

#include <array>
#include <cstdint>

#include <QtGlobal>

#include "engine/CircuitState.h"
#include "engine/MovementKinds.h"

class QString;

namespace volvenza {

// The title in the current language; an unknown code reads as its number.
QString KindTitle(int16_t kind);

// A movement's time, size or flow in full, with the language's decimal
// separator: the cycle table's cells, its diagram and the cycle printout.
QString MovementNumber(float value);
QString MovementNumber(double value);

}  // namespace volvenza
