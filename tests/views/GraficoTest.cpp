// The chart window driven as a user would: toolbar buttons, mouse
// events on the drawing area given in drawing units, the extras dialog, the
// bitmap export, and the windows inside the real main window. The chart of
// the example, full and zoomed, pixel for pixel against pictures kept in
// tests/data; to regenerate them on purpose (only when the chart is meant
// to look different), from the source folder:
//   QT_QPA_PLATFORM=offscreen VOLVENZA_WRITE_CHART_PICTURES=tests/data
//       build/bin/volvenza-views-window-tests exampleAsItsStoredPictures

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QToolBar>

#include "engine/Simulation.h"
#include "platform/DrawingSurface.h"
#include "platform/UiMessage.h"
#include "tests/gui/GuiTesting.h"
#include "tests/support/TypedCircuit.h"
#include "views/ChartGasCurves.h"
#include "views/Grafico.h"

using namespace volvenza;
using namespace volvenza::testing;

namespace {

// A mouse event on the drawing area at a point given in drawing units.
void MouseAt(DrawingArea* area, QEvent::Type type, double x, double y) {
    SendMouse(area, type, area->Surface().ToPixels({x, y}));
}
void ClickAt(DrawingArea* area, double x, double y) {
    MouseAt(area, QEvent::MouseButtonPress, x, y);
    MouseAt(area, QEvent::MouseButtonRelease, x, y);
}

// Compares with the stored picture, or writes it when asked to.
void Compare(const QImage& drawn, const char* name) {
    const QString file = QString::fromLatin1(name) + QStringLiteral(".png");
    if (const QByteArray out = qgetenv("VOLVENZA_WRITE_CHART_PICTURES"); !out.isEmpty()) {
        QVERIFY(drawn.save(QString::fromLocal8Bit(out) + QLatin1Char('/') + file));
        return;
    }
    const QImage stored(QStringLiteral(VOLVENZA_TEST_DATA "/") + file);
    QVERIFY2(!stored.isNull(), qPrintable(file));
    QCOMPARE(drawn.convertToFormat(QImage::Format_RGB32),
             stored.convertToFormat(QImage::Format_RGB32));
}

struct Chart {
    explicit Chart(CircuitState& state,
                   std::shared_ptr<ChartOptions> options = std::make_shared<ChartOptions>())
        : window(state, dialogs, std::move(options)) {
        window.resize(1000, 700);
        window.show();
        picture = Named<DrawingArea>(&window, "Picture1");
    }
    QAction* Button(const char* key) {
        return Named<QAction>(Named<QToolBar>(&window, "Toolbar1"), QLatin1String(key));
    }
    QImage Committed() const { return picture->Surface().CommittedImage(); }
    void Move(double x, double y) { MouseAt(picture, QEvent::MouseMove, x, y); }
    // Moved to first, as a hand moves the mouse before it clicks.
    void Click(double x, double y) {
        Move(x, y);
        ClickAt(picture, x, y);
    }
    // Whether anything is drawn at user height y, give or take a pixel row, at
    // abscissa x: by default in the left margin, which only the crosshair and
    // the precharge line reach.
    bool Drawn(const QImage& image, double y, double x = -9) {
        const QPoint at = picture->Surface().ToPixels({x, y}).toPoint();
        const QColor background = image.pixelColor(1, 1);
        for (int dy = -1; dy <= 1; ++dy)
            if (image.pixelColor(at.x(), at.y() + dy) != background) return true;
        return false;
    }

    ScriptedDialogs dialogs;
    Grafico window;
    DrawingArea* picture = nullptr;
};

}  // namespace

