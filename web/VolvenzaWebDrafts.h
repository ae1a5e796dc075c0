#pragma once
// The page's drafts as the desktop's project keeps them: a page place
// ("dati/V0", "mov/3/Ti", "sizing/pmin", "sizing/catalogo/2/6") is the
// project's DraftKey, and what stops a run or a save is worded for the
// draft the desktop would stop at, in its words.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "documents/Project.h"

namespace volvenza {

// The page's place of initial value `i` ("dati/V0").
std::string PageDataPlace(size_t i);

// The desktop's key of the page's box `place`; none for a place the
// project keeps no draft of (the gas model's boxes, an unknown name).
std::optional<DraftKey> PageDraftKey(std::string_view place);

// The answer to {"draft-stops": "run" | "sizing" | "save" | "export",
// "drafts": {place: text}, "movements": how many the design has}:
// {"message", "place"} of the draft that stops it, as the desktop words it
// for the first one its project holds, or {} when none does. A hold box
// holds a draft only while its text gives no number, as the desktop's; a
// gas model's box is refused first, as the desktop's window refuses it
// before anything else can be done.
std::optional<std::string> DraftStopping(std::string_view stops, const std::string& drafts,
                                         int movements);

}  // namespace volvenza
