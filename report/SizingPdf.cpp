#include "report/SizingPdf.h"

#include <iostream>
#include <memory>

#include <QApplication>
#include <QFile>
#include <QPrinter>

#include "platform/Language.h"
#include "platform/Translations.h"
#include "report/PageIdentity.h"
#include "report/PdfReport.h"
#include "report/SizingReport.h"

namespace volvenza {

Status WriteSizingReportPdf(const std::string& path, const std::string& printHeader,
                            const std::string& design, const sizing::Requirements& req,
                            const sizing::SizingAnswer& answer, const CircuitData& data) {
    std::unique_ptr<QApplication> app;
    static int argc = 1;
    static char name[] = "volvenza-sim";
    static char* argv[] = {name, nullptr};
    if (QCoreApplication::instance() == nullptr) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        // Qt's own notes are no business of whoever reads the command's
        // messages; its fatal errors still show.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type == QtCriticalMsg || type == QtFatalMsg)
                std::cerr << text.toStdString() << '\n';
        });
        app = std::make_unique<QApplication>(argc, argv);
        SetUiLanguage(LanguageFromEnvironment());
        InstallTranslations(*app, CurrentUiLanguage());
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    SetDefaultPageMargins(printer);
    const PageIdentity identity{QString::fromStdString(printHeader),
                                QFile::decodeName(QByteArray::fromStdString(design)),
                                QDate::currentDate()};
    return WritePdfReport(QFile::decodeName(QByteArray::fromStdString(path)), printer,
                          [&](PrinterSurface& surface) {
                              IdentifiedSurface page(surface, IdentityLine(identity, data));
                              PrintSizingReport(page, QString(), req, answer, data);
                          });
}

}  // namespace volvenza
