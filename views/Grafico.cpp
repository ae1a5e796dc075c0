#include "views/Grafico.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QResizeEvent>
#include <QToolBar>

#include "documents/AtomicFile.h"
#include "platform/Dialogs.h"
#include "platform/DrawingSurface.h"
#include "platform/ResultsNote.h"
#include "platform/ScreenUnits.h"
#include "platform/TextFit.h"
#include "platform/UiMessage.h"
#include "views/ChartGasCurves.h"
#include "views/ChartIcons.h"
#include "views/frmAggiungiParticolari.h"

namespace volvenza {

namespace {

const char* const kTitle = QT_TRANSLATE_NOOP("volvenza::Grafico", "Grafico");
const char* const kMsgZoomOutside = QT_TRANSLATE_NOOP(
    "volvenza::Grafico", "ATTENZIONE!!!!, il quadrato deve essere interno al grafico");

struct ToolbarButton {
    const char* key;
    const char* tooltip;
};
// Left to right.
const ToolbarButton kButtons[] = {
    {"Cancella", QT_TRANSLATE_NOOP("volvenza::Grafico", "Cancella grafico")},
    {"Tracciatore", QT_TRANSLATE_NOOP("volvenza::Grafico", "Abilita/disabilita il collimatore")},
    {"Disegna", QT_TRANSLATE_NOOP("volvenza::Grafico", "Disegna in scala 1:1")},
    {"ZoomArea", "Zoom"},
    {"AggiungiParticolari",
     QT_TRANSLATE_NOOP("volvenza::Grafico", "Aggiiungi particolari al grafico")},
    {"Differenza", QT_TRANSLATE_NOOP("volvenza::Grafico", "Differenza tra 2 punti")},
    // Shown only for a run that followed the gas temperature.
    {"Temperatura",
     QT_TRANSLATE_NOOP("volvenza::Grafico", "Mostra/nascondi la temperatura del gas T(t)")},
};

// Readout labels and their boxes; the difference boxes start at "0".
struct Readout {
    const char* label;
    const char* labelText;
    const char* box;
    const char* start;
};
const Readout kReadouts[] = {
    {"Label1", "X", "Text1", ""},    {"Label2", "Y", "Text2", ""},
    {"Label3", "X1", "DiffX1", "0"}, {"Label6", "Y1", "DiffY1", "0"},
    {"Label4", "X2", "DiffX2", "0"}, {"Label5", "Y2", "DiffY2", "0"},
    {"Label7", "DX", "DiffX", "0"},  {"Label8", "DY", "DiffY", "0"},
    {"Label9", "T", "Text3", ""},  // the gas temperature, while T(t) is shown
};

// The room of the chart's labels, in drawing units: a pressure label starts
// 8 units left of the pressure axis and its tick 1.5 units left of it;
// "P(t)" hangs from 87 units and the highest pressure label from 82.
constexpr double kPressureLabelWidth = 6.5;
constexpr double kLabelHeight = 5;

const QColor kBlack(0, 0, 0);
const QColor kRed(255, 0, 0);
const QColor kGreen(0, 255, 0);
const QColor kWorkingPressure(192, 0, 0);

bool IsOn(int16_t flag) {
    return flag != kFalse;
}

}  // namespace

Grafico::Grafico(CircuitState& state, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), state_(state), dialogs_(dialogs) {
    setObjectName(QStringLiteral("Grafico"));
    setWindowTitle(tr(kTitle));

    picture_ = new DrawingArea(this);
    note_ = MakeResultsNote(this);
    picture_->setObjectName(QStringLiteral("Picture1"));
    picture_->setGeometry(TwipsRect(360, 720, 6495, 4935, this));
    connect(picture_, &DrawingArea::MouseMoved, this,
            [this](QPointF at, Qt::MouseButtons) { OnMouseMove(at); });
    connect(picture_, &DrawingArea::MousePressed, this, &Grafico::OnMousePress);

    BuildToolbar();
    BuildReadouts();
    resize(TwipsRect(0, 0, 9510, 5970, this).size());

    clickStage_ = 0;
    view_ = {};
    // A zoom left over from an earlier chart window does not carry over: the
    // window opens in the full view.
    PlaceControls();
    DrawFullChart();
}

Grafico::~Grafico() = default;

void Grafico::BuildToolbar() {
    toolbar_ = new QToolBar(this);
    toolbar_->setObjectName(QStringLiteral("Toolbar1"));
    toolbar_->setIconSize(QSize(16, 16));
    toolbar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (const ToolbarButton& button : kButtons) {
        const QString key = QString::fromLatin1(button.key);
        // The text is the tooltip, so a screen reader speaks what the picture shows.
        QAction* action = toolbar_->addAction(ChartToolIcon(key), tr(button.tooltip));
        action->setObjectName(key);
        action->setToolTip(tr(button.tooltip));
        connect(action, &QAction::triggered, this, [this, key] { RunToolbarButton(key); });
        buttons_[key] = action;
    }
    // The tools from the keyboard, while the focus is in this window: the
    // toolbar's buttons take no focus.
    const struct {
        const char* key;
        QKeySequence keys;
    } toolKeys[] = {
        {"Cancella", QKeySequence(Qt::CTRL | Qt::Key_L)},
        {"Tracciatore", QKeySequence(Qt::CTRL | Qt::Key_T)},
        {"Disegna", QKeySequence(Qt::CTRL | Qt::Key_0)},
        {"ZoomArea", QKeySequence(Qt::CTRL | Qt::Key_Plus)},
        {"AggiungiParticolari", QKeySequence(Qt::CTRL | Qt::Key_E)},
        {"Differenza", QKeySequence(Qt::CTRL | Qt::Key_D)},
        {"Temperatura", QKeySequence(Qt::CTRL | Qt::Key_G)},
    };
    for (const auto& tool : toolKeys) {
        QAction* action = buttons_[QString::fromLatin1(tool.key)];
        action->setShortcut(tool.keys);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        // On the window as well as the toolbar: the key works wherever in
        // the window the focus is.
        addAction(action);
        action->setToolTip(action->toolTip() + QStringLiteral(" (") +
                           tool.keys.toString(QKeySequence::NativeText) + QLatin1Char(')'));
    }
    QAction* temperature = buttons_[QStringLiteral("Temperatura")];
    temperature->setCheckable(true);
    temperature->setVisible(false);
    EnableChartInput(false, false, false);
}

void Grafico::BuildReadouts() {
    shape1_ = new QFrame(this);
    shape1_->setObjectName(QStringLiteral("Shape1"));
    shape1_->setFrameShape(QFrame::Box);
    shape1_->resize(TwipsRect(0, 0, 1575, 1895, this).size());
    shape2_ = new QFrame(this);
    shape2_->setObjectName(QStringLiteral("Shape2"));
    shape2_->setFrameShape(QFrame::Box);
    shape2_->resize(TwipsRect(0, 0, 2655, 1575, this).size());

    for (const Readout& r : kReadouts) {
        auto* label = new QLabel(QString::fromLatin1(r.labelText), this);
        label->setObjectName(QString::fromLatin1(r.label));
        label->resize(TwipsRect(0, 0, 495, 255, this).size());
        auto* box = new QLineEdit(QString::fromLatin1(r.start), this);
        box->setObjectName(QString::fromLatin1(r.box));
        box->setReadOnly(true);
        box->setAccessibleName(label->text());
        label->setBuddy(box);
        const bool cursorBox = box->objectName().startsWith(QLatin1String("Text"));
        box->resize(TwipsRect(0, 0, cursorBox ? 855 : 615, 285, this).size());
        boxes_[box->objectName()] = box;
    }
    // One narrow face for every readout, small enough that a pressure with
    // three decimals, or a difference of two, shows whole in the narrowest.
    const QLineEdit& narrowest = *boxes_[QStringLiteral("DiffX1")];
    const QFont readout = FittedFont(NarrowFont(font()), {QStringLiteral("-000,000")},
                                     LineEditTextRoom(narrowest), Qt::TextSingleLine, narrowest);
    for (const auto& [name, box] : boxes_) box->setFont(readout);
}

void Grafico::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (placed_) return;
    placed_ = true;
    // The window opens over the whole client area of the main window.
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        if (QMdiArea* area = sub->mdiArea()) {
            sub->setGeometry(QRect(QPoint(0, 0), area->viewport()->size()));
        }
    }
}

