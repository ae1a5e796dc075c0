#include "documents/DesignFile.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "documents/SimulationFile.h"

namespace volvenza {

bool HasExtension(std::string_view path, const FileKind& kind) {
    const std::string_view extension = kind.extension;
    if (path.size() < extension.size() + 1) return false;
    const std::string_view end = path.substr(path.size() - extension.size());
    return path[path.size() - extension.size() - 1] == '.' &&
           std::equal(extension.begin(), extension.end(), end.begin(), [](char a, char b) {
               return a == std::tolower(static_cast<unsigned char>(b));
           });
}

const FileKind& KindOfText(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t\r\n\f\v");
    return first != std::string_view::npos && text[first] == '{' ? kProjectFile : kSimulationFile;
}

namespace {

// `name`'s last part, leading dots dropped, and the kind its extension says;
// nothing when it says none.
std::pair<std::string, const FileKind*> LastPart(std::string_view name) {
    const size_t slash = name.find_last_of("/\\");
    std::string part(slash == std::string_view::npos ? name : name.substr(slash + 1));
    part.erase(0, part.find_first_not_of('.'));
    for (const FileKind* kind : {&kProjectFile, &kSimulationFile}) {
        if (HasExtension(part, *kind)) {
            return {part.substr(0, part.size() - std::string_view(kind->extension).size() - 1),
                    kind};
        }
    }
    return {part, nullptr};
}

}  // namespace

std::string DesignFileName(std::string_view name, std::string_view text) {
    const auto [base, said] = LastPart(name);
    const FileKind& kind = said != nullptr ? *said : KindOfText(text);
    return (base.empty() && said == nullptr ? std::string(kind.defaultName) : base) + "." +
           kind.extension;
}

std::string DesignBaseName(std::string_view name) {
    return LastPart(name).first;
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
