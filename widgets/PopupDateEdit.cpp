#include "widgets/PopupDateEdit.h"

#include <QCalendarWidget>
#include <QKeyEvent>

PopupDateEdit::PopupDateEdit(QWidget *parent) : QDateEdit(parent)
{
    setCalendarPopup(true);
}

void PopupDateEdit::prepareCalendar()
{
    if (m_prepared)
        return;
    m_prepared = true;
    connect(calendarWidget(), &QCalendarWidget::clicked, this, &PopupDateEdit::calendarClicked);
}

void PopupDateEdit::mousePressEvent(QMouseEvent *event)
{
    prepareCalendar();
    QDateEdit::mousePressEvent(event);
}

void PopupDateEdit::keyPressEvent(QKeyEvent *event)
{
    // The keys that drop the calendar down.
    const bool alt = event->modifiers() & Qt::AltModifier;
    if (event->key() == Qt::Key_F4 || (alt && (event->key() == Qt::Key_Down || event->key() == Qt::Key_Up)))
        prepareCalendar();
    QDateEdit::keyPressEvent(event);
}
