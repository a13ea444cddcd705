#include "app/Artwork.h"
#include "app/CommandLine.h"
#include "app/ExportCommand.h"
#include "app/FindCommand.h"
#include "app/FolderBackupCommand.h"
#include "app/MainWindow.h"
#include "app/ProgramFolder.h"
#include "app/ReminderActions.h"
#include "platform/AppFont.h"
#include "platform/Clock.h"
#include "platform/DesktopNotifier.h"
#include "platform/Dialogs.h"
#include "platform/ProcessLauncher.h"
#include "platform/QtTranslations.h"
#include "platform/Services.h"
#include "platform/SingleInstance.h"
#include "platform/SoundPlayer.h"
#include "platform/TrayIcon.h"
#include "platform/WakeWatcher.h"
#include "reminders/ReminderController.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// A second start stood down: 0 when the running Wrenly has this folder open, else 3 and why, since
// this start did not open what it was asked to (the running one says so too).
int standDown(const SingleInstance &instance, const QString &folder)
{
    if (instance.runningFolder().isEmpty())
        return 0;
    QString text = SingleInstance::otherFolderText(instance.runningFolder(), folder) + u'\n';
    std::fputs(text.remove(u'\r').toLocal8Bit().constData(), stderr);
    return 3;
}

// The running Wrenly comes forward and says which folder it has open when another was asked for.
void answerLaterStarts(SingleInstance &instance, MainWindow &window, Dialogs &dialogs, const QString &folder)
{
    QObject::connect(&instance, &SingleInstance::comeForwardRequested, &window, &MainWindow::comeForward);
    QObject::connect(
        &instance, &SingleInstance::otherFolderRequested, &window,
        [&window, &dialogs, folder](const QString &asked) {
            window.comeForward();
            dialogs.inform(&window, SingleInstance::otherFolderText(folder, asked), window.hostMessagePos());
        },
        Qt::QueuedConnection);
}

// The actions that need no window: --backup, --find, --export, --help, --version and bad arguments.
std::optional<int> runWithoutWindow(const CommandLine &commandLine, int argc, char *argv[])
{
    if (commandLine.action == CommandLine::Action::Backup)
        return FolderBackupCommand::run(argc, argv, commandLine);
    if (commandLine.action == CommandLine::Action::Find)
        return FindCommand::runFromMain(commandLine, argc, argv);
    if (commandLine.action == CommandLine::Action::Export)
        return ExportCommand::main(commandLine, argc, argv);
    if (commandLine.action != CommandLine::Action::Run) {
        std::fputs(commandLine.message.toLocal8Bit().constData(),
                   commandLine.action == CommandLine::Action::Fail ? stderr : stdout);
        return commandLine.exitStatus();
    }
    return std::nullopt;
}

void setUpApplication(QApplication &app)
{
    QApplication::setApplicationName(u"Wrenly"_s);
    QApplication::setApplicationVersion(QStringLiteral(WRENLY_VERSION));
    // Ties the windows to the installed org.wrenly.Wrenly.desktop (its name and icon in docks and task bars).
    QGuiApplication::setDesktopFileName(u"org.wrenly.Wrenly"_s);
    QApplication::setWindowIcon(Artwork::applicationIcon());
    QApplication::setQuitOnLastWindowClosed(false);
    QtTranslations::installJapanese(app);

    AppFont::hold(app);
}

// For timing the start-up from outside (bench/bench_windows) and for the install test: end once
// the first screen is painted. The first start shows a message box from the constructor, whose
// own event loop the exit ends first; the timer keeps asking until the main loop has ended too.
void quitWhenPainted(QTimer &timer, QApplication &app, MainWindow *const &shown)
{
    if (!qEnvironmentVariableIsSet("WRENLY_QUIT_WHEN_PAINTED"))
        return;
    QObject::connect(&timer, &QTimer::timeout, &app, [&shown] {
        if (shown)
            shown->grab();
        QCoreApplication::exit(0); // quit() would wait for the message box to close
    });
    timer.start(0);
}

// The main window over `folder` with the real services, the tray and the reminders, until it closes.
int runWindow(QApplication &app, const CommandLine &commandLine, SingleInstance &instance,
              const QString &folder, const QString &folderProblem)
{
    SystemClock clock;
    QtDialogs dialogs;
    QtSoundPlayer sound;
    QtProcessLauncher launcher;
    QtTrayIcon tray;
    DesktopNotifier notifier(tray);
    Services services{clock, dialogs, sound, launcher, tray, notifier};

    QTimer quitTimer;
    MainWindow *shown = nullptr;
    quitWhenPainted(quitTimer, app, shown);

    MainWindow window(folder, services);
    answerLaterStarts(instance, window, services.dialogs, folder);
    QObject::connect(&tray, &TrayIcon::leftClicked, &window, &MainWindow::restoreFromTray);
    // Hiding to the tray hides the last window, so the end is tied to closing the main window.
    QObject::connect(&window, &MainWindow::closed, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    ReminderController reminders(window.session(), services);
    ReminderActions::connect(reminders, window);
    WakeWatcher wake;
    QObject::connect(&wake, &WakeWatcher::woke, &reminders, &ReminderController::check);
    if (commandLine.minimized)
        window.moveToTray();
    else
        window.show();
    shown = &window;
    window.keepSpareWindows();
    reminders.start();
    for (const QString &problem : {folderProblem, instance.problem()})
        if (!problem.isEmpty())
            services.dialogs.inform(&window, problem);
    return app.exec();
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine commandLine = CommandLine::parse(arguments);
    if (const std::optional<int> status = runWithoutWindow(commandLine, argc, argv))
        return *status;

    QApplication app(argc, argv);
    setUpApplication(app);
    const QString executableFolder = QCoreApplication::applicationDirPath();
    const QString folder = ProgramFolder::choose(
        commandLine.home.isEmpty() ? qEnvironmentVariable("WRENLY_HOME") : commandLine.home, executableFolder,
        ProgramFolder::userDataHome());
    SingleInstance instance(u"Wrenly"_s);
    instance.setDataFolder(folder);
    if (!instance.claim())
        return standDown(instance, folder);
    const QString folderProblem =
        ProgramFolder::prepare(folder, ProgramFolder::runtimeFolder(executableFolder));
    ProgramFolder::removeLeftovers(folder);
    return runWindow(app, commandLine, instance, folder, folderProblem);
}
