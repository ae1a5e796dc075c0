#include "entry/DatiIniziali.h"

#include <cmath>

#include <QCoreApplication>
#include <QFont>
#include <QLabel>
#include <string_view>

#include "documents/Project.h"
#include "entry/NumberBox.h"
#include "messages/WindowWords.h"
#include "numbers/NumberText.h"
#include "platform/BoxHistory.h"
#include "platform/DraftMark.h"
#include "platform/Language.h"
#include "platform/ScreenUnits.h"
#include "platform/TextFit.h"
#include "platform/UiNumber.h"

namespace volvenza {
namespace {

const char* const kCaption = QT_TRANSLATE_NOOP("volvenza::DatiIniziali", "Inizializzazione");

// The widgets of a box's row; its label and unit are kInitialBoxes' words,
// in the same order.
struct Row {
    const char* labelName;
    const char* boxName;
    const char* unitName;
    int top;  // twips
    float CircuitData::*field;
};

// Top to bottom, which is also the focus order.
const std::array<Row, kInitialBoxes.size()> kRows{{
    {"LV0", "TV0", "Label1", 120, &CircuitData::V0},
    {"LP0", "TP0", "Label2", 480, &CircuitData::P0},
    {"LTc", "TTc", "Label3", 840, &CircuitData::Tc},
    {"LQp", "TQp", "Label4", 1200, &CircuitData::Qp},
    {"LPm", "TPm", "Label5", 1560, &CircuitData::Pm},
    {"LDp", "TDp", "Label6", 1920, &CircuitData::Dp},
    {"LTT", "TTT", "Label7", 2520, &CircuitData::CycleTime},
}};

// Twips: the window's place in the main window and its client size, then
// the columns of the rows.
constexpr int kLeft = 10, kTop = 10, kClientWidth = 4170, kClientHeight = 3090;
constexpr int kLabelLeft = 600, kLabelWidth = 375, kLabelHeight = 255;
constexpr int kWideLabelLeft = 0, kWideLabelWidth = 975;
constexpr int kBoxLeft = 960, kBoxWidth = 2055, kBoxHeight = 285;
constexpr int kUnitLeft = 3120, kUnitWidth = 1005, kUnitHeight = 255;

DraftKey BoxKey(size_t box) {
    return {DraftKey::Place::InitialData, 0, static_cast<int16_t>(box)};
}

}  // namespace

DatiIniziali::DatiIniziali(Project& project, Dialogs& /*dialogs*/, QWidget* parent)
    : QWidget(parent), project_(project) {
    setObjectName(QStringLiteral("DatiIniziali"));
    setWindowTitle(tr(kCaption));
    // The places below are measured for an 8-point font.
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
    move(TwipsRect(kLeft, kTop, 0, 0, this).topLeft());
    resize(sizeHint());

    QWidget* previous = nullptr;
    for (size_t i = 0; i < kRows.size(); ++i) {
        const Row& row = kRows[i];
        const bool wide = row.boxName == std::string_view("TTT");
        auto* label = new QLabel(tr(kInitialBoxes[i].name), this);
        label->setObjectName(QString::fromLatin1(row.labelName));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setGeometry(TwipsRect(wide ? kWideLabelLeft : kLabelLeft, row.top,
                                     wide ? kWideLabelWidth : kLabelWidth, kLabelHeight, this));

        auto* box = new NumberBox(NumberBox::Period::TypedAsComma, this);
        box->setObjectName(QString::fromLatin1(row.boxName));
        box->setGeometry(TwipsRect(kBoxLeft, row.top, kBoxWidth, kBoxHeight, this));

        auto* unit = new QLabel(QString::fromUtf8(kInitialBoxes[i].unit), this);
        unit->setObjectName(QString::fromLatin1(row.unitName));
        unit->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        unit->setGeometry(TwipsRect(kUnitLeft, row.top, kUnitWidth, kUnitHeight, this));

        // The box starts inside the name label's place: the name ends clear of it.
        KeepTextClearOf(*label, *box);
        FitLabelFont(*label);
        label->setBuddy(box);
        box->setAccessibleName(label->text() + QLatin1Char(' ') + unit->text());
        if (previous != nullptr) setTabOrder(previous, box);
        previous = box;
        boxes_[i] = box;
        connect(box, &QLineEdit::textEdited, this, [this, i] { Typed(i); });
    }
    ShareBoxHistory(
        this, [this] { project_.Undo(); }, [this] { project_.Redo(); });
    ShowData();
}

void DatiIniziali::Typed(size_t box) {
    const QString text = boxes_[box]->text();
    const auto value = ParseNumber<float>(text.toStdString());
    // A number is the project's value; anything else stays as typed, the
    // value keeping what it was, until a number replaces it.
    if (value) project_.State().Data.*kRows[box].field = *value;
    project_.SetDraft(BoxKey(box), value ? std::nullopt : std::optional(text.toStdString()));
    MarkBox(box, value.has_value());
    project_.Edited(ProjectPart::Data, std::string("dati ") + kRows[box].boxName, true);
}

void DatiIniziali::ShowData() {
    const CircuitData& data = project_.State().Data;
    for (size_t i = 0; i < kRows.size(); ++i) {
        NumberBox* box = boxes_[i];
        const std::optional<std::string> draft = project_.Draft(BoxKey(i));
        const float value = data.*kRows[i].field;
        const auto shown = ParseNumber<float>(box->text().toStdString());
        // "30,0" typed says 30 as well as "30" does; the shown form of a
        // value it does not hold whole says it too.
        const bool same =
            draft ? box->text().toStdString() == *draft
                  : box->text() == UiNumber(value) ||
                        (shown && (*shown == value || (std::isnan(*shown) && std::isnan(value))));
        if (!same) box->setText(draft ? QString::fromStdString(*draft) : UiNumber(value));
        MarkBox(i, !draft);
    }
}

void DatiIniziali::MarkBox(size_t box, bool number) {
    MarkDraft(*boxes_[box], !number);
    boxes_[box]->setToolTip(number ? QString() : tr(kNotANumberTip));
}

void DatiIniziali::FocusBox(const QString& boxName) {
    for (NumberBox* box : boxes_) {
        if (box->objectName() == boxName) {
            box->setFocus(Qt::OtherFocusReason);
            box->selectAll();
        }
    }
}

QSize DatiIniziali::sizeHint() const {
    return TwipsRect(0, 0, kClientWidth, kClientHeight, this).size();
}

}  // namespace volvenza
