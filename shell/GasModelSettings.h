#pragma once
// The gas-law settings kept in the settings store between runs of the program.

#include "engine/GasSettings.h"

namespace volvenza {

class SettingsStore;

// Texts that are not valid settings (edited by hand) give the defaults.
GasSettings ReadGasSettings(const SettingsStore& store);
void WriteGasSettings(SettingsStore& store, const GasSettings& settings);

}  // namespace volvenza
