#include "app/ToDoIndicator.h"

#include "app/Artwork.h"

#include <QFrame>
#include <QPushButton>
#include <QTimer>

ToDoIndicator::ToDoIndicator(QFrame *backing, QPushButton *button, QObject *parent)
    : QObject(parent), m_backing(backing), m_button(button)
{}

QColor ToDoIndicator::buttonFace() const
{
    return m_backing->parentWidget()->palette().color(QPalette::Button);
}

void ToDoIndicator::setBacking(const QColor &colour)
{
    QPalette p = m_backing->palette();
    p.setColor(QPalette::Window, colour);
    m_backing->setPalette(p);
}

void ToDoIndicator::show(Pending::Indicator indicator)
{
    m_indicator = indicator;
    m_button->setIcon(QIcon(Artwork::indicatorGlyph(indicator)));
    // After the first-idle blink the backing rests in button face; only the glyph follows changes.
    if (m_blinked || isBlinking())
        return;
    const QColor back = Artwork::indicatorColor(indicator);
    setBacking(back.isValid() ? back : buttonFace());
}

// Four blinks of 400 ms off and 200 ms on. Timers keep the window responsive meanwhile.
void ToDoIndicator::startBlink()
{
    if (m_blinked || isBlinking())
        return;
    m_rememberedColor = m_backing->palette().color(QPalette::Window);
    m_blinkStep = 0;
    if (!m_blinkTimer) {
        m_blinkTimer = new QTimer(this);
        m_blinkTimer->setSingleShot(true);
        connect(m_blinkTimer, &QTimer::timeout, this, &ToDoIndicator::blinkStep);
    }
    m_blinkTimer->start(400);
}

void ToDoIndicator::blinkStep()
{
    ++m_blinkStep;
    if (m_blinkStep < 8) {
        // Odd steps: off after 400 ms; even steps: the colour again after 200 ms.
        const bool off = m_blinkStep % 2 == 1;
        setBacking(off ? buttonFace() : m_rememberedColor);
        m_backing->repaint();
        m_blinkTimer->start(off ? 200 : 400);
        return;
    }
    setBacking(buttonFace());
    m_blinkStep = -1;
    m_blinked = true;
    emit blinkEnded();
}
