#pragma once
// How the core's answers to the page are written.

#include <nlohmann/json.hpp>
#include <string>

namespace volvenza {

using Json = nlohmann::json;

// An answer as JSON text; text that is not UTF-8 is replaced, never thrown
// on.
inline std::string Reply(const Json& reply) {
    return reply.dump(-1, ' ', false, Json::error_handler_t::replace);
}

// A request the page should never make: status 64, as for wrong usage.
inline std::string Refusal(const std::string& wanted) {
    return Reply({{"code", 64},
                  {"stdout", ""},
                  {"stderr", "volvenza_call: expected " + wanted + "\n"},
                  {"files", Json::object()}});
}

}  // namespace volvenza
