#pragma once
// The progress window of a run: a separate window without buttons, shown
// while the simulation computes. The run cannot be cancelled.

#include <QWidget>

class QProgressBar;

namespace volvenza {

class AvanzamentoSimulazione : public QWidget {
    Q_OBJECT
  public:
    explicit AvanzamentoSimulazione(QWidget* owner = nullptr);
    void SetValue(double percent);
    int Value() const;

  private:
    QProgressBar* bar_ = nullptr;
};

}  // namespace volvenza
