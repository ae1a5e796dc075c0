#pragma once

#include <string>

#include "engine/CircuitData.h"
#include "sizing/Search.h"

namespace volvenza {

// The sizing's answer as one JSON object, for `volvenza-sim size --json`.
std::string AnswerJson(const sizing::SizingAnswer& a, const sizing::Requirements& req,
                       const CircuitData& data);

}  // namespace volvenza
