#pragma once
// Shared by the main window's command files: the failure rule a command's
// steps run under.

#include <exception>

#include <QString>

#include "platform/Dialogs.h"
#include "shell/frmMain.h"

namespace volvenza {

inline const QString kUnknownFailure = QStringLiteral("Si è verificato un errore imprevisto.");

// Runs the steps of one command under the failure rule of its origin.
class CommandScope {
  public:
    using Origin = frmMain::Origin;
    CommandScope(Dialogs& dialogs, Origin origin) : dialogs_(dialogs), origin_(origin) {}

    template <class Step>
    void operator()(Step&& step) {
        if (failed_) return;
        try {
            step();
        } catch (const std::exception& failure) {
            Failed(QString::fromLocal8Bit(failure.what()));
        } catch (...) {
            Failed(kUnknownFailure);
        }
    }

  private:
    void Failed(const QString& description) {
        if (origin_ == Origin::ToolBar) return;
        failed_ = true;
        dialogs_.Message(description, MessageIcon::Critical, MessageButtons::Ok);
    }

    Dialogs& dialogs_;
    Origin origin_;
    bool failed_ = false;
};

}  // namespace volvenza
