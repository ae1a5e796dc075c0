#pragma once
// The characters a number box takes: digits, either decimal separator, the
// signs, the exponent's E and blanks, and whatever `others` adds (the ";"
// between bottles). A letter is refused as it is typed or pasted; every step
// of a number on its way ("-", "1,", "1e") and a text that is still no number
// ("1,2,3") stay, for the box's draft and the message that names it.
// The gas model's boxes and the sizing catalogue's cells take the same.

#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QValidator>

namespace volvenza {

class NumberCharacters : public QValidator {
  public:
    explicit NumberCharacters(QObject* parent, QString others = {})
        : QValidator(parent), allowed_(QStringLiteral(",.+-eE ") + others) {}

    State validate(QString& text, int&) const override {
        for (const QChar c : text) {
            if (!c.isDigit() && !allowed_.contains(c)) return Invalid;
        }
        return Acceptable;
    }

  private:
    QString allowed_;
};

// A table whose cells are number boxes: each cell's editor takes the same.
class NumberCellDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* box = qobject_cast<QLineEdit*>(editor)) {
            box->setValidator(new NumberCharacters(box));
        }
        return editor;
    }
};

}  // namespace volvenza
