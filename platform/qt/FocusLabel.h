#pragma once

#include <QLabel>

// A label that takes the keyboard focus and shows it with a frame.
class FocusLabel : public QLabel {
    Q_OBJECT

public:
    explicit FocusLabel(const QString &text = {}, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
