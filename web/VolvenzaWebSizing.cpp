#include "VolvenzaWebSizing.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <limits>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "VolvenzaWebTables.h"
#include "documents/FileKinds.h"
#include "documents/ProjectFile.h"
#include "documents/ProjectKeys.h"
#include "numbers/NumberSigns.h"
#include "numbers/NumberText.h"
#include "sizing/CatalogueForm.h"
#include "sizing/RequirementForm.h"
#include "tools/volvenza-sim/CatalogueOption.h"
#include "tools/volvenza-sim/SimText.h"

namespace volvenza {
namespace {

using Json = nlohmann::json;
using namespace sizing;

constexpr const char* kContext = "volvenza::Dimensionamento";
// The id a catalogue cell is asked by.
constexpr std::string_view kCatalogueCell = "catalogue";

// What the page's answer gathers: the texts in both languages and those
// the catalogue gives no English for.
class Words {
  public:
    Json Label(const char* italian) {
        const char* english = CatalogueEnglish(kContext, italian);
        if (english == nullptr) missing_.push_back(WithoutMnemonic(italian));
        return {{"it", WithoutMnemonic(italian)},
                {"en", WithoutMnemonic(english != nullptr ? english : italian)}};
    }
    // A text of the catalogue as it is written, in either language.
    Json Both(const char* context, const char* italian) {
        const char* english = CatalogueEnglish(context, italian);
        if (english == nullptr) missing_.push_back(italian);
        return {{"it", italian}, {"en", english != nullptr ? english : italian}};
    }
    // A message as volvenza-sim words it in either language.
    Json Said(const Message& message) {
        const char* const was = std::getenv("LC_ALL");
        const std::optional<std::string> language =
            was != nullptr ? std::optional<std::string>(was) : std::nullopt;
        ::setenv("LC_ALL", "C.UTF-8", 1);
        const std::string italian = SimMessage(message);
        ::setenv("LC_ALL", "en_US.UTF-8", 1);
        const std::string english = SimMessage(message);
        // The language as it was, unset if it was.
        if (language) {
            ::setenv("LC_ALL", language->c_str(), 1);
        } else {
            ::unsetenv("LC_ALL");
        }
        if (english == italian) missing_.push_back(italian);
        return {{"it", italian}, {"en", english}};
    }
    Json Choice(const RequirementChoiceForm& choice, bool on) {
        return {{"id", choice.id},
                {"label", Label(choice.label)},
                {"option", choice.option},
                {"project", choice.projectKey},
                {"whenClear", choice.optionWhenClear},
                {"on", on}};
    }
    const Json& Missing() const { return missing_; }

