#include "PersistentCanvas.h"

#include <QPainter>
#include <QPen>

PersistentCanvas::PersistentCanvas(QWidget *parent)
    : QWidget(parent)
{
}

void PersistentCanvas::drawLine(QPoint from, QPoint to, const QColor &colour)
{
    addStroke({{from, to}, colour});
}

void PersistentCanvas::drawRectangle(QPoint corner, QPoint oppositeCorner, const QColor &colour)
{
    const QPoint other1(oppositeCorner.x(), corner.y());
    const QPoint other2(corner.x(), oppositeCorner.y());
    addStroke({{corner, other1, oppositeCorner, other2, corner}, colour});
}

void PersistentCanvas::addStroke(Stroke stroke)
{
    strokes_.push_back(std::move(stroke));
    update();
}

void PersistentCanvas::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    for (const Stroke &stroke : strokes_) {
        // Without antialiasing, square caps on a one-pixel pen ink both end pixels and nothing
        // beyond; a pen that is not cosmetic keeps its width in step with the scale factor.
        painter.setPen(QPen(stroke.colour, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawPolyline(stroke.points.data(), static_cast<int>(stroke.points.size()));
    }
}
