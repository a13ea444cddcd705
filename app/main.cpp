#include "app/MainWindow.h"
#include "app/ProgramFolder.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/ProcessLauncher.h"
#include "platform/Services.h"
#include "platform/SingleInstance.h"
#include "platform/SoundPlayer.h"
#include "platform/TrayIcon.h"

#include <QApplication>
#include <QFontDatabase>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Wrenly"_s);
    QApplication::setApplicationDisplayName(u"Wrenly"_s);
    QApplication::setApplicationVersion(u"2.90"_s);
    QApplication::setQuitOnLastWindowClosed(false);

    // The windows are laid out for a Japanese proportional gothic face at 9 points.
    if (QFontDatabase::families().contains(u"IPAPGothic"_s)) {
        QFont font(u"IPAPGothic"_s, 9);
        QApplication::setFont(font);
    }

    SingleInstance instance(u"Wrenly"_s);
    if (!instance.claim())
        return 0;

    SystemClock clock;
    QtDialogs dialogs;
    QtSoundPlayer sound;
    QtProcessLauncher launcher;
    QtTrayIcon tray;
    Services services{clock, dialogs, sound, launcher, tray};

    MainWindow window(ProgramFolder::resolve(QCoreApplication::applicationDirPath()), services);
    QObject::connect(&instance, &SingleInstance::comeForwardRequested, &window, &MainWindow::comeForward);
    QObject::connect(&tray, &TrayIcon::leftClicked, &window, &MainWindow::restoreFromTray);
    // Hiding to the tray hides the last window, so the end is tied to closing the main window.
    QObject::connect(&window, &MainWindow::closed, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    window.show();
    return app.exec();
}
