#include "documents/ProjectKeys.h"

#include "documents/PastedMovements.h"
#include "documents/ProjectJson.h"

namespace volvenza {

const char* ProjectColumnKey(int column) {
    using namespace project_key;
    switch (column) {
        case PasteColumn::Kind:
            return kKind;
        case PasteColumn::Flow:
            return kFlow;
        case PasteColumn::Load:
            return kLoad;
        case PasteColumn::Efficiency:
            return kEfficiency;
        case PasteColumn::Loss:
            return kLoss;
        case PasteColumn::TypedRequired:
            return kRequired;
        case PasteColumn::Emergency:
            return kEmergency;
        default:
            break;
    }
    float Movement::*const field = PasteColumnField(column);
    for (const project_file::MovementField& f : project_file::kMovementFields) {
        if (field != nullptr && f.member == field) return f.name;
    }
    return nullptr;
}

const char* ProjectDataKey(size_t i) {
    return i < project_file::kDataFields.size() ? project_file::kDataFields[i].name : nullptr;
}

}  // namespace volvenza
