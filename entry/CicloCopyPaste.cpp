// The cycle window's copy and paste commands: rows copied, and text from
// a spreadsheet pasted as movements or as one value into one cell, in the
// clipboard's text form that CycleClipboard.h reads and writes.
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>

#include "entry/Ciclo.h"
#include "entry/CycleClipboard.h"
#include "entry/CycleCommands.h"
#include "entry/CycleEdits.h"
#include "entry/CycleTableModel.h"
#include "entry/CycleTableView.h"
#include "platform/Dialogs.h"
#include "platform/UiMessage.h"

namespace volvenza {
namespace {

const char* const kPastedWithNotes =
    QT_TRANSLATE_NOOP("volvenza::Ciclo", "Movimenti incollati: %1.");
const char* const kNoCell = QT_TRANSLATE_NOOP(
    "volvenza::Ciclo", "Per incollare un solo valore scegliere prima la cella in cui metterlo.");
const char* const kPasteText = QT_TRANSLATE_NOOP("volvenza::Ciclo", "Movimenti incollati");

QString Text(const char* source) {
    return QCoreApplication::translate("volvenza::Ciclo", source);
}

}  // namespace

void Ciclo::CopyRows() {
    table_->CommitEdit();
    QString text;
    for (int slot : SelectedSlots()) text += MovementsAsText({state_.Movements[slot]}, slot);
    if (!text.isEmpty()) QGuiApplication::clipboard()->setText(text);
}

void Ciclo::PasteRows() {
    table_->CommitEdit();
    const QString text = QGuiApplication::clipboard()->text();
    const QString trimmed = text.trimmed();
    // What one cell of a spreadsheet copies: one value, for the current cell.
    if (!trimmed.isEmpty() && !trimmed.contains(QLatin1Char('\t')) &&
        !trimmed.contains(QLatin1Char('\n'))) {
        PasteValue(trimmed);
        return;
    }
    Result<PastedMovements> read = MovementsFromText(text.toStdString(), UiPasteWording());
    if (!read) {
        dialogs_.Message(UiMessage(read.Error()), MessageIcon::Exclamation, MessageButtons::Ok);
        return;
    }
    PastedMovements& pasted = *read;
    const int count = static_cast<int>(pasted.movements.size());
    if (state_.MovementCount + count > kMaxMovements) {
        dialogs_.Message(UiMessage(PasteTooManyError(count, kMaxMovements - state_.MovementCount)),
                         MessageIcon::Exclamation, MessageButtons::Ok);
        return;
    }
    // A kind keeps only the sizes it uses; an empty flow cell is computed
    // from the sizes, as typing them does.
    for (size_t i = 0; i < pasted.movements.size(); ++i) {
        pasted.movements[i] = WithKind(pasted.movements[i], pasted.movements[i].Kind);
        if (pasted.flowGiven[i]) continue;
        Movement m = pasted.movements[i];
        m.Qm = 0;
        pasted.movements[i] = WithComputedFlow(state_, 1, m);
    }
    InsertRows(*model_, InsertionSlot(), pasted.movements, Text(kPasteText));
    if (!pasted.notes.empty()) {
        QStringList lines{Text(kPastedWithNotes).arg(count)};
        for (const Message& note : pasted.notes) lines << UiMessage(note);
        dialogs_.Message(lines.join(QLatin1Char('\n')), MessageIcon::Information,
                         MessageButtons::Ok);
    }
}

void Ciclo::PasteValue(const QString& text) {
    const QModelIndex cell = table_->currentIndex();
    if (!cell.isValid()) {
        dialogs_.Message(Text(kNoCell), MessageIcon::Exclamation, MessageButtons::Ok);
        return;
    }
    const bool mark = cell.column() == CycleTableModel::Emergency;
    if (!(cell.flags() & (mark ? Qt::ItemIsUserCheckable : Qt::ItemIsEditable))) {
        dialogs_.Message(
            UiMessage(PasteCellUnusedError(text.toStdString(), cell.row() + 1, cell.column())),
            MessageIcon::Exclamation, MessageButtons::Ok);
        return;
    }
    const PastedValue value = ValueFromText(text, cell.column());
    if (!value.error.isEmpty()) {
        dialogs_.Message(value.error, MessageIcon::Exclamation, MessageButtons::Ok);
        return;
    }
    model_->setData(cell, value.value, mark ? Qt::CheckStateRole : Qt::EditRole);
}

}  // namespace volvenza
