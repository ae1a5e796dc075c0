#include "analysis/frmModelloGas.h"

#include <iterator>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "messages/WindowWords.h"
#include "platform/Dialogs.h"
#include "platform/Language.h"
#include "platform/NumberCharacters.h"
#include "platform/ScreenUnits.h"
#include "platform/TextFit.h"
#include "platform/UiMessage.h"
#include "platform/UiNumber.h"
#include "platform/UiText.h"

namespace volvenza {
namespace {

constexpr UiText kCaption{"volvenza::frmModelloGas",
                          QT_TRANSLATE_NOOP("volvenza::frmModelloGas", "Modello del gas")};
constexpr UiText kLawFrame{"volvenza::frmModelloGas",
                           QT_TRANSLATE_NOOP("volvenza::frmModelloGas", "Legge del gas")};
constexpr UiText kStartFrame{
    "volvenza::frmModelloGas",
    QT_TRANSLATE_NOOP("volvenza::frmModelloGas",
                      "Stato del gas ideale e dell'azoto reale a inizio ciclo")};
constexpr UiText kSlow{"volvenza::frmModelloGas",
                       QT_TRANSLATE_NOOP("volvenza::frmModelloGas", "Caricato &lentamente")};
constexpr UiText kFast{"volvenza::frmModelloGas",
                       QT_TRANSLATE_NOOP("volvenza::frmModelloGas", "Caricato ra&pidamente")};
constexpr UiText kNote{
    "volvenza::frmModelloGas",
    QT_TRANSLATE_NOOP(
        "volvenza::frmModelloGas",
        "Costante di tempo vuota: nessuno scambio di calore. Temperature minima e massima vuote: "
        "uguali a tc, senza inviluppo.")};
constexpr UiText kPlantFrame{"volvenza::frmModelloGas",
                             QT_TRANSLATE_NOOP("volvenza::frmModelloGas", "Impianto")};

struct LawChoice {
    GasLawKind law;
    const char* name;
    const char* caption;
    const char* text;  // the law's name in the texts of the store
};
const LawChoice kLaws[] = {
    {GasLawKind::Classic, "optClassica", kGasLawCaptions[0], "Classica"},
    {GasLawKind::Ideal, "optIdeale", kGasLawCaptions[1], "Ideale"},
    {GasLawKind::Nitrogen, "optAzoto", kGasLawCaptions[2], "Azoto"},
};

}  // namespace

struct BoxRow {
    GasModelBox box;
    const char* label;
    const char* name;
    const char* caption;
};

namespace {

const BoxRow kRows[] = {
    {GasModelBox::Exponent, "LEsponente", "TEsponente", kExponentCaption},
    {GasModelBox::Tau, "LCostanteTempo", "TCostanteTempo",
     QT_TRANSLATE_NOOP("volvenza::frmModelloGas", "Costante di &tempo termica [s]")},
    {GasModelBox::ChargeTemp, "LTCarica", "TTCarica",
     QT_TRANSLATE_NOOP("volvenza::frmModelloGas", "Temperatura di ca&rica [°C]")},
    {GasModelBox::MinTemp, "LTMin", "TTMin", kMinTempCaption},
    {GasModelBox::MaxTemp, "LTMax", "TTMax", kMaxTempCaption},
};
// The project's vessels, beside the law: V0 of the initial data is one
// accumulator of them.
const BoxRow kPlantRows[] = {
    {GasModelBox::Parallel, "LParallelo", "TParallelo",
     QT_TRANSLATE_NOOP("volvenza::frmModelloGas", "Acc&umulatori in parallelo")},
    {GasModelBox::Bottles, "LBombole", "TBombole",
     QT_TRANSLATE_NOOP("volvenza::frmModelloGas", "Volume delle &bombole [dm3]")},
    {GasModelBox::VolumetricEfficiency, "LRendimentoVolumetrico", "TRendimentoVolumetrico",
     QT_TRANSLATE_NOOP("volvenza::frmModelloGas", "Ren&dimento volumetrico della pompa")},
};

// The language's decimal separator: the other one, typed, becomes it (both
// read the same).
void FollowSeparator(QLineEdit* box) {
    QObject::connect(box, &QLineEdit::textEdited, box, [box](const QString& text) {
        const QChar wanted = QLatin1Char(UiDecimalSeparator());
        const QChar other = QLatin1Char(wanted == QLatin1Char(',') ? '.' : ',');
        if (!text.contains(other)) return;
        const int cursor = box->cursorPosition();
        box->setText(QString(text).replace(other, wanted));
        box->setCursorPosition(cursor);
    });
}

}  // namespace

frmModelloGas::frmModelloGas(const GasSettings& settings, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs), settings_(settings) {
    setObjectName(QStringLiteral("frmModelloGas"));
    setWindowTitle(kCaption);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(TwipsRect(0, 0, 5895, 6720, this).size());
    const GasModelTexts texts = TextsOf(settings);
    BuildLawChoice(texts);
    BuildGasBoxes(texts);
    BuildPlantBoxes(settings.Vessels);
    BuildButtons();
    FollowLaw();
}

void frmModelloGas::BuildLawChoice(const GasModelTexts& texts) {
    auto* frame = new QGroupBox(kLawFrame, this);
    frame->setObjectName(QStringLiteral("fraLegge"));
    frame->setGeometry(TwipsRect(120, 120, 5655, 735, this));
    int left = 240;
    for (const LawChoice& choice : kLaws) {
        auto* option = new QRadioButton(tr(choice.caption), frame);
        option->setObjectName(QString::fromLatin1(choice.name));
        option->setGeometry(TwipsRect(left, 330, 1755, 300, this));
        option->setChecked(texts.law == choice.text);
        connect(option, &QRadioButton::toggled, this, &frmModelloGas::FollowLaw);
        laws_[choice.law] = option;
        left += 1800;
    }

    // Where the ideal and real laws start: the gas cooled back to tc, or
    // still hot from a fast charge.
    auto* startFrame = new QGroupBox(kStartFrame, this);
    startFrame->setObjectName(QStringLiteral("fraCarica"));
    startFrame->setGeometry(TwipsRect(120, 945, 5655, 645, this));
    auto* slow = new QRadioButton(kSlow, startFrame);
    slow->setObjectName(QStringLiteral("optLenta"));
    slow->setGeometry(TwipsRect(240, 300, 2655, 300, this));
    fast_ = new QRadioButton(kFast, startFrame);
    fast_->setObjectName(QStringLiteral("optRapida"));
    fast_->setGeometry(TwipsRect(2940, 300, 2655, 300, this));
    (texts.start == "Rapida" ? fast_ : slow)->setChecked(true);
}

void frmModelloGas::AddBox(QWidget* parent, const BoxRow& row, const QString& text, int labelLeft,
                           int boxLeft, int top) {
    auto* label = new QLabel(tr(row.caption), parent);
    label->setObjectName(QString::fromLatin1(row.label));
    label->setGeometry(TwipsRect(labelLeft, top + 15, 3975, 255, this));
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(QString::fromLatin1(row.name));
    box->setGeometry(TwipsRect(boxLeft, top, 1215, 285, this));
    label->setBuddy(box);
    FitLabelFont(*label);
    box->setValidator(new NumberCharacters(box));
    FollowSeparator(box);
    boxes_[row.box] = box;
}

void frmModelloGas::BuildGasBoxes(const GasModelTexts& texts) {
    const std::map<GasModelBox, std::string> values = {{GasModelBox::Exponent, texts.exponent},
                                                       {GasModelBox::Tau, texts.tau},
                                                       {GasModelBox::ChargeTemp, texts.chargeTemp},
                                                       {GasModelBox::MinTemp, texts.minTemp},
                                                       {GasModelBox::MaxTemp, texts.maxTemp}};
    int top = 1740;
    for (const BoxRow& row : kRows) {
        // The texts come with the decimal comma the settings keep.
        QString text = QString::fromStdString(values.at(row.box));
        text.replace(QLatin1Char(','), QLatin1Char(UiDecimalSeparator()));
        AddBox(this, row, text, 240, 4320, top);
        top += 405;
    }

    auto* note = new QLabel(kNote, this);
    note->setObjectName(QStringLiteral("lblNota"));
    note->setWordWrap(true);
    note->setGeometry(TwipsRect(240, 3780, 5415, 735, this));
    FitLabelFont(*note);
}

void frmModelloGas::BuildPlantBoxes(const Arrangement& vessels) {
    auto* plant = new QGroupBox(kPlantFrame, this);
    plant->setObjectName(QStringLiteral("fraImpianto"));
    plant->setGeometry(TwipsRect(120, 4560, 5655, 1485, this));
    const QString plantValues[] = {QString::number(vessels.Count), UiNumber(vessels.BottleVolume),
                                   UiNumber(vessels.VolumetricEfficiency)};
    int top = 300;
    for (size_t i = 0; i < std::size(kPlantRows); ++i) {
        AddBox(plant, kPlantRows[i], plantValues[i], 120, 4200, top);
        top += 405;
    }
}

void frmModelloGas::BuildButtons() {
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setGeometry(TwipsRect(3315, 6180, 1095, 375, this));
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("Annulla"), this);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    cancel->setGeometry(TwipsRect(4545, 6180, 1095, 375, this));
    connect(ok, &QPushButton::clicked, this, &frmModelloGas::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

GasModelTexts frmModelloGas::Texts() const {
    GasModelTexts t;
    for (const LawChoice& choice : kLaws) {
        if (laws_.at(choice.law)->isChecked()) t.law = choice.text;
    }
    auto text = [this](GasModelBox box) { return boxes_.at(box)->text().toStdString(); };
    t.exponent = text(GasModelBox::Exponent);
    t.tau = text(GasModelBox::Tau);
    t.chargeTemp = text(GasModelBox::ChargeTemp);
    t.minTemp = text(GasModelBox::MinTemp);
    t.maxTemp = text(GasModelBox::MaxTemp);
    t.start = fast_->isChecked() ? "Rapida" : "Lenta";
    return t;
}

// Each law's own boxes are open; the envelope belongs to every law.
void frmModelloGas::FollowLaw() {
    const bool ideal = laws_.at(GasLawKind::Ideal)->isChecked();
    const bool nitrogen = laws_.at(GasLawKind::Nitrogen)->isChecked();
    boxes_.at(GasModelBox::Exponent)->setEnabled(ideal);
    boxes_.at(GasModelBox::Tau)->setEnabled(nitrogen);
    boxes_.at(GasModelBox::ChargeTemp)->setEnabled(ideal || nitrogen);
    fast_->parentWidget()->setEnabled(ideal || nitrogen);
}

void frmModelloGas::accept() {
    auto refuse = [this](const GasModelError& error) {
        dialogs_.Message(UiMessage(error.message), MessageIcon::Exclamation, MessageButtons::Ok);
        QLineEdit* box = boxes_.at(error.box);
        box->setEnabled(true);
        box->setFocus();
        box->selectAll();
    };
    const auto parsed = ParseGasModel(Texts());
    if (const auto* error = std::get_if<GasModelError>(&parsed)) return refuse(*error);
    auto text = [this](GasModelBox box) { return boxes_.at(box)->text().toStdString(); };
    const auto vessels = ParseArrangement({text(GasModelBox::Parallel), text(GasModelBox::Bottles),
                                           text(GasModelBox::VolumetricEfficiency)});
    if (const auto* error = std::get_if<GasModelError>(&vessels)) return refuse(*error);
    settings_ = std::get<GasSettings>(parsed);
    settings_.Vessels = std::get<Arrangement>(vessels);
    QDialog::accept();
}

}  // namespace volvenza
