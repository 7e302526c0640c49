#include "PersistentCanvas.h"

#include <QPainter>
#include <QPen>

#include <cmath>

namespace {

QPoint pixel(form::Point point)
{
    return {static_cast<int>(std::floor(point.x)), static_cast<int>(std::floor(point.y))};
}

// A wide line is drawn as parallel one-pixel strokes: below a line that runs across, to the
// right of one that runs down.
void drawLine(QPainter &painter, const form::Figure &line)
{
    const QPoint from = pixel(line.from);
    const QPoint to = pixel(line.to);
    const QPoint step = from.x() == to.x() ? QPoint(1, 0) : QPoint(0, 1);
    for (int stroke = 0; stroke < line.width; ++stroke)
        painter.drawLine(from + stroke * step, to + stroke * step);
}

void drawRectangle(QPainter &painter, const form::Figure &rectangle)
{
    const QPoint corner = pixel(rectangle.from);
    const QPoint opposite = pixel(rectangle.to);
    const QPoint outline[] = {corner, {opposite.x(), corner.y()}, opposite, {corner.x(), opposite.y()}, corner};
    painter.drawPolyline(outline, 5);
}

} // namespace

PersistentCanvas::PersistentCanvas(QWidget *parent) : QWidget(parent) {}

void PersistentCanvas::draw(std::span<const form::Figure> figures)
{
    figures_.insert(figures_.end(), figures.begin(), figures.end());
    update();
}

void PersistentCanvas::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    for (const form::Figure &figure : figures_) {
        const QColor colour = figure.colour ? QColor(figure.colour->red, figure.colour->green, figure.colour->blue)
                                            : palette().color(QPalette::WindowText);
        // Without antialiasing, square caps on a one-pixel pen ink both end pixels and nothing
        // beyond; a pen that is not cosmetic keeps its width in step with the scale factor.
        painter.setPen(QPen(colour, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        if (figure.shape == form::Figure::Shape::Line)
            drawLine(painter, figure);
        else
            drawRectangle(painter, figure);
    }
}
