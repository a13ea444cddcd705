#pragma once

#include <QDate>
#include <QWidget>

class QPainter;

// A month calendar on which a period is chosen by dragging from its first to its last day.
// Shows as many months side by side as its width holds. Qt's QCalendarWidget selects single
// days only, hence this widget.
class RangeCalendarWidget final : public QWidget
{
    Q_OBJECT
public:
    explicit RangeCalendarWidget(QWidget *parent = nullptr);

    void setToday(const QDate &today);
    void setMinimumDate(const QDate &date);
    QDate minimumDate() const { return m_minimum; }

    // Shows the range and scrolls so that its first day is visible. An invalid day marks none.
    void setSelection(const QDate &start, const QDate &end);
    QDate selectionStart() const { return m_start; }
    QDate selectionEnd() const { return m_end; }

    // First day of the first month shown.
    QDate firstShownMonth() const { return m_firstMonth; }
    int monthsShown() const;
    void showMonth(const QDate &anyDayOfMonth);
    // The day under a point, invalid outside the day grid.
    QDate dateAt(const QPoint &pos) const;
    QRect dayRect(const QDate &date) const;

signals:
    // The user finished choosing a range (mouse released on the grid).
    void rangeSelected(const QDate &start, const QDate &end);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    struct Layout
    {
        int monthWidth;
        int titleHeight;
        int headerHeight;
        int cellWidth;
        int cellHeight;
    };
    Layout layout() const;
    QRect monthRect(int index) const;
    QRect prevButtonRect() const;
    QRect nextButtonRect() const;
    void paintMonthHead(QPainter &p, int index) const;
    void paintDays(QPainter &p, const QDate &month) const;
    void paintArrows(QPainter &p) const;
    void setDragRange(const QDate &anchor, const QDate &other);
    void step(int months);

    QDate m_today;
    QDate m_minimum{2000, 1, 1};
    QDate m_firstMonth;
    QDate m_start;
    QDate m_end;
    QDate m_anchor;
    bool m_dragging = false;
};
