#include "report/PdfReport.h"

#include <QBuffer>
#include <QFile>
#include <QPdfWriter>
#include <QPrinter>

#include "documents/AtomicFile.h"
#include "platform/QtPrinterSurface.h"

namespace volvenza {
namespace {

Message SaveFailed(const QString& path) {
    return SaveFailedMessage(QFile::encodeName(path).toStdString());
}

}  // namespace

void SetDefaultPageMargins(QPrinter& printer) {
    constexpr double kMarginMm = 15;
    printer.setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                           QPageLayout::Millimeter);
}

Status WritePdfReport(const QString& path, const QPrinter& printer,
                      const std::function<void(PrinterSurface&)>& report) {
    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        // The printer's resolution too: fonts are measured at it, so lines
        // and pages break as they would on its paper.
        writer.setResolution(printer.resolution());
        writer.setCreator(QStringLiteral("Volvenza"));
        writer.setPageLayout(printer.pageLayout());
        QtPrinterSurface surface(writer);
        if (!surface.IsActive()) return SaveFailed(path);
        report(surface);
    }
    if (pdf.isEmpty()) return SaveFailed(path);
    const std::string file = QFile::encodeName(path).toStdString();
    return WriteFileAtomically(file, std::string_view(pdf.constData(), pdf.size()));
}

Status ExportWindowPdf(const QString& path, const QPrinter& printer, const CircuitState& state,
                       const PageIdentity& identity, const WindowReport& report) {
    return WritePdfReport(path, printer, [&](PrinterSurface& surface) {
        PrintWindowReport(surface, state, identity, report, true);
    });
}

Status ExportWholeReportPdf(const QString& path, const QPrinter& printer, const CircuitState& state,
                            const PageIdentity& identity, const ChartShown& chart,
                            const QString& origin, const std::optional<EnergyInputs>& energy) {
    return WritePdfReport(path, printer, [&](PrinterSurface& surface) {
        IdentifiedSurface page(surface, IdentityLine(identity, state.Data));
        PrintWholeReport(page, state, QString(), chart, origin, energy);
    });
}

}  // namespace volvenza
