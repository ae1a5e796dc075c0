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

Status LoadDesign(CircuitState& state, ProjectSizing& sizing, const std::string& path) {
    if (IsProjectPath(path)) return LoadProjectFile(state, sizing, path);
    Status loaded = LoadSimulationFile(state, path);
    if (loaded) sizing = ProjectSizing{};
    return loaded;
}

std::vector<Message> SimulationFileDrops(const CircuitState& state, const ProjectSizing& sizing,
                                         const std::string& path, const GasSettings& reopened) {
    std::vector<Message> drops;
    GasSettings law = state.Gas;
    law.Vessels = reopened.Vessels;
    if (!(law == reopened)) {
        drops.push_back(Message(MessageId::DesignKeepsNoGas, {MsgVerbatim(path)}));
    }
    if (!(state.Gas.Vessels == Arrangement{})) {
        drops.push_back(Message(MessageId::DesignKeepsNoVessels, {MsgVerbatim(path)}));
    }
    for (int k = 1; k <= state.MovementCount; ++k) {
        if (!(state.Movements[static_cast<size_t>(k)].Duty == MovementDuty{})) {
            drops.push_back(Message(MessageId::DesignKeepsNoDuties, {MsgVerbatim(path)}));
            break;
        }
    }
    ProjectSizing none;
    none.Requirements.Gas = sizing.Requirements.Gas;
    if (!(sizing == none)) {
        drops.push_back(Message(MessageId::DesignKeepsNoSizing, {MsgVerbatim(path)}));
    }
    return drops;
}

Status SaveDesign(const CircuitState& state, const ProjectSizing& sizing, const std::string& path,
                  std::vector<Message>& leftOut) {
    if (IsProjectPath(path)) {
        if (state.LastPoint > 0) {
            leftOut.push_back(Message(MessageId::ProjectKeepsNoResults, {MsgVerbatim(path)}));
        }
        return SaveProjectFile(state, sizing, path);
    }
    const std::vector<Message> drops = SimulationFileDrops(state, sizing, path);
    leftOut.insert(leftOut.end(), drops.begin(), drops.end());
    return SaveSimulationFile(state, path);
}

}  // namespace volvenza
