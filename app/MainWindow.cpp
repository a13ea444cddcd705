#include "app/MainWindow.h"

#include "app/AboutDialog.h"
#include "app/Artwork.h"
#include "app/EntryController.h"
#include "app/HelpLauncher.h"
#include "app/JobEntryPanel.h"
#include "app/MainMessages.h"
#include "app/MonthCommandState.h"
#include "app/PanelPicture.h"
#include "app/PartnerLauncher.h"
#include "app/ProgramFolder.h"
#include "app/ToDoIndicator.h"
#include "app/TrayPresence.h"
#include "backup/BackupLauncher.h"
#include "dailyplan/DailyPlanLauncher.h"
#include "data/Pending.h"
#include "data/ReminderSettings.h"
#include "platform/Autostart.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/HintPanel.h"
#include "platform/Services.h"
#include "platform/Shutter.h"
#include "platform/TrayIcon.h"
#include "platform/WindowPlacer.h"
#include "step/StepLauncher.h"
#include "ui_MainWindow.h"
#include "views/ExportRunner.h"
#include "views/MonthPrinter.h"
#include "widgets/FixedColours.h"

#include <QCloseEvent>
#include <QDir>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

constexpr int RefusalHintMs = 4000;

// What starts this Wrenly at log-in: the program, and the data folder when a start without
// arguments would not find it by itself (--home or WRENLY_HOME).
QStringList autostartCommand(const QString &dataFolder)
{
    QStringList command{QCoreApplication::applicationFilePath()};
    const QString found =
        ProgramFolder::choose({}, QCoreApplication::applicationDirPath(), ProgramFolder::userDataHome());
    if (QDir::cleanPath(dataFolder) != found)
        command << u"--home"_s << QDir::cleanPath(dataFolder);
    return command;
}

} // namespace

MainWindow::MainWindow(const QString &exeDir, Services &services, QWidget *parent)
    : QMainWindow(parent), m_ui(std::make_unique<Ui::MainWindow>()), m_session(exeDir), m_services(services)
{
    m_ui->setupUi(this);
    // The window holds the form's actions too, so their keys work wherever the focus is.
    addActions(findChildren<QAction *>(Qt::FindDirectChildrenOnly));
    setWindowIcon(Artwork::applicationIcon());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    m_views = std::make_unique<ViewManager>(m_session, m_services, *this, this);
    m_stepLauncher = std::make_unique<StepLauncher>(m_session, m_services, *this);
    m_dailyPlanLauncher = std::make_unique<DailyPlanLauncher>(m_session, m_services, *this);
    m_exportRunner = std::make_unique<ExportRunner>(m_session, m_services, *this);
    m_backupLauncher = std::make_unique<BackupLauncher>(m_session, m_services, *this);
    m_autostart = std::make_unique<Autostart>(Autostart::userFolder(), autostartCommand(m_session.exeDir()),
                                              QCoreApplication::applicationDirPath());
    m_autostart->setStartsInTray(ReminderSettings::read(m_session.settingsPath()).startInTray);
    m_help = std::make_unique<HelpLauncher>(
        m_services.dialogs, *this,
        ProgramFolder::runtimeFolder(QCoreApplication::applicationDirPath()) + u"/help"_s);
    m_picture = std::make_unique<PanelPicture>(*m_ui->picture, m_session, m_services.dialogs, *this);
    showSetupModal = [](SetupDialog &dialog) { dialog.exec(); };
    showAboutModal = [](AboutDialog &dialog) { dialog.exec(); };

    m_partners = std::make_unique<PartnerLauncher>(
        m_session, m_services.launcher,
        QList<QAction *>{m_ui->pellmarkAction, m_ui->trevantAction, m_ui->dossaroAction},
        [this](const QString &text) { inform(text); });
    m_tray =
        std::make_unique<TrayPresence>(*this, m_services.tray, m_partners->actions(), m_ui->showWindowAction);
    wireActions();
    wireForm();
    setFixedSize(sizeHint());
    startUp();
}

