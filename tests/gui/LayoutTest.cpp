// Every window at its design size: no text wider or taller than the place it
// is drawn in, no label running into the control beside it, the chart's
// labels clear of its ticks, and readouts that show their numbers whole.
// Registered once per screen density (96 and 144 dots per inch), in Italian
// and, with LANG=en_US, in English.

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include "analysis/Dimensionamento.h"
#include "analysis/frmModelloGas.h"
#include "engine/Simulation.h"
#include "platform/DrawingSurface.h"
#include "platform/Language.h"
#include "platform/ScreenUnits.h"
#include "platform/TextFit.h"
#include "platform/Translations.h"
#include "shell/AvanzamentoSimulazione.h"
#include "shell/frmAbout.h"
#include "shell/frmOptions.h"
#include "shell/frmSplash.h"
#include "tests/gui/GuiTesting.h"
#include "views/ChartGasCurves.h"
#include "views/ChartGeometry.h"

using namespace volvenza;
using namespace volvenza::testing;

namespace {

QString Plain(QString text) {
    return text.remove(QLatin1Char('&'));
}

QString Name(const QWidget& widget) {
    return widget.objectName().isEmpty() ? QString::fromLatin1(widget.metaObject()->className())
                                         : widget.objectName();
}

bool Shown(const QWidget& widget, const QWidget& window) {
    return widget.isVisibleTo(&window) && widget.width() > 0 && widget.height() > 0;
}

// The room a button leaves for its text, and the text's size.
QSize ButtonRoom(const QAbstractButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    const auto element = qobject_cast<const QCheckBox*>(&button) != nullptr
                             ? QStyle::SE_CheckBoxContents
                             : QStyle::SE_PushButtonContents;
    return button.style()->subElementRect(element, &option, &button).size();
}

// Reads back whether a box shows its whole text: painted with the cursor at
// the start and then at the end, the end lies one text width from the start
// exactly when the box did not have to scroll.
bool ShowsWholeText(QLineEdit& box) {
    const int cursor = box.cursorPosition();
    box.setCursorPosition(0);
    box.repaint();
    const int start = box.inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
    box.setCursorPosition(static_cast<int>(box.text().size()));
    box.repaint();
    const int end = box.inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
    box.setCursorPosition(cursor);
    box.repaint();
    const double width = QFontMetricsF(box.font(), &box).horizontalAdvance(box.text());
    return std::abs(end - start - width) <= 1;
}

// Where the texts of `window` do not fit: "name: text" lines.
QStringList Overflows(QWidget& window) {
    QStringList faults;
    auto fault = [&faults](const QWidget& widget, const QString& text, const char* what) {
        faults << QStringLiteral("%1 '%2' %3").arg(Name(widget), text, QLatin1String(what));
    };
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (!Shown(*label, window) || label->text().isEmpty()) continue;
        const QRect text = LabelTextRect(*label);
        if (!label->contentsRect().contains(text)) fault(*label, label->text(), "is clipped");
        // The text must not run into a control standing beside the label,
        // nor into another label's text.
        const QRect drawn = text.translated(label->pos());
        for (QWidget* other :
             label->parentWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (other == label || !Shown(*other, window)) continue;
            QRect occupied;
            if (auto* otherLabel = qobject_cast<QLabel*>(other)) {
                if (!otherLabel->text().isEmpty()) {
                    occupied = LabelTextRect(*otherLabel).translated(other->pos());
                }
            } else if (qobject_cast<QLineEdit*>(other) != nullptr ||
                       qobject_cast<QAbstractButton*>(other) != nullptr) {
                occupied = other->geometry();
            }
            if (drawn.intersects(occupied)) {
                fault(*label, label->text(), qPrintable("runs into " + Name(*other)));
            }
        }
    }
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        const QString text = Plain(button->text());
        const auto* tool = qobject_cast<QToolButton*>(button);
        if (!Shown(*button, window) || text.isEmpty() ||
            (tool != nullptr && tool->toolButtonStyle() == Qt::ToolButtonIconOnly)) {
            continue;
        }
        const QFontMetrics metrics(button->font(), button);
        const QSize room = ButtonRoom(*button);
        if (metrics.horizontalAdvance(text) > room.width() || metrics.height() > room.height()) {
            fault(*button, text, "is clipped");
        }
    }
    for (QLineEdit* box : window.findChildren<QLineEdit*>()) {
        if (!Shown(*box, window) || box->text().isEmpty()) continue;
        // What the box shows: the whole text, and for a box the program
        // writes (a readout), from the start after every update.
        if (box->isReadOnly() && box->cursorPosition() != 0) {
            fault(*box, box->text(), "does not show its start");
        }
        if (!ShowsWholeText(*box)) fault(*box, box->text(), "is clipped");
    }
    // The cells of a grid that are in view, with their colour mark if any.
    for (QTableView* table : window.findChildren<QTableView*>()) {
        if (!Shown(*table, window)) continue;
        const QFontMetrics metrics(table->font(), table);
        const int margin =
            2 * (table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 1);
        const int mark = table->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, table);
        const QAbstractItemModel* model = table->model();
        for (int row = 0; row < model->rowCount() &&
                          table->rowViewportPosition(row) < table->viewport()->height();
             ++row) {
            for (int column = 0; column < model->columnCount(); ++column) {
                const QModelIndex cell = model->index(row, column);
                const QString text = cell.data().toString();
                int needed = metrics.horizontalAdvance(text) + margin;
                if (cell.data(Qt::DecorationRole).isValid()) needed += mark + margin;
                if (!text.isEmpty() && needed > table->columnWidth(column)) {
                    fault(*table, text, "is clipped");
                }
            }
        }
    }
    for (QHeaderView* header : window.findChildren<QHeaderView*>()) {
        if (!Shown(*header, window) || header->orientation() != Qt::Horizontal) continue;
        const QFontMetrics metrics(header->font(), header);
        const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
        for (int section = 0; section < header->count(); ++section) {
            const QString text = header->model()->headerData(section, Qt::Horizontal).toString();
            // A heading may be wrapped over lines of its own.
            for (const QString& line : text.split(QLatin1Char('\n'))) {
                if (metrics.horizontalAdvance(line) + 2 * margin > header->sectionSize(section)) {
                    fault(*header, text, "is clipped");
                }
            }
        }
    }
    return faults;
}

