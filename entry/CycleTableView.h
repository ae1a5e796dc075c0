#pragma once
// The cycle table's grid. Tab and Enter walk the cells that can be edited,
// in reading order; typing into a cell replaces its value; the kind is
// chosen from a drop-down of the six kinds' names; and a cell being typed
// shows at once whether its text is a number and what the row's checks make
// of the value.

#include <QStyledItemDelegate>
#include <QTableView>

namespace volvenza {

class CycleTableView : public QTableView {
    Q_OBJECT

  public:
    explicit CycleTableView(QWidget* parent = nullptr);

    // Stores the cell being typed, if any, and closes its editor.
    void CommitEdit();
    // The next (step +1) or previous (-1) editable cell from `from` in
    // reading order; `from` itself when there is none.
    QModelIndex NextEditable(const QModelIndex& from, int step) const;

  protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void keyPressEvent(QKeyEvent* event) override;
};

class CycleDelegate : public QStyledItemDelegate {
    Q_OBJECT

  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    // The kinds' drop-down takes the whole cell, colour mark included.
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

  protected:
    // Enter stores the cell and goes on to the next one, as Tab does.
    bool eventFilter(QObject* editor, QEvent* event) override;
};

}  // namespace volvenza
