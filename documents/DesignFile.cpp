#include "documents/DesignFile.h"

#include <algorithm>
#include <cctype>

#include "documents/SimulationFile.h"

namespace volvenza {

bool IsProjectPath(const std::string& path) {
    constexpr std::string_view kExtension = ".vlzp";
    if (path.size() < kExtension.size()) return false;
    return std::equal(
        kExtension.begin(), kExtension.end(), path.end() - kExtension.size(),
        [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

std::optional<std::string> LoadDesign(CircuitState& state, ProjectSizing& sizing,
                                      const std::string& path) {
    if (IsProjectPath(path)) return LoadProjectFile(state, sizing, path);
    auto failure = LoadSimulationFile(state, path);
    if (!failure) sizing = ProjectSizing{};
    return failure;
}

std::optional<std::string> SaveDesign(const CircuitState& state, const ProjectSizing& sizing,
                                      const std::string& path, std::vector<std::string>& leftOut) {
    if (IsProjectPath(path)) {
        if (state.LastPoint > 0) {
            leftOut.push_back("Il progetto " + path +
                              " non conserva i risultati: sono ricalcolati all'apertura.");
        }
        return SaveProjectFile(state, sizing, path);
    }
    if (!(state.Gas == GasSettings{})) {
        leftOut.push_back("Il file " + path +
                          " non conserva la legge del gas né l'inviluppo di temperatura.");
    }
    ProjectSizing none;
    none.Requirements.Gas = sizing.Requirements.Gas;
    if (!(sizing == none)) {
        leftOut.push_back("Il file " + path +
                          " non conserva i requisiti di dimensionamento né la raccomandazione.");
    }
    return SaveSimulationFile(state, path);
}

}  // namespace volvenza
