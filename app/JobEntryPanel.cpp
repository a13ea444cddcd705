#include "app/JobEntryPanel.h"

#include "data/DateText.h"
#include "data/DaySerial.h"
#include "data/EntryRules.h"
#include "data/Session.h"
#include "data/SjisCodec.h"
#include "ui_MainWindow.h"
#include "widgets/PopupWidth.h"
#include "widgets/SjisLimitValidator.h"

#include <QButtonGroup>
#include <QTimer>

namespace {

const QDate MinimumDate(2000, 1, 1);

void fillListBox(QComboBox *box, const std::array<QString, Config::ListSize> &entries)
{
    const QString typed = box->currentText();
    box->clear();
    for (const QString &entry : entries) {
        if (!entry.isEmpty())
            box->addItem(entry);
    }
    box->setCurrentIndex(-1);
    box->setEditText(typed);
    PopupWidth::fit(box);
}

} // namespace

JobEntryPanel::JobEntryPanel(const Ui::MainWindow &form, const Session &session, QObject *parent)
    : QObject(parent), m_form(form), m_session(session)
{
    for (PopupDateEdit *picker : {form.entryDateEdit, form.startDateEdit, form.endDateEdit}) {
        picker->setDisplayFormat(DateText::longDateFormat());
        picker->setMinimumDate(MinimumDate);
        picker->setLocale(QLocale(QLocale::Japanese, QLocale::Japan));
    }
    form.calendar->setMinimumDate(MinimumDate);
    form.commentsEdit->setCapacity(JobRecord::CommentsCapacity);
    connect(form.commentsEdit, &SjisTextEdit::refused, this, &JobEntryPanel::refused);
    limitToField(form.customerBox->lineEdit(), JobRecord::ShortCapacity);
    limitToField(form.jobNoEdit, JobRecord::ShortCapacity);
    limitToField(form.jobTypeBox->lineEdit(), JobRecord::ShortCapacity);
    form.dataNoUpDown->setRange(1, MonthFile::RecordCount);

    m_checkButtons = new QButtonGroup(form.checkGroupBox);
    m_checkButtons->addButton(form.notDoneRadio, 0);
    m_checkButtons->addButton(form.doneRadio, 1);
    m_checkButtons->addButton(form.inProgressRadio, 2);

    // The date rules run when a drop-down calendar closes and when a typed date is finished.
    auto watchPicker = [this](PopupDateEdit *picker, void (JobEntryPanel::*rule)()) {
        connect(picker, &PopupDateEdit::calendarClicked, this,
                [this, rule] { QTimer::singleShot(0, this, rule); });
        connect(picker, &QDateEdit::editingFinished, this, [this, rule] {
            if (!m_applyingDates)
                (this->*rule)();
        });
    };
    watchPicker(form.startDateEdit, &JobEntryPanel::applyStartDateRule);
    watchPicker(form.endDateEdit, &JobEntryPanel::applyEndDateRule);
    connect(form.calendar, &RangeCalendarWidget::rangeSelected, this, &JobEntryPanel::applyCalendarRange);
}

void JobEntryPanel::limitToField(QLineEdit *edit, int capacity)
{
    auto *validator = new SjisLimitValidator(capacity, edit);
    edit->setValidator(validator);
    connect(edit, &QLineEdit::inputRejected, this,
            [this, validator] { emit refused(validator->lastHint()); });
}

void JobEntryPanel::setDataNo(int n)
{
    m_form.dataNoUpDown->setPosition(n);
    m_form.dataNoEdit->setText(QString::number(m_form.dataNoUpDown->position()));
}

int JobEntryPanel::dataNo() const
{
    return m_form.dataNoUpDown->position();
}

QString JobEntryPanel::title() const
{
    return m_form.titleBox->currentText();
}

void JobEntryPanel::setTitle(const QString &title)
{
    m_form.titleBox->setEditText(title);
    m_form.titleBox->lineEdit()->setCursorPosition(0);
}

void JobEntryPanel::setCheck(int check)
{
    if (QAbstractButton *b = m_checkButtons->button(check))
        b->setChecked(true);
}

void JobEntryPanel::focusCheck()
{
    if (QAbstractButton *b = m_checkButtons->checkedButton())
        b->setFocus();
    else
        m_form.checkGroupBox->setFocus();
}

void JobEntryPanel::setCustomers(const std::array<QString, Config::ListSize> &entries)
{
    fillListBox(m_form.customerBox, entries);
}

void JobEntryPanel::setJobTypes(const std::array<QString, Config::ListSize> &entries)
{
    fillListBox(m_form.jobTypeBox, entries);
}

void JobEntryPanel::fill(const JobRecord &r, int slot)
{
    const QSignalBlocker b1(m_form.startDateEdit);
    const QSignalBlocker b2(m_form.endDateEdit);
    // The slot is the record's identity; a damaged data number in the file changes nothing.
    setDataNo(slot + 1);
    m_form.entryDateEdit->setDateOrUnset(DaySerial::dayOf(r.entryDate));
    setTitle(r.title);
    m_form.startDateEdit->setDateOrUnset(DaySerial::dayOf(r.startDate));
    m_form.endDateEdit->setDateOrUnset(DaySerial::dayOf(r.endDate));
    m_form.commentsEdit->setAcceptedText(Sjis::fromCrLf(r.comments));
    m_form.customerBox->setEditText(r.customer);
    m_form.customerBox->lineEdit()->setCursorPosition(0);
    m_form.jobNoEdit->setText(r.jobNo);
    m_form.jobNoEdit->setCursorPosition(0);
    m_form.jobTypeBox->setEditText(r.jobType);
    m_form.jobTypeBox->lineEdit()->setCursorPosition(0);
    if (QAbstractButton *b = m_checkButtons->button(r.check))
        b->setChecked(true);
    else {
        // A value the group does not know: show none chosen, keep the value until edited.
        m_checkButtons->setExclusive(false);
        for (QAbstractButton *rb : m_checkButtons->buttons())
            rb->setChecked(false);
        m_checkButtons->setExclusive(true);
    }
    m_form.calendar->setSelection(DaySerial::dayOf(r.startDate), DaySerial::dayOf(r.endDate));
    m_lastRuledStart = m_form.startDateEdit->date();
    m_lastRuledEnd = m_form.endDateEdit->date();
    remember(r);
}

