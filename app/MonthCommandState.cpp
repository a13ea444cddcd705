#include "app/MonthCommandState.h"

#include "ui_MainWindow.h"

using namespace Qt::StringLiterals;

MonthCommandState::MonthCommandState(QWidget &window, const Ui::MainWindow &form, QLabel &countLabel,
                                     const Session &session)
    : m_window(window), m_form(form), m_countLabel(countLabel), m_session(session)
{}

void MonthCommandState::enableEntry(bool append, bool newEntry)
{
    m_form.appendAction->setEnabled(append);
    m_form.updateAction->setEnabled(true);
    m_form.newEntryAction->setEnabled(newEntry);
    m_form.dataOutputMenu->menuAction()->setEnabled(true);
    m_form.dataNoUpDown->setEnabled(true);
    m_form.newEntryButton->setEnabled(newEntry);
}

void MonthCommandState::offerCreateOnly()
{
    for (QAction *a : {m_form.appendAction, m_form.updateAction, m_form.newEntryAction})
        a->setEnabled(false);
    m_form.dataOutputMenu->menuAction()->setEnabled(false);
    m_form.dataNoUpDown->setEnabled(false);
    m_form.newEntryButton->setEnabled(false);
    m_form.createMonthFileAction->setEnabled(true);
    showCaption(m_session.thisMonth(), true);
    showCount(0);
}

void MonthCommandState::offerNothing()
{
    for (QAction *a :
         {m_form.createMonthFileAction, m_form.appendAction, m_form.updateAction, m_form.newEntryAction})
        a->setEnabled(false);
    m_form.dataOutputMenu->menuAction()->setEnabled(false);
    m_form.dataNoUpDown->setEnabled(false);
    showCaption(m_session.thisMonth());
    showCount(0);
}

void MonthCommandState::offerCurrentMonth(int count)
{
    enableEntry(true, true);
    m_form.createMonthFileAction->setEnabled(false);
    showCaption(m_session.thisMonth());
    showCount(count);
}

void MonthCommandState::offerPreviousMonth(int count)
{
    enableEntry(false, false);
    m_form.createMonthFileAction->setEnabled(false);
    showCaption(m_session.prevMonth());
    showCount(count);
}

bool MonthCommandState::isFileMissing() const
{
    return m_form.createMonthFileAction->isEnabled();
}

void MonthCommandState::showHeader(MonthKind kind)
{
    showCaption(m_session.monthNumber(kind));
    showCount(m_session.count(kind));
}

void MonthCommandState::showCaption(int month, bool fileMissing)
{
    m_window.setWindowTitle(u"Wrenly ●"_s + QString::number(month) +
                            (fileMissing ? u"月のデータファイル未作成"_s : u"月のデータ"_s));
}

void MonthCommandState::showPastCaption(int year, int month)
{
    m_window.setWindowTitle(u"Wrenly ●"_s + QString::number(year) + u"年 "_s + QString::number(month) +
                            u"月のデータ"_s);
}

void MonthCommandState::showCount(int count)
{
    m_countLabel.setText(u"データ総数: "_s + QString::number(count));
}
