#include "entry/CycleDiagram.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QResizeEvent>
#include <QToolTip>

#include "entry/ActuatorPages.h"
#include "entry/CycleTableModel.h"
#include "numbers/NumberText.h"
#include "platform/Language.h"
#include "views/CycleColours.h"
#include "views/MovementText.h"

namespace volvenza {
namespace {

const char* const kFlowTitle = QT_TRANSLATE_NOOP("volvenza::CycleDiagram", "Qt [dm3/min]");
const char* const kPumpTitle = QT_TRANSLATE_NOOP("volvenza::CycleDiagram", "Qp");
const char* const kPressureTitle = QT_TRANSLATE_NOOP("volvenza::CycleDiagram", "P [bar]");
const char* const kTimeTitle = QT_TRANSLATE_NOOP("volvenza::CycleDiagram", "t [s]");
const char* const kBarText = QT_TRANSLATE_NOOP("volvenza::CycleDiagram",
                                               "Movimento %1: %2\nTi %3 s, Tf %4 s, Qm %5 dm3/min");
const char* const kFlowText =
    QT_TRANSLATE_NOOP("volvenza::CycleDiagram", "t %1 s: Qt %2 dm3/min, Qp %3 dm3/min");
const char* const kPressureText = QT_TRANSLATE_NOOP("volvenza::CycleDiagram", "t %1 s: P %2 bar");

const char* const kName =
    QT_TRANSLATE_NOOP("volvenza::CycleDiagram", "Diagramma dei tempi del ciclo");
const char* const kBarAlternative =
    QT_TRANSLATE_NOOP("volvenza::CycleDiagram", "Movimento %1, %2: da %3 s a %4 s, Qm %5 dm3/min");
const char* const kBarWithoutFlow =
    QT_TRANSLATE_NOOP("volvenza::CycleDiagram", "Movimento %1, %2: da %3 s a %4 s, senza portata");
const char* const kNoBar = QT_TRANSLATE_NOOP(
    "volvenza::CycleDiagram", "Movimento %1, %2: Tf %4 s non è dopo Ti %3 s, nessuna barra");
const char* const kFlowAlternative = QT_TRANSLATE_NOOP(
    "volvenza::CycleDiagram", "Portata totale Qt: al massimo %1 dm3/min, con Qp di %2 dm3/min");
const char* const kShortfallAlternative =
    QT_TRANSLATE_NOOP("volvenza::CycleDiagram", "Qt supera Qp da %1 s a %2 s");
const char* const kNoShortfall =
    QT_TRANSLATE_NOOP("volvenza::CycleDiagram", "Qt non supera mai Qp");

const QColor kInk(40, 52, 70);
const QColor kGrid(225, 228, 234);
const QColor kOutside(238, 238, 238);
const QColor kBarOutline(90, 96, 110);
const QColor kBarError(200, 0, 0);
const QColor kFlowCurve(30, 110, 190);
const QColor kShortfall(255, 196, 196);
const QColor kPump(40, 150, 70);
const QColor kPressureCurve(150, 30, 30);
const QColor kSelected(0, 0, 0);
const QColor kHovered(30, 110, 190);

// Lanes are never thinner than this, nor thicker than a line of text.
constexpr double kThinnestLane = 5;
constexpr double kTick = 4;

QString Text(const char* source) {
    return QCoreApplication::translate("volvenza::CycleDiagram", source);
}

// Numbers as the windows write them, rounded: decimal comma, no trailing
// zeros.
QString Number(double value, int decimals) {
    return QString::fromStdString(
        FormatNumber(RoundHalfEven(value, decimals), UiDecimalSeparator()));
}

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

CycleDiagram::CycleDiagram(const CycleTableModel& model, QWidget* parent)
    : DrawingArea(parent), model_(model) {
    setAccessibleName(Text(kName));
    connect(this, &DrawingArea::MouseMoved, this,
            [this](QPointF at, Qt::MouseButtons) { OnMouseMoved(at); });
    connect(this, &DrawingArea::MousePressed, this, [this](QPointF at, Qt::MouseButton button) {
        const int row = BarAt(at);
        if (button == Qt::LeftButton && row >= 0) emit RowClicked(row);
    });
}

void CycleDiagram::SetInitialData(const CircuitData& data) {
    cycleTime_ = data.CycleTime;
    pumpFlow_ = data.Qp;
}

void CycleDiagram::resizeEvent(QResizeEvent* event) {
    DrawingArea::resizeEvent(event);
    Redraw();
}

void CycleDiagram::leaveEvent(QEvent* event) {
    DrawingArea::leaveEvent(event);
    hoverText_.clear();
    if (hovered_ >= 0) {
        hovered_ = -1;
        DrawOverlay();
    }
}

void CycleDiagram::Redraw() {
    ComputeRanges();
    Layout();
    Draw();
    // What the picture shows, for a screen reader: the pointer is not needed.
    setAccessibleDescription(TextAlternative());
}

QString CycleDiagram::TextAlternative() const {
    QStringList lines;
    for (const TimingBar& bar : timing_.bars) {
        const QString kind = KindTitle(ListedKind(bar.kind));
        const QString start = Number(bar.start, 3), end = Number(bar.end, 3);
        lines << (!bar.lasts      ? Text(kNoBar).arg(bar.number).arg(kind, start, end)
                  : bar.flowShown ? Text(kBarAlternative)
                                        .arg(bar.number)
                                        .arg(kind, start, end, Number(bar.flow, 3))
                                  : Text(kBarWithoutFlow).arg(bar.number).arg(kind, start, end));
    }
    lines << Text(kFlowAlternative).arg(Number(timing_.peak, 3), Number(pumpFlow_, 3));
    for (const TimingStretch& stretch : timing_.shortfalls) {
        lines << Text(kShortfallAlternative).arg(Number(stretch.from, 3), Number(stretch.to, 3));
    }
    if (timing_.shortfalls.empty()) lines << Text(kNoShortfall);
    return lines.join(QLatin1Char('\n'));
}

void CycleDiagram::ShowRowsFrom(int row) {
    requestedFirst_ = std::max(row, 0);
    const int before = first_;
    Layout();
    if (first_ != before) Draw();
}

void CycleDiagram::SetSelectedRows(std::vector<int> rows) {
    selected_ = std::move(rows);
    DrawOverlay();
}

void CycleDiagram::ComputeRanges() {
    const CircuitState& state = model_.State();
    timing_ = ComputeCycleTiming(state, model_.rowCount(), cycleTime_, pumpFlow_);
    t0_ = timing_.start;
    t1_ = timing_.end;
    q0_ = 0;
    q1_ = std::max<double>(pumpFlow_, 0);
    for (const TimingStep& step : timing_.steps) {
        q0_ = std::min(q0_, step.flow);
        q1_ = std::max(q1_, step.flow);
    }
    q1_ = q1_ > q0_ ? q1_ + (q1_ - q0_) * 0.08 : q0_ + 1;

    const int last = std::min<int>(state.LastPoint, static_cast<int>(state.PSeries.size()) - 1);
    results_ = last > 0;
    if (results_) {
        const auto [low, high] =
            std::minmax_element(state.PSeries.begin(), state.PSeries.begin() + last + 1);
        const double pad = std::max((*high - *low) * 0.08, 0.5);
        p0_ = *low - pad;
        p1_ = *high + pad;
        t1_ = std::max<double>(t1_, last * static_cast<double>(state.TimeStep));
    }
    if (!(t1_ > t0_)) t1_ = t0_ + 1;
}

void CycleDiagram::Layout() {
    const QFontMetricsF metrics(Surface().Font(), this);
    textHeight_ = metrics.height();
    const double width = Surface().Size().width();
    const double height = Surface().Size().height();
    const double axisHeight = textHeight_ + kTick + 4;
    const double top = 4;
    const double room = height - top - axisHeight;
    const int rows = model_.rowCount();
    const int panels = results_ ? 2 : 1;

    // The panels take a share of the height, the lanes the rest, no more
    // than they need; what they leave goes back to the panels. Each panel
    // has its title on a line of its own above it.
    const double title = textHeight_ + 2;
    double panel = room * (results_ ? 0.27 : 0.36);
    const double lanesRoom = room - panels * (panel + title);
    const double thickest = textHeight_ + 4;
    laneHeight_ = rows > 0 ? std::clamp(lanesRoom / rows, kThinnestLane, thickest) : thickest;
    const int capacity = std::max(1, static_cast<int>(lanesRoom / laneHeight_));
    shown_ = std::min(rows, capacity);
    first_ = std::clamp(requestedFirst_, 0, std::max(rows - capacity, 0));
    const double lanes = std::max(shown_, 1) * laneHeight_;
    panel += std::max(lanesRoom - lanes, 0.0) / panels;

    lanesTop_ = top;
    flowTop_ = lanesTop_ + lanes + title;
    flowBottom_ = flowTop_ + panel;
    pressureTop_ = flowBottom_ + title;
    pressureBottom_ = results_ ? pressureTop_ + panel : flowBottom_;
    axisY_ = (results_ ? pressureBottom_ : flowBottom_) + 1;

    // The left margin holds the lane numbers and the panels' scales.
    const int most = std::max(1, static_cast<int>(panel / (textHeight_ * 1.5)));
    flowTicks_ = Ticks(q0_, q1_, NiceStep(q1_ - q0_, most));
    pressureTicks_ = results_ ? Ticks(p0_, p1_, NiceStep(p1_ - p0_, most)) : std::vector<double>{};
    double margin = metrics.horizontalAdvance(QString::number(std::max(rows, 1)));
    margin = std::max(margin, metrics.horizontalAdvance(Text(kTimeTitle)));
    for (const auto* ticks : {&flowTicks_, &pressureTicks_}) {
        for (double value : *ticks) {
            margin = std::max(margin, metrics.horizontalAdvance(Number(value, 3)));
        }
    }
    left_ = std::ceil(margin) + kTick + 6;
    // On the right, half the last time label and the pump's name.
    const double lastLabel = metrics.horizontalAdvance(Number(t1_, 3));
    right_ = width -
             std::ceil(std::max(lastLabel / 2, metrics.horizontalAdvance(Text(kPumpTitle)) + 4)) -
             4;
    drawable_ = right_ - left_ > 20 && panel > textHeight_;
    timeTicks_ = Ticks(
        t0_, t1_,
        NiceStep(t1_ - t0_, std::max(1, static_cast<int>((right_ - left_) / (lastLabel + 24)))));
}

double CycleDiagram::X(double time) const {
    return left_ + (time - t0_) / (t1_ - t0_) * (right_ - left_);
}

double CycleDiagram::Time(double x) const {
    return t0_ + (x - left_) / (right_ - left_) * (t1_ - t0_);
}

double CycleDiagram::FlowY(double flow) const {
    return flowBottom_ - (flow - q0_) / (q1_ - q0_) * (flowBottom_ - flowTop_);
}

double CycleDiagram::PressureY(double pressure) const {
    return pressureBottom_ - (pressure - p0_) / (p1_ - p0_) * (pressureBottom_ - pressureTop_);
}

double CycleDiagram::FlowAt(double time) const {
    return TimingFlowAt(timing_, time);
}

void CycleDiagram::Draw() {
    DrawingSurface& surface = Surface();
    surface.SetFont(font());
    surface.SetScale(0, 0, surface.Size().width(), surface.Size().height());
    surface.Empty();
    if (drawable_) {
        const double bottom = axisY_;
        // Before 0 and after the cycle's end, grey.
        if (t0_ < 0) surface.FilledRectangle({X(t0_), lanesTop_}, {X(0), bottom}, kOutside, false);
        if (cycleTime_ > 0 && t1_ > cycleTime_) {
            surface.FilledRectangle({X(cycleTime_), lanesTop_}, {X(t1_), bottom}, kOutside, false);
        }
        for (double t : timeTicks_) surface.Line({X(t), lanesTop_}, {X(t), bottom}, kGrid);
        DrawLanes();
        DrawFlowPanel();
        if (results_) DrawPressurePanel();
        DrawTimeAxis();
    }
    surface.Commit();
    DrawOverlay();
}

QRectF CycleDiagram::BarRect(int row) const {
    if (!drawable_ || row < first_ || row >= first_ + shown_) return {};
    const Movement& m = model_.State().Movements[row + 1];
    // A movement that does not end after it starts has no bar.
    if (!(m.Ti < m.Tf)) return {};
    const double a = X(m.Ti);
    const double b = std::max(X(m.Tf), a + 2);
    const double top = lanesTop_ + (row - first_) * laneHeight_ + 1;
    return QRectF(QPointF(a, top), QPointF(b, top + std::max(laneHeight_ - 2, 2.0)));
}

int CycleDiagram::BarAt(QPointF pixel) const {
    if (!drawable_ || laneHeight_ <= 0 || pixel.y() < lanesTop_) return -1;
    const int row = first_ + static_cast<int>((pixel.y() - lanesTop_) / laneHeight_);
    const QRectF bar = BarRect(row);
    return !bar.isEmpty() && bar.adjusted(-2, -1, 2, 1).contains(pixel) ? row : -1;
}

void CycleDiagram::DrawLanes() {
    DrawingSurface& surface = Surface();
    const QFontMetricsF metrics(surface.Font(), this);
    const CircuitState& state = model_.State();
    // Numbers on every lane when they fit, else on every few.
    const int every = std::max(1, static_cast<int>(std::ceil(textHeight_ / laneHeight_)));
    for (int lane = 0; lane < shown_; ++lane) {
        const int row = first_ + lane;
        const double top = lanesTop_ + lane * laneHeight_;
        if (lane % every == 0) {
            const QString number = QString::number(row + 1);
            surface.SetColor(kInk);
            surface.Text({left_ - kTick - 2 - metrics.horizontalAdvance(number),
                          top + (laneHeight_ - textHeight_) / 2},
                         number);
        }
        const Movement& m = state.Movements[row + 1];
        const QRectF bar = BarRect(row);
        if (bar.isEmpty()) continue;
        const bool error = model_.CheckRow(row).severity == CycleTableModel::Severity::Error;
        surface.SetColor(error ? kBarError : kBarOutline);
        surface.FilledRectangle(bar.topLeft(), bar.bottomRight(), KindColour(ListedKind(m.Kind)));
        const QString flow = MovementNumber(m.Qm);
        if (laneHeight_ >= textHeight_ && metrics.horizontalAdvance(flow) + 6 <= bar.width()) {
            surface.SetColor(kInk);
            surface.Text({bar.left() + 3, top + (laneHeight_ - textHeight_) / 2}, flow);
        }
    }
    surface.SetColor(kInk);
    surface.Line({left_, lanesTop_}, {left_, lanesTop_ + std::max(shown_, 1) * laneHeight_});
}

void CycleDiagram::DrawScale(const std::vector<double>& ticks,
                             const std::function<double(double)>& y, double bottom, bool lowest) {
    DrawingSurface& surface = Surface();
    const QFontMetricsF metrics(surface.Font(), this);
    // The lowest panel keeps its labels above the time axis and its name.
    const double lowestLabel = bottom - (lowest ? textHeight_ : textHeight_ / 2);
    for (double value : ticks) {
        const QString label = Number(value, 3);
        surface.Line({left_ - kTick, y(value)}, {left_, y(value)});
        surface.Text({left_ - kTick - 2 - metrics.horizontalAdvance(label),
                      std::min(y(value) - textHeight_ / 2, lowestLabel)},
                     label);
    }
}

void CycleDiagram::DrawFlowPanel() {
    DrawingSurface& surface = Surface();
    surface.SetColor(kInk);
    DrawScale(
        flowTicks_, [this](double q) { return FlowY(q); }, flowBottom_, !results_);
    // Where the movements draw more than the pump delivers, the accumulator
    // has to make up the difference.
    const std::vector<TimingStep>& steps = timing_.steps;
    for (size_t i = 0; i < steps.size(); ++i) {
        const double end = i + 1 < steps.size() ? steps[i + 1].time : t1_;
        if (steps[i].flow > pumpFlow_) {
            surface.FilledRectangle({X(steps[i].time), FlowY(steps[i].flow)},
                                    {X(end), FlowY(pumpFlow_)}, kShortfall, false);
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
    surface.Line({left_, FlowY(pumpFlow_)}, {right_, FlowY(pumpFlow_)}, kPump);
    surface.SetColor(kInk);
    surface.Line({left_, flowTop_}, {left_, flowBottom_});
    surface.Line({left_, FlowY(0)}, {right_, FlowY(0)});
    surface.Text({left_ + 2, flowTop_ - textHeight_ - 1}, Text(kFlowTitle));
    surface.SetColor(kPump);
    surface.Text({right_ + 4, FlowY(pumpFlow_) - textHeight_ / 2}, Text(kPumpTitle));
    surface.SetColor(kInk);
}

void CycleDiagram::DrawPressurePanel() {
    DrawingSurface& surface = Surface();
    const CircuitState& state = model_.State();
    surface.SetColor(kInk);
    DrawScale(
        pressureTicks_, [this](double p) { return PressureY(p); }, pressureBottom_, true);
    const int last = std::min<int>(state.LastPoint, static_cast<int>(state.PSeries.size()) - 1);
    std::vector<QPointF> curve;
    curve.reserve(static_cast<size_t>(last) + 1);
    for (int i = 0; i <= last; ++i) {
        curve.push_back({X(i * static_cast<double>(state.TimeStep)), PressureY(state.PSeries[i])});
    }
    surface.SetColor(kPressureCurve);
    surface.Polyline(std::move(curve));
    surface.SetColor(kInk);
    surface.Line({left_, pressureTop_}, {left_, pressureBottom_});
    surface.Text({left_ + 2, pressureTop_ - textHeight_ - 1}, Text(kPressureTitle));
}

void CycleDiagram::DrawTimeAxis() {
    DrawingSurface& surface = Surface();
    const QFontMetricsF metrics(surface.Font(), this);
    surface.SetColor(kInk);
    surface.Line({left_, axisY_}, {right_, axisY_});
    // Each label where it does not touch the one before, nor the axis name.
    double free = 2 + metrics.horizontalAdvance(Text(kTimeTitle)) + 4;
    for (double t : timeTicks_) {
        const QString label = Number(t, 3);
        const double x = X(t) - metrics.horizontalAdvance(label) / 2;
        surface.Line({X(t), axisY_}, {X(t), axisY_ + kTick});
        if (x < free) continue;
        surface.Text({x, axisY_ + kTick}, label);
        free = x + metrics.horizontalAdvance(label) + 6;
    }
    surface.Text({2, axisY_ + kTick}, Text(kTimeTitle));
}

void CycleDiagram::DrawOverlay() {
    DrawingSurface& surface = Surface();
    surface.ClearOverlay();
    const QColor kept = surface.Color();
    auto outline = [&surface](const QRectF& bar, const QColor& colour, double by) {
        if (bar.isEmpty()) return;
        surface.SetColor(colour);
        surface.Rectangle(bar.topLeft() - QPointF(by, by), bar.bottomRight() + QPointF(by, by));
    };
    for (int row : selected_) {
        const QRectF bar = BarRect(row);
        outline(bar, kSelected, 1);
        outline(bar, kSelected, 2);
    }
    if (hovered_ >= 0) outline(BarRect(hovered_), kHovered, 3);
    surface.SetColor(kept);
}

void CycleDiagram::OnMouseMoved(QPointF at) {
    const int bar = BarAt(at);
    QString text;
    if (bar >= 0) {
        const Movement& m = model_.State().Movements[bar + 1];
        text = Text(kBarText)
                   .arg(bar + 1)
                   .arg(KindTitle(ListedKind(m.Kind)))
                   .arg(Number(m.Ti, 3), Number(m.Tf, 3), MovementNumber(m.Qm));
        const QStringList reasons = model_.CheckRow(bar).reasons;
        if (!reasons.isEmpty()) text += QLatin1Char('\n') + reasons.join(QLatin1Char('\n'));
    } else if (drawable_ && at.x() >= left_ && at.x() <= right_) {
        const double t = Time(at.x());
        if (at.y() >= flowTop_ && at.y() <= flowBottom_) {
            text = Text(kFlowText).arg(Number(t, 2), Number(FlowAt(t), 3), Number(pumpFlow_, 3));
        } else if (results_ && at.y() >= pressureTop_ && at.y() <= pressureBottom_) {
            const CircuitState& state = model_.State();
            const int last = std::min<int>(state.LastPoint, int(state.PSeries.size()) - 1);
            const int i = std::clamp(static_cast<int>(std::lround(t / state.TimeStep)), 0, last);
            text = Text(kPressureText)
                       .arg(Number(i * double(state.TimeStep), 2), Number(state.PSeries[i], 3));
        }
    }
    hoverText_ = text;
    if (bar != hovered_) {
        hovered_ = bar;
        DrawOverlay();
    }
    if (text.isEmpty()) {
        QToolTip::hideText();
    } else {
        QToolTip::showText(mapToGlobal(at.toPoint()), text, this);
    }
}

}  // namespace volvenza
