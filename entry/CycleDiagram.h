#pragma once
// The timing diagram of the cycle window (its picture is the printout's
// too), after a run with that run's pressure P(t). When the lanes do not all
// fit, they show the movements from the table's first visible row on. The
// pointer over a bar or a curve says what is there, and a click on a bar
// reports its row.

#include <vector>

#include <QString>

#include "engine/CircuitData.h"
#include "platform/DrawingSurface.h"
#include "views/CycleDiagramPicture.h"

namespace volvenza {

class CycleTableModel;

class CycleDiagram : public DrawingArea {
    Q_OBJECT

  public:
    explicit CycleDiagram(const CycleTableModel& model, QWidget* parent = nullptr);

    // The cycle time and pump delivery to draw with.
    void SetInitialData(const CircuitData& data);
    // Draws everything again from the list and the last results.
    void Redraw();
    // The lanes start at this row when they do not all fit.
    void ShowRowsFrom(int row);
    // Rows whose bars are outlined as selected.
    void SetSelectedRows(std::vector<int> rows);

    int LaneCount() const { return picture_.LaneCount(); }
    // The row whose bar lies under the pixel, or -1.
    int BarAt(QPointF pixel) const { return picture_.BarAt(pixel); }
    // Where the bar of a row is drawn (pixels); empty when it is not shown.
    QRectF BarRect(int row) const { return picture_.BarRect(row); }
    // Every bar and the total flow against Qp as lines of text, also the
    // diagram's accessible description.
    QString TextAlternative() const;
    // What the pointer shows where it last moved.

  signals:
    void RowClicked(int row);

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    void Draw();
    void DrawOverlay();
    void OnMouseMoved(QPointF at);

    const CycleTableModel& model_;
    CycleDiagramPicture picture_;
    float cycleTime_ = 0;
    float pumpFlow_ = 0;
    int requestedFirst_ = 0;
    std::vector<int> selected_;
    int hovered_ = -1;
};

}  // namespace volvenza
