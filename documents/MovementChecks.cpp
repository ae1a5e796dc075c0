#include "documents/MovementChecks.h"

#include <algorithm>
#include <cmath>

#include "engine/Duties.h"
#include "engine/FlowModel.h"
#include "engine/MovementKinds.h"
#include "messages/Message.h"
#include "numbers/NumberText.h"

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace volvenza {
namespace {

const char* const kEndNotAfterStart =
    QT_TRANSLATE_NOOP("volvenza::CycleTableModel",
                      "Tf è uguale o minore di Ti: la simulazione si fermerà su questo movimento");
const char* const kBothTimesZero = QT_TRANSLATE_NOOP(
    "volvenza::CycleTableModel",
    "Ti e Tf sono a 0: la simulazione chiederà se procedere, e il movimento non assorbirà "
    "portata");
const char* const kFlowNotFinite = QT_TRANSLATE_NOOP(
    "volvenza::CycleTableModel",
    "Qm non è un numero finito: la simulazione non può usarla; controllare tempi e misure");
const char* const kFlowNegative = QT_TRANSLATE_NOOP(
    "volvenza::CycleTableModel",
    "Qm è negativa: un attuatore assorbe portata, non la restituisce; controllare le misure");
const char* const kRodWiderThanBore =
    QT_TRANSLATE_NOOP("volvenza::CycleTableModel",
                      "Qm è negativa perché il diametro dello stelo d supera l'alesaggio D");
const char* const kFlowWithoutDuration = QT_TRANSLATE_NOOP(
    "volvenza::CycleTableModel",
    "Qm non è mostrata: con Tf uguale a Ti il movimento non dura e non ha una portata");
const char* const kTypedFlow = QT_TRANSLATE_NOOP(
    "volvenza::CycleTableModel", "Qm immesso a mano: le misure e i tempi danno %1 dm3/min");
const char* const kBeforeCycle = QT_TRANSLATE_NOOP(
    "volvenza::CycleTableModel",
    "Il movimento comincia prima di 0 s: la simulazione rifiuta un tempo negativo");
const char* const kTimeNotFinite = QT_TRANSLATE_NOOP(
    "volvenza::CycleTableModel", "Ti o Tf non è un numero finito: la simulazione non può usarlo");
const char* const kLoadWithoutSizes = QT_TRANSLATE_NOOP(
    "volvenza::CycleTableModel",
    "Il carico non dà una pressione: le misure del movimento non danno un'area o una "
    "cilindrata; vale p1");
const char* const kAfterCycle =
    QT_TRANSLATE_NOOP("volvenza::CycleTableModel", "Il movimento esce dal ciclo, che dura %1 s");

}  // namespace

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

MovementCheck CheckMovement(const Movement& m, float cycleTime,
                            const std::function<std::string(const char*)>& text, char decimal) {
    using Severity = MovementCheck::Severity;
    MovementCheck check;
    auto mark = [&](Severity severity, const char* reason, std::vector<std::string> parts = {}) {
        check.severity = std::max(check.severity, severity);
        check.reasons.push_back(FillParts(text(reason), parts));
    };
    if (m.Ti == 0 && m.Tf == 0) {
        mark(Severity::Warning, kBothTimesZero);
    } else if (m.Tf <= m.Ti) {
        mark(Severity::Error, kEndNotAfterStart);
    }
    if (!std::isfinite(m.Qm)) {
        mark(Severity::Error, kFlowNotFinite);
    } else if (m.Qm < 0 && m.Tf < m.Ti) {
        // The times are at fault, as said above, not the sizes.
    } else if (m.Qm < 0) {
        const bool rod = PageShows(ListedKind(m.Kind), &Movement::BoreDiameter) &&
                         PageShows(ListedKind(m.Kind), &Movement::RodDiameter) &&
                         m.RodDiameter > m.BoreDiameter;
        mark(Severity::Error, rod ? kRodWiderThanBore : kFlowNegative);
    } else if (m.Tf == m.Ti && m.Qm != 0) {
        mark(Severity::None, kFlowWithoutDuration);
    }
    // The run refuses these, as it refuses a negative flow.
    if (!std::isfinite(m.Ti) || !std::isfinite(m.Tf)) {
        mark(Severity::Error, kTimeNotFinite);
    } else if (std::min(m.Ti, m.Tf) < 0) {
        mark(Severity::Error, kBeforeCycle);
    }
    if (cycleTime > 0 && std::max(m.Ti, m.Tf) > cycleTime) {
        mark(Severity::Warning, kAfterCycle, {FormatNumber(cycleTime, decimal)});
    }
    if (CheckDuty(m) == DutyFault::NoSizes) mark(Severity::None, kLoadWithoutSizes);
    // Not wrong, only said: the run takes the flow typed.
    if (const auto sizes = OtherFlowOfSizes(m)) {
        mark(Severity::None, kTypedFlow, {FormatNumber(RoundHalfEven(*sizes, 3), decimal)});
    }
    return check;
}

}  // namespace volvenza
