#include "LinkLabel.h"

#include <QAccessibleWidget>
#include <QBitmap>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {

// A two-colour pointing hand whose finger tip, the hot spot, is 5 pixels right of the corner.
QCursor linkPointer()
{
    return QCursor(QBitmap(QStringLiteral(":/platform/linkPointer.xbm")),
                   QBitmap(QStringLiteral(":/platform/linkPointerMask.xbm")), 5, 0);
}

// What assistive technology sees of a link: the role, its text as its name, and "Press" as the
// action that clicks it, before the focus action every focusable widget has.
class LinkAccessible : public QAccessibleWidget {
public:
    explicit LinkAccessible(LinkLabel *link) : QAccessibleWidget(link, QAccessible::Link) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return link()->text();
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override { return QStringList(pressAction()) + QAccessibleWidget::actionNames(); }

    void doAction(const QString &action) override
    {
        if (action == pressAction())
            emit link()->clicked();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    LinkLabel *link() const { return static_cast<LinkLabel *>(widget()); }
};

// Asked for every object that has no interface yet, most derived class first. The accessibility
// framework owns what it returns.
QAccessibleInterface *linkAccessible(const QString &className, QObject *object)
{
    if (className != QLatin1StringView(LinkLabel::staticMetaObject.className()))
        return nullptr;
    return new LinkAccessible(static_cast<LinkLabel *>(object));
}

// As for a push button, whatever modifier keys are held.
bool isActivationKey(const QKeyEvent &event)
{
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter || event.key() == Qt::Key_Space;
}

} // namespace

LinkLabel::LinkLabel(const QString &text, QWidget *parent) : FocusLabel(text, parent)
{
    // Installing the factory again changes nothing.
    QAccessible::installFactory(linkAccessible);
    setCursor(linkPointer());
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

// Enter and Space open the link like a click, and Enter does not reach the window's default
// button; a key held down opens it once.
void LinkLabel::keyPressEvent(QKeyEvent *event)
{
    if (!isActivationKey(*event)) {
        FocusLabel::keyPressEvent(event);
        return;
    }
    if (!event->isAutoRepeat())
        emit clicked();
}
