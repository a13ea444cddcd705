#include "views/ToDoListWindow.h"

#include "data/Pending.h"
#include "platform/Hints.h"
#include "views/HintForwarder.h"
#include "views/ViewColours.h"
#include "widgets/FixedColours.h"
#include "widgets/InstantMnemonics.h"
#include "widgets/JobRowWidget.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

using namespace Qt::StringLiterals;

namespace {

constexpr int HeaderLeft = 10; // lines the captions up with the boxes of the rows
constexpr int ListLeft = 8;
constexpr int ListTop = 42;
constexpr int ListWidth = 535;
constexpr int ListHeight = 182;

QLabel *textLabel(const QString &text, int pixels, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont f = label->font();
    f.setPixelSize(pixels);
    label->setFont(f);
    label->adjustSize();
    return label;
}

} // namespace

ToDoListWindow::ToDoListWindow(Session &session, ViewHost &host, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_session(session), m_host(host)
{
    setObjectName(u"frmList"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(u"To-Do リスト"_s);
    setFixedSize(WindowWidth, WindowHeight);
    forwardHintsToHost(this, host);

    buildHeader();
    buildList();

    auto *close = new QPushButton(u"閉じる(&C)"_s, this);
    close->setObjectName(u"btnListClose"_s);
    close->setGeometry(ListLeft + ListWidth - 75, ListTop + ListHeight + 14, 75, 25);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    InstantMnemonics::apply(this);
}

void ToDoListWindow::buildHeader()
{
    auto *header = new QWidget(this);
    header->setObjectName(u"pnlHeader"_s);
    header->setGeometry(HeaderLeft, 0, WindowWidth - HeaderLeft - 5, ListTop);

    QLabel *explain = textLabel(
        u"今日の日付が開始日と終了日の間にあるToDo項目のうち,未完了の項目を新しい方から順に表示する"_s, 12,
        header);
    QFont f = explain->font();
    f.setUnderline(true);
    explain->setFont(f);
    explain->adjustSize();
    explain->move(0, 4);

    const struct
    {
        int x;
        const char16_t *text;
    } captions[] = {{5, u"データNo"}, {75, u"開始日"}, {165, u"終了日"}, {255, u"タイトル"}};
    for (const auto &c : captions)
        textLabel(QString::fromUtf16(c.text), 12, header)->move(c.x, 24);

    auto *swatch = new QFrame(header);
    swatch->setFrameStyle(QFrame::Box | QFrame::Plain);
    swatch->setAutoFillBackground(true);
    QPalette p = swatch->palette();
    p.setColor(QPalette::Window, ViewColours::inProgress());
    swatch->setPalette(p);
    swatch->setGeometry(430, 27, 25, 11);
    textLabel(u"：遂行中"_s, 12, header)->move(457, 24);
}

void ToDoListWindow::buildList()
{
    m_listArea = new QScrollArea(this);
    m_listArea->setObjectName(u"sboxListParent"_s);
    m_listArea->setGeometry(ListLeft, ListTop, ListWidth, ListHeight);
    m_listArea->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_listArea->setLineWidth(1);
    m_listArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_listArea->verticalScrollBar()->setSingleStep(JobRowWidget::RowHeight);

    auto *content = new QWidget;
    FixedColours::setBackground(content, QPalette::Window, ViewColours::listArea());
    const QPalette pal = content->palette();
    // Not the scroll area itself: its scroll bar would have its pictures cached anew at every opening.
    m_listArea->viewport()->setPalette(pal);

    // The greeting lies under the rows: the first row covers it as soon as there is one.
    auto *refresh = new QLabel(u"本日は リフレッシュ・デー です"_s, content);
    refresh->setObjectName(u"lblRefreshDay"_s);
    QFont f = refresh->font();
    f.setPixelSize(21);
    f.setBold(true);
    refresh->setFont(f);
    QPalette rp = refresh->palette();
    rp.setColor(QPalette::WindowText, QColor(0, 0, 255));
    refresh->setPalette(rp);
    refresh->adjustSize();
    refresh->move(75, 5);

    auto *face = new QLabel(u"(*^_^*)"_s, content);
    face->setObjectName(u"lblFaceLetter"_s);
    f.setPixelSize(24);
    face->setFont(f);
    QPalette fp = face->palette();
    fp.setColor(QPalette::WindowText, QColor(255, 0, 255));
    face->setPalette(fp);
    face->adjustSize();
    face->move(375, 2);

    m_entries = Pending::jobsToday(m_session, Pending::Rule::OpenToday);
    const QString hint = u"|左クリック - データをメインに表示, 右クリック - ポップアップメニュー"_s;
    m_rows.reserve(m_entries.size());
    for (int i = 0; i < m_entries.size(); ++i) {
        const Pending::JobRef &e = m_entries[i];
        const JobRecord &job = m_session.jobs(e.month)[size_t(e.slot)];
        auto *row = new JobRowWidget(e.month, m_session.monthNumber(e.month), e.slot + 1, job, content);
        row->setObjectName(u"pnlRow"_s + QString::number(i));
        row->move(1, JobRowWidget::RowHeight * i);
        if (job.check == JobRecord::InProgress)
            row->setBackground(ViewColours::inProgress());
        Hints::set(row, hint);
        connect(row, &JobRowWidget::leftClicked, this, &ToDoListWindow::showJobOfRow);
        connect(row, &JobRowWidget::rightClicked, this,
                [this](JobRowWidget *, const QPoint &globalPos) { listMenu()->popup(globalPos); });
        m_rows.append(row);
    }
    content->resize(1 + JobRowWidget::RowWidth,
                    qMax(ListHeight - 2, JobRowWidget::RowHeight * int(m_entries.size())));
    m_listArea->setWidget(content);
}

// Made when first asked for: most openings of the list never show it.
QMenu *ToDoListWindow::listMenu()
{
    if (m_listMenu)
        return m_listMenu;
    m_listMenu = new QMenu(this);
    m_listMenu->setObjectName(u"PopupMenu1"_s);
    auto *pell = m_listMenu->addAction(u"Pellmark を起動(&K)"_s);
    pell->setObjectName(u"miPellBoot"_s);
    pell->setEnabled(m_host.isLaunchEnabled(Partner::Pellmark));
    connect(pell, &QAction::triggered, this, [this] { emit launchRequested(Partner::Pellmark); });
    auto *trev = m_listMenu->addAction(u"Trevant を起動(&J)"_s);
    trev->setObjectName(u"miTrevBoot"_s);
    trev->setEnabled(m_host.isLaunchEnabled(Partner::Trevant));
    connect(trev, &QAction::triggered, this, [this] { emit launchRequested(Partner::Trevant); });
    m_listMenu->addSeparator();
    auto *close = m_listMenu->addAction(u"閉じる(&C)"_s);
    close->setObjectName(u"miListClose"_s);
    connect(close, &QAction::triggered, this, &QWidget::close);
    return m_listMenu;
}

void ToDoListWindow::showJobOfRow(JobRowWidget *row)
{
    const qsizetype i = m_rows.indexOf(row);
    if (i < 0)
        return;
    const Pending::JobRef &e = m_entries[i];
    emit jobChosen(e.month, e.slot + 1);
}

void ToDoListWindow::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted())
        emit closed();
}

void ToDoListWindow::contextMenuEvent(QContextMenuEvent *event)
{
    listMenu()->popup(event->globalPos());
}
