#pragma once

#include "data/Config.h"
#include "data/JobRecord.h"

#include <QDate>
#include <QObject>

#include <array>

class QButtonGroup;
class QComboBox;
class QLineEdit;
class Session;

namespace Ui {
class MainWindow;
}

// The entry controls of the main window's form: shows a job record, gives back what the user made
// of it, and keeps the start and end dates to the month rules.
class JobEntryPanel final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(JobEntryPanel)
public:
    JobEntryPanel(const Ui::MainWindow &form, const Session &session, QObject *parent = nullptr);

    // Shows `record` as the record in `slot` (its data number is the slot's).
    void fill(const JobRecord &record, int slot);
    // The blank entry of a new record dated today.
    void clear();
    // The shown record with the user's changes; what was not changed keeps the value it was shown with.
    JobRecord record() const;

    void setDataNo(int n);
    int dataNo() const;
    QString title() const;
    void setTitle(const QString &title);
    void setCheck(int check);
    // Gives the focus to the chosen check button, else to their group.
    void focusCheck();
    // The boxes offer the list's entries; what is typed in them stays.
    void setCustomers(const std::array<QString, Config::ListSize> &entries);
    void setJobTypes(const std::array<QString, Config::ListSize> &entries);

    // The date rules, run when a picker closes or its date was edited, and after a calendar drag.
    void applyStartDateRule();
    void applyEndDateRule();
    void applyCalendarRange();

signals:
    // An edit was refused; `hint` says why.
    void refused(const QString &hint);

private:
    void limitToField(QLineEdit *edit, int capacity);
    void remember(const JobRecord &record);
    void setDates(const QDate &start, const QDate &end);
    void keepDatesIf(bool allowed, const QDate &start, const QDate &end);

    const Ui::MainWindow &m_form;
    const Session &m_session;
    QButtonGroup *m_checkButtons = nullptr;
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
};
