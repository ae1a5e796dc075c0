#pragma once
// The "Bilancio energetico" window: the energy balance and fatigue figures
// of the last run at tc, one row per figure, with what produced the run
// underneath. Empty without a run.

#include <functional>
#include <optional>
#include <utility>

#include <QWidget>

#include "engine/CircuitState.h"
#include "engine/Duties.h"
#include "engine/EnergyBalance.h"

class QGridLayout;
class QLabel;

namespace volvenza {

class Dialogs;

class BilancioEnergetico : public QWidget {
    Q_OBJECT

  public:
    // The duties asked for and the p1 of movements without a load.
    using DutiesAsked = std::function<std::pair<DutyPlan, double>()>;
    BilancioEnergetico(CircuitState& state, Dialogs& dialogs, DutiesAsked duties = {},
                       QWidget* parent = nullptr);

    // Shows the figures of the current results for these inputs; none
    // without inputs (results out of date).
    void ShowBalance(const std::optional<EnergyInputs>& inputs);
    void ShowResultsNote(const QString& note, bool stale);

  private:
    void Grow();

    CircuitState& state_;
    DutiesAsked duties_;
    QLabel* title_ = nullptr;
    QLabel* empty_ = nullptr;
    QGridLayout* grid_ = nullptr;
    QLabel* note_ = nullptr;
};

}  // namespace volvenza