// The chart's labels as drawn: each one's ink in pixels, clear of the ticks,
// of the axes, of the other labels and of the area's edges.
QStringList ChartOverlaps(const CircuitState& state, const DrawingSurface& surface,
                          bool temperature = false) {
    const QImage& image = surface.CommittedImage();
    const QFontMetricsF metrics(surface.Font(), &image);
    struct Label {
        QString text;
        QRectF rect;
    };
    std::vector<Label> labels;
    std::vector<QRectF> marks;
    // The ink of a label: the surface draws its text with the top of the
    // font's box at the label's point.
    auto place = [&](QPointF topLeft, const QString& text) {
        const QPointF baseline = surface.ToPixels(topLeft) + QPointF(0, metrics.ascent());
        labels.push_back({text, metrics.tightBoundingRect(text).translated(baseline)});
    };
    auto mark = [&](QPointF from, QPointF to) {
        marks.push_back(QRectF(surface.ToPixels(from), surface.ToPixels(to)).normalized());
    };
    place(TimeAxisNamePlace(temperature), QStringLiteral("t"));
    place({-5, 87}, QStringLiteral("P(t)"));
    mark({0, 0}, {kPlotSize, 0});
    mark({0, 0}, {0, kPlotSize});
    ChartTicks ticks = ComputeTicks(state, FullView(state));
    if (temperature) {
        // The right-hand scale takes the place of the time axis's name.
        place({81, 87}, QStringLiteral("T(t)"));
        mark({kPlotSize, 0}, {kPlotSize, kPlotSize});
        for (const ChartTick& tick :
             TemperatureTicks(*ComputeTemperatureScale(state, FullView(state)))) {
            ticks.pressure.push_back(tick);
        }
    }
    for (const auto* group : {&ticks.time, &ticks.pressure}) {
        for (const ChartTick& tick : *group) {
            place(tick.labelAt, QString::fromStdString(tick.label));
            mark(tick.markFrom, tick.markTo);
        }
    }
    QStringList faults;
    const QRectF area(QPointF(0, 0), QSizeF(image.size()));
    for (size_t i = 0; i < labels.size(); ++i) {
        const QRectF& rect = labels[i].rect;
        if (!area.contains(rect)) faults << labels[i].text + QStringLiteral(" leaves the chart");
        for (const QRectF& line : marks) {
            // A tick or axis touching the label's box crosses its glyphs.
            if (rect.intersects(line.adjusted(-0.5, -0.5, 0.5, 0.5))) {
                faults << labels[i].text + QStringLiteral(" touches a tick or axis");
                break;
            }
        }
        for (size_t j = i + 1; j < labels.size(); ++j) {
            if (rect.intersects(labels[j].rect)) {
                faults << labels[i].text + QStringLiteral(" overlaps ") + labels[j].text;
            }
        }
    }
    return faults;
}

