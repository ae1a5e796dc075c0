#pragma once
// A picture area with a user coordinate system and two layers. The committed
// layer is an image; everything drawn since the last commit is kept as a short
// list of items (the overlay) painted over it. Commit paints the list into the
// image, clearing the overlay drops the list and emptying fills the image with
// the background. A tool that tracks the mouse therefore costs a few items per
// move, whatever the committed image holds.

#include <functional>
#include <optional>
#include <variant>
#include <vector>

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QRect>
#include <QString>
#include <QWidget>

class QPainter;

namespace volvenza {

class DrawingSurface {
  public:
    DrawingSurface();

    // User coordinates of the left, top, right and bottom edges.
    void SetScale(double left, double top, double right, double bottom);
    // A new pixel size empties both layers; negative sizes count as zero.
    // The same size again changes nothing.
    void Resize(QSize size);
    QSize Size() const { return size_; }
    bool IsEmptyArea() const { return size_.isEmpty(); }

    void SetBackground(const QColor& color) { background_ = color; }
    void SetColor(const QColor& color) { color_ = color; }
    QColor Color() const { return color_; }
    void SetFont(const QFont& font) { font_ = font; }
    // The resolution the images are drawn at, so that a font's points come
    // out as large on them as on the screen they are shown on.
    void SetDotsPerInch(double dotsPerInch);
    const QFont& Font() const { return font_; }
    // Lines this many pixels wide; 0, the default, is one pixel whatever the
    // resolution.
    void SetPenWidth(int pixels) { penWidth_ = pixels; }

    // Drawing on the overlay, in the current colour unless one is given.
    void Line(QPointF from, QPointF to);
    void Line(QPointF from, QPointF to, const QColor& color);
    void Polyline(std::vector<QPointF> points);
    void Rectangle(QPointF corner1, QPointF corner2);
    // A rectangle filled with `fill` and outlined in the current colour
    // (filled only, with `outline` false).
    void FilledRectangle(QPointF corner1, QPointF corner2, const QColor& fill, bool outline = true);
    // Text with its top-left corner at the point.
    void Text(QPointF topLeft, const QString& text);

    void Commit();
    void ClearOverlay();
    void Empty();

    const QImage& CommittedImage() const { return committed_; }
    // Paints the working image's part inside `dirty` (pixels).
    void Paint(QPainter& painter, const QRect& dirty) const;

    QPointF ToPixels(QPointF user) const;
    QPointF ToUser(QPointF pixel) const;

    // Called with the pixels that changed, so a widget can repaint just those.
    void SetChangedHandler(std::function<void(const QRect&)> handler) {
        changed_ = std::move(handler);
    }

    // Writes the committed image as a BMP file through a temporary file that
    // replaces `path` only when complete. Returns false on any failure, with
    // the old file left as it was.
    bool SaveCommittedBitmap(const QString& path) const;

  private:
    struct LineItem {
        QPointF from;
        QPointF to;
    };
    struct RectItem {
        QPointF corner1;
        QPointF corner2;
        QColor fill;  // none when invalid
        bool outline = true;
    };
    struct TextItem {
        QPointF topLeft;
        QString text;
    };
    struct PolylineItem {
        std::vector<QPointF> points;
    };
    struct Item {
        std::variant<LineItem, RectItem, TextItem, PolylineItem> shape;
        QColor color;
        QRect bounds;  // pixels
    };

    void Add(Item item);
    void PaintItems(QPainter& painter, const QRect& dirty) const;
    void Changed(const QRect& rect) const;

    QSize size_;
    double left_ = 0;
    double top_ = 0;
    double right_ = 1;
    double bottom_ = 1;
    QColor background_ = Qt::white;
    QColor color_ = Qt::black;
    QFont font_;
    double dotsPerInch_ = 96;
    int penWidth_ = 0;
    QImage committed_;
    std::vector<Item> overlay_;
    std::function<void(const QRect&)> changed_;
};

// The widget showing a drawing surface. Mouse positions are reported in user
// coordinates; a disabled area receives no mouse input.
class DrawingArea : public QWidget {
    Q_OBJECT

  public:
    explicit DrawingArea(QWidget* parent = nullptr);

    DrawingSurface& Surface() { return surface_; }
    const DrawingSurface& Surface() const { return surface_; }
    QImage CommittedImage() const { return surface_.CommittedImage(); }

  signals:
    void MouseMoved(QPointF user, Qt::MouseButtons buttons);
    void MousePressed(QPointF user, Qt::MouseButton button);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    DrawingSurface surface_;
};

}  // namespace volvenza
