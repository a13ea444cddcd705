#pragma once

#include "dailyplan/PadFace.h"
#include "dailyplan/PadTimeBoxes.h"
#include "dailyplan/PaintedPadFrame.h"
#include "dailyplan/PlanLayout.h"
#include "data/DayFile.h"
#include "data/DayPlan.h"
#include "data/TimeAxis.h"

class ColorComboBox;
class Dialogs;
class ListBook;
class ListComboBox;
class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolButton;

// What a schedule pad needs from the daily plan window.
class SchedulePadHost
{
public:
    virtual ~SchedulePadHost() = default;
    virtual DayPlan &dayPlan() = 0;
    virtual const ListBook &lists() = 0;
    virtual Dialogs &padDialogs() = 0;
    virtual QWidget *dialogParent() = 0;
    virtual void paintBars() = 0;
    virtual void playShutter() = 0;
    // The window's "ルーチン仮登録(&E)", shared by every pad's pop-up menu.
    virtual QAction *routineEntryAction() = 0;
};

// One schedule pad on the plan: edits record and bar number - 1 of the working day. Its buttons
// change only the working copies; the day reaches its file with the window's save.
// A pad is painted until it is touched (pointer, click, focus): its boxes and buttons are made
// only then, so a day of 24 pads opens at once.
class SchedulePad final : public PaintedPadFrame
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SchedulePad)
public:
    static constexpr int Width = PlanLayout::PadWidth;
    static constexpr int Height = PlanLayout::PadHeight;
    static constexpr int MoveStep = 10;

    SchedulePad(int number, SchedulePadHost &host, QWidget *parent);

    int number() const { return m_number; }

    // A pad made from a saved record: texts (placeholders for empty ones), times, flags, colour.
    void setFromRecord(const SchedulePadRecord &record);
    void setTimes(const TimeAxis::ClockTime &start, const TimeAxis::ClockTime &end);
    // Kept pads change their times with "変更", new ones need "一時保存" first.
    void setKept(bool kept);
    bool isKept() const { return m_face.kept; }
    void setColorValue(qint32 value);

    void setMarked(bool marked);
    bool isMarked() const;
    void focusPad();

    // "一時保存": the boxes go to the working day and the pad moves to the start of its bar.
    void keepPad();
    // "変更": the boxes go to the working day; the pad stays where it stands.
    void revisePad();
    void moveUp();
    void moveDown();

signals:
    void memoRequested(int number);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void buildEditors() override;
    QWidget *firstBox() const override;
    void makeBoxes();
    void makeMoveButtons();
    void makeTextBoxes();
    void makeButtons();
    void makeMenu();
    void moveBy(int dy);
    // The boxes as the user left them; false (after telling the user) when a time is not a number.
    bool readForm(DayPlan::PadForm *form) const;
    // Tells the user what happened to the times and shows the ones the record now holds.
    void showClamping(const DayPlan::PadOutcome &outcome);
    void showStart(const TimeAxis::ClockTime &time);
    void showEnd(const TimeAxis::ClockTime &time);
    void showTimes(const SchedulePadRecord &record);
    const SchedulePadRecord &workingRecord() const;

    int m_number;
    SchedulePadHost &m_host;
    PadFace m_face; // what the pad shows while it is only painted

    PadTimeBoxes m_start;
    PadTimeBoxes m_end;
    QToolButton *m_moveUpButton = nullptr;
    QToolButton *m_moveDownButton = nullptr;
    QLabel *m_markLabel = nullptr;
    ListComboBox *m_keywordBox = nullptr;
    QLineEdit *m_numberBox = nullptr;
    ListComboBox *m_descriptionBox = nullptr;
    QCheckBox *m_completedBox = nullptr;
    ColorComboBox *m_colorBox = nullptr;
    QPushButton *m_keepButton = nullptr;
    QPushButton *m_reviseButton = nullptr;
    QMenu *m_padMenu = nullptr;
};
