#include "FormControls.h"

#include "DialogFont.h"
#include "FocusLabel.h"
#include "LinkLabel.h"
#include "OneLineLabel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <vector>

namespace {

Qt::Alignment alignment(form::Alignment alignment)
{
    switch (alignment) {
    case form::Alignment::Centre: return Qt::AlignHCenter | Qt::AlignTop;
    case form::Alignment::Right: return Qt::AlignRight | Qt::AlignTop;
    case form::Alignment::Left: break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

void setTextColour(QWidget &widget, form::Rgb colour)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, QColor(colour.red, colour.green, colour.blue));
    widget.setPalette(palette);
}

QLabel *makeLabel(QLabel *label, const form::Control &description)
{
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(alignment(description.alignment));
    return label;
}

// A label whose text comes from what the user does is one line high, so it shows that text on one
// line, shortened where it must be; a fixed text wraps as its label was laid out for.
QLabel *makeVariableLabel(const QString &text, const form::Control &description, QWidget &client)
{
    auto *label = new OneLineLabel(text, &client);
    label->setAlignment(alignment(description.alignment));
    return label;
}

QWidget *makeControl(const form::Control &description, QWidget &client)
{
    const QString text = QString::fromUtf8(description.text);
    switch (description.kind) {
    case form::ControlKind::Label:
        if (description.variableText)
            return makeVariableLabel(text, description, client);
        return makeLabel(new QLabel(text, &client), description);
    case form::ControlKind::Link:
        return makeLabel(new LinkLabel(text, &client), description);
    case form::ControlKind::TextBox: {
        auto *box = new QLineEdit(text, &client);
        // A drop on the box is a file drop for the window, never text to paste.
        box->setAcceptDrops(false);
        box->setCursorPosition(0);
        return box;
    }
    case form::ControlKind::Button: {
        auto *button = new QPushButton(text, &client);
        button->setDefault(description.defaultAndCancel);
        return button;
    }
    case form::ControlKind::PictureBox: {
        auto *picture = new FocusLabel(QString(), &client);
        picture->setAccessibleName(text);
        picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return picture;
    }
    }
    return nullptr;
}

void chainTabOrder(std::span<const form::Control> controls, QWidget &client)
{
    std::vector<const form::Control *> focusable;
    for (const auto &description : controls) {
        if (form::takesFocus(description.kind))
            focusable.push_back(&description);
    }
    std::ranges::sort(focusable, {}, &form::Control::tabIndex);
    for (std::size_t i = 1; i < focusable.size(); ++i) {
        QWidget::setTabOrder(client.findChild<QWidget *>(controlName(*focusable[i - 1])),
                             client.findChild<QWidget *>(controlName(*focusable[i])));
    }
}

} // namespace

QString controlName(const form::Control &control)
{
    const QString name = QString::fromLatin1(control.name);
    return control.index ? QStringLiteral("%1(%2)").arg(name).arg(*control.index) : name;
}

void buildControls(std::span<const form::Control> controls, QWidget &client)
{
    for (const auto &description : controls) {
        QWidget *widget = makeControl(description, client);
        widget->setObjectName(controlName(description));
        widget->setGeometry(description.rect.left, description.rect.top, description.rect.width,
                            description.rect.height);
        widget->setFont(dialogFont(description.font.points, description.font.bold, description.font.underline));
        if (description.textColour)
            setTextColour(*widget, *description.textColour);
    }
    chainTabOrder(controls, client);
}
