#include "tests/gui/GuiTesting.h"

#include <QMenuBar>
#include <QToolBar>

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

ChildWindows FakeChildWindows() {
    ChildWindows windows = ProgramChildWindows();
    windows.followMovementList = nullptr;
    windows.fillResultsTable = nullptr;
    windows.saveChartBitmap = nullptr;
    windows.printActiveWindow = nullptr;
    for (const char* name : {"InserimentoDati", "Grafico", "Tabella"}) {
        windows.factories[QString::fromLatin1(name)] = [name](CircuitState&, Dialogs&) {
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
    InitCircuitState(state);
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

}  // namespace volvenza::testing
