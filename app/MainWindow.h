#pragma once

#include "dailyplan/DailyPlanHost.h"
#include "data/Session.h"
#include "step/StepHost.h"
#include "views/ViewHost.h"
#include "views/ViewManager.h"

#include <QMainWindow>

#include <memory>

class DailyPlanLauncher;
class PictureWidget;
class QAction;
class QButtonGroup;
class QComboBox;
class QDateEdit;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class RangeCalendarWidget;
class StepLauncher;
class UpDownWidget;
struct Services;

// The main window: shows and edits one job record at a time and opens every other window.
// It owns the session, the shared state of the run.
class MainWindow final : public QMainWindow, public ViewHost, public StepHost, public DailyPlanHost
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainWindow)
public:
    MainWindow(const QString &exeDir, Services &services, QWidget *parent = nullptr);
    ~MainWindow() override;

    Session &session() { return m_session; }
    ViewManager &views() { return *m_views; }

    // Shows record `dataNo` (1..60) of the month with the shutter sound; refuses without the
    // sound file. Data number 0 (a month without records) shows the blank entry for record 1.
    void ShowRecord(MonthKind kind, int dataNo);
    void ClearEntryControls();

    // The data commands.
    void FileSave1Execute();
    void DataAppend1Execute();
    void DataUpdate1Execute();
    void DataNewEntry1Execute();
    void DataChange1Execute();
    // The date rules, run when a picker closes or its date was edited, and after a calendar drag.
    void dtpStartCloseUp();
    void dtpEndCloseUp();
    void MonthCalendar1Click();

    // Notification area.
    void HideToTray();
    void RestoreFromTray();
    void ViewTaskTray1Execute();
    bool isTrayShown() const { return m_trayShown; }
    // A second start asked this one to come forward.
    void comeForward();

    int pendingLaunchAction() const { return m_pendingLaunchAction; }
    int indicatorIndex() const { return m_indicatorIndex; }
    // The first-idle blink runs only once; true while it is running.
    bool isBlinking() const;

    // ViewHost
    QWidget *mainWindow() override { return this; }
    void showRecord(MonthKind kind, int dataNo) override { ShowRecord(kind, dataNo); }
    void activateMainWindow() override;
    int shownDataNo() const override;
    void setShownCheck(int check) override;
    void setAppendEnabled(bool enabled) override;
    void setUpdateEnabled(bool enabled) override;
    void showMonthHeader(MonthKind kind) override;
    bool isLaunchEnabled(Partner partner) const override;
    void launch(Partner partner) override;
    void setPendingLaunchAction(int action) override { m_pendingLaunchAction = action; }
    void showHint(const QString &text) override;

    // StepHost
    QWidget *hostWindow() override { return this; }
    QString shownTitle() const override;
    void setShownTitle(const QString &title) override;
    void runDataUpdate() override { DataUpdate1Execute(); }
    void closeModelessViews() override;

