#include "tests/gui/GuiTesting.h"
#include "tests/gui/Vocabulary.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTabBar>
#include <QTableWidget>
#include <QTest>
#include <QToolBar>
#include <QXmlStreamReader>

namespace volvenza::testing {

QObject* FindNamed(const QObject* parent, const QString& name, const char* typeName) {
    QStringList seen;
    for (QObject* object : parent->findChildren<QObject*>()) {
        if (object->objectName() == name && object->inherits(typeName)) return object;
        if (!object->objectName().isEmpty()) seen << object->objectName();
    }
    qFatal("no %s named '%s' under '%s'; found: %s", typeName, qPrintable(name),
           qPrintable(parent->objectName()), qPrintable(seen.join(QStringLiteral(", "))));
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void WriteFile(const QString& path, const QByteArray& text) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        qFatal("cannot write %s", qPrintable(path));
}

QStringList BoxTexts(const QObject* parent, const QStringList& names) {
    QStringList texts;
    for (const QString& name : names) texts << Named<QLineEdit>(parent, name)->text();
    return texts;
}

QStringList OwnTexts(const QWidget& w) {
    QStringList texts;
    if (auto* label = qobject_cast<const QLabel*>(&w)) texts << label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(&w)) texts << button->text();
    if (auto* group = qobject_cast<const QGroupBox*>(&w)) texts << group->title();
    if (auto* menu = qobject_cast<const QMenu*>(&w)) texts << menu->title();
    const auto* combo = qobject_cast<const QComboBox*>(&w);
    for (int i = 0; combo && i < combo->count(); ++i) texts << combo->itemText(i);
    const auto* tabs = qobject_cast<const QTabBar*>(&w);
    for (int i = 0; tabs && i < tabs->count(); ++i) texts << tabs->tabText(i);
    const auto* header = qobject_cast<const QHeaderView*>(&w);
    for (int i = 0; header && header->model() && i < header->count(); ++i) {
        for (int role : {Qt::DisplayRole, Qt::ToolTipRole})
            texts << header->model()->headerData(i, header->orientation(), role).toString();
    }
    if (auto* table = qobject_cast<const QTableWidget*>(&w)) {
        for (const QTableWidgetItem* item : table->findItems("*", Qt::MatchWildcard))
            texts << item->text();
    }
    if (auto* text = qobject_cast<const QPlainTextEdit*>(&w)) texts << text->toPlainText();
    return texts;
}

void Retype(QLineEdit* box, const QString& text) {
    box->selectAll();
    // Emptied as a person empties it, by a key.
    if (text.isEmpty()) QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

int CountColour(const QImage& image, const QColor& colour) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    const auto* pixels = reinterpret_cast<const QRgb*>(argb.constBits());
    return int(std::count(pixels, pixels + argb.width() * argb.height(), colour.rgba()));
}

