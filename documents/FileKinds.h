#pragma once
// The two files a design is kept in, each told by its extension: the
// simulation file (the original program's: initial data, movements and
// results) and the project (the whole of the work, as JSON), with the name a
// design is offered under before it has one of its own. The readers, the
// recovery points and the browser's page take them from here.

#include <string>

namespace volvenza {

struct FileKind {
    const char* extension;    // lower case, without its dot
    const char* defaultName;  // without the extension
};

inline constexpr FileKind kSimulationFile{"vlz", "simulazione"};
inline constexpr FileKind kProjectFile{"vlzp", "progetto"};

// The kind's default name with its extension: "progetto.vlzp".
inline std::string DefaultFileName(const FileKind& kind) {
    return std::string(kind.defaultName) + "." + kind.extension;
}

}  // namespace volvenza
