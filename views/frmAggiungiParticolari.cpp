#include "views/frmAggiungiParticolari.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "platform/ScreenUnits.h"
#include "platform/TextFit.h"
#include "platform/UiText.h"
#include "views/Grafico.h"

namespace volvenza {

namespace {
constexpr UiText kTitle{
    "volvenza::frmAggiungiParticolari",
    QT_TRANSLATE_NOOP("volvenza::frmAggiungiParticolari", "Aggiungi particolari")};
constexpr UiText kPrechargeText{
    "volvenza::frmAggiungiParticolari",
    QT_TRANSLATE_NOOP("volvenza::frmAggiungiParticolari",
                      "Retta del valore attuale della prearica di azoto dell'volvenza (Pf)")};
}  // namespace

frmAggiungiParticolari::frmAggiungiParticolari(std::shared_ptr<ChartOptions> options,
                                               Grafico* chart, QWidget* owner)
    : QDialog(owner), options_(std::move(options)), chart_(chart) {
    setObjectName(QStringLiteral("frmAggiungiParticolari"));
    setWindowTitle(kTitle);
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setFixedSize(TwipsRect(0, 0, 6030, 3195, this).size());

    auto* label = new QLabel(kPrechargeText, this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setWordWrap(true);
    label->setGeometry(TwipsRect(240, 240, 2775, 495, this));
    // Two lines in the label's place: a font small enough for them.
    FitLabelFont(*label);

    check_ = new QCheckBox(this);
    check_->setObjectName(QStringLiteral("Chek_PF"));
    check_->setAccessibleName(kPrechargeText);
    check_->setGeometry(TwipsRect(3240, 360, 372, 255, this));
    check_->setChecked(options_->prechargeLine);

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setGeometry(TwipsRect(4680, 120, 1215, 375, this));
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("Annulla"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    cancel->setGeometry(TwipsRect(4680, 600, 1215, 375, this));

    connect(ok, &QPushButton::clicked, this, &frmAggiungiParticolari::Accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmAggiungiParticolari::Accept() {
    options_->prechargeLine = check_->isChecked();
    accept();
    if (chart_ != nullptr) chart_->ControlloParticolari();
}

}  // namespace volvenza