void JobEntryPanel::clear()
{
    const QDate today = m_session.today();
    const QSignalBlocker b1(m_form.startDateEdit);
    const QSignalBlocker b2(m_form.endDateEdit);
    m_form.entryDateEdit->setDate(today);
    m_form.titleBox->setEditText(QString());
    m_form.startDateEdit->setDate(today);
    m_form.endDateEdit->setDate(today);
    m_form.commentsEdit->setAcceptedText(QString());
    m_form.customerBox->setEditText(QString());
    m_form.jobNoEdit->clear();
    m_form.jobTypeBox->setEditText(QString());
    m_checkButtons->button(0)->setChecked(true);
    m_form.calendar->setSelection(m_form.startDateEdit->date(), m_form.endDateEdit->date());
    m_lastRuledStart = today;
    m_lastRuledEnd = today;
    JobRecord blank;
    blank.entryDate = blank.startDate = blank.endDate = m_session.todaySerial();
    remember(blank);
}

void JobEntryPanel::remember(const JobRecord &record)
{
    m_entry.record = record;
    m_entry.entryDate = m_form.entryDateEdit->date();
    m_entry.startDate = m_form.startDateEdit->date();
    m_entry.endDate = m_form.endDateEdit->date();
    m_entry.comments = m_form.commentsEdit->toPlainText();
}

JobRecord JobEntryPanel::record() const
{
    // What the user did not change keeps the value it was shown with, and so its bytes in the file
    // (a time of day in a date, a vendor code in a text, a check value the buttons do not know).
    JobRecord r = m_entry.record;
    r.dataNo = dataNo();
    if (m_form.entryDateEdit->date() != m_entry.entryDate)
        r.entryDate = DaySerial::fromDate(m_form.entryDateEdit->date());
    if (m_form.startDateEdit->date() != m_entry.startDate)
        r.startDate = DaySerial::fromDate(m_form.startDateEdit->date());
    if (m_form.endDateEdit->date() != m_entry.endDate)
        r.endDate = DaySerial::fromDate(m_form.endDateEdit->date());
    const auto changed = [](QString *field, const QString &text, int capacity) {
        if (text != *field)
            *field = Sjis::fitToField(text, capacity);
    };
    changed(&r.title, m_form.titleBox->currentText(), JobRecord::TitleCapacity);
    if (m_form.commentsEdit->toPlainText() != m_entry.comments)
        r.comments =
            Sjis::fitToField(Sjis::toCrLf(m_form.commentsEdit->toPlainText()), JobRecord::CommentsCapacity);
    changed(&r.customer, m_form.customerBox->currentText(), JobRecord::ShortCapacity);
    changed(&r.jobNo, m_form.jobNoEdit->text(), JobRecord::ShortCapacity);
    changed(&r.jobType, m_form.jobTypeBox->currentText(), JobRecord::ShortCapacity);
    if (m_checkButtons->checkedId() >= 0)
        r.check = m_checkButtons->checkedId();
    return r;
}

// --- Date rules -------------------------------------------------------------------------------

void JobEntryPanel::setDates(const QDate &start, const QDate &end)
{
    m_applyingDates = true;
    m_form.startDateEdit->setDate(start);
    m_form.endDateEdit->setDate(end);
    m_form.calendar->setSelection(start, end);
    m_lastRuledStart = start;
    m_lastRuledEnd = end;
    m_applyingDates = false;
}

// The dates after a rule: as picked when the rule allows them, else today's.
void JobEntryPanel::keepDatesIf(bool allowed, const QDate &start, const QDate &end)
{
    if (allowed)
        setDates(start, end);
    else
        setDates(m_session.today(), m_session.today());
}

void JobEntryPanel::applyStartDateRule()
{
    const QDate start = m_form.startDateEdit->date();
    if (start == m_lastRuledStart && m_form.endDateEdit->date() == m_lastRuledEnd)
        return;
    keepDatesIf(EntryRules::isStartMonthAllowed(start.month(), m_session.thisMonth()), start, start);
}

void JobEntryPanel::applyEndDateRule()
{
    const QDate start = m_form.startDateEdit->date();
    const QDate end = m_form.endDateEdit->date();
    if (start == m_lastRuledStart && end == m_lastRuledEnd)
        return;
    keepDatesIf(EntryRules::isEndAllowed(start, end, m_session.thisMonth()), start, end);
}

void JobEntryPanel::applyCalendarRange()
{
    const QDate start = m_form.calendar->selectionStart();
    const QDate end = m_form.calendar->selectionEnd();
    keepDatesIf(EntryRules::isCalendarRangeAllowed(start, end, m_session.thisMonth()), start, end);
}