MainWindow::~MainWindow() = default;

// --- Wiring -----------------------------------------------------------------------------------

// Every action of the window and menus, with what it runs.
void MainWindow::wireActions()
{
    Ui::MainWindow &ui = *m_ui;
    const QList<QAction *> fileItems = ui.fileMenu->actions();
    m_backupLauncher->addActionsTo(ui.fileMenu, fileItems.at(fileItems.indexOf(ui.exitAction) - 1));

    connect(ui.createMonthFileAction, &QAction::triggered, this, &MainWindow::createMonthFile);
    connect(ui.dataViewerOutputAction, &QAction::triggered, this, [this] { m_views->showDataViewer(); });
    connect(ui.textFileOutputAction, &QAction::triggered, this, [this] { m_views->writeTextFile(); });
    connect(ui.pastDataAction, &QAction::triggered, this, [this] { m_views->openPastData(); });
    connect(ui.exportCsvAction, &QAction::triggered, this,
            [this] { m_exportRunner->start(ExportRequest::Format::Csv); });
    connect(ui.exportICalendarAction, &QAction::triggered, this,
            [this] { m_exportRunner->start(ExportRequest::Format::ICalendar); });
    connect(ui.printAction, &QAction::triggered, this, [this] {
        m_services.dialogs.previewPrint(
            this, MonthPrinter::document(MonthPrinter::of(m_session, m_records->shownMonth())));
    });
    connect(ui.exitAction, &QAction::triggered, this, &QWidget::close);
    connect(ui.toDoListAction, &QAction::triggered, this, [this] { m_views->openToDoList(false); });
    connect(ui.barGraphAction, &QAction::triggered, this, [this] { m_views->openGraph(); });
    connect(ui.findJobAction, &QAction::triggered, this, [this] { m_views->openJobSearch(); });
    connect(ui.jobPanelAction, &QAction::triggered, this, &MainWindow::toggleJobPanel);
    connect(ui.trayAction, &QAction::triggered, this, &MainWindow::moveToTray);
    connect(ui.showWindowAction, &QAction::triggered, this, &MainWindow::restoreFromTray);
    connect(ui.switchMonthAction, &QAction::triggered, this, &MainWindow::switchShownMonth);
    connect(ui.appendAction, &QAction::triggered, this, &MainWindow::appendRecord);
    connect(ui.updateAction, &QAction::triggered, this, &MainWindow::updateRecord);
    connect(ui.newEntryAction, &QAction::triggered, this, &MainWindow::startNewRecord);
    connect(ui.stepPlannerAction, &QAction::triggered, this, [this] { m_stepLauncher->openForShownJob(); });
    connect(ui.stepPlannerFromFileAction, &QAction::triggered, this,
            [this] { m_stepLauncher->openFromFile(); });
    connect(ui.dailyPlannerAction, &QAction::triggered, this, &MainWindow::openDailyPlan);
    connect(ui.setupAction, &QAction::triggered, this, &MainWindow::openSetup);
    connect(ui.helpAction, &QAction::triggered, this, &MainWindow::showHelpContents);
    connect(ui.aboutAction, &QAction::triggered, this, &MainWindow::showAbout);
}

