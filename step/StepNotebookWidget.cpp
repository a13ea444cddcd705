#include "step/StepNotebookWidget.h"

#include "data/DateText.h"
#include "data/DaySerial.h"
#include "data/SjisCodec.h"
#include "step/StepChartPainter.h"
#include "widgets/ColorFrame.h"
#include "widgets/PopupDateEdit.h"
#include "widgets/SjisTextEdit.h"

#include "ui_StepNotebookWidget.h"

#include <QListWidget>
#include <QTabBar>
#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace {

constexpr int HistoryLines = 5;
constexpr int HistoryLineHeight = 16;
const QColor highlightText{0, 0, 221};

} // namespace

StepNotebookWidget::StepNotebookWidget(QWidget *parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::StepNotebookWidget>())
{
    m_ui->setupUi(this);
    m_ui->titleFrame->setColor(StepColours::skyBlue);
    QPalette white = m_ui->titleLabel->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    m_ui->titleLabel->setPalette(white);

    // Five lines, numbered beside the list.
    QListWidget *history = m_ui->historyList;
    const int frame = history->frameWidth();
    history->setFixedHeight(HistoryLines * HistoryLineHeight + 2 * frame);
    m_ui->historyNumbers->setFixedSize(12, history->height());
    m_ui->historyNumbersLayout->setContentsMargins(0, frame, 0, frame);
    connect(history, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { emit historyChosen(m_ui->historyList->row(item)); });

    m_dateEdits = {m_ui->pageDateEdit1, m_ui->pageDateEdit2, m_ui->pageDateEdit3, m_ui->pageDateEdit4,
                   m_ui->pageDateEdit5};
    m_memoEdits = {m_ui->pageMemoEdit1, m_ui->pageMemoEdit2, m_ui->pageMemoEdit3, m_ui->pageMemoEdit4,
                   m_ui->pageMemoEdit5};
    for (int i = 0; i < StepNotes::PageCount; ++i) {
        m_dateEdits[i]->setDisplayFormat(DateText::longDateFormat());
        m_memoEdits[i]->setCapacity(StepGroup::MemoCapacity);
        connect(m_memoEdits[i], &SjisTextEdit::refused, this, &StepNotebookWidget::refused);
    }
    connect(m_ui->pageTabs, &QTabWidget::currentChanged, this, &StepNotebookWidget::highlightPage);

    // Said where the memo is typed, before anything is written that would be dropped.
    QPalette red = m_ui->notKeptLabel->palette();
    red.setColor(QPalette::WindowText, QColor(200, 0, 0));
    m_ui->notKeptLabel->setPalette(red);
    m_ui->notKeptLabel->hide();
}

StepNotebookWidget::~StepNotebookWidget() = default;

void StepNotebookWidget::showNotes(const QString &rowName, const QString &kindName, const StepNotes &notes)
{
    m_ui->rowNameEdit->setText(rowName);
    m_ui->kindNameEdit->setText(kindName);
    m_ui->historyList->clear();
    for (const StepPeriod &p : notes.history) {
        auto *item = new QListWidgetItem(DateText::shortDate(DaySerial::toDate(p.start)) + u" - "_s +
                                         DateText::shortDate(DaySerial::toDate(p.end)));
        item->setSizeHint(QSize(0, HistoryLineHeight));
        m_ui->historyList->addItem(item);
    }
    if (notes.selectedEntry >= 0 && notes.selectedEntry < m_ui->historyList->count())
        m_ui->historyList->setCurrentRow(notes.selectedEntry);

    m_given = notes.pages;
    m_kept = notes.kept;
    m_shownPages = qBound(1, notes.shownPages, StepNotes::PageCount);
    for (int i = 0; i < StepNotes::PageCount; ++i) {
        m_dateEdits[i]->setDate(DaySerial::toDate(m_given[i].date));
        m_shownMemo[i] = Sjis::fromCrLf(m_given[i].memo);
        m_memoEdits[i]->setAcceptedText(m_shownMemo[i]);
        m_dateEdits[i]->setReadOnly(!m_kept[i]);
        m_memoEdits[i]->setReadOnly(!m_kept[i]);
    }
    {
        // The highlight follows the page made active below, not the ones passed on the way.
        const QSignalBlocker block(m_ui->pageTabs);
        for (int i = 0; i < StepNotes::PageCount; ++i)
            m_ui->pageTabs->setTabVisible(i, i < m_shownPages);
    }
    showPage(qBound(0, notes.activePage, m_shownPages - 1));
}

std::array<StepNotes::Page, StepNotes::PageCount> StepNotebookWidget::pages() const
{
    std::array<StepNotes::Page, StepNotes::PageCount> pages = m_given;
    for (int i = 0; i < StepNotes::PageCount; ++i) {
        const QDate date = m_dateEdits[i]->date();
        if (date != DaySerial::toDate(m_given[i].date))
            pages[i].date = DaySerial::fromDate(date);
        const QString text = m_memoEdits[i]->toPlainText();
        if (text != m_shownMemo[i])
            pages[i].memo = Sjis::toCrLf(text);
    }
    return pages;
}

void StepNotebookWidget::showPage(int index)
{
    const QSignalBlocker block(m_ui->pageTabs);
    m_ui->pageTabs->setCurrentIndex(index);
    highlightPage(m_ui->pageTabs->currentIndex());
}

void StepNotebookWidget::highlightPage(int index)
{
    QTabBar *tabs = m_ui->pageTabs->tabBar();
    for (int i = 0; i < StepNotes::PageCount; ++i)
        tabs->setTabTextColor(i, i == index ? highlightText : QColor());
    m_highlighted = index;
    m_ui->notKeptLabel->setVisible(index >= 0 && index < StepNotes::PageCount && !m_kept[index]);
}