// A mouse event straight to the widget, at a position in its own pixels
// whatever the screen's scaling.
void Mouse(QWidget* widget, QEvent::Type type, QPoint at) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, widget->mapToGlobal(at), button, button, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void ExpectFits(const QStringList& faults) {
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

}  // namespace

class LayoutTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void childWindowsAtTheirDesignSize();
    void movementEditorOnEveryPageAndAtAThousand();
    void chartLabelsAndReadouts();
    void shellWindowsAndDialogs();
};

void LayoutTest::initTestCase() {
    // The program's own choice from the environment, as at start-up.
    SetUiLanguage(LanguageFromEnvironment());
    if (UseEnglish()) QVERIFY(InstallEnglishTranslations(*qApp));
}

void LayoutTest::childWindowsAtTheirDesignSize() {
    Shell shell(ProgramChildWindows());
    shell.main->resize(TwipsToPixels(16000), TwipsToPixels(13000));
    shell.main->show();
    shell.Button("Esempio")->trigger();
    shell.Button("Simulazione")->trigger();
    for (const char* name :
         {"DatiIniziali", "Tabella", "Ciclo", "Dimensionamento", "BilancioEnergetico"}) {
        if (QLatin1String(name) == QLatin1String("Tabella")) shell.Button("Tabella")->trigger();
        QWidget* window = shell.main->ShowChildWindow(QString::fromLatin1(name));
        QVERIFY(QTest::qWaitForWindowExposed(window));
        ExpectFits(Overflows(*window));
    }
    // The sizing window again with an answer in its tables.
    auto* sizing = Named<Dimensionamento>(shell.main.get(), QStringLiteral("Dimensionamento"));
    Named<QLineEdit>(sizing, QStringLiteral("TP1"))->setText(QStringLiteral("60"));
    QVERIFY(sizing->Calculate());
    QVERIFY(QTest::qWaitFor([&] { return !sizing->Busy(); }, 20000));
    ExpectFits(Overflows(*sizing));
}

void LayoutTest::movementEditorOnEveryPageAndAtAThousand() {
    Shell shell(ProgramChildWindows());
    shell.main->resize(TwipsToPixels(16000), TwipsToPixels(13000));
    shell.main->show();
    QWidget* editor = shell.main->ShowChildWindow(QStringLiteral("InserimentoDati"));
    QVERIFY(QTest::qWaitForWindowExposed(editor));
    for (const char* add : {"PulsPistEsce", "PulsPistEntra", "PulsMotore", "PulsDiffGraUsc",
                            "PulsPistDiffPicUsc", "PulsPalmola"}) {
        Named<QPushButton>(editor, QString::fromLatin1(add))->click();
        ExpectFits(Overflows(*editor));
    }
    // The widest position there can be.
    shell.main->CloseChildWindows();
    for (int i = 1; i <= kMaxMovements; ++i) shell.state.Movements[i].Kind = MovementKind::Motor;
    shell.state.MovementCount = kMaxMovements;
    editor = shell.main->ShowChildWindow(QStringLiteral("InserimentoDati"));
    shell.state.CurrentMovement = kMaxMovements - 1;
    Named<QPushButton>(editor, QStringLiteral("PulsAvanti"))->click();
    QCOMPARE(Named<QLineEdit>(editor, QStringLiteral("Pos"))->text(), QStringLiteral("1000/1000"));
    ExpectFits(Overflows(*editor));
}

