#include "views/ResultsTableModel.h"

#include <gtest/gtest.h>

#include <limits>

namespace volvenza {
namespace {

void MakeResults(CircuitState& state, int16_t lastPoint) {
    InitCircuitState(state);
    ReallocateResults(state, lastPoint + 1);
    state.LastPoint = lastPoint;
    for (int i = 0; i <= lastPoint; ++i) {
        state.VSeries[i] = 1 + i / 1000.0;
        state.PSeries[i] = 100 + i / 8.0;
        state.QtSeries[i] = i;
        state.QsSeries[i] = i - 50.0;
    }
}

std::vector<QString> Row(const ResultsTableModel& model, int row) {
    std::vector<QString> out;
    for (int c = 0; c < model.columnCount(); ++c)
        out.push_back(model.data(model.index(row, c)).toString());
    return out;
}

TEST(ResultsTableModelTest, ListsEveryTenthSampleOfTheLatestFill) {
    CircuitState state;
    MakeResults(state, 469);
    ResultsTableModel model;
    model.Fill(state);
    ASSERT_EQ(model.rowCount(), 47);
    EXPECT_EQ(Row(model, 0),
              (std::vector<QString>{"0,0", "1,0000", "100,0000", "0,0000", "-50,0000"}));
    EXPECT_EQ(Row(model, 46),
              (std::vector<QString>{"4,6", "1,4600", "157,5000", "460,0000", "410,0000"}));

    // The rows keep the values of a fill until the next one.
    MakeResults(state, 0);
    state.QsSeries[0] = -12.34567;
    state.PSeries[0] = 12345.6789;
    EXPECT_EQ(model.rowCount(), 47);
    model.Fill(state);
    ASSERT_EQ(model.rowCount(), 1);
    EXPECT_EQ(Row(model, 0),
              (std::vector<QString>{"0,0", "1,0000", "12345,6789", "0,0000", "-12,3457"}));

    // A value that went wrong says so instead of looking like a number.
    state.VSeries[0] = -std::numeric_limits<double>::quiet_NaN();
    state.PSeries[0] = std::numeric_limits<double>::infinity();
    state.QtSeries[0] = -std::numeric_limits<double>::infinity();
    model.Fill(state);
    EXPECT_EQ(Row(model, 0), (std::vector<QString>{"0,0", "nan", "inf", "-inf", "-12,3457"}));

    // A run of the ideal or real law adds the gas temperature.
    MakeResults(state, 10);
    state.GasRun.TSeries = std::vector<double>(11, 45.0);
    state.GasRun.TSeries[10] = -12.5;
    model.Fill(state);
    ASSERT_EQ(model.columnCount(), 6);
    EXPECT_EQ(model.headerData(5, Qt::Horizontal).toString(), "Tgas(T)");
    EXPECT_EQ(Row(model, 1).back(), "-12,5000");
}

}  // namespace
}  // namespace volvenza
