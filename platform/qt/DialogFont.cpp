#include "DialogFont.h"

#include <QStringList>

#include <cmath>

QFont dialogFont(qreal points, bool bold, bool underline)
{
    constexpr qreal designDotsPerInch = 96;
    constexpr qreal pointsPerInch = 72;
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(static_cast<int>(std::lround(points * designDotsPerInch / pointsPerInch)));
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}
