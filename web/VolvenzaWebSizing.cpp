#include "VolvenzaWebSizing.h"

#include <cstdlib>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "VolvenzaWebTables.h"
#include "documents/Project.h"
#include "messages/WindowWords.h"
#include "numbers/NumberText.h"
#include "sizing/CatalogueForm.h"
#include "sizing/RequirementForm.h"
#include "tools/volvenza-sim/SimText.h"

namespace volvenza {
namespace {

using Json = nlohmann::json;
using namespace sizing;

constexpr const char* kContext = "volvenza::Dimensionamento";

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

std::string BoxRefused(const Message& why) {
    return Reply({{"figures", Json()}, {"why", SimMessage(why)}});
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
        const Message refusal = CatalogueDraftMessage(static_cast<int16_t>(c), MsgVerbatim("%1"),
                                                      MsgVerbatim("%2"), DraftStops::Sizing);
        columns.push_back({{"heading", words.Both(kCatalogueContext, column.heading)},
                           {"key", column.key},
                           {"project", column.projectKey},
                           {"rating", column.rating},
                           {"notANumber", words.Said(refusal)}});
    }
    return {types, columns};
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
                         {"optional", box.optional},
                         {"default", shown.empty() ? Json() : shown},
                         {"perUnit", box.shownPerUnit},
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
        hold.push_back({{"id", box.id}, {"label", words.Label(box.label)}, {"option", box.option}});
    }
    const Json fromPm = words.Choice(kHoldFromPm, false);
    const auto [types, columns] = CatalogueForm(words);
    const Json cellTip = words.Both(kContext, kSizingNotANumberTip);
    const Json noV0 = words.Said(Message(MessageId::SizingBoxCatalogueV0, {MsgVerbatim("%1")}));
    return Reply({{"boxes", boxes},
                  {"choices", choices},
                  {"hold", hold},
                  {"holdFromPm", fromPm},
                  {"missing", words.Missing()},
                  {"types", types},
                  {"catalogue", columns},
                  {"cellTip", cellTip},
                  {"noV0", noV0}});
}

std::optional<std::string> SizingBox(std::string_view id, std::string_view text) {
    for (size_t i = 0; i < kRequirementBoxes.size(); ++i) {
        if (id != kRequirementBoxes[i].id) continue;
        const auto box = static_cast<RequirementBox>(i);
        if (box == RequirementBox::Bottles) {
            const Result<std::vector<double>> sizes = ReadBottleSizes(text);
            return sizes ? BoxRead(*sizes, Done{}) : BoxRefused(sizes.Error());
        }
        const Result<std::optional<double>> figure = ReadRequirementText(box, text);
        if (!figure) return BoxRefused(figure.Error());
        if (!*figure) return BoxRead({}, Done{});  // left empty, no requirement
        return BoxRead({**figure}, CheckRequirementFigure(box, **figure));
    }
    for (const HoldBoxForm& box : kHoldBoxes) {
        if (id != box.id) continue;
        // As the desktop's Calcola says of any hold box that gives no figure in range.
        const auto figure = ParseNumber<double>(text);
        if (!figure) return BoxRefused(Message(box.range.refusal));
        return BoxRead({*figure}, box.range.Holds(*figure) ? Status(Done{})
                                                           : Status(Message(box.range.refusal)));
    }
    return std::nullopt;
}

}  // namespace volvenza
