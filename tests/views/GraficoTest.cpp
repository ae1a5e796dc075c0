// The chart and table windows driven as a user would: toolbar buttons, mouse
// events on the drawing area given in drawing units, the extras dialog, the
// bitmap export, and the windows inside the real main window.

#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

#include "platform/DrawingSurface.h"
#include "platform/ScreenUnits.h"
#include "tests/gui/GuiTesting.h"
#include "views/Grafico.h"
#include "views/ResultsTableModel.h"
#include "views/Tabella.h"

using namespace volvenza;
using namespace volvenza::testing;

namespace {

// A 4.7 s run whose pressure rises from 100 to 200 bar.
void MakeRun(CircuitState& state) {
    InitCircuitState(state);
    ReallocateResults(state, 471);
    state.LastPoint = 470;
    state.Data.CycleTime = 4.7f;
    for (int i = 0; i <= 470; ++i) state.PSeries[i] = 100 + 100.0 * i / 470;
}

// A mouse event on the drawing area at a point given in drawing units.
void MouseAt(DrawingArea* area, QEvent::Type type, double x, double y, Qt::MouseButton button) {
    const QPointF at = area->Surface().ToPixels({x, y});
    QMouseEvent event(type, at, area->mapToGlobal(at), button,
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::MouseButtons(button),
                      Qt::NoModifier);
    QApplication::sendEvent(area, &event);
}
void ClickAt(DrawingArea* area, double x, double y, Qt::MouseButton button = Qt::LeftButton) {
    MouseAt(area, QEvent::MouseButtonPress, x, y, button);
    MouseAt(area, QEvent::MouseButtonRelease, x, y, button);
}

struct Chart {
    explicit Chart(CircuitState& state) : window(state, dialogs) {
        window.resize(1000, 700);
        window.show();
        picture = Named<DrawingArea>(&window, QStringLiteral("Picture1"));
    }
    QLineEdit* Box(const char* name) { return Named<QLineEdit>(&window, QLatin1String(name)); }
    QAction* Button(const char* key) {
        return Named<QAction>(Named<QToolBar>(&window, QStringLiteral("Toolbar1")),
                              QLatin1String(key));
    }
    QPointF Pixel(double x, double y) { return picture->Surface().ToPixels({x, y}); }
    void Move(double x, double y) { MouseAt(picture, QEvent::MouseMove, x, y, Qt::NoButton); }
    void Click(double x, double y, Qt::MouseButton button = Qt::LeftButton) {
        ClickAt(picture, x, y, button);
    }
    // Pixels of exactly this colour in an image.
    static int Count(const QImage& image, QColor color) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) n += image.pixelColor(x, y) == color;
        }
        return n;
    }
    // Whether anything is drawn on the pixel row of the user height y, within
    // the left margin, where only the crosshair and precharge line reach.
    bool MarginRowDrawn(const QImage& image, double y) {
        const QPoint at = Pixel(-9, y).toPoint();
        const QColor background = image.pixelColor(1, 1);
        for (int dy = -1; dy <= 1; ++dy) {
            if (image.pixelColor(at.x(), at.y() + dy) != background) return true;
        }
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
    void opensInTheFullViewWithItsControls();
    void readoutsFollowTheMouse();
    void differenceKeepsBothCrosshairs();
    void zoomRectangle();
    void prechargeLineThroughTheExtrasDialog();
    void bitmapExport();
    void tableListsEveryTenthSample();
    void windowsInsideTheMainWindow();
};

void GraficoTest::opensInTheFullViewWithItsControls() {
    CircuitState state;
    MakeRun(state);
    Chart chart(state);
    QStringList texts;
    for (QAction* action : Named<QToolBar>(&chart.window, QStringLiteral("Toolbar1"))->actions()) {
        QCOMPARE(action->text(), action->toolTip());
        QVERIFY(!action->icon().isNull());
        texts << action->objectName() + QLatin1Char('=') + action->toolTip();
    }
    QCOMPARE(texts, QStringList({"Cancella=Cancella grafico",
                                 "Tracciatore=Abilita/disabilita il collimatore",
                                 "Disegna=Disegna in scala 1:1", "ZoomArea=Zoom",
                                 "AggiungiParticolari=Aggiiungi particolari al grafico",
                                 "Differenza=Differenza tra 2 punti"}));
    QCOMPARE(chart.Box("DiffX2")->accessibleName(), QStringLiteral("X2"));

    // The layout leaves 3500 by 2000 twips around the drawing area.
    QCOMPARE(chart.picture->width(), 1000 - TwipsToPixels(3500, &chart.window));
    // The axes are black; the corner of the plot box is drawn.
    const QImage committed = chart.picture->Surface().CommittedImage();
    QCOMPARE(committed.pixelColor(chart.Pixel(40, 0).toPoint()), QColor(Qt::black));

    chart.Button("Cancella")->trigger();
    QVERIFY(!chart.picture->isEnabled());
    QVERIFY(!chart.Button("Tracciatore")->isEnabled());
    QCOMPARE(Chart::Count(chart.picture->Surface().CommittedImage(), Qt::black), 0);
    chart.Button("Disegna")->trigger();
    QVERIFY(chart.picture->isEnabled());

    // A window too small for the drawing area keeps an area of no size.
    chart.window.resize(100, 100);
    QVERIFY(chart.picture->Surface().IsEmptyArea());
    chart.window.resize(1000, 700);
    QVERIFY(Chart::Count(chart.picture->Surface().CommittedImage(), Qt::black) > 0);

    // Values a damaged file may bring are skipped, not drawn.
    state.PSeries[100] = std::numeric_limits<double>::quiet_NaN();
    state.PSeries[200] = std::numeric_limits<double>::infinity();
    chart.window.RedrawChart();
    QCOMPARE(chart.picture->Surface().CommittedImage().pixelColor(chart.Pixel(40, 0).toPoint()),
             QColor(Qt::black));
}

