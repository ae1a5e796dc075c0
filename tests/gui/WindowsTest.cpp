// Every window in the language its locale asks for, at its design size: no
// text wider or taller than the place it is drawn in, no label running into
// the control beside it, the chart's labels clear of its ticks, readouts that
// show their numbers whole, and no word of the other language in a window,
// menu, tooltip, dialog or message (OtherLanguageTexts). Registered in Italian
// and, with LANG=en_US, in English, at 96 and 144 dots per inch.

#include <QAbstractButton>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStyleOptionButton>
#include <QTableView>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

#include "analysis/frmModelloGas.h"
#include "documents/SimulationFile.h"
#include "engine/Simulation.h"
#include "entry/DatiIniziali.h"
#include "platform/DrawingSurface.h"
#include "platform/HelpWindow.h"
#include "platform/Language.h"
#include "platform/ScreenUnits.h"
#include "platform/TextFit.h"
#include "platform/Translations.h"
#include "platform/UiMessage.h"
#include "shell/AvanzamentoSimulazione.h"
#include "shell/CommandLine.h"
#include "shell/StatusBar.h"
#include "shell/frmAbout.h"
#include "shell/frmOptions.h"
#include "shell/frmSplash.h"
#include "tests/gui/GuiTesting.h"
#include "tests/gui/Vocabulary.h"
#include "views/ChartGasCurves.h"
#include "views/ChartGeometry.h"

using namespace volvenza;
using namespace volvenza::testing;

