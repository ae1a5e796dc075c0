#pragma once
// The sizing form as every front end shows it: its boxes, check boxes and
// hold boxes, each with its label, the option volvenza-sim size takes it
// by, and for a figure the range it must lie in and what is said when it
// does not. The desktop's window and the browser's page both read these
// tables, and the search checks the requirements against the same ranges.

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/EnergyBalance.h"
#include "messages/Message.h"
#include "messages/Result.h"
#include "messages/TranslationMark.h"
#include "sizing/Requirements.h"

namespace volvenza::sizing {

// The form's title, headings, buttons and notes, in the window and the page
// (context volvenza::Dimensionamento, the window's). A '&' marks the window's
// mnemonic; the page shows the text without it.
inline constexpr const char* kFormTitle =
    QT_TRANSLATE_NOOP("volvenza::Dimensionamento", "Dimensionamento");
inline constexpr const char* kFormRequirements =
    QT_TRANSLATE_NOOP("volvenza::Dimensionamento", "Requisiti");
inline constexpr const char* kFormType =
    QT_TRANSLATE_NOOP("volvenza::Dimensionamento", "&Tipo di accumulatore");
inline constexpr const char* kFormCatalogue =
    QT_TRANSLATE_NOOP("volvenza::Dimensionamento", "Catalogo (cella vuota: nessun limite)");
inline constexpr const char* kFormAdd = QT_TRANSLATE_NOOP("volvenza::Dimensionamento", "A&ggiungi");
inline constexpr const char* kFormRemove =
    QT_TRANSLATE_NOOP("volvenza::Dimensionamento", "Rimuovi");
inline constexpr const char* kFormDefaults =
    QT_TRANSLATE_NOOP("volvenza::Dimensionamento", "Predefinito");
inline constexpr const char* kFormEmergencyNote =
    QT_TRANSLATE_NOOP("volvenza::Dimensionamento",
                      "I movimenti segnati \"Em\" nel ciclo devono compiersi a pompa persa.");
inline constexpr const char* kFormHold =
    QT_TRANSLATE_NOOP("volvenza::Dimensionamento", "Mantenimento della pressione a pompa ferma");
inline constexpr const char* kFormCompute =
    QT_TRANSLATE_NOOP("volvenza::Dimensionamento", "Calco&la");
inline constexpr const char* kFormStop =
    QT_TRANSLATE_NOOP("volvenza::Dimensionamento", "&Interrompi");
inline constexpr const char* kFormApply =
    QT_TRANSLATE_NOOP("volvenza::Dimensionamento", "&Applica");

// The form's boxes of one figure (or list) each, in its order.
enum class RequirementBox : int16_t {
    MinPressure,
    RatedPressure,
    ReliefSetting,
    Tolerance,
    WorkingHours,
    PumpEfficiency,
    HoursPerYear,
    Bottles,
    Count
};

// Where a figure must lie, ends included or not, and what is said when it
// does not; a figure that is no number (NaN) lies nowhere.
struct FigureRange {
    double low = 0;
    bool lowIncluded = false;
    double high = std::numeric_limits<double>::infinity();
    bool highIncluded = true;
    MessageId refusal{};

