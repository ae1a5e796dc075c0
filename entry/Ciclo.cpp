#include "entry/Ciclo.h"

#include <algorithm>

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QHeaderView>
#include <QMenu>
#include <QScrollBar>
#include <QSplitter>
#include <QToolBar>
#include <QToolButton>
#include <QUndoStack>
#include <QVBoxLayout>

#include "documents/Project.h"
#include "entry/ActuatorPages.h"
#include "entry/CycleCommands.h"
#include "entry/CycleDiagram.h"
#include "entry/CycleEdits.h"
#include "entry/CycleTableModel.h"
#include "entry/CycleTableView.h"
#include "platform/Dialogs.h"
#include "platform/ResultsNote.h"
#include "platform/ScreenUnits.h"
#include "platform/UiMessage.h"
#include "views/MovementText.h"

namespace volvenza {
namespace {

const char* const kCaption = QT_TRANSLATE_NOOP("volvenza::Ciclo", "Ciclo");
const char* const kTableName =
    QT_TRANSLATE_NOOP("volvenza::Ciclo", "Tabella dei movimenti del ciclo");
const char* const kToolbarName =
    QT_TRANSLATE_NOOP("volvenza::Ciclo", "Comandi della tabella dei movimenti");
const char* const kAddText = QT_TRANSLATE_NOOP("volvenza::Ciclo", "Aggiunta di un movimento");
const char* const kDuplicateText =
    QT_TRANSLATE_NOOP("volvenza::Ciclo", "Duplicazione di movimenti");
const char* const kMoveText = QT_TRANSLATE_NOOP("volvenza::Ciclo", "Spostamento di movimenti");

struct Command {
    const char* name;
    const char* text;
    const char* tooltip;
};
const Command kAdd{
    "Aggiungi", QT_TRANSLATE_NOOP("volvenza::Ciclo", "Aggiungi"),
    QT_TRANSLATE_NOOP("volvenza::Ciclo",
                      "Aggiunge sotto la riga corrente un movimento del suo tipo (Ctrl+Invio); la "
                      "freccia sceglie il tipo")};
const Command kDuplicate{
    "Duplica", QT_TRANSLATE_NOOP("volvenza::Ciclo", "Duplica"),
    QT_TRANSLATE_NOOP("volvenza::Ciclo", "Duplica le righe selezionate (Ctrl+D)")};
const Command kRemove{"Elimina", QT_TRANSLATE_NOOP("volvenza::Ciclo", "Elimina"),
                      QT_TRANSLATE_NOOP("volvenza::Ciclo", "Elimina le righe selezionate (Canc)")};
const Command kUp{
    "SpostaSu", QT_TRANSLATE_NOOP("volvenza::Ciclo", "Su"),
    QT_TRANSLATE_NOOP("volvenza::Ciclo", "Sposta le righe selezionate in su (Alt+Freccia su)")};
const Command kDown{
    "SpostaGiu", QT_TRANSLATE_NOOP("volvenza::Ciclo", "Giù"),
    QT_TRANSLATE_NOOP("volvenza::Ciclo", "Sposta le righe selezionate in giù (Alt+Freccia giù)")};
const Command kCopy{
    "Copia", QT_TRANSLATE_NOOP("volvenza::Ciclo", "Copia"),
    QT_TRANSLATE_NOOP("volvenza::Ciclo",
                      "Copia le righe selezionate negli appunti, come testo per un foglio di "
                      "calcolo (Ctrl+C)")};
const Command kPaste{
    "Incolla", QT_TRANSLATE_NOOP("volvenza::Ciclo", "Incolla"),
    QT_TRANSLATE_NOOP("volvenza::Ciclo",
                      "Incolla sotto la riga corrente i movimenti copiati (Ctrl+V)")};
const Command kUndo{
    "Annulla", QT_TRANSLATE_NOOP("volvenza::Ciclo", "Annulla"),
    QT_TRANSLATE_NOOP("volvenza::Ciclo", "Annulla l'ultima modifica della tabella (Ctrl+Z)")};
const Command kRedo{"Ripeti", QT_TRANSLATE_NOOP("volvenza::Ciclo", "Ripeti"),
                    QT_TRANSLATE_NOOP("volvenza::Ciclo", "Ripete la modifica annullata (Ctrl+Y)")};

// Twips: the window's place in the main window and its client height.
constexpr int kLeft = 300, kTop = 300, kClientHeight = 7800;

QString Text(const char* source) {
    return QCoreApplication::translate("volvenza::Ciclo", source);
}

}  // namespace

Ciclo::Ciclo(Project& project, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), project_(project), state_(project.State()), dialogs_(dialogs) {
    setObjectName(QStringLiteral("Ciclo"));
    setWindowTitle(Text(kCaption));
    QFont small = font();
    small.setPointSize(8);
    setFont(small);

    model_ = new CycleTableModel(project_, this);
    table_ = new CycleTableView(this);
    table_->setObjectName(QStringLiteral("TabellaMovimenti"));
    table_->setAccessibleName(Text(kTableName));
    table_->setModel(model_);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    table_->horizontalHeader()->setHighlightSections(false);
    diagram_ = new CycleDiagram(*model_, this);
    diagram_->setObjectName(QStringLiteral("DiagrammaTempi"));

    auto* split = new QSplitter(Qt::Vertical, this);
    split->setObjectName(QStringLiteral("DivisoreCiclo"));
    split->setChildrenCollapsible(false);
    split->addWidget(table_);
    split->addWidget(diagram_);
    BuildToolbar();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 4);
    layout->setSpacing(2);
    layout->addWidget(toolbar_);
    layout->addWidget(split, 1);
    note_ = MakeResultsNote(this);
    layout->addWidget(note_);
    FitColumns();

