#include "shell/AvanzamentoSimulazione.h"
#include "platform/UiText.h"

#include <algorithm>
#include <cmath>

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace volvenza {
namespace {
constexpr UiText kCaption{
    "volvenza::AvanzamentoSimulazione",
    QT_TRANSLATE_NOOP("volvenza::AvanzamentoSimulazione", "Stato simulazione")};
constexpr UiText kLabel{
    "volvenza::AvanzamentoSimulazione",
    QT_TRANSLATE_NOOP("volvenza::AvanzamentoSimulazione", "avanzamento simulazione")};
}  // namespace

AvanzamentoSimulazione::AvanzamentoSimulazione(QWidget* owner)
    : QWidget(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint) {
    setObjectName(QStringLiteral("AvanzamentoSimulazione"));
    setWindowTitle(kCaption);
    setWindowModality(Qt::NonModal);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(kLabel, this);
    label->setObjectName(QStringLiteral("Label1"));
    bar_ = new QProgressBar(this);
    bar_->setObjectName(QStringLiteral("BarraAvanzamentoSimulazione"));
    bar_->setRange(0, 100);
    bar_->setValue(0);
    layout->addWidget(label);
    layout->addWidget(bar_);
    setFixedWidth(320);
}

void AvanzamentoSimulazione::SetValue(double percent) {
    if (!(percent >= 0)) percent = 0;
    bar_->setValue(static_cast<int>(std::lround(std::min(percent, 100.0))));
}

int AvanzamentoSimulazione::Value() const {
    return bar_->value();
}

}  // namespace volvenza
