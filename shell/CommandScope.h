#pragma once
// Shared by the main window's command files: the failure rule a command's
// steps run under, and the names the program's own formats are saved under.

#include <utility>

#include <QFileInfo>
#include <QString>

#include "documents/FileKinds.h"
#include "platform/Dialogs.h"
#include "platform/UiText.h"
#include "shell/frmMain.h"

namespace volvenza {

inline constexpr UiText kUnknownFailure{
    "volvenza::frmMain",
    QT_TRANSLATE_NOOP("volvenza::frmMain", "Si è verificato un errore imprevisto.")};

// `path` with ".extension" added when its name has none: a PDF, CSV or
// project saved as "grafico" becomes "grafico.pdf", not a file nothing opens.
inline QString WithExtension(const QString& path, const char* extension) {
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty()) return path;
    const QString dot = path.endsWith(QLatin1Char('.')) ? QString() : QStringLiteral(".");
    return path + dot + QLatin1String(extension);
}

// An export's file: the work's own name proposed with the export's extension,
// and a chosen name of the program's own documents (.vlz, .vlzp, .txt)
// given the export's extension after it, so that an export never writes
// over the work it came from.
inline QString ExportProposal(const QString& path, const char* extension) {
    const QFileInfo info(path);
    if (path.isEmpty() || info.suffix().isEmpty()) return path;
    return info.path() + QLatin1Char('/') + info.completeBaseName() + QLatin1Char('.') +
           QLatin1String(extension);
}
inline QString ExportName(const QString& chosen, const char* extension) {
    const QString suffix = QFileInfo(chosen).suffix().toLower();
    if (suffix == QLatin1String(kSimulationFile.extension) ||
        suffix == QLatin1String(kProjectFile.extension) || suffix == QLatin1String("txt")) {
        return chosen + QLatin1Char('.') + QLatin1String(extension);
    }
    return WithExtension(chosen, extension);
}

// Runs the steps of one command under the failure rule of its origin. A step
// that fails shows the command's own Italian message, never the text of
// whatever went wrong inside it: that text is for programmers, and a message
// such as "basic_string::_M_create" tells the user nothing.
class CommandScope {
  public:
    using Origin = frmMain::Origin;
    CommandScope(Dialogs& dialogs, Origin origin, QString failure = kUnknownFailure)
        : dialogs_(dialogs), origin_(origin), failure_(std::move(failure)) {}

    // The message for a failure of the steps that follow, once the command
    // knows what it works on (the file chosen, for example).
    void OnFailure(QString failure) { failure_ = std::move(failure); }

    template <class Step>
    void operator()(Step&& step) {
        if (failed_) return;
        try {
            step();
        } catch (...) {
            Failed();
        }
    }

  private:
    void Failed() {
        if (origin_ == Origin::ToolBar) return;
        failed_ = true;
        dialogs_.Message(failure_, MessageIcon::Critical, MessageButtons::Ok);
    }

    Dialogs& dialogs_;
    Origin origin_;
    QString failure_;
    bool failed_ = false;
};

}  // namespace volvenza
