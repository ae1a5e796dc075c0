#pragma once

#include "engine/CircuitState.h"

namespace volvenza {

inline constexpr const char* kMsgAllZero =
    "Hai lasciato tutti i valori iniziali a 0, la simulazione non può partire";
inline constexpr const char* kMsgCycleZero =
    "Hai lasciato il tempo di ciclo a 0, la simulazione non può partire";
inline constexpr const char* kMsgCycleRange =
    "Il tempo di ciclo deve essere compreso tra 0 e 327,67 s, la simulazione non può partire";
inline constexpr const char* kMsgNegativeValues =
    "I valori iniziali non possono essere negativi e la temperatura deve superare -273,16 °C, "
    "la simulazione non può partire";
inline constexpr const char* kMsgNoMovements =
    "Non ci sono movimenti, la simulazione non può partire";
inline constexpr const char* kMsgStopped =
    "La simulazione verrà interrotta, corregere il problema e riavviarla.";
inline constexpr const char* kMsgPrechargeTooHigh =
    "ATTENZIONE !!!!! PRECARICA VOLVENZA TROPPO ALTA";

enum class RunOutcome {
    Refused,           // validation failed; nothing was computed
    Completed,         // normal ending
    PrechargeTooHigh,  // the gas expanded to the precharge: partial results
    OutsideGas,        // the gas left its law's domain: the results up to there
};

// Checks the initial data and the movement times, showing its own messages.
bool ValidateSimulationData(CircuitState& state);

// Collects the initial data, validates, and simulates the cycle in TimeStep
// steps, filling the five result series.
RunOutcome RunSimulation(CircuitState& state);

}  // namespace volvenza
