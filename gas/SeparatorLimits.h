#pragma once
// The coldest gas the element that separates gas from oil stands, by the
// accumulator's construction. Colder gas makes the elastomer stiff and
// cracks it (the makers warn of it for fast discharges at high Pm / p0).
// The figures are the makers' lower limits for standard nitrile rubber
// (NBR), the usual bladder, diaphragm and piston-seal material: EPE's
// bladder elastomer table gives NBR -20 to +85 °C. Low-temperature
// compounds go lower; a design that needs them says so by its coldest gas.
// The program's own small enum, so that any caller can map its types onto it.

#include <cstdint>

namespace volvenza::gas {

enum class Separator : int8_t { Bladder, Diaphragm, Piston };

// °C.
constexpr double MinimumGasTemperature(Separator separator) {
    switch (separator) {
        case Separator::Diaphragm:
            return -20;
        case Separator::Piston:
            return -20;
        case Separator::Bladder:
            break;
    }
    return -20;
}

}  // namespace volvenza::gas
