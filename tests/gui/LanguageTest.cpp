// The program in the language its locale asks for (registered with
// LANG=en_US.UTF-8 and with LANG=C.UTF-8): no window, menu, tooltip or
// message shows a word of the other language (OtherLanguageTexts).

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSet>
#include <QTabBar>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTextBrowser>

#include "analysis/Dimensionamento.h"
#include "documents/SimulationFile.h"
#include "entry/DatiIniziali.h"
#include "platform/HelpWindow.h"
#include "platform/Language.h"
#include "platform/Translations.h"
#include "platform/UiMessage.h"
#include "shell/AvanzamentoSimulazione.h"
#include "shell/CommandLine.h"
#include "shell/frmSplash.h"
#include "tests/gui/GuiTesting.h"
#include "tests/gui/Vocabulary.h"

using namespace volvenza;
using namespace volvenza::testing;

namespace {

// Every text a user can see or hear in `root` and its descendants.
QStringList Texts(const QWidget& root) {
    QStringList texts{root.windowTitle(), root.toolTip()};
    for (const QWidget* w : root.findChildren<QWidget*>()) {
        texts << w->windowTitle() << w->toolTip() << w->accessibleName();
        if (auto* label = qobject_cast<const QLabel*>(w)) texts << label->text();
        if (auto* button = qobject_cast<const QAbstractButton*>(w)) texts << button->text();
        if (auto* group = qobject_cast<const QGroupBox*>(w)) texts << group->title();
        if (auto* menu = qobject_cast<const QMenu*>(w)) texts << menu->title();
        if (auto* combo = qobject_cast<const QComboBox*>(w)) {
            for (int i = 0; i < combo->count(); ++i) texts << combo->itemText(i);
        }
        if (auto* tabs = qobject_cast<const QTabBar*>(w)) {
            for (int i = 0; i < tabs->count(); ++i) texts << tabs->tabText(i);
        }
        if (auto* header = qobject_cast<const QHeaderView*>(w); header && header->model()) {
            for (int i = 0; i < header->count(); ++i) {
                for (int role : {Qt::DisplayRole, Qt::ToolTipRole}) {
                    texts << header->model()->headerData(i, header->orientation(), role).toString();
                }
            }
        }
    }
    for (const QAction* action : root.findChildren<QAction*>()) {
        texts << action->text() << action->toolTip();
    }
    return texts;
}

// The Alt letters that more than one of the captions claims.
QStringList RepeatedMnemonics(const QStringList& captions) {
    static const QRegularExpression mnemonic(QStringLiteral("&([^&])"));
    QStringList letters, repeated;
    for (const QString& caption : captions) {
        const auto match = mnemonic.match(caption);
        if (!match.hasMatch()) continue;
        const QString letter = match.captured(1).toLower();
        if (letters.contains(letter)) repeated << caption;
        letters << letter;
    }
    return repeated;
}

}  // namespace

class LanguageTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void noWordOfTheOtherLanguage();
    void messagesOfTheLibrariesWithTheirParts();
    void numbersShownInTheLanguageAndFilesAlike();
    void sizingAnswerInTheLanguage();

  private:
    static QStringList Foreign(const QStringList& texts) {
        return OtherLanguageTexts(texts, CurrentUiLanguage());
    }
};

void LanguageTest::initTestCase() {
    SetUiLanguage(LanguageFromEnvironment());
    QVERIFY(InstallTranslations(*qApp, CurrentUiLanguage()) || !UseEnglish());
}

