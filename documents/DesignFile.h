#pragma once
// A design read from either of the two formats, chosen by the name's
// extension, and written to either: what every front end that takes "a .vlz
// or a .vlzp" calls.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "documents/FileKinds.h"
#include "documents/ProjectFile.h"

namespace volvenza {

// Whether `path` ends with the kind's extension, after its dot, in any case.
bool HasExtension(std::string_view path, const FileKind& kind);
inline bool IsProjectPath(const std::string& path) {
    return HasExtension(path, kProjectFile);
}

// The kind of a design's text: a project is JSON, an object; anything else
// is read as a simulation file.
const FileKind& KindOfText(std::string_view text);

// The name a design's text is read under, as the browser's page opens it:
// the file's own name where it can be (`name`'s last part, leading dots
// dropped), a kind's extension in lower case; otherwise that name (the
// kind's default name when none is left) with the extension of the text's
// kind.
std::string DesignFileName(std::string_view name, std::string_view text);
// That name without a kind's extension: the design's own name, which the
// file it is saved to keeps.
std::string DesignBaseName(std::string_view name);

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
