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

signals:
    void calendarClicked(const QDate &date);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void prepareCalendar();

    bool m_prepared = false;
};