void SendMouse(QWidget* widget, QEvent::Type type, QPointF at, Qt::MouseButton button) {
    if (type == QEvent::MouseMove) button = Qt::NoButton;
    QMouseEvent event(type, at, widget->mapToGlobal(at), button, button, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

QWidget* TopLevel(const QString& name) {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == name && window->isVisible()) return window;
    return nullptr;
}

bool SearchEnds(Dimensionamento& window) {
    // Calcola comes back once the search is over.
    auto* calculate = Named<QPushButton>(&window, "CmdCalcola");
    return QTest::qWaitFor([calculate] { return calculate->isEnabled(); }, 20000);
}

bool Search(Dimensionamento& window) {
    // A search that starts takes Calcola away until it is over.
    window.Calculate();
    return !Named<QPushButton>(&window, "CmdCalcola")->isEnabled() && SearchEnds(window);
}

ChildWindows FakeChildWindows() {
    ChildWindows windows = ProgramChildWindows();
    windows.followMovementList = nullptr;
    windows.fillResultsTable = nullptr;
    windows.saveChartBitmap = nullptr;
    windows.printActiveWindow = nullptr;
    for (const char* name : {"InserimentoDati", "Grafico", "Tabella"}) {
        windows.factories[QString::fromLatin1(name)] = [name](Project&, Dialogs&) {
            auto* window = new QWidget;
            window->setObjectName(QString::fromLatin1(name));
            window->setWindowTitle(QString::fromLatin1(name));
            window->resize(200, 120);
            return window;
        };
    }
    return windows;
}

Shell::Shell(ChildWindows childWindows)
    : settings(temp.filePath(QStringLiteral("settings"))), windows(std::move(childWindows)) {
    Open();
}

void Shell::Open() {
    // The old window lets go of the state before the new one takes it.
    main.reset();
    main = std::make_unique<frmMain>(ShellContext{state, settings, dialogs, help, windows,
                                                  QStringLiteral("/opt/volvenza"),
                                                  temp.filePath(QStringLiteral("c"))});
}

QAction* Shell::Button(const char* key) const {
    return Named<QAction>(main->findChild<QToolBar*>(QStringLiteral("tbToolBar")),
                          QString::fromLatin1(key));
}

QAction* Shell::Menu(const char* name) const {
    return Named<QAction>(main->menuBar(), QString::fromLatin1(name));
}

namespace {

QSet<QString> Words(const QString& text, int shortest) {
    static const QRegularExpression word(
        QStringLiteral("(?<![\\w-])[A-Za-zÀ-ÿ]+(?:-[A-Za-zÀ-ÿ]+)*(?![\\w-])"));
    // Addresses, paths and keys (Ctrl+E) read the same in every language.
    static const QRegularExpression address(
        QStringLiteral("\\S+@\\S+|\\S+\\.com\\b|\\S*/\\S*|\\b(?:Ctrl|Alt|Shift)\\+\\S+"),
        QRegularExpression::CaseInsensitiveOption);
    QString plain = text;
    plain.remove(QLatin1Char('&')).remove(address);
    QSet<QString> words;
    for (const auto& match : word.globalMatch(plain))
        if (match.capturedLength() >= shortest) words.insert(match.captured().toLower());
    return words;
}

struct Vocabulary {
    QSet<QString> italian;
    QSet<QString> english;
};

Vocabulary ReadVocabulary() {
    QFile file(QStringLiteral(VOLVENZA_CATALOGUE));
    if (!file.open(QIODevice::ReadOnly)) qFatal("cannot read %s", VOLVENZA_CATALOGUE);
    QXmlStreamReader xml(&file);
    QSet<QString> sources, translations;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("source")) sources += Words(xml.readElementText(), 3);
        if (xml.name() == QLatin1String("translation"))
            translations += Words(xml.readElementText(), 3);
    }
    const QStringList italian =
        QStringLiteral(
            "il lo gli della delle degli dei che per sono di una con non nel nella alla viene "
            "anche quando si le la e è ogni oppure finestra pulsante")
            .split(QLatin1Char(' '));
    // Qt's dialogs' English, and the months of dates written the English way.
    const QStringList english =
        QStringLiteral(
            "abort advanced all apply back binding bottom cancel close collate color conflicts "
            "copies copy create current custom cut date delete details directory discard double "
            "envelope even executive files folder from grayscale height help ignore inches "
            "landscape layout left legal letter location long look margins modified name new odd "
            "of off open options order orientation page pages paper paste please portrait "
            "preview print printer printing properties range redo reset retry reverse right save "
            "select selection settings short side sided size source the to top type undo view "
            "width write yes jan may jun jul aug sep oct dec")
            .split(QLatin1Char(' '));
    // Neither may be a word the catalogue's other language uses too, nor one
    // both languages write alike.
    const QSet<QString> shared = {"ok", "no", "file", "pdf", "output", "plus", "pm", "come"};
    return {
        sources - translations + QSet<QString>(italian.begin(), italian.end()) - shared -
            translations,
        translations - sources + QSet<QString>(english.begin(), english.end()) - shared - sources};
}

}  // namespace

QStringList OtherLanguageTexts(const QStringList& texts, UiLanguage shown) {
    static const Vocabulary vocabulary = ReadVocabulary();
    const QSet<QString>& other =
        shown == UiLanguage::English ? vocabulary.italian : vocabulary.english;
    QStringList found;
    for (const QString& text : texts)
        if (Words(text, 1).intersects(other)) found << text;
    found.removeDuplicates();
    return found;
}

QStringList BalanceFigures(frmMain& main) {
    QStringList lines;
    QWidget* window = main.FindChildWindow("BilancioEnergetico");
    for (int r = 0; auto* value = window->findChild<QLabel*>(QString("LValore%1").arg(r)); ++r)
        lines << value->text();
    return lines;
}

bool NewestRecoveryPoint(Shell& shell, ProjectSnapshot& snapshot) {
    const RecoveryStore store(
        QFile::encodeName(shell.settings.Folder() + "/Recupero").toStdString());
    const auto points = store.List();
    return !points.empty() && store.Load(points.front(), snapshot);
}

}  // namespace volvenza::testing
