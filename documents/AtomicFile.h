#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace volvenza {

// Writes `contents` to a temporary file beside `path` and renames it over
// `path` only when every byte was written, so a failure never leaves a
// half-written or emptied target. Returns the user's message on failure.
std::optional<std::string> WriteFileAtomically(const std::string& path, std::string_view contents);

// "Impossibile salvare il file <path>."
std::string SaveFailedMessage(const std::string& path);
// "Impossibile aprire il file <path>."
std::string OpenFailedMessage(const std::string& path);

}  // namespace volvenza
