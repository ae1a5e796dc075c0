// Starts the real program objects on a real X server (run under xvfb-run):
// the main window, the splash over it with its three steps, then the
// example run and the program closed from the keyboard.
// Prints the time from start to a visible main window.

#include <QApplication>
#include <QElapsedTimer>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QProgressBar>
#include <QTest>

#include "report/PdfReport.h"
#include "shell/Program.h"
#include "tests/gui/GuiTesting.h"

using namespace volvenza;

int main(int argc, char* argv[]) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication app(argc, argv);
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        qCritical("the smoke test needs the xcb platform, got %s",
                  qPrintable(QGuiApplication::platformName()));
        return 1;
    }
    QTemporaryDir temp;
    Program program({temp.filePath("settings"), "/opt/volvenza", temp.filePath("c")});
    int failures = 0;
    auto check = [&failures](bool ok, const char* what) {
        if (!ok) qCritical("FAIL: %s", what);
        failures += !ok;
    };

    std::vector<float> steps;
    qint64 visibleAfter = -1;
    program.Start([&](int milliseconds) {
        check(milliseconds == 1000, "each splash pause asks for one second");
        if (visibleAfter < 0) {
            check(program.MainWindow().isVisible(), "main window shown before the splash");
            check(QTest::qWaitForWindowExposed(&program.MainWindow()), "main window exposed");
            visibleAfter = sinceStart.elapsed();
        }
        QWidget* splash = testing::TopLevel("frmSplash");
        check(splash != nullptr, "splash visible during the pauses");
        if (splash != nullptr) {
            auto* bar = splash->findChild<QProgressBar*>("ProgressBar");
            steps.push_back(static_cast<float>(bar->value()) / static_cast<float>(bar->maximum()));
        }
    });
    check(steps.size() == 3 && steps[0] < steps[1] && steps[1] < steps[2] && steps[2] == 1.0f,
          "splash bar at a third, two thirds and full");
    check(testing::TopLevel("frmSplash") == nullptr, "splash closed after the pauses");
    frmMain& main = program.MainWindow();
    check(main.findChild<QMdiArea*>()->subWindowList().isEmpty(), "no child window after start-up");

    // The keyboard alone, sent where the window system put the focus: the
    // example from its menu, F5 runs it, Ctrl+Q ends.
    main.activateWindow();
    check(QTest::qWaitForWindowActive(&main), "main window active");
    auto focused = [&main]() -> QWidget* {
        return QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : &main;
    };
    QTest::keyClick(focused(), Qt::Key_U, Qt::AltModifier);
    auto* menu = main.menuBar()->findChild<QMenu*>("mnuSimulazione");
    check(QTest::qWaitFor([menu] { return menu->isVisible(); }), "Alt+U opens Simulazione");
    QTest::keyClick(menu, Qt::Key_E);
    QTest::keyClick(focused(), Qt::Key_F5);
    check(main.State().LastPoint == 468, "F5 runs the example");
    // With the window system's own fonts, a PDF's text stays searchable text.
    const QString pdf = temp.filePath("dati.pdf");
    QWidget* data = main.ShowChildWindow("DatiIniziali");
    check(
        data != nullptr && ExportWindowPdf(pdf, main.Printer(), main.State(), {"Officina", "", {}},
                                           WindowReport{WindowReport::Kind::InitialData}),
        "PDF of the initial data written");
    QProcess text;
    text.start("pdftotext", {pdf, "-"});
    check(!text.waitForFinished(30000) || text.readAllStandardOutput().contains("V0: 10"),
          "the PDF's text found by pdftotext");
    QTest::keyClick(focused(), Qt::Key_Q, Qt::ControlModifier);
    QApplication::processEvents();
    check(!main.isVisible(), "Ctrl+Q closes the main window");
    qInfo("start to visible main window: %lld ms", static_cast<long long>(visibleAfter));
    return failures == 0 ? 0 : 1;
}
