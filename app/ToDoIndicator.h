#pragma once

#include "data/Pending.h"

#include <QColor>
#include <QObject>

class QFrame;
class QPushButton;
class QTimer;

// The to-do indicator of the main window: its glyph and backing colour follow what is pending, and
// at the first idle moment of the run the backing blinks four times, then rests in button face.
class ToDoIndicator final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ToDoIndicator)
public:
    ToDoIndicator(QFrame *backing, QPushButton *button, QObject *parent = nullptr);

    void show(Pending::Indicator indicator);
    Pending::Indicator indicator() const { return m_indicator; }

    // Starts the blink unless it ran or runs already.
    void startBlink();
    bool isBlinking() const { return m_blinkStep >= 0; }
    bool hasBlinked() const { return m_blinked; }

signals:
    void blinkEnded();

private:
    void blinkStep();
    QColor buttonFace() const;
    void setBacking(const QColor &colour);

    QFrame *m_backing;
    QPushButton *m_button;
    Pending::Indicator m_indicator = Pending::Indicator::NonePending;
    QColor m_rememberedColor;
    int m_blinkStep = -1;
    bool m_blinked = false;
    QTimer *m_blinkTimer = nullptr;
};
