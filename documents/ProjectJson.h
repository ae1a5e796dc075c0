#pragma once
// The project file's JSON: its names, and the reader that takes typed fields
// out of the parsed text. Shared by the reading and the writing of a project;
// nothing outside documents/ includes it.

#include <array>
#include <cmath>
#include <limits>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "documents/ProjectKeys.h"
#include "engine/CircuitState.h"
#include "messages/Message.h"
#include "messages/Result.h"
#include "sizing/CatalogueForm.h"

namespace volvenza::project_file {

using Json = nlohmann::json;

inline constexpr const char* kFormat = "volvenza-progetto";
inline constexpr float kSingleMax = std::numeric_limits<float>::max();

// The fields of a movement with their JSON names, in record order.
struct MovementField {
    const char* name;
    float Movement::*member;
};
inline constexpr std::array<MovementField, 14> kMovementFields{{
    {"Ti", &Movement::Ti},
    {"Tf", &Movement::Tf},
    {"Ti2", &Movement::Ti2},
    {"Tf2", &Movement::Tf2},
    {"alesaggio", &Movement::BoreDiameter},
    {"corsa", &Movement::Stroke},
    {"stelo", &Movement::RodDiameter},
    {"stelo2", &Movement::RodDiameter2},
    {"corsa1", &Movement::Stroke1},
    {"corsa2", &Movement::Stroke2},
    {"cilindrata", &Movement::Displacement},
    {"velocita", &Movement::Speed},
    {"cilindrata_unitaria", &Movement::UnitDisplacement},
    {"angolo", &Movement::RotationAngle},
}};

struct DataField {
    const char* name;
    float CircuitData::*member;
};
inline constexpr std::array<DataField, 7> kDataFields{{
    {"V0", &CircuitData::V0},
    {"P0", &CircuitData::P0},
    {"tc", &CircuitData::Tc},
    {"Qp", &CircuitData::Qp},
    {"Pm", &CircuitData::Pm},
    {"Dp", &CircuitData::Dp},
    {"tempo_ciclo", &CircuitData::CycleTime},
}};

inline constexpr const auto& kLaws = kLawKeys;
// The accumulator types by their names in the file, in their order.
inline constexpr std::array<const char*, sizing::kAccumulatorTypes.size()> kTypes = [] {
    std::array<const char*, sizing::kAccumulatorTypes.size()> names{};
    for (size_t i = 0; i < names.size(); ++i) names[i] = sizing::kAccumulatorTypes[i].projectName;
    return names;
}();
inline const std::array<const char*, 2> kStarts{"lenta", "rapida"};

// Where a field is wrong: its JSON path and what is wrong with it.
struct BadField {
    std::string path;
    MessageId problem;
    std::vector<MessagePart> more;  // the parts after the path
};

// Reads fields out of the parsed text, remembering the first one at fault.
class Reader {
  public:
    const Json* Member(const Json& object, const std::string& path, const char* name) {
        if (!object.is_object()) {
            Note(path, MessageId::FieldNotObject);
            return nullptr;
        }
        const auto at = object.find(name);
        if (at == object.end()) {
            Note(path + "/" + name, MessageId::FieldMissing);
            return nullptr;
        }
        return &*at;
    }
    std::optional<double> Number(const Json& object, const std::string& path, const char* name) {
        const Json* value = Member(object, path, name);
        if (value == nullptr) return std::nullopt;
        if (!value->is_number()) return Refuse(path + "/" + name, MessageId::FieldNotNumber);
        return value->get<double>();
    }
    // A number the single-precision fields can hold.
    std::optional<float> Single(const Json& object, const std::string& path, const char* name) {
        const auto value = InRange(object, path, name, -kSingleMax, kSingleMax);
        if (!value) return std::nullopt;
        return static_cast<float>(*value);
    }
    // A number from `low` (or above it, when `aboveLow`) to `high`.
    std::optional<double> InRange(const Json& object, const std::string& path, const char* name,
                                  double low, double high, bool aboveLow = false) {
        const auto value = Number(object, path, name);
        if (!value) return std::nullopt;
        if (!(aboveLow ? *value > low : *value >= low) || !(*value <= high)) {
            return Refuse(
                path + "/" + name, MessageId::FieldValueOutOfRange,
                {MsgNumberBeyond(*value, *value > high ? high : low),
                 MsgNested(Message(aboveLow ? MessageId::RangeAboveTo : MessageId::RangeFromTo,
                                   {MsgNumber(low), MsgNumber(high)}))});
        }
        return value;
    }
    // A whole number from `low` to `high`.
    std::optional<double> Whole(const Json& object, const std::string& path, const char* name,
                                double low, double high) {
        const auto value = InRange(object, path, name, low, high);
        if (value && *value != std::floor(*value)) {
            return Refuse(
                path + "/" + name, MessageId::FieldValueOutOfRange,
                {MsgNumber(*value),
                 MsgNested(Message(MessageId::RangeWhole, {MsgNumber(low), MsgNumber(high)}))});
        }
        return value;
    }
    // A number or null (nothing).
    std::optional<std::optional<double>> MaybeNumber(const Json& object, const std::string& path,
                                                     const char* name) {
        const Json* value = Member(object, path, name);
        if (value == nullptr) return std::nullopt;
        if (value->is_null()) return std::optional<double>();
        if (!value->is_number()) return Refuse(path + "/" + name, MessageId::FieldNotNumberOrNull);
        return std::optional<double>(value->get<double>());
    }
    // A number that older files may lack.
    std::optional<double> NumberOr(const Json& object, const std::string& path, const char* name,
                                   double absent) {
        if (object.contains(name)) return Number(object, path, name);
        return absent;
    }
    std::optional<bool> FlagOr(const Json& object, const std::string& path, const char* name,
                               bool absent) {
        if (object.contains(name)) return Flag(object, path, name);
        return absent;
    }
    std::optional<bool> Flag(const Json& object, const std::string& path, const char* name) {
        const Json* value = Member(object, path, name);
        if (value == nullptr) return std::nullopt;
        if (!value->is_boolean()) return Refuse(path + "/" + name, MessageId::FieldNotFlag);
        return value->get<bool>();
    }
    // The index of the text among `names`.
    template <size_t N>
    std::optional<size_t> Choice(const Json& object, const std::string& path, const char* name,
                                 const std::array<const char*, N>& names) {
        const Json* value = Member(object, path, name);
        if (value == nullptr) return std::nullopt;
        if (value->is_string()) {
            for (size_t i = 0; i < N; ++i) {
                if (value->get<std::string>() == names[i]) return i;
            }
        }
        std::string allowed;
        for (const char* n : names)
            allowed += (allowed.empty() ? "\"" : ", \"") + std::string(n) + "\"";
        return Refuse(path + "/" + name, MessageId::FieldNotChoice, {MsgVerbatim(allowed)});
    }

    const std::optional<BadField>& Bad() const { return bad_; }
    // Notes the field at fault, the first one only.
    void Note(const std::string& path, MessageId problem, std::vector<MessagePart> more = {}) {
        if (!bad_) bad_ = BadField{path.empty() ? "/" : path, problem, std::move(more)};
    }
    std::nullopt_t Refuse(const std::string& path, MessageId problem,
                          std::vector<MessagePart> more = {}) {
        Note(path, problem, std::move(more));
        return std::nullopt;
    }

  private:
    std::optional<BadField> bad_;
};

// Refuses a text that is no JSON a project can come from, with the first
// thing wrong, found before the parser builds anything: nesting too deep, a
// syntax error, a number beyond a double or a key given twice in one object.
Status CheckProjectJson(const std::string& text);

}  // namespace volvenza::project_file
