// The dialogs Qt draws for the program, opened for real through QtDialogs
// with the program's translations: the buttons and the file dialog are
// Italian, and the filters find every file.

#include <functional>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QHeaderView>
#include <QListView>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "platform/QtDialogs.h"
#include "platform/Translations.h"
#include "tests/gui/GuiTesting.h"
#include "tests/gui/Vocabulary.h"

using namespace volvenza;

namespace {

QStringList Texts(QWidget& widget) {
    QStringList texts = testing::OwnTexts(widget);
    // What a list shows about its rows (a heading is an item view too, over
    // the rows of the list it heads); the names themselves (column 0) are
    // the user's files, in whatever language they were named.
    const auto* view = qobject_cast<QAbstractItemView*>(&widget);
    const QAbstractItemModel* model =
        view && !qobject_cast<const QHeaderView*>(view) ? view->model() : nullptr;
    for (int row = 0; model != nullptr && row < model->rowCount(view->rootIndex()); ++row) {
        for (int column = 1; column < model->columnCount(view->rootIndex()); ++column)
            texts << model->index(row, column, view->rootIndex()).data().toString();
    }
    return texts;
}

// The texts of `dialog`'s visible buttons and labels that hold an English word.
QStringList EnglishTexts(QWidget& dialog) {
    QStringList texts{dialog.windowTitle()};
    for (QWidget* child : dialog.findChildren<QWidget*>())
        if (child->isVisibleTo(&dialog)) texts << Texts(*child);
    return testing::OtherLanguageTexts(texts, UiLanguage::Italian);
}

// Runs `check` on the next modal dialog once it is up; `check` ends it.
void WhenModal(std::function<void(QDialog&)> check) {
    auto* poll = new QTimer;
    poll->setInterval(20);
    QObject::connect(poll, &QTimer::timeout, [poll, check] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible()) return;
        poll->stop();
        poll->deleteLater();
        check(*dialog);
    });
    poll->start();
}

}  // namespace

class DialogsTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { QVERIFY(InstallItalianTranslations(*qApp)); }

    void messageBoxButtonsAreItalian() {
        QtDialogs dialogs;
        // The buttons' texts in order, the one pressed and the answer it gives.
        const std::tuple<MessageButtons, QStringList, QString, MessageAnswer> cases[] = {
            {MessageButtons::Ok, {"OK"}, "OK", MessageAnswer::Ok},
            {MessageButtons::OkCancel, {"Annulla", "OK"}, "Annulla", MessageAnswer::Cancel},
            {MessageButtons::YesNo, {"No", "Sì"}, "Sì", MessageAnswer::Yes},
        };
        for (const auto& [buttons, texts, press, answer] : cases) {
            QStringList shown;
            WhenModal([&shown, pressed = press](QDialog& box) {
                QAbstractButton* chosen = nullptr;
                for (QAbstractButton* button : box.findChildren<QAbstractButton*>()) {
                    shown << button->text().remove(QLatin1Char('&'));
                    if (shown.last() == pressed) chosen = button;
                }
                chosen->click();
            });
            QCOMPARE(dialogs.Message("Continuare?", MessageIcon::Question, buttons), answer);
            shown.sort();
            QCOMPARE(shown, texts);
        }
    }

    void fileDialogsAreItalianAndListEveryFile() {
        QTemporaryDir temp;
        for (const char* name : {"prova.vlz", "senza_estensione"})
            testing::WriteFile(temp.filePath(QString::fromLatin1(name)), {});
        QtDialogs dialogs;
        QStringList english, listedFirst, listedAll, filterNames;
        WhenModal([&](QDialog& dialog) {
            auto* types = dialog.findChild<QComboBox*>("fileTypeCombo");
            auto* list = dialog.findChild<QListView*>("listView");
            for (int i = 0; i < types->count(); ++i) filterNames << types->itemText(i);
            auto listed = [list] {
                QStringList names;
                const QModelIndex root = list->rootIndex();
                for (int row = 0; row < list->model()->rowCount(root); ++row)
                    names << list->model()->index(row, 0, root).data().toString();
                return names;
            };
            (void)QTest::qWaitFor([&] { return listed().contains("prova.vlz"); });
            listedFirst = listed();
            // The detail view, with sizes, types and dates, as well as the list.
            dialog.findChild<QAbstractButton*>("detailModeButton")->click();
            english = EnglishTexts(dialog);
            types->setCurrentIndex(1);
            emit types->activated(1);
            (void)QTest::qWaitFor([&] { return listed().contains("senza_estensione"); });
            listedAll = listed();
            dialog.findChild<QLineEdit*>("fileNameEdit")->setText("senza_estensione");
            dialog.accept();
        });
        const QString chosen = dialogs.OpenFileName(
            "Apri", "Volvenza (*.vlz)|*.vlz| Tutti i file (*.*)|*.* ", temp.filePath("prova.vlz"));
        QVERIFY2(english.isEmpty(), qPrintable(english.join(" | ")));
        QCOMPARE(filterNames, QStringList({"Volvenza (*.vlz)", "Tutti i file (*.*)"}));
        QVERIFY2(!listedFirst.contains("senza_estensione"), qPrintable(listedFirst.join(',')));
        QVERIFY2(listedAll.contains("prova.vlz"), qPrintable(listedAll.join(',')));
        QCOMPARE(chosen, temp.filePath("senza_estensione"));

        // The dialog starts on the filter asked for and tells the one chosen
        // by its place, whatever its text; a file that exists is asked about
        // before the dialog closes, and No, the answer Enter gives, leaves it open.
        int startedOn = -1;
        QStringList asked;
        bool openAfterNo = false;
        QString offeredAfterSwitch;
        auto answer = [&asked](const char* button) {
            WhenModal([&asked, button](QDialog& box) {
                asked << qobject_cast<QMessageBox*>(&box)->text();
                if (button == nullptr) QTest::keyClick(&box, Qt::Key_Return);
                for (QAbstractButton* b : box.findChildren<QAbstractButton*>())
                    if (button && b->text().remove('&') == QString::fromUtf8(button)) b->click();
            });
        };
        WhenModal([&](QDialog& dialog) {
            auto* types = dialog.findChild<QComboBox*>("fileTypeCombo");
            startedOn = types->currentIndex();
            types->setCurrentIndex(0);
            emit types->activated(0);
            // The name offered takes the extension of the filter chosen.
            offeredAfterSwitch = dialog.findChild<QLineEdit*>("fileNameEdit")->text();
            answer(nullptr);
            dialog.accept();
            openAfterNo = dialog.isVisible();
            answer("Sì");
            dialog.accept();
        });
        int chosenFilter = 1;
        const QString written = dialogs.SaveFileName(
            "Salva con nome",
            QStringLiteral("Volvenza (*.vlz)|*.vlz|Progetto Volvenza (*.vlzp)|*.vlzp| Tutti i file "
                           "(*.*)|*.* "),
            temp.filePath("prova.vlzp"), &chosenFilter,
            [](const QString& name, int filter) { return filter == 1 ? name + "p" : name; });
        QCOMPARE(startedOn, 1);
        QCOMPARE(chosenFilter, 0);
        QCOMPARE(written, temp.filePath("prova.vlz"));
        QVERIFY(openAfterNo);
        QCOMPARE(offeredAfterSwitch, "prova.vlz");
        QCOMPARE(asked,
                 QStringList(2, temp.filePath("prova.vlz") + "\nIl file esiste già. Sostituirlo?"));
    }
};

QTEST_MAIN(DialogsTest)
#include "DialogsTest.moc"