void Grafico::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (isMinimized() || (sub != nullptr && sub->isMinimized())) return;
    LayoutChartWindow();
}

void Grafico::LayoutChartWindow() {
    PlaceControls();
    RedrawChart();
}

void Grafico::PlaceControls() {
    const QWidget* w = this;
    const auto px = [w](double twips) { return TwipsToPixels(twips, w); };
    const auto tw = [w](int pixels) { return PixelsToTwips(pixels, w); };

    toolbar_->setGeometry(0, 0, width(), toolbar_->sizeHint().height());

    // The drawing area takes what the readouts leave; a window too small for
    // it gets an area of no size, drawn again once it grows.
    const double pictureWidth = std::max(0.0, tw(width()) - 3500);
    const double pictureHeight = std::max(0.0, tw(height()) - 2000);
    picture_->setGeometry(picture_->x(), picture_->y(), px(pictureWidth), px(pictureHeight));
    picture_->Surface().Resize(picture_->size());
    FitChartFont();

    note_->setGeometry(picture_->x(), picture_->geometry().bottom() + 4, picture_->width(),
                       note_->sizeHint().height());

    const double shape1Top = tw(picture_->y());
    const double shape1Left = pictureWidth + 500;
    shape1_->move(px(shape1Left), px(shape1Top));

    const auto place = [&](const char* name, double left, double top) {
        findChild<QWidget*>(QLatin1String(name), Qt::FindDirectChildrenOnly)
            ->move(px(left), px(top));
    };
    const double label1Top = shape1Top + 300;
    const double label1Left = shape1Left + 150;
    place("Label1", label1Left, label1Top);
    place("Label2", label1Left, label1Top + 800);
    place("Text1", shape1Left + 500, label1Top);
    place("Text2", shape1Left + 500, label1Top + 800);
    place("Label9", label1Left, label1Top + 1600);
    place("Text3", shape1Left + 500, label1Top + 1600);

    const double shape2Top = shape1Top + 2500;
    shape2_->move(px(shape1Left), px(shape2Top));
    const double label3Top = shape2Top + 300;
    const double label3Left = shape1Left + 150;
    const double rowTops[3] = {label3Top, label3Top + 800, label3Top + 1600};
    const char* const rows[3][4] = {{"Label3", "DiffX1", "Label6", "DiffY1"},
                                    {"Label4", "DiffX2", "Label5", "DiffY2"},
                                    {"Label7", "DiffX", "Label8", "DiffY"}};
    for (int r = 0; r < 3; ++r) {
        place(rows[r][0], label3Left, rowTops[r]);
        place(rows[r][1], label3Left + 450, rowTops[r]);
        place(rows[r][2], label3Left + 1200, rowTops[r]);
        place(rows[r][3], label3Left + 1200 + 450, rowTops[r]);
    }
}

