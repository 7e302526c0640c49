#include "OneLineLabel.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyle>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr QChar kEllipsis(0x2026);
constexpr QChar kSeparator('/');

// The path with the folders between two of its separators cut out, the separators kept.
QString withoutFolders(const QString &text, qsizetype afterSeparator, qsizetype fromSeparator)
{
    return text.left(afterSeparator + 1) + kEllipsis + text.mid(fromSeparator);
}

// Of the cuts of whole folders from the path that fit, the one that keeps most of it. The file's
// name, after the last separator, always stays; when even the first and last separator with
// nothing between them leave too little room, the name is shortened in its middle.
QString elidedPath(const QString &text, const QFontMetrics &metrics, int width)
{
    const auto fits = [&](const QString &shortened) { return metrics.horizontalAdvance(shortened) <= width; };
    std::vector<qsizetype> separators;
    for (qsizetype i = text.indexOf(kSeparator); i >= 0; i = text.indexOf(kSeparator, i + 1))
        separators.push_back(i);
    if (separators.empty())
        return metrics.elidedText(text, Qt::ElideMiddle, width);

    QString best;
    for (auto first = separators.begin(); first + 1 < separators.end(); ++first) {
        // Cutting up to a later separator leaves a shorter text, so the first that fits keeps most.
        const auto last = std::ranges::partition_point(first + 1, separators.end(), [&](qsizetype from) {
            return !fits(withoutFolders(text, *first, from));
        });
        if (last == separators.end())
            continue;
        QString candidate = withoutFolders(text, *first, *last);
        if (candidate.size() > best.size())
            best = std::move(candidate);
    }
    if (!best.isEmpty())
        return best;
    // "File: /…/" before the name, or all up to a lone separator.
    const qsizetype nameStart = separators.back() + 1;
    const QString head = separators.size() > 1 ? text.left(separators.front() + 1) + kEllipsis + kSeparator
                                               : text.left(nameStart);
    return head + metrics.elidedText(text.mid(nameStart), Qt::ElideMiddle, width - metrics.horizontalAdvance(head));
}

} // namespace

OneLineLabel::OneLineLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    // Markup in a file's name is text, also to screen readers, which read a label's text.
    setTextFormat(Qt::PlainText);
}

void OneLineLabel::setCaption(const QString &text, Elision elision)
{
    elision_ = elision;
    setText(text);
    setToolTip(text);
}

QFont OneLineLabel::fittedFont() const
{
    QFont font = this->font();
    const int described = QFontInfo(font).pixelSize();
    const auto smallest = static_cast<int>(std::ceil(described * smallestFontScale_));
    for (int pixels = described; pixels > smallest && !fits(text(), font); --pixels)
        font.setPixelSize(pixels - 1);
    return font;
}

bool OneLineLabel::fits(const QString &text, const QFont &font) const
{
    return QFontMetrics(font).horizontalAdvance(text) <= contentsRect().width();
}

OneLineLabel::Shown OneLineLabel::shown() const
{
    const QFont font = fittedFont();
    if (fits(text(), font))
        return {text(), font};
    const QFontMetrics metrics(font);
    const int width = contentsRect().width();
    if (elision_ == Elision::Path)
        return {elidedPath(text(), metrics, width), font};
    return {metrics.elidedText(text(), Qt::ElideRight, width), font};
}

void OneLineLabel::paintEvent(QPaintEvent * /*event*/)
{
    const Shown drawn = shown();
    QPainter painter(this);
    painter.setFont(drawn.font);
    style()->drawItemText(&painter, contentsRect(), int(QStyle::visualAlignment(layoutDirection(), alignment())),
                          palette(), isEnabled(), drawn.text, foregroundRole());
}
