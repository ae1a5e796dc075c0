#include "VolvenzaWebDrafts.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "documents/PastedMovements.h"
#include "documents/ProjectKeys.h"
#include "numbers/NumberText.h"
#include "sizing/RequirementForm.h"
#include "tools/volvenza-sim/SimText.h"

namespace volvenza {
namespace {

using Json = nlohmann::json;

// The number that starts `text`, and the rest after its '/'.
std::optional<int16_t> Index(std::string_view& text) {
    int16_t n = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (error != std::errc() || n < 0) return std::nullopt;
    text.remove_prefix(static_cast<size_t>(end - text.data()));
    if (!text.empty() && text.front() == '/') text.remove_prefix(1);
    return n;
}

// A movement's field by the project file's name of its column.
std::optional<int16_t> MovementFieldOf(std::string_view key) {
    for (int c = 0; c < PasteColumn::Count; ++c) {
        const char* name = ProjectColumnKey(c);
        if (name == nullptr || key != name) continue;
        if (c == PasteColumn::Flow) return kFlowField;
        if (c >= PasteColumn::Load && c <= PasteColumn::TypedRequired) {
            return static_cast<int16_t>(kLoadField + (c - PasteColumn::Load));
        }
        if (PasteColumnField(c) != nullptr) return MovementField(PasteColumnField(c));
    }
    return std::nullopt;
}

// The gas model's boxes the page edits, refused as the desktop's window
// refuses them.
std::optional<MessageId> GasRefusal(std::string_view key) {
    if (key == project_key::kExponent) return MessageId::ExponentBox;
    if (key == project_key::kMinTemp) return MessageId::MinTempBox;
    if (key == project_key::kMaxTemp) return MessageId::MaxTempBox;
    return std::nullopt;
}

constexpr std::string_view kGas = "gas/";
constexpr std::string_view kData = "dati/";

}  // namespace

std::string PageDataPlace(size_t i) {
    return std::string(kData) + ProjectDataKey(i);
}

std::optional<DraftKey> PageDraftKey(std::string_view place) {
    const auto after = [&place](std::string_view head) {
        if (place.substr(0, head.size()) != head) return false;
        place.remove_prefix(head.size());
        return true;
    };
    if (after(kData)) {
        for (size_t i = 0; ProjectDataKey(i) != nullptr; ++i) {
            if (place == ProjectDataKey(i)) {
                return DraftKey{DraftKey::Place::InitialData, 0, static_cast<int16_t>(i)};
            }
        }
    } else if (after("mov/")) {
        // The page counts its rows from 0, the project its slots from 1.
        const auto row = Index(place);
        const auto field = MovementFieldOf(place);
        if (row && field) {
            return DraftKey{DraftKey::Place::Movement, static_cast<int16_t>(*row + 1), *field};
        }
    } else if (after("sizing/catalogo/")) {
        const auto row = Index(place);
        const auto column = Index(place);
        if (row && column && place.empty() && *column < kCatalogueDraftColumns) {
            return DraftKey{DraftKey::Place::Catalogue, static_cast<int16_t>(*row + 1), *column};
        }
    } else if (after("sizing/")) {
        const auto& boxes = sizing::kRequirementBoxes;
        for (size_t i = 0; i < boxes.size() + sizing::kHoldBoxes.size(); ++i) {
            const char* id =
                i < boxes.size() ? boxes[i].id : sizing::kHoldBoxes[i - boxes.size()].id;
            if (place == id) {
                return DraftKey{DraftKey::Place::Requirements, 0, static_cast<int16_t>(i)};
            }
        }
    }
    return std::nullopt;
}

std::optional<std::string> DraftStopping(std::string_view stops, const std::string& drafts,
                                         int movements) {
    constexpr std::pair<std::string_view, DraftStops> kStops[] = {{"run", DraftStops::Run},
                                                                  {"sizing", DraftStops::Sizing},
                                                                  {"save", DraftStops::Save},
                                                                  {"export", DraftStops::Export}};
    const auto* named = std::find_if(std::begin(kStops), std::end(kStops),
                                     [stops](const auto& s) { return s.first == stops; });
    if (named == std::end(kStops)) return std::nullopt;
    const DraftStops which = named->second;
    const Json typed = Json::parse(drafts, nullptr, false);
    if (!typed.is_object()) return std::nullopt;
    const auto answer = [](const Message& message, const std::string& place) {
        return Json({{"message", SimMessage(message)}, {"place", place}})
            .dump(-1, ' ', false, Json::error_handler_t::replace);
    };
    for (const auto& [place, text] : typed.items()) {
        if (!text.is_string()) return std::nullopt;
        if (place.rfind(kGas, 0) != 0) continue;
        if (const auto refusal = GasRefusal(std::string_view(place).substr(kGas.size()))) {
            return answer(Message(*refusal), place);
        }
    }
    // The project's drafts as the desktop keeps them, in its order.
    std::map<DraftKey, std::pair<std::string, std::string>> kept;
    for (const auto& [place, text] : typed.items()) {
        const std::string said = text.get<std::string>();
        const auto key = PageDraftKey(place);
        if (!key) continue;
        // A hold not whole keeps its boxes as typed: a draft only where the
        // text gives no number. A slot past the list's end is no box.
        const bool hold = key->place == DraftKey::Place::Requirements &&
                          static_cast<size_t>(key->field) >= sizing::kRequirementBoxes.size();
        const bool blank = said.find_first_not_of(" \t") == std::string::npos;
        if (hold && (blank || ParseNumber<double>(said))) continue;
        if (key->place == DraftKey::Place::Movement && key->movement > movements) continue;
        kept[*key] = {place, said};
    }
    if (kept.empty()) return Json::object().dump();
    const auto& [key, first] = *kept.begin();
    return answer(DraftMessage(key, first.second, which), first.first);
}

}  // namespace volvenza
