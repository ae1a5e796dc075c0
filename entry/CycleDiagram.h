#pragma once
// The timing diagram of the cycle window, drawn on the drawing surface: a
// lane per movement with a bar from Ti to Tf in its kind's colour and its
// flow written on it; below, the total flow Qt(t) as a step curve against
// the pump delivery Qp, with the stretches where the movements draw more
// than the pump delivers shaded; after a run, that run's pressure P(t); one
// time axis for all. When the lanes do not all fit, they show the movements
// from the table's first visible row on. The pointer over a bar or a curve
// says what is there, and a click on a bar reports its row.

#include <functional>
#include <vector>

#include <QString>

#include "engine/CircuitData.h"
#include "engine/CycleTiming.h"
#include "platform/DrawingSurface.h"

namespace volvenza {

class CycleTableModel;

class CycleDiagram : public DrawingArea {
    Q_OBJECT

  public:
    explicit CycleDiagram(const CycleTableModel& model, QWidget* parent = nullptr);

    // The cycle time and pump delivery to draw with.
    void SetInitialData(const CircuitData& data);
    // Draws everything again from the list and the last results.
    void Redraw();
    // The lanes start at this row when they do not all fit.
    void ShowRowsFrom(int row);
    // Rows whose bars are outlined as selected.
    void SetSelectedRows(std::vector<int> rows);

    int LaneCount() const { return shown_; }
    // The row whose bar lies under the pixel, or -1.
    int BarAt(QPointF pixel) const;
    // Where the bar of a row is drawn (pixels); empty when it is not shown.
    QRectF BarRect(int row) const;
    // Every bar and the total flow against Qp as lines of text, also the
    // diagram's accessible description.
    QString TextAlternative() const;
    // What the pointer shows where it last moved.
    QString HoverText() const { return hoverText_; }

  signals:
    void RowClicked(int row);

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    void ComputeRanges();
    void Layout();
    void Draw();
    void DrawLanes();
    void DrawFlowPanel();
    void DrawPressurePanel();
    void DrawTimeAxis();
    // Ticks and their values left of the plot, at heights given by `y`.
    void DrawScale(const std::vector<double>& ticks, const std::function<double(double)>& y,
                   double bottom, bool lowest);
    void DrawOverlay();
    void OnMouseMoved(QPointF at);

    double X(double time) const;
    double Time(double x) const;
    double FlowY(double flow) const;
    double PressureY(double pressure) const;
    double FlowAt(double time) const;

    const CycleTableModel& model_;
    float cycleTime_ = 0;
    float pumpFlow_ = 0;
    CycleTiming timing_;
    std::vector<double> timeTicks_, flowTicks_, pressureTicks_;
    bool results_ = false;
    // Ranges: time, flow, pressure.
    double t0_ = 0, t1_ = 1, q0_ = 0, q1_ = 1, p0_ = 0, p1_ = 1;
    // Pixels: the plot's left and right edges, the lanes, the two panels,
    // the time axis.
    double left_ = 0, right_ = 0, lanesTop_ = 0, laneHeight_ = 1;
    double flowTop_ = 0, flowBottom_ = 0, pressureTop_ = 0, pressureBottom_ = 0, axisY_ = 0;
    double textHeight_ = 10;
    bool drawable_ = false;
    int requestedFirst_ = 0;
    int first_ = 0;
    int shown_ = 0;
    std::vector<int> selected_;
    int hovered_ = -1;
    QString hoverText_;
};

}  // namespace volvenza