    bool Holds(double figure) const {
        return (lowIncluded ? figure >= low : figure > low) &&
               (highIncluded ? figure <= high : figure < high);
    }
};

struct RequirementBoxForm {
    const char* id;      // the page's name for it
    const char* label;   // Italian, with the desktop's mnemonic; context volvenza::Dimensionamento
    const char* option;  // volvenza-sim size's
    const char* projectKey;  // the project file's, in "dimensionamento"
    MessageId notANumber;    // said of a text that gives no figure
    MessageId name;          // the box as a message names it
    bool optional;           // left empty, it is no requirement
    double shownPerUnit;     // the box shows the figure times this (the tolerance in per cent)
    std::optional<FigureRange> range;  // of the figure as the requirements keep it
};

extern const std::array<RequirementBoxForm, static_cast<size_t>(RequirementBox::Count)>
    kRequirementBoxes;

inline const RequirementBoxForm& BoxForm(RequirementBox box) {
    return kRequirementBoxes[static_cast<size_t>(box)];
}

// The figures `req` gives the box, as the requirements keep them: none for
// a requirement not given (p1 at 0 too), the bottles' sizes in order.
std::vector<double> RequirementFigures(const Requirements& req, RequirementBox box);

// Puts `figure` where `req` keeps the box's: nothing is a requirement not
// given (p1 at 0). Not for the bottles.
void SetRequirementFigure(Requirements& req, RequirementBox box, std::optional<double> figure);

// Whether the requirements can hold the box left empty: a requirement not
// given (p1 too, then asked for by the search). A box they cannot hold empty
// stays, emptied, the project's draft, lest it go on showing the figure
// taken out of it.
bool EmptyTaken(RequirementBox box);

// A box's text as the form shows it (the tolerance in per cent) read into
// the figure the requirements keep: nothing for a blank box that may stay
// empty; the box's message for any other text that gives no number. The
// range is CheckRequirementFigure's. Not for the bottles.
Result<std::optional<double>> ReadRequirementText(RequirementBox box, std::string_view text);

// `figure`, as the requirements keep it, refused with the box's message
// when it is out of the box's range.
Status CheckRequirementFigure(RequirementBox box, double figure);

// The energy balance's two figures, the pump's efficiency and the hours a
// year, each held to its box's range: the first refused, as
// CheckRequirementFigure words it.
Status CheckEnergyFigures(const EnergyInputs& inputs);

// What the box says of a text that gives it no figure: the bottles' box
// names how many sizes it may list.
Message RequirementNotANumber(RequirementBox box);

// Whether a bottle of `size` dm3 may be offered: a volume above 0. A list
// holds at most kMaxCatalogueSizes of them, all a project keeps.
constexpr bool BottleSizeTaken(double size) {
    return size > 0;
}

// The bottles' sizes a text lists, separated by `separator` (the form's
// ";", volvenza-sim's ","): each a volume above 0, and no more of them than
// a catalogue holds, which is all a project keeps; otherwise the bottles'
// box's message.
Result<std::vector<double>> ReadBottleSizes(std::string_view text, char separator = ';');
// The sizes as such a text, each in the box form with the decimal
// separator `decimal`: the form's "10; 20,5" by default, volvenza-sim's
// "10,20.5" with `between` ",".
std::string BottleSizesText(const std::vector<double>& sizes, char decimal,
                            std::string_view between = "; ");

// The choices the form ticks: volvenza-sim size gives `option` for the
// choice ticked, or for it left clear when `optionWhenClear`.
struct RequirementChoiceForm {
    const char* id;
    const char* label;  // Italian, with the desktop's mnemonic
    const char* option;
    const char* projectKey;  // the project file's
    bool optionWhenClear;
};

enum class RequirementChoice : int16_t {
    ChoosePrecharge,
    SizePump,
    SingleCycle,
    Arrangements,
    EmergencyFromFull,
    Count
};

extern const std::array<RequirementChoiceForm, static_cast<size_t>(RequirementChoice::Count)>
    kRequirementChoices;

// The project file's key of a box or a choice.
inline const char* ProjectKey(RequirementBox box) {
    return BoxForm(box).projectKey;
}
inline const char* ProjectKey(RequirementChoice choice) {
    return kRequirementChoices[static_cast<size_t>(choice)].projectKey;
}

// Whether `req` ticks the choice; ticks it or clears it.
bool RequirementChosen(const Requirements& req, RequirementChoice choice);
void SetRequirementChosen(Requirements& req, RequirementChoice choice, bool chosen);

// The form's parts in the order Calcola reads them, so that every front end
// says the same first refusal: p1, the accumulator type and its catalogue,
// the other boxes in the table's order (the bottles last), the choices, the
// hold. A step is a box of kRequirementBoxes or one of the other parts.
enum class FormPart : int16_t { Box, Catalogue, Choices, Hold };
struct FormStep {
    FormPart part;
    RequirementBox box = RequirementBox::Count;
};
inline constexpr std::array<FormStep, 11> kReadingOrder{{
    {FormPart::Box, RequirementBox::MinPressure},
    {FormPart::Catalogue},
    {FormPart::Box, RequirementBox::RatedPressure},
    {FormPart::Box, RequirementBox::ReliefSetting},
    {FormPart::Box, RequirementBox::Tolerance},
    {FormPart::Box, RequirementBox::WorkingHours},
    {FormPart::Box, RequirementBox::PumpEfficiency},
    {FormPart::Box, RequirementBox::HoursPerYear},
    {FormPart::Box, RequirementBox::Bottles},
    {FormPart::Choices},
    {FormPart::Hold},
}};

// The pressure held with the pump off: pressure and time above 0, leakage
// and cooling from 0 up, and the choice of starting from Pm.
struct HoldBoxForm {
    const char* id;
    const char* label;  // context volvenza::Dimensionamento
    const char* option;
    const char* projectKey;  // the project file's, in kHoldProjectKey
    MessageId name;          // the box as a message names it
    FigureRange range;
};

inline constexpr size_t kHoldBoxCount = 4;
extern const std::array<HoldBoxForm, kHoldBoxCount> kHoldBoxes;
extern const RequirementChoiceForm kHoldFromPm;
inline constexpr size_t kHoldPressureBox = 0, kHoldTimeBox = 1, kHoldCoolingBox = 3;

// Where the project file keeps the form's other parts, in "dimensionamento":
// the accumulator type, the catalogue and the hold (null for none).
inline constexpr const char* kTypeProjectKey = "tipo";
inline constexpr const char* kCatalogueProjectKey = "catalogo";
inline constexpr const char* kHoldProjectKey = "mantenimento";

// Whether a hold box's figure (none for a text that gives none) fits:
// refused with the box's message out of the box's range, and as CheckHold
// refuses it when the pressure is above the hold's start (Pm when `fromPm`,
// else Pm - Dp) or the cooling past what `law` models, on `data`.
Status CheckHoldFigure(size_t box, std::optional<double> figure, bool fromPm,
                       const CircuitData& data, GasLawKind law);

// The hold boxes' figures in the form's order, none for a text that gives none.
using HoldFigures = std::array<std::optional<double>, kHoldBoxCount>;

// What CheckHoldFigure says of each box refused, in the form's order: the
// first is what Calcola says.
std::array<std::optional<Message>, kHoldBoxCount> HoldRefusals(const HoldFigures& figures,
                                                               bool fromPm, const CircuitData& data,
                                                               GasLawKind law);

// The hold's boxes read from their texts where no box is ticked to ask for
// it (the page's form): it is begun once its pressure or its time is
// typed, and an empty box then stands for 0.
struct HoldTexts {
    bool begun = false;
    HoldFigures figures;
};
HoldTexts ReadHoldTexts(const std::array<std::string_view, kHoldBoxCount>& texts);

// A box or cell of the page's form as it stands: its text, and whether it
// still shows the figure it was given (which then stands exact, as kept).
struct ShownText {
    std::string text;
    bool unchanged = false;
};

// The page's form as it stands: the boxes in kRequirementBoxes' order, the
// type, the catalogue's cells by row, the choices in kRequirementChoices'
// order, the hold's boxes and its choice of Pm.
struct ShownForm {
    std::array<ShownText, static_cast<size_t>(RequirementBox::Count)> boxes;
    AccumulatorType type = AccumulatorType::Bladder;
    std::vector<std::vector<ShownText>> catalogue;
    std::array<bool, static_cast<size_t>(RequirementChoice::Count)> choices{};
    std::array<ShownText, kHoldBoxCount> hold;
    bool holdFromPm = false;
};

// The requirements as the form shows them, over `kept` (the project's), as
// the desktop's window takes them: a box or cell unchanged keeps its
// figure, one whose text gives none keeps it too (the text is its draft),
// a box left empty is no requirement (p1 at 0, as a new project has it)
// where it may be; a figure out of its range is taken all the same (the
// search names it). The catalogue is taken while every size it lists has
// its V0; the hold while each of its boxes typed (all of them once it is
// begun) gives a figure in its range, none while it is not begun.
Requirements RequirementsShown(const Requirements& kept, const ShownForm& form);

}  // namespace volvenza::sizing
