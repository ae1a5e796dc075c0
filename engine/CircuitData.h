#pragma once

#include "messages/WindowWords.h"

namespace volvenza {

// Initial data of the circuit: the seven values a cycle is run from.
struct CircuitData {
    float V0 = 0;         // nominal gas volume [dm3]
    float P0 = 0;         // precharge at 20 °C [bar]
    float Tc = 0;         // working temperature [°C]
    float Qp = 0;         // pump delivery [dm3/min]
    float Pm = 0;         // maximum pressure [bar]
    float Dp = 0;         // pressure band [bar]
    float CycleTime = 0;  // [s]

    bool operator==(const CircuitData&) const = default;
};

// The names the initial-data window labels the values with (its words,
// messages/WindowWords.h), which the messages about a value repeat. The
// cycle time has a label in words, in the person's language, and no name
// here.
struct InitialValueName {
    const char* name;
    float CircuitData::*field;
};
inline constexpr InitialValueName kInitialValueNames[] = {
    {kInitialBoxes[0].name, &CircuitData::V0}, {kInitialBoxes[1].name, &CircuitData::P0},
    {kInitialBoxes[2].name, &CircuitData::Tc}, {kInitialBoxes[3].name, &CircuitData::Qp},
    {kInitialBoxes[4].name, &CircuitData::Pm}, {kInitialBoxes[5].name, &CircuitData::Dp},
};

constexpr const char* LabelOf(float CircuitData::*field) {
    for (const InitialValueName& value : kInitialValueNames) {
        if (value.field == field) return value.name;
    }
    return nullptr;
}

}  // namespace volvenza
