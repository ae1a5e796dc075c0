#include "entry/CycleTableModel.h"

#include <algorithm>
#include <cmath>

#include <QBrush>
#include <QCoreApplication>
#include <QUndoStack>

#include "documents/CycleCells.h"
#include "documents/MovementChecks.h"
#include "documents/PastedMovements.h"
#include "documents/Project.h"
#include "engine/FlowModel.h"
#include "entry/ActuatorPages.h"
#include "entry/CycleCommands.h"
#include "entry/CycleEdits.h"
#include "messages/WindowWords.h"
#include "numbers/NumberText.h"
#include "platform/Language.h"
#include "platform/UiMessage.h"
#include "views/CycleColours.h"
#include "views/MovementText.h"

namespace volvenza {
namespace {

const char* const kNotANumber =
    QT_TRANSLATE_NOOP("volvenza::CycleTableModel", "Valore non valido in %1: resta %2");
const char* const kOutOfRange =
    QT_TRANSLATE_NOOP("volvenza::CycleTableModel", "Valore fuori campo in %1, %2: resta %3");
// Row colours of the checks: a run refuses an error and asks about (or
// cuts) a warning.
const QColor kNotANumberText(Qt::red);
// A flow typed over what the sizes give: the person's own figure.
const QColor kTypedFlowText(0, 70, 160);
// What the program works out and no one types.
const QColor kComputedText(Qt::darkGray);

QString Text(const char* source) {
    return QCoreApplication::translate("volvenza::CycleTableModel", source);
}

}  // namespace

CycleTableModel::CycleTableModel(Project& project, QObject* parent)
    : QAbstractTableModel(parent),
      project_(project),
      state_(project.State()),
      undo_(new QUndoStack(this)) {
    rows_ = std::clamp<int>(state_.MovementCount, 0, kMaxMovements);
}

int CycleTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int CycleTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Count;
}

bool CycleTableModel::DutyFromText(Movement& m, int column, const QString& text) {
    return volvenza::DutyFromText(m, column, text.toStdString());
}

QString CycleTableModel::DutyText(const Movement& m, int column) {
    if (!IsDuty(column) && column != Required) return {};
    return QString::fromStdString(CycleCellText(m, column, UiDecimalSeparator()));
}

DraftKey CycleTableModel::KeyOf(int slot, int column) {
    const int16_t field = IsDuty(column)   ? static_cast<int16_t>(kLoadField + column - Load)
                          : column == Flow ? kFlowField
                                           : MovementField(PasteColumnField(column));
    return {DraftKey::Place::Movement, static_cast<int16_t>(slot), field};
}

int CycleTableModel::ColumnOf(const DraftKey& key) {
    for (int c = StartTime; c <= TypedRequired; ++c) {
        if (KeyOf(key.movement, c) == key) return c;
    }
    return -1;
}

std::optional<QString> CycleTableModel::DraftOf(int slot, int column) const {
    if (column == Kind || column == Emergency || column == Required) return std::nullopt;
    const std::optional<std::string> draft = project_.Draft(KeyOf(slot, column));
    if (!draft) return std::nullopt;
    return QString::fromStdString(*draft);
}

bool CycleTableModel::ShowsSlot(int slot, int column) const {
    return CycleCellShown(state_.Movements[slot].Kind, column);
}

int CycleTableModel::SlotOf(int row) const {
    const int slot = row + 1;
    if (!lag_ || slot < lag_->first) return slot;
    if (lag_->change == MovementEdit::Change::Inserted) return slot + lag_->count;
    // A removed movement has no slot any more.
    return slot >= lag_->first + lag_->count ? slot - lag_->count : 0;
}

QString CycleTableModel::Header(int column) {
    return column >= 0 && column < Count ? Text(PasteColumnHeader(column)) : QString();
}

QString CycleTableModel::CellText(int slot, int column) const {
    if (const auto draft = DraftOf(slot, column)) return *draft;
    const Movement& m = state_.Movements[slot];
    if (column == Kind) return KindTitle(ListedKind(m.Kind));
    if (!ShowsSlot(slot, column)) return {};
    return QString::fromStdString(CycleCellText(m, column, UiDecimalSeparator()));
}

CycleTableModel::RowCheck CycleTableModel::CheckRow(int row, int column,
                                                    const QString* text) const {
    if (row < 0 || row >= rows_) return {};
    return CheckSlot(row + 1, column, text);
}