signals:
    // The first-idle blink has ended (and the to-do list opened when configured).
    void firstIdleDone();
    // The main window was closed: the program ends.
    void closed();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildActions();
    void buildMenus();
    void buildControls();
    void createWindow();
    void readConfiguration();
    void loadPicture();
    void loadMonths();
    void startWithCurrentFile();
    void startWithoutCurrentFile();

    void setDataNo(int n);
    int dataNo() const;
    void fillControls(const JobRecord &record);
    JobRecord recordFromControls() const;
    void setDates(const QDate &start, const QDate &end);
    void resetDatesToToday();
    void setCaptionForMonth(int month, bool fileMissing = false);
    void setCountStatus(int count);
    void enterNoFileState();
    void applyActionsForCurrentMonth();
    bool writeMonth(MonthKind kind, int slot, const JobRecord &previous);

    // Append and update hand over to each other; both run inside one close/reopen of the views.
    void appendInto(int slot);
    void updateInto(MonthKind kind, int slot);
    void appendOrHandOver();
    bool refuseAppendToPrevious();
    void updateOrHandOver();

    void updDataNoChanging(int direction, bool *allow);
    void updDataNoClick(int position);

    void UpdateToDoIndicator();
    void startFirstIdle();
    void blinkStep();
    void runPendingLaunchAction();
    void launchPartner(const QString &path, const QString &expectedName, const QString &displayName);

    QPoint messagePos() const;
    void inform(const QString &text);
    void fileError(const QString &fileName, const QString &what, const QString &reason);

    Session m_session;
    Services &m_services;
    std::unique_ptr<ViewManager> m_views;
    std::unique_ptr<StepLauncher> m_stepLauncher;
    std::unique_ptr<DailyPlanLauncher> m_dailyPlanLauncher;

    int m_pendingLaunchAction = -1;
    int m_idleCount = 0;
    bool m_trayShown = false;
    int m_indicatorIndex = 0;
    QColor m_rememberedColor;
    int m_blinkStep = -1;
    QTimer *m_blinkTimer = nullptr;
    QDate m_lastRuledStart;
    QDate m_lastRuledEnd;
    bool m_applyingDates = false;

    // Actions
    QAction *FileSave1 = nullptr;
    QAction *FileViewerOut1 = nullptr;
    QAction *FileTextOut1 = nullptr;
    QAction *FilePastDataOut1 = nullptr;
    QAction *FileExit1 = nullptr;
    QAction *ViewToDoList1 = nullptr;
    QAction *ViewGraph1 = nullptr;
    QAction *ViewPanel1 = nullptr;
    QAction *ViewTaskTray1 = nullptr;
    QAction *ViewFormShow1 = nullptr;
    QAction *DataChange1 = nullptr;
    QAction *DataAppend1 = nullptr;
    QAction *DataUpdate1 = nullptr;
    QAction *DataNewEntry1 = nullptr;
    QAction *OptionStepBoot1 = nullptr;
    QAction *OptionStepBootFromFile1 = nullptr;
    QAction *OptionAubrelBoot1 = nullptr;
    QAction *OptionPellBoot1 = nullptr;
    QAction *OptionTrevBoot1 = nullptr;
    QAction *OptionDossBoot1 = nullptr;
    QAction *OptionSetup1 = nullptr;
    QAction *HelpContents1 = nullptr;
    QAction *HelpAbout1 = nullptr;
    QMenu *m_miDataOut = nullptr;
    QMenu *m_popupMenu1 = nullptr;
    QMenu *m_popupMenu4 = nullptr;

    // Controls
    QDateEdit *m_dtpEntry = nullptr;
    QComboBox *m_cmbTitle = nullptr;
    QPlainTextEdit *m_memComments = nullptr;
    QLineEdit *m_edtDataNo = nullptr;
    UpDownWidget *m_updDataNo = nullptr;
    QPushButton *m_btnNewEntry = nullptr;
    QFrame *m_pnlToDoBack = nullptr;
    QPushButton *m_bitBtnToDo = nullptr;
    QFrame *m_pnlPicture = nullptr;
    PictureWidget *m_imgMain = nullptr;
    QGroupBox *m_pnlJobData = nullptr;
    QComboBox *m_cmbCustomer = nullptr;
    QLineEdit *m_edtJobNo = nullptr;
    QComboBox *m_cmbJobType = nullptr;
    QGroupBox *m_rgCheck = nullptr;
    QButtonGroup *m_checkGroup = nullptr;
    QPushButton *m_bitBtnAubrel = nullptr;
    QPushButton *m_bitBtnStep = nullptr;
    QPushButton *m_bitBtnGraph = nullptr;
    QFrame *m_panel2 = nullptr;
    QDateEdit *m_dtpStart = nullptr;
    QDateEdit *m_dtpEnd = nullptr;
    RangeCalendarWidget *m_monthCalendar = nullptr;
    QLabel *m_statusCount = nullptr;
};
