#pragma once
// The catalogue as `volvenza-sim size --catalogue` takes it:
// "V0[:ratio[:PS[:flow[:tau[:swing[:cycles]]]]]]" per size (the catalogue's
// columns in order), separated by commas; a part left empty (or a size
// given alone) takes the type's default. The browser's page has its
// catalogue written so by the core.

#include <optional>
#include <string>
#include <vector>

#include "sizing/Requirements.h"

namespace volvenza {

// What separates the sizes of a list volvenza-sim size takes: the
// catalogue's and the bottles' (--bottle-sizes).
inline constexpr char kOptionSizesBetween = ',';

// The sizes `text` gives for `type`; none when a part is no number.
std::optional<std::vector<sizing::CatalogueSize>> ReadCatalogueOption(const std::string& text,
                                                                      sizing::AccumulatorType type);

// The option's text of sizes given by their columns' figures, none for a
// part left empty; each size's V0 given.
std::string CatalogueOptionText(const std::vector<std::vector<std::optional<double>>>& sizes);

}  // namespace volvenza
