#pragma once
// The initial-data window: seven boxes for the accumulator, pump, pressures
// and cycle time, over the project. A box whose text is a number puts it
// into the project at once; one whose text is not keeps that text as the
// box's draft, in the project, marked in the box, until a number replaces
// it.

#include <array>

#include <QWidget>

#include "engine/CircuitState.h"

namespace volvenza {

class Dialogs;
class NumberBox;
class Project;

class DatiIniziali : public QWidget {
    Q_OBJECT

  public:
    // The window needs no dialogs; it takes them like every child window.
    DatiIniziali(Project& project, Dialogs& dialogs, QWidget* parent = nullptr);

    // Shows the project's values (or drafts) in every box that does not
    // already say the same, so that typing and its undo are left alone.
    void ShowData();
    // Gives the box of that name the focus with its text selected, so that
    // typing replaces it.
    void FocusBox(const QString& boxName);

    // The design size: the controls sit at fixed places, there is no layout.
    QSize sizeHint() const override;

  private:
    void Typed(size_t box);
    void MarkBox(size_t box, bool number);

    Project& project_;
    std::array<NumberBox*, 7> boxes_{};
};

}  // namespace volvenza
