#include "LinkLabel.h"

#include <QBitmap>
#include <QCursor>
#include <QMouseEvent>

namespace {

// A two-colour pointing hand whose finger tip, the hot spot, is 5 pixels right of the corner.
QCursor linkPointer()
{
    return QCursor(QBitmap(QStringLiteral(":/platform/linkPointer.xbm")),
                   QBitmap(QStringLiteral(":/platform/linkPointerMask.xbm")), 5, 0);
}

} // namespace

LinkLabel::LinkLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setCursor(linkPointer());
    setTextFormat(Qt::PlainText);
}

void LinkLabel::mousePressEvent(QMouseEvent *event)
{
    pressed_ = event->button() == Qt::LeftButton;
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        emit clicked();
}
