#include "sizing/DutyText.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "messages/TranslationMark.h"
#include "numbers/NumberText.h"
#include "numbers/Quantity.h"
#include "numbers/Rounding.h"

namespace volvenza::sizing {
namespace {

// The movements short of their pressure named one by one; more are counted.
constexpr size_t kShortListed = 5;

std::string Say(const Wording& w, const char* italian, const std::vector<std::string>& parts = {}) {
    return FillParts(
        w.Translate ? w.Translate("volvenza::SizingText", italian) : std::string(italian), parts);
}

std::string Num(const Wording& w, double value, int decimals) {
    if (!std::isfinite(value)) return "-";
    return FormatNumber(RoundHalfEven(value, decimals), w.Decimal);
}
template <class Unit>
std::string Num(const Wording& w, Quantity<Unit> value, int decimals) {
    return Num(w, value.value(), decimals);
}

std::string Verdict(const Wording& w, bool passes) {
    return passes ? Say(w, QT_TRANSLATE_NOOP("volvenza::SizingText", "supera"))
                  : Say(w, QT_TRANSLATE_NOOP("volvenza::SizingText", "non supera"));
}

std::string MovementLine(const Wording& w, const MovementPressure& m) {
    // The run stopped before its end (the oil ran out, the pump switched too
    // often, the gas left its law), as rule 1 says: no lowest to give.
    if (!m.Completed) {
        return Say(w,
                   QT_TRANSLATE_NOOP("volvenza::SizingText",
                                     "Il movimento %1 richiede %2 bar: non giudicato, il calcolo "
                                     "si ferma prima della sua fine."),
                   {std::to_string(m.Movement), Num(w, m.Required, 2)});
    }
    return Say(w,
               QT_TRANSLATE_NOOP("volvenza::SizingText",
                                 "Il movimento %1 richiede %2 bar: la pressione vi scende a %3 bar "
                                 "a %4 °C verso %5 s, margine %6 bar."),
               {std::to_string(m.Movement), Num(w, m.Required, 2), Num(w, m.Lowest, 2),
                Num(w, m.WorkTemp, 2), Num(w, m.Time, 3), Num(w, m.Margin(), 2)});
}

// The emergency stroke's movements: "movimento 4", "movimenti 2, 5".
std::string Marked(const Wording& w, const std::vector<int>& movements) {
    std::string numbers;
    for (int k : movements) numbers += (numbers.empty() ? "" : ", ") + std::to_string(k);
    return movements.size() == 1
               ? Say(w, QT_TRANSLATE_NOOP("volvenza::SizingText", "movimento %1"), {numbers})
               : Say(w, QT_TRANSLATE_NOOP("volvenza::SizingText", "movimenti %1"), {numbers});
}

std::string EmergencyLine(const Wording& w, const EmergencyOutcome& e) {
    const std::string marked = Marked(w, e.Movements);
    if (e.OilOutAt > 0) {
        return Say(w,
                   QT_TRANSLATE_NOOP("volvenza::SizingText",
                                     "Corsa di emergenza, pompa persa (%1), da %2 bar a "
                                     "%3 °C: l'olio finisce durante il movimento %4, che richiede "
                                     "%5 bar: %6."),
                   {marked, Num(w, e.StartPressure, 2), Num(w, e.WorkTemp, 2),
                    std::to_string(e.OilOutAt), Num(w, e.OilOutRequired, 2), Verdict(w, false)});
    }
    return Say(w,
               QT_TRANSLATE_NOOP("volvenza::SizingText",
                                 "Corsa di emergenza, pompa persa (%1), da %2 bar a %3 "
                                 "°C: pressione minima %4 bar, margine %5 bar (movimento %6), "
                                 "restano %7 dm3 di olio: %8."),
               {marked, Num(w, e.StartPressure, 2), Num(w, e.WorkTemp, 2), Num(w, e.Lowest, 2),
                Num(w, e.Margin, 2), std::to_string(e.Tightest), Num(w, e.OilLeft, 3),
                Verdict(w, e.Passes)});
}

std::string HoldLine(const Wording& w, const HoldDuty& hold, const HoldOutcome& h) {
    const std::string held = std::isinf(h.TimeHeld)
                                 ? Say(w, QT_TRANSLATE_NOOP("volvenza::SizingText", "senza fine"))
                                 : Say(w, QT_TRANSLATE_NOOP("volvenza::SizingText", "per %1 s"),
                                       {Num(w, h.TimeHeld, 1)});
    std::vector<std::string> parts{Num(w, hold.Pressure.value(), 2),
                                   Num(w, hold.Time, 1),
                                   Num(w, h.StartPressure, 2),
                                   Num(w, hold.Leakage.value(), 3),
                                   Num(w, hold.Cooling, 1),
                                   Num(w, h.Lowest, 2),
                                   held,
                                   Verdict(w, h.Passes)};
    if (h.OilOutAt) {
        // No pressure is left at the end of the hold time to be said.
        parts.push_back(Num(w, *h.OilOutAt, 1));
        return Say(w,
                   QT_TRANSLATE_NOOP("volvenza::SizingText",
                                     "Pressione mantenuta %1 bar per %2 s, pompa ferma, da %3 bar "
                                     "(trafilamento %4 dm3/min, raffreddamento %5 K): l'olio "
                                     "finisce dopo %9 s, a %6 bar, e la pressione si perde; la "
                                     "tiene %7: %8."),
                   parts);
    }
    return Say(w,
               QT_TRANSLATE_NOOP("volvenza::SizingText",
                                 "Pressione mantenuta %1 bar per %2 s, pompa ferma, da %3 bar "
                                 "(trafilamento %4 dm3/min, raffreddamento %5 K): a fine tempo "
                                 "%6 bar; la tiene %7: %8."),
               parts);
}

}  // namespace

std::vector<std::string> DutySummary(const std::vector<MovementPressure>& movements,
                                     const DutyOutcomes& duties, const DutyPlan& plan,
                                     const Wording& w) {
    std::vector<std::string> lines;
    const auto tightest =
        std::min_element(movements.begin(), movements.end(),
                         [](const MovementPressure& a, const MovementPressure& b) {
                             return a.Margin() < b.Margin();
                         });
    if (tightest != movements.end()) lines.push_back(MovementLine(w, *tightest));
    if (duties.Emergency) lines.push_back(EmergencyLine(w, *duties.Emergency));
    if (duties.Hold && plan.Hold) lines.push_back(HoldLine(w, *plan.Hold, *duties.Hold));
    return lines;
}

std::vector<std::string> DutyFailures(const std::vector<MovementPressure>& shortMovements,
                                      double p1, const DutyOutcomes& duties, const DutyPlan& plan,
                                      const Wording& w) {
    std::vector<std::string> lines;
    // Those that need p1 are told by rule 1's own sentence.
    std::vector<MovementPressure> loaded;
    for (const MovementPressure& m : shortMovements) {
        if (m.Required != GaugeBar(p1)) loaded.push_back(m);
    }
    for (size_t i = 0; i < loaded.size() && i < kShortListed; ++i) {
        lines.push_back(MovementLine(w, loaded[i]));
    }
    if (loaded.size() > kShortListed) {
        lines.push_back(Say(w,
                            QT_TRANSLATE_NOOP("volvenza::SizingText",
                                              "Altri %1 movimenti restano sotto la loro "
                                              "pressione."),
                            {std::to_string(loaded.size() - kShortListed)}));
    }
    if (!duties.EmergencyPasses()) lines.push_back(EmergencyLine(w, *duties.Emergency));
    if (!duties.HoldPasses() && plan.Hold) lines.push_back(HoldLine(w, *plan.Hold, *duties.Hold));
    return lines;
}

std::vector<std::string> DutyHeadings(const DutyColumns& c, const Wording& w) {
    std::vector<std::string> headings;
    if (c.Loads) {
        headings.push_back(
            Say(w, QT_TRANSLATE_NOOP("volvenza::SizingText", "Margine dei movimenti [bar]")));
    }
    if (c.Emergency) {
        headings.push_back(
            Say(w, QT_TRANSLATE_NOOP("volvenza::SizingText", "Margine di emergenza [bar]")));
    }
    if (c.Hold) headings.push_back(Say(w, QT_TRANSLATE_NOOP("volvenza::SizingText", "Tenuta [s]")));
    return headings;
}

std::vector<std::string> DutyCells(const DutyColumns& c,
                                   const std::vector<MovementPressure>& movements,
                                   const DutyOutcomes& duties, const Wording& w) {
    std::vector<std::string> cells;
    if (c.Loads) {
        // A movement not judged has no margin: nor has their smallest.
        double margin = std::numeric_limits<double>::infinity();
        for (const MovementPressure& m : movements) {
            if (!m.Completed) {
                margin = std::nan("");
                break;
            }
            margin = std::min(margin, m.Margin().value());
        }
        cells.push_back(Num(w, margin, 2));
    }
    if (c.Emergency) {
        const EmergencyOutcome* e = duties.Emergency ? &*duties.Emergency : nullptr;
        cells.push_back(!e ? "-"
                        : e->OilOutAt > 0
                            ? Say(w, QT_TRANSLATE_NOOP("volvenza::SizingText", "vuoto"))
                            : Num(w, e->Margin, 2));
    }
    if (c.Hold) {
        cells.push_back(!duties.Hold                        ? "-"
                        : std::isinf(duties.Hold->TimeHeld) ? "∞"
                                                            : Num(w, duties.Hold->TimeHeld, 1));
    }
    return cells;
}

std::vector<std::string> DutyLegend(bool loads, bool emergency, bool hold, const Wording& w) {
    std::vector<std::string> lines;
    if (loads) {
        lines.push_back(Say(w, QT_TRANSLATE_NOOP("volvenza::SizingText",
                                                 "Regola 1 vale anche per ogni movimento: mentre "
                                                 "si muove, la pressione resta sopra quella che "
                                                 "il suo carico richiede (p1 senza carico).")));
    }
    if (emergency) {
        lines.push_back(Say(
            w, QT_TRANSLATE_NOOP("volvenza::SizingText",
                                 "Regola 8: persa la pompa a Pm - Dp (o da pieno), alla "
                                 "temperatura minima, i movimenti di emergenza finiscono ciascuno "
                                 "con la sua pressione.")));
    }
    if (hold) {
        lines.push_back(Say(w, QT_TRANSLATE_NOOP("volvenza::SizingText",
                                                 "Regola 9: a pompa ferma, con il trafilamento e "
                                                 "il raffreddamento del gas, la pressione resta "
                                                 "sopra quella da mantenere per il suo tempo.")));
    }
    return lines;
}

namespace {

// A figure with its unit, as the results' rows give it.
template <typename Value>
std::string With(const Wording& w, Value value, int decimals, const char* unit) {
    return Num(w, value, decimals) + " " + unit;
}

std::string Suffices(const Wording& w, bool passes) {
    return passes ? Say(w, QT_TRANSLATE_NOOP("volvenza::SizingText", "basta"))
                  : Say(w, QT_TRANSLATE_NOOP("volvenza::SizingText", "NON basta"));
}

}  // namespace

std::string MovementVerdict(const MovementPressure& m, const Wording& w) {
    const std::string number = std::to_string(m.Movement);
    if (!m.Completed) {
        return Say(w,
                   QT_TRANSLATE_NOOP("volvenza::SizingText",
                                     "movimento %1: richiede %2 bar, non si compie"),
                   {number, Num(w, m.Required, 1)});
    }
    const std::vector<std::string> parts{number, Num(w, m.Required, 1), Num(w, m.Lowest, 1),
                                         Num(w, m.Time, 2),
                                         Num(w, std::abs(m.Margin().value()), 1)};
    return m.Passes() ? Say(w,
                            QT_TRANSLATE_NOOP("volvenza::SizingText",
                                              "movimento %1: richiede %2 bar, minima %3 bar a %4 "
                                              "s, margine %5 bar"),
                            parts)
                      : Say(w,
                            QT_TRANSLATE_NOOP("volvenza::SizingText",
                                              "movimento %1: richiede %2 bar, minima %3 bar a %4 "
                                              "s, MANCANO %5 bar"),
                            parts);
}

VerdictRow EmergencyVerdict(const EmergencyOutcome& e, const Wording& w) {
    VerdictRow row{Say(w, QT_TRANSLATE_NOOP("volvenza::SizingText", "Corsa di emergenza (%1)"),
                       {Marked(w, e.Movements)}),
                   {}};
    // Where the oil runs out the pressure is lost: no lowest nor margin happened.
    if (e.OilOutAt > 0) {
        row.value = Say(
            w,
            QT_TRANSLATE_NOOP("volvenza::SizingText",
                              "da %1, l'olio finisce durante il movimento %2: %3"),
            {With(w, e.StartPressure, 1, "bar"), std::to_string(e.OilOutAt), Suffices(w, false)});
        return row;
    }
    row.value =
        Say(w,
            QT_TRANSLATE_NOOP("volvenza::SizingText",
                              "da %1, minima %2, margine %3, olio rimasto %4: %5"),
            {With(w, e.StartPressure, 1, "bar"), With(w, e.Lowest, 1, "bar"),
             With(w, e.Margin, 1, "bar"), With(w, e.OilLeft, 2, "dm3"), Suffices(w, e.Passes)});
    return row;
}

VerdictRow HoldVerdict(const HoldDuty& hold, const HoldOutcome& h, const Wording& w) {
    const std::string time = std::isinf(h.TimeHeld)
                                 ? Say(w, QT_TRANSLATE_NOOP("volvenza::SizingText", "sempre"))
                                 : With(w, h.TimeHeld, 0, "s");
    VerdictRow row{
        Say(w, QT_TRANSLATE_NOOP("volvenza::SizingText", "Pressione mantenuta %1 per %2"),
            {With(w, hold.Pressure, 1, "bar"), With(w, hold.Time, 0, "s")}),
        {}};
    // Where the oil runs out the pressure is lost: no lowest to show.
    row.value =
        h.OilOutAt
            ? Say(w,
                  QT_TRANSLATE_NOOP("volvenza::SizingText",
                                    "da %1, l'olio finisce dopo %2, tenuta per %3: %4"),
                  {With(w, h.StartPressure, 1, "bar"), With(w, *h.OilOutAt, 0, "s"), time,
                   Suffices(w, h.Passes)})
            : Say(w,
                  QT_TRANSLATE_NOOP("volvenza::SizingText", "da %1, minima %2, tenuta per %3: %4"),
                  {With(w, h.StartPressure, 1, "bar"), With(w, h.Lowest, 1, "bar"), time,
                   Suffices(w, h.Passes)});
    return row;
}

std::string VesselsText(const Arrangement& v, const Wording& w) {
    const auto say = [&w](const char* italian, const std::string& part) {
        return FillParts(
            w.Translate ? w.Translate("volvenza::frmMain", italian) : std::string(italian), {part});
    };
    std::string text;
    if (v.Count > 1) {
        text += say(QT_TRANSLATE_NOOP("volvenza::frmMain", "; %1 accumulatori di Vo in parallelo"),
                    std::to_string(v.Count));
    }
    if (v.BottleVolume > 0) {
        text += say(QT_TRANSLATE_NOOP("volvenza::frmMain", "; bombole %1 dm3"),
                    FormatNumber(v.BottleVolume, w.Decimal));
    }
    if (v.VolumetricEfficiency != 1) {
        text += say(QT_TRANSLATE_NOOP("volvenza::frmMain", "; rendimento volumetrico %1"),
                    FormatNumber(v.VolumetricEfficiency, w.Decimal));
    }
    return text;
}

}  // namespace volvenza::sizing
