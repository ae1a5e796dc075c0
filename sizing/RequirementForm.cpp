#include "sizing/RequirementForm.h"

#include <algorithm>
#include <string>
#include <system_error>

#include "messages/TranslationMark.h"
#include "numbers/FloatChars.h"
#include "numbers/NumberText.h"
#include "sizing/CatalogueForm.h"

namespace volvenza::sizing {
namespace {

constexpr double kNoEnd = std::numeric_limits<double>::infinity();

// Above 0, with no end.
constexpr FigureRange Positive(MessageId refusal) {
    return {0, false, kNoEnd, true, refusal};
}

}  // namespace

// clang-format off
const std::array<RequirementBoxForm, static_cast<size_t>(RequirementBox::Count)> kRequirementBoxes = {{
    {"p1", QT_TRANSLATE_NOOP("volvenza::Dimensionamento", "Pressione minima p&1 [bar]"), "--pmin", "p1",
     MessageId::SizingBoxMinPressure, MessageId::RequirementMinPressure, false, 1, Positive(MessageId::MinPressurePositive)},
    {"ps", QT_TRANSLATE_NOOP("volvenza::Dimensionamento", "Pressione nominale &PS [bar]"), "--ps", "PS",
     MessageId::SizingBoxRated, MessageId::RequirementRated, true, 1, Positive(MessageId::RatedPressurePositive)},
    {"relief", QT_TRANSLATE_NOOP("volvenza::Dimensionamento", "Taratura della valvola di &massima [bar]"),
     "--relief", "valvola_di_massima", MessageId::SizingBoxRelief, MessageId::RequirementRelief, true, 1, Positive(MessageId::ReliefPositive)},
    // A share of the precharge, shown in per cent.
    {"tolerance", QT_TRANSLATE_NOOP("volvenza::Dimensionamento", "Toll&eranza della precarica [%]"),
     "--tolerance", "tolleranza_precarica", MessageId::SizingBoxTolerance, MessageId::RequirementTolerance, false, 100,
     FigureRange{0, true, 0.5, false, MessageId::PrechargeTolerance}},
    // At most a leap year without a stop.
    {"hours", QT_TRANSLATE_NOOP("volvenza::Dimensionamento", "&Ore di lavoro continuo [h]"), "--hours", "ore_di_lavoro",
     MessageId::SizingBoxHours, MessageId::RequirementHours, false, 1, FigureRange{0, false, 24 * 366, true, MessageId::WorkingHours}},
    {"efficiency", QT_TRANSLATE_NOOP("volvenza::Dimensionamento", "Rendimento della pompa (più di &0 e al più 1)"),
     "--pump-efficiency", "rendimento_pompa", MessageId::SizingBoxEfficiency, MessageId::RequirementEfficiency, false, 1,
     FigureRange{0, false, 1, true, MessageId::PumpEfficiency}},
    {"hours-year", QT_TRANSLATE_NOOP("volvenza::Dimensionamento", "Ore di lavoro in un anno [&h]"),
     "--hours-per-year", "ore_in_un_anno", MessageId::SizingBoxHoursPerYear, MessageId::RequirementHoursPerYear, false, 1,
     FigureRange{0, false, 8760, true, MessageId::HoursPerYear}},
    // Each size above 0, no more of them than a catalogue holds.
    {"bottles", QT_TRANSLATE_NOOP("volvenza::Dimensionamento", "&Bombole per i pistoni [dm3, separate da ;]"),
     "--bottle-sizes", "bombole", MessageId::SizingBoxBottles, MessageId::RequirementBottles, false, 1, std::nullopt},
}};

const std::array<RequirementChoiceForm, static_cast<size_t>(RequirementChoice::Count)> kRequirementChoices = {{
    {"precharge", QT_TRANSLATE_NOOP("volvenza::Dimensionamento", "Scegli la p&recarica"), "--keep-precharge", "scegli_precarica", true},
    {"pump", QT_TRANSLATE_NOOP("volvenza::Dimensionamento", "&Dimensiona anche la pompa"), "--size-pump", "dimensiona_pompa", false},
    {"single", QT_TRANSLATE_NOOP("volvenza::Dimensionamento", "Ciclo &singolo (la macchina fa un solo ciclo e si ferma)"),
     "--single-cycle", "ciclo_singolo", false},
    {"arrangements", QT_TRANSLATE_NOOP("volvenza::Dimensionamento", "Prova anche le composi&zioni: accumulatori in parallelo e bombole"),
     "--arrangements", "composizioni", false},
    {"from-full", QT_TRANSLATE_NOOP("volvenza::Dimensionamento", "Corsa di emergenza dal pieno (Pm) invece che dal riavvio della pompa (Pm - Dp)"),
     "--emergency-from-full", "emergenza_da_pieno", false},
}};

const std::array<HoldBoxForm, kHoldBoxCount> kHoldBoxes = {{
    {"hold-pressure", QT_TRANSLATE_NOOP("volvenza::Dimensionamento", "Pressione da mantenere [bar]"), "--hold-pressure", "pressione", MessageId::RequirementHoldPressure,
     Positive(MessageId::SizingBoxHold)},
    {"hold-time", QT_TRANSLATE_NOOP("volvenza::Dimensionamento", "Tempo [s]"), "--hold-time", "tempo", MessageId::RequirementHoldTime,
     Positive(MessageId::SizingBoxHold)},
    {"leakage", QT_TRANSLATE_NOOP("volvenza::Dimensionamento", "Perdite delle valvole [dm3/min]"), "--leakage", "trafilamento", MessageId::RequirementHoldLeakage,
     FigureRange{0, true, kNoEnd, true, MessageId::SizingBoxHold}},
    {"cooling", QT_TRANSLATE_NOOP("volvenza::Dimensionamento", "Raffreddamento del gas nel tempo [K]"), "--hold-cooling", "raffreddamento", MessageId::RequirementHoldCooling,
     FigureRange{0, true, kNoEnd, true, MessageId::SizingBoxHold}},
}};

const RequirementChoiceForm kHoldFromPm = {
    "hold-pm", QT_TRANSLATE_NOOP("volvenza::Dimensionamento", "Dal pieno (Pm) invece che da Pm - Dp"),
    "--hold-from-pm", "da_Pm", false};
// clang-format on

std::vector<double> RequirementFigures(const Requirements& req, RequirementBox box) {
    auto given = [](const auto& figure) {
        return figure ? std::vector<double>{figure->value()} : std::vector<double>{};
    };
    switch (box) {
        case RequirementBox::MinPressure:
            return req.MinPressure > GaugeBar(0) ? std::vector<double>{req.MinPressure.value()}
                                                 : std::vector<double>{};
        case RequirementBox::RatedPressure:
            return given(req.RatedPressure);
        case RequirementBox::ReliefSetting:
            return given(req.ReliefSetting);
        case RequirementBox::Tolerance:
            return {req.PrechargeTolerance};
        case RequirementBox::WorkingHours:
            return {req.WorkingHours};
        case RequirementBox::PumpEfficiency:
            return {req.PumpEfficiency};
        case RequirementBox::HoursPerYear:
            return {req.HoursPerYear};
        case RequirementBox::Bottles:
        case RequirementBox::Count:
            break;
    }
    return req.BottleSizes;
}

void SetRequirementFigure(Requirements& req, RequirementBox box, std::optional<double> figure) {
    switch (box) {
        case RequirementBox::MinPressure:
            req.MinPressure = GaugeBar(figure.value_or(0));
            break;
        case RequirementBox::RatedPressure:
            req.RatedPressure = OptionalOf<GaugeBar>(figure);
            break;
        case RequirementBox::ReliefSetting:
            req.ReliefSetting = OptionalOf<GaugeBar>(figure);
            break;
        case RequirementBox::Tolerance:
            req.PrechargeTolerance = figure.value_or(req.PrechargeTolerance);
            break;
        case RequirementBox::WorkingHours:
            req.WorkingHours = figure.value_or(req.WorkingHours);
            break;
        case RequirementBox::PumpEfficiency:
            req.PumpEfficiency = figure.value_or(req.PumpEfficiency);
            break;
        case RequirementBox::HoursPerYear:
            req.HoursPerYear = figure.value_or(req.HoursPerYear);
            break;
        case RequirementBox::Bottles:
        case RequirementBox::Count:
            break;
    }
}

bool EmptyTaken(RequirementBox box) {
    // Given nothing, the requirements show nothing in the box (PS, the
    // relief setting, p1 at 0), or they keep their figure.
    Requirements req;
    SetRequirementFigure(req, box, std::nullopt);
    return RequirementFigures(req, box).empty();
}

namespace {

// The figure a box shows `shown` of: the decimal typed moved two places for
// a box in per cent, so that 1,1 % is 0.011 as the file writes it back, not
// the 0.011000000000000001 a division leaves.
double FigureOfShown(double shown, double perUnit) {
    if (perUnit == 100) {
        const std::string text = ShortestText(shown);
        double figure = 0;
        if (text.find('e') == std::string::npos) {
            const std::string moved = text + "e-2";
            const auto read = ReadFloat(moved.data(), moved.data() + moved.size(), figure);
            if (read.ec == std::errc()) return figure;
        }
    }
    return shown / perUnit;
}

}  // namespace

Result<std::optional<double>> ReadRequirementText(RequirementBox box, std::string_view text) {
    const RequirementBoxForm& form = BoxForm(box);
    if (form.optional && text.find_first_not_of(" \t") == std::string_view::npos) {
        return std::optional<double>();
    }
    const auto shown = ParseNumber<double>(text);
    if (!shown) return RequirementNotANumber(box);
    return std::optional(FigureOfShown(*shown, form.shownPerUnit));
}

Status CheckRequirementFigure(RequirementBox box, double figure) {
    const std::optional<FigureRange>& range = BoxForm(box).range;
    if (range && !range->Holds(figure)) return Message(range->refusal);
    return Done{};
}

Status CheckEnergyFigures(const EnergyInputs& inputs) {
    if (Status checked =
            CheckRequirementFigure(RequirementBox::PumpEfficiency, inputs.PumpEfficiency);
        !checked) {
        return checked;
    }
    return CheckRequirementFigure(RequirementBox::HoursPerYear, inputs.HoursPerYear);
}

Message RequirementNotANumber(RequirementBox box) {
    const MessageId id = BoxForm(box).notANumber;
    if (box != RequirementBox::Bottles) return Message(id);
    return Message(id, {MsgInteger(static_cast<long long>(kMaxCatalogueSizes))});
}

Result<std::vector<double>> ReadBottleSizes(std::string_view text, char separator) {
    std::vector<double> sizes;
    for (size_t start = 0;;) {
        const size_t end = text.find(separator, start);
        const auto size = ParseNumber<double>(text.substr(start, end - start));
        if (!size || !BottleSizeTaken(*size) || sizes.size() == kMaxCatalogueSizes) {
            return RequirementNotANumber(RequirementBox::Bottles);
        }
        sizes.push_back(*size);
        if (end == std::string_view::npos) return sizes;
        start = end + 1;
    }
}

std::string BottleSizesText(const std::vector<double>& sizes, char decimal,
                            std::string_view between) {
    std::string text;
    for (const double size : sizes) {
        if (!text.empty()) text += between;
        text += FormatNumber(size, decimal);
    }
    return text;
}

Status CheckHoldFigure(size_t box, std::optional<double> figure, bool fromPm,
                       const CircuitData& data, GasLawKind law) {
    const FigureRange& range = kHoldBoxes.at(box).range;
    if (!figure || !range.Holds(*figure)) return Message(range.refusal);
    // The pressure or the cooling alone, the other figures none.
    HoldDuty alone;
    alone.FromPm = fromPm;
    if (box == kHoldPressureBox) {
        alone.Pressure = GaugeBar(*figure);
    } else if (box == kHoldCoolingBox) {
        alone.Cooling = *figure;
    } else {
        return Done{};
    }
    return CheckHold(alone, data, law);
}

std::array<std::optional<Message>, kHoldBoxCount> HoldRefusals(const HoldFigures& figures,
                                                               bool fromPm, const CircuitData& data,
                                                               GasLawKind law) {
    std::array<std::optional<Message>, kHoldBoxCount> refusals;
    for (size_t box = 0; box < kHoldBoxCount; ++box) {
        if (Status fits = CheckHoldFigure(box, figures[box], fromPm, data, law); !fits) {
            refusals[box] = fits.Error();
        }
    }
    return refusals;
}

HoldTexts ReadHoldTexts(const std::array<std::string_view, kHoldBoxCount>& texts) {
    const auto blank = [](std::string_view text) {
        return text.find_first_not_of(" \t") == std::string_view::npos;
    };
    HoldTexts read;
    read.begun = !blank(texts[kHoldPressureBox]) || !blank(texts[kHoldTimeBox]);
    for (size_t box = 0; box < kHoldBoxCount; ++box) {
        read.figures[box] = blank(texts[box]) ? 0.0 : ParseNumber<double>(texts[box]);
    }
    return read;
}

namespace {

bool Blank(std::string_view text) {
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

// A box's or cell's figure: the kept one while it is unchanged or its text
// gives none.
std::optional<double> ShownFigure(const ShownText& shown, std::optional<double> kept) {
    if (shown.unchanged) return kept;
    const auto figure = ParseNumber<double>(shown.text);
    return figure ? figure : kept;
}

// The catalogue as its cells show it, over `kept`; nothing when a size
// lacks its V0 or no row is shown.
std::optional<std::vector<CatalogueSize>> CatalogueShown(
    const std::vector<CatalogueSize>& kept, const std::vector<std::vector<ShownText>>& rows) {
    if (rows.empty()) return std::nullopt;
    std::vector<CatalogueSize> sizes;
    for (size_t r = 0; r < rows.size(); ++r) {
        // A row added and left empty is no size.
        if (std::all_of(rows[r].begin(), rows[r].end(),
                        [](const ShownText& cell) { return Blank(cell.text); })) {
            continue;
        }
        CatalogueSize size;
        for (size_t c = 0; c < kCatalogueColumns.size(); ++c) {
            const CatalogueColumnForm& column = kCatalogueColumns[c];
            const std::optional<double> was =
                r < kept.size() ? column.figure(kept[r]) : std::nullopt;
            const bool typed = c < rows[r].size() && !Blank(rows[r][c].text);
            const std::optional<double> figure =
                typed ? ShownFigure(rows[r][c], was) : std::nullopt;
            if (c == 0 && !figure) return std::nullopt;  // no V0
            column.set(size, figure);
        }
        sizes.push_back(size);
    }
    return sizes;
}

// The hold as its boxes show it, over `kept`: the kept one while a box
// typed gives no figure in its range.
std::optional<HoldDuty> HoldShown(const std::optional<HoldDuty>& kept, const ShownForm& form) {
    std::array<std::string_view, kHoldBoxCount> texts;
    for (size_t i = 0; i < kHoldBoxCount; ++i) texts[i] = form.hold[i].text;
    const HoldTexts read = ReadHoldTexts(texts);
    for (size_t i = 0; i < kHoldBoxCount; ++i) {
        const std::optional<double>& figure = read.figures[i];
        const bool inRange = figure && kHoldBoxes[i].range.Holds(*figure);
        if ((read.begun || !Blank(texts[i])) && !inRange) return kept;
    }
    if (!read.begun) return std::nullopt;
    const HoldDuty was = kept.value_or(HoldDuty{});
    const std::array<double, kHoldBoxCount> figures{was.Pressure.value(), was.Time,
                                                    was.Leakage.value(), was.Cooling};
    std::array<double, kHoldBoxCount> shown{};
    for (size_t i = 0; i < kHoldBoxCount; ++i) {
        shown[i] = *ShownFigure(form.hold[i], figures[i]);
    }
    return HoldDuty{GaugeBar(shown[0]), shown[1], Dm3PerMin(shown[2]), shown[3], form.holdFromPm};
}

// The field of `req` a choice ticks, writable when `req` is.
template <class Req>
auto& ChoiceField(Req& req, RequirementChoice choice) {
    switch (choice) {
        case RequirementChoice::ChoosePrecharge:
            return req.ChoosePrecharge;
        case RequirementChoice::SizePump:
            return req.SizePump;
        case RequirementChoice::SingleCycle:
            return req.SingleCycle;
        case RequirementChoice::Arrangements:
            return req.Arrangements;
        case RequirementChoice::EmergencyFromFull:
        case RequirementChoice::Count:
            break;
    }
    return req.Duties.EmergencyFromFull;
}
}  // namespace

bool RequirementChosen(const Requirements& req, RequirementChoice choice) {
    return ChoiceField(req, choice);
}

void SetRequirementChosen(Requirements& req, RequirementChoice choice, bool chosen) {
    ChoiceField(req, choice) = chosen;
}

Requirements RequirementsShown(const Requirements& kept, const ShownForm& form) {
    Requirements req = kept;
    for (size_t i = 0; i < kRequirementBoxes.size(); ++i) {
        const auto box = static_cast<RequirementBox>(i);
        const ShownText& shown = form.boxes[i];
        if (shown.unchanged && !Blank(shown.text)) continue;
        if (box == RequirementBox::Bottles) {
            if (auto sizes = ReadBottleSizes(shown.text)) req.BottleSizes = std::move(*sizes);
        } else if (const auto figure = ReadRequirementText(box, shown.text)) {
            SetRequirementFigure(req, box, *figure);
        } else if (Blank(shown.text)) {
            SetRequirementFigure(req, box, std::nullopt);
        }
    }
    req.Type = form.type;
    if (auto sizes = CatalogueShown(kept.Catalogue, form.catalogue)) req.Catalogue = *sizes;
    for (size_t i = 0; i < kRequirementChoices.size(); ++i) {
        SetRequirementChosen(req, static_cast<RequirementChoice>(i), form.choices[i]);
    }
    req.Duties.Hold = HoldShown(kept.Duties.Hold, form);
    return req;
}

}  // namespace volvenza::sizing
