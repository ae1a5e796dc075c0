#pragma once
// The cycle's timing diagram, one drawing for the cycle window and the
// cycle printout: a lane per movement with a bar from Ti to Tf in its kind's
// colour and its flow written on it; below, the total flow Qt(t) as a step
// curve against the pump delivery Qp, shaded where the movements draw more
// than Qp; with a run's pressures, P(t); one time axis for all. When the
// lanes do not all fit, they show the movements from a chosen row on.

#include <functional>
#include <optional>
#include <span>
#include <vector>

#include <QFontMetricsF>
#include <QPointF>
#include <QRectF>
#include <QString>

#include "engine/CycleTiming.h"
#include "platform/DrawingSurface.h"

namespace volvenza {

// What the cycle window and the picture both write.
namespace cycle_diagram {
// A text of the diagram in the current language (context "volvenza::CycleDiagram").
QString Text(const char* source);
// A number as the windows write it, rounded: the language's separator, no
// trailing zeros.
QString Number(double value, int decimals);
}  // namespace cycle_diagram

struct CycleDiagramData {
    CycleTiming timing;
    float cycleTime = 0;  // 0 when not given
    // A run's pressures at each step from 0 [bar]; empty without a run.
    std::span<const double> pressure;
    double timeStep = 0;  // [s]
    // Whether a row's bar is outlined as an error; none when not given.
    std::function<bool(int row)> rowError;
};

class CycleDiagramPicture {
  public:
    // Lanes are never thinner than `thinnestLane` pixels (nor thicker than a
    // line of text): on screen the rest scroll, on paper 0 fits them all.
    explicit CycleDiagramPicture(double thinnestLane);

    void SetData(CycleDiagramData data);
    const CycleDiagramData& Data() const { return data_; }
    // Fits the picture to the surface's size and font, the lanes from
    // `firstRow` on as far as that can be.
    void Layout(const DrawingSurface& surface, int firstRow);
    // Empties the surface and draws the committed picture on it.
    void Paint(DrawingSurface& surface) const;

    bool HasPressure() const { return !data_.pressure.empty(); }
    int FirstRow() const { return first_; }
    int LaneCount() const { return shown_; }
    // Where the bar of a row is drawn (pixels); empty when it is not shown.
    QRectF BarRect(int row) const;
    // The row whose bar lies under the pixel, or -1.
    int BarAt(QPointF pixel) const;
    // The instant under a pixel's abscissa, and whether the pixel is over
    // the flow or the pressure panel.
    double Time(double x) const;
    bool OverFlow(QPointF pixel) const;
    bool OverPressure(QPointF pixel) const;

  private:
    void ComputeRanges();
    void DrawLanes(DrawingSurface& surface) const;
    void DrawFlowPanel(DrawingSurface& surface) const;
    void DrawPressurePanel(DrawingSurface& surface) const;
    void DrawTimeAxis(DrawingSurface& surface) const;
    // Ticks and their values left of the plot, at heights given by `y`.
    void DrawScale(DrawingSurface& surface, const std::vector<double>& ticks,
                   const std::function<double(double)>& y, double bottom, bool lowest) const;
    double TextWidth(const QString& text) const;

    double X(double time) const;
    double FlowY(double flow) const;
    double PressureY(double pressure) const;

    double thinnestLane_;
    CycleDiagramData data_;
    std::optional<QFontMetricsF> metrics_;
    std::vector<double> timeTicks_, flowTicks_, pressureTicks_;
    // Ranges: time, flow, pressure.
    double t0_ = 0, t1_ = 1, q0_ = 0, q1_ = 1, p0_ = 0, p1_ = 1;
    // Pixels: the plot's left and right edges, the lanes, the two panels,
    // the time axis.
    double left_ = 0, right_ = 0, lanesTop_ = 0, laneHeight_ = 1;
    double flowTop_ = 0, flowBottom_ = 0, pressureTop_ = 0, pressureBottom_ = 0, axisY_ = 0;
    double textHeight_ = 10;
    bool drawable_ = false;
    int first_ = 0;
    int shown_ = 0;
};

}  // namespace volvenza
