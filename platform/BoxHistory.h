#pragma once
// Ctrl+Z and Ctrl+Y (and the platform's own undo and redo keys) in the line
// boxes of a window step through one history, as in a text editor: first
// the typing in the box being typed into, then the history given (the
// project's). A box's own steps last while the typing does: they go when
// the box loses the focus, so that an undo never reaches back past what
// the project has taken since.

#include <functional>

class QWidget;

namespace volvenza {

// Over every line box under `window` now. A box's text brought back by its
// own undo or redo is reported as typed (textEdited).
void ShareBoxHistory(QWidget* window, std::function<void()> undo, std::function<void()> redo);

}  // namespace volvenza
