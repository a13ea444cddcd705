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

#include <functional>
#include <memory>
#include <optional>

class AboutDialog;
class Autostart;
class BackupLauncher;
class DailyPlanLauncher;
class EntryController;
class ExportRunner;
class HelpLauncher;
class JobEntryPanel;
class MonthCommandState;
class PanelPicture;
class PartnerLauncher;
class QAction;
class QLabel;
class QMenu;
class StepLauncher;
class ToDoIndicator;
class TrayPresence;
struct Services;

namespace Ui {
class MainWindow;
}
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
    // Keeps the two planners' windows built ahead while the program is idle (not in tests, which
    // open their own).
    void keepSpareWindows();
    bool isTrayShown() const;
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
    void setHelpFolder(const QString &folder);
    HelpWindow *helpWindow() const;
    const Autostart &autostart() const { return *m_autostart; }

    std::optional<AfterLaunch> pendingLaunchAction() const { return m_pendingLaunchAction; }
    Pending::Indicator indicator() const;
    // The first-idle blink runs only once; true while it is running.
    bool isBlinking() const;

    // ViewHost
    QWidget *mainWindow() override { return this; }
    MonthKind shownMonth() const override;
    void setShownMonth(MonthKind kind) override;
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
    void wireForm();
    void wireActions();
    QMenu *contextMenu();
    void startUp();
    void readConfiguration();
    void loadMonths();

    void showRefusal(const QString &hint);
    void toggleJobPanel();

    void updateToDoIndicator();
    void endFirstIdle();
    void runPendingLaunchAction();

    QPoint messagePos() const;
    void inform(const QString &text);

    std::unique_ptr<Ui::MainWindow> m_ui;
    Session m_session;
    Services &m_services;
    std::unique_ptr<ViewManager> m_views;
    std::unique_ptr<StepLauncher> m_stepLauncher;
    std::unique_ptr<DailyPlanLauncher> m_dailyPlanLauncher;
    std::unique_ptr<ExportRunner> m_exportRunner;
    std::unique_ptr<BackupLauncher> m_backupLauncher;
    std::unique_ptr<Autostart> m_autostart;
    // The parts below work the form and the session: they go before either.
    std::unique_ptr<JobEntryPanel> m_entry;
    std::unique_ptr<ToDoIndicator> m_toDo;
    std::unique_ptr<MonthCommandState> m_state;
    std::unique_ptr<PanelPicture> m_picture;
    std::unique_ptr<HelpLauncher> m_help;
    std::unique_ptr<PartnerLauncher> m_partners;
    std::unique_ptr<TrayPresence> m_tray;
    std::unique_ptr<EntryController> m_records;

    std::optional<AfterLaunch> m_pendingLaunchAction;

    QMenu *m_contextMenu = nullptr;
    QLabel *m_countLabel = nullptr;
};
