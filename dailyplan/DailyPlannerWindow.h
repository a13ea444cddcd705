#pragma once

#include "dailyplan/SchedulePad.h"
#include "data/Session.h"

#include <QDialog>

#include <functional>
#include <memory>

namespace Ui {
class DailyPlannerWindow;
} // namespace Ui
class JobsInProgressPanel;
class PlanAreaWidget;
class QDateEdit;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QScrollArea;
class QStatusBar;
struct PlannerData;
struct Services;

// The daily planner: one day from 6:00 to 5:59 of the next morning on a tall scrolling plan,
// the schedule pads in two panes beside the time scale, the jobs in progress at the top and the
// commands at the right. The launcher fills it and shows it modally.
class DailyPlannerWindow final : public QDialog, public SchedulePadHost
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DailyPlannerWindow)
public:
    static constexpr int FixedWidth = 800;
    static constexpr int MinimumHeight = 600;

    DailyPlannerWindow(Session &session, Services &services, PlannerData &plannerData,
                       QWidget *parent = nullptr);
    ~DailyPlannerWindow() override;

    // Filling by the launcher.
    JobsInProgressPanel &jobsInProgress() { return *m_jobs; }
    void setRoutineCount(int count);
    void setToday(const QDate &date);
    void updateClock();
    // The day has no file yet: "未作成", and the date a save would give the file.
    void showUnsaved(const QDate &createdOn);
    // Clears the shown day and shows the file's day instead. A file that cannot be read is
    // reported and leaves the shown day as it was.
    bool loadDayFile(const QString &path);
    void clearDay();

    // "保存", "今日のスケジュール", "過去のスケジュール", "スケジュール・パッドを削除".
    void saveDay();
    void openToday();
    void openPastDay();
    void removeSelectedPad();
    void paintBars() override;

    // "ルーチン仮登録", "ルーチン設定...", "ルーチン表示", "リスト項目を設定", "一日の終わりに..." and a
    // pad's "メモ(&M)...".
    void registerSelectedPadAsRoutine();
    void openRoutineSettings();
    void showRoutines();
    void openListSettings();
    void openDiary();
    void openPadMemo(int number);
    // Runs the planner's own dialogs modally; tests replace it so that nothing enters a modal loop.
    std::function<void(QDialog &dialog)> runDialog;

    PlanAreaWidget *planArea() const { return m_planArea; }
    QAction *saveDayAction() const;
    QAction *openTodayAction() const;
    QAction *openPastDayAction() const;
    QAction *listSettingsAction() const;
    // "目次(&C)...": the help window's contents.
    QAction *helpContentsAction() const;
    // F1: the planner's own help page.
    QAction *helpPageAction() const;

    // SchedulePadHost
    DayPlan &dayPlan() override;
    const ListBook &lists() override;
    Dialogs &padDialogs() override;
    QWidget *dialogParent() override { return this; }
    void playShutter() override;
    QAction *routineEntryAction() override;

    static QString clockText(const QTime &time);

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

public slots:
    // "閉じる" and the close box: edits not yet saved are saved, dropped or kept open at the user's word.
    void reject() override;
    void done(int result) override;

private:
    void wireCommands();
    void setCommandHints();
    void showCommandMenu(const QPoint &pos);
    void layoutParts();
    void showCover();
    void hideCover();
    void showPadCount(int count);
    void showFileOf(const DayFile &day, const QString &path);
    // Shows the day of `path` under the cover, with the shutter; false when it could not be read.
    bool showDayFile(const QString &path);
    // Marks pad `slot` and asks whether `doing` to it may go on; a "no" gives the pad the focus.
    bool askAboutPad(int slot, const QString &doing, const QPoint &where);
    bool hasUnsavedEdits() const;

    Session &m_session;
    Services &m_services;
    PlannerData &m_data;
    DayPlan &m_day;

    std::unique_ptr<Ui::DailyPlannerWindow> m_ui;
    std::unique_ptr<JobsInProgressPanel> m_jobs;
    QMenu *m_commandMenu = nullptr;

    PlanAreaWidget *m_planArea = nullptr;
    QLabel *m_busyCover = nullptr;

    QStatusBar *m_statusBar = nullptr;
    QLabel *m_padCountPanel = nullptr;
    QLabel *m_routineCountPanel = nullptr;
    bool m_dialogOpen = false; // the diary or a memo
};
