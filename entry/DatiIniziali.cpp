#include "entry/DatiIniziali.h"

#include <QCloseEvent>
#include <QFont>
#include <QLabel>
#include <string_view>

#include "entry/NumberBox.h"
#include "numbers/NumberText.h"
#include "platform/Language.h"
#include "platform/ScreenUnits.h"
#include "platform/TextFit.h"
#include "platform/UiNumber.h"

namespace volvenza {
namespace {

const char* const kCaption = QT_TRANSLATE_NOOP("volvenza::DatiIniziali", "Inizializzazione");

struct Row {
    const char* labelName;
    const char* label;
    const char* boxName;
    const char* unitName;
    const char* unit;
    int top;  // twips
    float CircuitData::*field;
};

// Top to bottom, which is also the focus order.
const std::array<Row, 7> kRows{{
    {"LV0", "Vo", "TV0", "Label1", "[dm3]", 120, &CircuitData::V0},
    {"LP0", "Po", "TP0", "Label2", "[bar]", 480, &CircuitData::P0},
    {"LTc", "tc", "TTc", "Label3", "[°C]", 840, &CircuitData::Tc},
    {"LQp", "Qp", "TQp", "Label4", "[dm3/min]", 1200, &CircuitData::Qp},
    {"LPm", "PM", "TPm", "Label5", "[bar]", 1560, &CircuitData::Pm},
    {"LDp", "DP", "TDp", "Label6", "[bar]", 1920, &CircuitData::Dp},
    {"LTT", QT_TRANSLATE_NOOP("volvenza::DatiIniziali", "Tempo ciclo"), "TTT", "Label7", "[s]",
     2520, &CircuitData::CycleTime},
}};

// Twips: the window's place in the main window and its client size, then
// the columns of the rows.
constexpr int kLeft = 10, kTop = 10, kClientWidth = 4170, kClientHeight = 3090;
constexpr int kLabelLeft = 600, kLabelWidth = 375, kLabelHeight = 255;
constexpr int kWideLabelLeft = 0, kWideLabelWidth = 975;
constexpr int kBoxLeft = 960, kBoxWidth = 2055, kBoxHeight = 285;
constexpr int kUnitLeft = 3120, kUnitWidth = 1005, kUnitHeight = 255;

}  // namespace

DatiIniziali::DatiIniziali(CircuitState& state, Dialogs& /*dialogs*/, QWidget* parent)
    : QWidget(parent), state_(state) {
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
        auto* label = new QLabel(tr(row.label), this);
        label->setObjectName(QString::fromLatin1(row.labelName));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setGeometry(TwipsRect(wide ? kWideLabelLeft : kLabelLeft, row.top,
                                     wide ? kWideLabelWidth : kLabelWidth, kLabelHeight, this));

        auto* box = new NumberBox(NumberBox::Period::TypedAsComma, this);
        box->setObjectName(QString::fromLatin1(row.boxName));
        box->setGeometry(TwipsRect(kBoxLeft, row.top, kBoxWidth, kBoxHeight, this));

        auto* unit = new QLabel(QString::fromUtf8(row.unit), this);
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
    }
    WriteBoxes(state_.Data);
}

bool DatiIniziali::ReadBoxes(CircuitData& data) const {
    for (size_t i = 0; i < kRows.size(); ++i) {
        if (const auto value = ParseNumber<float>(boxes_[i]->text().toStdString())) {
            data.*kRows[i].field = *value;
        }
    }
    return true;
}

void DatiIniziali::WriteBoxes(const CircuitData& data) {
    for (size_t i = 0; i < kRows.size(); ++i) {
        boxes_[i]->setText(UiNumber(data.*kRows[i].field));
    }
}

void DatiIniziali::FocusBox(const QString& boxName) {
    for (NumberBox* box : boxes_) {
        if (box->objectName() == boxName) {
            box->setFocus(Qt::OtherFocusReason);
            box->selectAll();
        }
    }
}

void DatiIniziali::closeEvent(QCloseEvent* event) {
    // Closing is when the typed values become the circuit's data.
    ReadBoxes(state_.Data);
    QWidget::closeEvent(event);
}

QSize DatiIniziali::sizeHint() const {
    return TwipsRect(0, 0, kClientWidth, kClientHeight, this).size();
}

}  // namespace volvenza
