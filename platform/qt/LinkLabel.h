#pragma once

#include "FocusLabel.h"

// A link: a label that takes the keyboard focus, reports a click (the mouse pressed and released
// over it, or Enter or Space while it has the focus) and shows the link pointer while the mouse is
// over it. Screen readers meet it as a link named by its text, with an action that clicks it.
class LinkLabel : public FocusLabel {
    Q_OBJECT

public:
    explicit LinkLabel(const QString &text, QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool pressed_ = false;
};
