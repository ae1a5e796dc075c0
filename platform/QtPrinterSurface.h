#pragma once

#include <QFont>
#include <QPainter>

#include "platform/PrinterSurface.h"

class QPagedPaintDevice;

namespace volvenza {

// Prints on a paged device: a QPrinter (a real printer or a PDF file) or a
// QPdfWriter. When the device cannot be opened every operation does nothing,
// so a report that fails simply stops putting anything on paper.
class QtPrinterSurface : public PrinterSurface {
  public:
    explicit QtPrinterSurface(QPagedPaintDevice& printer);
    ~QtPrinterSurface() override;

    void SetFont(const QString& family, double points) override;
    void ScaleWidthTo100() override;
    double TextWidth(const QString& text) const override;
    double LineHeight() const override;
    double PageHeight() const override;
    double PageWidth() const override;
    void NewPage() override;
    void PaintPicture(const QImage& picture) override;
    void EndDoc() override;

    bool IsActive() const { return painter_.isActive(); }

  protected:
    void DrawText(double x, double y, const QString& text) override;

  private:
    double DevicePerTwip() const;
    double Resolution() const;

    QPagedPaintDevice& printer_;
    QPainter painter_;
    QFont font_;
    double devicePerUnitX_ = 1;  // device pixels per horizontal unit
};

}  // namespace volvenza
