#pragma once
// The engine's window contacts, served by the main window: the initial-data
// boxes of the DatiIniziali child window, the progress window of a run, the
// message boxes, the command state and the open windows over the movement
// list.

#include <QPointer>

#include "engine/EngineUi.h"

namespace volvenza {

class AvanzamentoSimulazione;
class frmMain;

class ShellEngineUi : public EngineUi {
  public:
    explicit ShellEngineUi(frmMain& main);
    ~ShellEngineUi() override;

    bool ReadInitialDataBoxes(CircuitData& data) override;
    void WriteInitialDataBoxes(const CircuitData& data) override;
    void FocusInitialDataBox(int box) override;
    void ShowProgress() override;
    void SetProgress(double percent) override;
    void CloseProgress() override;
    MessageAnswer ShowMessage(const Message& message, MessageIcon icon, MessageButtons buttons,
                              const std::string& title) override;
    void UpdateCommandState(int16_t code) override;
    void MovementListChanged() override;
    void MovementsEdited(const MovementEdit& edit) override;

  private:
    frmMain& main_;
    QPointer<AvanzamentoSimulazione> progress_;
};

}  // namespace volvenza
