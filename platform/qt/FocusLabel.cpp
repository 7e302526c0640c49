#include "FocusLabel.h"

#include <QPainter>
#include <QStyle>

FocusLabel::FocusLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

// A frame in the highlight colour, as around a focused text box: round the text, or round the whole
// content where a picture fills it. The style's own focus mark is too faint to find on a label.
void FocusLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QRect mark = contentsRect();
    if (!text().isEmpty())
        mark = style()->itemTextRect(fontMetrics(), mark, int(alignment()), isEnabled(), text()).adjusted(-2, -1, 2, 1)
            & rect();
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Highlight));
    painter.drawRect(mark.adjusted(0, 0, -1, -1));
}
