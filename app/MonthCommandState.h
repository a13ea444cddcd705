#pragma once

#include "data/Session.h"

class QLabel;
class QWidget;

namespace Ui {
class MainWindow;
}

// Which data commands the main window offers for the month it shows, with the window's caption and
// record count: this month with or without its file, this month unreadable, the previous month.
class MonthCommandState final
{
public:
    MonthCommandState(QWidget &window, const Ui::MainWindow &form, QLabel &countLabel,
                      const Session &session);

    // This month's file does not exist: only "create and save" runs.
    void offerCreateOnly();
    // This month's file could not be read: nothing writes to it for this run.
    void offerNothing();
    // This month's file holds `count` records.
    void offerCurrentMonth(int count);
    // The previous month's `count` records: shown and updated, never added to.
    void offerPreviousMonth(int count);
    // True while this month's file is still to be created.
    bool isFileMissing() const;

    // The caption and count of `kind`.
    void showHeader(MonthKind kind);
    void showCaption(int month, bool fileMissing = false);
    void showPastCaption(int year, int month);
    void showCount(int count);

private:
    void enableEntry(bool append, bool newEntry);

    QWidget &m_window;
    const Ui::MainWindow &m_form;
    QLabel &m_countLabel;
    const Session &m_session;
};
