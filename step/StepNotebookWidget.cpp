#include "step/StepNotebookWidget.h"

#include "data/DateText.h"
#include "data/DaySerial.h"
#include "data/SjisCodec.h"
#include "step/StepChartPainter.h"
#include "widgets/ColorFrame.h"
#include "widgets/PopupDateEdit.h"
#include "widgets/SjisTextEdit.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int HistoryLines = 5;
constexpr int HistoryLineHeight = 16;
const QColor highlightText{0, 0, 221};

} // namespace

StepNotebookWidget::StepNotebookWidget(QWidget *parent) : QWidget(parent)
{
    auto *title = new ColorFrame(StepColours::skyBlue, this);
    title->setObjectName(u"pnlMemoTitle"_s);
    title->setFixedHeight(24);
    auto *titleText = new QLabel(u"何でも メモって 帳"_s, title);
    QFont bold = titleText->font();
    bold.setBold(true);
    titleText->setFont(bold);
    QPalette white = titleText->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    titleText->setPalette(white);
    titleText->setAlignment(Qt::AlignCenter);
    auto *titleBox = new QVBoxLayout(title);
    titleBox->setContentsMargins(0, 0, 0, 0);
    titleBox->addWidget(titleText);

    m_rowBox = new QLineEdit(this);
    m_rowBox->setObjectName(u"edtMemoStep"_s);
    m_rowBox->setReadOnly(true);
    m_kindBox = new QLineEdit(this);
    m_kindBox->setObjectName(u"edtMemoClass"_s);
    m_kindBox->setReadOnly(true);
    auto *names = new QGridLayout;
    names->setHorizontalSpacing(4);
    names->addWidget(new QLabel(u"ステップ："_s, this), 0, 0);
    names->addWidget(m_rowBox, 0, 1);
    names->addWidget(new QLabel(u"区　　分："_s, this), 1, 0);
    names->addWidget(m_kindBox, 1, 1);

    // Five lines, numbered beside the list.
    m_history = new QListWidget(this);
    m_history->setObjectName(u"lbxHistory"_s);
    m_history->setUniformItemSizes(true);
    m_history->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_history->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int frame = m_history->frameWidth();
    m_history->setFixedHeight(HistoryLines * HistoryLineHeight + 2 * frame);
    connect(m_history, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { emit historyChosen(m_history->row(item)); });
    auto *numbers = new QWidget(this);
    numbers->setFixedSize(12, m_history->height());
    for (int i = 0; i < HistoryLines; ++i) {
        auto *number = new QLabel(QString::number(i + 1), numbers);
        number->setGeometry(0, frame + HistoryLineHeight * i, 12, HistoryLineHeight);
        number->setAlignment(Qt::AlignCenter);
    }
    auto *history = new QHBoxLayout;
    history->setSpacing(2);
    history->addWidget(numbers);
    history->addWidget(m_history, 1);

    m_pages = new QTabWidget(this);
    m_pages->setObjectName(u"PageControl1"_s);
    for (int i = 0; i < StepNotes::PageCount; ++i) {
        auto *page = new QWidget;
        page->setObjectName(u"TabSheet"_s + QString::number(i + 1));
        auto *date = new PopupDateEdit(page);
        date->setObjectName(u"dtpMemo"_s + QString::number(i + 1));
        date->setDisplayFormat(DateText::longDateFormat());
        date->setMinimumDate(QDate(100, 1, 1));
        auto *memo = new SjisTextEdit(StepGroup::MemoCapacity, page);
        memo->setObjectName(u"memMemo"_s + QString::number(i + 1));
        memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        connect(memo, &SjisTextEdit::refused, this, &StepNotebookWidget::refused);
        auto *box = new QVBoxLayout(page);
        box->setContentsMargins(4, 4, 4, 4);
        box->setSpacing(2);
        box->addWidget(new QLabel(u"設定日/修正日："_s, page));
        box->addWidget(date);
        box->addSpacing(4);
        box->addWidget(new QLabel(u"メモ："_s, page));
        box->addWidget(memo, 1);
        m_pages->addTab(page, QString::number(i + 1));
        m_dateEdits[i] = date;
        m_memoEdits[i] = memo;
    }
    connect(m_pages, &QTabWidget::currentChanged, this, &StepNotebookWidget::highlightPage);

    // Said where the memo is typed, before anything is written that would be dropped.
    m_notKeptLabel = new QLabel(u"このページの期間はまだ設定されていないため, メモは保存されません. "
                                u"先にバーで期間を設定してください."_s,
                                this);
    m_notKeptLabel->setObjectName(u"lblMemoNotKept"_s);
    m_notKeptLabel->setWordWrap(true);
    QPalette red = m_notKeptLabel->palette();
    red.setColor(QPalette::WindowText, QColor(200, 0, 0));
    m_notKeptLabel->setPalette(red);
    m_notKeptLabel->hide();

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 4);
    column->setSpacing(4);
    column->addWidget(title);
    column->addLayout(names);
    column->addWidget(new QLabel(u"履歴 (開始日 - 終了日)："_s, this));
    column->addLayout(history);
    column->addWidget(m_pages, 1);
    column->addWidget(m_notKeptLabel);
}

void StepNotebookWidget::showNotes(const QString &rowName, const QString &kindName, const StepNotes &notes)
{
    m_rowBox->setText(rowName);
    m_kindBox->setText(kindName);
    m_history->clear();
    for (const StepPeriod &p : notes.history) {
        auto *item = new QListWidgetItem(DateText::shortDate(DaySerial::toDate(p.start)) + u" - "_s +
                                         DateText::shortDate(DaySerial::toDate(p.end)));
        item->setSizeHint(QSize(0, HistoryLineHeight));
        m_history->addItem(item);
    }
    if (notes.selectedEntry >= 0 && notes.selectedEntry < m_history->count())
        m_history->setCurrentRow(notes.selectedEntry);

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
        const QSignalBlocker block(m_pages);
        for (int i = 0; i < StepNotes::PageCount; ++i)
            m_pages->setTabVisible(i, i < m_shownPages);
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
    const QSignalBlocker block(m_pages);
    m_pages->setCurrentIndex(index);
    highlightPage(m_pages->currentIndex());
}

void StepNotebookWidget::highlightPage(int index)
{
    QTabBar *tabs = m_pages->tabBar();
    for (int i = 0; i < StepNotes::PageCount; ++i)
        tabs->setTabTextColor(i, i == index ? highlightText : QColor());
    m_highlighted = index;
    m_notKeptLabel->setVisible(index >= 0 && index < StepNotes::PageCount && !m_kept[index]);
}
