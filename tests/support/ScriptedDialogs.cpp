#include "tests/support/ScriptedDialogs.h"

#include <QDialog>
#include <QFileInfo>

namespace volvenza {

std::vector<DialogCall> ScriptedDialogs::Messages() const {
    std::vector<DialogCall> messages;
    for (const DialogCall& call : calls_) {
        if (call.kind == DialogKind::Message) messages.push_back(call);
    }
    return messages;
}

MessageAnswer ScriptedDialogs::Message(const QString& text, MessageIcon icon,
                                       MessageButtons buttons, const QString& title) {
    calls_.push_back({DialogKind::Message, text, icon, buttons, title, {}, {}});
    if (!answers_.empty()) {
        const MessageAnswer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
}

QString ScriptedDialogs::NextFileName(int* filter) {
    if (fileNames_.empty()) return {};
    QString name = fileNames_.front();
    fileNames_.pop_front();
    if (filter != nullptr) *filter = filters_.front();
    filters_.pop_front();
    return name;
}

bool ScriptedDialogs::NextPrinterAnswer() {
    if (printerAnswers_.empty()) return false;
    const bool accepted = printerAnswers_.front();
    printerAnswers_.pop_front();
    return accepted;
}

QString ScriptedDialogs::OpenFileName(const QString& title, const QString& filter,
                                      const QString& fileName) {
    calls_.push_back(
        {.kind = DialogKind::OpenFile, .title = title, .filter = filter, .fileName = fileName});
    return NextFileName();
}

QString ScriptedDialogs::SaveFileName(const QString& title, const QString& filter,
                                      const QString& fileName, int* chosenFilter,
                                      const SaveName& saveName) {
    calls_.push_back({.kind = DialogKind::SaveFile,
                      .title = title,
                      .filter = filter,
                      .fileName = fileName,
                      .filterIndex = chosenFilter != nullptr ? *chosenFilter : 0});
    while (!fileNames_.empty()) {
        int chosen = 0;
        const QString name = NextFileName(&chosen);
        const QString target = saveName && !name.isEmpty() ? saveName(name, chosen) : name;
        const QFileInfo info(target);
        if (!target.isEmpty() && (info.exists() || info.isSymLink()) &&
            Message(ReplaceQuestion(target), MessageIcon::Exclamation, MessageButtons::YesNo,
                    title) != MessageAnswer::Yes) {
            continue;
        }
        if (chosenFilter != nullptr) *chosenFilter = chosen;
        return target;
    }
    return {};
}

bool ScriptedDialogs::PrinterDialog(QPrinter&, const QString& title, bool) {
    calls_.push_back({.kind = DialogKind::Printer, .title = title});
    return NextPrinterAnswer();
}

bool ScriptedDialogs::PageSetupDialog(QPrinter&, const QString& title) {
    calls_.push_back({.kind = DialogKind::PageSetup, .title = title});
    return NextPrinterAnswer();
}

int ScriptedDialogs::Exec(QDialog& dialog) {
    calls_.push_back(
        {.kind = DialogKind::Modal, .text = dialog.objectName(), .title = dialog.windowTitle()});
    if (modals_.empty()) {
        dialog.reject();
    } else {
        auto action = std::move(modals_.front());
        modals_.pop_front();
        action(dialog);
    }
    return dialog.result();
}

}  // namespace volvenza
