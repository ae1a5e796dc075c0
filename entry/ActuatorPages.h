#pragma once
// What the movement editor shows for each kind of actuator: the page title,
// the size rows with their symbol, unit and the movement field each box
// edits, the picture, and the six add buttons. Plain data; its texts are
// Italian sources translated through ActuatorText.

#include <array>
#include <cstdint>

#include <QtGlobal>

#include "engine/CircuitState.h"
#include "engine/MovementKinds.h"
#include "views/MovementText.h"

class QString;

namespace volvenza {

// The six add buttons: name, place in twips, tooltip and the kind they add.
// The button shows the small picture with the number of its kind's page.
struct AddButton {
    const char* name;
    int top;
    int left;
    const char* tooltip;
    int16_t kind;
};

inline constexpr std::array<AddButton, 6> kAddButtons{{
    {"PulsPistEsce", 120, 120,
     QT_TRANSLATE_NOOP("volvenza::ActuatorPages", "Cilindro stelo semplice uscente"),
     MovementKind::CylinderExtending},
    {"PulsPistEntra", 120, 2040,
     QT_TRANSLATE_NOOP("volvenza::ActuatorPages", "Cilindro stelo semplice rientrante"),
     MovementKind::CylinderRetracting},
    {"PulsMotore", 120, 3960, QT_TRANSLATE_NOOP("volvenza::ActuatorPages", "Motore"),
     MovementKind::Motor},
    {"PulsDiffGraUsc", 960, 120,
     QT_TRANSLATE_NOOP("volvenza::ActuatorPages", "Cilindro a doppio stelo"),
     MovementKind::DoubleRodCylinder},
    {"PulsPistDiffPicUsc", 960, 2040,
     QT_TRANSLATE_NOOP("volvenza::ActuatorPages", "Cilindro a semplice effetto esce"),
     MovementKind::SingleActingCylinder},
    {"PulsPalmola", 960, 3960, QT_TRANSLATE_NOOP("volvenza::ActuatorPages", "Palmola"),
     MovementKind::VaneActuator},
}};

// A title, unit or tooltip of the tables above in the program's language.
QString ActuatorText(const char* source);

}  // namespace volvenza
