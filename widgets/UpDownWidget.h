#pragma once

#include <QWidget>

class QToolButton;

// Two small arrow buttons that step a position within a range. The owner decides whether a step
// may happen (aboutToStep) before it is made, which a QSpinBox cannot express.
class UpDownWidget final : public QWidget
{
    Q_OBJECT
public:
    explicit UpDownWidget(QWidget *parent = nullptr);

    void setRange(int minimum, int maximum);
    int position() const { return m_position; }
    void setPosition(int position);
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }

    // Asks for a step; the owner answers through `allow`. With no answer the step is made.
    void requestStep(int direction);

signals:
    void aboutToStep(int direction, bool *allow);
    void stepped(int position);

protected:
    void wheelEvent(QWheelEvent *event) override;

private:
    QToolButton *m_up;
    QToolButton *m_down;
    int m_minimum = 1;
    int m_maximum = 60;
    int m_position = 1;
};