    connect(model_, &CycleTableModel::Applied, this, &Ciclo::OnApplied);
    connect(model_, &CycleTableModel::DraftEdited, this, [this](int slot) {
        announcing_ = true;
        project_.MovementsEdited({MovementEdit::Change::Edited, static_cast<int16_t>(slot), 1});
        announcing_ = false;
        diagram_->Redraw();
    });
    connect(table_->verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this] { diagram_->ShowRowsFrom(table_->rowAt(0)); });
    // The outlines follow the selection, which a new list clears without
    // telling of it.
    auto outline = [this] {
        std::vector<int> rows;
        for (const QModelIndex& row : table_->selectionModel()->selectedRows()) {
            rows.push_back(row.row());
        }
        diagram_->SetSelectedRows(std::move(rows));
    };
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this, outline);
    connect(model_, &QAbstractItemModel::modelReset, this, outline);
    connect(diagram_, &CycleDiagram::RowClicked, this, [this](int row) {
        SelectSlots(row + 1, 1, CycleTableModel::StartTime);
        table_->setFocus();
    });

    const int height = TwipsToPixels(kClientHeight, this);
    designSize_ = QSize(std::max(layout->sizeHint().width(), tableWidth_ + 8), height);
    resize(designSize_);
    split->setSizes({height * 9 / 20, height * 11 / 20});
    move(TwipsRect(kLeft, kTop, 0, 0, this).topLeft());
    ReadInitialData();
    diagram_->Redraw();
    if (model_->rowCount() > 0) SelectSlots(1, 1, CycleTableModel::StartTime);
    setFocusProxy(table_);
}

QAction* Ciclo::MakeAction(const char* name, const char* text, const char* tooltip,
                           const QList<QKeySequence>& keys) {
    auto* action = new QAction(Text(text), this);
    action->setObjectName(QString::fromLatin1(name));
    action->setToolTip(Text(tooltip));
    action->setShortcuts(keys);
    // The keys work while the focus is anywhere in this window, and only there.
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(action);
    toolbar_->addAction(action);
    return action;
}

