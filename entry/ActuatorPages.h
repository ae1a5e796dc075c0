#pragma once
// What the movement editor shows for each kind of actuator: the page title,
// the size rows with their symbol, unit and the movement field each box
// edits, the picture, and the six add buttons. Plain data; its texts are
// Italian sources translated through ActuatorText.

#include <array>
#include <cstdint>

#include <QtGlobal>

#include "engine/CircuitState.h"
#include "views/MovementText.h"

class QString;

namespace volvenza {

// One size row of a page: the name label, the unit label and the field of
// the movement that the box shows and stores.
struct SizeRow {
    const char* name = nullptr;
    const char* unit = nullptr;
    float Movement::*field = nullptr;
};

struct ActuatorPage {
    int16_t kind = MovementKind::Empty;
    const char* title = nullptr;
    // Rows Dato1, Dato2, Dato3; a row without a name stays hidden.
    std::array<SizeRow, 3> rows{};
    // Number of the page picture, 1..6; 0 keeps whatever picture is shown.
    int picture = 0;
};

inline constexpr int kPictureCount = 6;

inline constexpr std::array<ActuatorPage, 7> kActuatorPages{{
    {MovementKind::CylinderExtending,
     KindTitleSource(MovementKind::CylinderExtending),
     {{{"D", "[mm]", &Movement::BoreDiameter}, {"L", "[mm]", &Movement::Stroke}, {}}},
     1},
    {MovementKind::CylinderRetracting,
     KindTitleSource(MovementKind::CylinderRetracting),
     {{{"D", "[mm]", &Movement::BoreDiameter},
       {"d", "[mm]", &Movement::RodDiameter},
       {"L", "[mm]", &Movement::Stroke}}},
     2},
    // Only a loaded file can hold this kind; it is edited like kind 2 but its
    // third size is the first stroke, and it has no picture of its own.
    {MovementKind::DifferentialPiston,
     KindTitleSource(MovementKind::DifferentialPiston),
     {{{"D", "[mm]", &Movement::BoreDiameter},
       {"d1", "[mm]", &Movement::RodDiameter},
       {"S1", "[mm]", &Movement::Stroke1}}},
     0},
    {MovementKind::Motor,
     KindTitleSource(MovementKind::Motor),
     {{{"C", QT_TRANSLATE_NOOP("volvenza::ActuatorPages", "[cm3/giro]"), &Movement::Displacement},
       {"N", QT_TRANSLATE_NOOP("volvenza::ActuatorPages", "[rpm]"), &Movement::Speed},
       {}}},
     3},
    {MovementKind::VaneActuator,
     KindTitleSource(MovementKind::VaneActuator),
     {{{"CU", "[cm3/°]", &Movement::UnitDisplacement},
       {"AR", "[°]", &Movement::RotationAngle},
       {}}},
     6},
    {MovementKind::DoubleRodCylinder,
     KindTitleSource(MovementKind::DoubleRodCylinder),
     {{{"D", "[mm]", &Movement::BoreDiameter},
       {"d", "[mm]", &Movement::RodDiameter},
       {"L", "[mm]", &Movement::Stroke}}},
     4},
    {MovementKind::SingleActingCylinder,
     KindTitleSource(MovementKind::SingleActingCylinder),
     {{{"d", "[mm]", &Movement::RodDiameter}, {"L", "[mm]", &Movement::Stroke}, {}}},
     5},
}};

// The page of a kind code, or nullptr for an empty slot or an unknown code.
constexpr const ActuatorPage* PageForKind(int16_t kind) {
    for (const ActuatorPage& page : kActuatorPages) {
        if (page.kind == kind) return &page;
    }
    return nullptr;
}

// Whether the page of `kind` shows and stores `field` as one of its sizes.
constexpr bool PageShows(int16_t kind, float Movement::*field) {
    const ActuatorPage* page = PageForKind(kind);
    if (page == nullptr) return false;
    for (const SizeRow& row : page->rows) {
        if (row.name != nullptr && row.field == field) return true;
    }
    return false;
}

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
