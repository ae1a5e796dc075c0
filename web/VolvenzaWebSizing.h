#pragma once
// The sizing form the page builds, as the desktop's window builds it from
// the sizing library's tables: asked of the core once when the page starts;
// and each box's text read as the window reads it, asked as it is typed.

#include <optional>
#include <string>
#include <string_view>

namespace volvenza {

// The answer to {"sizing-form": true}, as JSON: per box its id, label (in
// both languages), option, whether it may be empty, default as the box
// shows it and what is said of a text that is no number; the choices, the
// hold's boxes and the texts without English; the accumulator types
// (volvenza-sim's name, the project's, the words) and the catalogue's
// columns (heading, volvenza-sim's key, the project's, whether it is the
// fatigue rating's, what a cell that is no number says with %1 its row and
// %2 its text), a cell's tooltip while it is no number, and what a size
// without V0 says (%1 its row). Whether a box's text fits is SizingBox's
// to say.
std::string SizingForm();

// The answer to {"sizing-box": id, "text": text}: the box's text read as
// the desktop's window reads it, {"figures": [...] as the requirements keep
// them (none for a box left empty that may be), or null for a text that
// gives none, "why": what is said of it, in
// the language of the messages, empty when it fits}. A hold box's figure
// outside its range is said of whether or not the hold is asked for; the
// page knows when it is. Nothing for a box the form does not have.
std::optional<std::string> SizingBox(std::string_view id, std::string_view text);

}  // namespace volvenza
