#include "entry/CycleDiagram.h"

#include <algorithm>
#include <cmath>
#include <span>

#include <QResizeEvent>
#include <QToolTip>

#include "entry/ActuatorPages.h"
#include "entry/CycleTableModel.h"
#include "views/MovementText.h"

namespace volvenza {
namespace {

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

const QColor kSelected(0, 0, 0);
const QColor kHovered(30, 110, 190);

// Lanes are never thinner than this on screen: the rest scroll.
constexpr double kThinnestLane = 5;

using cycle_diagram::Number;
using cycle_diagram::Text;

}  // namespace

CycleDiagram::CycleDiagram(const CycleTableModel& model, QWidget* parent)
    : DrawingArea(parent), model_(model), picture_(kThinnestLane) {
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
    if (hovered_ >= 0) {
        hovered_ = -1;
        DrawOverlay();
    }
}

void CycleDiagram::Redraw() {
    Surface().SetFont(font());
    const CircuitState& state = model_.State();
    CycleDiagramData data;
    data.timing = ComputeCycleTiming(state, model_.rowCount(), cycleTime_, pumpFlow_);
    data.cycleTime = cycleTime_;
    const int last = std::min<int>(state.LastPoint, static_cast<int>(state.PSeries.size()) - 1);
    if (last > 0) {
        data.pressure =
            std::span<const double>(state.PSeries.data(), static_cast<size_t>(last) + 1);
        data.timeStep = state.TimeStep;
    }
    data.rowError = [this](int row) {
        return model_.CheckRow(row).severity == CycleTableModel::Severity::Error;
    };
    picture_.SetData(std::move(data));
    picture_.Layout(Surface(), requestedFirst_);
    Draw();
    // What the picture shows, for a screen reader: the pointer is not needed.
    setAccessibleDescription(TextAlternative());
}

void CycleDiagram::Draw() {
    picture_.Paint(Surface());
    DrawOverlay();
}

QString CycleDiagram::TextAlternative() const {
    QStringList lines;
    const CycleTiming& timing = picture_.Data().timing;
    for (const TimingBar& bar : timing.bars) {
        const QString kind = KindTitle(ListedKind(bar.kind));
        const QString start = Number(bar.start, 3), end = Number(bar.end, 3);
        lines << (!bar.lasts      ? Text(kNoBar).arg(bar.number).arg(kind, start, end)
                  : bar.flowShown ? Text(kBarAlternative)
                                        .arg(bar.number)
                                        .arg(kind, start, end, Number(bar.flow, 3))
                                  : Text(kBarWithoutFlow).arg(bar.number).arg(kind, start, end));
    }
    lines << Text(kFlowAlternative).arg(Number(timing.peak, 3), Number(pumpFlow_, 3));
    for (const TimingStretch& stretch : timing.shortfalls) {
        lines << Text(kShortfallAlternative).arg(Number(stretch.from, 3), Number(stretch.to, 3));
    }
    if (timing.shortfalls.empty()) lines << Text(kNoShortfall);
    return lines.join(QLatin1Char('\n'));
}

void CycleDiagram::ShowRowsFrom(int row) {
    requestedFirst_ = std::max(row, 0);
    const int before = picture_.FirstRow();
    picture_.Layout(Surface(), requestedFirst_);
    if (picture_.FirstRow() != before) Draw();
}

void CycleDiagram::SetSelectedRows(std::vector<int> rows) {
    selected_ = std::move(rows);
    DrawOverlay();
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
    } else if (picture_.OverFlow(at)) {
        const double t = picture_.Time(at.x());
        text = Text(kFlowText).arg(Number(t, 2), Number(TimingFlowAt(picture_.Data().timing, t), 3),
                                   Number(pumpFlow_, 3));
    } else if (picture_.OverPressure(at)) {
        const CycleDiagramData& data = picture_.Data();
        const int last = static_cast<int>(data.pressure.size()) - 1;
        const int i = std::clamp(
            static_cast<int>(std::lround(picture_.Time(at.x()) / data.timeStep)), 0, last);
        text = Text(kPressureText)
                   .arg(Number(i * data.timeStep, 2), Number(data.pressure[size_t(i)], 3));
    }
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
