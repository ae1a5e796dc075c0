#pragma once
// A page-printing surface for simple text reports: a font, a width rescaled
// to 100 units, a vertical position in twips, lines printed in print zones 14
// character widths apart from the left edge, new pages, pictures. The layout
// of print zones and lines is worked out here once; implementations only put
// text and pictures at positions.

#include <QImage>
#include <QString>
#include <QStringList>

namespace volvenza {

class PrinterSurface {
  public:
    virtual ~PrinterSurface() = default;

    virtual void SetFont(const QString& family, double points) = 0;
    // Horizontal positions become percentages of the printable width.
    virtual void ScaleWidthTo100() = 0;
    // Width of the text in the current font, in horizontal units.
    virtual double TextWidth(const QString& text) const = 0;
    // Height of one printed line in the current font, in twips.
    virtual double LineHeight() const = 0;
    // Printable height of a page, in twips; a line is on paper when its
    // bottom is no lower.
    virtual double PageHeight() const = 0;
    // Printable width of a page, in twips.
    virtual double PageWidth() const = 0;
    virtual void NewPage() = 0;
    // Paints the picture at the size its resolution gives it (never wider
    // than the page), its top at the current line, its left at the page's.
    virtual void PaintPicture(const QImage& picture) = 0;
    virtual void EndDoc() = 0;

    double CurrentX() const { return x_; }
    double CurrentY() const { return y_; }
    void SetCurrentX(double x) { x_ = x; }
    void SetCurrentY(double y) { y_ = y; }

    // Prints the items on the current line, the first at the current position
    // and each further one at the next print zone, then moves to the start of
    // the next line. No items prints a blank line.
    void Print(const QStringList& items = {});

  protected:
    // Puts text with its top left at (x, y): x in horizontal units, y in twips.
    virtual void DrawText(double x, double y, const QString& text) = 0;
    // Starts the next page at its top; the surface has moved to it.
    void ResetPosition() { x_ = y_ = 0; }

  private:
    double x_ = 0;
    double y_ = 0;
};

}  // namespace volvenza
