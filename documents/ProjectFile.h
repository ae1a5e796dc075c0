#pragma once
// The project file (".vlzp"): one design as JSON, with everything needed to
// pick up the work again: the initial data, the movements, the gas law and
// its envelope, the vessels beyond one accumulator, the sizing requirements,
// the last recommendation and the p1 it was applied for. Results
// are not kept: they are recomputed on opening. The simulation file (".vlz")
// is unchanged beside it.

#include <optional>
#include <string>
#include <vector>

#include "engine/CircuitState.h"
#include "messages/Result.h"
#include "sizing/Requirements.h"

namespace volvenza {

inline constexpr int kProjectVersion = 1;
// The largest project is well under a megabyte (a thousand movements and the
// longest catalogue); a text far beyond that is not one, and is not read.
inline constexpr size_t kMaxProjectSize = 8 << 20;

// What a project keeps besides the state's data, movements and gas law.
struct ProjectSizing {
    sizing::Requirements Requirements;
    std::optional<sizing::Design> Recommendation;

    bool operator==(const ProjectSizing&) const = default;
};

// The file's whole text; movements 1..MovementCount.
std::string ProjectFileText(const CircuitState& state, const ProjectSizing& sizing);

// Writes the file atomically; the user's message on failure.
Status SaveProjectFile(const CircuitState& state, const ProjectSizing& sizing,
                       const std::string& path);

// All or nothing: the text is checked whole first; only a valid project
// replaces the initial data, the movement list and the gas law and clears
// the results. On failure nothing changes and the message names the file
// and, where one is at fault, the JSON path of the field ("/movimenti/3/Ti").
Status ReadProjectText(CircuitState& state, ProjectSizing& sizing, const std::string& text,
                       const std::string& fileName);
Status LoadProjectFile(CircuitState& state, ProjectSizing& sizing, const std::string& path);

// Movements as the file lists them (the JSON array of its "movimenti"),
// read as the file reads them; the message names the field at fault.
Result<std::vector<Movement>> ReadProjectMovements(const std::string& text);

}  // namespace volvenza
