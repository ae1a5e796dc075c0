#pragma once
// The coldest gas the element that separates gas from oil stands, whatever
// the accumulator's construction: the run warns below it and the sizing
// remarks on it unless the requirements give their own figure. Colder gas
// makes the elastomer stiff and cracks it (the makers warn of it for fast
// discharges at high Pm / p0). The figure is the makers' lower limit for
// standard nitrile rubber (NBR), the usual bladder, diaphragm and
// piston-seal material: EPE's bladder elastomer table gives NBR -20 to
// +85 °C. Low-temperature compounds go lower; a design that needs them says
// so by its coldest gas.

namespace volvenza {

// °C.
inline constexpr double kSeparatorMinimumGasTemperature = -20;

}  // namespace volvenza
