#pragma once
// How a movement reads wherever a person sees it: its kind's title (the
// movement editor's page title, which the cycle table, its diagram and the
// printouts repeat) and its numbers as the cycle table shows them.

#include <array>
#include <cstdint>

#include <QtGlobal>

#include "engine/CircuitState.h"

class QString;

namespace volvenza {

// Italian sources, translated in the movement editor's context; by kind
// code, the empty slot first.
inline constexpr std::array<const char*, 8> kKindTitles{{
    nullptr,
    QT_TRANSLATE_NOOP("volvenza::ActuatorPages", "CILINDRO SEMPLICE STELO USCENTE"),
    QT_TRANSLATE_NOOP("volvenza::ActuatorPages", "CILINDRO SEMPLICE STELO ENTRANTE"),
    QT_TRANSLATE_NOOP("volvenza::ActuatorPages", "PISTONE DIFFERENZIALE"),
    QT_TRANSLATE_NOOP("volvenza::ActuatorPages", "MOTORE"),
    QT_TRANSLATE_NOOP("volvenza::ActuatorPages", "PALMOLA"),
    QT_TRANSLATE_NOOP("volvenza::ActuatorPages", "CILINDRO DOPPIO STELO"),
    QT_TRANSLATE_NOOP("volvenza::ActuatorPages", "CILINDRO SEMPLICE EFFETTO"),
}};

// The Italian title of a kind code, nullptr for the empty slot or a code
// no kind has.
constexpr const char* KindTitleSource(int16_t kind) {
    return kind > 0 && kind < int16_t(kKindTitles.size()) ? kKindTitles[size_t(kind)] : nullptr;
}

// The kind a listed movement is shown and edited as: the empty-slot code,
// which only a file can put into the list, counts as the first kind.
constexpr int16_t ListedKind(int16_t kind) {
    return kind == MovementKind::Empty ? MovementKind::CylinderExtending : kind;
}

// The title in the current language; an unknown code reads as its number.
QString KindTitle(int16_t kind);

// A movement's time, size or flow in full, with the language's decimal
// separator: the cycle table's cells, its diagram and the cycle printout.
QString MovementNumber(float value);
QString MovementNumber(double value);

}  // namespace volvenza