void Grafico::FitChartFont() {
    const QImage& image = picture_->Surface().CommittedImage();
    const double unitX = picture_->width() / double(state_.ChartExtentX);
    const double unitY = picture_->height() / double(state_.ChartExtentY);
    const QSize room(int(unitX * kPressureLabelWidth) - 1, int(unitY * kLabelHeight) - 1);
    if (image.isNull() || room.width() <= 0 || room.height() <= 0) return;
    // Three digits and a decimal fit before the tick, and a label's height
    // between "P(t)" and the highest pressure label.
    picture_->Surface().SetFont(FittedFont(NarrowFont(picture_->font()),
                                           {QStringLiteral(" 000,0"), QStringLiteral("P(t)")}, room,
                                           Qt::TextSingleLine, image));
}

void Grafico::EnableChartInput(bool tracker, bool zoom, bool clear) {
    buttons_[QStringLiteral("Tracciatore")]->setEnabled(tracker);
    buttons_[QStringLiteral("ZoomArea")]->setEnabled(zoom);
    buttons_[QStringLiteral("Cancella")]->setEnabled(clear);
}

void Grafico::ClearChart() {
    picture_->setEnabled(false);
    picture_->Surface().Empty();
    EnableChartInput(false, false, false);
}

void Grafico::SetupChartArea() {
    DrawingSurface& s = picture_->Surface();
    s.SetScale(-state_.ChartOffsetX, state_.ChartExtentY - state_.ChartOffsetY,
               state_.ChartExtentX - state_.ChartOffsetX, -state_.ChartOffsetY);
    s.Line({0, 0}, {kPlotSize, 0}, kBlack);
    s.Line({0, 0}, {0, kPlotSize}, kBlack);
    s.Text(TimeAxisNamePlace(TemperatureShown()), QStringLiteral("t"));
    s.Text({-5, 87}, QStringLiteral("P(t)"));
}

