#include "tests/gui/GuiTesting.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>
#include <QVBoxLayout>

#include "entry/NumberText.h"

namespace volvenza::testing {

QObject* FindNamed(const QObject* parent, const QString& name, const char* typeName) {
    const QList<QObject*> all = parent->findChildren<QObject*>();
    for (QObject* object : all) {
        if (object->objectName() == name && object->inherits(typeName)) return object;
    }
    QStringList seen;
    for (QObject* object : all) {
        if (!object->objectName().isEmpty()) {
            seen << object->objectName() + QLatin1Char(':') + object->metaObject()->className();
        }
    }
    qFatal("no %s named '%s' under '%s'; found: %s", typeName, qPrintable(name),
           qPrintable(parent->objectName()), qPrintable(seen.join(QStringLiteral(", "))));
}

namespace {

const char* const kBoxes[] = {"TV0", "TP0", "TTc", "TQp", "TPm", "TDp", "TTT"};

float CircuitData::*const kFields[] = {&CircuitData::V0,       &CircuitData::P0, &CircuitData::Tc,
                                       &CircuitData::Qp,       &CircuitData::Pm, &CircuitData::Dp,
                                       &CircuitData::CycleTime};

class FakeInitialData : public QWidget {
  public:
    explicit FakeInitialData(CircuitState& state) : state_(state) {
        setObjectName(QStringLiteral("DatiIniziali"));
        setWindowTitle(QStringLiteral("Inizializzazione"));
        auto* layout = new QVBoxLayout(this);
        for (size_t i = 0; i < std::size(kBoxes); ++i) {
            auto* box = new QLineEdit(QString::fromStdString(FormatNumber(state.Data.*kFields[i])));
            box->setObjectName(QString::fromLatin1(kBoxes[i]));
            layout->addWidget(box);
        }
    }
    bool Read(CircuitData& data) const {
        for (size_t i = 0; i < std::size(kBoxes); ++i) {
            const auto* box = findChild<QLineEdit*>(QString::fromLatin1(kBoxes[i]));
            if (auto value = ParseSingle(box->text().toStdString())) data.*kFields[i] = *value;
        }
        return true;
    }
    void Write(const CircuitData& data) {
        for (size_t i = 0; i < std::size(kBoxes); ++i) {
            findChild<QLineEdit*>(QString::fromLatin1(kBoxes[i]))
                ->setText(QString::fromStdString(FormatNumber(data.*kFields[i])));
        }
    }

  protected:
    void closeEvent(QCloseEvent* event) override {
        Read(state_.Data);
        event->accept();
    }

  private:
    CircuitState& state_;
};

QWidget* Plain(const char* name) {
    auto* window = new QWidget;
    window->setObjectName(QString::fromLatin1(name));
    window->setWindowTitle(QString::fromLatin1(name));
    window->resize(200, 120);
    return window;
}

}  // namespace

ChildWindows FakeChildWindows() {
    ChildWindows windows;
    windows.factories[QStringLiteral("DatiIniziali")] = [](CircuitState& state, Dialogs&) {
        return new FakeInitialData(state);
    };
    windows.readInitialData = [](QWidget* window, CircuitData& data) {
        return static_cast<FakeInitialData*>(window)->Read(data);
    };
    windows.writeInitialData = [](QWidget* window, const CircuitData& data) {
        static_cast<FakeInitialData*>(window)->Write(data);
    };
    for (const char* name : {"InserimentoDati", "Grafico", "Tabella"}) {
        windows.factories[QString::fromLatin1(name)] = [name](CircuitState&, Dialogs&) {
            return Plain(name);
        };
    }
    return windows;
}

Shell::Shell(ChildWindows childWindows, QString folder)
    : temp(std::make_unique<QTemporaryDir>()), windows(std::move(childWindows)) {
    settingsFolder = folder.isEmpty() ? temp->filePath(QStringLiteral("settings")) : folder;
    systemRoot = temp->filePath(QStringLiteral("c"));
    settings = std::make_unique<SettingsStore>(settingsFolder);
    InitCircuitState(state);
    Open();
}

Shell::~Shell() {
    main.reset();
}

void Shell::Open() {
    main.reset();
    main = std::make_unique<frmMain>(ShellContext{state, *settings, dialogs, help, windows,
                                                  QStringLiteral("/opt/volvenza"), systemRoot});
}

void Shell::Close() {
    main->close();
}

QAction* Shell::Button(const char* key) const {
    return Named<QAction>(main->findChild<QToolBar*>(QStringLiteral("tbToolBar")),
                          QString::fromLatin1(key));
}

QAction* Shell::Menu(const char* name) const {
    return Named<QAction>(main->menuBar(), QString::fromLatin1(name));
}

}  // namespace volvenza::testing
