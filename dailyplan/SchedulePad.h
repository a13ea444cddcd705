#pragma once

#include "data/DayFile.h"
#include "data/TimeAxis.h"

#include <QFrame>

class ColorComboBox;
class Dialogs;
class ListComboBox;
class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSpinBox;
class QToolButton;
struct DailyPlanState;

// What a schedule pad needs from the daily plan window.
class SchedulePadHost
{
public:
    virtual ~SchedulePadHost() = default;
    virtual DailyPlanState &planState() = 0;
    virtual Dialogs &padDialogs() = 0;
    virtual QWidget *dialogParent() = 0;
    virtual void paintBars() = 0;
    virtual void playShutter() = 0;
    // The window's "ルーチン仮登録(&E)", shared by every pad's pop-up menu.
    virtual QAction *routineEntryAction() = 0;
};

// One schedule pad on the plan: edits record and bar number - 1 of the working day. Its buttons
// change only the working copies; the day reaches its file with the window's save.
class SchedulePad final : public QFrame
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SchedulePad)
public:
    static constexpr int Width = 295;
    static constexpr int Height = 80;
    static constexpr int MoveStep = 10;

    SchedulePad(int number, SchedulePadHost &host, QWidget *parent);

    int number() const { return m_number; }

    // A pad made from a saved record: texts (placeholders for empty ones), times, flags, colour.
    void setFromRecord(const SchedulePadRecord &record);
    void setTimes(const TimeAxis::ClockTime &start, const TimeAxis::ClockTime &end);
    // Saved pads change their times with "変更", new ones need "一時保存" first.
    void setSaved(bool saved);
    void setColorValue(qint32 value);

    void setMarked(bool marked);
    bool isMarked() const;
    void focusPad();

    // Handlers of the pad's buttons.
    void btnSaveClick();
    void btnReviseClick();
    void moveUp();
    void moveDown();

signals:
    void memoRequested(int number);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Times
    {
        int startHour, startMinute, endHour, endMinute;
    };
    QLabel *addLabel(const QString &text, int x, int y, int pointSize);
    void buildTimeGroup(int y, QComboBox **hour, QSpinBox **minute, QCheckBox **pm);
    void moveBy(int dy);
    // The four numbers of the time boxes; false (after telling the user) when one is not a number.
    bool readTimes(Times *times);
    // Reads the boxes into the pad's record and bar.
    void readIntoRecord(const Times &times);
    // The start and end limits of the axis, with their messages.
    void applyAxisLimits();
    void showTimes(const SchedulePadRecord &record);

    int m_number;
    SchedulePadHost &m_host;

    QComboBox *m_cmbStartHour = nullptr;
    QSpinBox *m_speStartMinute = nullptr;
    QCheckBox *m_chbStartPM = nullptr;
    QComboBox *m_cmbEndHour = nullptr;
    QSpinBox *m_speEndMinute = nullptr;
    QCheckBox *m_chbEndPM = nullptr;
    QToolButton *m_bitMoveUp = nullptr;
    QToolButton *m_bitMoveDown = nullptr;
    QLabel *m_pnlPMenu = nullptr;
    ListComboBox *m_cmbKeyword = nullptr;
    QLineEdit *m_edtPadNo = nullptr;
    ListComboBox *m_cmbContent = nullptr;
    QCheckBox *m_chbCompleted = nullptr;
    ColorComboBox *m_colorBox = nullptr;
    QPushButton *m_btnSave = nullptr;
    QPushButton *m_btnRevise = nullptr;
    QMenu *m_pumPadFrame = nullptr;
};