CycleTableModel::RowCheck CycleTableModel::CheckSlot(int slot, int column,
                                                     const QString* text) const {
    RowCheck check;
    Movement m = state_.Movements[slot];
    auto mark = [&check](Severity severity, const QString& reason) {
        check.severity = std::max(check.severity, severity);
        check.reasons << reason;
    };
    // A duty's figure that is a number is out of its range, which is said.
    auto notANumber = [&](int c, const std::string& typed) {
        const QString kept = QString::fromStdString(CycleKeptText(m, c, UiDecimalSeparator()));
        const QString box = Header(c).section(QLatin1Char(' '), 0, 0);
        const auto number = ParseNumber<double>(typed);
        if (IsDuty(c) && number && std::isfinite(*number)) {
            mark(Severity::Error,
                 Text(kOutOfRange).arg(box, UiMessage(Message(DutyRangeMessage(c))), kept));
            return;
        }
        mark(Severity::Error, Text(kNotANumber).arg(box, kept));
    };
    for (const auto& [key, draft] : project_.AllDrafts()) {
        const int c =
            key.place == DraftKey::Place::Movement && key.movement == slot ? ColumnOf(key) : -1;
        if (c >= 0 && c != column) notANumber(c, draft);
    }
    if (text != nullptr && column != Kind) {
        const std::string typed = text->toStdString();
        if (column == Flow) {
            const auto value = ParseNumber<double>(typed);
            if (!value) notANumber(column, typed);
        } else if (IsDuty(column)) {
            if (!DutyFromText(m, column, *text)) notANumber(column, typed);
        } else if (PasteColumnField(column) != nullptr) {
            const auto value = ParseNumber<float>(typed);
            if (value) {
                m.*PasteColumnField(column) = *value;
            } else {
                notANumber(column, typed);
            }
        }
    }
    const MovementCheck own = CheckMovement(m, cycleTime_);
    check.severity = std::max(check.severity, static_cast<Severity>(own.severity));
    for (const Message& reason : own.reasons) check.reasons << UiMessage(reason);
    return check;
}

QVariant CycleTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_) return {};
    const int slot = SlotOf(index.row());
    if (slot < 1) return {};
    const int column = index.column();
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            if (role == Qt::EditRole && column == Kind) {
                return int(ListedKind(state_.Movements[slot].Kind));
            }
            return CellText(slot, column);
        case Qt::CheckStateRole:
            if (column != Emergency) return {};
            return int(state_.Movements[slot].Duty.Emergency ? Qt::Checked : Qt::Unchecked);
        case Qt::TextAlignmentRole:
            return int(column == Kind ? Qt::AlignLeft | Qt::AlignVCenter
                                      : Qt::AlignRight | Qt::AlignVCenter);
        case Qt::DecorationRole:
            if (column == Kind) return KindColour(ListedKind(state_.Movements[slot].Kind));
            return {};
        case Qt::ForegroundRole:
            if (DraftOf(slot, column)) return QBrush(kNotANumberText);
            if (column == Required) return QBrush(kComputedText);
            if (column == Flow && OtherFlowOfSizes(state_.Movements[slot])) {
                return QBrush(kTypedFlowText);
            }
            return {};

        case Qt::BackgroundRole: {
            const Severity severity = CheckSlot(slot).severity;
            if (severity == Severity::Error) return QBrush(kCheckErrorColour);
            if (severity == Severity::Warning) return QBrush(kCheckWarningColour);
            return {};
        }
        case Qt::ToolTipRole: {
            const QStringList reasons = CheckSlot(slot).reasons;
            if (!reasons.isEmpty()) return reasons.join(QLatin1Char('\n'));
            return column == Kind ? CellText(slot, column) : QVariant();
        }
        default:
            return {};
    }
}

QVariant CycleTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Vertical) {
        // The movement's number, which is its place in the list.
        if (role == Qt::DisplayRole) return QString::number(section + 1);
        if (role == Qt::TextAlignmentRole) return int(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    }
    if (section < 0 || section >= Count) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    if (role == Qt::DisplayRole) return Header(section);
    if (role == Qt::ToolTipRole) return Text(kCycleColumns[size_t(section)].tooltip);
    return {};
}

Qt::ItemFlags CycleTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const int slot = SlotOf(index.row());
    if (slot < 1 || index.row() >= rows_) return flags;
    if (index.column() == Emergency) return flags | Qt::ItemIsUserCheckable;
    if (index.column() != Required && ShowsSlot(slot, index.column())) {
        flags |= Qt::ItemIsEditable;
    }
    return flags;
}

bool CycleTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role == Qt::CheckStateRole && index.column() == Emergency && index.isValid() &&
        index.row() < rows_) {
        return MarkEmergency(*this, index.row() + 1,
                             value.toInt() == static_cast<int>(Qt::Checked));
    }
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) return false;
    if (index.column() == Kind) {
        return ChangeKind(*this, index.row() + 1, static_cast<int16_t>(value.toInt()));
    }
    return EditCell(*this, index.row() + 1, index.column(), value.toString());
}

