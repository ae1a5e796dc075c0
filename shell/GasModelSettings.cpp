#include "shell/GasModelSettings.h"

#include <iterator>
#include <optional>
#include <variant>

#include "analysis/GasModelText.h"
#include "shell/SettingsKeys.h"

namespace volvenza {
namespace {

struct Field {
    const SettingKey& key;
    std::string GasModelTexts::*text;
    std::optional<GasModelBox> box;  // the box a refusal names; the law has none
};
const Field kFields[] = {
    {Setting::GasLaw, &GasModelTexts::law, std::nullopt},
    {Setting::GasExponent, &GasModelTexts::exponent, GasModelBox::Exponent},
    {Setting::GasTimeConstant, &GasModelTexts::tau, GasModelBox::Tau},
    {Setting::GasChargeTemp, &GasModelTexts::chargeTemp, GasModelBox::ChargeTemp},
    {Setting::GasMinTemp, &GasModelTexts::minTemp, GasModelBox::MinTemp},
    {Setting::GasMaxTemp, &GasModelTexts::maxTemp, GasModelBox::MaxTemp},
    {Setting::GasStart, &GasModelTexts::start, std::nullopt},
};

void ResetKey(SettingsStore& store, GasModelTexts& texts, const Field& f, QStringList& reset) {
    texts.*f.text = f.key.defaultValue;
    WriteSetting(store, f.key, QString::fromUtf8(f.key.defaultValue));
    reset << QString::fromUtf8(f.key.key);
}

}  // namespace

GasSettings ReadGasSettings(SettingsStore& store, QStringList& reset) {
    GasModelTexts texts;
    for (const Field& f : kFields) texts.*f.text = ReadSetting(store, f.key).toStdString();
    // Each refusal names one box; that key alone goes back to its default.
    for (size_t tries = 0; tries <= std::size(kFields); ++tries) {
        const auto parsed = ParseGasModel(texts);
        if (const auto* settings = std::get_if<GasSettings>(&parsed)) {
            // A law's name that is none of the laws reads as the classic law.
            if (TextsOf(*settings).law != texts.law) ResetKey(store, texts, kFields[0], reset);
            return *settings;
        }
        const GasModelBox box = std::get<GasModelError>(parsed).box;
        for (const Field& f : kFields) {
            if (f.box == box) ResetKey(store, texts, f, reset);
        }
    }
    return GasSettings{};
}

void WriteGasSettings(SettingsStore& store, const GasSettings& settings) {
    const GasModelTexts texts = TextsOf(settings);
    for (const Field& f : kFields) {
        WriteSetting(store, f.key, QString::fromStdString(texts.*f.text));
    }
}

}  // namespace volvenza
