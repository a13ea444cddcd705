#pragma once

#include "app/HelpWindow.h"
#include "app/SetupDialog.h"
#include "backup/BackupHost.h"
#include "dailyplan/DailyPlanHost.h"
#include "data/MonthEditor.h"
#include "data/Pending.h"
#include "data/Session.h"
#include "step/StepHost.h"
#include "views/ViewHost.h"
#include "views/ViewManager.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class AboutDialog;
class Autostart;
class BackupLauncher;
class DailyPlanLauncher;
class ExportRunner;
class PictureWidget;
class PopupDateEdit;
class QAction;
class QButtonGroup;
class QComboBox;
class QDateEdit;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class SjisTextEdit;
class QPushButton;
class QTimer;
class RangeCalendarWidget;
class StepLauncher;
class UpDownWidget;
struct Services;

// The main window: shows and edits one job record at a time and opens every other window.
// It owns the session, the shared state of the run, and knows which month it shows.
class MainWindow final : public QMainWindow,
                         public ViewHost,
                         public StepHost,
                         public DailyPlanHost,
                         public SetupHost,
                         public BackupHost
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainWindow)
public:
    MainWindow(const QString &exeDir, Services &services, QWidget *parent = nullptr);
    ~MainWindow() override;

    Session &session() { return m_session; }
    ViewManager &views() { return *m_views; }
    ExportRunner &exportRunner() { return *m_exportRunner; }

    // Shows record `dataNo` (1..60) of the month with the shutter sound; refuses without the
    // sound file and then changes nothing. Data number 0 (a month without records) shows the
    // blank entry for record 1.
    bool showRecord(MonthKind kind, int dataNo) override;
    void clearEntry();

    // The data commands.
    void createMonthFile();
    void appendRecord();
    void updateRecord();
    void startNewRecord();
    void switchShownMonth();
    // The date rules, run when a picker closes or its date was edited, and after a calendar drag.
    void applyStartDateRule();
    void applyEndDateRule();
    void applyCalendarRange();

    // Notification area.
    void hideToTray();
    void restoreFromTray();
    // Closes the views and goes to the tray.
    void moveToTray();
    bool isTrayShown() const { return m_trayShown; }
    QMenu *trayMenu();
    // A second start asked this one to come forward.
    void comeForward();

    // The setup dialog, the about box and the help.
    void openSetup();
    // The daily planner on today, as its button opens it.
    void openDailyPlan();
    void showAbout();
    void showHelpContents() { showHelp({}); }
    void showHelp(const QString &page) override;
    // Tests replace these so that nothing enters a modal loop.
    std::function<void(SetupDialog &)> showSetupModal;
    std::function<void(AboutDialog &)> showAboutModal;
    // Where the help pages are; beside the program unless a test says otherwise.
    void setHelpFolder(const QString &folder) { m_helpFolder = folder; }
    HelpWindow *helpWindow() const { return m_helpWindow; }
    const Autostart &autostart() const { return *m_autostart; }

    std::optional<AfterLaunch> pendingLaunchAction() const { return m_pendingLaunchAction; }
    Pending::Indicator indicator() const { return m_indicator; }
    // The first-idle blink runs only once; true while it is running.
    bool isBlinking() const;

    // ViewHost
    QWidget *mainWindow() override { return this; }
    MonthKind shownMonth() const override { return m_shownMonth; }
    void setShownMonth(MonthKind kind) override { m_shownMonth = kind; }
    void activateMainWindow() override;
    int shownDataNo() const override;
    void setShownCheck(int check) override;
    void setAppendEnabled(bool enabled) override;
    void setUpdateEnabled(bool enabled) override;
    void showMonthHeader(MonthKind kind) override;
    void showPastMonthHeader(int year, int month) override;
    void returnToMonth(MonthKind kind) override;
    bool isLaunchEnabled(Partner partner) const override;
    void launch(Partner partner) override;
    void setPendingLaunchAction(AfterLaunch action) override { m_pendingLaunchAction = action; }
    void showHint(const QString &text) override;

    // StepHost
    QWidget *hostWindow() override { return this; }
    QString shownTitle() const override;
    void setShownTitle(const QString &title) override;
    void updateShownRecord() override { updateRecord(); }
    void closeModelessViews() override;

    // SetupHost
    QPoint hostMessagePos() const override { return messagePos(); }
    void refillCustomers() override;
    void refillJobTypes() override;
    void showConfiguredPicture(const QImage &image) override;
    void followPartnerPaths() override;

    // BackupHost
    void reloadAfterRestore() override;
    BackupLauncher &backups() { return *m_backupLauncher; }