// The controls of the form that are no entry fields, and the status bar.
void MainWindow::wireForm()
{
    Ui::MainWindow &ui = *m_ui;
    m_entry = std::make_unique<JobEntryPanel>(ui, m_session);
    connect(m_entry.get(), &JobEntryPanel::refused, this, &MainWindow::showRefusal);
    m_toDo = std::make_unique<ToDoIndicator>(ui.indicatorBacking, ui.toDoButton);
    connect(m_toDo.get(), &ToDoIndicator::blinkEnded, this, &MainWindow::endFirstIdle);
    FixedColours::setLight(ui.toDoButton); // the indicator's caption is drawn dark
    ui.dailyPlanButton->setIcon(Artwork::dailyPlanGlyph());
    ui.stepButton->setIcon(Artwork::stepGlyph());
    ui.graphButton->setIcon(Artwork::graphGlyph());

    for (QWidget *area : {ui.bodyWidget, static_cast<QWidget *>(ui.checkGroupBox)})
        connect(area, &QWidget::customContextMenuRequested, this,
                [this, area](const QPoint &pos) { contextMenu()->exec(area->mapToGlobal(pos)); });
    connect(ui.newEntryButton, &QPushButton::clicked, this, &MainWindow::startNewRecord);
    connect(ui.toDoButton, &QPushButton::clicked, this, [this] { m_views->openToDoList(true); });
    connect(ui.dailyPlanButton, &QPushButton::clicked, this, &MainWindow::openDailyPlan);
    connect(ui.stepButton, &QPushButton::clicked, this, [this] { m_stepLauncher->openForShownJob(); });
    connect(ui.graphButton, &QPushButton::clicked, this, [this] { m_views->openGraph(); });

    m_countLabel = new QLabel(this);
    m_countLabel->setObjectName(u"countLabel"_s);
    m_countLabel->setMinimumWidth(95);
    ui.statusBar->addPermanentWidget(m_countLabel);
    HintPanel::addTo(ui.statusBar, u"hintPanel"_s);
    m_state = std::make_unique<MonthCommandState>(*this, ui, *m_countLabel, m_session);
    m_records = std::make_unique<EntryController>(
        m_session, m_services, EntryController::Parts{*this, ui, *m_entry, *m_state, *m_views},
        [this](const QString &text) { inform(text); });
    connect(m_records.get(), &EntryController::recordsChanged, this, &MainWindow::updateToDoIndicator);
}

// The pop-up menus are made when first asked for: the first screen shows neither.
QMenu *MainWindow::contextMenu()
{
    if (m_contextMenu)
        return m_contextMenu;
    m_contextMenu = new QMenu(this);
    m_contextMenu->setObjectName(u"contextMenu"_s);
    m_contextMenu->addAction(m_ui->createMonthFileAction);
    m_contextMenu->addSeparator();
    m_contextMenu->addAction(m_ui->switchMonthAction);
    m_contextMenu->addSeparator();
    m_contextMenu->addAction(m_ui->appendAction);
    m_contextMenu->addAction(m_ui->updateAction);
    m_contextMenu->addSeparator();
    m_contextMenu->addAction(m_ui->jobPanelAction);
    m_contextMenu->addAction(m_ui->trayAction);
    return m_contextMenu;
}

void MainWindow::toggleJobPanel()
{
    m_ui->jobPanel->setVisible(m_ui->jobPanel->isHidden());
    if (m_ui->jobPanel->isHidden())
        m_picture->load();
}

// --- Start-up ---------------------------------------------------------------------------------

void MainWindow::startUp()
{
    m_pendingLaunchAction.reset();
    readConfiguration();
    const Config &config = m_session.config();
    refillCustomers();
    refillJobTypes();
    m_ui->jobPanel->setVisible(config.showJobPanel);
    // The picture lies under the job panel: it is read when it first shows.
    if (!config.showJobPanel)
        m_picture->load();

    m_session.startDay(m_services.clock.today());
    m_ui->calendar->setToday(m_session.today());
    loadMonths();
    updateToDoIndicator();
}

void MainWindow::readConfiguration()
{
    FileOperation failed = FileOperation::Read;
    const SafeFile::Result r = m_session.loadConfig(&failed);
    if (!r)
        m_services.dialogs.fileError(this, failed, m_session.configPath(), r.error);
    followPartnerPaths();
}

void MainWindow::followPartnerPaths()
{
    m_partners->followPaths();
}

void MainWindow::refillCustomers()
{
    m_entry->setCustomers(m_session.config().customerList);
}

void MainWindow::refillJobTypes()
{
    m_entry->setJobTypes(m_session.config().jobTypeList);
}

