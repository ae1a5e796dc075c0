#include "platform/BoxHistory.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

namespace volvenza {
namespace {

enum class Step { None, Undo, Redo };

// Forgets the box's own steps, keeping its text and caret.
void ForgetSteps(QLineEdit& box) {
    if (!box.isUndoAvailable() && !box.isRedoAvailable()) return;
    const QString text = box.text();
    const int cursor = box.cursorPosition();
    const bool blocked = box.blockSignals(true);
    box.setText(text);
    box.setCursorPosition(cursor);
    box.blockSignals(blocked);
}

Step StepOf(const QKeyEvent& key) {
    if (key.matches(QKeySequence::Undo)) return Step::Undo;
    // Ctrl+Y is the program's redo key whatever the platform's is.
    if (key.matches(QKeySequence::Redo) ||
        key.keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y)) {
        return Step::Redo;
    }
    return Step::None;
}

class BoxHistory : public QObject {
  public:
    BoxHistory(QWidget* window, std::function<void()> undo, std::function<void()> redo)
        : QObject(window), undo_(std::move(undo)), redo_(std::move(redo)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* box = qobject_cast<QLineEdit*>(watched);
        if (box == nullptr || box->isReadOnly()) return false;
        switch (event->type()) {
            case QEvent::ShortcutOverride:
                // The key is the box's, never the menu's: the box passes it on.
                if (StepOf(*static_cast<QKeyEvent*>(event)) == Step::None) return false;
                event->accept();
                return true;
            case QEvent::KeyPress: {
                const Step step = StepOf(*static_cast<QKeyEvent*>(event));
                if (step == Step::None) return false;
                const bool own =
                    step == Step::Undo ? box->isUndoAvailable() : box->isRedoAvailable();
                if (own) {
                    step == Step::Undo ? box->undo() : box->redo();
                    emit box->textEdited(box->text());
                } else if (const auto& shared = step == Step::Undo ? undo_ : redo_) {
                    // Past the box's own steps the history is one: none of them
                    // is left to come back out of order.
                    ForgetSteps(*box);
                    shared();
                }
                return true;
            }
            case QEvent::FocusOut:
                // The typing is over: what it did is the project's steps now.
                ForgetSteps(*box);
                return false;
            default:
                return false;
        }
    }

  private:
    std::function<void()> undo_;
    std::function<void()> redo_;
};

}  // namespace

void ShareBoxHistory(QWidget* window, std::function<void()> undo, std::function<void()> redo) {
    auto* history = new BoxHistory(window, std::move(undo), std::move(redo));
    for (QLineEdit* box : window->findChildren<QLineEdit*>()) box->installEventFilter(history);
}

}  // namespace volvenza
