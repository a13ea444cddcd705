#include "app/EntryController.h"

#include "app/JobEntryPanel.h"
#include "app/MainMessages.h"
#include "app/MonthCommandState.h"
#include "platform/Dialogs.h"
#include "platform/Services.h"
#include "platform/Shutter.h"
#include "ui_MainWindow.h"

EntryController::EntryController(Session &session, Services &services, const Parts &parts, Inform inform,
                                 QObject *parent)
    : QObject(parent), m_session(session), m_services(services), m_window(parts.window), m_form(parts.form),
      m_entry(parts.entry), m_state(parts.state), m_views(parts.views), m_inform(std::move(inform))
{
    connect(m_form.dataNoUpDown, &UpDownWidget::aboutToStep, this, &EntryController::vetoDataNoStep);
    connect(m_form.dataNoUpDown, &UpDownWidget::stepped, this, &EntryController::showDataNo);
}

void EntryController::createMonthFile()
{
    if (m_state.isFileMissing())
        runDataCommand(MonthEditor::Command::Create);
}

// Never write over a file we could not read: editing stays off for this run.
void EntryController::enterUnreadableState()
{
    m_entry.clear();
    m_entry.setDataNo(1);
    m_state.offerNothing();
}

void EntryController::startWithCurrentFile()
{
    const int count = m_session.count(MonthKind::Current);
    if (!showRecord(MonthKind::Current, count)) {
        // Without the sound no record is shown: offer the blank entry of the next record, so the
        // number on screen never belongs to other contents.
        m_entry.clear();
        m_entry.setDataNo(qMin(count + 1, MonthFile::RecordCount));
    }
    m_state.offerCurrentMonth(count);
}

void EntryController::startWithoutCurrentFile()
{
    askToCreateMonthFile(true);
    enterNoFileState();
}

void EntryController::askToCreateMonthFile(bool atStart)
{
    const MainMessages::Captioned message =
        MainMessages::createMonthFile(m_session.currentFileName(), atStart);
    m_services.dialogs.informCaptioned(&m_window, message.caption, message.text);
}

// While this month's file does not exist only "create and save" can run, from a blank record 1.
void EntryController::enterNoFileState()
{
    m_entry.setDataNo(1);
    m_entry.clear();
    m_state.offerCreateOnly();
}

bool EntryController::showRecord(MonthKind kind, int n)
{
    if (n < 1) {
        // A month file without records: offer the blank entry of record 1.
        m_entry.setDataNo(1);
        m_entry.clear();
        return true;
    }
    if (!Shutter::play(m_session.exeDir(), m_services, &m_window))
        return false;
    const int slot = qMin(n, MonthFile::RecordCount) - 1;
    m_entry.fill(m_session.job(kind, slot), slot);
    return true;
}

void EntryController::vetoDataNoStep(int direction, bool *allow)
{
    m_numberBeforeStep = m_form.dataNoUpDown->position();
    if (direction < 0)
        return;
    const int position = m_form.dataNoUpDown->position();
    switch (m_shownMonth) {
    case MonthKind::Current: {
        const int count = m_session.count(MonthKind::Current);
        if (position == count + 1 || position == MonthFile::RecordCount)
            *allow = false;
        break;
    }
    case MonthKind::Previous:
        if (position >= m_session.count(MonthKind::Previous))
            *allow = false;
        break;
    case MonthKind::Past:
        break;
    }
}

void EntryController::showDataNo(int position)
{
    m_form.dataNoEdit->setText(QString::number(position));
    bool shown = true;
    if (m_shownMonth == MonthKind::Previous) {
        shown = showRecord(MonthKind::Previous, position);
    } else if (m_shownMonth == MonthKind::Current) {
        if (m_session.job(MonthKind::Current, position - 1).isUsed())
            shown = showRecord(MonthKind::Current, position);
        else
            m_entry.clear();
    }
    // A record that could not be shown leaves the number with the contents still on screen.
    if (!shown)
        m_entry.setDataNo(m_numberBeforeStep);
    m_form.titleBox->setFocus();
}

void EntryController::runDataCommand(MonthEditor::Command command)
{
    const JobRecord record = m_entry.record();
    if (const std::optional<MonthEditor::Outcome> refused = m_editor.refusal(command, m_shownMonth, record)) {
        reportOutcome(command, *refused);
        return;
    }
    const ViewManager::Remembered views = m_views.closeForChange();
    const int slot = command == MonthEditor::Command::Create ? 0 : m_form.dataNoUpDown->position() - 1;
    reportOutcome(command, m_editor.run(command, m_shownMonth, slot, record));
    m_views.reopen(views);
}

