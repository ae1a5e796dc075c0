#pragma once
// The line that says what a page is about, at the top of every page that is
// ours (the PDF exports, the sizing, energy and cycle pages): the print
// header, the design's file name, the date and the initial values, so a
// page handed over alone still names its design.

#include <QDate>
#include <QString>
#include <QStringList>

#include "engine/CircuitData.h"
#include "platform/PrinterSurface.h"

namespace volvenza {

struct PageIdentity {
    QString header;  // the user's print header, may be empty
    QString design;  // the design's file name, or the program's word for none
    QDate date;
};

// "Officina Rossi · pressa.vlz · 2026-12-07 · V0 10 dm3 · P0 60 bar ·
// Qp 30 dm3/min · Pm 80 bar · Dp 13 bar · tc 4,7 s"
QString IdentityLine(const PageIdentity& identity, const CircuitData& data);

// A page surface that starts every page with the identity line, in a small
// proportional face that shrinks to the printable width (on paper too
// narrow even so, it breaks between its parts), and gives the
// report the rest of the page below it: the report's positions, heights
// and pictures are those of that rest, so it breaks its pages as before.
// Horizontal units are hundredths of the printable width from the start.
class IdentifiedSurface : public PrinterSurface {
  public:
    IdentifiedSurface(PrinterSurface& paper, const QString& line);

    void SetFont(const QString& family, double points) override;
    void ScaleWidthTo100() override;
    double TextWidth(const QString& text) const override;
    double LineHeight() const override;
    double PageHeight() const override;
    double PageWidth() const override;
    void NewPage() override;
    void PaintPicture(const QImage& picture) override;
    void EndDoc() override;

  protected:
    void DrawText(double x, double y, const QString& text) override;

  private:
    void PrintIdentity();

    PrinterSurface& paper_;
    QStringList lines_;  // the line as it fits the width
    double points_ = 0;
    double top_ = 0;  // twips the line takes, a gap below it included
    // The report's font, set again after each identity line.
    QString family_;
    double reportPoints_ = 0;
};

}  // namespace volvenza
