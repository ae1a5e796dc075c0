#include "entry/InserimentoDati.h"

#include <QCoreApplication>
#include <QFont>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

#include "documents/Project.h"
#include "engine/FlowModel.h"
#include "entry/ActuatorPages.h"
#include "entry/ActuatorPictures.h"
#include "entry/CycleEdits.h"
#include "entry/NumberBox.h"
#include "numbers/NumberText.h"
#include "platform/BoxHistory.h"
#include "platform/DecimalKey.h"
#include "platform/Dialogs.h"
#include "platform/Language.h"
#include "platform/ScreenUnits.h"
#include "platform/TextFit.h"
#include "platform/UiMessage.h"
#include "platform/UiNumber.h"

namespace volvenza {
namespace {

const char* const kCaption = QT_TRANSLATE_NOOP("volvenza::InserimentoDati", "Immissione dati");
const char* const kTimeStart = "Ti";
const char* const kTimeEnd = "Tf";
const char* const kTimeUnit = "[sec]";
const char* const kFlow = "Qm";
const char* const kFlowUnit = "[dm3/min]";
const char* const kAskDelete = QT_TRANSLATE_NOOP("volvenza::InserimentoDati",
                                                 "Sei sicuro di voler eliminare questo movimento");
const char* const kNotANumber =
    QT_TRANSLATE_NOOP("volvenza::InserimentoDati", "Valore non valido: resta ");
const char* const kPositionName =
    QT_TRANSLATE_NOOP("volvenza::InserimentoDati", "Movimento %1 di %2");

// Twips: the window's place in the main window and its client size.
// The "Carichi" group sits under the original page, which keeps its places.
constexpr int kLeft = 100, kTop = 100, kClientWidth = 9540, kClientHeight = 7500;

QString Text(const char* source) {
    return QCoreApplication::translate("volvenza::InserimentoDati", source);
}

}  // namespace

InserimentoDati::InserimentoDati(Project& project, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), project_(project), state_(project.State()), dialogs_(dialogs) {
    setObjectName(QStringLiteral("InserimentoDati"));
    setWindowTitle(Text(kCaption));
    // The places below are measured for an 8-point font.
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
    move(TwipsRect(kLeft, kTop, 0, 0, this).topLeft());
    resize(sizeHint());
    for (int n = 1; n <= kPictureCount; ++n) {
        pictures_[n - 1] = QPixmap::fromImage(ActuatorPicture(n));
    }
    BuildWindow();
    ShareBoxHistory(
        this, [this] { project_.Undo(); }, [this] { project_.Redo(); });

    // Opening always starts at the first movement.
    state_.CurrentMovement = state_.MovementCount > 0 ? 1 : 0;
    FollowMovementList();
}

void InserimentoDati::LabelFixedRows() {
    rows_[0].name->setText(Text(kTimeStart));
    rows_[0].unit->setText(Text(kTimeUnit));
    rows_[1].name->setText(Text(kTimeEnd));
    rows_[1].unit->setText(Text(kTimeUnit));
    flow_.name->setText(Text(kFlow));
    flow_.unit->setText(Text(kFlowUnit));
    // Every unit text any page shows fits its label, in one size for all.
    QStringList unitTexts{Text(kTimeUnit), Text(kFlowUnit)};
    for (const ActuatorPage& page : kActuatorPages) {
        for (const SizeRow& size : page.rows) {
            if (size.unit != nullptr) unitTexts << ActuatorText(size.unit);
        }
    }
    for (FieldRow* row : {&rows_[0], &rows_[1], &rows_[2], &rows_[3], &rows_[4], &flow_}) {
        FitLabelFont(*row->unit, unitTexts);
    }
}

void InserimentoDati::HideAllFields() {
    for (FieldRow& row : rows_) {
        row.name->hide();
        row.box->hide();
        row.unit->hide();
    }
    flow_.name->hide();
    flow_.box->hide();
    flow_.unit->hide();
    if (duties_ != nullptr) duties_->hide();
}

void InserimentoDati::ShowPosition() {
    const int16_t current = state_.CurrentMovement;
    const int16_t count = state_.MovementCount;
    position_->setText(QStringLiteral("%1/%2").arg(current).arg(count));
    position_->setCursorPosition(0);
    position_->setAccessibleName(Text(kPositionName).arg(current).arg(count));
    const bool inList = current >= 1 && current <= count;
    back_->setEnabled(inList && current > 1);
    forward_->setEnabled(inList && current < count);
}

int16_t InserimentoDati::PageKind() const {
    const int16_t current = state_.CurrentMovement;
    if (current < 0 || current > kMaxMovements) return MovementKind::Empty;
    const int16_t kind = state_.Movements[current].Kind;
    // A listed movement with the empty-slot code can only come from a file;
    // it is shown, and edited, as the first kind.
    if (kind == MovementKind::Empty && current >= 1 && current <= state_.MovementCount) {
        return MovementKind::CylinderExtending;
    }
    return kind;
}

void InserimentoDati::ShowCurrentMovement() {
    const int16_t kind = PageKind();
    ShowMovementPage(kind);
    ShowKindPicture(kind);
}

void InserimentoDati::TakeShownKind() {
    const int16_t current = state_.CurrentMovement;
    if (current < 1 || current > state_.MovementCount) return;
    Movement& m = state_.Movements[current];
    if (m.Kind == MovementKind::Empty) m.Kind = PageKind();
}

void InserimentoDati::ShowRow(FieldRow& row, const QString& name, const QString& unit,
                              const QString& value) {
    row.name->setText(name);
    row.unit->setText(unit);
    row.box->setAccessibleName(name + QLatin1Char(' ') + unit);
    row.name->show();
    row.box->setText(ShownText(row, value));
    row.box->show();
    row.unit->show();
}

DraftKey InserimentoDati::KeyOf(const FieldRow& row) const {
    return {DraftKey::Place::Movement, state_.CurrentMovement,
            &row == &flow_ ? kFlowField : MovementField(row.field)};
}

QString InserimentoDati::ShownText(const FieldRow& row, const QString& value) const {
    const std::optional<std::string> draft = project_.Draft(KeyOf(row));
    return draft ? QString::fromStdString(*draft) : value;
}

void InserimentoDati::ShowMovementPage(int16_t kind) {
    HideAllFields();
    for (size_t i = 2; i < rows_.size(); ++i) rows_[i].field = nullptr;
    const ActuatorPage* page = PageForKind(kind);
    if (page == nullptr) return;
    const Movement& m = state_.Movements[state_.CurrentMovement];
    for (size_t i = 0; i < page->rows.size(); ++i) rows_[i + 2].field = page->rows[i].field;
    StartEditing(nullptr);
    title_->setText(ActuatorText(KindTitleSource(page->kind)));
    ShowRow(rows_[0], Text(kTimeStart), Text(kTimeUnit), UiNumber(m.Ti));
    ShowRow(rows_[1], Text(kTimeEnd), Text(kTimeUnit), UiNumber(m.Tf));
    for (size_t i = 0; i < page->rows.size(); ++i) {
        const SizeRow& size = page->rows[i];
        if (size.name == nullptr) continue;
        ShowRow(rows_[i + 2], ActuatorText(size.name), ActuatorText(size.unit),
                UiNumber(m.*size.field));
    }
    ShowRow(flow_, Text(kFlow), Text(kFlowUnit), UiNumber(m.Qm));
    MarkBoxes();
    ShowDuty();
}

void InserimentoDati::ShowKindPicture(int16_t kind) {
    const ActuatorPage* page = PageForKind(kind);
    if (page == nullptr || page->picture < 1 || page->picture > kPictureCount) return;
    picture_->setPixmap(pictures_[page->picture - 1]);
    for (const AddButton& design : kAddButtons) {
        if (design.kind == kind) picture_->setAccessibleName(ActuatorText(design.tooltip));
    }
}

void InserimentoDati::OnBoxEdited(FieldRow& row) {
    const int16_t current = state_.CurrentMovement;
    if (current < 1 || current > state_.MovementCount || PageForKind(PageKind()) == nullptr) return;
    TakeShownKind();
    Movement m = state_.Movements[current];
    const std::string text = row.box->text().toStdString();
    bool number = false;
    if (&row == &flow_) {
        const auto value = ParseNumber<double>(text);
        number = value.has_value();
        m.Qm = value.value_or(row.kept);
    } else if (row.field != nullptr) {
        const auto value = ParseNumber<float>(text);
        number = value.has_value();
        m.*row.field = value ? *value : static_cast<float>(row.kept);
        // The flow follows the times and sizes, as its box shows it; what was
        // typed there gives way.
        m = WithComputedFlow(state_, current, m);
        project_.SetDraft(KeyOf(flow_), std::nullopt);
        flow_.box->setText(UiNumber(m.Qm));
        KeepStoredValue(flow_);
    }
    project_.SetDraft(KeyOf(row), number ? std::nullopt : std::optional(text));
    state_.Movements[current] = m;
    MarkBoxes();
    AnnounceTyping();
}

void InserimentoDati::KeepStoredValue(FieldRow& row) {
    const int16_t current = state_.CurrentMovement;
    if (current < 0 || current > kMaxMovements) return;
    const Movement& m = state_.Movements[current];
    if (&row == &flow_) {
        row.kept = m.Qm;
    } else if (row.field != nullptr) {
        row.kept = m.*row.field;
    }
}

void InserimentoDati::StartEditing(const FieldRow* row) {
    for (FieldRow& each : rows_) KeepStoredValue(each);
    KeepStoredValue(flow_);
    dutyEditing_ = -1;
    typingAnnounced_ = false;
    editing_ = row;
}

void InserimentoDati::MarkBox(FieldRow& row) {
    const int16_t current = state_.CurrentMovement;
    if (current < 0 || current > kMaxMovements) return;
    const Movement& m = state_.Movements[current];
    bool number = true;
    QString kept;
    if (&row == &flow_) {
        number = !project_.Draft(KeyOf(row));
        kept = UiNumber(m.Qm);
    } else if (row.field != nullptr) {
        number = !project_.Draft(KeyOf(row));
        kept = UiNumber(m.*row.field);
    }
    // An empty palette inherits the window's colours.
    QPalette palette;
    if (!number) palette.setColor(QPalette::Text, Qt::red);
    row.box->setPalette(palette);
    row.box->setToolTip(number ? QString() : Text(kNotANumber) + kept);
}

void InserimentoDati::MarkBoxes() {
    for (FieldRow& row : rows_) MarkBox(row);
    MarkBox(flow_);
}

void InserimentoDati::AddMovement(int16_t kind) {
    state_.MovementCount = static_cast<int16_t>(state_.MovementCount + 1);
    state_.CurrentMovement = state_.MovementCount;
    state_.Movements[state_.CurrentMovement].Kind = kind;
    Announce({MovementEdit::Change::Inserted, state_.MovementCount, 1});
    ShowMovementPage(kind);
    rows_[0].box->setFocus();
    rows_[0].box->selectAll();
    ShowPosition();
    ShowKindPicture(kind);
}

void InserimentoDati::OnAddButton(int16_t kind) {
    if (const Status room = RoomForMovements(state_, 1); !room) {
        dialogs_.Message(UiMessage(room.Error()), MessageIcon::Information, MessageButtons::Ok);
        return;
    }
    AddMovement(kind);
}

void InserimentoDati::OnFlowKeyReleased(const QKeyEvent& event) {
    // The warning is for the decimal comma; with the point the key is right.
    if (!UseEnglish() && IsDecimalPointKey(event)) {
        dialogs_.Message(UiMessage(MessageId::DecimalPoint), MessageIcon::None, MessageButtons::Ok);
    }
}

void InserimentoDati::OnEnterReleased(const QKeyEvent& event, const NumberBox* box) {
    if (event.key() != Qt::Key_Return && event.key() != Qt::Key_Enter) return;
    // Enter in the page's last box goes on to the next movement, as ">" does.
    const NumberBox* last = nullptr;
    for (const FieldRow& row : rows_) {
        if (row.box->isVisibleTo(this)) last = row.box;
    }
    if ((box != last && box != flow_.box) || !forward_->isEnabled()) return;
    OnStep(+1);
    rows_[0].box->setFocus();
    rows_[0].box->selectAll();
}

void InserimentoDati::OnRecompute() {
    const int16_t current = state_.CurrentMovement;
    if (current < 1 || current > state_.MovementCount || PageForKind(PageKind()) == nullptr) return;
    TakeShownKind();
    state_.Movements[current] = WithComputedFlow(state_, current, state_.Movements[current]);
    project_.SetDraft(KeyOf(flow_), std::nullopt);
    flow_.box->setText(UiNumber(state_.Movements[current].Qm));
    StartEditing(nullptr);
    MarkBoxes();
    AnnounceTyping();
}

void InserimentoDati::OnStep(int delta) {
    const int target = state_.CurrentMovement + delta;
    if (target < 1 || target > state_.MovementCount) {
        // The list changed without the window being told: show it as it is.
        FollowMovementList();
        return;
    }
    state_.CurrentMovement = static_cast<int16_t>(target);
    ShowPosition();
    ShowCurrentMovement();
}

void InserimentoDati::OnDelete() {
    // Only a movement of the list can be deleted; with nothing listed there
    // is nothing to ask.
    const int16_t current = state_.CurrentMovement;
    if (current < 1 || current > state_.MovementCount) {
        FollowMovementList();
        return;
    }
    if (dialogs_.Message(Text(kAskDelete), MessageIcon::None, MessageButtons::OkCancel) !=
        MessageAnswer::Ok) {
        return;
    }
    if (state_.CurrentMovement == state_.MovementCount) {
        ClearMovement(state_, state_.CurrentMovement);
        state_.MovementCount = static_cast<int16_t>(state_.MovementCount - 1);
        state_.CurrentMovement = state_.MovementCount;
    } else {
        RemoveMovement(state_, state_.CurrentMovement);
        state_.MovementCount = static_cast<int16_t>(state_.MovementCount - 1);
    }
    Announce({MovementEdit::Change::Removed, current, 1});
    ShowPosition();
    ShowCurrentMovement();
}

QSize InserimentoDati::sizeHint() const {
    return TwipsRect(0, 0, kClientWidth, kClientHeight, this).size();
}

}  // namespace volvenza
