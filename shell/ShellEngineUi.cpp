#include "shell/ShellEngineUi.h"

#include <array>

#include <QCoreApplication>

#include "entry/DatiIniziali.h"
#include "platform/Dialogs.h"
#include "platform/UiMessage.h"
#include "shell/AvanzamentoSimulazione.h"
#include "shell/frmMain.h"

namespace volvenza {
namespace {
const QString kInitialDataWindow = QStringLiteral("DatiIniziali");
// The initial-data boxes in CircuitData order.
constexpr std::array<const char*, 7> kInitialDataBoxes = {"TV0", "TP0", "TTc", "TQp",
                                                          "TPm", "TDp", "TTT"};
// The windows over the movement list; the table first, so that it has the
// new list before the editor's own store of its page reaches it.
const QString kListWindows[] = {QStringLiteral("Ciclo"), QStringLiteral("InserimentoDati")};
}  // namespace

ShellEngineUi::ShellEngineUi(frmMain& main) : main_(main) {}

ShellEngineUi::~ShellEngineUi() {
    delete progress_;
}

bool ShellEngineUi::ReadInitialDataBoxes(CircuitData& data) {
    QWidget* window = main_.FindChildWindow(kInitialDataWindow);
    if (window == nullptr || !main_.Windows().readInitialData) return false;
    return main_.Windows().readInitialData(window, data);
}

void ShellEngineUi::WriteInitialDataBoxes(const CircuitData& data) {
    QWidget* window = main_.LoadChildWindow(kInitialDataWindow);
    if (window == nullptr || !main_.Windows().writeInitialData) return;
    main_.Windows().writeInitialData(window, data);
}

void ShellEngineUi::FocusInitialDataBox(int box) {
    if (box < 0 || box >= static_cast<int>(kInitialDataBoxes.size())) return;
    if (main_.FindChildWindow(kInitialDataWindow) == nullptr) return;
    auto* window = qobject_cast<DatiIniziali*>(main_.ShowChildWindow(kInitialDataWindow));
    if (window != nullptr) window->FocusBox(QString::fromLatin1(kInitialDataBoxes[box]));
}

void ShellEngineUi::ShowProgress() {
    delete progress_;
    progress_ = new AvanzamentoSimulazione(&main_);
    progress_->show();
    // The one chance the window gets to appear before the run takes the
    // thread. Clicks wait until the run is over, so a second "Simulazione"
    // cannot start a run inside this one.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    progress_->SetValue(0);
}

void ShellEngineUi::SetProgress(double percent) {
    if (progress_) progress_->SetValue(percent);
}

void ShellEngineUi::CloseProgress() {
    if (progress_) progress_->close();
    delete progress_;
}

MessageAnswer ShellEngineUi::ShowMessage(const Message& message, MessageIcon icon,
                                         MessageButtons buttons, const std::string& title) {
    return main_.DialogService().Message(UiMessage(message), icon, buttons,
                                         QString::fromStdString(title));
}

void ShellEngineUi::UpdateCommandState(int16_t code) {
    main_.UpdateCommandState(code);
    // Code 3 comes after a run and after a file is loaded: new results.
    QWidget* cycle = main_.FindChildWindow(kListWindows[0]);
    if (code == 3 && cycle != nullptr && main_.Windows().followResults) {
        main_.Windows().followResults(cycle);
    }
}

void ShellEngineUi::MovementListChanged() {
    for (const QString& name : kListWindows) {
        QWidget* window = main_.FindChildWindow(name);
        if (window != nullptr && main_.Windows().followMovementList) {
            main_.Windows().followMovementList(window);
        }
    }
}

void ShellEngineUi::MovementsEdited(const MovementEdit& edit) {
    for (const QString& name : kListWindows) {
        QWidget* window = main_.FindChildWindow(name);
        if (window != nullptr && main_.Windows().followMovementEdit) {
            main_.Windows().followMovementEdit(window, edit);
        }
    }
    main_.MovementsEdited(edit.continues);
}

}  // namespace volvenza
