#include "widgets/PopupDateEdit.h"

#include <QCalendarWidget>
#include <QKeyEvent>
#include <QSpinBox>
#include <QTextCharFormat>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

// The heading reads "2024年5月" on the year button (a click still edits the year); Qt writes the
// bare year there whenever the page changes.
void labelHeading(QCalendarWidget *calendar)
{
    if (auto *year = calendar->findChild<QToolButton *>(u"qt_calendar_yearbutton"_s))
        year->setText(QString::number(calendar->yearShown()) + u"年"_s +
                      QString::number(calendar->monthShown()) + u"月"_s);
}

} // namespace

PopupDateEdit::PopupDateEdit(QWidget *parent) : QDateEdit(parent)
{
    setCalendarPopup(true);
}

void PopupDateEdit::prepareCalendar()
{
    if (m_prepared)
        return;
    m_prepared = true;
    QCalendarWidget *calendar = calendarWidget();
    dressCalendar(calendar);
    connect(calendar, &QCalendarWidget::clicked, this, &PopupDateEdit::calendarClicked);
}

void PopupDateEdit::dressCalendar(QCalendarWidget *calendar)
{
    // Like the range calendar beside the boxes: Sunday first, Sunday red, Saturday blue, and a
    // heading "2024年5月".
    calendar->setLocale(QLocale(QLocale::Japanese, QLocale::Japan));
    calendar->setFirstDayOfWeek(Qt::Sunday);
    calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    QTextCharFormat weekday;
    weekday.setForeground(calendar->palette().color(QPalette::Text));
    for (int day = Qt::Monday; day <= Qt::Friday; ++day)
        calendar->setWeekdayTextFormat(Qt::DayOfWeek(day), weekday);
    QTextCharFormat sunday;
    sunday.setForeground(QColor(220, 0, 0));
    calendar->setWeekdayTextFormat(Qt::Sunday, sunday);
    QTextCharFormat saturday;
    saturday.setForeground(QColor(0, 0, 200));
    calendar->setWeekdayTextFormat(Qt::Saturday, saturday);

    // The month is part of the heading; the arrows beside it step the months.
    if (auto *month = calendar->findChild<QToolButton *>(u"qt_calendar_monthbutton"_s))
        month->hide();
    labelHeading(calendar);
    connect(calendar, &QCalendarWidget::currentPageChanged, calendar, [calendar] { labelHeading(calendar); });
    if (auto *yearEdit = calendar->findChild<QSpinBox *>(u"qt_calendar_yearedit"_s))
        connect(yearEdit, &QSpinBox::editingFinished, calendar, [calendar] { labelHeading(calendar); });
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
