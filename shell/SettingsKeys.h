#pragma once
// Every value the program keeps in the settings store, with its default.

namespace volvenza {

struct SettingKey {
    const char* application;
    const char* section;
    const char* key;
    const char* defaultValue;  // nullptr: written only, never read
};

namespace Setting {
inline constexpr SettingKey MainLeft{"Volvenza", "Settings", "MainLeft", "1000"};
inline constexpr SettingKey MainTop{"Volvenza", "Settings", "MainTop", "1000"};
inline constexpr SettingKey MainWidth{"Volvenza", "Settings", "MainWidth", "6500"};
inline constexpr SettingKey MainHeight{"Volvenza", "Settings", "MainHeight", "6500"};
inline constexpr SettingKey PrintHeader{"Volvenza", "Settings", "IntestazioneUtente", ""};
// "Automatica", "Italiano" or "English": the language of the next start.
inline constexpr SettingKey Language{"Volvenza", "Settings", "Lingua", "Automatica"};
inline constexpr SettingKey Version{"Volvenza", "Settings", "Versione", "0.0.0"};
inline constexpr SettingKey ListedByMaker{"Volvenza", "Settings", "Quarzel", nullptr};
inline constexpr SettingKey MakerGroup{"Quarzel", "Programmi", "Volvenza", nullptr};
inline constexpr SettingKey MakerFolder{"Quarzel", "Volvenza", "Percorso", nullptr};
inline constexpr SettingKey MakerMenuGroup{"Quarzel", "Volvenza", "Gruppo", nullptr};
inline constexpr SettingKey MakerProgramFile{"Quarzel", "Volvenza", "Eseguibile", nullptr};
inline constexpr SettingKey MakerIconFile{"Quarzel", "Volvenza", "Icona", nullptr};
// The gas law of the runs, as the dialog "Modello del gas" writes its boxes.
inline constexpr SettingKey GasLaw{"Volvenza", "ModelloGas", "Legge", "Classica"};
inline constexpr SettingKey GasExponent{"Volvenza", "ModelloGas", "Esponente", "1,4"};
inline constexpr SettingKey GasTimeConstant{"Volvenza", "ModelloGas", "CostanteTempo", ""};
inline constexpr SettingKey GasChargeTemp{"Volvenza", "ModelloGas", "TemperaturaCarica", "20"};
inline constexpr SettingKey GasMinTemp{"Volvenza", "ModelloGas", "TemperaturaMinima", ""};
inline constexpr SettingKey GasMaxTemp{"Volvenza", "ModelloGas", "TemperaturaMassima", ""};
inline constexpr SettingKey GasStart{"Volvenza", "ModelloGas", "Carica", "Lenta"};
}  // namespace Setting

}  // namespace volvenza

#include "platform/SettingsStore.h"

namespace volvenza {

inline QString ReadSetting(const SettingsStore& store, const SettingKey& k) {
    return store.Read(QString::fromUtf8(k.application), QString::fromUtf8(k.section),
                      QString::fromUtf8(k.key),
                      k.defaultValue != nullptr ? QString::fromUtf8(k.defaultValue) : QString());
}

inline void WriteSetting(SettingsStore& store, const SettingKey& k, const QString& value) {
    store.Write(QString::fromUtf8(k.application), QString::fromUtf8(k.section),
                QString::fromUtf8(k.key), value);
}

}  // namespace volvenza
