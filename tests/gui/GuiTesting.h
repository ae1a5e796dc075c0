#pragma once
// Shared pieces of the window tests: finding widgets by name with a useful
// failure, and a main window over scripted dialogs and a temporary settings
// folder.

#include <memory>
#include <optional>

#include <QAction>
#include <QEvent>
#include <QImage>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QWidget>

#include "analysis/Dimensionamento.h"
#include "engine/CircuitState.h"
#include "platform/HelpViewer.h"
#include "platform/SettingsStore.h"
#include "shell/ChildWindows.h"
#include "shell/frmMain.h"
#include "tests/support/ScriptedDialogs.h"

namespace volvenza::testing {

// The descendant of `parent` with that objectName and type; on failure the
// message lists the names that were there.
QObject* FindNamed(const QObject* parent, const QString& name, const char* typeName);

template <class T>
T* Named(const QObject* parent, const QString& name) {
    return static_cast<T*>(FindNamed(parent, name, T::staticMetaObject.className()));
}

// A whole file ("<missing>" when it cannot be read), and one written with
// its folder.
QByteArray ReadFile(const QString& path);
void WriteFile(const QString& path, const QByteArray& text);

// The texts of the boxes of those names.
QStringList BoxTexts(const QObject* parent, const QStringList& names);

// The texts a widget shows itself: a label's, a button's, a frame's or a
// menu's title, a list's choices, tabs, headings with their tooltips, a
// table's cells, a text's lines (not its children's, nor its title).
QStringList OwnTexts(const QWidget& widget);

// Replaces a box's text by typing over it.
void Retype(QLineEdit* box, const QString& text);

// Pixels of exactly this colour.
int CountColour(const QImage& image, const QColor& colour);

// A mouse event sent straight to the widget at a point in its own pixels,
// whatever the screen's scaling; a move carries no button.
void SendMouse(QWidget* widget, QEvent::Type type, QPointF at,
               Qt::MouseButton button = Qt::LeftButton);

// The visible top-level window of that name, or null.
QWidget* TopLevel(const QString& name);

// Starts the sizing window's search and waits for its end.
bool SearchEnds(Dimensionamento& window);
bool Search(Dimensionamento& window);

// A help viewer that opens nothing but keeps the page or key asked for
// last, and fails with `failure` when set.
class RecordingHelpViewer : public HelpViewer {
  public:
    Status Open(QWidget*, const QString&, HelpCommand command, const QString& key) override {
        asked = {command, key};
        return failure ? Status(*failure) : Status(Done{});
    }
    std::optional<Message> failure;
    std::pair<HelpCommand, QString> asked{};
};

// The real initial-data window, and plain stand-ins named like the other
// child windows with no hooks behind them.
ChildWindows FakeChildWindows();

// A main window as the program opens it, over scripted dialogs, a recording
// help viewer and settings in a temporary folder.
struct Shell {
    explicit Shell(ChildWindows windows = FakeChildWindows());

    QAction* Button(const char* key) const;
    QAction* Menu(const char* name) const;
    // A new main window over the same state and settings.
    void Open();
    void Close() { main->close(); }
    // A command whose file dialog is answered with `file`.
    void WithFile(QAction* command, const QString& file) {
        dialogs.QueueFileName(file);
        command->trigger();
    }
    // A command whose question is answered with `answer`.
    void Answering(QAction* command, MessageAnswer answer) {
        dialogs.QueueAnswer(answer);
        command->trigger();
    }
    // The example loaded and run, as its two toolbar buttons do it.
    void RunExample() const {
        Button("Esempio")->trigger();
        Button("Simulazione")->trigger();
    }

    QTemporaryDir temp;
    CircuitState state;
    SettingsStore settings;
    ScriptedDialogs dialogs;
    RecordingHelpViewer help;
    ChildWindows windows;
    std::unique_ptr<frmMain> main;
};

// The energy balance window's figures, one value each.
QStringList BalanceFigures(frmMain& main);
// The newest recovery point in the program's folder.
bool NewestRecoveryPoint(Shell& shell, ProjectSnapshot& snapshot);

}  // namespace volvenza::testing
