#pragma once
// The chart window: P(t) of the last run with its axes, ticks and optional
// precharge line, a toolbar of measuring and zoom tools, and the readout
// boxes. The curve is drawn only by DrawFullChart, ZoomToRectangle and
// RedrawChart; the mouse tools draw on the overlay of the drawing area.

#include <array>
#include <map>
#include <memory>
#include <optional>

#include <QPointer>
#include <QString>
#include <QWidget>

class QLabel;

#include "engine/CircuitState.h"
#include "messages/Result.h"
#include "views/ChartGeometry.h"
#include "views/ChartPainting.h"

class QAction;
class QFrame;
class QLineEdit;
class QToolBar;

namespace volvenza {

class Dialogs;
class DrawingArea;
class frmAggiungiParticolari;

class Grafico : public QWidget {
    Q_OBJECT

  public:
    // `options` outlive the window: the next chart window shows the same.
    Grafico(CircuitState& state, Dialogs& dialogs,
            std::shared_ptr<ChartOptions> options = std::make_shared<ChartOptions>(),
            QWidget* parent = nullptr);
    ~Grafico() override;

    void ClearChart();
    void DrawFullChart();
    // Zooms into the stored rectangle corners, or refuses with a message and
    // draws the full view.
    void ZoomToRectangle();
    void RedrawChart();
    // What the results were computed from, under the chart.
    void ShowResultsNote(const QString& note, bool stale);
    // Applies a changed precharge-line setting.
    void ControlloParticolari();
    void LayoutChartWindow();

    // Writes the committed picture as a BMP file; the message on failure.
    Status SaveChartBitmap(const QString& path);

    DrawingArea* Picture() const { return picture_; }
    // What the chart shows now, to draw it again at another size.
    ChartShown Shown() const;
    // Whether the crosshair or the difference tool follows the mouse.

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void BuildToolbar();
    void BuildReadouts();
    void PlaceControls();
    void PaintView();
    bool TemperatureOn() const;
    void DrawCrosshair(float x, double h);
    // The exact line under the chart: the samples the tools stand on, at the
    // data's own resolution, beside the original readouts' rounded figures.
    void ShowExactReading();
    void EnableChartInput(bool tracker, bool zoom, bool clear);

    void RunToolbarButton(const QString& key);
    void SelectTool(const QString& name);
    void OpenExtras();
    void OnMouseMove(QPointF at);
    void OnMousePress(QPointF at, Qt::MouseButton button);

    CircuitState& state_;
    Dialogs& dialogs_;
    std::shared_ptr<ChartOptions> options_;
    QToolBar* toolbar_ = nullptr;
    std::map<QString, QAction*> buttons_;
    DrawingArea* picture_ = nullptr;
    QLabel* note_ = nullptr;
    QLabel* reading_ = nullptr;
    // The crosshair's sample, and the difference tool's two.
    std::optional<int16_t> crosshairSample_;
    std::array<std::optional<int16_t>, 2> differenceSamples_;
    QFrame* shape1_ = nullptr;
    QFrame* shape2_ = nullptr;
    std::map<QString, QLineEdit*> boxes_;
    QPointer<frmAggiungiParticolari> extras_;
    bool placed_ = false;

    int clickStage_ = 0;
    ChartRect rect_;
    ChartView view_;
    bool zoomed_ = false;
    bool collimatorOn_ = false;
    bool zoomRectOn_ = false;
    bool differenceOn_ = false;
};

}  // namespace volvenza