class GraficoTest : public QObject {
    Q_OBJECT
  private slots:
    void fullViewReadoutsDifferenceAndBitmapExport() {
        CircuitState state;
        test::RisingRun(state, 470, 4.7f, 100, 200);  // 4,7 s, from 100 to 200 bar
        for (int i = 115; i <= 125; ++i) state.PSeries[i] = 150.125;
        for (int i = 355; i <= 365; ++i) state.PSeries[i] = 149.5;
        Chart chart(state);
        chart.Button("Tracciatore")->trigger();
        chart.Move(16, 40);
        // Sample 94.
        QCOMPARE(BoxTexts(&chart.window, {"Text1", "Text2"}), QStringList({"0,9", "120"}));
        // Beside them the sample itself, at the data's own resolution.
        const auto* reading = Named<QLabel>(&chart.window, "LLettura");
        QCOMPARE(reading->text(), "t = 0,94 s · P = 120,000 bar");
        // Another tool ends the crosshair: the difference, read on the plateaus.
        const double sx = chart.window.Shown().view.scaleX;
        chart.Button("Differenza")->trigger();
        chart.Click(1.2 * sx, 50);
        chart.Click(3.6 * sx, 20);
        QCOMPARE(BoxTexts(&chart.window, {"DiffX1", "DiffY1", "DiffX2", "DiffX", "DiffY"}),
                 QStringList({"1,2", "150,125", "3,6", "2,4", "-0,625"}));
        QCOMPARE(reading->text(),
                 "1: t = 1,20 s · P = 150,125 bar\n2: t = 3,60 s · P = 149,500 "
                 "bar\nΔt = 2,40 s · ΔP = -0,625 bar");
        // A new run redrawn: the same instants read from the new data at once.
        state.PSeries[360] = 149.25;
        chart.window.RedrawChart();
        QVERIFY(reading->text().endsWith("ΔP = -0,875 bar"));

        // A live crosshair is not in the exported bitmap.
        const QImage committed = chart.Committed();
        chart.Button("Tracciatore")->trigger();
        chart.Move(60, 40);
        QTemporaryDir dir;
        const QString path = dir.filePath("grafico.bmp");
        QVERIFY(chart.window.SaveChartBitmap(path));
        QCOMPARE(QImage(path, "BMP").convertToFormat(QImage::Format_RGB32), committed);
        const QString missing = dir.filePath("nessuna/grafico.bmp");
        const Status failed = chart.window.SaveChartBitmap(missing);
        QVERIFY(!failed && UiMessage(failed.Error()).contains(missing));
    }

