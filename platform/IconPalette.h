#pragma once
// The colours shared by the pictures the program draws for itself: the main
// toolbar's and the chart window's buttons, the program icon and the logo.

#include <QColor>

namespace volvenza {

inline constexpr QColor kInk(40, 52, 70);         // outlines and text
inline constexpr QColor kSteel(120, 140, 165);    // metal parts
inline constexpr QColor kPaper(250, 250, 246);    // sheets and faces
inline constexpr QColor kAccent(30, 110, 190);    // curves and highlights
inline constexpr QColor kIconGreen(40, 150, 70);  // "go" and "add" marks

}  // namespace volvenza
