#include "widgets/UpDownWidget.h"

#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

using namespace Qt::StringLiterals;

UpDownWidget::UpDownWidget(QWidget *parent) : QWidget(parent)
{
    auto *box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(0);
    m_up = new QToolButton(this);
    m_down = new QToolButton(this);
    m_up->setObjectName(u"upButton"_s);
    m_down->setObjectName(u"downButton"_s);
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    for (QToolButton *b : {m_up, m_down}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        box->addWidget(b);
    }
    connect(m_up, &QToolButton::clicked, this, [this] { requestStep(+1); });
    connect(m_down, &QToolButton::clicked, this, [this] { requestStep(-1); });
}

void UpDownWidget::setRange(int minimum, int maximum)
{
    m_minimum = minimum;
    m_maximum = maximum;
    m_position = qBound(m_minimum, m_position, m_maximum);
}

void UpDownWidget::setPosition(int position)
{
    m_position = qBound(m_minimum, position, m_maximum);
}

void UpDownWidget::requestStep(int direction)
{
    if (!isEnabled())
        return;
    const int target = m_position + (direction > 0 ? 1 : -1);
    if (target < m_minimum || target > m_maximum)
        return;
    bool allow = true;
    emit aboutToStep(direction, &allow);
    if (!allow)
        return;
    m_position = target;
    emit stepped(m_position);
}

void UpDownWidget::wheelEvent(QWheelEvent *event)
{
    requestStep(event->angleDelta().y() > 0 ? +1 : -1);
    event->accept();
}
