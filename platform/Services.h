#pragma once

class Clock;
class Dialogs;
class Notifier;
class ProcessLauncher;
class SoundPlayer;
class TrayIcon;

// The platform services one run of Wrenly uses. main() owns the real ones, tests own fakes;
// windows receive this bundle together with the session.
struct Services
{
    Clock &clock;
    Dialogs &dialogs;
    SoundPlayer &sound;
    ProcessLauncher &launcher;
    TrayIcon &tray;
    Notifier &notifier;
};
