// The candidates' table and its legend: every design tried, its lowest
// pressure at each temperature, its margin, the rules it fails.
#include <algorithm>
#include <cmath>
#include <limits>

#include "sizing/AnswerWords.h"
#include "sizing/DutyText.h"

namespace volvenza::sizing::answer_text {

std::vector<int> FailedRules(const Evaluation& e) {
    std::vector<int> rules;
    for (int r = 0; r < kRuleCount; ++r) {
        if (!e.Rules[r]) rules.push_back(r + 1);
    }
    return rules;
}

// The candidates' first column: "10", "2 × 10" in parallel, "10 + 2 × 50" with bottles.
std::string VolumeText(const Design& d, const Words& w) {
    if (d.Count > 1) return std::to_string(d.Count) + " × " + w.Num(d.V0, 3);
    if (d.Bottles > 0) {
        return w.Num(d.V0, 3) + " + " + std::to_string(d.Bottles) + " × " + w.Num(d.BottleSize, 3);
    }
    return w.Num(d.V0, 3);
}

namespace {

std::vector<std::string> CandidateHeadings(const SizingAnswer& a, const Requirements& req,
                                           bool pumps, const Words& w) {
    std::vector<std::string> headings{w(QT_TRANSLATE_NOOP("volvenza::SizingText", "V0 [dm3]")),
                                      w(QT_TRANSLATE_NOOP("volvenza::SizingText", "P0 [bar]"))};
    if (pumps) headings.push_back(w(QT_TRANSLATE_NOOP("volvenza::SizingText", "Qp [dm3/min]")));
    for (double temp : a.Temperatures) {
        headings.push_back(
            w(QT_TRANSLATE_NOOP("volvenza::SizingText", "Pmin a %1 °C [bar]"), {w.Num(temp, 2)}));
    }
    // Over a working day the margin counts the drift to the day's end, which
    // the Pmin columns, the cycles run, do not: the heading says which.
    headings.push_back(
        req.SingleCycle
            ? w(QT_TRANSLATE_NOOP("volvenza::SizingText", "Margine [bar]"))
            : w(QT_TRANSLATE_NOOP("volvenza::SizingText", "Margine nella giornata [bar]")));
    headings.push_back(w(QT_TRANSLATE_NOOP("volvenza::SizingText", "Regole non rispettate")));
    headings.push_back(w(QT_TRANSLATE_NOOP("volvenza::SizingText", "Esito")));
    return headings;
}

std::vector<std::string> CandidateRow(const Evaluation& e, const SizingAnswer& a, double p1,
                                      bool pumps, const Words& w) {
    std::vector<std::string> row{VolumeText(e.Proposed, w), w.Num(e.Proposed.P0, 1)};
    if (pumps) row.push_back(w.Num(e.Proposed.Qp, 1));
    double margin = std::numeric_limits<double>::infinity();
    for (size_t i = 0; i < a.Temperatures.size(); ++i) {
        if (i >= e.Temps.size()) {
            row.push_back("-");
            continue;
        }
        const TemperatureOutcome& o = e.Temps[i];
        row.push_back(o.Warning      ? w(QT_TRANSLATE_NOOP("volvenza::SizingText", "vuoto"))
                      : o.OutsideGas ? w(QT_TRANSLATE_NOOP("volvenza::SizingText", "condensa"))
                      : o.Chatters   ? w(QT_TRANSLATE_NOOP("volvenza::SizingText", "commuta"))
                                     : w.Num(o.LowestPressure, 2));
        // A run stopped where the pump loads again too soon has no lowest of its own.
        if (!o.Chatters) margin = std::min(margin, std::min(o.LowestPressure, o.DayLowest) - p1);
    }
    row.push_back(std::isinf(margin) ? "-" : w.Num(margin, 2));
    const std::vector<int> failed = FailedRules(e);
    row.push_back(failed.empty() ? "-" : RulesText(failed));
    row.push_back(e.Passes() ? w(QT_TRANSLATE_NOOP("volvenza::SizingText", "supera"))
                             : w(QT_TRANSLATE_NOOP("volvenza::SizingText", "non supera")));
    return row;
}

void AddRuleLegend(AnswerLayout& out, const Requirements& req, const Words& w) {
    out.Legend = {
        req.SingleCycle
            ? w(QT_TRANSLATE_NOOP("volvenza::SizingText",
                                  "Regola 1: pressione mai sotto p1 nel ciclo, partendo carico, e "
                                  "pompa che non carica più di una volta al secondo."))
            : w(QT_TRANSLATE_NOOP(
                  "volvenza::SizingText",
                  "Regola 1: mai sotto p1 a regime per una giornata di lavoro; la pompa fornisce "
                  "l'olio del ciclo, riporta a Pm e carica al più una volta al secondo.")),
        req.Type == AccumulatorType::Piston
            ? w(QT_TRANSLATE_NOOP(
                  "volvenza::SizingText",
                  "Regola 2: precarica (più la tolleranza) alla temperatura massima al più p1 - "
                  "5 bar."))
            : w(QT_TRANSLATE_NOOP(
                  "volvenza::SizingText",
                  "Regola 2: precarica (più la tolleranza) alla temperatura massima al più 0,9 "
                  "p1.")),
        w(QT_TRANSLATE_NOOP(
            "volvenza::SizingText",
            "Regola 3: rapporto Pm / precarica (meno la tolleranza) alla temperatura minima "
            "entro quello della grandezza.")),
        w(QT_TRANSLATE_NOOP(
            "volvenza::SizingText",
            "Regola 4: Pm entro PS ed entro 0,9 volte la taratura della valvola di massima.")),
        w(QT_TRANSLATE_NOOP(
            "volvenza::SizingText",
            "Regola 5: portata d'olio entro la massima della grandezza, dove il catalogo la "
            "dà.")),
        w(QT_TRANSLATE_NOOP("volvenza::SizingText",
                            "Regola 6: gas mai più freddo di quanto l'elemento separatore "
                            "ammette.")),
        w(QT_TRANSLATE_NOOP("volvenza::SizingText",
                            "Regola 7: escursione di pressione di ogni ciclo dopo il primo entro "
                            "quella che il costruttore ammette, dove il catalogo la dà.")),
        w(QT_TRANSLATE_NOOP(
            "volvenza::SizingText",
            "Pressioni assolute, stesso azoto per ogni legge; Pmin e margine in bar come "
            "immessi.")),
    };
    if (!req.SingleCycle) {
        out.Legend.push_back(w(QT_TRANSLATE_NOOP(
            "volvenza::SizingText",
            "Margine nella giornata: la pressione più bassa fino a fine giornata meno p1 (Pmin: "
            "dei cicli calcolati).")));
    }
}

// The duties' columns and rules, where asked for: any candidate shows
// which; the columns go before the rules failed and the verdict.
void AddDutyColumns(AnswerLayout& out, const SizingAnswer& answer, const Wording& wording) {
    if (!answer.Candidates.empty()) {
        const Evaluation& any = answer.Candidates.front();
        const DutyColumns columns{!any.Movements.empty(), any.Duties.Emergency.has_value(),
                                  any.Duties.Hold.has_value()};
        const auto insert = [](std::vector<std::string>& row, std::vector<std::string> cells) {
            row.insert(row.end() - std::min<std::ptrdiff_t>(2, std::ssize(row)), cells.begin(),
                       cells.end());
        };
        if (columns.Any()) {
            insert(out.Candidates.Headings, DutyHeadings(columns, wording));
            for (size_t r = 0; r < answer.Candidates.size(); ++r) {
                const Evaluation& e = answer.Candidates[r];
                insert(out.Candidates.Rows[r], DutyCells(columns, e.Movements, e.Duties, wording));
            }
        }
        for (const std::string& line :
             DutyLegend(columns.Loads, columns.Emergency, columns.Hold, wording)) {
            out.Legend.push_back(line);
        }
    }
}

}  // namespace

void AddCandidates(AnswerLayout& out, const SizingAnswer& a, const Requirements& req,
                   const Words& w) {
    const double p1 = req.MinPressure.value();
    bool pumps = a.PumpSized;
    for (const Evaluation& e : a.Candidates) {
        pumps = pumps || e.Proposed.Qp != a.Candidates.front().Proposed.Qp;
    }
    out.Candidates.Headings = CandidateHeadings(a, req, pumps, w);
    out.Candidates.Highlighted = a.Recommended;
    for (const Evaluation& e : a.Candidates) {
        out.Candidates.Rows.push_back(CandidateRow(e, a, p1, pumps, w));
    }
    AddRuleLegend(out, req, w);
    const bool ends = std::any_of(a.Candidates.begin(), a.Candidates.end(),
                                  [](const Evaluation& e) { return e.AtEnds; });
    if (ends) {
        out.Legend.push_back(
            w(QT_TRANSLATE_NOOP("volvenza::SizingText",
                                "Un progetto che supera alla sua precarica è calcolato anche con "
                                "la precarica meno e più la tolleranza: Pmin, margini, movimenti "
                                "e compiti sono i peggiori dei tre.")));
    }
    AddDutyColumns(out, a, w.Source());
}

}  // namespace volvenza::sizing::answer_text
