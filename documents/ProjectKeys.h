#pragma once
// The project file's names of what the browser's page edits in the
// project's JSON itself: its parts, the initial values, a movement's fields
// by the cycle table's columns, the gas law and its figures. The file's
// reader and writer use the same names.

#include <array>
#include <cstddef>

namespace volvenza {

// The gas laws, in GasLawKind's order.
inline constexpr std::array<const char*, 3> kLawKeys{{"classica", "ideale", "azoto"}};

namespace project_key {
// The project's parts: the initial values, the movements, the gas model, the
// vessels in parallel, the sizing's requirements and its last
// recommendation.
inline constexpr const char* kData = "dati_iniziali";
inline constexpr const char* kMovements = "movimenti";
inline constexpr const char* kGas = "gas";
inline constexpr const char* kPlant = "impianto";
inline constexpr const char* kRequirements = "dimensionamento";
inline constexpr const char* kRecommendation = "raccomandazione";
// A movement's kind and flow, and its duty.
inline constexpr const char* kKind = "tipo";
inline constexpr const char* kFlow = "Qm";
inline constexpr const char* kLoad = "carico";
inline constexpr const char* kEfficiency = "rendimento";
inline constexpr const char* kLoss = "perdita";
inline constexpr const char* kRequired = "pressione_richiesta";
inline constexpr const char* kEmergency = "emergenza";
// The gas model, in "gas".
inline constexpr const char* kLaw = "legge";
inline constexpr const char* kExponent = "esponente";
inline constexpr const char* kTau = "tau";
inline constexpr const char* kChargeTemp = "temperatura_carica";
inline constexpr const char* kMinTemp = "temperatura_minima";
inline constexpr const char* kMaxTemp = "temperatura_massima";
}  // namespace project_key

// A movement's name for the cycle table's column `column` (PasteColumn,
// documents/PastedMovements.h); nullptr for the required pressure worked
// out, which the file does not keep.
const char* ProjectColumnKey(int column);

// The name of initial value `i`: V0, P0, tc, Qp, Pm, Dp, the cycle time.
const char* ProjectDataKey(size_t i);

}  // namespace volvenza
