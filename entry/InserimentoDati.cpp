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
const char* const kDelete = QT_TRANSLATE_NOOP("volvenza::InserimentoDati", "Elimina");
const char* const kRecompute = QT_TRANSLATE_NOOP("volvenza::InserimentoDati", "Ricalcola");
const char* const kBack = "<";
const char* const kForward = ">";
const char* const kAskDelete = QT_TRANSLATE_NOOP("volvenza::InserimentoDati",
                                                 "Sei sicuro di voler eliminare questo movimento");
const char* const kTableFull =
    QT_TRANSLATE_NOOP("volvenza::InserimentoDati", "Raggiunto il numero massimo di 1000 movimenti");
const char* const kNotANumber =
    QT_TRANSLATE_NOOP("volvenza::InserimentoDati", "Valore non valido: resta ");
const char* const kPreviousName =
    QT_TRANSLATE_NOOP("volvenza::InserimentoDati", "Movimento precedente");
const char* const kNextName =
    QT_TRANSLATE_NOOP("volvenza::InserimentoDati", "Movimento successivo");
const char* const kPositionName =
    QT_TRANSLATE_NOOP("volvenza::InserimentoDati", "Movimento %1 di %2");

// Twips: the window's place in the main window and its client size.
// The "Carichi" group sits under the original page, which keeps its places.
constexpr int kLeft = 100, kTop = 100, kClientWidth = 9540, kClientHeight = 7500;
constexpr int kAddWidth = 1815, kAddHeight = 735;
// The field grid: five rows, each a name label, a box and a unit label.
constexpr std::array<int, 5> kRowTops{2640, 3120, 3600, 4080, 4560};
constexpr int kNameLeft = 120, kNameWidth = 1575, kBoxLeft = 1800, kBoxWidth = 2175;
constexpr int kUnitLeft = 4080, kUnitWidth = 855, kRowHeight = 285;
constexpr int kFlowTop = 5160;

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

InserimentoDati::FieldRow InserimentoDati::MakeRow(const char* nameLabel, const char* boxName,
                                                   const char* unitLabel, int top, int nameLeft,
                                                   int nameWidth, int boxLeft, int unitLeft,
                                                   bool keepPeriod) {
    FieldRow row;
    row.name = new QLabel(this);
    row.name->setObjectName(QString::fromLatin1(nameLabel));
    row.name->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    row.name->setGeometry(TwipsRect(nameLeft, top, nameWidth, kRowHeight, this));
    row.box =
        new NumberBox(keepPeriod ? NumberBox::Period::Kept : NumberBox::Period::TypedAsComma, this);
    row.box->setObjectName(QString::fromLatin1(boxName));
    row.box->setGeometry(TwipsRect(boxLeft, top, kBoxWidth, kRowHeight, this));
    row.unit = new QLabel(this);
    row.unit->setObjectName(QString::fromLatin1(unitLabel));
    row.unit->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    row.unit->setGeometry(TwipsRect(unitLeft, top, kUnitWidth, kRowHeight, this));
    row.name->setBuddy(row.box);
    return row;
}

void InserimentoDati::BuildWindow() {
    BuildAddButtons();
    BuildHeading();
    BuildFieldRows();
    BuildStepButtons();
    SetFocusOrder();
    BuildDutyBoxes();
    LabelFixedRows();
    HideAllFields();
}

void InserimentoDati::BuildAddButtons() {
    int number = 0;
    for (const AddButton& design : kAddButtons) {
        auto* button = new QPushButton(this);
        button->setObjectName(QString::fromLatin1(design.name));
        button->setGeometry(TwipsRect(design.left, design.top, kAddWidth, kAddHeight, this));
        button->setIcon(
            QPixmap::fromImage(ActuatorButtonPicture(PageForKind(design.kind)->picture)));
        button->setIconSize(button->size() - QSize(6, 6));
        // Alt+1 ... Alt+6 add a movement from the keyboard, row by row.
        const QKeySequence key(Qt::ALT | static_cast<Qt::Key>(Qt::Key_1 + number++));
        button->setShortcut(key);
        button->setToolTip(ActuatorText(design.tooltip) + QStringLiteral(" (") +
                           key.toString(QKeySequence::NativeText) + QLatin1Char(')'));
        button->setAccessibleName(ActuatorText(design.tooltip));
        const int16_t kind = design.kind;
        connect(button, &QPushButton::clicked, this, [this, kind] { OnAddButton(kind); });
    }
}

