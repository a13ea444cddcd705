#pragma once

#include <QColor>
#include <QWidget>

// A panel of the step chart: its colour (none: the parent shows through) and a one-pixel raised or
// sunken bevel in the palette's light and dark, as a QFrame panel draws it. The bevel is four filled
// rectangles rather than stroked lines: the chart has 26 panels.
class StepPanel final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StepPanel)
public:
    enum class Bevel { None, Raised, Sunken };

    StepPanel(Bevel bevel, const QColor &colour, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Bevel m_bevel;
    QColor m_colour;
};