void Ciclo::BuildToolbar() {
    toolbar_ = new QToolBar(this);
    toolbar_->setObjectName(QStringLiteral("tbCiclo"));
    toolbar_->setAccessibleName(Text(kToolbarName));
    toolbar_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    QAction* add = MakeAction(
        kAdd.name, kAdd.text, kAdd.tooltip,
        {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)});
    connect(add, &QAction::triggered, this, [this] { AddMovement(); });
    // The kinds in the order of the movement editor's buttons, with its keys.
    auto* kinds = new QMenu(this);
    kinds->setObjectName(QStringLiteral("mnuTipi"));
    int number = 0;
    for (const AddButton& button : kAddButtons) {
        const int16_t kind = button.kind;
        QAction* entry = kinds->addAction(KindTitle(kind));
        entry->setObjectName(QStringLiteral("Aggiungi") + QLatin1String(button.name));
        entry->setShortcut(QKeySequence(Qt::ALT | static_cast<Qt::Key>(Qt::Key_1 + number++)));
        entry->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(entry);
        connect(entry, &QAction::triggered, this, [this, kind] { AddMovement(kind); });
    }
    add->setMenu(kinds);
    if (auto* button = qobject_cast<QToolButton*>(toolbar_->widgetForAction(add))) {
        button->setPopupMode(QToolButton::MenuButtonPopup);
    }
    connect(MakeAction(kDuplicate.name, kDuplicate.text, kDuplicate.tooltip,
                       {QKeySequence(Qt::CTRL | Qt::Key_D)}),
            &QAction::triggered, this, &Ciclo::DuplicateRows);
    connect(MakeAction(kRemove.name, kRemove.text, kRemove.tooltip, {QKeySequence::Delete}),
            &QAction::triggered, this, &Ciclo::RemoveRows);
    toolbar_->addSeparator();
    connect(MakeAction(kUp.name, kUp.text, kUp.tooltip, {QKeySequence(Qt::ALT | Qt::Key_Up)}),
            &QAction::triggered, this, [this] { MoveRows(-1); });
    connect(
        MakeAction(kDown.name, kDown.text, kDown.tooltip, {QKeySequence(Qt::ALT | Qt::Key_Down)}),
        &QAction::triggered, this, [this] { MoveRows(+1); });
    toolbar_->addSeparator();
    connect(MakeAction(kCopy.name, kCopy.text, kCopy.tooltip, {QKeySequence::Copy}),
            &QAction::triggered, this, &Ciclo::CopyRows);
    connect(MakeAction(kPaste.name, kPaste.text, kPaste.tooltip, {QKeySequence::Paste}),
            &QAction::triggered, this, &Ciclo::PasteRows);
    toolbar_->addSeparator();
    QAction* undo = MakeAction(kUndo.name, kUndo.text, kUndo.tooltip, {QKeySequence::Undo});
    QAction* redo = MakeAction(kRedo.name, kRedo.text, kRedo.tooltip,
                               {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence::Redo});
    connect(undo, &QAction::triggered, this, &Ciclo::Undo);
    connect(redo, &QAction::triggered, this, &Ciclo::Redo);
    QUndoStack& stack = model_->UndoStack();
    undo->setEnabled(false);
    redo->setEnabled(false);
    connect(&stack, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    connect(&stack, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
}

void Ciclo::FitColumns() {
    QHeaderView* header = table_->horizontalHeader();
    const QFontMetrics cells(table_->font(), table_);
    const QFontMetrics headers(header->font(), header);
    const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    // The widest text each column can show: the drop-down of the kinds with
    // the longest name, a four-digit number, a flow with three decimals.
    QComboBox kinds;
    kinds.setFont(table_->font());
    for (const ActuatorPage& page : kActuatorPages) {
        QPixmap swatch(12, 12);
        kinds.addItem(QIcon(swatch), ActuatorText(KindTitleSource(page.kind)));
    }
    int total = 0;
    for (int c = 0; c < PasteColumn::Count; ++c) {
        int widest = cells.horizontalAdvance(QStringLiteral("-0000,00"));
        if (c == CycleTableModel::Kind) widest = kinds.sizeHint().width();
        if (c == CycleTableModel::Flow)
            widest = cells.horizontalAdvance(QStringLiteral("0000,000"));
        const int width = std::max(
            widest + 12, headers.horizontalAdvance(CycleTableModel::Header(c)) + 2 * margin + 4);
        table_->setColumnWidth(c, width);
        total += width;
    }
    // The row header holds numbers up to 1000.
    const QFontMetrics numbers(table_->verticalHeader()->font(), table_->verticalHeader());
    const int numberWidth = numbers.horizontalAdvance(QStringLiteral("1000")) + 2 * margin + 4;
    table_->verticalHeader()->setFixedWidth(numberWidth);
    total += numberWidth;
    const int frame = 2 * table_->frameWidth();
    const int scroll = table_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, table_);
    // Wanted, not required: a narrower window scrolls the table sideways.
    tableWidth_ = total + frame + scroll + 2;
}

