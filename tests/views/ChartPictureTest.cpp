// The chart of the example, pixel for pixel: the full view with the precharge
// line and a zoomed view, compared with pictures kept in tests/data. A run
// with the classic gas law and no temperature envelope must draw exactly these.
//
// To regenerate the pictures on purpose (only when the chart is meant to look
// different), from the source folder:
//   QT_QPA_PLATFORM=offscreen VOLVENZA_WRITE_CHART_PICTURES=tests/data
//       build/bin/volvenza-views-picture-tests

#include <QTest>

#include "engine/Simulation.h"
#include "platform/DrawingSurface.h"
#include "platform/ScriptedDialogs.h"
#include "tests/gui/GuiTesting.h"
#include "views/Grafico.h"

using namespace volvenza;
using namespace volvenza::testing;

namespace {

// Compares with the stored picture, or writes it when asked to.
void Compare(const QImage& drawn, const char* name) {
    const QString file = QString::fromLatin1(name) + QStringLiteral(".png");
    if (const QByteArray out = qgetenv("VOLVENZA_WRITE_CHART_PICTURES"); !out.isEmpty()) {
        QVERIFY(drawn.save(QString::fromLocal8Bit(out) + QLatin1Char('/') + file));
        return;
    }
    const QImage stored(QStringLiteral(VOLVENZA_TEST_DATA "/") + file);
    QVERIFY2(!stored.isNull(), qPrintable(file));
    const QImage a = drawn.convertToFormat(QImage::Format_RGB32);
    const QImage b = stored.convertToFormat(QImage::Format_RGB32);
    QCOMPARE(a.size(), b.size());
    int differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) differing += a.pixel(x, y) != b.pixel(x, y);
    }
    QCOMPARE(differing, 0);
}

}  // namespace

class ChartPictureTest : public QObject {
    Q_OBJECT
  private slots:
    void exampleFullAndZoomed();
};

void ChartPictureTest::exampleFullAndZoomed() {
    CircuitState state;
    InitCircuitState(state);
    LoadExampleCircuit(state);
    QCOMPARE(RunSimulation(state), RunOutcome::Completed);
    ScriptedDialogs dialogs;
    Grafico chart(state, dialogs, std::make_shared<ChartOptions>(ChartOptions{true, false}));
    chart.resize(1000, 700);
    chart.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chart));
    auto* area = Named<DrawingArea>(&chart, "Picture1");
    Compare(area->Surface().CommittedImage(), "chart-example");

    Named<QAction>(&chart, "ZoomArea")->trigger();
    for (const QPointF at : {QPointF(10, 55), QPointF(40, 75)}) {
        const QPointF pixel = area->Surface().ToPixels(at);
        QTest::mouseClick(area, Qt::LeftButton, Qt::NoModifier, pixel.toPoint());
    }
    QCOMPARE(chart.Shown().zoomed, true);
    Compare(area->Surface().CommittedImage(), "chart-example-zoomed");
}

QTEST_MAIN(ChartPictureTest)
#include "ChartPictureTest.moc"
