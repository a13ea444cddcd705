#pragma once

class MainWindow;
class ReminderController;

// What a click on a notification does in the main window, and the settings the setup window saved.
namespace ReminderActions {

void connect(ReminderController &reminders, MainWindow &window);

} // namespace ReminderActions
