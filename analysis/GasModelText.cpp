#include "analysis/GasModelText.h"

#include <cmath>
#include <optional>

#include "engine/CycleRun.h"
#include "numbers/NumberText.h"

namespace volvenza {
namespace {

struct LawName {
    GasLawKind law;
    const char* name;
};
constexpr LawName kLawNames[] = {{GasLawKind::Classic, "Classica"},
                                 {GasLawKind::Ideal, "Ideale"},
                                 {GasLawKind::Nitrogen, "Azoto"}};

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string Text(std::optional<double> value) {
    return value ? FormatNumber(*value, ',') : std::string();
}

// Above absolute zero, the way the initial data's temperature is checked.
bool Temperature(const std::optional<double>& t) {
    return t && *t > -273.15;
}

}  // namespace

GasModelTexts TextsOf(const GasSettings& s) {
    GasModelTexts t;
    for (const LawName& l : kLawNames) {
        if (l.law == s.Law) t.law = l.name;
    }
    t.exponent = FormatNumber(s.Exponent, ',');
    t.tau = std::isinf(s.Tau) ? std::string() : FormatNumber(s.Tau, ',');
    t.chargeTemp = FormatNumber(s.ChargeTemp, ',');
    t.minTemp = Text(s.MinTemp);
    t.maxTemp = Text(s.MaxTemp);
    t.start = s.Start == gas::ChargeStart::Fast ? "Rapida" : "Lenta";
    return t;
}

std::variant<GasSettings, GasModelError> ParseGasModel(const GasModelTexts& t) {
    GasSettings s;
    for (const LawName& l : kLawNames) {
        if (t.law == l.name) s.Law = l.law;
    }
    if (t.start == "Rapida") s.Start = gas::ChargeStart::Fast;
    const auto exponent = ParseNumber<double>(t.exponent);
    if (!(exponent && *exponent >= 1 && *exponent <= 1.67)) {
        return GasModelError{GasModelBox::Exponent, MessageId::ExponentBox};
    }
    s.Exponent = *exponent;
    if (!Trimmed(t.tau).empty()) {
        const auto tau = ParseNumber<double>(t.tau);
        if (!(tau && *tau >= 0 && std::isfinite(*tau))) {
            return GasModelError{GasModelBox::Tau, MessageId::TimeConstantBox};
        }
        s.Tau = *tau;
    }
    const auto charge = ParseNumber<double>(t.chargeTemp);
    if (!Temperature(charge)) {
        return GasModelError{GasModelBox::ChargeTemp, MessageId::ChargeTempBox};
    }
    s.ChargeTemp = *charge;
    const struct {
        const std::string& text;
        std::optional<double>& value;
        GasModelBox box;
        MessageId refusal;
    } limits[] = {{t.minTemp, s.MinTemp, GasModelBox::MinTemp, MessageId::MinTempBox},
                  {t.maxTemp, s.MaxTemp, GasModelBox::MaxTemp, MessageId::MaxTempBox}};
    for (const auto& limit : limits) {
        if (Trimmed(limit.text).empty()) continue;
        limit.value = ParseNumber<double>(limit.text);
        if (!Temperature(limit.value)) {
            return GasModelError{limit.box, limit.refusal};
        }
    }
    if (s.MinTemp && s.MaxTemp && *s.MinTemp > *s.MaxTemp) {
        return GasModelError{GasModelBox::MinTemp, MessageId::MinAboveMax};
    }
    return s;
}

std::variant<Arrangement, GasModelError> ParseArrangement(const ArrangementTexts& t) {
    Arrangement a;
    const auto count = ParseNumber<double>(t.parallel);
    if (!(count && *count >= 1 && *count <= kMaxParallel && *count == std::floor(*count))) {
        return GasModelError{GasModelBox::Parallel,
                             Message(MessageId::ParallelCount, {MsgInteger(kMaxParallel)})};
    }
    a.Count = static_cast<int>(*count);
    if (!Trimmed(t.bottles).empty()) {
        const auto bottles = ParseNumber<double>(t.bottles);
        if (!bottles) return GasModelError{GasModelBox::Bottles, MessageId::BottleVolume};
        a.BottleVolume = *bottles;
    }
    const auto efficiency = ParseNumber<double>(t.efficiency);
    if (!efficiency) {
        return GasModelError{GasModelBox::VolumetricEfficiency, MessageId::VolumetricEfficiency};
    }
    a.VolumetricEfficiency = *efficiency;
    if (Status checked = CheckArrangement(a); !checked) {
        const MessageId id = checked.Error().id;
        return GasModelError{id == MessageId::BottleVolume ? GasModelBox::Bottles
                                                           : GasModelBox::VolumetricEfficiency,
                             checked.Error()};
    }
    return a;
}

}  // namespace volvenza
