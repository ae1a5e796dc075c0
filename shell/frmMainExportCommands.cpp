// The main window's exports for other programs: the printed pages of the
// active window as a PDF file, and every result point as a CSV file.

#include <QFile>
#include <QPrinter>

#include "documents/ResultsCsv.h"
#include "platform/Dialogs.h"
#include "platform/Language.h"
#include "platform/UiMessage.h"
#include "platform/UiText.h"
#include "shell/CommandScope.h"
#include "shell/frmMain.h"

namespace volvenza {
namespace {

constexpr UiText kPdfFilter{
    "volvenza::frmMain",
    QT_TRANSLATE_NOOP("volvenza::frmMain", "PDF (*.pdf)|*.pdf| Tutti i file (*.*)|*.* ")};
constexpr UiText kCsvFilter{
    "volvenza::frmMain",
    QT_TRANSLATE_NOOP("volvenza::frmMain", "CSV (*.csv)|*.csv| Tutti i file (*.*)|*.* ")};
constexpr UiText kPdfTitle{"volvenza::frmMain",
                           QT_TRANSLATE_NOOP("volvenza::frmMain", "Esporta PDF")};
constexpr UiText kCsvTitle{"volvenza::frmMain",
                           QT_TRANSLATE_NOOP("volvenza::frmMain", "Esporta CSV")};
constexpr UiText kNothingToExport{
    "volvenza::frmMain",
    QT_TRANSLATE_NOOP(
        "volvenza::frmMain",
        "Per esportare in PDF attivare la finestra da stampare: dati iniziali, movimenti, tabella "
        "o grafico.")};

QString SaveFailed(const QString& path) {
    return QCoreApplication::translate("volvenza::frmMain", "Impossibile salvare il file %1.")
        .arg(path);
}

}  // namespace

void frmMain::ExportPdf(Origin origin) {
    CommandScope step(context_.dialogs, origin);
    bool stopped = false;
    step([&] { stopped = StoppedByDraft(DraftStops::Export); });
    if (stopped) return;
    QWidget* window = ActiveChildWindow();
    if (!context_.windows.printsReport || !context_.windows.printsReport(window)) {
        step([&] {
            context_.dialogs.Message(kNothingToExport, MessageIcon::Information,
                                     MessageButtons::Ok);
        });
        return;
    }
    QString chosen;
    step([&] {
        chosen = context_.dialogs.SaveFileName(
            kPdfTitle, kPdfFilter, ExportOffer("pdf"), nullptr,
            [](const QString& name, int) { return ExportName(name, "pdf"); });
    });
    if (chosen.isEmpty()) return;
    step.OnFailure(SaveFailed(chosen));
    step([&] {
        if (!context_.windows.exportWindowPdf) return;
        // The pages as the page set-up left them; no printer dialog.
        const Status written = context_.windows.exportWindowPdf(
            chosen, Printer(), context_.state, printHeader_, DesignName(), ResultsNote(),
            EnergyInputsNow(), *window);
        if (!written) {
            context_.dialogs.Message(UiMessage(written.Error()), MessageIcon::Exclamation,
                                     MessageButtons::Ok);
        }
    });
}

void frmMain::ExportCsv(Origin origin) {
    CommandScope step(context_.dialogs, origin);
    bool stopped = false;
    step([&] { stopped = StoppedByDraft(DraftStops::Export); });
    if (stopped) return;
    QString chosen;
    step([&] {
        chosen = context_.dialogs.SaveFileName(
            kCsvTitle, kCsvFilter, ExportOffer("csv"), nullptr,
            [](const QString& name, int) { return ExportName(name, "csv"); });
    });
    if (chosen.isEmpty()) return;
    step.OnFailure(SaveFailed(chosen));
    step([&] {
        const std::string path = QFile::encodeName(chosen).toStdString();
        const Status saved =
            ExportResultsCsv(context_.state, path, ResultsCsvFormat(UiDecimalSeparator()),
                             ResultsNote().toStdString());
        if (!saved) {
            context_.dialogs.Message(UiMessage(saved.Error()), MessageIcon::Exclamation,
                                     MessageButtons::Ok);
        }
    });
}

}  // namespace volvenza
