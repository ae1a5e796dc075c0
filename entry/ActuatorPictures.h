#pragma once
// The actuator drawings of the movement editor, made in code in the manner of
// fluid-power circuit symbols: cylinders with their rods and ports, the
// plunger, the motor and the vane actuator, the pressure port marked by the
// flow arrow and the movement by a red arrow.

#include <QImage>

namespace volvenza {

inline constexpr int kPagePictureWidth = 250;
inline constexpr int kPagePictureHeight = 150;
inline constexpr int kButtonPictureWidth = 120;
inline constexpr int kButtonPictureHeight = 50;

// Picture number 1..6 (the order of ActuatorPage::picture): 250 by 150 with
// the page's size symbols marked on it. Any other number gives a null image.
QImage ActuatorPicture(int number);

// The same actuator, 120 by 50, without the size marks, for the add buttons.
QImage ActuatorButtonPicture(int number);

}  // namespace volvenza
