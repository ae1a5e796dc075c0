#pragma once
// The results table window: a read-only grid with one row every tenth sample
// of the last run, refilled from the current results by FillResultsTable.

#include <QWidget>

class QLabel;

#include "engine/CircuitState.h"

class QTableView;

namespace volvenza {

class Dialogs;
class ResultsTableModel;

class Tabella : public QWidget {
    Q_OBJECT

  public:
    Tabella(CircuitState& state, Dialogs& dialogs, QWidget* parent = nullptr);

    void FillResultsTable();
    // What the results were computed from, under the table.
    void ShowResultsNote(const QString& note, bool stale);

    const ResultsTableModel& Model() const { return *model_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    // Wider, within the main window's area, when the gas temperature's
    // column would not show beside the others.
    void WidenForColumns();

    CircuitState& state_;
    QTableView* grid_ = nullptr;
    QLabel* note_ = nullptr;
    ResultsTableModel* model_ = nullptr;
    bool placed_ = false;
};

}  // namespace volvenza
