// Run:  build/bin/volvenza-chart-bench
// Budgets: a full chart redraw of 32767 points at 1920x1080 under 20 ms; a
// mouse move with a tool active under 2 ms whatever the run length. Both
// include the repaint of the drawing area on the offscreen platform.

#include <benchmark/benchmark.h>

#include <cmath>

#include <QApplication>
#include <QMouseEvent>

#include "platform/DrawingSurface.h"
#include "platform/ScreenUnits.h"
#include "tests/support/ScriptedDialogs.h"
#include "views/Grafico.h"

namespace {

using namespace volvenza;

// The longest run the model holds: the pressure falls while actuators draw
// oil and recovers while the pump loads, a few hundred times over.
void LoadLongestRun(CircuitState& state) {
    InitCircuitState(state);
    ReallocateResults(state, kMaxSteps + 1);
    state.LastPoint = kMaxSteps;
    state.Data.CycleTime = 327.67f;
    for (int i = 0; i <= kMaxSteps; ++i) {
        state.PSeries[i] = 170 + 30 * std::sin(i * 0.013) + 5 * std::sin(i * 0.41);
    }
}

// A chart window whose drawing area is 1920 by 1080 pixels.
struct ChartAtFullHd {
    ChartAtFullHd() : window(state, dialogs) {
        LoadLongestRun(state);
        window.resize(1920 + TwipsToPixels(3500, &window), 1080 + TwipsToPixels(2000, &window));
        window.show();
        QApplication::processEvents();
    }
    void Move(double x, double y) {
        DrawingArea* area = window.Picture();
        const QPointF at = area->Surface().ToPixels({x, y});
        QMouseEvent event(QEvent::MouseMove, at, area->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(area, &event);
    }
    CircuitState state;
    ScriptedDialogs dialogs;
    Grafico window;
};

void BM_FullRedraw(benchmark::State& bs) {
    ChartAtFullHd chart;
    if (chart.window.Picture()->size() != QSize(1920, 1080)) {
        bs.SkipWithError("the drawing area did not get its size");
        return;
    }
    for (auto _ : bs) {
        chart.window.RedrawChart();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_FullRedraw)->Unit(benchmark::kMillisecond);

void BM_CrosshairMove(benchmark::State& bs) {
    ChartAtFullHd chart;
    chart.window.findChild<QAction*>(QStringLiteral("Tracciatore"))->trigger();
    double x = 0;
    for (auto _ : bs) {
        x = x >= 79 ? 1 : x + 0.37;
        chart.Move(x, 40);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_CrosshairMove)->Unit(benchmark::kMicrosecond);

}  // namespace
