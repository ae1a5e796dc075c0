// The movement editor's form: the buttons that add a movement of each kind,
// the heading with the kind's picture, the grid of fields, the steps
// through the list and the focus order. Places in twips, as measured for
// an 8-point font.
#include <array>

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "entry/ActuatorPages.h"
#include "entry/ActuatorPictures.h"
#include "entry/InserimentoDati.h"
#include "entry/NumberBox.h"
#include "platform/ScreenUnits.h"
#include "platform/TextFit.h"

namespace volvenza {
namespace {

const char* const kDelete = QT_TRANSLATE_NOOP("volvenza::InserimentoDati", "Elimina");
const char* const kRecompute = QT_TRANSLATE_NOOP("volvenza::InserimentoDati", "Ricalcola");
const char* const kBack = "<";
const char* const kForward = ">";
const char* const kPreviousName =
    QT_TRANSLATE_NOOP("volvenza::InserimentoDati", "Movimento precedente");
const char* const kNextName =
    QT_TRANSLATE_NOOP("volvenza::InserimentoDati", "Movimento successivo");

// The buttons that add a movement.
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

}  // namespace volvenza
