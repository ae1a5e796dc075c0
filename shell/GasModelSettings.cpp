#include "shell/GasModelSettings.h"

#include <variant>

#include "analysis/GasModelText.h"
#include "shell/SettingsKeys.h"

namespace volvenza {
namespace {

struct Field {
    const SettingKey& key;
    std::string GasModelTexts::*text;
};
const Field kFields[] = {
    {Setting::GasLaw, &GasModelTexts::law},
    {Setting::GasExponent, &GasModelTexts::exponent},
    {Setting::GasTimeConstant, &GasModelTexts::tau},
    {Setting::GasChargeTemp, &GasModelTexts::chargeTemp},
    {Setting::GasMinTemp, &GasModelTexts::minTemp},
    {Setting::GasMaxTemp, &GasModelTexts::maxTemp},
    {Setting::GasStart, &GasModelTexts::start},
};

}  // namespace

GasSettings ReadGasSettings(const SettingsStore& store) {
    GasModelTexts texts;
    for (const Field& f : kFields) texts.*f.text = ReadSetting(store, f.key).toStdString();
    const auto parsed = ParseGasModel(texts);
    if (const auto* settings = std::get_if<GasSettings>(&parsed)) return *settings;
    return GasSettings{};
}

void WriteGasSettings(SettingsStore& store, const GasSettings& settings) {
    const GasModelTexts texts = TextsOf(settings);
    for (const Field& f : kFields) {
        WriteSetting(store, f.key, QString::fromStdString(texts.*f.text));
    }
}

}  // namespace volvenza
