#pragma once
// The kinds of movement as the movement editor pages them: the sizes each
// kind's page shows, which the cycle table, the clipboard's reader and the
// browser share. Their titles are the windows' words
// (messages/WindowWords.h).

#include <array>
#include <cstdint>

#include "engine/CircuitState.h"
#include "messages/WindowWords.h"

namespace volvenza {

// The kind a listed movement is shown and edited as: the empty-slot code,
// which only a file can put into the list, counts as the first kind.
constexpr int16_t ListedKind(int16_t kind) {
    return kind == MovementKind::Empty ? MovementKind::CylinderExtending : kind;
}

// One size row of a page: the name label, the unit label and the field of
// the movement that the box shows and stores.
struct SizeRow {
    const char* name = nullptr;
    const char* unit = nullptr;
    float Movement::*field = nullptr;
};

struct ActuatorPage {
    int16_t kind = MovementKind::Empty;
    // Rows Dato1, Dato2, Dato3; a row without a name stays hidden.
    std::array<SizeRow, 3> rows{};
    // Number of the page picture, 1..6; 0 keeps whatever picture is shown.
    int picture = 0;
};

inline constexpr int kPictureCount = 6;

inline constexpr std::array<ActuatorPage, 7> kActuatorPages{{
    {MovementKind::CylinderExtending,
     {{{"D", "[mm]", &Movement::BoreDiameter}, {"L", "[mm]", &Movement::Stroke}, {}}},
     1},
    {MovementKind::CylinderRetracting,
     {{{"D", "[mm]", &Movement::BoreDiameter},
       {"d", "[mm]", &Movement::RodDiameter},
       {"L", "[mm]", &Movement::Stroke}}},
     2},
    // Only a loaded file can hold this kind; it is edited like kind 2 but its
    // third size is the first stroke, and it has no picture of its own.
    {MovementKind::DifferentialPiston,
     {{{"D", "[mm]", &Movement::BoreDiameter},
       {"d1", "[mm]", &Movement::RodDiameter},
       {"S1", "[mm]", &Movement::Stroke1}}},
     0},
    {MovementKind::Motor,
     {{{"C", kMotorDisplacementUnit, &Movement::Displacement},
       {"N", kMotorSpeedUnit, &Movement::Speed},
       {}}},
     3},
    {MovementKind::VaneActuator,
     {{{"CU", "[cm3/°]", &Movement::UnitDisplacement},
       {"AR", "[°]", &Movement::RotationAngle},
       {}}},
     6},
    {MovementKind::DoubleRodCylinder,
     {{{"D", "[mm]", &Movement::BoreDiameter},
       {"d", "[mm]", &Movement::RodDiameter},
       {"L", "[mm]", &Movement::Stroke}}},
     4},
    {MovementKind::SingleActingCylinder,
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

}  // namespace volvenza
