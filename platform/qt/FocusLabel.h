#pragma once

#include <QLabel>

// A label that takes the keyboard focus and shows it, framed with the style's focus mark as a
// check box is (styles draw it only while the focus was moved from the keyboard).
class FocusLabel : public QLabel {
    Q_OBJECT

public:
    explicit FocusLabel(const QString &text = {}, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
