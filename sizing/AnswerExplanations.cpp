#include <algorithm>
#include <string>
#include <vector>

#include "sizing/AnswerWords.h"
#include "sizing/DutyText.h"

// The reasons the sizes smaller than the recommendation fail, rule by rule,
// with the single changes that would make each pass.

namespace volvenza::sizing::answer_text {
namespace {

// The movements under way named in an explanation; more are counted.
constexpr size_t kActiveListed = 5;

// Each line of an explanation, set in under its heading.
struct Indented {
    std::vector<std::string>& lines;
    void operator()(const std::string& text) const { lines.push_back("   " + text); }
};

// Where the pressure fell lowest, the movements under way then, and the oil
// missing to stay above p1.
void ExplainLowestPoint(const Indented& line, const Explanation& x, const Words& w) {
    // A long cycle can have a hundred movements under way: the
    // first few name the moment, a count says the rest.
    std::vector<std::string> active;
    for (const ActiveMovement& m : x.Active) {
        if (active.size() == kActiveListed) break;
        active.push_back(w(QT_TRANSLATE_NOOP("volvenza::SizingText", "%1 (%2)"),
                           {std::to_string(m.Number), KindText(m.Kind, w.Source())}));
    }
    std::string activeText = w.List(active);
    if (x.Active.size() > kActiveListed) {
        activeText += w(QT_TRANSLATE_NOOP("volvenza::SizingText", " e altri %1"),
                        {std::to_string(x.Active.size() - kActiveListed)});
    }
    line(
        w(QT_TRANSLATE_NOOP("volvenza::SizingText",
                            "La pressione scende a %1 bar a %2 °C verso %3 s del ciclo %4; "
                            "movimenti attivi: %5."),
          // A time is whole steps of a hundredth: more decimals show nothing.
          {w.Num(x.LowestPressure, 2), w.Num(x.WorkTemp, 2), w.Num(x.Time, 2),
           std::to_string(x.Cycle),
           active.empty() ? w(QT_TRANSLATE_NOOP("volvenza::SizingText", "nessuno")) : activeText}));
    const std::string missing = w.Num(x.MissingOil, 3);
    if (x.AtLeast && missing == "0") {
        // Emptied above p1: no oil figure to give, only the reason.
        line(w(QT_TRANSLATE_NOOP("volvenza::SizingText",
                                 "L'accumulatore si svuota: il gas si espande fino "
                                 "alla precarica prima che la pressione scenda a p1.")));
    } else {
        line(x.AtLeast ? w(QT_TRANSLATE_NOOP("volvenza::SizingText",
                                             "Mancano almeno %1 dm3 di olio per restare sopra p1 "
                                             "(il gas si è espanso fino alla precarica)."),
                           {missing})
                       : w(QT_TRANSLATE_NOOP("volvenza::SizingText",
                                             "Mancano %1 dm3 di olio per restare sopra p1."),
                           {missing}));
    }
}

// Why rule 1 fails: the gas left its law, the pump is short of the cycle's
// oil, it loads too often, the lowest point drifts, the run never settles
// or recharges, or where the pressure fell below p1.
void ExplainPressure(const Indented& line, const Explanation& x, const Evaluation& e,
                     const Requirements& req, const CircuitData& data, const Words& w) {
    if (x.OutsideGas) {
        line(w(QT_TRANSLATE_NOOP("volvenza::SizingText",
                                 "Il gas esce dal campo in cui la sua legge vale (l'azoto "
                                 "condensa): il progetto non si può giudicare così.")));
    } else if (e.PumpShort) {
        line(w(QT_TRANSLATE_NOOP("volvenza::SizingText",
                                 "La pompa può fornire %1 dm3 per ciclo, il ciclo ne preleva %2."),
               {w.Num(e.PumpOil, 3), w.Num(e.CycleOil, 3)}));
    } else if (x.Chatters && x.ChatterCycle == 0) {
        line(w(
            QT_TRANSLATE_NOOP("volvenza::SizingText",
                              "Carichi della pompa in un ciclo di %2 s: in media %1 (a %3 °C), più "
                              "di uno al secondo: la valvola di messa a vuoto commuterebbe troppo "
                              "spesso. Servono più gas o un Dp più ampio."),
            {w.Num(x.PumpStarts, 2), w.Num(data.CycleTime, 2), w.Num(x.WorkTemp, 2)}));
    } else if (x.Chatters) {
        line(w(
            QT_TRANSLATE_NOOP("volvenza::SizingText",
                              "Nel ciclo %1 la pompa carica %2 volte nei primi %3 s (a %4 °C): la "
                              "valvola di messa a vuoto commuterebbe più di una volta al secondo. "
                              "Servono più gas o un Dp più ampio."),
            {std::to_string(x.ChatterCycle), std::to_string(MaxLoads(data.CycleTime) + 1),
             w.Num(x.ChatterAt, 3), w.Num(x.WorkTemp, 2)}));
    } else if (x.Drifting) {
        line(w(QT_TRANSLATE_NOOP(
                   "volvenza::SizingText",
                   "La pressione minima scende di %1 bar per ciclo: dopo %2 cicli sarebbe "
                   "sotto p1."),
               {w.Num(x.Drift, 4), std::to_string(x.CyclesToP1)}));
    } else if (x.NotSettled && GaugeBar(x.LowestPressure) >= req.MinPressure && !x.AtLeast) {
        line(w(QT_TRANSLATE_NOOP(
                   "volvenza::SizingText",
                   "Il funzionamento non si assesta entro %1 cicli: ritorni a Pm dopo il "
                   "primo ciclo: %2; la pompa eroga per il %3 % del tempo."),
               {std::to_string(kMaxCycles), std::to_string(x.Recharges),
                w.Num(x.PumpShare * 100, 1)}));
    } else if (x.NotRecharged && GaugeBar(x.LowestPressure) >= req.MinPressure && !x.AtLeast) {
        line(w(QT_TRANSLATE_NOOP(
                   "volvenza::SizingText",
                   "La pompa non riporta l'accumulatore a Pm nel ciclo a regime: eroga per "
                   "il %1 % del tempo, senza margine."),
               {w.Num(x.PumpShare * 100, 1)}));
    } else if (x.AtLeast || GaugeBar(x.LowestPressure) < req.MinPressure ||
               x.ShortMovements.empty()) {
        ExplainLowestPoint(line, x, w);
    }
    // Otherwise p1 holds and only movements fall short: their lines follow.
}

// Rules 2 to 7, each with its figures; rules 2 and 4, the same for every
// size, said once.
void ExplainOtherRules(const Indented& line, const Evaluation& e, const Requirements& req,
                       const CircuitData& data, const Words& w, bool& ruleTwoSaid,
                       bool& ruleFourSaid) {
    if (!e.Rules[kPrechargeRule] && !ruleTwoSaid) {
        ruleTwoSaid = true;
        line(w(QT_TRANSLATE_NOOP(
                   "volvenza::SizingText",
                   "Precarica alla temperatura massima, con la tolleranza: %1 bar; la regola 2 "
                   "ne ammette al più %2."),
               {w.Num(e.PrechargeHigh, 2), w.Num(e.PrechargeLimit, 2)}));
    }
    if (!e.Rules[kRatioRule]) {
        line(w(QT_TRANSLATE_NOOP(
                   "volvenza::SizingText",
                   "Rapporto di compressione %1; questa grandezza ne ammette al più %2."),
               {w.Num(e.Ratio, 2), w.Num(req.Catalogue[e.Size].MaxRatio, 2)}));
    }
    if (!e.Rules[kRatedRule] && !ruleFourSaid) {
        ruleFourSaid = true;
        line(w(QT_TRANSLATE_NOOP(
                   "volvenza::SizingText",
                   "Pm %1 bar supera PS o 0,9 volte la taratura della valvola di massima."),
               {w.Num(data.Pm, 2)}));
    }
    if (!e.Rules[kFlowRule] && req.Catalogue[e.Size].MaxFlow) {
        line(w(
            QT_TRANSLATE_NOOP("volvenza::SizingText",
                              "Portata d'olio fino a %1 dm3/min; questa grandezza ne ammette %2."),
            {w.Num(e.PeakFlow(), 1), w.Num(*req.Catalogue[e.Size].MaxFlow, 1)}));
    }
    if (!e.Rules[kGasTempRule]) {
        line(w(QT_TRANSLATE_NOOP("volvenza::SizingText",
                                 "Il gas scende a %1 °C; l'elemento separatore ne ammette "
                                 "almeno %2."),
               {w.Num(e.LowestGasTemp(), 1), w.Num(AllowedGasTemperature(req), 1)}));
    }
    if (!e.Rules[kSwingRule]) {
        // Rule 7 fails only where the size has a rating.
        const double rated = req.Catalogue[e.Size].RatedSwing.value_or(BarDifference(0)).value();
        line(w(QT_TRANSLATE_NOOP(
                   "volvenza::SizingText",
                   "Escursione di pressione %1 bar per ciclo; questa grandezza ne ammette %2."),
               {w.Num(e.Swing(), 2), w.Num(rated, 2)}));
    }
}

// The single figures that would each make the size pass.
void ExplainFixes(const Indented& line, const Explanation& x, const Words& w) {
    std::vector<std::string> fixes;
    // The fixes are searched in hundredths of a dm3 and tenths: more
    // decimals would show nothing more.
    if (x.FixV0) fixes.push_back("V0 = " + w.Num(*x.FixV0, 2) + " dm3");
    if (x.FixP0) fixes.push_back("P0 = " + w.Num(*x.FixP0, 1) + " bar");
    if (x.FixQp) fixes.push_back("Qp = " + w.Num(*x.FixQp, 1) + " dm3/min");
    if (!fixes.empty()) {
        line(w(QT_TRANSLATE_NOOP("volvenza::SizingText",
                                 "Basterebbe, cambiando solo una grandezza: %1."),
               {w.List(fixes)}));
    }
}

}  // namespace

void AddExplanations(AnswerLayout& out, const SizingAnswer& a, const Requirements& req,
                     const CircuitData& data, const Words& w) {
    out.ExplanationsHeading = w(
        QT_TRANSLATE_NOOP("volvenza::SizingText", "Perché le grandezze più piccole non bastano:"));
    bool ruleTwoSaid = false, ruleFourSaid = false;
    const Indented line{out.Explanations};
    for (const Explanation& x : a.Explanations) {
        const auto it = std::find_if(a.Candidates.begin(), a.Candidates.end(),
                                     [&](const Evaluation& e) { return e.Proposed.V0 == x.V0; });
        if (it == a.Candidates.end()) continue;
        const Evaluation& e = *it;
        out.Explanations.push_back(
            w(QT_TRANSLATE_NOOP("volvenza::SizingText", "%1 dm3: non rispetta la regola %2."),
              {w.Num(x.V0, 3), RulesText(x.FailedRules)}));
        if (!e.Rules[kPressureRule]) ExplainPressure(line, x, e, req, data, w);
        ExplainOtherRules(line, e, req, data, w, ruleTwoSaid, ruleFourSaid);
        for (const std::string& duty : DutyFailures(x.ShortMovements, req.MinPressure.value(),
                                                    x.Duties, req.Duties, w.Source())) {
            line(duty);
        }
        ExplainFixes(line, x, w);
    }
}

}  // namespace volvenza::sizing::answer_text