void MainWindow::showConfiguredPicture(const QImage &image)
{
    m_picture->show(image);
}

void MainWindow::loadMonths()
{
    bool previousOk = false;
    if (m_session.fileExists(MonthKind::Previous)) {
        const SafeFile::Result r = m_session.load(MonthKind::Previous);
        if (r)
            previousOk = true;
        else
            m_services.dialogs.fileError(this, FileOperation::Read,
                                         m_session.pathOf(m_session.previousFileName()), r.error);
    }
    m_ui->switchMonthAction->setEnabled(previousOk);

    if (!m_session.fileExists(MonthKind::Current)) {
        m_records->startWithoutCurrentFile();
        return;
    }
    const SafeFile::Result r = m_session.load(MonthKind::Current);
    if (!r) {
        m_services.dialogs.fileError(this, FileOperation::Read, m_session.pathOf(m_session.currentFileName()),
                                     r.error);
        m_records->enterUnreadableState();
        return;
    }
    m_records->startWithCurrentFile();
}

void MainWindow::keepSpareWindows()
{
    // After the first screen, its blink and the reminders' first look have had their turn.
    constexpr int AfterStartMs = 300;
    m_stepLauncher->keepSpareWindow(AfterStartMs);
    m_dailyPlanLauncher->keepSpareWindow(AfterStartMs + 100);
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    WindowPlacer::place(this, {QPoint(0, 0), size()});
    statusBar()->clearMessage();
    m_state->showCount(m_session.count(MonthKind::Current));
    if (!m_toDo->hasBlinked() && !m_toDo->isBlinking())
        QTimer::singleShot(0, m_toDo.get(), &ToDoIndicator::startBlink);
}

// --- To-do indicator and first idle -----------------------------------------------------------

void MainWindow::updateToDoIndicator()
{
    m_toDo->show(Pending::indicatorFor(m_session));
}

Pending::Indicator MainWindow::indicator() const
{
    return m_toDo->indicator();
}

bool MainWindow::isBlinking() const
{
    return m_toDo->isBlinking();
}

void MainWindow::endFirstIdle()
{
    if (m_session.config().showToDoAtStart)
        m_views->openToDoList(false);
    emit firstIdleDone();
}

// --- Record display ---------------------------------------------------------------------------

void MainWindow::clearEntry()
{
    m_entry->clear();
}

void MainWindow::showRefusal(const QString &hint)
{
    statusBar()->showMessage(hint, RefusalHintMs);
}

void MainWindow::applyStartDateRule()
{
    m_entry->applyStartDateRule();
}

void MainWindow::applyEndDateRule()
{
    m_entry->applyEndDateRule();
}

void MainWindow::applyCalendarRange()
{
    m_entry->applyCalendarRange();
}

// --- Data number up-down ----------------------------------------------------------------------

// --- Data commands ----------------------------------------------------------------------------

QPoint MainWindow::messagePos() const
{
    return frameGeometry().topLeft() + QPoint(50, 200);
}

void MainWindow::inform(const QString &text)
{
    m_services.dialogs.inform(this, text, messagePos());
}

void MainWindow::createMonthFile()
{
    m_records->createMonthFile();
}

void MainWindow::appendRecord()
{
    m_records->runDataCommand(MonthEditor::Command::Append);
}

void MainWindow::updateRecord()
{
    m_records->runDataCommand(MonthEditor::Command::Update);
}

bool MainWindow::showRecord(MonthKind kind, int dataNo)
{
    return m_records->showRecord(kind, dataNo);
}

void MainWindow::startNewRecord()
{
    m_records->startNewRecord();
}

void MainWindow::switchShownMonth()
{
    m_records->switchShownMonth();
}

MonthKind MainWindow::shownMonth() const
{
    return m_records->shownMonth();
}

void MainWindow::setShownMonth(MonthKind kind)
{
    m_records->setShownMonth(kind);
}

void MainWindow::returnToMonth(MonthKind kind)
{
    m_records->returnToMonth(kind);
}