void EntryController::reportOutcome(MonthEditor::Command command, const MonthEditor::Outcome &outcome)
{
    using Kind = MonthEditor::Outcome::Kind;
    const QString fileName = m_session.fileName(outcome.month);
    switch (outcome.kind) {
    case Kind::TitleMissing:
    case Kind::PreviousMonthRefused:
        m_inform(MainMessages::of(outcome.kind, fileName));
        return;
    case Kind::NothingShown:
        return;
    case Kind::WriteFailed:
        m_services.dialogs.fileError(
            &m_window, command == MonthEditor::Command::Create ? FileOperation::Create : FileOperation::Write,
            m_session.pathOf(fileName), outcome.error);
        return;
    case Kind::ChangedOnDisk:
        m_services.dialogs.changedOnDisk(&m_window, m_session.pathOf(fileName));
        reloadMonth(outcome.month);
        return;
    case Kind::Created:
    case Kind::Appended:
    case Kind::Updated:
        showStored(outcome.month, outcome.slot);
        break;
    }
    if (outcome.kind == Kind::Created)
        m_state.offerCurrentMonth(m_session.count(MonthKind::Current));
    else if (outcome.kind == Kind::Appended)
        m_state.showCount(m_session.count(MonthKind::Current));
    emit recordsChanged();
    m_inform(MainMessages::of(outcome.kind, fileName));
}

// Reads a month again after another program changed its file. The entry keeps what the user typed.
void EntryController::reloadMonth(MonthKind month)
{
    const SafeFile::Result r = m_session.load(month);
    if (!r) {
        m_services.dialogs.fileError(&m_window, FileOperation::Read,
                                     m_session.pathOf(m_session.fileName(month)), r.error);
        return;
    }
    const int count = m_session.count(month);
    if (month == MonthKind::Current && m_state.isFileMissing()) {
        // This month's file appeared meanwhile: the typed record becomes its next new entry.
        m_shownMonth = MonthKind::Current;
        m_state.offerCurrentMonth(count);
        m_entry.setDataNo(qMin(count + 1, MonthFile::RecordCount));
    }
    if (month == m_shownMonth)
        m_state.showCount(count);
    emit recordsChanged();
}

// After a save the entry shows the record as stored (texts cut to their fields, data number of the
// slot) and goes on editing the month it was written to.
void EntryController::showStored(MonthKind month, int slot)
{
    m_shownMonth = month;
    m_entry.fill(m_session.job(month, slot), slot);
}

void EntryController::startNewRecord()
{
    if (m_shownMonth == MonthKind::Previous)
        return;
    if (!m_form.newEntryAction->isEnabled())
        return;
    const int count = m_session.count(MonthKind::Current);
    if (count >= MonthFile::RecordCount) {
        m_inform(MainMessages::monthFull());
        return;
    }
    m_entry.setDataNo(count + 1);
    m_entry.clear();
    m_form.titleBox->setFocus();
}

void EntryController::switchShownMonth()
{
    if (!m_form.switchMonthAction->isEnabled())
        return;
    const ViewManager::Remembered views = m_views.closeForChange();
    m_window.activateWindow();
    // A record that cannot be shown (no sound file) leaves the window in the month it was in.
    if (m_shownMonth == MonthKind::Current) {
        const int count = m_session.count(MonthKind::Previous);
        if (showRecord(MonthKind::Previous, count)) {
            m_shownMonth = MonthKind::Previous;
            m_state.offerPreviousMonth(count);
        }
    } else if (m_session.fileExists(MonthKind::Current)) {
        const int count = m_session.count(MonthKind::Current);
        if (showRecord(MonthKind::Current, count)) {
            m_shownMonth = MonthKind::Current;
            m_state.offerCurrentMonth(count);
        }
    } else {
        m_shownMonth = MonthKind::Current;
        askToCreateMonthFile(false);
        enterNoFileState();
    }
    m_views.reopen(views);
}

void EntryController::returnToMonth(MonthKind kind)
{
    m_shownMonth = kind;
    // This month's file is still to be made: the window goes back to offering just that.
    if (kind == MonthKind::Current && m_state.isFileMissing()) {
        enterNoFileState();
        return;
    }
    const int count = m_session.count(kind);
    // Without the sound the record still comes back: a past record must never stay on screen
    // under this month's caption, where an update would store it.
    if (!showRecord(kind, count)) {
        if (count < 1) {
            m_entry.setDataNo(1);
            m_entry.clear();
        } else {
            m_entry.fill(m_session.job(kind, count - 1), count - 1);
        }
    }
    m_state.showHeader(kind);
}
