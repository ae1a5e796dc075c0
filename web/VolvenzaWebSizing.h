#pragma once
// The sizing form the page builds, as the desktop's window builds it from
// the sizing library's tables: asked of the core once when the page starts.

#include <string>

namespace volvenza {

// The answer to {"sizing-form": true}, as JSON: per box its id, label (in
// both languages), option, whether it may be empty, default as the box
// shows it, what is said of a text that is no number and the range its
// figure must lie in with what is said outside it; the choices, the hold's
// boxes, the most sizes a catalogue holds, and the texts without English.
std::string SizingForm();

}  // namespace volvenza
