#pragma once
// The dialog "Modello del gas": the law a run follows (classic, ideal gas,
// real nitrogen), its exponent, the thermal time constant, the temperature of
// the precharge and the lowest and highest working temperature of the
// envelope; and the project's vessels beside them: accumulators of V0 in
// parallel, gas bottles and the pump's volumetric efficiency. OK checks every
// box and names the first that is wrong.

#include <map>

#include <QDialog>

#include "analysis/GasModelText.h"
#include "engine/GasSettings.h"

class QLineEdit;
class QRadioButton;

namespace volvenza {

class Dialogs;
struct BoxRow;

class frmModelloGas : public QDialog {
    Q_OBJECT
  public:
    frmModelloGas(const GasSettings& settings, Dialogs& dialogs, QWidget* parent = nullptr);

    // The settings as accepted; the ones given until OK succeeds.
    const GasSettings& Settings() const { return settings_; }

    void accept() override;

  private:
    // The window's parts, top to bottom.
    void BuildLawChoice(const GasModelTexts& texts);
    void BuildGasBoxes(const GasModelTexts& texts);
    void BuildPlantBoxes(const Arrangement& vessels);
    void BuildButtons();
    // A caption and its box on `parent` (this window or a frame), at `top`
    // in twips, kept among boxes_.
    void AddBox(QWidget* parent, const BoxRow& row, const QString& text, int labelLeft, int boxLeft,
                int top);
    void FollowLaw();
    GasModelTexts Texts() const;

    Dialogs& dialogs_;
    GasSettings settings_;
    std::map<GasLawKind, QRadioButton*> laws_;
    QRadioButton* fast_ = nullptr;
    std::map<GasModelBox, QLineEdit*> boxes_;
};

}  // namespace volvenza
