#pragma once
// The sizing form the page builds, as the desktop's window builds it from
// the sizing library's tables: asked of the core once when the page starts.

#include <string>

namespace volvenza {

// The answer to {"sizing-form": true}, as JSON: per box its id, label (in
// both languages), option, whether it may be empty, default as the box
// shows it, what is said of a text that is no number and the range its
// figure must lie in with what is said outside it; the choices, the hold's
// boxes, the most sizes a catalogue holds, and the texts without English;
// the accumulator types (volvenza-sim's name, the project's, the words) and
// the catalogue's columns (heading, volvenza-sim's key, the project's,
// whether it is the fatigue rating's, what a cell that is no number says
// with %1 its row and %2 its text), a cell's tooltip while it is no number,
// and what a size without V0 says (%1 its row).
std::string SizingForm();

}  // namespace volvenza