void GraficoTest::readoutsFollowTheMouse() {
    CircuitState state;
    MakeRun(state);
    Chart chart(state);

    // No tool: time at the cursor and the pressure at its height.
    chart.Move(16, 40);
    QCOMPARE(chart.Box("Text1")->text(), QStringLiteral("0,9"));
    QCOMPARE(chart.Box("Text2")->text().left(3), QStringLiteral("100"));

    chart.Button("Tracciatore")->trigger();
    QCOMPARE(state.CollimatorOn, kTrue);
    chart.Move(16, 40);
    QCOMPARE(chart.Box("Text1")->text(), QStringLiteral("0,9"));
    QCOMPARE(chart.Box("Text2")->text(), QStringLiteral("120"));  // sample 94
    // The crosshair is on the overlay only; it crosses the left margin at
    // the curve's height.
    const double h = state.PSeries[94] * state.ChartScaleY;
    QVERIFY(chart.MarginRowDrawn(chart.picture->Surface().WorkingImage(), h));
    QVERIFY(!chart.MarginRowDrawn(chart.picture->Surface().CommittedImage(), h));

    // Left of the axis: time 0 and the first sample; right of the curve's
    // end: the last sample.
    chart.Move(-5, 40);
    QCOMPARE(chart.Box("Text1")->text(), QStringLiteral("0"));
    QCOMPARE(chart.Box("Text2")->text(), QStringLiteral("100"));
    chart.Move(89, 40);
    QCOMPARE(chart.Box("Text2")->text(), QStringLiteral("200"));

    // The right button neither starts nor ends a tool.
    chart.Button("ZoomArea")->trigger();
    QCOMPARE(state.CollimatorOn, kFalse);
    chart.Click(30, 30, Qt::RightButton);
    chart.Click(50, 50, Qt::RightButton);
    QCOMPARE(state.ZoomRectOn, kTrue);
    QCOMPARE(state.Zoomed, kFalse);

    // A second press of the crosshair button turns it off.
    chart.Button("Tracciatore")->trigger();
    chart.Button("Tracciatore")->trigger();
    QCOMPARE(state.CollimatorOn, kFalse);
}

void GraficoTest::differenceKeepsBothCrosshairs() {
    CircuitState state;
    MakeRun(state);
    for (int i = 115; i <= 125; ++i) state.PSeries[i] = 150.125;
    for (int i = 355; i <= 365; ++i) state.PSeries[i] = 149.5;
    Chart chart(state);
    const double sx = state.ChartScaleX;

    chart.Button("Differenza")->trigger();
    QCOMPARE(state.DifferenceOn, kTrue);
    chart.Move(1.2 * sx, 50);
    // Against the second point's boxes as they stand.
    QCOMPARE(chart.Box("DiffX")->text(), QStringLiteral("-1,2"));
    chart.Click(1.2 * sx, 50);
    chart.Move(3.6 * sx, 20);
    chart.Click(3.6 * sx, 20);
    QCOMPARE(chart.Box("DiffX1")->text(), QStringLiteral("1,2"));
    QCOMPARE(chart.Box("DiffY1")->text(), QStringLiteral("150,125"));
    QCOMPARE(chart.Box("DiffX2")->text(), QStringLiteral("3,6"));
    QCOMPARE(chart.Box("DiffX")->text(), QStringLiteral("2,4"));
    QCOMPARE(chart.Box("DiffY")->text(), QStringLiteral("-0,625"));
    QCOMPARE(state.DifferenceOn, kFalse);

    // Both crosshairs are part of the chart now; a later crosshair is not.
    const QImage committed = chart.picture->Surface().CommittedImage();
    QVERIFY(Chart::Count(committed, QColor(255, 0, 0)) > 100);
    QVERIFY(Chart::Count(committed, QColor(0, 255, 0)) > 100);
    chart.Button("Tracciatore")->trigger();
    chart.Move(60, 40);
    const QImage after = chart.picture->Surface().CommittedImage();
    QCOMPARE(after, committed);
    QVERIFY(chart.picture->Surface().WorkingImage() != committed);

    // Pressing "Differenza" again redraws without the crosshairs and ends the tool.
    chart.Button("Differenza")->trigger();
    chart.Button("Differenza")->trigger();
    QCOMPARE(state.DifferenceOn, kFalse);
    QCOMPARE(Chart::Count(chart.picture->Surface().CommittedImage(), QColor(255, 0, 0)), 0);
}