signals:
    // The first-idle blink has ended (and the to-do list opened when configured).
    void firstIdleDone();
    // The main window was closed: the program ends.
    void closed();
    // The setup window saved the settings.
    void setupSaved();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildActions();
    void buildMenus();
    void buildControls();
    QMenu *dataMenu();
    void startUp();
    void readConfiguration();
    void loadPicture();
    void loadMonths();
    void startWithCurrentFile();
    void startWithoutCurrentFile();

    void setDataNo(int n);
    int dataNo() const;
    void fillEntry(const JobRecord &record, int slot);
    void rememberEntry(const JobRecord &record);
    JobRecord recordFromEntry() const;
    void showStored(MonthKind month, int slot);
    void reloadMonth(MonthKind month);
    void limitToField(QLineEdit *edit, int capacity);
    void showRefusal(const QString &hint);
    void setDates(const QDate &start, const QDate &end);
    void resetDatesToToday();
    void setCaptionForMonth(int month, bool fileMissing = false);
    void setCountStatus(int count);
    void enterNoFileState();
    void applyActionsForCurrentMonth();

    // Runs a data command through the month editor inside one close/reopen of the views.
    void runDataCommand(MonthEditor::Command command);
    void reportOutcome(MonthEditor::Command command, const MonthEditor::Outcome &outcome);

    void vetoDataNoStep(int direction, bool *allow);
    void showDataNo(int position);

    void updateToDoIndicator();
    void startFirstIdle();
    void blinkStep();
    void runPendingLaunchAction();

    QPoint messagePos() const;
    void inform(const QString &text);

    Session m_session;
    Services &m_services;
    MonthEditor m_editor{m_session};
    MonthKind m_shownMonth = MonthKind::Current;
    std::unique_ptr<ViewManager> m_views;
    std::unique_ptr<StepLauncher> m_stepLauncher;
    std::unique_ptr<DailyPlanLauncher> m_dailyPlanLauncher;
    std::unique_ptr<ExportRunner> m_exportRunner;
    std::unique_ptr<BackupLauncher> m_backupLauncher;
    std::unique_ptr<Autostart> m_autostart;
    QString m_helpFolder;
    QPointer<HelpWindow> m_helpWindow;

    std::optional<AfterLaunch> m_pendingLaunchAction;
    bool m_firstIdleDone = false;
    bool m_trayShown = false;
    bool m_pictureLoaded = false;
    Pending::Indicator m_indicator = Pending::Indicator::NonePending;
    QColor m_rememberedColor;
    int m_blinkStep = -1;
    QTimer *m_blinkTimer = nullptr;
    int m_numberBeforeStep = 1;
    // What the entry was filled with, to tell what the user changed.
    struct Entry
    {
        JobRecord record;
        QDate entryDate;
        QDate startDate;
        QDate endDate;
        QString comments; // as the box gave it back
    } m_entry;
    QDate m_lastRuledStart;
    QDate m_lastRuledEnd;
    bool m_applyingDates = false;

    QAction *m_createFileAction = nullptr;
    QAction *m_viewerOutAction = nullptr;
    QAction *m_textOutAction = nullptr;
    QAction *m_pastDataAction = nullptr;
    QAction *m_exportCsvAction = nullptr;
    QAction *m_exportICalendarAction = nullptr;
    QAction *m_printAction = nullptr;
    QAction *m_exitAction = nullptr;
    QAction *m_toDoListAction = nullptr;
    QAction *m_graphAction = nullptr;
    QAction *m_findJobAction = nullptr;
    QAction *m_jobPanelAction = nullptr;
    QAction *m_trayAction = nullptr;
    QAction *m_showWindowAction = nullptr;
    QAction *m_switchMonthAction = nullptr;
    QAction *m_appendAction = nullptr;
    QAction *m_updateAction = nullptr;
    QAction *m_newEntryAction = nullptr;
    QAction *m_stepAction = nullptr;
    QAction *m_stepFromFileAction = nullptr;
    QAction *m_dailyPlanAction = nullptr;
    std::array<QAction *, 3> m_partnerActions{}; // by Partner
    QAction *m_setupAction = nullptr;
    QAction *m_helpAction = nullptr;
    QAction *m_aboutAction = nullptr;
    QMenu *m_dataOutMenu = nullptr;
    QMenu *m_dataMenu = nullptr; // the window's context menu
    QMenu *m_trayMenu = nullptr;

    PopupDateEdit *m_entryDateEdit = nullptr;
    QComboBox *m_titleBox = nullptr;
    SjisTextEdit *m_commentsEdit = nullptr;
    QLineEdit *m_dataNoEdit = nullptr;
    UpDownWidget *m_dataNoUpDown = nullptr;
    QPushButton *m_newEntryButton = nullptr;
    QFrame *m_indicatorBacking = nullptr;
    QPushButton *m_toDoButton = nullptr;
    QFrame *m_picturePanel = nullptr;
    PictureWidget *m_picture = nullptr;
    QGroupBox *m_jobPanel = nullptr;
    QComboBox *m_customerBox = nullptr;
    QLineEdit *m_jobNoEdit = nullptr;
    QComboBox *m_jobTypeBox = nullptr;
    QGroupBox *m_checkGroupBox = nullptr;
    QButtonGroup *m_checkButtons = nullptr;
    QPushButton *m_dailyPlanButton = nullptr;
    QPushButton *m_stepButton = nullptr;
    QPushButton *m_graphButton = nullptr;
    QFrame *m_datePanel = nullptr;
    PopupDateEdit *m_startDateEdit = nullptr;
    PopupDateEdit *m_endDateEdit = nullptr;
    RangeCalendarWidget *m_calendar = nullptr;
    QLabel *m_countLabel = nullptr;
};