void InserimentoDati::BuildHeading() {
    title_ = new QLabel(this);
    title_->setObjectName(QStringLiteral("LCommento"));
    title_->setGeometry(TwipsRect(600, 1920, 8535, 495, this));
    title_->setAlignment(Qt::AlignCenter);
    QFont bold = title_->font();
    bold.setPointSizeF(13.5);
    bold.setBold(true);
    title_->setFont(bold);

    picture_ = new QLabel(this);
    picture_->setObjectName(QStringLiteral("Immagine"));
    picture_->setGeometry(TwipsRect(5400, 2640, 3735, 2295, this));
    picture_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void InserimentoDati::BuildFieldRows() {
    const char* const names[] = {"Li", "Lf", "L1", "L2", "L3"};
    const char* const boxes[] = {"DatoTi", "DatoTf", "Dato1", "Dato2", "Dato3"};
    const char* const units[] = {"LUi", "LUf", "LU1", "LU2", "LU3"};
    for (size_t i = 0; i < rows_.size(); ++i) {
        rows_[i] = MakeRow(names[i], boxes[i], units[i], kRowTops[i], kNameLeft, kNameWidth,
                           kBoxLeft, kUnitLeft, false);
        FieldRow& row = rows_[i];
        connect(row.box, &NumberBox::KeyReleased, this,
                [this, &row](const QKeyEvent& event) { OnEnterReleased(event, row.box); });
        connect(row.box, &QLineEdit::textEdited, this, [this, &row] {
            if (editing_ != &row) StartEditing(&row);
            OnBoxEdited(row);
        });
        connect(row.box, &NumberBox::FocusEntered, this, [this, &row] { StartEditing(&row); });
    }
    rows_[0].field = &Movement::Ti;
    rows_[1].field = &Movement::Tf;
    flow_ = MakeRow("LQm", "DatoQm", "LUQm", kFlowTop, 3840, 375, 4200, 6480, true);
    // The flow box starts inside the "Qm" label's place.
    KeepTextClearOf(*flow_.name, *flow_.box);
    connect(flow_.box, &QLineEdit::textEdited, this, [this] {
        if (editing_ != &flow_) StartEditing(&flow_);
        OnBoxEdited(flow_);
    });
    connect(flow_.box, &NumberBox::FocusEntered, this, [this] { StartEditing(&flow_); });
    connect(flow_.box, &NumberBox::KeyReleased, this, [this](const QKeyEvent& event) {
        OnFlowKeyReleased(event);
        OnEnterReleased(event, flow_.box);
    });
}

void InserimentoDati::BuildStepButtons() {
    auto* remove = new QPushButton(Text(kDelete), this);
    remove->setObjectName(QStringLiteral("PulsEliminaDato"));
    remove->setGeometry(TwipsRect(2640, 5160, 855, 495, this));
    connect(remove, &QPushButton::clicked, this, [this] { OnDelete(); });

    auto* recompute = new QPushButton(Text(kRecompute), this);
    recompute->setObjectName(QStringLiteral("PulsCalcolaQm"));
    recompute->setGeometry(TwipsRect(4200, 5520, 2415, 375, this));
    connect(recompute, &QPushButton::clicked, this, [this] { OnRecompute(); });

    back_ = new QPushButton(Text(kBack), this);
    back_->setObjectName(QStringLiteral("PulsIndietro"));
    back_->setGeometry(TwipsRect(360, 5280, 375, 255, this));
    back_->setAccessibleName(Text(kPreviousName));
    back_->setToolTip(Text(kPreviousName));
    connect(back_, &QPushButton::clicked, this, [this] { OnStep(-1); });

    position_ = new QLineEdit(this);
    position_->setObjectName(QStringLiteral("Pos"));
    position_->setGeometry(TwipsRect(840, 5280, 735, 285, this));
    position_->setReadOnly(true);
    // A narrow face, small enough for the widest position there can be.
    position_->setAlignment(Qt::AlignCenter);
    position_->setFont(NarrowFont(position_->font()));
    FitLineEditFont(*position_, {QStringLiteral("%1/%1").arg(kMaxMovements)});

    forward_ = new QPushButton(Text(kForward), this);
    forward_->setObjectName(QStringLiteral("PulsAvanti"));
    forward_->setGeometry(TwipsRect(1680, 5280, 375, 255, this));
    forward_->setAccessibleName(Text(kNextName));
    forward_->setToolTip(Text(kNextName));
    connect(forward_, &QPushButton::clicked, this, [this] { OnStep(+1); });
}

void InserimentoDati::SetFocusOrder() {
    // Focus order: first add button, the time and size boxes, four more add
    // buttons, the arrows and position, the flow, Elimina, the last add
    // button, Ricalcola.
    const char* const order[] = {
        "PulsPistEsce", "DatoTi",      "DatoTf",          "Dato1",
        "Dato2",        "Dato3",       "PulsPistEntra",   "PulsPistDiffPicUsc",
        "PulsMotore",   "PulsPalmola", "PulsIndietro",    "PulsAvanti",
        "Pos",          "DatoQm",      "PulsEliminaDato", "PulsDiffGraUsc",
        "PulsCalcolaQm"};
    for (size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(findChild<QWidget*>(QLatin1String(order[i - 1])),
                    findChild<QWidget*>(QLatin1String(order[i])));
    }
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
    title_->setText(ActuatorText(page->title));
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
    if (state_.MovementCount >= kMaxMovements) {
        dialogs_.Message(Text(kTableFull), MessageIcon::Information, MessageButtons::Ok);
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
