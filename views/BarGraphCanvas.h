#pragma once

#include <QFont>
#include <QWidget>

class BarGraphWindow;

// All rows of the graph on one surface: painting touches only the rows in the exposed area, so
// a month of 60 jobs costs no more than the few rows in view.
class BarGraphCanvas final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BarGraphCanvas)
public:
    BarGraphCanvas(BarGraphWindow *graph, const QFont &captionFont);

    const QFont &captionFont() const { return m_font; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    BarGraphWindow *m_graph;
    QFont m_font;
};
