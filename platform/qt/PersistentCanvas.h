#pragma once

#include "FormDescription.h"

#include <QWidget>

#include <span>
#include <vector>

// A plain widget that keeps the figures drawn on it and draws them again on every repaint, so
// figures drawn once when a window loads stay on screen through uncovering and style changes.
// Coordinates are the widget's own device-independent pixels, rounded down to whole pixels; both
// end points of a stroke are inked.
class PersistentCanvas : public QWidget {
    Q_OBJECT

public:
    explicit PersistentCanvas(QWidget *parent = nullptr);

    void draw(std::span<const form::Figure> figures);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::vector<form::Figure> figures_;
};