namespace {

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

// The rectangle a label's text takes inside the label (label coordinates).
QRect LabelTextRect(const QLabel& label) {
    const QRect contents = label.contentsRect().adjusted(label.margin(), label.margin(),
                                                         -label.margin(), -label.margin());
    // With a buddy the label draws its &-letter underlined, not the &.
    const int flags = int(label.alignment()) | (label.wordWrap() ? Qt::TextWordWrap : 0) |
                      (label.buddy() != nullptr ? Qt::TextShowMnemonic : 0);
    return QFontMetrics(label.font(), &label).boundingRect(contents, flags, label.text());
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
            const auto* otherLabel = qobject_cast<QLabel*>(other);
            QRect occupied;
            if (otherLabel != nullptr && !otherLabel->text().isEmpty())
                occupied = LabelTextRect(*otherLabel).translated(other->pos());
            else if (other->inherits("QLineEdit") || other->inherits("QAbstractButton"))
                occupied = other->geometry();
            if (drawn.intersects(occupied))
                fault(*label, label->text(), qPrintable("runs into " + Name(*other)));
        }
    }
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        const QString text = QString(button->text()).remove(QLatin1Char('&'));
        const auto* tool = qobject_cast<QToolButton*>(button);
        if (!Shown(*button, window) || text.isEmpty() ||
            (tool != nullptr && tool->toolButtonStyle() == Qt::ToolButtonIconOnly))
            continue;
        const QFontMetrics metrics(button->font(), button);
        const QSize room = ButtonRoom(*button);
        if (metrics.horizontalAdvance(text) > room.width() || metrics.height() > room.height())
            fault(*button, text, "is clipped");
    }
    // A frame's title ends inside the frame.
    for (QGroupBox* frame : window.findChildren<QGroupBox*>()) {
        if (!Shown(*frame, window) || frame->title().isEmpty()) continue;
        const QFontMetrics metrics(frame->font());
        const QString title = QString(frame->title()).remove(QLatin1Char('&'));
        if (metrics.horizontalAdvance(title) > frame->width() - metrics.horizontalAdvance(' '))
            fault(*frame, frame->title(), "is clipped");
    }
    for (QLineEdit* box : window.findChildren<QLineEdit*>()) {
        if (!Shown(*box, window) || box->text().isEmpty()) continue;
        // What the box shows: the whole text, and for a box the program
        // writes (a readout), from the start after every update.
        if (box->isReadOnly() && box->cursorPosition() != 0)
            fault(*box, box->text(), "does not show its start");
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
        for (int row = 0; row < model->rowCount(); ++row) {
            if (table->rowViewportPosition(row) >= table->viewport()->height()) break;
            for (int column = 0; column < model->columnCount(); ++column) {
                const QModelIndex cell = model->index(row, column);
                const QString text = cell.data().toString();
                int needed = metrics.horizontalAdvance(text) + margin;
                if (cell.data(Qt::DecorationRole).isValid()) needed += mark + margin;
                if (!text.isEmpty() && needed > table->columnWidth(column))
                    fault(*table, text, "is clipped");
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
                if (metrics.horizontalAdvance(line) + 2 * margin > header->sectionSize(section))
                    fault(*header, text, "is clipped");
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
    QStringList names;
    std::vector<QRectF> labels, marks;
    // The ink of a label: the surface draws its text with the top of the
    // font's box at the label's point.
    auto place = [&](QPointF topLeft, const QString& text) {
        const QPointF baseline = surface.ToPixels(topLeft) + QPointF(0, metrics.ascent());
        names << text;
        labels.push_back(metrics.tightBoundingRect(text).translated(baseline));
    };
    auto mark = [&](QPointF from, QPointF to) {
        marks.push_back(QRectF(surface.ToPixels(from), surface.ToPixels(to)).normalized());
    };
    place(TimeAxisNamePlace(temperature), "t");
    place({-5, 87}, "P(t)");
    mark({0, 0}, {kPlotSize, 0});
    mark({0, 0}, {0, kPlotSize});
    ChartTicks ticks = ComputeTicks(state, FullView(state));
    if (temperature) {
        // The right-hand scale takes the place of the time axis's name.
        place({81, 87}, "T(t)");
        mark({kPlotSize, 0}, {kPlotSize, kPlotSize});
        const auto scale = TemperatureTicks(*ComputeTemperatureScale(state, FullView(state)));
        ticks.pressure.insert(ticks.pressure.end(), scale.begin(), scale.end());
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
        const QRectF& rect = labels[i];
        if (!area.contains(rect)) faults << names[i] + QStringLiteral(" leaves the chart");
        for (const QRectF& line : marks) {
            // A tick or axis touching the label's box crosses its glyphs.
            if (rect.intersects(line.adjusted(-0.5, -0.5, 0.5, 0.5))) {
                faults << names[i] + QStringLiteral(" touches a tick or axis");
                break;
            }
        }
        for (size_t j = i + 1; j < labels.size(); ++j) {
            if (rect.intersects(labels[j]))
                faults << names[i] + QStringLiteral(" overlaps ") + names[j];
        }
    }
    return faults;
}

// Every text a user can see or hear in `root` and its descendants.
QStringList Texts(const QWidget& root) {
    QStringList texts{root.windowTitle(), root.toolTip()};
    for (const QWidget* w : root.findChildren<QWidget*>())
        texts << w->windowTitle() << w->toolTip() << w->accessibleName() << OwnTexts(*w);
    for (const QAction* action : root.findChildren<QAction*>())
        texts << action->text() << action->toolTip();
    return texts;
}

QStringList Foreign(const QStringList& texts) {
    return OtherLanguageTexts(texts, CurrentUiLanguage());
}

// Named texts whose Alt letter (after a single '&') another one, or `taken`, has.
using TextList = QList<std::pair<QString, QString>>;
QString Letters(const TextList& texts, const QString& taken, QStringList& faults) {
    static const QRegularExpression mark("&([^&])");
    QString letters = taken;
    for (const auto& [name, text] : texts) {
        const auto found = mark.match(QString(text).remove(QStringLiteral("&&")));
        const QChar letter = found.hasMatch() ? found.captured(1)[0].toUpper() : QChar();
        if (!letter.isNull() && letters.contains(letter)) faults << name + ": Alt+" + letter;
        if (!letter.isNull()) letters += letter;
    }
    return letters;
}

// The Alt letters of a window's buddied labels and its buttons.
QStringList WindowLetterClashes(const QWidget& window, const QString& taken) {
    TextList texts;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        const auto* label = qobject_cast<const QLabel*>(w);
        const auto* button = qobject_cast<const QAbstractButton*>(w);
        if (w->isVisibleTo(&window) && (button || (label && label->buddy())))
            texts.push_back({Name(*w), button ? button->text() : label->text()});
    }
    QStringList faults;
    Letters(texts, taken, faults);
    return faults;
}

// The menu bar's letters, each menu's entries apart; in Italian "&Salva" and
// "E&sporta tabella..." keep the letter they have always shared.
QString MenuBarLetters(const QMenuBar& bar, QStringList& faults) {
    TextList titles;
    for (const QAction* menu : bar.actions()) {
        titles.push_back({menu->menu()->objectName(), menu->text()});
        TextList entries;
        for (const QAction* entry : menu->menu()->actions()) {
            if (entry->objectName() != QLatin1String("mnuFileEsporta") || UseEnglish())
                entries.push_back({entry->objectName(), entry->text()});
        }
        Letters(entries, {}, faults);
    }
    return Letters(titles, {}, faults);
}

void ExpectNone(const QStringList& faults) {
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

// A window's texts fit and are all of the language; its Alt letters are its
// own and none of `taken` (the menu bar's, for a window inside the main one).
void Walk(QWidget* window, const QString& taken = {}) {
    QVERIFY(window != nullptr && QTest::qWaitForWindowExposed(window));
    ExpectNone(Overflows(*window) + Foreign(Texts(*window)) + WindowLetterClashes(*window, taken));
}

}  // namespace

class WindowsTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        // The program's own choice from the environment, as at start-up.
        SetUiLanguage(LanguageFromEnvironment());
        QVERIFY(InstallTranslations(*qApp, CurrentUiLanguage()) || !UseEnglish());
    }

    void childWindowsEditorChartMenusAndMessages() {
        Shell shell(ProgramChildWindows());
        shell.main->resize(TwipsToPixels(16000), TwipsToPixels(13000));
        shell.main->show();
        QStringList menuFaults;
        const QString bar = MenuBarLetters(*shell.main->menuBar(), menuFaults);
        ExpectNone(menuFaults);
        // The movement editor on every kind's page.
        QWidget* editor = shell.main->ShowChildWindow("InserimentoDati");
        for (const char* add : {"PulsPistEsce", "PulsPistEntra", "PulsMotore", "PulsDiffGraUsc",
                                "PulsPistDiffPicUsc", "PulsPalmola"}) {
            Named<QPushButton>(editor, QString::fromLatin1(add))->click();
            Walk(editor, bar);
        }
        shell.RunExample();
        for (const char* name :
             {"DatiIniziali", "Tabella", "Ciclo", "Dimensionamento", "BilancioEnergetico"}) {
            if (QLatin1String(name) == QLatin1String("Tabella")) shell.Button("Tabella")->trigger();
            Walk(shell.main->ShowChildWindow(QString::fromLatin1(name)), bar);
        }
        // The sizing window again with an answer in its tables, worded by the
        // library.
        auto* sizing = Named<Dimensionamento>(shell.main.get(), "Dimensionamento");
        Named<QLineEdit>(sizing, "TP1")->setText("60");
        QVERIFY(Search(*sizing));
        QVERIFY(sizing->Answer() && sizing->Answer()->Recommended);
        Walk(sizing, bar);
        if (UseEnglish()) ExpectNone(Texts(*sizing).filter(QRegularExpression("\\d,\\d")));

        QWidget* chart = shell.main->ShowChildWindow("Grafico");
        QVERIFY(QTest::qWaitForWindowExposed(chart));
        // The window's design size: its client area 9510 by 5970 twips.
        auto* sub = qobject_cast<QMdiSubWindow*>(chart->parentWidget());
        sub->resize(sub->size() - chart->size() + TwipsRect(0, 0, 9510, 5970).size());
        QTRY_COMPARE(chart->size(), TwipsRect(0, 0, 9510, 5970).size());
        auto* area = Named<DrawingArea>(chart, "Picture1");
        ExpectNone(ChartOverlaps(shell.state, area->Surface()));

        // With the gas temperature on its own scale at the right.
        shell.state.Gas.Law = GasLawKind::Nitrogen;
        shell.state.Gas.Tau = 45;
        shell.Button("Simulazione")->trigger();
        Named<QAction>(chart, "Temperatura")->trigger();
        ExpectNone(ChartOverlaps(shell.state, area->Surface(), true));

        // A three-decimal pressure shows whole in every readout, start first,
        // after the mouse has written them.
        shell.state.PSeries[0] = shell.state.PSeries[1] = 166.825;
        Named<QAction>(chart, "Differenza")->trigger();
        // Left of the time axis: the tools read sample 0 there.
        const QPoint left = area->Surface().ToPixels({-2, 40}).toPoint();
        SendMouse(area, QEvent::MouseMove, left);
        SendMouse(area, QEvent::MouseButtonPress, left);
        SendMouse(area, QEvent::MouseMove, area->Surface().ToPixels({30, 40}).toPoint());
        Named<QAction>(chart, "Tracciatore")->trigger();
        SendMouse(area, QEvent::MouseMove, left + QPoint(0, 1));
        const QString pressure = UseEnglish() ? "166.825" : "166,825";
        QCOMPARE(BoxTexts(chart, {"DiffY1", "Text2"}), QStringList({pressure, pressure}));
        Walk(chart, bar);
        Named<QAction>(chart, "AggiungiParticolari")->trigger();
        Walk(TopLevel("frmAggiungiParticolari"));

        // The menus, a question, a file dialog and a refusal of the run.
        shell.dialogs.ClearCalls();
        shell.Answering(shell.Menu("mnuFileNew"), MessageAnswer::Cancel);
        shell.Menu("mnuFileOpen")->trigger();
        Retype(Named<QLineEdit>(shell.main.get(), "TTT"), "0");
        shell.Button("Simulazione")->trigger();
        QCOMPARE(shell.dialogs.Messages().size(), size_t(2));
        QStringList texts = Texts(*shell.main);
        for (const DialogCall& call : shell.dialogs.Calls())
            texts << call.text << call.title << call.filter;
        ExpectNone(Foreign(texts));
        // Projects have their own filter to open and save under, in either language.
        QCOMPARE(texts.filter("|*.vlzp|").size(), 1);
    }

    // Child windows opened in the main window at its first size: it grows
    // to hold them within the screen, and a window the screen cannot hold
    // is fitted in, the sizing window's actions in view.
    void childWindowsFitTheScreen() {
        Shell shell(ProgramChildWindows());
        shell.main->show();
        QVERIFY(QTest::qWaitForWindowExposed(shell.main.get()));
        const QSize first = shell.main->size();
        shell.RunExample();
        const QRect screen = shell.main->screen()->availableGeometry();
        QWidget* viewport = shell.main->findChild<QMdiArea*>()->viewport();
        for (const char* name : {"Grafico", "Dimensionamento"}) {
            QWidget* child = shell.main->ShowChildWindow(QString::fromLatin1(name));
            QVERIFY(QTest::qWaitForWindowExposed(child));
            QVERIFY2(viewport->rect().contains(child->parentWidget()->geometry()), name);
            QVERIFY2(screen.contains(shell.main->geometry()), name);
        }
        QVERIFY(shell.main->width() > first.width() && shell.main->height() > first.height());
        for (const char* button : {"CmdCalcola", "CmdInterrompi", "CmdApplica"}) {
            const auto* action = Named<QPushButton>(shell.main.get(), QString::fromLatin1(button));
            QVERIFY2(viewport->rect().contains(action->geometry().translated(
                         action->parentWidget()->mapTo(viewport, QPoint(0, 0)))),
                     button);
        }
        // The workspace's picture reaches the edges of a window larger than it.
        shell.main->CloseChildWindows();
        shell.main->resize(1600, 1200);
        const QImage workspace = viewport->grab().toImage();
        QCOMPARE_NE(workspace.pixelColor(workspace.width() - 1, workspace.height() - 1),
                    viewport->palette().color(QPalette::Dark));
    }

    void shellWindowsAndDialogs() {
        frmOptions options("Officina Rossi");
        frmAbout about;
        frmSplash splash;
        AvanzamentoSimulazione progress;
        progress.SetValue(40);
        ScriptedDialogs dialogs;
        GasSettings gas{.Law = GasLawKind::Nitrogen,
                        .Tau = 1234.5678,
                        .ChargeTemp = -12.25,
                        .MinTemp = -40.125,
                        .MaxTemp = 123.375};
        gas.Vessels = {12, 1234.5, 0.875};
        frmModelloGas gasModel(gas, dialogs);
        for (QWidget* window :
             std::initializer_list<QWidget*>{&options, &about, &splash, &progress, &gasModel}) {
            window->show();
            Walk(window);
        }
        // The help window's own labels, and its page for a help file it cannot open.
        HelpWindow help;
        help.ShowMissing("Z.HLP");
        ExpectNone(Foreign(Texts(help) << Named<QTextBrowser>(&help, "HelpPage")->toPlainText()) +
                   WindowLetterClashes(help, {}));
    }

    // Every message of the libraries is in the language of the program (that
    // each has its English with the same parts, and that a file name holding
    // "%1" stays whole, the messages' own tests say); a message carrying
    // another, with numbers among its arguments, is worded whole in it.
    void messagesOfTheLibrariesWithTheirArguments() {
        for (int i = 0; UseEnglish() && i < static_cast<int>(MessageId::Count); ++i) {
            const QString text =
                QCoreApplication::translate(kMessageContext, MessageSource(MessageId(i)));
            QVERIFY2(Foreign({text}).isEmpty(), qPrintable(text));
        }

        const Message solid(MessageId::NitrogenSolid,
                            {MsgNumber(-200.5), MsgNumber(3000), MsgNumber(1234.5)});
        const Message nested(MessageId::CannotStart,
                             {MsgNested(Message(MessageId::AtMaxPressure, {MsgNested(solid)}))});
        const QString usage = InTerminalLanguage(*TerminalRequest({"volvenza", "--help"}));
        QVERIFY(usage.startsWith(UseEnglish() ? "Usage: volvenza" : "Uso: volvenza"));
        const auto refused = ParseStartArguments({"volvenza", "--bogus"});
        QCOMPARE(StartRefusalText(refused.Error()),
                 UseEnglish()
                     ? "volvenza: Unknown option --bogus.\nFor usage: volvenza --help\n"
                     : "volvenza: Opzione sconosciuta --bogus.\nPer l'uso: volvenza --help\n");
        QCOMPARE(UiMessage(nested),
                 UseEnglish() ? "Maximum pressure: At -200.5 °C and 3000 bar absolute nitrogen is "
                                "solid (melting pressure 1234.5 bar), the simulation cannot start."
                              : "Pressione massima: A -200,5 °C e 3000 bar assoluti l'azoto è "
                                "solido (pressione di fusione 1234,5 bar), la simulazione non può "
                                "partire.");
    }

    // Boxes and tables show the language's decimal separator and read either;
    // the simulation file is the same text whatever the language.
    void numbersInTheLanguageFilesAlike() {
        const QChar point = UseEnglish() ? QLatin1Char('.') : QLatin1Char(',');
        const QString oneAndHalf = QStringLiteral("1") + point + QStringLiteral("5");
        const QString typed = UseEnglish() ? "1,5" : "1.5";
        Shell shell(ProgramChildWindows());
        shell.main->show();
        shell.Button("Esempio")->trigger();
        auto* data = qobject_cast<DatiIniziali*>(shell.main->ShowChildWindow("DatiIniziali"));
        auto* volume = Named<QLineEdit>(data, "TV0");
        Retype(volume, typed);
        QCOMPARE(volume->text(), oneAndHalf);
        QCOMPARE(shell.state.Data.V0, 1.5f);
        // The gas model's boxes alike, refusing letters too.
        QStringList shown;
        shell.dialogs.QueueModal([&](QDialog& dialog) {
            Retype(Named<QLineEdit>(&dialog, "TTMin"), typed + "x");
            shown = BoxTexts(&dialog, {"TEsponente", "TTMin"});
            dialog.accept();
        });
        shell.Menu("mnuCalcoloModelloGas")->trigger();
        QCOMPARE(shown,
                 QStringList({QStringLiteral("1") + point + QStringLiteral("4"), oneAndHalf}));
        QCOMPARE(shell.state.Gas.MinTemp, std::optional<double>(1.5));
        QCOMPARE(shell.dialogs.Messages().size(), size_t(0));

        shell.Button("Simulazione")->trigger();
        shell.Button("Tabella")->trigger();
        const auto* table = Named<QTableView>(shell.main.get(), "DataGrid1");
        QCOMPARE(table->model()->index(1, 0).data().toString(), QStringLiteral("0") + point + "1");
        QVERIFY(!table->model()->index(1, 2).data().toString().contains(typed[1]));

        // The status bar's date in the language's form.
        QCOMPARE(StatusBar::DateText(QDate(2026, 12, 7)),
                 UseEnglish() ? QStringLiteral("12/7/26") : QStringLiteral("07/12/2026"));

        const QString path = shell.temp.filePath("language.vlz");
        shell.WithFile(shell.Menu("mnuFileSaveAs"), path);
        QCOMPARE(ReadFile(path).toStdString(), SimulationFileText(shell.state));
    }
};

QTEST_MAIN(WindowsTest)
#include "WindowsTest.moc"