void LanguageTest::noWordOfTheOtherLanguage() {
    Shell shell(ProgramChildWindows());
    shell.main->show();
    shell.Button("Esempio")->trigger();
    shell.Button("Simulazione")->trigger();
    for (const char* name :
         {"DatiIniziali", "InserimentoDati", "Ciclo", "Grafico", "Tabella", "BilancioEnergetico"}) {
        QVERIFY(shell.main->ShowChildWindow(QString::fromLatin1(name)) != nullptr);
    }
    QStringList texts = Texts(*shell.main);
    // Ciclo's Annulla is the project's own, and says so in the same word.
    QCOMPARE(Named<QAction>(shell.main.get(), QStringLiteral("Annulla"))->text(),
             shell.Menu("mnuFileAnnulla")->text().remove(QLatin1Char('&')));
    // The menu bar and the menu of the toolbar's commands each give a letter once.
    for (const QWidget* owner : {static_cast<QWidget*>(shell.main->menuBar()),
                                 static_cast<QWidget*>(Named<QMenu>(
                                     shell.main.get(), QStringLiteral("mnuSimulazione")))}) {
        QStringList captions;
        for (const QAction* action : owner->actions()) captions << action->text();
        QVERIFY2(RepeatedMnemonics(captions).isEmpty(),
                 qPrintable(RepeatedMnemonics(captions).join(' ')));
    }

    // The modal dialogs of the menus, each read while it is open.
    for (const char* entry : {"mnuViewOptions", "mnuCalcoloModelloGas", "mnuHelpAbout"}) {
        shell.dialogs.QueueModal([&texts](QDialog& dialog) {
            texts << Texts(dialog);
            dialog.reject();
        });
        shell.Menu(entry)->trigger();
    }
    // A question, a file dialog and a refusal of the run.
    shell.dialogs.QueueAnswer(MessageAnswer::Cancel);
    shell.Menu("mnuFileNew")->trigger();
    shell.Menu("mnuFileOpen")->trigger();
    Named<QLineEdit>(shell.main.get(), QStringLiteral("TTT"))->setText(QStringLiteral("0"));
    shell.Button("Simulazione")->trigger();
    for (const DialogCall& call : shell.dialogs.Calls())
        texts << call.text << call.title << call.filter;
    QCOMPARE(shell.dialogs.Messages().size(), size_t(2));

    frmSplash splash;
    AvanzamentoSimulazione progress;
    texts << Texts(splash) << Texts(progress);
    // The help window's own labels, and its page for a help file it cannot open.
    HelpWindow help;
    help.ShowMissing(QStringLiteral("Z.HLP"));
    texts << Texts(help) << help.Browser()->toPlainText();
    const QStringList found = Foreign(texts);
    QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
}

// Every message of the libraries has its text in both languages, with the
// same parts; a message carrying another, with numbers and a file name among
// its parts, is worded whole in the language.
void LanguageTest::messagesOfTheLibrariesWithTheirParts() {
    static const QRegularExpression marker(QStringLiteral("%[1-9]"));
    auto markers = [](const QString& text) {
        QStringList found;
        for (const auto& m : marker.globalMatch(text)) found << m.captured();
        found.sort();
        return found;
    };
    for (int i = 0; i < static_cast<int>(MessageId::Count); ++i) {
        const char* source = MessageSource(static_cast<MessageId>(i));
        const QString text = QCoreApplication::translate(kMessageContext, source);
        QVERIFY2(*source != '\0', qPrintable(QString::number(i)));
        if (!UseEnglish()) continue;
        QVERIFY2(text != QString::fromUtf8(source), source);
        QCOMPARE(markers(text), markers(QString::fromUtf8(source)));
        QVERIFY2(Foreign({text}).isEmpty(), qPrintable(text));
    }

    const Message solid(MessageId::NitrogenSolid,
                        {MsgNumber(-200.5), MsgNumber(3000), MsgNumber(1234.5)});
    const Message nested(MessageId::CannotStart,
                         {MsgNested(Message(MessageId::AtMaxPressure, {MsgNested(solid)}))});
    const Message file(MessageId::SimulationFileInvalid,
                       {MsgVerbatim("/tmp/100%1 riga,2.vlz"), MsgInteger(12)});
    const QString usage = InTerminalLanguage(
        *TerminalRequest({QStringLiteral("volvenza"), QStringLiteral("--help")}));
    QVERIFY(usage.startsWith(UseEnglish() ? QStringLiteral("Usage: volvenza")
                                          : QStringLiteral("Uso: volvenza")));
    if (!UseEnglish()) {
        QCOMPARE(UiMessage(nested),
                 QStringLiteral("Pressione massima: A -200,5 °C e 3000 bar assoluti l'azoto è "
                                "solido (pressione di fusione 1234,5 bar), la simulazione non può "
                                "partire"));
        QCOMPARE(UiMessage(file), QStringLiteral("Il file /tmp/100%1 riga,2.vlz non è un file di "
                                                 "simulazione valido (riga 12)."));
        return;
    }
    QCOMPARE(UiMessage(nested),
             QStringLiteral("Maximum pressure: At -200.5 °C and 3000 bar absolute nitrogen is "
                            "solid (melting pressure 1234.5 bar), the simulation cannot start"));
    QCOMPARE(UiMessage(file),
             QStringLiteral("The file /tmp/100%1 riga,2.vlz is not a valid simulation file (line "
                            "12)."));
}

