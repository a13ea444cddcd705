#include "widgets/PopupDateEdit.h"

#include "data/DateText.h"

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
    connect(this, &QDateEdit::dateChanged, this, &PopupDateEdit::leaveUnsetUnlessShown);
}

void PopupDateEdit::setDateOrUnset(const QDate &date)
{
    if (date.isValid()) {
        setDate(date);
        leaveUnsetUnlessShown();
        return;
    }
    if (!m_unset)
        m_minimum = minimumDate();
    m_unset = true;
    setSpecialValueText(DateText::unsetText());
    setMinimumDate(m_minimum.addDays(-1));
    setDate(minimumDate());
}

// Any other day than the unset one, set by the program or picked by the user, ends the unset
// state: the day before the minimum can then be neither shown nor chosen again.
void PopupDateEdit::leaveUnsetUnlessShown()
{
    if (!m_unset || date() == minimumDate())
        return;
    m_unset = false;
    setSpecialValueText({});
    setMinimumDate(m_minimum);
}

void PopupDateEdit::stepBy(int steps)
{
    leaveUnsetUnlessShown();
    QDateEdit::stepBy(steps);
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
    leaveUnsetUnlessShown();
    prepareCalendar();
    QDateEdit::mousePressEvent(event);
}

void PopupDateEdit::keyPressEvent(QKeyEvent *event)
{
    // The keys that drop the calendar down.
    const bool alt = event->modifiers() & Qt::AltModifier;
    if (event->key() == Qt::Key_F4 || (alt && (event->key() == Qt::Key_Down || event->key() == Qt::Key_Up)))
        prepareCalendar();
    leaveUnsetUnlessShown();
    QDateEdit::keyPressEvent(event);
}
