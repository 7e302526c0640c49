#pragma once

#include "FormDescription.h"

#include <QFont>
#include <QLabel>

// A label that draws its text on one line. A text too wide for it is drawn in a smaller font, where
// the label allows one, and what still does not fit is shortened with an ellipsis: a file's path
// loses whole folders from its middle and keeps the file's name, which loses its own middle only
// when it is too long by itself; any other text loses its end. The label's text, tool tip and
// accessible name stay the whole text.
class OneLineLabel : public QLabel {
    Q_OBJECT

public:
    using Elision = form::Elision;

    // What the label draws: the text, whole or shortened, and the font.
    struct Shown {
        QString text;
        QFont font;
    };

    explicit OneLineLabel(const QString &text, QWidget *parent = nullptr);

    void setCaption(const QString &text, Elision elision);
    // A text that does not fit may be drawn in a font as small as scale times the label's own, one
    // pixel smaller at a time.
    void setSmallestFontScale(qreal scale) { smallestFontScale_ = scale; }

    Shown shown() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QFont fittedFont(const QString &line) const;
    bool fits(const QString &text, const QFont &font) const;

    Elision elision_ = Elision::End;
    qreal smallestFontScale_ = 1;
};
