#include "documents/CycleCells.h"

#include <cmath>
#include <optional>

#include "documents/PastedMovements.h"
#include "engine/Duties.h"
#include "engine/MovementKinds.h"
#include "numbers/NumberText.h"
#include "numbers/Rounding.h"

namespace volvenza {

bool CycleCellShown(int16_t kind, int column) {
    const int16_t listed = ListedKind(kind);
    if (column == PasteColumn::Load || column == PasteColumn::Efficiency) {
        return LoadKindOf(listed) != LoadKind::None;
    }
    if (column < PasteColumn::Bore || column >= PasteColumn::Flow) return true;
    return PageShows(listed, PasteColumnField(column));
}

std::string CycleCellText(const Movement& m, int column, char decimal) {
    const MovementDuty& d = m.Duty;
    switch (column) {
        case PasteColumn::Kind:
        case PasteColumn::Emergency:
            return {};
        case PasteColumn::Flow:
            // A flow over no time, or no number at all, is not shown as one.
            return std::isfinite(m.Qm) && (m.Tf != m.Ti || m.Qm == 0) ? FormatNumber(m.Qm, decimal)
                                                                      : std::string();
        case PasteColumn::Load:
            return d.Load != 0 ? FormatNumber(d.Load, decimal) : std::string();
        case PasteColumn::Efficiency:
            return FormatNumber(d.Efficiency, decimal);
        case PasteColumn::Loss:
            return d.Loss != 0 ? FormatNumber(d.Loss, decimal) : std::string();
        case PasteColumn::TypedRequired:
            return d.Required ? FormatNumber(*d.Required, decimal) : std::string();
        case PasteColumn::Required: {
            const std::optional<double> p = LoadPressure(m);
            return p ? FormatNumber(RoundHalfEven(*p, 1), decimal) : std::string();
        }
        default:
            return FormatNumber(m.*PasteColumnField(column), decimal);
    }
}

std::string CycleKeptText(const Movement& m, int column, char decimal) {
    if (column == PasteColumn::Flow) return FormatNumber(m.Qm, decimal);
    if (column >= PasteColumn::Load && column <= PasteColumn::TypedRequired) {
        const std::string shown = CycleCellText(m, column, decimal);
        return shown.empty() ? "-" : shown;
    }
    float Movement::*field = PasteColumnField(column);
    return field != nullptr ? FormatNumber(m.*field, decimal) : std::string();
}

}  // namespace volvenza
