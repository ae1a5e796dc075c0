#pragma once
// The characters a number box takes: digits, kNumberSigns (the page's
// number boxes take the same from the core) and whatever `others` adds (the
// ";" between bottles). A letter is refused as it is typed or pasted; every
// step of a number on its way and a text that is still no number stay, for
// the box's draft and the message that names it. The gas model's boxes and
// the sizing window's boxes and catalogue cells take the same.

#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QValidator>

#include "numbers/NumberSigns.h"

namespace volvenza {

class NumberCharacters : public QValidator {
  public:
    explicit NumberCharacters(QObject* parent, QString others = {})
        : QValidator(parent),
          allowed_(QString::fromLatin1(kNumberSigns.data(),
                                       static_cast<qsizetype>(kNumberSigns.size())) +
                   others) {}

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