// Boxes and tables show the language's decimal separator and read either;
// the simulation file is the same text whatever the language.
void LanguageTest::numbersShownInTheLanguageAndFilesAlike() {
    const QChar point = UseEnglish() ? QLatin1Char('.') : QLatin1Char(',');
    const QChar other = UseEnglish() ? QLatin1Char(',') : QLatin1Char('.');
    Shell shell(ProgramChildWindows());
    shell.main->show();
    shell.Button("Esempio")->trigger();
    auto* data =
        qobject_cast<DatiIniziali*>(shell.main->ShowChildWindow(QStringLiteral("DatiIniziali")));
    QVERIFY(data != nullptr);
    auto* volume = Named<QLineEdit>(data, QStringLiteral("TV0"));
    volume->clear();
    QTest::keyClicks(volume, QStringLiteral("1") + other + QStringLiteral("5"));
    QCOMPARE(volume->text(), QStringLiteral("1") + point + QStringLiteral("5"));
    CircuitData read = shell.state.Data;
    QVERIFY(data->ReadBoxes(read));
    QCOMPARE(read.V0, 1.5f);
    QCOMPARE(shell.dialogs.Messages().size(), size_t(0));
    // The gas model's boxes alike.
    QStringList shown;
    shell.dialogs.QueueModal([&](QDialog& dialog) {
        auto* low = Named<QLineEdit>(&dialog, QStringLiteral("TTMin"));
        low->clear();
        QTest::keyClicks(low, QStringLiteral("1") + other + QStringLiteral("5"));
        shown << Named<QLineEdit>(&dialog, QStringLiteral("TEsponente"))->text() << low->text();
        dialog.accept();
    });
    shell.Menu("mnuCalcoloModelloGas")->trigger();
    QCOMPARE(shown, QStringList({QStringLiteral("1") + point + QStringLiteral("4"),
                                 QStringLiteral("1") + point + QStringLiteral("5")}));
    QCOMPARE(shell.state.Gas.MinTemp, std::optional<double>(1.5));

    shell.Button("Simulazione")->trigger();
    shell.Button("Tabella")->trigger();
    const auto* table = Named<QTableView>(shell.main.get(), QStringLiteral("DataGrid1"));
    const QString time = table->model()->index(1, 0).data().toString();
    QCOMPARE(time, QStringLiteral("0") + point + QStringLiteral("1"));
    QVERIFY(!table->model()->index(1, 2).data().toString().contains(other));

    const QString path = shell.temp.filePath(QStringLiteral("language.vlz"));
    shell.dialogs.QueueFileName(path);
    shell.Menu("mnuFileSaveAs")->trigger();
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll().toStdString(), SimulationFileText(shell.state));
}

// The sizing window after a search: the answer the library words, its
// tables and explanations, all in the language with its decimal separator,
// and every Alt letter of the window used once.
void LanguageTest::sizingAnswerInTheLanguage() {
    Shell shell(ProgramChildWindows());
    shell.main->show();
    shell.Button("Esempio")->trigger();
    auto* window = qobject_cast<Dimensionamento*>(
        shell.main->ShowChildWindow(QStringLiteral("Dimensionamento")));
    QVERIFY(window != nullptr);
    Named<QLineEdit>(window, QStringLiteral("TP1"))->setText(QStringLiteral("60"));
    QVERIFY(window->Calculate());
    QVERIFY(QTest::qWaitFor([&] { return !window->Busy(); }, 20000));
    QVERIFY(window->Answer() && window->Answer()->Recommended);

    QStringList texts = Texts(*window);
    for (const QTableWidget* table : window->findChildren<QTableWidget*>()) {
        for (int r = 0; r < table->rowCount(); ++r) {
            for (int c = 0; c < table->columnCount(); ++c) {
                if (table->item(r, c) != nullptr) texts << table->item(r, c)->text();
            }
        }
    }
    texts << Named<QPlainTextEdit>(window, QStringLiteral("TSpiegazione"))->toPlainText();
    const QStringList found = Foreign(texts);
    QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
    if (UseEnglish()) {
        const QStringList commas = texts.filter(QRegularExpression(QStringLiteral("\\d,\\d")));
        QVERIFY2(commas.isEmpty(), qPrintable(commas.join(QLatin1Char('\n'))));
    }

    QStringList captions;
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        if (auto* label = qobject_cast<const QLabel*>(w)) captions << label->text();
        if (auto* button = qobject_cast<const QAbstractButton*>(w)) captions << button->text();
    }
    QVERIFY2(RepeatedMnemonics(captions).isEmpty(),
             qPrintable(RepeatedMnemonics(captions).join(' ')));
    QVERIFY(captions.filter(QStringLiteral("&")).size() >= 15);
}

QTEST_MAIN(LanguageTest)
#include "LanguageTest.moc"
