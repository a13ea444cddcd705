#pragma once

#include "data/DayFile.h"

#include <QScrollArea>
#include <QTimer>

#include <array>

class ColorFrame;
class DayPlan;
class DragColumnWidget;
class QLabel;
class SchedulePad;
class SchedulePadHost;

// The plan of the daily planner, scrolled: the two panes of pads either side of the time scale and
// its drag columns, from 6:00 to 5:59 of the next morning. Dragging in a column makes a pad; the
// wheel anywhere over the window scrolls the plan.
class PlanAreaWidget final : public QScrollArea
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PlanAreaWidget)
public:
    static constexpr int InitialScroll = 240; // 8:00 at the top
    static constexpr int RowsPerNotch = 25;
    static constexpr int AutoScrollMargin = 30;
    static constexpr int AutoScrollStep = 10;
    static constexpr int PauseMs = 2;

    PlanAreaWidget(SchedulePadHost &host, DayPlan &day, QWidget *parent);
    ~PlanAreaWidget() override;

    // The wheel over any part of `window`, boxes included, scrolls the plan instead.
    void takeWheelOf(QWidget *window);

    SchedulePad *pad(int slot) const { return m_pads[size_t(slot)]; }
    // A pad for every record of the working day that has times.
    void showPadsFromRecords();
    void setPadColorsFromRecords();
    void destroyPads();
    void focusPadNumber(int number);
    // A dragged pad not yet kept with "一時保存".
    bool hasUnkeptPad() const;
    void keepUnkeptPads();
    void setBars(const ScheduleBars &bars);
    void showFirstUseHint();

    // The drag columns.
    void dragPress(DragColumnWidget *column, Qt::MouseButton button, int y);
    void dragMove(DragColumnWidget *column, int y);
    void dragRelease(DragColumnWidget *column, Qt::MouseButton button, int y);
    bool dragActive() const { return m_dragActive; }
    bool dragArmed() const { return m_dragArmed; }

    int scrollPosition() const;
    void setScrollPosition(int rows);

signals:
    void padMemoRequested(int number);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildPlan();
    void buildFirstUseHint();
    void watchWheel(QObject *object);
    SchedulePad *createPad(int slot);
    void markFocusedPad(QWidget *old, QWidget *now);
    void pauseDrag();
    void scrollBy(int rows);

    SchedulePadHost &m_host;
    DayPlan &m_day;
    QWidget *m_plan = nullptr;
    DragColumnWidget *m_leftColumn = nullptr;
    DragColumnWidget *m_rightColumn = nullptr;
    ColorFrame *m_firstUseHint = nullptr;
    QLabel *m_firstUseHintLabel = nullptr;
    QWidget *m_wheelWindow = nullptr;
    std::array<SchedulePad *, PadSlots> m_pads{};

    bool m_dragActive = false;
    bool m_dragArmed = false;
    bool m_dragHeld = false;
    int m_dragStartRow = 0;
    int m_dragEndRow = 0;
    QTimer m_dragPause;
    int m_wheelRemainder = 0;
};
