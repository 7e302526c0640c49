#include "OneLineLabel.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyle>
#include <QTextDocument>

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

    // A cut that fits keeps a head and a tail that each fit beside the ellipsis alone. Only the few
    // separators that end such a head or begin such a tail are tried, so a path thousands of
    // folders deep is not measured over and over in its whole length.
    const auto headsEnd = std::ranges::partition_point(separators, [&](qsizetype upTo) {
        return fits(text.left(upTo + 1) + kEllipsis);
    });
    const auto tailsBegin = std::ranges::partition_point(separators, [&](qsizetype from) {
        return !fits(kEllipsis + text.mid(from));
    });
    QString best;
    for (auto first = separators.begin(); first < headsEnd && first + 1 < separators.end(); ++first) {
        // Cutting up to a later separator leaves a shorter text, so the first that fits keeps most.
        const auto stillTooWide = [&](qsizetype from) { return !fits(withoutFolders(text, *first, from)); };
        const auto last = std::ranges::partition_point(std::max(first + 1, tailsBegin), separators.end(), stillTooWide);
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

// A file's name may hold line breaks. Drawn, each would start a line the label has no room for;
// on one line they show as spaces.
QString onOneLine(QString text)
{
    for (QChar &character : text) {
        if (character == QLatin1Char('\n') || character == QLatin1Char('\r') || character == QChar::LineSeparator
            || character == QChar::ParagraphSeparator)
            character = QLatin1Char(' ');
    }
    return text;
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
    // As rich text, or a file's name with markup in it would show as that markup's effect.
    setToolTip(Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal));
}

QFont OneLineLabel::fittedFont(const QString &line) const
{
    QFont font = this->font();
    const int described = QFontInfo(font).pixelSize();
    const auto smallest = static_cast<int>(std::ceil(described * smallestFontScale_));
    for (int pixels = described; pixels > smallest && !fits(line, font); --pixels)
        font.setPixelSize(pixels - 1);
    return font;
}

bool OneLineLabel::fits(const QString &text, const QFont &font) const
{
    return QFontMetrics(font).horizontalAdvance(text) <= contentsRect().width();
}

OneLineLabel::Shown OneLineLabel::shown() const
{
    const QString line = onOneLine(text());
    const QFont font = fittedFont(line);
    if (fits(line, font))
        return {line, font};
    const QFontMetrics metrics(font);
    const int width = contentsRect().width();
    if (elision_ == Elision::Path)
        return {elidedPath(line, metrics, width), font};
    return {metrics.elidedText(line, Qt::ElideRight, width), font};
}

void OneLineLabel::paintEvent(QPaintEvent * /*event*/)
{
    const Shown drawn = shown();
    QPainter painter(this);
    painter.setFont(drawn.font);
    style()->drawItemText(&painter, contentsRect(), int(QStyle::visualAlignment(layoutDirection(), alignment())),
                          palette(), isEnabled(), drawn.text, foregroundRole());
}
