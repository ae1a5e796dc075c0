#include "views/Grafico.h"

#include <cmath>

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QResizeEvent>
#include <QToolBar>

#include "documents/AtomicFile.h"
#include "engine/Duties.h"
#include "platform/Dialogs.h"
#include "platform/DrawingSurface.h"
#include "platform/ResultsNote.h"
#include "platform/ScreenUnits.h"
#include "platform/TextFit.h"
#include "platform/UiMessage.h"
#include "platform/UiNumber.h"
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
    // Shown only when a movement of the run has a load or a typed pressure.
    {"PressioniRichieste",
     QT_TRANSLATE_NOOP("volvenza::Grafico",
                       "Mostra/nascondi la pressione richiesta da ogni movimento")},
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

const QColor kBlack(0, 0, 0);

}  // namespace

Grafico::Grafico(CircuitState& state, Dialogs& dialogs, std::shared_ptr<ChartOptions> options,
                 QWidget* parent)
    : QWidget(parent), state_(state), dialogs_(dialogs), options_(std::move(options)) {
    setObjectName(QStringLiteral("Grafico"));
    setWindowTitle(tr(kTitle));

    picture_ = new DrawingArea(this);
    note_ = MakeResultsNote(this);
    reading_ = new QLabel(this);
    reading_->setObjectName(QStringLiteral("LLettura"));
    reading_->setTextFormat(Qt::PlainText);
    reading_->setWordWrap(true);
    reading_->setTextInteractionFlags(Qt::TextSelectableByMouse);
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
    for (const char* key : {"Temperatura", "PressioniRichieste"}) {
        QAction* toggle = buttons_[QString::fromLatin1(key)];
        toggle->setCheckable(true);
        toggle->setVisible(false);
    }
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
    FitChartFont(picture_->Surface(), picture_->font());

    note_->setGeometry(picture_->x(), picture_->geometry().bottom() + 4, picture_->width(),
                       note_->sizeHint().height());
    // Under the note, as wide as the chart: the readouts' column stays as it is.
    const int readingTop =
        (note_->isVisibleTo(this) ? note_->geometry().bottom() : picture_->geometry().bottom()) + 4;
    reading_->setGeometry(picture_->x(), readingTop, picture_->width(),
                          reading_->heightForWidth(std::max(1, picture_->width())));

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

void Grafico::PaintView() {
    PaintChart(picture_->Surface(), state_, view_, *options_);
    QAction* temperature = buttons_[QStringLiteral("Temperatura")];
    temperature->setVisible(HasGasTemperature(state_));
    temperature->setChecked(TemperatureOn());
    QAction* required = buttons_[QStringLiteral("PressioniRichieste")];
    required->setVisible(HasLoads(state_.Movements, state_.SimMovementCount));
    required->setChecked(RequiredPressuresShown(state_, *options_));
    for (const char* name : {"Label9", "Text3"}) {
        findChild<QWidget*>(QLatin1String(name), Qt::FindDirectChildrenOnly)
            ->setVisible(TemperatureOn());
    }
}

bool Grafico::TemperatureOn() const {
    return TemperatureShown(state_, *options_);
}

ChartShown Grafico::Shown() const {
    ChartShown shown(view_, zoomed_, *options_);
    if (!picture_->size().isEmpty()) {
        shown.aspect = double(picture_->height()) / picture_->width();
    }
    return shown;
}

void Grafico::DrawFullChart() {
    ClearChart();
    view_ = FullView(state_);
    zoomed_ = false;
    if (picture_->Surface().IsEmptyArea()) return;
    PaintView();
    picture_->Surface().Commit();
    EnableChartInput(true, true, true);
    picture_->setEnabled(true);
}

void Grafico::ZoomToRectangle() {
    NormaliseRect(rect_);
    const auto zoom = ComputeZoom(rect_, FullView(state_), state_.TimeStep);
    if (!zoom) {
        dialogs_.Message(tr(kMsgZoomOutside), MessageIcon::None, MessageButtons::Ok);
        DrawFullChart();
        return;
    }
    view_ = *zoom;
    zoomed_ = true;
    ClearChart();
    if (picture_->Surface().IsEmptyArea()) return;
    PaintView();
    picture_->Surface().Commit();
    EnableChartInput(true, false, true);
    picture_->setEnabled(true);
}

void Grafico::ShowResultsNote(const QString& note, bool stale) {
    volvenza::ShowResultsNote(note_, note, stale);
    PlaceControls();
}

void Grafico::RedrawChart() {
    picture_->Surface().SetColor(kBlack);
    ClearChart();
    if (zoomed_) {
        ZoomToRectangle();
    } else {
        DrawFullChart();
    }
    // A new run or other options change what the picked instants hold.
    ShowExactReading();
}

void Grafico::ControlloParticolari() {
    RedrawChart();
}

Status Grafico::SaveChartBitmap(const QString& path) {
    if (picture_->Surface().SaveCommittedBitmap(path)) return Done{};
    return SaveFailedMessage(path.toStdString());
}

void Grafico::SelectTool(const QString& name) {
    if (name != QLatin1String("Collimatore")) collimatorOn_ = false;
    if (name != QLatin1String("CollimatoreDifferenza")) differenceOn_ = false;
    if (name != QLatin1String("ZoomRettangolo")) zoomRectOn_ = false;
    clickStage_ = 0;
}

void Grafico::RunToolbarButton(const QString& key) {
    if (key == QLatin1String("Cancella")) {
        ClearChart();
    } else if (key == QLatin1String("Tracciatore")) {
        SelectTool(QStringLiteral("Collimatore"));
        collimatorOn_ = !collimatorOn_;
        crosshairSample_.reset();
        ShowExactReading();
    } else if (key == QLatin1String("Disegna")) {
        SelectTool(QStringLiteral("Nessuno"));
        DrawFullChart();
    } else if (key == QLatin1String("ZoomArea")) {
        picture_->Surface().ClearOverlay();
        SelectTool(QStringLiteral("ZoomArea"));
        clickStage_ = 1;
        zoomRectOn_ = true;
    } else if (key == QLatin1String("AggiungiParticolari")) {
        OpenExtras();
    } else if (key == QLatin1String("Temperatura")) {
        options_->temperature = !options_->temperature;
        RedrawChart();
    } else if (key == QLatin1String("PressioniRichieste")) {
        options_->requiredPressures = !options_->requiredPressures;
        RedrawChart();
    } else if (key == QLatin1String("Differenza")) {
        SelectTool(QStringLiteral("CollimatoreDifferenza"));
        clickStage_ = 1;
        RedrawChart();
        differenceOn_ = !differenceOn_;
        differenceSamples_ = {};
        ShowExactReading();
    }
}

void Grafico::OpenExtras() {
    // A dialog closed with OK or Annulla is on its way out; open a new one.
    if (extras_ == nullptr || !extras_->isVisible()) {
        // Owned by the main window when there is one, so that it outlives
        // this window and its OK still stores the setting.
        QWidget* owner = window() != this ? window() : nullptr;
        extras_ = new frmAggiungiParticolari(options_, this, owner);
    }
    extras_->show();
    extras_->raise();
    extras_->activateWindow();
}

}  // namespace volvenza
