#pragma once

#include "dailyplan/SchedulePad.h"
#include "data/Session.h"

#include <QDialog>
#include <QTimer>

#include <array>
#include <functional>

class DragColumnWidget;
class JobRowWidget;
class QDateEdit;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollArea;
class QStatusBar;
struct PlannerData;
struct JobRecord;
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
    static constexpr int InitialScroll = 240; // 8:00 at the top
    static constexpr int RowsPerNotch = 25;
    static constexpr int AutoScrollMargin = 30;
    static constexpr int AutoScrollStep = 10;
    static constexpr int PauseMs = 2;

    DailyPlannerWindow(Session &session, Services &services, PlannerData &data, QWidget *parent = nullptr);
    ~DailyPlannerWindow() override;

    // Filling by the launcher.
    void addJobInProgress(MonthKind kind, int monthNumber, int dataNo, const JobRecord &job);
    void setInProgressCount(int count);
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

    // The drag columns.
    void dragPress(DragColumnWidget *column, Qt::MouseButton button, int y);
    void dragMove(DragColumnWidget *column, int y);
    void dragRelease(DragColumnWidget *column, Qt::MouseButton button, int y);
    bool dragActive() const { return m_dragActive; }
    bool dragArmed() const { return m_dragArmed; }

    SchedulePad *pad(int slot) const { return m_pads[slot]; }
    QAction *action(const QString &name) const;
    // F1: the planner's own help page.
    QAction *helpPageAction() const { return m_helpPageAction; }
    // "目次(&C)...": the help window's contents.
    QAction *helpContentsAction() const { return action(QStringLiteral("HContentsAubrel")); }
    int scrollPosition() const;
    void setScrollPosition(int rows);

    // SchedulePadHost
    DayPlan &dayPlan() override;
    const ListBook &lists() override;
    Dialogs &padDialogs() override;
    QWidget *dialogParent() override { return this; }
    void playShutter() override;
    QAction *routineEntryAction() override;

    static QString clockText(const QTime &time);

signals:
    // For the memo dialog, which the pads open through the window.
    void padMemoRequested(int number);

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

public slots:
    // "閉じる" and the close box: edits not yet saved are saved, dropped or kept open at the user's word.
    void reject() override;
    void done(int result) override;

private:
    void buildActions();
    void buildJobsPanel();
    void buildCommandPanel();
    void buildPlan();
    void layoutParts();
    void showCover();
    void hideCover();
    void showFirstUseHint();
    SchedulePad *createPad(int slot, const SchedulePadRecord &record);
    SchedulePad *createNewPad(int slot, int left, int startRow, int endRow);
    void destroyPads();
    void showPadsFromRecords();
    void setPadColorsFromRecords();
    void focusPadNumber(int number);
    void showPadCount(int count);
    void showFileOf(const DayFile &day, const QString &path);
    void markFocusedPad(QWidget *old, QWidget *now);
    SchedulePad *padOf(QWidget *widget) const;
    void pauseDrag();
    void scrollBy(int rows);
    bool hasUnsavedEdits() const;

    Session &m_session;
    Services &m_services;
    PlannerData &m_data;
    DayPlan &m_day;

    std::array<SchedulePad *, PadSlots> m_pads{};

    bool m_dragActive = false;
    bool m_dragArmed = false;
    bool m_dragHeld = false;
    int m_dragStartRow = 0;
    int m_dragEndRow = 0;
    QTimer m_dragPause;
    int m_wheelRemainder = 0;

    QFrame *m_jobsPanel = nullptr;
    QLabel *m_jobCountLabel = nullptr;
    QScrollArea *m_jobsScroll = nullptr;
    QWidget *m_jobRows = nullptr;
    int m_jobRowCount = 0;

    QFrame *m_commandPanel = nullptr;
    QDateEdit *m_todayBox = nullptr;
    QLineEdit *m_clockBox = nullptr;
    QLineEdit *m_fileNameBox = nullptr;
    QDateEdit *m_createdOnEdit = nullptr;
    QMenu *m_commandMenu = nullptr;

    QScrollArea *m_planScroll = nullptr;
    QWidget *m_planHolder = nullptr; // the plan with a margin either side
    QWidget *m_plan = nullptr;
    DragColumnWidget *m_leftColumn = nullptr;
    DragColumnWidget *m_rightColumn = nullptr;
    QFrame *m_firstUseHint = nullptr;
    QLabel *m_busyCover = nullptr;

    QStatusBar *m_statusBar = nullptr;
    QLabel *m_padCountPanel = nullptr;
    QLabel *m_routineCountPanel = nullptr;
    bool m_dialogOpen = false; // the diary or a memo
    QAction *m_helpPageAction = nullptr;
};
