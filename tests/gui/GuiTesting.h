#pragma once
// Shared pieces of the window tests: finding widgets by name with a useful
// failure, a main window over scripted dialogs and a temporary settings
// folder, and stand-in child windows.

#include <memory>

#include <QAction>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QWidget>

#include "engine/CircuitState.h"
#include "platform/HelpViewer.h"
#include "platform/ScriptedDialogs.h"
#include "platform/SettingsStore.h"
#include "shell/ChildWindows.h"
#include "shell/frmMain.h"

namespace volvenza::testing {

// The descendant of `parent` with that objectName and type; on failure the
// message lists the names that were there.
QObject* FindNamed(const QObject* parent, const QString& name, const char* typeName);

template <class T>
T* Named(const QObject* parent, const QString& name) {
    return static_cast<T*>(FindNamed(parent, name, T::staticMetaObject.className()));
}

// A help viewer that records its calls.
class RecordingHelpViewer : public HelpViewer {
  public:
    std::optional<QString> Open(QWidget*, const QString& helpFile, HelpCommand command,
                                const QString& key) override {
        calls.push_back({helpFile, command, key});
        return failure;
    }
    struct Call {
        QString helpFile;
        HelpCommand command;
        QString key;
    };
    std::vector<Call> calls;
    std::optional<QString> failure;
};

// Stand-in child windows named like the real ones; the initial-data one has
// the seven boxes TV0..TTT and stores them on closing.
ChildWindows FakeChildWindows();

// A main window as the program opens it, over scripted dialogs, a recording
// help viewer and settings in a temporary folder.
struct Shell {
    explicit Shell(ChildWindows windows = FakeChildWindows(), QString settingsFolder = {});
    ~Shell();

    QAction* Button(const char* key) const;
    QAction* Menu(const char* name) const;
    void Open();
    void Close();

    std::unique_ptr<QTemporaryDir> temp;
    QString settingsFolder;
    QString systemRoot;
    CircuitState state;
    std::unique_ptr<SettingsStore> settings;
    ScriptedDialogs dialogs;
    RecordingHelpViewer help;
    ChildWindows windows;
    std::unique_ptr<frmMain> main;
};

}  // namespace volvenza::testing
