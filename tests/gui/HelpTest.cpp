// The help in both languages: the English pages mirror the Italian ones, every
// link and keyword leads to a page and anchor that exist, no Italian is left
// in the English text, and the help window opens the contents of the
// interface's language.

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>

#include "platform/HelpWindow.h"
#include "platform/Language.h"
#include "tests/gui/GuiTesting.h"
#include "tests/gui/Vocabulary.h"

using namespace volvenza;
using namespace volvenza::testing;

namespace {

QString Read(const QString& path) {
    return QString::fromUtf8(testing::ReadFile(path));
}

QStringList Pages(const QString& folder) {
    return QDir(folder).entryList({"*.html"}, QDir::Files, QDir::Name);
}

QStringList Captures(const QString& text, const QString& pattern) {
    QStringList found;
    for (const auto& match : QRegularExpression(pattern).globalMatch(text))
        found << match.captured(1);
    return found;
}

QStringList Anchors(const QString& html) {
    return Captures(html, QStringLiteral(R"re(<a name="([^"]+)")re"));
}

// An empty string when `target` ("page.html#anchor", relative to `folder`)
// names a file that exists and, with an anchor, an anchor in it; otherwise
// what is wrong.
QString BrokenTarget(const QString& folder, const QString& target) {
    const QString file = target.section(QLatin1Char('#'), 0, 0);
    const QString anchor = target.section(QLatin1Char('#'), 1);
    const QString path = file.isEmpty() ? QString() : QDir::cleanPath(folder + file);
    if (!file.isEmpty() && !QFile::exists(path)) return target + QStringLiteral(": no such file");
    if (!anchor.isEmpty() && !Anchors(Read(path)).contains(anchor))
        return target + QStringLiteral(": no such anchor");
    return {};
}

// The words a reader of the page sees, in lower case between single spaces,
// without the program's own texts quoted in them.
QString ReadableWords(const QString& html) {
    QString text = html;
    // Names as the program or the system spells them (a folder, a file).
    text.replace(QRegularExpression("<code>[^<]*</code>|<[^>]*>|&\\w+;"), " ");
    text.replace(QRegularExpression("“[^”]*”|«[^»]*»|\"[^\"]*\""), " ");
    text.replace(QRegularExpression(QStringLiteral(R"re([\s.,;:()!?]+)re")), " ");
    return QLatin1Char(' ') + text.toLower() + QLatin1Char(' ');
}

}  // namespace

class HelpTest : public QObject {
    Q_OBJECT
  private slots:
    void englishPagesMirrorTheItalianOnesWithoutItalianText() {
        const QString italian = HelpFolder(UiLanguage::Italian);
        const QString english = HelpFolder(UiLanguage::English);
        QVERIFY(Pages(italian).size() >= 10);
        QCOMPARE(Pages(english), Pages(italian));
        const QStringList files = Pages(italian) << QStringLiteral("keywords.txt");
        for (const QString& page : files) {
            // The keywords' pages and anchors are file names, the same in both.
            static const QRegularExpression target("\\|[^\\n]*");
            const QString words = ReadableWords(Read(english + page).remove(target));
            QVERIFY(words.size() > 100);
            const QString foreign =
                testing::OtherLanguageTexts(words.split(' '), UiLanguage::English).join(' ');
            QVERIFY2(foreign.isEmpty(), qPrintable(page + QStringLiteral(": ") + foreign));
            if (page.endsWith(".txt")) continue;
            QCOMPARE(Anchors(Read(english + page)), Anchors(Read(italian + page)));
            // The same links, so that no page is out of reach in one language
            // (the contents above all); the style sheet is the Italian pages' own.
            auto links = [](const QString& html) {
                QStringList found = Captures(html, QStringLiteral("href=\"([^\"]+)\""));
                found.removeIf([](const QString& link) { return link.endsWith("stile.css"); });
                return found;
            };
            QCOMPARE(links(Read(english + page)), links(Read(italian + page)));
        }
    }

    void linksAndKeywordsLeadToExistingAnchors() {
        for (const UiLanguage language : {UiLanguage::Italian, UiLanguage::English}) {
            const QString folder = HelpFolder(language);
            for (const QString& page : Pages(folder)) {
                const QString html = Read(folder + page);
                for (const QString& target : Captures(html, "(?:href|src)=\"([^\"]+)\"")) {
                    const QString resolved =
                        target.startsWith(QLatin1Char('#')) ? page + target : target;
                    const QString broken = BrokenTarget(folder, resolved);
                    QVERIFY2(broken.isEmpty(), qPrintable(folder + page + " links to " + broken));
                }
            }
            int keywords = 0;
            for (const QString& line : Read(folder + "keywords.txt").split(QLatin1Char('\n'))) {
                if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
                const QString broken = BrokenTarget(folder, line.section(QLatin1Char('|'), 1));
                QVERIFY2(line.count(QLatin1Char('|')) == 1 && broken.isEmpty(),
                         qPrintable(folder + "keywords.txt: " + line + " " + broken));
                ++keywords;
            }
            QVERIFY(keywords > 50);
        }
    }

    // F1 opens the help at the page of the window in front.
    void f1OpensTheActiveWindowsPage() {
        Shell shell;
        shell.main->show();
        QVERIFY(QTest::qWaitForWindowActive(shell.main.get()));
        for (const char* window : {"", "Grafico", "Ciclo"}) {
            if (*window != '\0') shell.main->ShowChildWindow(QString::fromLatin1(window));
            QTest::keyClick(shell.main.get(), Qt::Key_F1);
            QCOMPARE(shell.help.asked.second, *window == '\0'  ? "finestra_principale.html"
                                              : *window == 'G' ? "grafico.html"
                                                               : "movimenti.html#ciclo");
        }
        QCOMPARE(shell.help.asked.first, HelpCommand::Page);
        // In a dialog, whose keys the main window does not see, the dialog's page.
        for (const auto& [menu, page] : {std::pair{"mnuViewOptions", "stampa.html#opzioni"},
                                         {"mnuCalcoloModelloGas", "modello_gas.html#campi"}}) {
            shell.dialogs.QueueModal([](QDialog& dialog) {
                dialog.show();
                QApplication::setActiveWindow(&dialog);
                QTest::keyClick(dialog.focusWidget() ? dialog.focusWidget() : &dialog, Qt::Key_F1);
                dialog.reject();
            });
            shell.Menu(menu)->trigger();
            QCOMPARE(shell.help.asked.second, page);
        }
    }

    void helpWindowFollowsTheLanguage() {
        for (const auto& [language, contents] :
             {std::pair{UiLanguage::English, "Contents"}, {UiLanguage::Italian, "Sommario"}}) {
            SetUiLanguage(language);
            ResourceHelpViewer viewer("VOLVENZA.HLP");
            QVERIFY(viewer.Open(nullptr, "VOLVENZA.HLP", HelpCommand::Contents, {}));
            HelpWindow* window = viewer.Window();
            QVERIFY(window->isVisible());
            QVERIFY(Named<QTextBrowser>(window, "HelpPage")
                        ->toPlainText()
                        .contains(QString::fromLatin1(contents)));
            QVERIFY(viewer.Open(nullptr, "VOLVENZA.HLP", HelpCommand::Page, "grafico.html"));
            QCOMPARE(Named<QTextBrowser>(window, "HelpPage")->source().fileName(), "grafico.html");
            // A section opened with the window lands where it does once open.
            delete window;
            QVERIFY(
                viewer.Open(nullptr, "VOLVENZA.HLP", HelpCommand::Page, "movimenti.html#ciclo"));
            QScrollBar* bar = Named<QTextBrowser>(viewer.Window(), "HelpPage")->verticalScrollBar();
            QTest::qWait(50);
            const int first = bar->value();
            QVERIFY(
                viewer.Open(nullptr, "VOLVENZA.HLP", HelpCommand::Page, "movimenti.html#ciclo"));
            QCOMPARE(first, bar->value());
        }
    }
};

QTEST_MAIN(HelpTest)
#include "HelpTest.moc"
