#include "entry/NumberBox.h"

#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>

#include "numbers/NumberText.h"
#include "platform/Language.h"
#include "platform/NumberCharacters.h"

namespace volvenza {
namespace {

QString Filtered(const QString& text) {
    QString out = text;
    for (QChar& c : out)
        c = QChar(static_cast<char16_t>(FilterDecimalKey(c.unicode(), UiDecimalSeparator())));
    return out;
}

// The separator the box does not use: typed, it becomes the language's one.
QChar WrongSeparator() {
    return QLatin1Char(UiDecimalSeparator() == '.' ? ',' : '.');
}

}  // namespace

NumberBox::NumberBox(Period period, QWidget* parent) : QLineEdit(parent), period_(period) {
    setValidator(new NumberCharacters(this));
}

void NumberBox::keyPressEvent(QKeyEvent* event) {
    if (period_ == Period::TypedAsComma && event->text().contains(WrongSeparator())) {
        // The same key event, carrying the language's separator instead.
        QKeyEvent comma(event->type(), event->key(), event->modifiers(), event->nativeScanCode(),
                        event->nativeVirtualKey(), event->nativeModifiers(),
                        Filtered(event->text()), event->isAutoRepeat(), event->count());
        QLineEdit::keyPressEvent(&comma);
        event->setAccepted(comma.isAccepted());
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void NumberBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // A click places the caret where it lands; back from a context menu the
    // text stays as the menu left it.
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::MouseFocusReason && reason != Qt::PopupFocusReason) selectAll();
    emit FocusEntered();
}

void NumberBox::keyReleaseEvent(QKeyEvent* event) {
    QLineEdit::keyReleaseEvent(event);
    emit KeyReleased(*event);
}

void NumberBox::inputMethodEvent(QInputMethodEvent* event) {
    // An input method commits typed text this way rather than as key events.
    if (period_ == Period::TypedAsComma && event->commitString().contains(WrongSeparator())) {
        QInputMethodEvent comma(event->preeditString(), event->attributes());
        comma.setCommitString(Filtered(event->commitString()), event->replacementStart(),
                              event->replacementLength());
        QLineEdit::inputMethodEvent(&comma);
        return;
    }
    QLineEdit::inputMethodEvent(event);
}

}  // namespace volvenza
