#pragma once

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

}  // namespace volvenza
