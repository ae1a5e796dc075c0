#pragma once
// The gas-law settings as the texts of the dialog's boxes and of the
// settings store: numbers with the decimal comma, an empty time constant for
// infinity, empty envelope limits for the working temperature.

#include <string>
#include <variant>

#include "engine/GasSettings.h"
#include "messages/Message.h"

namespace volvenza {

struct GasModelTexts {
    std::string law;  // "Classica", "Ideale" or "Azoto"
    std::string exponent;
    std::string tau;
    std::string chargeTemp;
    std::string minTemp;
    std::string maxTemp;
    std::string start;  // "Lenta" or "Rapida"; anything else is taken as slow
};

// Which box a refusal is about.
enum class GasModelBox {
    Exponent,
    Tau,
    ChargeTemp,
    MinTemp,
    MaxTemp,
    Parallel,
    Bottles,
    VolumetricEfficiency
};

struct GasModelError {
    GasModelBox box;
    Message message;
};

GasModelTexts TextsOf(const GasSettings& settings);
std::variant<GasSettings, GasModelError> ParseGasModel(const GasModelTexts& texts);

// The project's vessels as the dialog's boxes give them (either decimal
// separator; no bottle volume is none), refused as CheckArrangement refuses.
struct ArrangementTexts {
    std::string parallel;
    std::string bottles;
    std::string efficiency;
};
std::variant<Arrangement, GasModelError> ParseArrangement(const ArrangementTexts& texts);

}  // namespace volvenza
