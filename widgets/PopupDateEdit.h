#pragma once

#include <QDateEdit>

class QCalendarWidget;

// A date box with a drop-down calendar. The calendar is made when it first drops down, not with
// the box, so that a window of several date boxes opens at once. calendarClicked() tells that the
// user picked a day in it.
class PopupDateEdit final : public QDateEdit
{
    Q_OBJECT
public:
    explicit PopupDateEdit(QWidget *parent = nullptr);

    // Gives a Qt calendar the look of the range calendar. Public for the tests.
    static void dressCalendar(QCalendarWidget *calendar);

    // Shows `date`, or for an invalid one "未設定" until the user picks a day. The unset box
    // holds the day before its minimum date, which no pick can give.
    void setDateOrUnset(const QDate &date);
    bool isUnset() const { return m_unset; }

signals:
    void calendarClicked(const QDate &date);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void stepBy(int steps) override;

private:
    void prepareCalendar();
    void leaveUnsetUnlessShown();

    bool m_prepared = false;
    bool m_unset = false;
    QDate m_minimum; // the minimum date before the box showed unset
};
