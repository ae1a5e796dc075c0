#pragma once
// Dialogs for tests: records every exchange and answers from queues the test
// fills beforehand. With an empty queue a message is answered with its first
// button (OK or Yes), a file dialog with an empty name (Cancel), a printer
// dialog with Cancel, and a modal window is rejected.

#include <deque>
#include <functional>
#include <vector>

#include "platform/Dialogs.h"

namespace volvenza {

enum class DialogKind { Message, OpenFile, SaveFile, Printer, PageSetup, Modal };

struct DialogCall {
    DialogKind kind = DialogKind::Message;
    QString text{};  // message text; for a modal window its objectName
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    QString title{};  // message or dialog title
    QString filter{};
    QString fileName{};   // the starting file name handed to a file dialog
    int filterIndex = 0;  // the filter a file dialog starts with
};

class ScriptedDialogs : public Dialogs {
  public:
    void QueueAnswer(MessageAnswer answer) { answers_.push_back(answer); }
    // A save dialog returns the name as chosen under the filter at position
    // `filter`. When the file it names exists, the dialog's question is
    // answered from the answers' queue (Yes when it is empty); No takes the
    // next name queued, or Cancel when there is none.
    void QueueFileName(const QString& path, int filter = 0) {
        fileNames_.push_back(path);
        filters_.push_back(filter);
    }
    void QueuePrinterAccepted(bool accepted) { printerAnswers_.push_back(accepted); }
    // The action runs on the dialog instead of the event loop: it may type
    // into it and must end it with accept() or reject().
    void QueueModal(std::function<void(QDialog&)> action) { modals_.push_back(std::move(action)); }

    const std::vector<DialogCall>& Calls() const { return calls_; }
    // Only the message boxes, in order.
    std::vector<DialogCall> Messages() const;
    void ClearCalls() { calls_.clear(); }

    MessageAnswer Message(const QString& text, MessageIcon icon, MessageButtons buttons,
                          const QString& title = kDialogTitle) override;
    QString OpenFileName(const QString& title, const QString& filter,
                         const QString& fileName) override;
    QString SaveFileName(const QString& title, const QString& filter, const QString& fileName,
                         int* chosenFilter = nullptr, const SaveName& saveName = {}) override;
    bool PrinterDialog(QPrinter& printer, const QString& title, bool allowPageRange) override;
    bool PageSetupDialog(QPrinter& printer, const QString& title) override;
    int Exec(QDialog& dialog) override;

  private:
    QString NextFileName(int* filter = nullptr);
    bool NextPrinterAnswer();

    std::vector<DialogCall> calls_;
    std::deque<MessageAnswer> answers_;
    std::deque<QString> fileNames_;
    std::deque<int> filters_;
    std::deque<bool> printerAnswers_;
    std::deque<std::function<void(QDialog&)>> modals_;
};

}  // namespace volvenza
