#include "platform/TextFit.h"

#include <QFontMetrics>

namespace TextFit {

QFont fittingFont(QFont base, qreal pointSize, const QString &text, int width, qreal minimumPointSize)
{
    base.setPointSizeF(pointSize);
    const int room = width - 8;
    while (base.pointSizeF() > minimumPointSize && QFontMetrics(base).horizontalAdvance(text) > room)
        base.setPointSizeF(base.pointSizeF() - 0.5);
    return base;
}

} // namespace TextFit
