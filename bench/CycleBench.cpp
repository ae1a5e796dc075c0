// Run:  build/bin/volvenza-cycle-bench
// Budgets: with 1000 movements, opening the cycle window, scrolling its
// table by a page and redrawing its timing diagram each stay under 50 ms.
// Each includes the repaint on the offscreen platform.

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include <QApplication>
#include <QScrollBar>

#include "documents/Project.h"
#include "entry/Ciclo.h"
#include "entry/CycleDiagram.h"
#include "entry/CycleTableView.h"
#include "tests/support/ScriptedDialogs.h"

namespace {

using namespace volvenza;

// A full table of movements of every kind over a 300 s cycle, and the
// results of the longest run the model holds.
void LoadFullCycle(CircuitState& state) {
    InitCircuitState(state);
    state.Data = CircuitData{10, 60, 45, 30, 80, 13, 300};
    const int16_t kinds[] = {1, 2, 4, 5, 6, 7};
    for (int k = 1; k <= kMaxMovements; ++k) {
        Movement& m = state.Movements[k];
        m.Kind = kinds[k % 6];
        m.Ti = static_cast<float>(k % 290);
        m.Tf = m.Ti + 0.5f + static_cast<float>(k % 7);
        m.BoreDiameter = 50;
        m.RodDiameter = 20;
        m.Stroke = 150;
        m.Displacement = 40;
        m.Speed = 900;
        m.UnitDisplacement = 2;
        m.RotationAngle = 90;
        m.Qm = 10 + k % 40;
    }
    state.MovementCount = kMaxMovements;
    ReallocateResults(state, kMaxSteps + 1);
    state.LastPoint = kMaxSteps;
    for (int i = 0; i <= kMaxSteps; ++i) {
        state.PSeries[i] = 70 + 8 * std::sin(i * 0.013) + 2 * std::sin(i * 0.41);
    }
}

struct CycleWindow {
    CycleWindow() {
        LoadFullCycle(state);
        project = std::make_unique<Project>(state);
        window = std::make_unique<Ciclo>(*project, dialogs);
        window->show();
        QApplication::processEvents();
    }
    CircuitState state;
    std::unique_ptr<Project> project;
    ScriptedDialogs dialogs;
    std::unique_ptr<Ciclo> window;
};

void BM_OpenCycleWindow(benchmark::State& bs) {
    CircuitState state;
    LoadFullCycle(state);
    Project project(state);
    ScriptedDialogs dialogs;
    for (auto _ : bs) {
        auto window = std::make_unique<Ciclo>(project, dialogs);
        window->show();
        QApplication::processEvents();
        bs.PauseTiming();
        window.reset();
        QApplication::processEvents();
        bs.ResumeTiming();
    }
}
BENCHMARK(BM_OpenCycleWindow)->Unit(benchmark::kMillisecond);

void BM_ScrollTablePage(benchmark::State& bs) {
    CycleWindow cycle;
    QScrollBar* bar = cycle.window->Table()->verticalScrollBar();
    if (bar->maximum() < 100) {
        bs.SkipWithError("the table does not scroll");
        return;
    }
    for (auto _ : bs) {
        const int next = bar->value() + bar->pageStep();
        bar->setValue(next > bar->maximum() ? 0 : next);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_ScrollTablePage)->Unit(benchmark::kMillisecond);

void BM_RedrawDiagram(benchmark::State& bs) {
    CycleWindow cycle;
    for (auto _ : bs) {
        cycle.window->Diagram()->Redraw();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_RedrawDiagram)->Unit(benchmark::kMillisecond);

}  // namespace