void LayoutTest::chartLabelsAndReadouts() {
    Shell shell(ProgramChildWindows());
    shell.main->resize(TwipsToPixels(16000), TwipsToPixels(13000));
    shell.main->show();
    shell.Button("Esempio")->trigger();
    shell.Button("Simulazione")->trigger();
    QWidget* chart = shell.main->ShowChildWindow(QStringLiteral("Grafico"));
    QVERIFY(QTest::qWaitForWindowExposed(chart));
    // The window's design size: its client area 9510 by 5970 twips.
    auto* sub = qobject_cast<QMdiSubWindow*>(chart->parentWidget());
    sub->resize(sub->size() - chart->size() + TwipsRect(0, 0, 9510, 5970).size());
    QTRY_COMPARE(chart->size(), TwipsRect(0, 0, 9510, 5970).size());
    auto* area = Named<DrawingArea>(chart, QStringLiteral("Picture1"));
    ExpectFits(ChartOverlaps(shell.state, area->Surface()));

    // With the gas temperature on its own scale at the right.
    shell.state.Gas.Law = GasLawKind::Nitrogen;
    shell.state.Gas.Tau = 45;
    shell.Button("Simulazione")->trigger();
    Named<QAction>(chart, QStringLiteral("Temperatura"))->trigger();
    ExpectFits(ChartOverlaps(shell.state, area->Surface(), true));

    // A three-decimal pressure shows whole in every readout, start first,
    // after the mouse has written them.
    shell.state.PSeries[0] = 166.825;
    shell.state.PSeries[1] = 166.825;
    Named<QAction>(chart, QStringLiteral("Differenza"))->trigger();
    // Left of the time axis: the tools read sample 0 there.
    const QPoint left = area->Surface().ToPixels({-2, 40}).toPoint();
    Mouse(area, QEvent::MouseMove, left);
    Mouse(area, QEvent::MouseButtonPress, left);
    Mouse(area, QEvent::MouseMove, area->Surface().ToPixels({30, 40}).toPoint());
    Named<QAction>(chart, QStringLiteral("Tracciatore"))->trigger();
    Mouse(area, QEvent::MouseMove, left + QPoint(0, 1));
    const QString pressure = UseEnglish() ? QStringLiteral("166.825") : QStringLiteral("166,825");
    QCOMPARE(Named<QLineEdit>(chart, QStringLiteral("DiffY1"))->text(), pressure);
    QCOMPARE(Named<QLineEdit>(chart, QStringLiteral("Text2"))->text(), pressure);
    ExpectFits(Overflows(*chart));

    Named<QAction>(chart, QStringLiteral("AggiungiParticolari"))->trigger();
    QWidget* extras = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String("frmAggiungiParticolari")) extras = window;
    }
    QVERIFY(extras != nullptr && QTest::qWaitForWindowExposed(extras));
    ExpectFits(Overflows(*extras));
}

void LayoutTest::shellWindowsAndDialogs() {
    frmOptions options(QStringLiteral("Officina Rossi"));
    frmAbout about;
    frmSplash splash;
    AvanzamentoSimulazione progress;
    progress.SetValue(40);
    ScriptedDialogs dialogs;
    GasSettings gas;
    gas.Law = GasLawKind::Nitrogen;
    gas.Tau = 1234.5678;
    gas.ChargeTemp = -12.25;
    gas.MinTemp = -40.125;
    gas.MaxTemp = 123.375;
    frmModelloGas gasModel(gas, dialogs);
    for (QWidget* window :
         std::initializer_list<QWidget*>{&options, &about, &splash, &progress, &gasModel}) {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        ExpectFits(Overflows(*window));
    }
}

QTEST_MAIN(LayoutTest)
#include "LayoutTest.moc"
