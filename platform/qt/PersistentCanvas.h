#pragma once

#include <QColor>
#include <QPoint>
#include <QWidget>

#include <vector>

// A plain widget that keeps what is drawn on it and draws it again on every repaint, so figures
// drawn once when a window loads stay on screen through uncovering, resizing and style changes.
// Coordinates are the widget's own device-independent pixels; strokes are one pixel wide and
// solid, and both end points belong to the stroke.
class PersistentCanvas : public QWidget {
    Q_OBJECT

public:
    explicit PersistentCanvas(QWidget *parent = nullptr);

    void drawLine(QPoint from, QPoint to, const QColor &colour);
    // The outline of the rectangle with these two opposite corners, not filled.
    void drawRectangle(QPoint corner, QPoint oppositeCorner, const QColor &colour);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    struct Stroke {
        std::vector<QPoint> points; // a polyline through these points
        QColor colour;
    };

    void addStroke(Stroke stroke);

    std::vector<Stroke> strokes_;
};
