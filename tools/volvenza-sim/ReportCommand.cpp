// The whole report as a PDF, laid out with Qt on its offscreen platform so
// that no display is needed.

#include "tools/volvenza-sim/ReportCommand.h"

#include <iostream>

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>

#include "documents/DesignFile.h"
#include "documents/SimulationFile.h"
#include "engine/CircuitState.h"
#include "platform/Translations.h"
#include "report/PdfReport.h"
#include "report/PrintReport.h"
#include "report/SizingPdf.h"
#include "tools/volvenza-sim/RunOptions.h"
#include "tools/volvenza-sim/SimText.h"
#include "tools/volvenza-sim/SimUsage.h"
#include "tools/volvenza-sim/SizingPdf.h"
#include "views/ChartPainting.h"

namespace volvenza {
int RunReportCommand(const std::vector<std::string>& args) {
    for (const std::string& a : args) {
        if (a.starts_with("--")) return RefuseArguments(OptionNotTaken("report", a), "report");
    }
    if (args.size() != 2) {
        std::cerr << *CommandUsage("report");
        return kExitUsage;
    }
    const std::string& in = args[0];
    const std::string& out = args[1];
    if (Status names = CheckFileNames(in, {out}); !names) {
        std::cerr << SimMessage(names.Error()) << '\n';
        return 64;
    }
    if (IsProjectPath(in)) {
        return RefuseArguments(Message(MessageId::ReportNeedsResults, {MsgVerbatim(in)}), "report");
    }
    CircuitState state;
    InitCircuitState(state);
    if (Status read = LoadSimulationFile(state, in); !read) {
        std::cerr << SimMessage(read.Error()) << '\n';
        return 2;
    }

    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's own notes (a missing runtime folder, ...) are no business of
    // whoever reads this command's messages; its fatal errors still show.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << text.toStdString() << '\n';
    });
    int argc = 1;
    char name[] = "volvenza-sim";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    // The pages in the language of the run, as the windows would print them.
    InstallTranslations(app, LanguageFromEnvironment());
    // The chart as its window shows it on opening: the full view.
    const ChartShown chart(FullView(state));
    // The page set-up of a printer nobody has changed.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    SetDefaultPageMargins(printer);
    const QString path = QFile::decodeName(QByteArray::fromStdString(out));
    // Every page names the design by its file, as an export from the window does.
    const PageIdentity identity{
        QString(), QFileInfo(QFile::decodeName(QByteArray::fromStdString(in))).fileName(),
        QDate::currentDate()};
    // A simulation file does not say which gas law produced its results.
    if (const Status written = ExportWholeReportPdf(
            path, printer, state, identity, chart,
            QString::fromStdString(SimTemplate(
                SIM_TEXT("volvenza-sim",
                         "Risultati letti dal file (la legge del gas non vi è registrata)"))),
            EnergyInputs{});
        !written) {
        std::cerr << SimMessage(written.Error()) << '\n';
        return 2;
    }
    return 0;
}

Status WriteSizingPdf(const std::string& path, const std::string& printHeader,
                      const std::string& design, const sizing::Requirements& req,
                      const sizing::SizingAnswer& answer, const CircuitData& data) {
    return WriteSizingReportPdf(path, printHeader, design, req, answer, data);
}

}  // namespace volvenza
