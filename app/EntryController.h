#pragma once

#include "data/MonthEditor.h"
#include "data/Session.h"
#include "views/ViewManager.h"

#include <QObject>

#include <functional>

class JobEntryPanel;
class MonthCommandState;
class QWidget;
struct Services;

namespace Ui {
class MainWindow;
}

// The month the main window shows and its record in the entry: which record shows (with the
// shutter sound), the data number's steps, the blank entry of a new record, the switch between
// this month and the previous one, and the data commands that store the entry.
class EntryController final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(EntryController)
public:
    using Inform = std::function<void(const QString &)>;
    struct Parts
    {
        QWidget &window;
        const Ui::MainWindow &form;
        JobEntryPanel &entry;
        MonthCommandState &state;
        ViewManager &views;
    };
    EntryController(Session &session, Services &services, const Parts &parts, Inform inform,
                    QObject *parent = nullptr);

    MonthKind shownMonth() const { return m_shownMonth; }
    void setShownMonth(MonthKind kind) { m_shownMonth = kind; }

    // Shows record `n` (1..60) of the month with the shutter sound; false without the sound.
    bool showRecord(MonthKind kind, int n);
    void startWithCurrentFile();
    void startWithoutCurrentFile();
    // This month's file could not be read: the blank entry, nothing to store it with.
    void enterUnreadableState();
    void returnToMonth(MonthKind kind);
    void switchShownMonth();
    void startNewRecord();

    void createMonthFile();
    // Runs a data command through the month editor inside one close/reopen of the views.
    void runDataCommand(MonthEditor::Command command);

signals:
    // A month's records changed on disk or in memory.
    void recordsChanged();

private:
    void askToCreateMonthFile(bool atStart);
    void enterNoFileState();
    void reportOutcome(MonthEditor::Command command, const MonthEditor::Outcome &outcome);
    void reloadMonth(MonthKind month);
    void showStored(MonthKind month, int slot);
    void vetoDataNoStep(int direction, bool *allow);
    void showDataNo(int position);

    Session &m_session;
    Services &m_services;
    QWidget &m_window;
    const Ui::MainWindow &m_form;
    JobEntryPanel &m_entry;
    MonthCommandState &m_state;
    ViewManager &m_views;
    Inform m_inform;
    MonthEditor m_editor{m_session};
    MonthKind m_shownMonth = MonthKind::Current;
    int m_numberBeforeStep = 1;
};
