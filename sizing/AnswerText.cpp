#include "sizing/AnswerText.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "messages/WindowWords.h"
#include "sizing/AnswerWords.h"
#include "sizing/CatalogueForm.h"
#include "sizing/DesignFigures.h"
#include "sizing/DutyText.h"
#include "sizing/GasLawText.h"

namespace volvenza::sizing {
using answer_text::AddCandidates;
using answer_text::FailedRules;
using answer_text::RulesText;
using answer_text::VolumeText;
using answer_text::Words;

namespace {

void AddRequirements(AnswerLayout& out, const SizingAnswer& a, const Requirements& req,
                     const CircuitData& data, const Words& w) {
    auto add = [&](const std::string& label, const std::string& value) {
        out.Requirements.emplace_back(label, value);
    };
    auto bar = [&](const std::optional<GaugeBar>& v) {
        return v ? w.Num(*v, 2) + " bar" : w(QT_TRANSLATE_NOOP("volvenza::SizingText", "nessuna"));
    };
    add(w(QT_TRANSLATE_NOOP("volvenza::SizingText", "Tipo di accumulatore")),
        TypeText(req.Type, w.Source()));
    add(w(QT_TRANSLATE_NOOP("volvenza::SizingText", "Pressione minima p1")),
        w.Num(req.MinPressure.value(), 2) + " bar");
    add(w(QT_TRANSLATE_NOOP("volvenza::SizingText", "Pm; ripartenza della pompa Pm - Dp")),
        w.Num(data.Pm, 2) + " bar; " + w.Num(data.Pm - data.Dp, 2) + " bar");
    add(w(QT_TRANSLATE_NOOP("volvenza::SizingText", "Pressione nominale PS")),
        bar(req.RatedPressure));
    add(w(QT_TRANSLATE_NOOP("volvenza::SizingText", "Taratura della valvola di massima")),
        bar(req.ReliefSetting));
    add(w(QT_TRANSLATE_NOOP("volvenza::SizingText", "Tolleranza della precarica")),
        "± " + w.Num(req.PrechargeTolerance * 100, 2) + " %");
    // The classic law only reproduces the original program's results: the
    // runs of a sizing are always the exact engine's, on real nitrogen there.
    std::string law = GasLawText(EngineeringGas(req.Gas), w.Source(), LawFigures::Rounded);
    if (req.Gas.Law == GasLawKind::Classic) {
        law += w(QT_TRANSLATE_NOOP("volvenza::SizingText",
                                   ", al posto della legge classica, che non dimensiona"));
    }
    add(w(QT_TRANSLATE_NOOP("volvenza::SizingText", "Legge del gas")), law);
    std::vector<std::string> temps;
    for (double t : a.Temperatures) temps.push_back(w.Num(t, 2));
    add(w(QT_TRANSLATE_NOOP("volvenza::SizingText", "Temperature di lavoro")),
        w.List(temps) + " °C");
    add(w(QT_TRANSLATE_NOOP("volvenza::SizingText", "Precarica data a")),
        w.Num(PrechargeTemperature(req.Gas), 2) + " °C");
    add(w(QT_TRANSLATE_NOOP("volvenza::SizingText", "Funzionamento")),
        req.SingleCycle
            ? w(QT_TRANSLATE_NOOP("volvenza::SizingText", "un solo ciclo, partendo carico"))
            : w(QT_TRANSLATE_NOOP("volvenza::SizingText",
                                  "continuo, ciclo dopo ciclo; giornata di %1 h (%2 cicli)"),
                {w.Num(req.WorkingHours, 2), std::to_string(a.DayCycles)}));
    add(w(QT_TRANSLATE_NOOP("volvenza::SizingText", "Rendimento della pompa; ore in un anno")),
        w.Num(req.PumpEfficiency, 3) + "; " + w.Num(req.HoursPerYear, 1) + " h");
    if (const double ev = req.Gas.Vessels.VolumetricEfficiency; ev != 1) {
        add(w(QT_TRANSLATE_NOOP("volvenza::SizingText", "Rendimento volumetrico della pompa")),
            w.Num(ev, 3));
    }
    add(w(QT_TRANSLATE_NOOP("volvenza::SizingText", "Precarica")),
        req.ChoosePrecharge ? w(QT_TRANSLATE_NOOP("volvenza::SizingText", "scelta"))
                            : w(QT_TRANSLATE_NOOP("volvenza::SizingText", "dei dati iniziali")));
    add(w(QT_TRANSLATE_NOOP("volvenza::SizingText", "Pompa")),
        req.SizePump ? w(QT_TRANSLATE_NOOP("volvenza::SizingText", "dimensionata"))
                     : w(QT_TRANSLATE_NOOP("volvenza::SizingText", "dei dati iniziali")));

    AnswerTable& c = out.Catalogue;
    // The fatigue rating's columns only when a size has one.
    const bool rated = std::any_of(req.Catalogue.begin(), req.Catalogue.end(),
                                   [](const auto& s) { return s.RatedSwing || s.RatedCycles; });
    for (const CatalogueColumnForm& column : kCatalogueColumns) {
        if (column.rating && !rated) continue;
        c.Headings.push_back(w(column.heading));
    }
    for (const CatalogueSize& s : req.Catalogue) {
        std::vector<std::string>& row = c.Rows.emplace_back();
        for (const CatalogueColumnForm& column : kCatalogueColumns) {
            if (column.rating && !rated) continue;
            const auto figure = column.figure(s);
            row.push_back(figure ? w.Num(*figure, column.decimals) : "-");
        }
    }
}

std::string CategoryText(PressureCategory category, const Words& w) {
    switch (category) {
        case PressureCategory::Outside:
            return w(QT_TRANSLATE_NOOP("volvenza::SizingText",
                                       "fuori dalla direttiva (PS non oltre 0,5 bar)"));
        case PressureCategory::SoundPractice:
            return w(QT_TRANSLATE_NOOP("volvenza::SizingText", "articolo 4.3 (buona prassi)"));
        default:
            break;
    }
    return w(QT_TRANSLATE_NOOP("volvenza::SizingText", "categoria %1"), {CategoryCode(category)});
}

// Why nothing is recommended: a pump short of the cycle's oil, or no size
// (nor arrangement) that keeps every rule.
void AddNoRecommendation(AnswerLayout& out, const SizingAnswer& a, const Words& w) {
    if (a.PumpShort) {
        out.Recommendation.push_back(
            w(QT_TRANSLATE_NOOP(
                  "volvenza::SizingText",
                  "Nessuna grandezza può bastare: la pompa fornisce %1 dm3 per ciclo, il ciclo ne "
                  "preleva %2. Serve una pompa di almeno %3 dm3/min."),
              {w.Num(a.PumpOil, 3), w.Num(a.CycleOil, 3), w.Num(a.BalancePump, 1)}));
        return;
    }
    if (a.Candidates.empty()) return;
    const Evaluation& largest = a.Candidates.back();
    out.Recommendation.push_back(
        w(QT_TRANSLATE_NOOP(
              "volvenza::SizingText",
              "Nessuna grandezza del catalogo rispetta tutte le regole: la più grande (%1 dm3) "
              "non rispetta la regola %2."),
          {w.Num(largest.Proposed.V0, 3), RulesText(FailedRules(largest))}));
    if (a.ArrangementsTried > 0) {
        out.Recommendation.push_back(
            w(QT_TRANSLATE_NOOP("volvenza::SizingText",
                                "Nessuna delle %1 composizioni provate (fino a %2 accumulatori "
                                "in parallelo o %3 bombole, in ordine di volume di gas) "
                                "rispetta tutte le regole."),
              {std::to_string(a.ArrangementsTried), std::to_string(kMaxParallel),
               std::to_string(kMaxBottles)}));
    }
}

// "Raccomandato: ...": one vessel, several in parallel, or one with bottles.
void AddDesign(AnswerLayout& out, const Design& d, const Requirements& req, const Words& w) {
    const std::vector<std::string> charge{w.Num(d.P0, 1), w.Num(PrechargeTemperature(req.Gas), 2),
                                          w.Num(d.Qp, 1), w.Num(d.GasVolume(), 3)};
    if (d.Count > 1) {
        out.Recommendation.push_back(w(
            QT_TRANSLATE_NOOP("volvenza::SizingText",
                              "Raccomandato: %5 accumulatori da %6 dm3 in parallelo (gas %4 dm3), "
                              "precarica %1 bar a %2 °C, pompa %3 dm3/min."),
            {charge[0], charge[1], charge[2], charge[3], std::to_string(d.Count), w.Num(d.V0, 3)}));
    } else if (d.Bottles > 0) {
        out.Recommendation.push_back(
            w(QT_TRANSLATE_NOOP("volvenza::SizingText",
                                "Raccomandato: %5 dm3 con bombole %6 × %7 dm3 (gas %4 dm3), "
                                "precarica %1 bar a %2 °C, pompa %3 dm3/min."),
              {charge[0], charge[1], charge[2], charge[3], w.Num(d.V0, 3),
               std::to_string(d.Bottles), w.Num(d.BottleSize, 3)}));
    } else {
        out.Recommendation.push_back(w(
            QT_TRANSLATE_NOOP("volvenza::SizingText",
                              "Raccomandato: %4 dm3, precarica %1 bar a %2 °C, pompa %3 dm3/min."),
            charge));
    }
}

// The directive's category of the vessel, and of each bottle.
void AddCategories(AnswerLayout& out, const Design& d, const DesignFigures& f, const Words& w) {
    out.Recommendation.push_back(w(
        QT_TRANSLATE_NOOP("volvenza::SizingText",
                          "Direttiva 2014/68/UE (azoto, gas del gruppo 2; PS %1 bar, V %2 L): %3."),
        {w.Num(f.RatedPressure, 1), w.Num(d.V0, 3), CategoryText(f.Category, w)}));
    if (d.Bottles > 0) {
        out.Recommendation.push_back(
            w(QT_TRANSLATE_NOOP("volvenza::SizingText", "Ogni bombola (PS %1 bar, V %2 L): %3."),
              {w.Num(f.RatedPressure, 1), w.Num(d.BottleSize, 3),
               CategoryText(f.BottleCategory, w)}));
    }
}

// The lowest pressure of the runs, the oil the pump gives and its share.
void AddRuns(AnswerLayout& out, const SizingAnswer& a, const Requirements& req,
             const Evaluation& rec, const Words& w) {
    const double p1 = req.MinPressure.value();
    const TemperatureOutcome& worst = rec.Worst();
    if (req.SingleCycle) {
        out.Recommendation.push_back(
            w(QT_TRANSLATE_NOOP(
                  "volvenza::SizingText",
                  "Un solo ciclo, partendo carico: pressione minima %1 bar a %2 °C, %3 bar sopra "
                  "p1."),
              {w.Num(worst.LowestPressure, 2), w.Num(worst.WorkTemp, 2),
               w.Num(worst.LowestPressure - p1, 2)}));
    } else {
        // Cycles that never repeat reach no steady operation: the line after
        // says what they are judged on.
        const bool bounded = std::any_of(rec.Temps.begin(), rec.Temps.end(),
                                         [](const TemperatureOutcome& o) { return o.Bounded; });
        out.Recommendation.push_back(
            w(bounded ? QT_TRANSLATE_NOOP(
                            "volvenza::SizingText",
                            "Ciclo dopo ciclo (%1 cicli calcolati): pressione minima %2 bar a %3 "
                            "°C nel ciclo %6, %4 bar sopra p1; dopo una giornata di lavoro %5 bar.")
                      : QT_TRANSLATE_NOOP(
                            "volvenza::SizingText",
                            "Ciclo dopo ciclo (%1 cicli calcolati, fino al regime): pressione "
                            "minima %2 bar a %3 °C nel ciclo %6, %4 bar sopra p1; dopo una "
                            "giornata di lavoro %5 bar."),
              {std::to_string(rec.Cycles()), w.Num(worst.LowestPressure, 2),
               w.Num(worst.WorkTemp, 2), w.Num(worst.LowestPressure - p1, 2),
               w.Num(worst.DayLowest, 2), std::to_string(worst.WorstCycle)}));
        for (const TemperatureOutcome& o : rec.Temps) {
            if (!o.Bounded) continue;
            out.Recommendation.push_back(
                w(QT_TRANSLATE_NOOP("volvenza::SizingText",
                                    "A %1 °C i cicli non si ripetono ma le pressioni minime non "
                                    "calano più: giudicato sul peggiore dei %2 cicli calcolati."),
                  {w.Num(o.WorkTemp, 2), std::to_string(o.Cycles)}));
        }
        out.Recommendation.push_back(
            w(QT_TRANSLATE_NOOP(
                  "volvenza::SizingText",
                  "La pompa può fornire %1 dm3 per ciclo, il ciclo ne preleva %2 (in media %3 "
                  "dm3/min)."),
              {w.Num(a.PumpOil, 3), w.Num(a.CycleOil, 3), w.Num(a.AverageDemand, 2)}));
    }
    // The figures above are of the worst of the precharge and the ends of
    // its tolerance: an end is named where it is the worst.
    if (worst.PrechargeEnd != 0) {
        const Design& d = rec.Proposed;
        const double end = d.P0.value() * (1 + worst.PrechargeEnd * req.PrechargeTolerance);
        const std::vector<std::string> at{w.Num(end, 2), w.Num(PrechargeTemperature(req.Gas), 2)};
        out.Recommendation.push_back(
            worst.PrechargeEnd < 0
                ? w(QT_TRANSLATE_NOOP("volvenza::SizingText",
                                      "Caso peggiore: la precarica meno la tolleranza (%1 bar a "
                                      "%2 °C); pressione minima, pompa ed energia sono di quello. "
                                      "Il progetto è calcolato alla precarica e ai due estremi "
                                      "della tolleranza."),
                    at)
                : w(QT_TRANSLATE_NOOP("volvenza::SizingText",
                                      "Caso peggiore: la precarica più la tolleranza (%1 bar a "
                                      "%2 °C); pressione minima, pompa ed energia sono di quello. "
                                      "Il progetto è calcolato alla precarica e ai due estremi "
                                      "della tolleranza."),
                    at));
    }
    out.Recommendation.push_back(
        w(QT_TRANSLATE_NOOP("volvenza::SizingText",
                            "La pompa eroga per il %1 % del ciclo; avviamenti per ciclo: %2."),
          {w.Num(worst.PumpShare * 100, 1), w.Num(worst.PumpStarts, 2)}));
}

// Which cycle, at which temperature and against which pressure: the
// energy window gives the run at tc, this the steady cycle at the worst.
void AddEnergy(AnswerLayout& out, const SizingAnswer& a, const TemperatureOutcome& worst,
               const DesignFigures& f, const Words& w) {
    const double saved = f.PumpOnlyPower - f.InstalledPower;
    out.Recommendation.push_back(w(
        saved >= 0 ? QT_TRANSLATE_NOOP(
                         "volvenza::SizingText",
                         "Energia ceduta al circuito nel ciclo a regime a %1 °C (la temperatura "
                         "peggiore): %2 kJ. Potenza installata %3 kW (Qp a Pm); una pompa sola che "
                         "desse il picco di %4 dm3/min a p1 ne vorrebbe %5 kW: l'accumulatore "
                         "fa risparmiare %6 kW.")
                   : QT_TRANSLATE_NOOP(
                         "volvenza::SizingText",
                         "Energia ceduta al circuito nel ciclo a regime a %1 °C (la temperatura "
                         "peggiore): %2 kJ. Potenza installata %3 kW (Qp a Pm); una pompa sola che "
                         "desse il picco di %4 dm3/min a p1 ne vorrebbe %5 kW, %6 kW meno della "
                         "potenza installata."),
        {w.Num(worst.WorkTemp, 2), w.Num(f.Energy, 2), w.Num(f.InstalledPower, 2),
         w.Num(a.PeakDemand, 1), w.Num(f.PumpOnlyPower, 2), w.Num(std::abs(saved), 2)}));
}

// The pressure swing, the cycles a year, and the life the size is rated for.
std::string FatigueLine(const Requirements& req, const CatalogueSize& size, const DesignFigures& f,
                        const Words& w) {
    std::string fatigue =
        w(QT_TRANSLATE_NOOP("volvenza::SizingText",
                            "Fatica: escursione di pressione %1 bar per ciclo (la più ampia "
                            "dopo il primo, a ogni temperatura), %2 cicli all'anno."),
          {w.Num(f.Swing, 2), w.Num(f.CyclesPerYear, 0)});
    if (size.RatedSwing) {
        fatigue += " " + w(QT_TRANSLATE_NOOP("volvenza::SizingText",
                                             "Il costruttore ammette %1 bar (regola 7)."),
                           {w.Num(*size.RatedSwing, 2)});
    }
    if (f.LifeYears && *f.LifeYears >= 1) {
        fatigue += " " + w(QT_TRANSLATE_NOOP("volvenza::SizingText",
                                             "La grandezza è data per %1 cicli: circa %2 anni."),
                           {w.Num(*size.RatedCycles, 0), w.Num(*f.LifeYears, 1)});
    } else if (f.LifeYears) {
        // Less than a year is better told in the hours the machine runs.
        fatigue +=
            " " + w(QT_TRANSLATE_NOOP("volvenza::SizingText",
                                      "La grandezza è data per %1 cicli: circa %2 ore di "
                                      "lavoro."),
                    {w.Num(*size.RatedCycles, 0), w.Num(*f.LifeYears * req.HoursPerYear, 1)});
    }
    return fatigue;
}

void AddRecommendation(AnswerLayout& out, const SizingAnswer& a, const Requirements& req,
                       const CircuitData& data, const Words& w) {
    const Evaluation* rec = a.Recommendation();
    if (a.PumpShort || rec == nullptr) {
        AddNoRecommendation(out, a, w);
        return;
    }
    const Design& d = rec->Proposed;
    AddDesign(out, d, req, w);
    const DesignFigures f = FiguresOf(*rec, a, req, data);
    AddCategories(out, d, f, w);
    AddRuns(out, a, req, *rec, w);
    AddEnergy(out, a, rec->Worst(), f, w);
    const CatalogueSize& size = req.Catalogue[rec->Size];
    out.Recommendation.push_back(FatigueLine(req, size, f, w));
    if (a.SwingPump) {
        const double rated = size.RatedSwing.value_or(BarDifference(0)).value();
        out.Recommendation.push_back(w(
            QT_TRANSLATE_NOOP("volvenza::SizingText",
                              "La pompa è più grande di quanto l'olio chieda per la regola 7: con "
                              "%1 dm3/min l'escursione sarebbe %2 bar, oltre i %3 ammessi."),
            {w.Num(a.SwingPump->first, 1), w.Num(a.SwingPump->second, 3), w.Num(rated, 3)}));
    }
    out.Precharge.Headings = {
        w(QT_TRANSLATE_NOOP("volvenza::SizingText", "Caricando a [°C]")),
        w(QT_TRANSLATE_NOOP("volvenza::SizingText", "Precarica da impostare [bar]"))};
    for (const PrechargeRow& row : a.PrechargeTable) {
        out.Precharge.Rows.push_back({w.Num(row.ChargeTemp, 0), w.Num(row.Precharge, 1)});
    }
}

void AddUnfilledBottles(AnswerLayout& out, const SizingAnswer& a, const Words& w) {
    if (!a.UnfilledBottles) return;
    out.Recommendation.push_back(
        w(QT_TRANSLATE_NOOP("volvenza::SizingText",
                            "Escluse le composizioni il cui gas a Pm non riempie le bombole "
                            "(l'olio riempirebbe l'accumulatore prima di Pm), la prima: %1 dm3."),
          {VolumeText(*a.UnfilledBottles, w)}));
}

}  // namespace

std::string TypeText(AccumulatorType type, const Wording& wording) {
    return Words(wording)(TypeNames(type).words);
}

std::string KindText(int16_t kind, const Wording& wording) {
    const char* name = KindWordsSource(kind).name;
    return Words(wording)(name != nullptr ? name
                                          : QT_TRANSLATE_NOOP("volvenza::SizingText", "movimento"));
}

AnswerLayout LayOutAnswer(const SizingAnswer& answer, const Requirements& req,
                          const CircuitData& data, const Wording& wording) {
    const Words w(wording);
    AnswerLayout out;
    out.Title = w(QT_TRANSLATE_NOOP("volvenza::SizingText", "DIMENSIONAMENTO"));
    AddRequirements(out, answer, req, data, w);
    AddRecommendation(out, answer, req, data, w);
    if (const Evaluation* rec = answer.Recommendation()) {
        for (const std::string& line :
             DutySummary(rec->Movements, rec->Duties, req.Duties, wording))
            out.Recommendation.push_back(line);
    }
    AddUnfilledBottles(out, answer, w);
    AddCandidates(out, answer, req, w);
    answer_text::AddExplanations(out, answer, req, data, w);
    return out;
}

namespace {

// The design in a sentence of the window's: the volume as the candidates'
// table writes it, the precharge and the pump.
std::string DesignSaid(const Design& d, const Wording& wording, const char* italian) {
    const Words w(wording);
    std::string volume = w.Num(d.V0, 3);
    if (d.Count > 1) volume = std::to_string(d.Count) + " × " + volume;
    if (d.Bottles > 0) volume += " + " + std::to_string(d.Bottles) + " × " + w.Num(d.BottleSize, 3);
    return FillParts(
        wording.Translate ? wording.Translate("volvenza::Dimensionamento", italian) : italian,
        {volume, w.Num(d.P0, 2), w.Num(d.Qp, 1)});
}

}  // namespace

std::string LastRecommendationText(const Design& d, const Wording& wording) {
    return DesignSaid(d, wording,
                      QT_TRANSLATE_NOOP("volvenza::Dimensionamento",
                                        "Ultima raccomandazione: %1 dm3, precarica %2 bar, pompa "
                                        "%3 dm3/min. \"Calcola\" la ricalcola."));
}

std::string AppliedText(const Design& d, const Wording& wording) {
    return DesignSaid(d, wording,
                      QT_TRANSLATE_NOOP("volvenza::Dimensionamento",
                                        "Applicata al progetto: %1 dm3, precarica %2 bar, pompa "
                                        "%3 dm3/min."));
}

}  // namespace volvenza::sizing
