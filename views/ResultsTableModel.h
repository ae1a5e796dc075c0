#pragma once
// The rows of the results table: a sample of the last run every
// kResultsRowEvery (messages/ResultsFormat.h) with its time and the four
// result series, and the gas temperature [°C] when the ideal or real law
// ran, as fixed-pattern texts with that file's decimals. The values are copied when
// the table is filled, so a later run shows only after the next fill.

#include <QAbstractTableModel>
#include <vector>

#include "engine/CircuitState.h"
#include "messages/WindowWords.h"

namespace volvenza {

class ResultsTableModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    // The last only when the run has a gas temperature.
    static constexpr int kColumns = int(kResultsHeadings.size());

    explicit ResultsTableModel(QObject* parent = nullptr);

    // Replaces the rows with those of the current results.
    void Fill(const CircuitState& state);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The text of one cell, as the grid shows it.
    QString CellText(int row, int column) const;

  private:
    struct Row {
        float time;
        double values[kColumns - 1];
    };
    std::vector<Row> rows_;
    int columns_ = kColumns - 1;
};

}  // namespace volvenza
