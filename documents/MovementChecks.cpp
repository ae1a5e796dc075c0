#include "documents/MovementChecks.h"

#include <algorithm>
#include <cmath>

#include "engine/Duties.h"
#include "engine/FlowModel.h"
#include "engine/MovementKinds.h"
#include "messages/Message.h"
#include "numbers/NumberText.h"

namespace volvenza {

// The flow the sizes and times give when the one stored is another: typed
// by hand. The editor keeps a computed flow to 3 decimals, so half a
// thousandth apart is the same flow.
std::optional<double> OtherFlowOfSizes(Movement m) {
    if (!(m.Ti < m.Tf) || !std::isfinite(m.Qm)) return std::nullopt;
    m.Kind = ListedKind(m.Kind);
    const std::optional<double> sizes = FlowOfSizes(m);
    if (!sizes || !std::isfinite(*sizes)) return std::nullopt;
    const double slack = 0.0005 + 1e-12 * std::abs(*sizes);
    if (std::abs(m.Qm - *sizes) <= slack) return std::nullopt;
    return *sizes;
}

MovementCheck CheckMovement(const Movement& m, float cycleTime) {
    using Severity = MovementCheck::Severity;
    MovementCheck check;
    auto mark = [&](Severity severity, MessageId reason, std::vector<MessagePart> parts = {}) {
        check.severity = std::max(check.severity, severity);
        check.reasons.emplace_back(reason, std::move(parts));
    };
    if (m.Ti == 0 && m.Tf == 0) {
        mark(Severity::Warning, MessageId::RowBothTimesZero);
    } else if (m.Tf <= m.Ti) {
        mark(Severity::Error, MessageId::RowEndNotAfterStart);
    }
    if (!std::isfinite(m.Qm)) {
        mark(Severity::Error, MessageId::RowFlowNotFinite);
    } else if (m.Qm < 0 && m.Tf < m.Ti) {
        // The times are at fault, as said above, not the sizes.
    } else if (m.Qm < 0) {
        const bool rod = PageShows(ListedKind(m.Kind), &Movement::BoreDiameter) &&
                         PageShows(ListedKind(m.Kind), &Movement::RodDiameter) &&
                         m.RodDiameter > m.BoreDiameter;
        mark(Severity::Error, rod ? MessageId::RowRodWiderThanBore : MessageId::RowFlowNegative);
    } else if (m.Tf == m.Ti && m.Qm != 0) {
        mark(Severity::None, MessageId::RowFlowWithoutDuration);
    }
    // The run refuses these, as it refuses a negative flow.
    if (!std::isfinite(m.Ti) || !std::isfinite(m.Tf)) {
        mark(Severity::Error, MessageId::RowTimeNotFinite);
    } else if (std::min(m.Ti, m.Tf) < 0) {
        mark(Severity::Error, MessageId::RowBeforeCycle);
    }
    if (cycleTime > 0 && std::max(m.Ti, m.Tf) > cycleTime) {
        mark(Severity::Warning, MessageId::RowAfterCycle, {MsgBoxNumber(cycleTime)});
    }
    if (CheckDuty(m) == DutyFault::NoSizes) mark(Severity::None, MessageId::RowLoadWithoutSizes);
    // Not wrong, only said: the run takes the flow typed.
    if (const auto sizes = OtherFlowOfSizes(m)) {
        mark(Severity::None, MessageId::RowTypedFlow, {MsgBoxNumber(RoundHalfEven(*sizes, 3))});
    }
    return check;
}

}  // namespace volvenza
