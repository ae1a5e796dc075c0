#pragma once
// The gas-law settings kept in the settings store between runs of the program.

#include <QStringList>

#include "engine/GasSettings.h"

namespace volvenza {

class SettingsStore;

// A key whose text is not a valid setting (edited by hand) gives its own
// default, is written back as such and is named in `reset`; the other keys
// keep their values.
GasSettings ReadGasSettings(SettingsStore& store, QStringList& reset);
void WriteGasSettings(SettingsStore& store, const GasSettings& settings);

}  // namespace volvenza