void Grafico::DrawSeries(const ChartView& view) {
    DrawingSurface& s = picture_->Surface();
    std::vector<QPointF> line;
    BuildPolyline(state_, view, line);
    s.Polyline(std::move(line));
    const ChartTicks ticks = ComputeTicks(state_, view);
    for (const auto* group : {&ticks.time, &ticks.pressure}) {
        for (const ChartTick& tick : *group) {
            s.Text(tick.labelAt, QString::fromStdString(tick.label));
            s.Line(tick.markFrom, tick.markTo);
        }
    }
    if (IsOn(state_.ShowPrechargeLine)) {
        const double y = PrechargeLineY(state_, view.p1);
        s.Line({-state_.ChartOffsetX, y}, {state_.ChartExtentX, y});
    }
    if (state_.ChartMinPressure) {
        // Across the plot only, named at its right end, where a sizing's p1 lies.
        const double y = (*state_.ChartMinPressure - view.p1) * state_.ChartScaleY;
        if (y >= 0 && y <= kPlotSize) {
            const QColor previous = s.Color();
            s.SetColor(kWorkingPressure);
            s.Line({0, y}, {kPlotSize, y});
            s.Text({kPlotSize - 6, y + kLabelHeight + 0.5}, QStringLiteral("p1"));
            s.SetColor(previous);
        }
    }
    QAction* temperature = buttons_[QStringLiteral("Temperatura")];
    temperature->setVisible(HasGasTemperature(state_));
    temperature->setChecked(TemperatureShown());
    for (const char* name : {"Label9", "Text3"}) {
        findChild<QWidget*>(QLatin1String(name), Qt::FindDirectChildrenOnly)
            ->setVisible(TemperatureShown());
    }
    if (HasEnvelope(state_) || TemperatureShown()) {
        DrawGasCurves(s, state_, view, TemperatureShown());
    }
}

bool Grafico::TemperatureShown() const {
    return IsOn(state_.ShowTemperatureCurve) && HasGasTemperature(state_);
}

void Grafico::DrawFullChart() {
    ClearChart();
    ApplyFullViewScales(state_);
    view_ = {};
    state_.Zoomed = kFalse;
    if (picture_->Surface().IsEmptyArea()) return;
    SetupChartArea();
    DrawSeries(view_);
    picture_->Surface().Commit();
    EnableChartInput(true, true, true);
    picture_->setEnabled(true);
}

