// The movement editor's "Carichi" group: what the movement must do against its
// load, typed the way the cycle table's duty columns take it.

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPalette>

#include "documents/Project.h"
#include "engine/Duties.h"
#include "entry/CycleTableModel.h"
#include "entry/InserimentoDati.h"
#include "entry/NumberBox.h"
#include "numbers/Rounding.h"
#include "platform/ScreenUnits.h"
#include "platform/UiNumber.h"

namespace volvenza {
namespace {

const char* const kGroup = QT_TRANSLATE_NOOP("volvenza::InserimentoDati", "Carichi");
const char* const kLoad = QT_TRANSLATE_NOOP("volvenza::InserimentoDati", "Carico");
const char* const kForce = "[kN]";
const char* const kTorque = "[N·m]";
const char* const kEfficiency = QT_TRANSLATE_NOOP("volvenza::InserimentoDati", "Rendimento η");
const char* const kLoss = QT_TRANSLATE_NOOP("volvenza::InserimentoDati", "Perdita Δp");
const char* const kTyped = QT_TRANSLATE_NOOP("volvenza::InserimentoDati", "Pressione richiesta pr");
const char* const kBar = "[bar]";
const char* const kEmergency =
    QT_TRANSLATE_NOOP("volvenza::InserimentoDati", "Emergenza: si compie a pompa persa");
const char* const kNeeds =
    QT_TRANSLATE_NOOP("volvenza::InserimentoDati", "Il movimento richiede pn = %1 bar");
const char* const kNeedsP1 =
    QT_TRANSLATE_NOOP("volvenza::InserimentoDati", "Il movimento richiede p1 (nessun carico)");
const char* const kOutOfRange = QT_TRANSLATE_NOOP("volvenza::InserimentoDati",
                                                  "Valore non valido o fuori dai limiti: resta %1");

QString Text(const char* source) {
    return QCoreApplication::translate("volvenza::InserimentoDati", source);
}

// Twips inside the group: two pairs of rows, then the mark and the answer.
constexpr int kGroupTop = 5960, kGroupHeight = 1460;
constexpr int kDutyRowTops[] = {300, 660};
constexpr int kPairLeft[] = {120, 4800};
constexpr int kDutyNameWidth = 1900, kDutyBoxWidth = 1300, kDutyRowHeight = 285;

}  // namespace

void InserimentoDati::BuildDutyBoxes() {
    duties_ = new QGroupBox(Text(kGroup), this);
    duties_->setObjectName(QStringLiteral("Carichi"));
    duties_->setGeometry(TwipsRect(120, kGroupTop, 9300, kGroupHeight, this));
    const char* const names[] = {kLoad, kEfficiency, kLoss, kTyped};
    const char* const objects[] = {"DatoCarico", "DatoRendimento", "DatoPerdita",
                                   "DatoPressioneRichiesta"};
    for (size_t i = 0; i < dutyBoxes_.size(); ++i) {
        const int left = kPairLeft[i / 2], top = kDutyRowTops[i % 2];
        auto* name = new QLabel(Text(names[i]), duties_);
        name->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        name->setGeometry(TwipsRect(left, top, kDutyNameWidth, kDutyRowHeight, this));
        auto* box = new NumberBox(NumberBox::Period::TypedAsComma, duties_);
        box->setObjectName(QString::fromLatin1(objects[i]));
        box->setGeometry(
            TwipsRect(left + kDutyNameWidth + 100, top, kDutyBoxWidth, kDutyRowHeight, this));
        name->setBuddy(box);
        auto* unit =
            new QLabel(i == 1 ? QString() : QString::fromUtf8(i == 0 ? kForce : kBar), duties_);
        unit->setGeometry(
            TwipsRect(left + kDutyNameWidth + kDutyBoxWidth + 200, top, 800, kDutyRowHeight, this));
        if (i == 0) loadUnit_ = unit;
        const int column = CycleTableModel::Load + static_cast<int>(i);
        connect(box, &QLineEdit::textEdited, this, [this, column] { OnDutyEdited(column); });
        connect(box, &NumberBox::FocusEntered, this, [this] { StartEditing(nullptr); });
        dutyBoxes_[i] = box;
    }
    emergency_ = new QCheckBox(Text(kEmergency), duties_);
    emergency_->setObjectName(QStringLiteral("Emergenza"));
    emergency_->setGeometry(TwipsRect(240, 1020, 4400, kDutyRowHeight, this));
    connect(emergency_, &QCheckBox::clicked, this, [this](bool on) { OnEmergencyToggled(on); });
    required_ = new QLabel(duties_);
    required_->setObjectName(QStringLiteral("PressioneRichiesta"));
    required_->setGeometry(TwipsRect(4800, 1020, 4400, kDutyRowHeight, this));
    setTabOrder(findChild<QWidget*>(QStringLiteral("PulsCalcolaQm")), dutyBoxes_[0]);
    setTabOrder(dutyBoxes_[0], dutyBoxes_[1]);
    setTabOrder(dutyBoxes_[1], dutyBoxes_[2]);
    setTabOrder(dutyBoxes_[2], dutyBoxes_[3]);
    setTabOrder(dutyBoxes_[3], emergency_);
}

DraftKey InserimentoDati::DutyKeyOf(int column) const {
    return {DraftKey::Place::Movement, state_.CurrentMovement,
            static_cast<int16_t>(kLoadField + column - CycleTableModel::Load)};
}

void InserimentoDati::ShowDuty() {
    const int16_t current = state_.CurrentMovement;
    if (current < 1 || current > state_.MovementCount) {
        duties_->hide();
        return;
    }
    const Movement& m = state_.Movements[current];
    const LoadKind load = LoadKindOf(PageKind());
    loadUnit_->setText(QString::fromUtf8(load == LoadKind::Torque ? kTorque : kForce));
    for (size_t i = 0; i < dutyBoxes_.size(); ++i) {
        const int column = CycleTableModel::Load + static_cast<int>(i);
        const auto draft = project_.Draft(DutyKeyOf(column));
        dutyBoxes_[i]->setText(draft ? QString::fromStdString(*draft)
                                     : CycleTableModel::DutyText(m, column));
        // The kinds with no force or torque take a required pressure only.
        dutyBoxes_[i]->setEnabled(i >= 2 || load != LoadKind::None);
    }
    emergency_->setChecked(m.Duty.Emergency);
    MarkDutyBoxes();
    duties_->show();
}

void InserimentoDati::MarkDutyBoxes() {
    const int16_t current = state_.CurrentMovement;
    if (current < 1 || current > state_.MovementCount) return;
    const Movement& m = state_.Movements[current];
    for (size_t i = 0; i < dutyBoxes_.size(); ++i) {
        const int column = CycleTableModel::Load + static_cast<int>(i);
        const bool draft = project_.Draft(DutyKeyOf(column)).has_value();
        QPalette palette;
        if (draft) palette.setColor(QPalette::Text, Qt::red);
        dutyBoxes_[i]->setPalette(palette);
        const QString kept = CycleTableModel::DutyText(m, column);
        dutyBoxes_[i]->setToolTip(
            draft ? Text(kOutOfRange).arg(kept.isEmpty() ? QStringLiteral("-") : kept) : QString());
    }
    const std::optional<double> p = LoadPressure(m);
    required_->setText(p ? Text(kNeeds).arg(UiNumber(RoundHalfEven(*p, 1))) : Text(kNeedsP1));
}

void InserimentoDati::OnDutyEdited(int column) {
    const int16_t current = state_.CurrentMovement;
    if (current < 1 || current > state_.MovementCount) return;
    if (editing_ != nullptr || dutyEditing_ != column) {
        StartEditing(nullptr);
        keptDuty_ = state_.Movements[current].Duty;
        dutyEditing_ = column;
    }
    TakeShownKind();
    Movement m = state_.Movements[current];
    // What stays under a draft is the figure from before this edit, never a
    // prefix typed on the way.
    MovementDuty& d = m.Duty;
    switch (column) {
        case CycleTableModel::Load:
            d.Load = keptDuty_.Load;
            break;
        case CycleTableModel::Efficiency:
            d.Efficiency = keptDuty_.Efficiency;
            break;
        case CycleTableModel::Loss:
            d.Loss = keptDuty_.Loss;
            break;
        default:
            d.Required = keptDuty_.Required;
            break;
    }
    const QString text = dutyBoxes_[column - CycleTableModel::Load]->text();
    const bool number = CycleTableModel::DutyFromText(m, column, text);
    project_.SetDraft(DutyKeyOf(column), number ? std::nullopt : std::optional(text.toStdString()));
    state_.Movements[current] = m;
    MarkDutyBoxes();
    AnnounceTyping();
}

void InserimentoDati::OnEmergencyToggled(bool marked) {
    const int16_t current = state_.CurrentMovement;
    if (current < 1 || current > state_.MovementCount) return;
    TakeShownKind();
    StartEditing(nullptr);
    state_.Movements[current].Duty.Emergency = marked;
    AnnounceTyping();
}

}  // namespace volvenza
