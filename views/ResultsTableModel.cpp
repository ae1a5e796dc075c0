#include "views/ResultsTableModel.h"

#include <algorithm>

#include "engine/ResultsSeriesValues.h"
#include "messages/ResultsFormat.h"
#include "numbers/NumberText.h"
#include "platform/Language.h"
#include "platform/UiNumber.h"

namespace volvenza {

static_assert(kResultsDecimals.size() == kResultsHeadings.size());
static_assert(kResultsSeries.size() + 2 == kResultsHeadings.size());

ResultsTableModel::ResultsTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void ResultsTableModel::Fill(const CircuitState& state) {
    beginResetModel();
    rows_.clear();
    size_t stored = ResultsSeriesValues(state, 0).size();
    for (size_t s = 1; s < kResultsSeries.size(); ++s) {
        stored = std::min(stored, ResultsSeriesValues(state, s).size());
    }
    const int last = std::min<int>(state.LastPoint, static_cast<int>(stored) - 1);
    const std::vector<double>& temps = state.GasRun.TSeries;
    const bool gas = static_cast<int>(temps.size()) > last;
    columns_ = gas ? kColumns : kColumns - 1;
    rows_.reserve(static_cast<size_t>(std::max(last, 0) / kResultsRowEvery + 1));
    for (int i = 0; i <= last; i += kResultsRowEvery) {
        Row row{ResultsTime(i, state.TimeStep), {}};
        for (size_t s = 0; s < kResultsSeries.size(); ++s) {
            row.values[s] = ResultsSeriesValues(state, s)[static_cast<size_t>(i)];
        }
        row.values[kResultsSeries.size()] = gas ? temps[i] : 0.0;
        rows_.push_back(row);
    }
    endResetModel();
}

int ResultsTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ResultsTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columns_;
}

QString ResultsTableModel::CellText(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columns_) return {};
    const Row& r = rows_[static_cast<size_t>(row)];
    const int decimals = kResultsDecimals[size_t(column)];
    return column == 0 ? UiFixed(r.time, decimals) : UiFixed(r.values[column - 1], decimals);
}

QVariant ResultsTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::DisplayRole) return CellText(index.row(), index.column());
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
    return {};
}

QVariant ResultsTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumns) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    if (role == Qt::DisplayRole) return QString::fromUtf8(kResultsHeadings[size_t(section)]);
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
    return {};
}

}  // namespace volvenza
