#pragma once
// A one-line box for a number written with the decimal comma. In the boxes
// that convert the period, a typed "." is inserted as ","; text pasted in is
// left as it is. Every key released in the box is reported, so the window can
// recompute or warn. A box that takes the focus other than by a click selects
// its text, so typing replaces the value instead of adding to it. Letters are
// refused (NumberCharacters); a number half typed is kept as it is.

#include <QLineEdit>

class QKeyEvent;

namespace volvenza {

class NumberBox : public QLineEdit {
    Q_OBJECT

  public:
    enum class Period { TypedAsComma, Kept };

    explicit NumberBox(Period period, QWidget* parent = nullptr);

  signals:
    void KeyReleased(const QKeyEvent& event);
    void FocusEntered();

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

  private:
    Period period_;
};

}  // namespace volvenza
