#include "entry/CycleTableView.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QPersistentModelIndex>

#include "entry/ActuatorPages.h"
#include "entry/CycleTableModel.h"
#include "entry/NumberBox.h"
#include "numbers/NumberText.h"
#include "views/CycleColours.h"
#include "views/MovementText.h"

namespace volvenza {
namespace {

bool IsPlainEnter(const QKeyEvent& key) {
    return (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) &&
           (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// The cell being typed: red text when it is no number, the row's colour and
// reasons as they would be with this text stored.
void MarkTypedCell(NumberBox& box, const QModelIndex& index) {
    const auto* model = qobject_cast<const CycleTableModel*>(index.model());
    if (model == nullptr) return;
    const QString text = box.text();
    const CycleTableModel::RowCheck check = model->CheckRow(index.row(), index.column(), &text);
    QPalette palette;
    if (check.severity == CycleTableModel::Severity::Error) {
        palette.setColor(QPalette::Base, kCheckErrorColour);
    } else if (check.severity == CycleTableModel::Severity::Warning) {
        palette.setColor(QPalette::Base, kCheckWarningColour);
    }
    Movement probe;
    const bool number = CycleTableModel::IsDuty(index.column())
                            ? CycleTableModel::DutyFromText(probe, index.column(), text)
                        : index.column() == CycleTableModel::Flow
                            ? ParseNumber<double>(text.toStdString()).has_value()
                            : ParseNumber<float>(text.toStdString()).has_value();
    if (!number) palette.setColor(QPalette::Text, Qt::red);
    box.setPalette(palette);
    box.setToolTip(check.reasons.join(QLatin1Char('\n')));
}

}  // namespace

CycleTableView::CycleTableView(QWidget* parent) : QTableView(parent) {
    setItemDelegate(new CycleDelegate(this));
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::EditKeyPressed);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setTabKeyNavigation(true);
}

void CycleTableView::CommitEdit() {
    if (state() != QAbstractItemView::EditingState) return;
    QWidget* editor = QApplication::focusWidget();
    while (editor != nullptr && editor->parentWidget() != viewport()) {
        editor = editor->parentWidget();
    }
    if (editor == nullptr) return;
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

QModelIndex CycleTableView::NextEditable(const QModelIndex& from, int step) const {
    const QAbstractItemModel* m = model();
    if (m == nullptr || !from.isValid()) return from;
    const int columns = m->columnCount();
    const int cells = m->rowCount() * columns;
    for (int at = from.row() * columns + from.column() + step; at >= 0 && at < cells; at += step) {
        const QModelIndex cell = m->index(at / columns, at % columns);
        if (!isColumnHidden(cell.column()) && (cell.flags() & Qt::ItemIsEditable)) return cell;
    }
    return from;
}

QModelIndex CycleTableView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    if (action == MoveNext) return NextEditable(currentIndex(), +1);
    if (action == MovePrevious) return NextEditable(currentIndex(), -1);
    return QTableView::moveCursor(action, modifiers);
}

void CycleTableView::keyPressEvent(QKeyEvent* event) {
    if (IsPlainEnter(*event) && state() != QAbstractItemView::EditingState) {
        const QModelIndex next = NextEditable(currentIndex(), +1);
        if (next.isValid()) setCurrentIndex(next);
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

QWidget* CycleDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                     const QModelIndex& index) const {
    if (index.column() == CycleTableModel::Kind) {
        auto* kinds = new QComboBox(parent);
        kinds->setObjectName(QStringLiteral("TipoMovimento"));
        // In the order of the movement editor's add buttons.
        for (const AddButton& button : kAddButtons) {
            QPixmap swatch(12, 12);
            swatch.fill(KindColour(button.kind));
            kinds->addItem(QIcon(swatch), KindTitle(button.kind), int(button.kind));
        }
        const int16_t kind = static_cast<int16_t>(index.data(Qt::EditRole).toInt());
        if (kinds->findData(int(kind)) < 0) {
            kinds->addItem(KindTitle(kind), int(kind));
        }
        return kinds;
    }
    auto* box = new NumberBox(NumberBox::Period::TypedAsComma, parent);
    box->setObjectName(QStringLiteral("CellaMovimento"));
    box->setFrame(false);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const QPersistentModelIndex cell(index);
    connect(box, &QLineEdit::textChanged, box, [box, cell] {
        if (cell.isValid()) MarkTypedCell(*box, cell);
    });
    return box;
}

void CycleDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    if (auto* kinds = qobject_cast<QComboBox*>(editor)) {
        kinds->setCurrentIndex(kinds->findData(index.data(Qt::EditRole).toInt()));
        return;
    }
    if (auto* box = qobject_cast<NumberBox*>(editor)) {
        box->setText(index.data(Qt::EditRole).toString());
        MarkTypedCell(*box, index);
    }
}

void CycleDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                 const QModelIndex& index) const {
    if (auto* kinds = qobject_cast<QComboBox*>(editor)) {
        model->setData(index, kinds->currentData());
    } else if (auto* box = qobject_cast<NumberBox*>(editor)) {
        model->setData(index, box->text());
    }
}

void CycleDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                         const QModelIndex& index) const {
    if (qobject_cast<QComboBox*>(editor) != nullptr) {
        editor->setGeometry(option.rect);
        return;
    }
    QStyledItemDelegate::updateEditorGeometry(editor, option, index);
}

bool CycleDelegate::eventFilter(QObject* object, QEvent* event) {
    auto* editor = qobject_cast<QWidget*>(object);
    if (editor != nullptr && event->type() == QEvent::KeyPress &&
        IsPlainEnter(*static_cast<QKeyEvent*>(event))) {
        emit commitData(editor);
        emit closeEditor(editor, QAbstractItemDelegate::EditNextItem);
        return true;
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

}  // namespace volvenza
