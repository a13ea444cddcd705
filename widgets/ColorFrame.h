#pragma once

#include <QFrame>

// A frame filled with a colour of its own. Painted rather than given a palette: every widget below
// a palette of its own gets a palette of its own too, and the style then caches its pictures of
// each of them anew at every opening of a window.
class ColorFrame final : public QFrame
{
    Q_OBJECT
public:
    explicit ColorFrame(const QColor &color, QWidget *parent = nullptr);
    // For Designer forms: white until setColor().
    explicit ColorFrame(QWidget *parent = nullptr);

    QColor color() const { return m_color; }
    void setColor(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_color;
};