// Files were put back from a backup: everything shown is read again, as at start-up.
void MainWindow::reloadAfterRestore()
{
    const ViewManager::Remembered views = m_views->closeForChange();
    readConfiguration();
    refillCustomers();
    refillJobTypes();
    m_records->setShownMonth(MonthKind::Current);
    loadMonths();
    updateToDoIndicator();
    m_views->reopen(views);
}

// --- Tray, activation, end --------------------------------------------------------------------

void MainWindow::hideToTray()
{
    m_tray->hideWindow();
}

void MainWindow::restoreFromTray()
{
    m_tray->restoreWindow();
}

bool MainWindow::isTrayShown() const
{
    return m_tray->isShown();
}

QMenu *MainWindow::trayMenu()
{
    return m_tray->menu();
}

void MainWindow::moveToTray()
{
    m_views->closeAll();
    m_views->closeJobSearch();
    hideToTray();
}

void MainWindow::comeForward()
{
    restoreFromTray();
}

void MainWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        QTimer::singleShot(0, this, &MainWindow::runPendingLaunchAction);
}

void MainWindow::runPendingLaunchAction()
{
    if (!m_pendingLaunchAction || *m_pendingLaunchAction == AfterLaunch::StayShown)
        return;
    const AfterLaunch action = *m_pendingLaunchAction;
    m_pendingLaunchAction.reset();
    if (action == AfterLaunch::Exit)
        close();
    else
        hideToTray();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    m_views->closeAll();
    m_tray->leave();
    event->accept();
    QMainWindow::closeEvent(event);
    emit closed();
}

// --- Hosts of the other windows ---------------------------------------------------------------

void MainWindow::activateMainWindow()
{
    activateWindow();
    raise();
    if (m_ui->jobPanel->isVisible())
        m_entry->focusCheck();
}

int MainWindow::shownDataNo() const
{
    return m_entry->dataNo();
}

void MainWindow::setShownCheck(int check)
{
    m_entry->setCheck(check);
}

void MainWindow::setAppendEnabled(bool enabled)
{
    m_ui->appendAction->setEnabled(enabled);
}

void MainWindow::setUpdateEnabled(bool enabled)
{
    m_ui->updateAction->setEnabled(enabled);
}

void MainWindow::showMonthHeader(MonthKind kind)
{
    m_state->showHeader(kind);
}

void MainWindow::showPastMonthHeader(int year, int month)
{
    m_state->showPastCaption(year, month);
    m_state->showCount(m_session.count(MonthKind::Past));
}

bool MainWindow::isLaunchEnabled(Partner partner) const
{
    return m_partners->isEnabled(partner);
}

void MainWindow::launch(Partner partner)
{
    m_partners->launch(partner);
}

// Hints of the views' controls show in this window's status bar: the program has one hint line.
void MainWindow::showHint(const QString &text)
{
    statusBar()->showMessage(text);
}

QString MainWindow::shownTitle() const
{
    return m_entry->title();
}

void MainWindow::setShownTitle(const QString &title)
{
    m_entry->setTitle(title);
}

void MainWindow::closeModelessViews()
{
    m_views->closeAll();
}

// --- Setup, help and about ---------------------------------------------------------------------

void MainWindow::openSetup()
{
    SetupDialog dialog(m_session, m_services, *this, *m_autostart, this);
    showSetupModal(dialog);
    if (dialog.result() == QDialog::Accepted)
        emit setupSaved();
}

void MainWindow::openDailyPlan()
{
    m_dailyPlanLauncher->open();
}

void MainWindow::showAbout()
{
    AboutDialog dialog(this);
    showAboutModal(dialog);
}

void MainWindow::showHelp(const QString &page)
{
    m_help->show(page);
}

HelpWindow *MainWindow::helpWindow() const
{
    return m_help->helpWindow();
}

void MainWindow::setHelpFolder(const QString &folder)
{
    m_help->setFolder(folder);
}
