#include "widgets/FixedColours.h"

#include <QWidget>

namespace FixedColours {

namespace {

void fixText(QPalette &palette, bool boxes)
{
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text}) {
        if (role == QPalette::Text && !boxes)
            continue;
        palette.setColor(QPalette::Active, role, text());
        palette.setColor(QPalette::Inactive, role, text());
        palette.setColor(QPalette::Disabled, role, QColor(120, 120, 120));
    }
}

} // namespace

void setText(QWidget *widget, bool boxes)
{
    QPalette palette = widget->palette();
    fixText(palette, boxes);
    widget->setPalette(palette);
}

void setBackground(QWidget *widget, QPalette::ColorRole role, const QColor &background, bool boxes)
{
    QPalette palette = widget->palette();
    palette.setColor(role, background);
    fixText(palette, boxes);
    widget->setPalette(palette);
}

void setLight(QWidget *widget)
{
    // Qt makes a whole palette, light and dark shades and text, from a button colour.
    widget->setPalette(QPalette(QColor(240, 240, 240)));
}

} // namespace FixedColours
