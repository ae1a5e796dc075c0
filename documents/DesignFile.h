#pragma once
// A design read from either of the two formats, chosen by the name's
// extension, and written to either: what every front end that takes "a .vlz
// or a .vlzp" calls.

#include <optional>
#include <string>
#include <vector>

#include "documents/ProjectFile.h"

namespace volvenza {

// ".vlzp" in any case.
bool IsProjectPath(const std::string& path);

// A project replaces the data, movements, gas law and `sizing`; a
// simulation file replaces the data, movements and results, gives `sizing`
// its defaults and leaves the gas law as it was (the format does not hold
// it). On failure nothing changes and the user's message comes back.
Status LoadDesign(CircuitState& state, ProjectSizing& sizing, const std::string& path);

// What a simulation file written from the design would leave out, one
// message each: the gas law and envelope (unless they are `reopened`, the law
// a simulation file opens with), the vessels beyond one accumulator, the
// movements' loads and emergency marks, the sizing requirements (with the
// emergency stroke's start and the pressure held) and recommendation.
std::vector<Message> SimulationFileDrops(const CircuitState& state, const ProjectSizing& sizing,
                                         const std::string& path,
                                         const GasSettings& reopened = GasSettings{});

// Writes the design in the format of the name's extension. `leftOut` gets
// the messages naming what a simulation file cannot hold of it (the gas
// law and envelope, the sizing) or that a project does not keep results.
Status SaveDesign(const CircuitState& state, const ProjectSizing& sizing, const std::string& path,
                  std::vector<Message>& leftOut);

}  // namespace volvenza