void Grafico::ZoomToRectangle() {
    NormaliseRect(rect_);
    const auto zoom = ComputeZoom(rect_, state_.ChartScaleX, state_.ChartScaleY, state_.TimeStep);
    if (!zoom) {
        dialogs_.Message(tr(kMsgZoomOutside), MessageIcon::None, MessageButtons::Ok);
        DrawFullChart();
        return;
    }
    view_ = zoom->view;
    state_.ChartScaleX = zoom->scaleX;
    state_.ChartScaleY = zoom->scaleY;
    state_.Zoomed = kTrue;
    ClearChart();
    if (picture_->Surface().IsEmptyArea()) return;
    SetupChartArea();
    DrawSeries(view_);
    picture_->Surface().Commit();
    EnableChartInput(true, false, true);
    picture_->setEnabled(true);
}

void Grafico::ShowResultsNote(const QString& note, bool stale) {
    volvenza::ShowResultsNote(note_, note, stale);
}

void Grafico::RedrawChart() {
    picture_->Surface().SetColor(kBlack);
    ClearChart();
    if (IsOn(state_.Zoomed)) {
        ApplyFullViewScales(state_);
        ZoomToRectangle();
    } else {
        DrawFullChart();
    }
}

void Grafico::ControlloParticolari() {
    RedrawChart();
}

std::optional<QString> Grafico::SaveChartBitmap(const QString& path) {
    if (picture_->Surface().SaveCommittedBitmap(path)) return std::nullopt;
    return UiMessage(SaveFailedMessage(path.toStdString()));
}

void Grafico::SelectTool(const QString& name) {
    if (name != QLatin1String("Collimatore")) state_.CollimatorOn = kFalse;
    if (name != QLatin1String("CollimatoreDifferenza")) state_.DifferenceOn = kFalse;
    if (name != QLatin1String("ZoomRettangolo")) state_.ZoomRectOn = kFalse;
    clickStage_ = 0;
}

void Grafico::RunToolbarButton(const QString& key) {
    if (key == QLatin1String("Cancella")) {
        ClearChart();
    } else if (key == QLatin1String("Tracciatore")) {
        SelectTool(QStringLiteral("Collimatore"));
        state_.CollimatorOn = IsOn(state_.CollimatorOn) ? kFalse : kTrue;
    } else if (key == QLatin1String("Disegna")) {
        SelectTool(QStringLiteral("Nessuno"));
        DrawFullChart();
    } else if (key == QLatin1String("ZoomArea")) {
        picture_->Surface().ClearOverlay();
        SelectTool(QStringLiteral("ZoomArea"));
        clickStage_ = 1;
        state_.ZoomRectOn = kTrue;
    } else if (key == QLatin1String("AggiungiParticolari")) {
        OpenExtras();
    } else if (key == QLatin1String("Temperatura")) {
        state_.ShowTemperatureCurve = IsOn(state_.ShowTemperatureCurve) ? kFalse : kTrue;
        RedrawChart();
    } else if (key == QLatin1String("Differenza")) {
        SelectTool(QStringLiteral("CollimatoreDifferenza"));
        clickStage_ = 1;
        RedrawChart();
        state_.DifferenceOn = IsOn(state_.DifferenceOn) ? kFalse : kTrue;
    }
}

void Grafico::OpenExtras() {
    // A dialog closed with OK or Annulla is on its way out; open a new one.
    if (extras_ == nullptr || !extras_->isVisible()) {
        // Owned by the main window when there is one, so that it outlives
        // this window and its OK still stores the setting.
        QWidget* owner = window() != this ? window() : nullptr;
        extras_ = new frmAggiungiParticolari(state_, this, owner);
    }
    extras_->show();
    extras_->raise();
    extras_->activateWindow();
}

void Grafico::DrawCrosshair(float x, double h) {
    DrawingSurface& s = picture_->Surface();
    s.Line({x, -state_.ChartOffsetY}, {x, state_.ChartExtentY});
    s.Line({-state_.ChartOffsetX, h}, {state_.ChartExtentX, h});
}