    void zoomAndPrechargeLine() {
        CircuitState state;
        test::RisingRun(state, 470, 4.7f, 100, 200);  // 4,7 s, from 100 to 200 bar
        state.PrechargeAtTemp = 150;
        Chart chart(state);
        const auto shown = [&] { return chart.window.Shown(); };
        // Opens the extras dialog, sets its box and closes it with the button;
        // tells whether the box was ticked on opening.
        const auto answer = [&](bool show, const char* button) {
            chart.Button("AggiungiParticolari")->trigger();
            QWidget* w = TopLevel("frmAggiungiParticolari");
            auto* check = Named<QCheckBox>(w, "Chek_PF");
            const bool was = check->isChecked();
            check->setChecked(show);
            Named<QPushButton>(w, QLatin1String(button))->click();
            return was;
        };
        const auto lineShown = [&] {
            return chart.Drawn(chart.Committed(), PrechargeLineY(state, shown().view));
        };

        QVERIFY(!answer(true, "OKButton"));
        QVERIFY(lineShown());

        // Dragged from lower right to upper left: samples 100 to 300, 125 to
        // 175 bar.
        chart.Button("ZoomArea")->trigger();
        chart.Click(51, 70);
        chart.Click(17, 50);
        QCOMPARE(shown().view.p1, 125.0f);
        // The precharge line is drawn above the window's lowest pressure.
        QVERIFY(lineShown());

        // OK with the box cleared removes it, zoom kept.
        QVERIFY(answer(false, "OKButton"));
        QCOMPARE(shown().options.prechargeLine, false);
        QCOMPARE(shown().zoomed, true);
        QVERIFY(!lineShown());

        // A sizing's p1 is marked across the plot in the zoomed view; outside
        // the view's pressures it is left out.
        const QImage without = chart.Committed();
        state.ChartMinPressure = 150;
        chart.window.RedrawChart();
        QVERIFY(chart.Committed() != without);
        QVERIFY(chart.Drawn(chart.Committed(), (150 - 125) * shown().view.scaleY, kPlotSize - 1));
        state.ChartMinPressure = 100;
        chart.window.RedrawChart();
        QCOMPARE(chart.Committed(), without);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void windowsInsideTheMainWindow() {
        Shell shell(ProgramChildWindows());
        shell.main->resize(1200, 900);
        shell.main->show();
        shell.RunExample();
        shell.Menu("mnuSimulazioneGrafico")->trigger();
        auto* chart = Named<Grafico>(shell.main.get(), "Grafico");

        // The extras dialog outlives a closed chart and still stores its setting.
        Named<QAction>(chart, "AggiungiParticolari")->trigger();
        auto* extras = Named<QWidget>(shell.main.get(), "frmAggiungiParticolari");
        Named<QAction>(chart, "ZoomArea")->trigger();
        ClickAt(chart->Picture(), 20, 20);
        ClickAt(chart->Picture(), 60, 60);
        QCOMPARE(chart->Shown().zoomed, true);
        qobject_cast<QMdiSubWindow*>(chart->parentWidget())->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Named<QCheckBox>(extras, "Chek_PF")->setChecked(true);
        Named<QPushButton>(extras, "OKButton")->click();

        // Exporting with the chart closed opens it in the full view first.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const QString path = shell.temp.filePath("esportato.bmp");
        shell.WithFile(shell.Menu("mnuFileEsportaGrafico"), path);
        chart = Named<Grafico>(shell.main.get(), "Grafico");
        QCOMPARE(chart->Shown().zoomed, false);
        QCOMPARE(chart->Shown().options.prechargeLine, true);
        QCOMPARE(QImage(path, "BMP").size(), chart->Picture()->size());
        shell.Close();
    }

    void envelopeCurvesAndGasTemperature() {
        CircuitState state;
        LoadExampleCircuit(state);
        state.Data.P0 = 40;
        state.Gas = {.Law = GasLawKind::Nitrogen, .Tau = 45, .MinTemp = -10, .MaxTemp = 60};
        QCOMPARE(RunSimulation(state).outcome, RunOutcome::Completed);
        Chart chart(state);
        const auto count = [&](const QColor& colour) {
            return CountColour(chart.Committed(), colour);
        };
        // The two limits in their colours; the temperature is offered, not shown.
        QVERIFY(count(kColdCurve) > 200 && count(kHotCurve) > 200);
        QAction* temperature = chart.Button("Temperatura");
        QVERIFY(temperature->isVisible());
        QCOMPARE(count(kTemperatureCurve), 0);

        temperature->trigger();
        QVERIFY(temperature->isChecked() && count(kTemperatureCurve) > 200);
        // Its scale covers the temperatures in round steps.
        const auto scale = ComputeTemperatureScale(state, ChartView{});
        QVERIFY(scale.has_value());
        const auto [low, high] = std::minmax_element(
            state.GasRun.TSeries.begin(), state.GasRun.TSeries.begin() + state.LastPoint + 1);
        QVERIFY(scale->low <= *low && scale->low + 4 * scale->step >= *high);
        QVERIFY(scale->low > *low - scale->step);
        // The crosshair reads the gas temperature of its sample too.
        QVERIFY(chart.window.findChild<QWidget*>("Text3")->isVisible());
        chart.Button("Tracciatore")->trigger();
        chart.Move(16, 40);
        const double reading = BoxTexts(&chart.window, {"Text3"})[0].replace(',', '.').toDouble();
        QVERIFY(reading >= *low && reading <= *high && reading < 44);
        chart.Button("Tracciatore")->trigger();

        temperature->trigger();
        QCOMPARE(count(kTemperatureCurve), 0);
        QVERIFY(!chart.window.findChild<QWidget*>("Text3")->isVisible());

        // A movement with a load: its required pressure is offered as a line.
        QAction* required = chart.Button("PressioniRichieste");
        QVERIFY(!required->isVisible());
        state.Movements[1].Duty.Load = 14;  // 14 kN on a 50 mm bore: 75,1 bar
        chart.Button("Disegna")->trigger();
        const QColor need(0, 90, 170);
        QVERIFY(required->isVisible() && count(need) == 0);
        required->trigger();
        QVERIFY(required->isChecked() && count(need) > 20);
        required->trigger();
        QCOMPARE(count(need), 0);
        state.Movements[1].Duty.Load = 0;

        // A classic run without the envelope offers nothing of it.
        state.Gas = GasSettings{};
        QCOMPARE(RunSimulation(state).outcome, RunOutcome::Completed);
        chart.Button("Disegna")->trigger();
        QVERIFY(!temperature->isVisible());
        QCOMPARE(count(kColdCurve) + count(kHotCurve), 0);
    }

    // A run with the classic law and no envelope draws exactly these.
    void exampleAsItsStoredPictures() {
        CircuitState state;
        LoadExampleCircuit(state);
        QCOMPARE(RunSimulation(state).outcome, RunOutcome::Completed);
        Chart chart(state, std::make_shared<ChartOptions>(ChartOptions{true, false}));
        QVERIFY(QTest::qWaitForWindowExposed(&chart.window));
        Compare(chart.Committed(), "chart-example");

        chart.Button("ZoomArea")->trigger();
        for (const QPointF at : {QPointF(10, 55), QPointF(40, 75)}) {
            QTest::mouseClick(chart.picture, Qt::LeftButton, {},
                              chart.picture->Surface().ToPixels(at).toPoint());
        }
        QCOMPARE(chart.window.Shown().zoomed, true);
        Compare(chart.Committed(), "chart-example-zoomed");
    }
};

QTEST_MAIN(GraficoTest)
#include "GraficoTest.moc"