void Ciclo::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (placed_) return;
    placed_ = true;
    table_->setFocus();
}

void Ciclo::ReadInitialData() {
    model_->SetCycleTime(state_.Data.CycleTime);
    diagram_->SetInitialData(state_.Data);
}

bool Ciclo::FocusDraft(const DraftKey& key) {
    const int column = CycleTableModel::ColumnOf(key);
    if (key.place != DraftKey::Place::Movement || column < 0 || key.movement < 1 ||
        key.movement > model_->rowCount()) {
        return false;
    }
    SelectSlots(key.movement, 1, column);
    table_->setFocus(Qt::OtherFocusReason);
    return true;
}

void Ciclo::FollowMovementList() {
    model_->FollowList();
    model_->UndoStack().clear();
    ReadInitialData();
    diagram_->Redraw();
}

void Ciclo::FollowMovementEdit(const MovementEdit& edit) {
    if (announcing_) return;
    model_->FollowEdit(edit);
    // The commands on the stack name chosen as they were.
    model_->UndoStack().clear();
    diagram_->Redraw();
}

void Ciclo::FollowResults() {
    ReadInitialData();
    diagram_->Redraw();
}

void Ciclo::OnApplied(const MovementEdit& edit) {
    if (historyJoin_ && commandAnnounced_) historyJoin_();
    commandAnnounced_ = true;
    announcing_ = true;
    project_.MovementsEdited(edit);
    announcing_ = false;
    if (edit.change == MovementEdit::Change::Inserted) {
        SelectSlots(edit.first, edit.count, CycleTableModel::StartTime);
    } else if (edit.change == MovementEdit::Change::Removed && state_.MovementCount > 0) {
        SelectSlots(std::min<int>(edit.first, state_.MovementCount), 1,
                    table_->currentIndex().isValid() ? table_->currentIndex().column()
                                                     : CycleTableModel::StartTime);
    }
    diagram_->Redraw();
}

std::vector<int> Ciclo::SelectedSlots() const {
    std::vector<int> chosen;
    for (const QModelIndex& row : table_->selectionModel()->selectedRows()) {
        chosen.push_back(row.row() + 1);
    }
    if (chosen.empty() && table_->currentIndex().isValid()) {
        chosen.push_back(table_->currentIndex().row() + 1);
    }
    std::sort(chosen.begin(), chosen.end());
    return chosen;
}

void Ciclo::SelectSlots(int slot, int count, int column) {
    if (slot < 1 || slot > model_->rowCount()) return;
    const int last = std::min(slot + count - 1, model_->rowCount());
    QItemSelectionModel* selection = table_->selectionModel();
    const QModelIndex current = model_->index(slot - 1, column);
    selection->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
    selection->select(
        QItemSelection(model_->index(slot - 1, 0), model_->index(last - 1, PasteColumn::Count - 1)),
        QItemSelectionModel::ClearAndSelect);
    table_->scrollTo(current);
}

void Ciclo::Refuse(const Message& why) {
    dialogs_.Message(UiMessage(why), MessageIcon::Information, MessageButtons::Ok);
}

int Ciclo::InsertionSlot() const {
    const QModelIndex current = table_->currentIndex();
    return current.isValid() ? current.row() + 2 : state_.MovementCount + 1;
}