void Grafico::OnMouseMove(QPointF at) {
    float x = static_cast<float>(at.x());
    const float y = static_cast<float>(at.y());
    const float ts = state_.TimeStep;
    DrawingSurface& s = picture_->Surface();
    const auto sampleAt = [&](float& f) {
        f = FractionalSample(x, ts, state_.ChartScaleX, view_.t1);
        return NearestSample(f, LastShownSample(state_));
    };
    const auto setText = [this](const char* box, const std::string& text) {
        QLineEdit* readout = boxes_[QString::fromLatin1(box)];
        readout->setText(QString::fromStdString(text));
        readout->setCursorPosition(0);  // the start of a long number, not its end
    };
    const auto boxText = [this](const char* box) {
        return boxes_[QString::fromLatin1(box)]->text().toStdString();
    };

    float f = 0;
    if (IsOn(state_.CollimatorOn)) {
        s.ClearOverlay();
        if (x < 0) x = 0;
        const int16_t k = sampleAt(f);
        DrawCrosshair(x, CurveHeight(state_, k, view_.p1));
        setText("Text1", TimeText(f * ts));
        setText("Text2", PressureText(state_.PSeries[k]));
        // The gas temperature in °C, in the pressure's form.
        if (TemperatureShown()) setText("Text3", PressureText(state_.GasRun.TSeries[k]));
    } else if (clickStage_ == 2 && IsOn(state_.ZoomRectOn)) {
        s.ClearOverlay();
        s.Rectangle({rect_.x1, rect_.y1}, {x, y});
        setText("Text1", TimeText(x / state_.ChartScaleX));
        setText("Text2", PressureText(y / state_.ChartScaleY));
    } else if (IsOn(state_.DifferenceOn)) {
        s.ClearOverlay();
        if (x < 0) x = 0;
        const int16_t k = sampleAt(f);
        if (clickStage_ == 1 || clickStage_ == 2) {
            const bool first = clickStage_ == 1;
            setText(first ? "DiffX1" : "DiffX2", TimeText(f * ts));
            setText(first ? "DiffY1" : "DiffY2", PressureText(state_.PSeries[k]));
            s.SetColor(first ? kRed : kGreen);
            DrawCrosshair(x, CurveHeight(state_, k, view_.p1));
        }
        setText("DiffX", DifferenceText(boxText("DiffX2"), boxText("DiffX1")));
        setText("DiffY", DifferenceText(boxText("DiffY2"), boxText("DiffY1")));
    } else {
        sampleAt(f);
        setText("Text1", TimeText(f * ts));
        setText("Text2", PressureText(y / state_.ChartScaleY + view_.p1));
    }
}

void Grafico::OnMousePress(QPointF at, Qt::MouseButton button) {
    if (button != Qt::LeftButton) return;
    const float x = static_cast<float>(at.x());
    const float y = static_cast<float>(at.y());
    DrawingSurface& s = picture_->Surface();
    if (IsOn(state_.ZoomRectOn)) {
        if (clickStage_ == 1) {
            rect_ = {x, y, x, y};
            s.Rectangle({x, y}, {x, y});
            clickStage_ = 2;
        } else if (clickStage_ == 2) {
            rect_.x2 = x;
            rect_.y2 = y;
            s.Rectangle({rect_.x1, rect_.y1}, {x, y});
            clickStage_ = 0;
            state_.ZoomRectOn = kFalse;
            ZoomToRectangle();
        }
    } else if (IsOn(state_.DifferenceOn)) {
        if (clickStage_ == 1) {
            s.Commit();  // the red crosshair becomes part of the chart
            clickStage_ = 2;
        } else if (clickStage_ == 2) {
            clickStage_ = 0;
            s.Commit();
            state_.DifferenceOn = kFalse;
            s.SetColor(kBlack);
        }
    }
}

}  // namespace volvenza
