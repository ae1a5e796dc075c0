#pragma once
// The chart's extras dialog: switches the precharge line on or off. It is not
// modal, so the chart and its tools stay usable while it is open.

#include <memory>

#include <QDialog>
#include <QPointer>

#include "views/ChartPainting.h"

class QCheckBox;

namespace volvenza {

class Grafico;

class frmAggiungiParticolari : public QDialog {
    Q_OBJECT

  public:
    // `chart` is redrawn on OK while it still exists; `owner` keeps the dialog.
    frmAggiungiParticolari(std::shared_ptr<ChartOptions> options, Grafico* chart,
                           QWidget* owner = nullptr);

  private:
    void Accept();

    std::shared_ptr<ChartOptions> options_;
    QPointer<Grafico> chart_;
    QCheckBox* check_ = nullptr;
};

}  // namespace volvenza