void Ciclo::AddMovement(int16_t kind) {
    table_->CommitEdit();
    if (const Status room = RoomForMovements(state_, 1); !room) return Refuse(room.Error());
    Movement m;
    const QModelIndex current = table_->currentIndex();
    m.Kind = kind != MovementKind::Empty ? kind
             : current.isValid()         ? ListedKind(state_.Movements[current.row() + 1].Kind)
                                         : MovementKind::CylinderExtending;
    InsertRows(*model_, InsertionSlot(), {m}, Text(kAddText));
}

void Ciclo::DuplicateRows() {
    table_->CommitEdit();
    const std::vector<int> chosen = SelectedSlots();
    if (chosen.empty()) return;
    const Status room = RoomForMovements(state_, static_cast<int>(chosen.size()));
    if (!room) return Refuse(room.Error());
    std::vector<Movement> copies;
    for (int slot : chosen) copies.push_back(state_.Movements[slot]);
    InsertRows(*model_, chosen.back() + 1, copies, Text(kDuplicateText));
}

void Ciclo::RemoveRows() {
    table_->CommitEdit();
    const std::vector<int> chosen = SelectedSlots();
    if (chosen.empty()) return;
    // No question: Annulla brings the rows back.
    volvenza::RemoveRows(*model_, chosen);
}

void Ciclo::MoveRows(int delta) {
    table_->CommitEdit();
    const std::vector<int> chosen = SelectedSlots();
    if (chosen.empty() || chosen.front() + delta < 1 ||
        chosen.back() + delta > model_->rowCount()) {
        return;
    }
    // Each run of neighbouring rows moves on its own, all in one step.
    std::vector<std::pair<int, int>> runs;
    for (int slot : chosen) {
        if (runs.empty() || runs.back().second + 1 != slot) runs.push_back({slot, slot});
        runs.back().second = slot;
    }
    if (delta > 0) std::reverse(runs.begin(), runs.end());
    const int column =
        table_->currentIndex().isValid() ? table_->currentIndex().column() : CycleTableModel::Kind;
    QUndoStack& stack = model_->UndoStack();
    stack.beginMacro(Text(kMoveText));
    for (const auto& [first, last] : runs) volvenza::MoveRows(*model_, first, last, delta);
    stack.endMacro();
    QItemSelection moved;
    for (const auto& [first, last] : runs) {
        moved.select(model_->index(first + delta - 1, 0),
                     model_->index(last + delta - 1, PasteColumn::Count - 1));
    }
    const QModelIndex current = model_->index(chosen.front() + delta - 1, column);
    table_->selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
    table_->selectionModel()->select(moved, QItemSelectionModel::ClearAndSelect);
    table_->scrollTo(current);
}

void Ciclo::Undo() {
    table_->CommitEdit();
    if (historyUndo_) {
        historyUndo_();
    } else {
        model_->UndoStack().undo();
    }
}

void Ciclo::Redo() {
    table_->CommitEdit();
    if (historyRedo_) {
        historyRedo_();
    } else {
        model_->UndoStack().redo();
    }
}

Ciclo::~Ciclo() {
    // The table's model goes with the QWidget part, after this one: its undo
    // stack must not call back into a window that is no longer a Ciclo.
    disconnect(&model_->UndoStack(), nullptr, this, nullptr);
}

void Ciclo::UseHistory(std::function<void()> undo, std::function<void()> redo,
                       std::function<void()> joinNext) {
    historyUndo_ = std::move(undo);
    historyRedo_ = std::move(redo);
    historyJoin_ = std::move(joinNext);
    // The stack moves once per command, after all its edits.
    connect(&model_->UndoStack(), &QUndoStack::indexChanged, this,
            [this] { commandAnnounced_ = false; });
    for (const char* name : {kUndo.name, kRedo.name}) {
        auto* action = findChild<QAction*>(QLatin1String(name));
        disconnect(&model_->UndoStack(), nullptr, action, nullptr);
        action->setShortcuts({});
        action->setEnabled(true);
    }
}

void Ciclo::ShowResultsNote(const QString& note, bool stale) {
    volvenza::ShowResultsNote(note_, note, stale);
}

}  // namespace volvenza
