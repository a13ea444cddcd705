#pragma once

#include <QFont>
#include <QString>

namespace TextFit {

// `base` at `pointSize`, stepped down by half points (not below `minimumPointSize`) until `text`
// fits `width` pixels of a text box (its frame and margins taken off).
QFont fittingFont(QFont base, qreal pointSize, const QString &text, int width, qreal minimumPointSize);

} // namespace TextFit
