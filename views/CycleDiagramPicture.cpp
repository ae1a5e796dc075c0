#include "views/CycleDiagramPicture.h"

#include <algorithm>
#include <cmath>

#include <QCoreApplication>

#include "numbers/NumberText.h"
#include "numbers/Rounding.h"
#include "platform/Language.h"
#include "views/CycleColours.h"
#include "views/MovementText.h"

namespace volvenza {
namespace {

const char* const kFlowTitle = QT_TRANSLATE_NOOP("volvenza::CycleDiagram", "Qt [dm3/min]");
const char* const kPumpTitle = QT_TRANSLATE_NOOP("volvenza::CycleDiagram", "Qp");
const char* const kPressureTitle = QT_TRANSLATE_NOOP("volvenza::CycleDiagram", "P [bar]");
const char* const kTimeTitle = QT_TRANSLATE_NOOP("volvenza::CycleDiagram", "t [s]");

const QColor kInk(40, 52, 70);
const QColor kGrid(225, 228, 234);
const QColor kOutside(238, 238, 238);
const QColor kBarOutline(90, 96, 110);
const QColor kBarError(200, 0, 0);
const QColor kFlowCurve(30, 110, 190);
const QColor kShortfall(255, 196, 196);
const QColor kPump(40, 150, 70);
const QColor kPressureCurve(150, 30, 30);

constexpr double kTick = 4;

using cycle_diagram::Number;
using cycle_diagram::Text;

// 1, 2 or 5 times a power of ten: the smallest such step that puts at most
// `most` steps into `span`.
double NiceStep(double span, int most) {
    const double raw = span / std::max(most, 1);
    if (!(raw > 0) || !std::isfinite(raw)) return 1;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    for (double multiple : {1.0, 2.0, 5.0}) {
        if (multiple * magnitude >= raw) return multiple * magnitude;
    }
    return 10 * magnitude;
}

// Tick values from the first multiple of `step` at or above `from` to `to`.
std::vector<double> Ticks(double from, double to, double step) {
    std::vector<double> ticks;
    for (double k = std::ceil(from / step - 1e-9); k * step <= to + step * 1e-9; ++k) {
        ticks.push_back(k * step == 0 ? 0.0 : k * step);
        if (ticks.size() > 1000) break;
    }
    return ticks;
}

}  // namespace

QString cycle_diagram::Text(const char* source) {
    return QCoreApplication::translate("volvenza::CycleDiagram", source);
}

QString cycle_diagram::Number(double value, int decimals) {
    return QString::fromStdString(
        FormatNumber(RoundHalfEven(value, decimals), UiDecimalSeparator()));
}

CycleDiagramPicture::CycleDiagramPicture(double thinnestLane) : thinnestLane_(thinnestLane) {}

void CycleDiagramPicture::SetData(CycleDiagramData data) {
    data_ = std::move(data);
    ComputeRanges();
}

void CycleDiagramPicture::ComputeRanges() {
    const CycleTiming& timing = data_.timing;
    t0_ = timing.start;
    t1_ = timing.end;
    q0_ = 0;
    q1_ = std::max<double>(timing.pump, 0);
    for (const TimingStep& step : timing.steps) {
        q0_ = std::min(q0_, step.flow);
        q1_ = std::max(q1_, step.flow);
    }
    q1_ = q1_ > q0_ ? q1_ + (q1_ - q0_) * 0.08 : q0_ + 1;
    if (HasPressure()) {
        const auto [low, high] = std::minmax_element(data_.pressure.begin(), data_.pressure.end());
        const double pad = std::max((*high - *low) * 0.08, 0.5);
        p0_ = *low - pad;
        p1_ = *high + pad;
        t1_ = std::max<double>(t1_, (data_.pressure.size() - 1) * data_.timeStep);
    }
    if (!(t1_ > t0_)) t1_ = t0_ + 1;
}

double CycleDiagramPicture::TextWidth(const QString& text) const {
    return metrics_ ? metrics_->horizontalAdvance(text) : 0;
}

void CycleDiagramPicture::Layout(const DrawingSurface& surface, int firstRow) {
    const QImage& image = surface.CommittedImage();
    metrics_ =
        image.isNull() ? QFontMetricsF(surface.Font()) : QFontMetricsF(surface.Font(), &image);
    textHeight_ = metrics_->height();
    const double width = surface.Size().width();
    const double height = surface.Size().height();
    const double axisHeight = textHeight_ + kTick + 4;
    const double top = 4;
    const double room = height - top - axisHeight;
    const int rows = static_cast<int>(data_.timing.bars.size());
    const bool pressure = HasPressure();
    const int panels = pressure ? 2 : 1;

    // The panels take a share of the height, the lanes the rest, no more
    // than they need; what they leave goes back to the panels. Each panel
    // has its title on a line of its own above it.
    const double title = textHeight_ + 2;
    double panel = room * (pressure ? 0.27 : 0.36);
    const double lanesRoom = room - panels * (panel + title);
    const double thickest = textHeight_ + 4;
    laneHeight_ = rows > 0
                      ? std::clamp(lanesRoom / rows, std::min(thinnestLane_, thickest), thickest)
                      : thickest;
    const int capacity =
        laneHeight_ > 0 ? std::max(1, static_cast<int>(lanesRoom / laneHeight_ + 1e-9)) : rows;
    shown_ = std::min(rows, capacity);
    first_ = std::clamp(firstRow, 0, std::max(rows - capacity, 0));
    const double lanes = std::max(shown_, 1) * laneHeight_;
    panel += std::max(lanesRoom - lanes, 0.0) / panels;

    lanesTop_ = top;
    flowTop_ = lanesTop_ + lanes + title;
    flowBottom_ = flowTop_ + panel;
    pressureTop_ = flowBottom_ + title;
    pressureBottom_ = pressure ? pressureTop_ + panel : flowBottom_;
    axisY_ = (pressure ? pressureBottom_ : flowBottom_) + 1;

    // The left margin holds the lane numbers and the panels' scales.
    const int most = std::max(1, static_cast<int>(panel / (textHeight_ * 1.5)));
    flowTicks_ = Ticks(q0_, q1_, NiceStep(q1_ - q0_, most));
    pressureTicks_ = pressure ? Ticks(p0_, p1_, NiceStep(p1_ - p0_, most)) : std::vector<double>{};
    double margin = TextWidth(QString::number(std::max(rows, 1)));
    margin = std::max(margin, TextWidth(Text(kTimeTitle)));
    for (const auto* ticks : {&flowTicks_, &pressureTicks_}) {
        for (double value : *ticks) margin = std::max(margin, TextWidth(Number(value, 3)));
    }
    left_ = std::ceil(margin) + kTick + 6;
    // On the right, half the last time label and the pump's name.
    const double lastLabel = TextWidth(Number(t1_, 3));
    right_ = width - std::ceil(std::max(lastLabel / 2, TextWidth(Text(kPumpTitle)) + 4)) - 4;
    drawable_ = right_ - left_ > 20 && panel > textHeight_;
    timeTicks_ = Ticks(
        t0_, t1_,
        NiceStep(t1_ - t0_, std::max(1, static_cast<int>((right_ - left_) / (lastLabel + 24)))));
}

double CycleDiagramPicture::X(double time) const {
    return left_ + (time - t0_) / (t1_ - t0_) * (right_ - left_);
}

double CycleDiagramPicture::Time(double x) const {
    return t0_ + (x - left_) / (right_ - left_) * (t1_ - t0_);
}

double CycleDiagramPicture::FlowY(double flow) const {
    return flowBottom_ - (flow - q0_) / (q1_ - q0_) * (flowBottom_ - flowTop_);
}

double CycleDiagramPicture::PressureY(double pressure) const {
    return pressureBottom_ - (pressure - p0_) / (p1_ - p0_) * (pressureBottom_ - pressureTop_);
}

bool CycleDiagramPicture::OverFlow(QPointF pixel) const {
    return drawable_ && pixel.x() >= left_ && pixel.x() <= right_ && pixel.y() >= flowTop_ &&
           pixel.y() <= flowBottom_;
}

bool CycleDiagramPicture::OverPressure(QPointF pixel) const {
    return drawable_ && HasPressure() && pixel.x() >= left_ && pixel.x() <= right_ &&
           pixel.y() >= pressureTop_ && pixel.y() <= pressureBottom_;
}

void CycleDiagramPicture::Paint(DrawingSurface& surface) const {
    surface.SetScale(0, 0, surface.Size().width(), surface.Size().height());
    surface.Empty();
    if (drawable_) {
        const double bottom = axisY_;
        const float cycleTime = data_.cycleTime;
        // Before 0 and after the cycle's end, grey.
        if (t0_ < 0) surface.FilledRectangle({X(t0_), lanesTop_}, {X(0), bottom}, kOutside, false);
        if (cycleTime > 0 && t1_ > cycleTime) {
            surface.FilledRectangle({X(cycleTime), lanesTop_}, {X(t1_), bottom}, kOutside, false);
        }
        for (double t : timeTicks_) surface.Line({X(t), lanesTop_}, {X(t), bottom}, kGrid);
        DrawLanes(surface);
        DrawFlowPanel(surface);
        if (HasPressure()) DrawPressurePanel(surface);
        DrawTimeAxis(surface);
    }
    surface.Commit();
}

QRectF CycleDiagramPicture::BarRect(int row) const {
    if (!drawable_ || row < first_ || row >= first_ + shown_) return {};
    const TimingBar& bar = data_.timing.bars[static_cast<size_t>(row)];
    // A movement that does not end after it starts has no bar.
    if (!bar.lasts) return {};
    const double a = X(bar.start);
    const double b = std::max(X(bar.end), a + 2);
    const double top = lanesTop_ + (row - first_) * laneHeight_;
    const double edge = std::min(1.0, laneHeight_ / 4);
    return QRectF(QPointF(a, top + edge), QPointF(b, top + std::max(laneHeight_ - edge, 2 * edge)));
}

int CycleDiagramPicture::BarAt(QPointF pixel) const {
    if (!drawable_ || laneHeight_ <= 0 || pixel.y() < lanesTop_) return -1;
    const int row = first_ + static_cast<int>((pixel.y() - lanesTop_) / laneHeight_);
    const QRectF bar = BarRect(row);
    return !bar.isEmpty() && bar.adjusted(-2, -1, 2, 1).contains(pixel) ? row : -1;
}

void CycleDiagramPicture::DrawLanes(DrawingSurface& surface) const {
    // Numbers on every lane when they fit, else on every few.
    const int every = std::max(1, static_cast<int>(std::ceil(textHeight_ / laneHeight_)));
    for (int lane = 0; lane < shown_; ++lane) {
        const int row = first_ + lane;
        const double top = lanesTop_ + lane * laneHeight_;
        if (lane % every == 0) {
            const QString number = QString::number(row + 1);
            surface.SetColor(kInk);
            surface.Text(
                {left_ - kTick - 2 - TextWidth(number), top + (laneHeight_ - textHeight_) / 2},
                number);
        }
        const TimingBar& bar = data_.timing.bars[static_cast<size_t>(row)];
        const QRectF rect = BarRect(row);
        if (rect.isEmpty()) continue;
        const bool error = data_.rowError && data_.rowError(row);
        surface.SetColor(error ? kBarError : kBarOutline);
        surface.FilledRectangle(rect.topLeft(), rect.bottomRight(),
                                KindColour(ListedKind(bar.kind)), laneHeight_ >= 4 || error);
        const QString flow = bar.flowShown ? MovementNumber(bar.flow) : QString();
        if (laneHeight_ >= textHeight_ && TextWidth(flow) + 6 <= rect.width()) {
            surface.SetColor(kInk);
            surface.Text({rect.left() + 3, top + (laneHeight_ - textHeight_) / 2}, flow);
        }
    }
    surface.SetColor(kInk);
    surface.Line({left_, lanesTop_}, {left_, lanesTop_ + std::max(shown_, 1) * laneHeight_});
}

void CycleDiagramPicture::DrawScale(DrawingSurface& surface, const std::vector<double>& ticks,
                                    const std::function<double(double)>& y, double bottom,
                                    bool lowest) const {
    // The lowest panel keeps its labels above the time axis and its name.
    const double lowestLabel = bottom - (lowest ? textHeight_ : textHeight_ / 2);
    for (double value : ticks) {
        const QString label = Number(value, 3);
        surface.Line({left_ - kTick, y(value)}, {left_, y(value)});
        surface.Text({left_ - kTick - 2 - TextWidth(label),
                      std::min(y(value) - textHeight_ / 2, lowestLabel)},
                     label);
    }
}

void CycleDiagramPicture::DrawFlowPanel(DrawingSurface& surface) const {
    const double pump = data_.timing.pump;
    surface.SetColor(kInk);
    DrawScale(
        surface, flowTicks_, [this](double q) { return FlowY(q); }, flowBottom_, !HasPressure());
    // Where the movements draw more than the pump delivers, the accumulator
    // has to make up the difference.
    const std::vector<TimingStep>& steps = data_.timing.steps;
    for (size_t i = 0; i < steps.size(); ++i) {
        const double end = i + 1 < steps.size() ? steps[i + 1].time : t1_;
        if (steps[i].flow > pump) {
            surface.FilledRectangle({X(steps[i].time), FlowY(steps[i].flow)}, {X(end), FlowY(pump)},
                                    kShortfall, false);
        }
    }
    std::vector<QPointF> curve{{X(t0_), FlowY(0)}};
    double flow = 0;
    for (const TimingStep& step : steps) {
        curve.push_back({X(step.time), FlowY(flow)});
        flow = step.flow;
        curve.push_back({X(step.time), FlowY(flow)});
    }
    curve.push_back({X(t1_), FlowY(flow)});
    surface.SetColor(kFlowCurve);
    surface.Polyline(std::move(curve));
    surface.Line({left_, FlowY(pump)}, {right_, FlowY(pump)}, kPump);
    surface.SetColor(kInk);
    surface.Line({left_, flowTop_}, {left_, flowBottom_});
    surface.Line({left_, FlowY(0)}, {right_, FlowY(0)});
    surface.Text({left_ + 2, flowTop_ - textHeight_ - 1}, Text(kFlowTitle));
    surface.SetColor(kPump);
    surface.Text({right_ + 4, FlowY(pump) - textHeight_ / 2}, Text(kPumpTitle));
    surface.SetColor(kInk);
}

void CycleDiagramPicture::DrawPressurePanel(DrawingSurface& surface) const {
    surface.SetColor(kInk);
    DrawScale(
        surface, pressureTicks_, [this](double p) { return PressureY(p); }, pressureBottom_, true);
    std::vector<QPointF> curve;
    curve.reserve(data_.pressure.size());
    for (size_t i = 0; i < data_.pressure.size(); ++i) {
        curve.push_back({X(i * data_.timeStep), PressureY(data_.pressure[i])});
    }
    surface.SetColor(kPressureCurve);
    surface.Polyline(std::move(curve));
    surface.SetColor(kInk);
    surface.Line({left_, pressureTop_}, {left_, pressureBottom_});
    surface.Text({left_ + 2, pressureTop_ - textHeight_ - 1}, Text(kPressureTitle));
}

void CycleDiagramPicture::DrawTimeAxis(DrawingSurface& surface) const {
    surface.SetColor(kInk);
    surface.Line({left_, axisY_}, {right_, axisY_});
    // Each label where it does not touch the one before, nor the axis name.
    double free = 2 + TextWidth(Text(kTimeTitle)) + 4;
    for (double t : timeTicks_) {
        const QString label = Number(t, 3);
        const double x = X(t) - TextWidth(label) / 2;
        surface.Line({X(t), axisY_}, {X(t), axisY_ + kTick});
        if (x < free) continue;
        surface.Text({x, axisY_ + kTick}, label);
        free = x + TextWidth(label) + 6;
    }
    surface.Text({2, axisY_ + kTick}, Text(kTimeTitle));
}

}  // namespace volvenza