  private:
    Json missing_ = Json::array();
};

std::string Reply(const Json& reply) {
    return reply.dump(-1, ' ', false, Json::error_handler_t::replace);
}

// A box's figures and what is said of them: nothing when `fits`.
std::string BoxRead(const std::vector<double>& figures, const Status& fits) {
    return Reply({{"figures", figures}, {"why", fits ? std::string() : SimMessage(fits.Error())}});
}

// What is said of a text that gives no figure.
std::string Refused(const Message& why) {
    return Reply({{"figures", Json()}, {"why", SimMessage(why)}});
}

// What the bottles' box lets be typed besides the digits: the ";" between
// sizes too; the other boxes take the tables' "characters".
Json BoxCharacters(RequirementBox which) {
    return which == RequirementBox::Bottles ? Json(std::string(kNumberSigns) + ";") : Json();
}

// The design a hold is judged on, from a project file's text; without one,
// the boxes' ranges alone: a start at infinity.
struct HoldDesign {
    CircuitData data;
    GasLawKind law;
};
HoldDesign HoldDesignOf(const std::string& project) {
    CircuitState state;
    ProjectSizing sizing;
    if (!ReadProjectText(state, sizing, project, DefaultFileName(kProjectFile))) {
        state.Data.Pm = std::numeric_limits<float>::infinity();
    }
    return {state.Data, EngineeringGas(state.Gas).Law};
}

// A hold box's text read as the desktop's window reads it, on the design
// `project` (a project file's text) when it reads as one.
std::string HoldBoxRead(size_t box, std::string_view text, const std::string& project,
                        bool fromPm) {
    const auto figure = ParseNumber<double>(text);
    const HoldDesign design = HoldDesignOf(project);
    const Status fits = CheckHoldFigure(box, figure, fromPm, design.data, design.law);
    if (!figure) return Refused(fits.Error());
    return Reply({{"figures", Json::array({*figure})},
                  {"why", fits ? std::string() : SimMessage(fits.Error())}});
}

// The accumulator types and the catalogue's columns; per column what its
// cell says when its text is no number, as the desktop's window says it
// (%1 the row, %2 the text).
std::pair<Json, Json> CatalogueForm(Words& words) {
    Json types = Json::array();
    for (const AccumulatorTypeNames& type : kAccumulatorTypes) {
        types.push_back({{"name", type.name},
                         {"project", type.projectName},
                         {"words", words.Both(kCatalogueContext, type.words)}});
    }
    Json columns = Json::array();
    for (size_t c = 0; c < kCatalogueColumns.size(); ++c) {
        const CatalogueColumnForm& column = kCatalogueColumns[c];
        columns.push_back({{"heading", words.Both(kCatalogueContext, column.heading)},
                           {"key", column.key},
                           {"project", column.projectKey},
                           {"rating", column.rating}});
    }
    return {types, columns};
}

// A part of the form by the name the page reads it by: a box by its id.
const char* PartName(const FormStep& step) {
    switch (step.part) {
        case FormPart::Box:
            return BoxForm(step.box).id;
        case FormPart::Catalogue:
            return kCatalogueCell.data();
        case FormPart::Choices:
            return "choices";
        case FormPart::Hold:
            break;
    }
    return "hold";
}

}  // namespace

std::string SizingForm() {
    Words words;
    const Requirements defaults;
    Json boxes = Json::array();
    for (size_t i = 0; i < kRequirementBoxes.size(); ++i) {
        const RequirementBoxForm& box = kRequirementBoxes[i];
        const auto which = static_cast<RequirementBox>(i);
        Json shown = Json::array();
        for (double figure : RequirementFigures(defaults, which)) {
            shown.push_back(figure * box.shownPerUnit);
        }
        boxes.push_back({{"id", box.id},
                         {"label", words.Label(box.label)},
                         {"option", box.option},
                         {"project", box.projectKey},
                         {"optional", box.optional},
                         {"emptyTaken", EmptyTaken(which)},
                         {"default", shown.empty() ? Json() : shown},
                         {"perUnit", box.shownPerUnit},
                         {"characters", BoxCharacters(which)},
                         {"notANumber", words.Said(RequirementNotANumber(which))}});
    }
    Json choices = Json::array();
    for (size_t i = 0; i < kRequirementChoices.size(); ++i) {
        choices.push_back(
            words.Choice(kRequirementChoices[i],
                         RequirementChosen(defaults, static_cast<RequirementChoice>(i))));
    }
    Json hold = Json::array();
    for (const HoldBoxForm& box : kHoldBoxes) {
        hold.push_back({{"id", box.id},
                        {"label", words.Label(box.label)},
                        {"option", box.option},
                        {"project", box.projectKey}});
    }
    const Json fromPm = words.Choice(kHoldFromPm, false);
    const auto [types, columns] = CatalogueForm(words);
    const Json cellTip = words.Both(kContext, kCatalogueCellTip);
    const Json noV0 = words.Said(Message(MessageId::SizingBoxCatalogueV0, {MsgVerbatim("%1")}));
    const Json stopped = words.Said(Message(MessageId::SizingStopped));
    // The window's title, headings, buttons and notes, without its mnemonics.
    Json formWords = Json::object();
    for (const auto& [key, text] : {std::pair{"title", kFormTitle},
                                    {"requirements", kFormRequirements},
                                    {"type", kFormType},
                                    {"catalogue", kFormCatalogue},
                                    {"add", kFormAdd},
                                    {"remove", kFormRemove},
                                    {"defaults", kFormDefaults},
                                    {"emergencyNote", kFormEmergencyNote},
                                    {"hold", kFormHold},
                                    {"compute", kFormCompute},
                                    {"stop", kFormStop},
                                    {"apply", kFormApply}}) {
        formWords[key] = words.Label(text);
    }
    Json order = Json::array();
    for (const FormStep& step : kReadingOrder) order.push_back(PartName(step));
    return Reply({{"boxes", boxes},
                  {"choices", choices},
                  {"hold", hold},
                  {"holdFromPm", fromPm},
                  {"missing", words.Missing()},
                  {"types", types},
                  {"catalogue", columns},
                  {"cellTip", cellTip},
                  {"noV0", noV0},
                  {"stopped", stopped},
                  {"words", formWords},
                  {"order", order},
                  {"projectKeys",
                   {{"type", kTypeProjectKey},
                    {"catalogue", kCatalogueProjectKey},
                    {"hold", kHoldProjectKey}}}});
}

std::optional<std::string> SizingBox(std::string_view id, std::string_view text,
                                     const std::string& project, bool fromPm) {
    for (size_t i = 0; i < kRequirementBoxes.size(); ++i) {
        if (id != kRequirementBoxes[i].id) continue;
        const auto box = static_cast<RequirementBox>(i);
        if (box == RequirementBox::Bottles) {
            const Result<std::vector<double>> sizes = ReadBottleSizes(text);
            if (!sizes) return Refused(sizes.Error());
            return Reply(
                {{"figures", *sizes},
                 {"why", ""},
                 {"option", BottleSizesText(*sizes, '.', std::string(1, kOptionSizesBetween))}});
        }
        const Result<std::optional<double>> figure = ReadRequirementText(box, text);
        if (!figure) return Refused(figure.Error());
        if (!*figure) return BoxRead({}, Done{});  // left empty, no requirement
        return BoxRead({**figure}, CheckRequirementFigure(box, **figure));
    }
    for (size_t i = 0; i < kHoldBoxes.size(); ++i) {
        if (id == kHoldBoxes[i].id) return HoldBoxRead(i, text, project, fromPm);
    }
    // A catalogue cell, read as the window reads it; the page says its tip.
    if (id == kCatalogueCell) {
        const auto figure = ParseNumber<double>(text);
        return Reply({{"figures", figure ? Json::array({*figure}) : Json()}, {"why", ""}});
    }
    return std::nullopt;
}

std::optional<std::string> CatalogueOption(const std::vector<std::vector<std::string>>& rows) {
    std::vector<std::vector<std::optional<double>>> sizes;
    for (size_t r = 0; r < rows.size(); ++r) {
        std::vector<std::optional<double>> size;
        for (const std::string& text : rows[r]) {
            const bool empty = TrimBlanks(text).empty();
            const auto figure = ParseNumber<double>(text);
            if (!empty && !figure) return std::nullopt;
            size.push_back(figure);
        }
        // A row added and left empty is no size.
        if (std::none_of(size.begin(), size.end(), [](const auto& f) { return f.has_value(); })) {
            continue;
        }
        if (size.empty() || !size[0]) return Reply({{"noV0", r}});
        sizes.push_back(size);
    }
    return Reply({{"option", CatalogueOptionText(sizes)}});
}

std::string BottlesText(const std::vector<double>& sizes) {
    return Reply({{"text", BottleSizesText(sizes, SimInEnglish() ? '.' : ',')}});
}

namespace {

// A box's or cell's [text, unchanged] from the page; nothing when it is not such.
std::optional<ShownText> ShownOf(const Json& j) {
    if (!j.is_array() || j.size() != 2 || !j[0].is_string() || !j[1].is_boolean()) {
        return std::nullopt;
    }
    return ShownText{j[0].get<std::string>(), j[1].get<bool>()};
}

std::optional<ShownForm> ShownFormOf(const Json& j) {
    if (!j.is_object()) return std::nullopt;
    ShownForm form;
    const Json boxes = j.value("boxes", Json());
    const Json choices = j.value("choices", Json());
    const Json hold = j.value("hold", Json());
    const Json catalogue = j.value("catalogue", Json());
    const auto type = TypeNamed(j.value("type", std::string()));
    if (!boxes.is_object() || !choices.is_object() || !hold.is_array() ||
        hold.size() != kHoldBoxCount || !catalogue.is_array() || !type) {
        return std::nullopt;
    }
    form.type = *type;
    form.holdFromPm = j.value("fromPm", false);
    for (size_t i = 0; i < kRequirementBoxes.size(); ++i) {
        const auto shown = ShownOf(boxes.value(kRequirementBoxes[i].id, Json()));
        if (!shown) return std::nullopt;
        form.boxes[i] = *shown;
    }
    for (size_t i = 0; i < kRequirementChoices.size(); ++i) {
        form.choices[i] = choices.value(kRequirementChoices[i].id, false);
    }
    for (size_t i = 0; i < kHoldBoxCount; ++i) {
        const auto shown = ShownOf(hold[i]);
        if (!shown) return std::nullopt;
        form.hold[i] = *shown;
    }
    for (const Json& row : catalogue) {
        if (!row.is_array()) return std::nullopt;
        std::vector<ShownText>& cells = form.catalogue.emplace_back();
        for (const Json& cell : row) {
            const auto shown = ShownOf(cell);
            if (!shown) return std::nullopt;
            cells.push_back(*shown);
        }
    }
    return form;
}

}  // namespace

std::string RequirementFiguresReply(const std::string& project) {
    CircuitState state;
    ProjectSizing sizing;
    const Status read = ReadProjectText(state, sizing, project, DefaultFileName(kProjectFile));
    if (!read) return Reply({{"error", SimMessage(read.Error())}});
    const Requirements& req = sizing.Requirements;
    Json boxes = Json::object();
    for (size_t i = 0; i < kRequirementBoxes.size(); ++i) {
        Json shown = Json::array();
        for (double figure : RequirementFigures(req, static_cast<RequirementBox>(i))) {
            shown.push_back(figure * kRequirementBoxes[i].shownPerUnit);
        }
        boxes[kRequirementBoxes[i].id] = shown;
    }
    Json catalogue;
    if (!RequirementFigures(req, RequirementBox::MinPressure).empty()) {
        catalogue = Json::array();
        for (const CatalogueSize& size : req.Catalogue) {
            Json row = Json::array();
            for (const CatalogueColumnForm& column : kCatalogueColumns) {
                const auto figure = column.figure(size);
                row.push_back(figure ? Json(*figure) : Json());
            }
            catalogue.push_back(row);
        }
    }
    return Reply({{"boxes", boxes}, {"catalogue", catalogue}});
}

std::optional<std::string> RequirementsShownReply(const std::string& form,
                                                  const std::string& project) {
    const auto shown = ShownFormOf(Json::parse(form, nullptr, false));
    if (!shown) return std::nullopt;
    CircuitState state;
    ProjectSizing sizing;
    const Status read = ReadProjectText(state, sizing, project, DefaultFileName(kProjectFile));
    if (!read) return Reply({{"error", SimMessage(read.Error())}});
    sizing.Requirements = RequirementsShown(sizing.Requirements, *shown);
    const Json written = Json::parse(ProjectFileText(state, sizing));
    return Reply({{"requirements", written[project_key::kRequirements]}});
}

std::optional<std::string> SearchBaseReply(const std::string& project, const std::string& type,
                                           bool edited) {
    Json j = Json::parse(project, nullptr, false);
    const auto shown = TypeNamed(type);
    if (!j.is_object() || !shown) return std::nullopt;
    const auto kept = j.find(project_key::kRequirements);
    if (kept != j.end() && kept->is_object()) {
        // The form says every requirement: the hold and the emergency from
        // full only when set, so the base has neither.
        (*kept)[kHoldProjectKey] = nullptr;
        (*kept)[ProjectKey(RequirementChoice::EmergencyFromFull)] = false;
        // A catalogue not edited is the type's defaults, which volvenza-sim
        // size takes for a type other than its base's.
        if (!edited) {
            const size_t other = (static_cast<size_t>(*shown) + 1) % kAccumulatorTypes.size();
            (*kept)[kTypeProjectKey] = kAccumulatorTypes[other].projectName;
        }
    }
    return Reply({{"project", j.dump()}});
}

std::string SizingHold(const std::vector<std::string>& texts, const std::string& project,
                       bool fromPm) {
    std::array<std::string_view, kHoldBoxCount> boxes{};
    for (size_t i = 0; i < kHoldBoxCount && i < texts.size(); ++i) boxes[i] = texts[i];
    const HoldTexts read = ReadHoldTexts(boxes);
    const HoldDesign design = HoldDesignOf(project);
    const auto refusals = HoldRefusals(read.figures, fromPm, design.data, design.law);
    Json why = Json::array();
    Json inRange = Json::array();
    for (size_t i = 0; i < kHoldBoxCount; ++i) {
        const std::optional<double>& figure = read.figures[i];
        // A text that gives no figure is the box's draft, said as such.
        const bool said = read.begun && figure && refusals[i];
        why.push_back(said ? SimMessage(*refusals[i]) : std::string());
        inRange.push_back(figure && kHoldBoxes[i].range.Holds(*figure));
    }
    return Reply({{"begun", read.begun}, {"why", why}, {"inRange", inRange}});
}

}  // namespace volvenza