void CycleTableModel::SetCycleTime(float cycleTime) {
    if (cycleTime == cycleTime_) return;
    cycleTime_ = cycleTime;
    if (rows_ > 0) RowsChanged(1, rows_);
}

void CycleTableModel::RowsChanged(int firstSlot, int lastSlot) {
    firstSlot = std::max(firstSlot, 1);
    lastSlot = std::min(lastSlot, rows_);
    if (firstSlot > lastSlot) return;
    emit dataChanged(index(firstSlot - 1, 0), index(lastSlot - 1, Count - 1));
}

void CycleTableModel::ApplyMovement(int slot, const Movement& m) {
    if (slot < 1 || slot > rows_) return;
    state_.Movements[slot] = m;
    // A size the kind no longer shows has no box left to hold its text.
    for (int c = Bore; c <= RotationAngle; ++c) {
        if (!ShowsSlot(slot, c)) project_.SetDraft(KeyOf(slot, c), std::nullopt);
    }
    RowsChanged(slot, slot);
    emit Applied({MovementEdit::Change::Edited, static_cast<int16_t>(slot), 1});
}

void CycleTableModel::ApplyInsert(int at, const std::vector<Movement>& movements) {
    const int count = static_cast<int>(movements.size());
    if (count == 0) return;
    beginInsertRows({}, at - 1, at + count - 2);
    const bool inserted = InsertMovements(state_, at, movements);
    rows_ = state_.MovementCount;
    endInsertRows();
    if (inserted) {
        emit Applied({MovementEdit::Change::Inserted, static_cast<int16_t>(at),
                      static_cast<int16_t>(count)});
    }
}

void CycleTableModel::ApplyRemove(int first, int count) {
    if (first < 1 || count < 1 || first + count - 1 > rows_) return;
    beginRemoveRows({}, first - 1, first + count - 2);
    RemoveMovements(state_, first, count);
    rows_ = state_.MovementCount;
    endRemoveRows();
    emit Applied(
        {MovementEdit::Change::Removed, static_cast<int16_t>(first), static_cast<int16_t>(count)});
}

void CycleTableModel::ApplyMove(int first, int last, int delta) {
    if (!MoveMovements(state_, first, last, delta)) return;
    const int low = std::min(first, first + delta);
    const int high = std::max(last, last + delta);
    // The typed texts travel with their movements.
    project_.MoveMovementDrafts(first, last, delta);
    RowsChanged(low, high);
    emit Applied({MovementEdit::Change::Edited, static_cast<int16_t>(low),
                  static_cast<int16_t>(high - low + 1)});
}

void CycleTableModel::FollowList() {
    beginResetModel();
    rows_ = std::clamp<int>(state_.MovementCount, 0, kMaxMovements);
    endResetModel();
}

void CycleTableModel::FollowEdit(const MovementEdit& edit) {
    const int first = edit.first;
    const int count = edit.count;
    const int listed = std::clamp<int>(state_.MovementCount, 0, kMaxMovements);
    switch (edit.change) {
        case MovementEdit::Change::Edited:
            if (listed != rows_) break;
            RowsChanged(first, first + count - 1);
            return;
        // The list has changed already: until the views have been told, the
        // rows keep the numbers they had.
        case MovementEdit::Change::Inserted:
            if (first < 1 || first > rows_ + 1 || listed != rows_ + count) break;
            lag_ = edit;
            beginInsertRows({}, first - 1, first + count - 2);
            rows_ = listed;
            lag_.reset();
            endInsertRows();
            return;
        case MovementEdit::Change::Removed:
            if (first < 1 || first + count - 1 > rows_ || listed != rows_ - count) break;
            lag_ = edit;
            beginRemoveRows({}, first - 1, first + count - 2);
            rows_ = listed;
            lag_.reset();
            endRemoveRows();
            return;
    }
    // A notice that does not fit what the table knows: show the list afresh.
    FollowList();
}

void CycleTableModel::KeepText(int slot, int column, const QString& text) {
    project_.SetDraft(KeyOf(slot, column), text.toStdString());
    RowsChanged(slot, slot);
    emit DraftEdited(slot);
}

bool CycleTableModel::DropText(int slot, int column) {
    if (!DraftOf(slot, column)) return false;
    project_.SetDraft(KeyOf(slot, column), std::nullopt);
    RowsChanged(slot, slot);
    return true;
}

void CycleTableModel::DraftDropped(int slot) {
    emit DraftEdited(slot);
}

}  // namespace volvenza