void GraficoTest::zoomRectangle() {
    CircuitState state;
    MakeRun(state);
    Chart chart(state);
    const float fullScaleX = state.ChartScaleX;

    // Dragged from lower right to upper left.
    chart.Button("ZoomArea")->trigger();
    chart.Click(51, 10);
    chart.Move(30, 40);
    QCOMPARE(chart.Box("Text2")->text(), QStringLiteral("100"));
    chart.Click(17, 70);
    QCOMPARE(state.Zoomed, kTrue);
    QCOMPARE(state.ZoomRectOn, kFalse);
    QVERIFY(!chart.Button("ZoomArea")->isEnabled());
    QVERIFY(chart.Button("Tracciatore")->isEnabled());
    QVERIFY(chart.dialogs.Messages().empty());
    const float zoomScaleX = state.ChartScaleX;
    QVERIFY(zoomScaleX > 2 * fullScaleX);

    // Resizing keeps the zoomed window.
    chart.window.resize(1200, 800);
    QCOMPARE(state.Zoomed, kTrue);
    QCOMPARE(state.ChartScaleX, zoomScaleX);

    // A rectangle touching an axis, or of no size, is refused.
    chart.Button("Disegna")->trigger();
    QCOMPARE(state.Zoomed, kFalse);
    chart.Button("ZoomArea")->trigger();
    chart.Click(-1, 20);
    chart.Click(40, 60);
    chart.Button("ZoomArea")->trigger();
    chart.Click(40, 40);
    chart.Click(40, 40);
    const auto messages = chart.dialogs.Messages();
    QCOMPARE(messages.size(), size_t(2));
    QCOMPARE(messages[0].text,
             QStringLiteral("ATTENZIONE!!!!, il quadrato deve essere interno al grafico"));
    QCOMPARE(messages[0].icon, MessageIcon::None);
    QCOMPARE(messages[0].buttons, MessageButtons::Ok);
    QCOMPARE(messages[0].title, QStringLiteral("Volvenza"));
    QCOMPARE(state.Zoomed, kFalse);
    QCOMPARE(state.ChartScaleX, fullScaleX);
    QVERIFY(chart.Button("ZoomArea")->isEnabled());
}

void GraficoTest::prechargeLineThroughTheExtrasDialog() {
    CircuitState state;
    MakeRun(state);
    state.PrechargeAtTemp = 150;
    Chart chart(state);
    const auto openDialog = [&] {
        chart.Button("AggiungiParticolari")->trigger();
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == QLatin1String("frmAggiungiParticolari") && w->isVisible()) {
                return w;
            }
        }
        qFatal("the extras dialog did not open");
    };
    const auto lineShown = [&] {
        return chart.MarginRowDrawn(chart.picture->Surface().CommittedImage(),
                                    PrechargeLineY(state, state.Zoomed ? 125 : 0));
    };

    QWidget* dialog = openDialog();
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Aggiungi particolari"));
    auto* check = Named<QCheckBox>(dialog, QStringLiteral("Chek_PF"));
    QVERIFY(!check->isChecked());
    check->setChecked(true);
    Named<QPushButton>(dialog, QStringLiteral("OKButton"))->click();
    QCOMPARE(state.ShowPrechargeLine, kTrue);
    QVERIFY(lineShown());

    // In a zoomed view the line is drawn above the window's lowest pressure.
    chart.Button("ZoomArea")->trigger();
    chart.Click(17, 50);
    chart.Click(51, 70);  // 125 to 175 bar
    QCOMPARE(state.Zoomed, kTrue);
    QVERIFY(lineShown());

    dialog = openDialog();
    check = Named<QCheckBox>(dialog, QStringLiteral("Chek_PF"));
    QVERIFY(check->isChecked());
    check->setChecked(false);
    Named<QPushButton>(dialog, QStringLiteral("CancelButton"))->click();
    QCOMPARE(state.ShowPrechargeLine, kTrue);
    QVERIFY(lineShown());

    dialog = openDialog();
    Named<QCheckBox>(dialog, QStringLiteral("Chek_PF"))->setChecked(false);
    Named<QPushButton>(dialog, QStringLiteral("OKButton"))->click();
    QCOMPARE(state.ShowPrechargeLine, kFalse);
    QCOMPARE(state.Zoomed, kTrue);
    QVERIFY(!lineShown());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void GraficoTest::bitmapExport() {
    CircuitState state;
    MakeRun(state);
    Chart chart(state);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("grafico.bmp"));

    // The live crosshair is not part of the picture.
    chart.Button("Tracciatore")->trigger();
    chart.Move(40, 40);
    QVERIFY(!chart.window.SaveChartBitmap(path));
    QImage saved(path, "BMP");
    QCOMPARE(saved.size(), chart.picture->size());
    QCOMPARE(saved.convertToFormat(QImage::Format_RGB32),
             chart.picture->Surface().CommittedImage());
    // The report finds the same picture through the area's property.
    QCOMPARE(chart.picture->property("committedImage").value<QImage>(),
             chart.picture->Surface().CommittedImage());

    const QString missing = dir.filePath(QStringLiteral("nessuna/grafico.bmp"));
    QCOMPARE(chart.window.SaveChartBitmap(missing),
             std::optional<QString>(QStringLiteral("Impossibile salvare il file ") + missing +
                                    QLatin1Char('.')));
}

