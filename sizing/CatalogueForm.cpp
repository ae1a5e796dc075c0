#include "sizing/CatalogueForm.h"

#include <cmath>
#include <limits>

namespace volvenza::sizing {
namespace {

// Each column's figure, out of a size and into it.
std::optional<double> V0Of(const CatalogueSize& s) {
    return s.V0.value();
}
void SetV0(CatalogueSize& s, std::optional<double> x) {
    s.V0 = Dm3(x.value_or(0));
}
// A piston's ratio has no limit: infinity.
std::optional<double> RatioOf(const CatalogueSize& s) {
    return std::isinf(s.MaxRatio) ? std::nullopt : std::optional(s.MaxRatio);
}
void SetRatio(CatalogueSize& s, std::optional<double> x) {
    s.MaxRatio = x.value_or(std::numeric_limits<double>::infinity());
}
std::optional<double> RatedOf(const CatalogueSize& s) {
    return OptionalValue(s.RatedPressure);
}
void SetRated(CatalogueSize& s, std::optional<double> x) {
    s.RatedPressure = OptionalOf<GaugeBar>(x);
}
std::optional<double> FlowOf(const CatalogueSize& s) {
    return OptionalValue(s.MaxFlow);
}
void SetFlow(CatalogueSize& s, std::optional<double> x) {
    s.MaxFlow = OptionalOf<Dm3PerMin>(x);
}
std::optional<double> TauOf(const CatalogueSize& s) {
    return s.Tau;
}
void SetTau(CatalogueSize& s, std::optional<double> x) {
    s.Tau = x;
}
std::optional<double> SwingOf(const CatalogueSize& s) {
    return OptionalValue(s.RatedSwing);
}
void SetSwing(CatalogueSize& s, std::optional<double> x) {
    s.RatedSwing = OptionalOf<BarDifference>(x);
}
std::optional<double> CyclesOf(const CatalogueSize& s) {
    return s.RatedCycles;
}
void SetCycles(CatalogueSize& s, std::optional<double> x) {
    s.RatedCycles = x;
}

}  // namespace

// clang-format off
const std::array<CatalogueColumnForm, kCatalogueColumnCount> kCatalogueColumns = {{
    {QT_TRANSLATE_NOOP("volvenza::SizingText", "V0 [dm3]"),
     "V0", "V0", "V0", {}, 3, false, &V0Of, &SetV0},
    {QT_TRANSLATE_NOOP("volvenza::SizingText", "Rapporto max"),
     "max_ratio", "rapporto_max", nullptr, MessageId::CatalogueRatio, 2, false, &RatioOf, &SetRatio},
    {QT_TRANSLATE_NOOP("volvenza::SizingText", "PS [bar]"),
     "PS", "PS", "PS", {}, 2, false, &RatedOf, &SetRated},
    {QT_TRANSLATE_NOOP("volvenza::SizingText", "Portata max [dm3/min]"),
     "max_flow", "portata_max", nullptr, MessageId::CatalogueFlow, 1, false, &FlowOf, &SetFlow},
    {QT_TRANSLATE_NOOP("volvenza::SizingText", "τ [s]"),
     "tau", "tau", "τ", {}, 2, false, &TauOf, &SetTau},
    {QT_TRANSLATE_NOOP("volvenza::SizingText", "Escursione max [bar]"),
     "rated_swing", "escursione_max", nullptr, MessageId::CatalogueSwing, 2, true, &SwingOf, &SetSwing},
    {QT_TRANSLATE_NOOP("volvenza::SizingText", "Cicli nominali"),
     "rated_cycles", "cicli_escursione", nullptr, MessageId::CatalogueCycles, 0, true, &CyclesOf, &SetCycles},
}};
// clang-format on

std::optional<AccumulatorType> TypeNamed(std::string_view name) {
    for (size_t i = 0; i < kAccumulatorTypes.size(); ++i) {
        if (name == kAccumulatorTypes[i].name) return static_cast<AccumulatorType>(i);
    }
    return std::nullopt;
}

MessagePart ColumnName(const CatalogueColumnForm& column) {
    return column.symbol != nullptr ? MsgVerbatim(column.symbol) : MsgNested(column.words);
}

}  // namespace volvenza::sizing