void GraficoTest::tableListsEveryTenthSample() {
    CircuitState state;
    MakeRun(state);
    state.LastPoint = 469;
    ScriptedDialogs dialogs;
    Tabella table(state, dialogs);
    table.FillResultsTable();
    auto* grid = Named<QTableView>(&table, QStringLiteral("DataGrid1"));
    QCOMPARE(grid->model()->rowCount(), 47);
    QCOMPARE(grid->columnWidth(4), TwipsToPixels(1300, &table));
    QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
    QVERIFY(!grid->verticalHeader()->isVisible());
    QCOMPARE(grid->currentIndex(), grid->model()->index(0, 0));

    table.show();
    table.resize(800, 600);
    QCOMPARE(grid->size(),
             QSize(800 - TwipsToPixels(500, &table), 600 - TwipsToPixels(500, &table)));
}

void GraficoTest::windowsInsideTheMainWindow() {
    Shell shell(ProgramChildWindows());
    shell.main->resize(1200, 900);
    shell.main->show();
    shell.Button("Esempio")->trigger();
    shell.Button("Simulazione")->trigger();

    // The chart opens over the whole client area.
    shell.Button("Grafico")->trigger();
    auto* chart = Named<Grafico>(shell.main.get(), QStringLiteral("Grafico"));
    auto* area = shell.main->findChild<QMdiArea*>();
    auto* sub = qobject_cast<QMdiSubWindow*>(chart->parentWidget());
    QCOMPARE(sub->geometry(), QRect(QPoint(0, 0), area->viewport()->size()));

    shell.Button("Tabella")->trigger();
    auto* table = Named<Tabella>(shell.main.get(), QStringLiteral("Tabella"));
    QCOMPARE(table->Model().rowCount(), 468 / 10 + 1);

    // The extras dialog outlives a closed chart and still stores its setting.
    Named<QAction>(chart, QStringLiteral("AggiungiParticolari"))->trigger();
    auto* extras = Named<QWidget>(shell.main.get(), QStringLiteral("frmAggiungiParticolari"));
    Named<QAction>(chart, QStringLiteral("ZoomArea"))->trigger();
    ClickAt(chart->Picture(), 20, 20);
    ClickAt(chart->Picture(), 60, 60);
    QCOMPARE(shell.state.Zoomed, kTrue);
    sub->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Named<QCheckBox>(extras, QStringLiteral("Chek_PF"))->setChecked(true);
    Named<QPushButton>(extras, QStringLiteral("OKButton"))->click();
    QCOMPARE(shell.state.ShowPrechargeLine, kTrue);

    // Exporting with the chart closed opens it in the full view first.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("esportato.bmp"));
    shell.dialogs.QueueFileName(path);
    shell.Menu("mnuFileEsportaGrafico")->trigger();
    chart = Named<Grafico>(shell.main.get(), QStringLiteral("Grafico"));
    QCOMPARE(shell.state.Zoomed, kFalse);
    QImage saved(path, "BMP");
    QCOMPARE(saved.size(), chart->Picture()->size());
    QVERIFY(shell.dialogs.Messages().empty());
    shell.Close();
}

QTEST_MAIN(GraficoTest)
#include "GraficoTest.moc"
