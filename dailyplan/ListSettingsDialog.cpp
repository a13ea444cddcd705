#include "dailyplan/ListSettingsDialog.h"

#include "dailyplan/FieldRefusal.h"
#include "data/ListBook.h"
#include "platform/Dialogs.h"
#include "platform/WindowPlacer.h"
#include "widgets/InstantMnemonics.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

struct PageText
{
    const char16_t *sheet;
    const char16_t *caption;
    const char16_t *group;
    const char16_t *input;
    const char16_t *list;
    const char16_t *what;   // the list's name in the labels
    const char16_t *suffix; // of the buttons' object names
    int capacity;
    int limit;
};

const PageText pageTexts[] = {
    {u"TabSheet1", u"キーワード", u"スケジュール・パッドとルーチン・パッドのコンボボックス", u"edtKeyword",
     u"lbxKeyword", u"キーワード", u"", ListEntries::KeywordCapacity, ListEntries::KeywordLimit},
    {u"TabSheet2", u"説明", u"スケジュール・パッドとルーチン・パッドのコンボボックス", u"edtContent",
     u"lbxContent", u"説明", u"2", ListEntries::ContentCapacity, ListEntries::ContentLimit},
    {u"TabSheet3", u"タイトル 1", u"ダイアリー・パッドのコンボボックス", u"edtTitle1", u"lbxTitle1",
     u"タイトル1", u"3", ListEntries::TitleCapacity, ListEntries::TitleLimit},
    {u"TabSheet4", u"タイトル 2", u"ダイアリー・パッドのコンボボックス", u"edtTitle2", u"lbxTitle2",
     u"タイトル2", u"4", ListEntries::TitleCapacity, ListEntries::TitleLimit},
};

QString text(const char16_t *s)
{
    return QString::fromUtf16(s);
}

} // namespace

ListSettingsDialog::ListSettingsDialog(ListBook &lists, Dialogs &dialogs, const QString &listFile,
                                       QWidget *parent)
    : QDialog(parent), m_lists(lists), m_dialogs(dialogs), m_listFile(listFile)
{
    setObjectName(u"dlgSetList"_s);
    setWindowTitle(u"コンボボックスのリスト項目の設定"_s);
    setFixedSize(450, 450);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(u"PageControl1"_s);
    m_tabs->setGeometry(8, 8, 434, 390);
    const ListEntries &entries = lists.entries();
    buildPage(Keywords, entries.keywordList());
    buildPage(Descriptions, entries.contentList());
    buildPage(Titles1, entries.title1List());
    buildPage(Titles2, entries.title2List());
    connect(m_tabs, &QTabWidget::currentChanged, this, &ListSettingsDialog::selectLast);

    auto *save = new QPushButton(u"保存(&S)"_s, this);
    save->setObjectName(u"btnSaveEntries"_s);
    save->setGeometry(232, 410, 100, 28);
    connect(save, &QPushButton::clicked, this, &ListSettingsDialog::saveLists);
    auto *close = new QPushButton(u"閉じる(&C)"_s, this);
    close->setObjectName(u"btnCloseSLDlg"_s);
    close->setGeometry(342, 410, 100, 28);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    for (QPushButton *b : findChildren<QPushButton *>())
        b->setAutoDefault(false);
    InstantMnemonics::apply(this);
}

void ListSettingsDialog::buildPage(Tab tab, const QStringList &items)
{
    const PageText &t = pageTexts[tab];
    auto *sheet = new QWidget;
    sheet->setObjectName(text(t.sheet));
    m_tabs->addTab(sheet, text(t.caption));
    auto *group = new QGroupBox(text(t.group), sheet);
    group->setGeometry(8, 8, 412, 340);

    const QString what = text(t.what);
    auto *inputLabel = new QLabel(u"["_s + what + u"]入力："_s, group);
    inputLabel->move(14, 26);
    Page &page = m_pages[tab];
    page.limit = t.limit;
    page.input = new QLineEdit(group);
    page.input->setObjectName(text(t.input));
    page.input->setGeometry(14, 46, 280, 24);
    FieldRefusal::limit(page.input, t.capacity);

    auto *listLabel = new QLabel(u"["_s + what + u"]一覧："_s, group);
    listLabel->move(14, 84);
    page.list = new QListWidget(group);
    page.list->setObjectName(text(t.list));
    page.list->setGeometry(14, 104, 280, 196);
    page.list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    page.list->addItems(items);

    const QString suffix = text(t.suffix);
    const auto button = [&](const QString &name, const QString &caption, int y,
                            void (ListSettingsDialog::*slot)(Tab)) {
        auto *b = new QPushButton(caption, group);
        b->setObjectName(name + suffix);
        b->setGeometry(310, y, 86, 26);
        connect(b, &QPushButton::clicked, this, [this, slot, tab] { (this->*slot)(tab); });
        return b;
    };
    button(u"btnAppend"_s, u"追加"_s, 45, &ListSettingsDialog::appendItem);
    button(u"btnDelete"_s, u"削除"_s, 104, &ListSettingsDialog::removeItem);
    button(u"btnClear"_s, u"クリア"_s, 136, &ListSettingsDialog::clearItems);
    const auto arrow = [&](const QString &name, Qt::ArrowType type, int y,
                           void (ListSettingsDialog::*slot)(Tab)) {
        auto *b = new QToolButton(group);
        b->setObjectName(name + suffix);
        b->setArrowType(type);
        b->setGeometry(310, y, 40, 30);
        connect(b, &QToolButton::clicked, this, [this, slot, tab] { (this->*slot)(tab); });
    };
    arrow(u"BitBtnUp"_s, Qt::UpArrow, 200, &ListSettingsDialog::moveItemUp);
    arrow(u"BitBtnDown"_s, Qt::DownArrow, 236, &ListSettingsDialog::moveItemDown);

    auto *note = new QLabel(QString::number(t.limit) + u"件まで登録可能です."_s, group);
    note->move(14, 310);
}

QStringList ListSettingsDialog::items(Tab tab) const
{
    QStringList out;
    const QListWidget *list = m_pages[tab].list;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

void ListSettingsDialog::apply(Tab tab, const QStringList &items, const ListEditing::Outcome &outcome)
{
    if (!outcome.changed)
        return;
    QListWidget *list = m_pages[tab].list;
    list->clear();
    list->addItems(items);
    list->setCurrentRow(outcome.selected);
}

void ListSettingsDialog::appendItem(Tab tab)
{
    QStringList list = items(tab);
    const ListEditing::Outcome o = ListEditing::append(list, m_pages[tab].input->text(), m_pages[tab].limit);
    apply(tab, list, o);
    if (o.changed)
        m_pages[tab].input->setFocus();
}

void ListSettingsDialog::removeItem(Tab tab)
{
    QStringList list = items(tab);
    const ListEditing::Outcome o = ListEditing::remove(list, m_pages[tab].list->currentRow());
    apply(tab, list, o);
    if (o.changed)
        m_pages[tab].input->setFocus();
}

void ListSettingsDialog::clearItems(Tab tab)
{
    QStringList list = items(tab);
    const ListEditing::Outcome o = ListEditing::clear(list);
    apply(tab, list, o);
    if (o.changed)
        m_pages[tab].input->setFocus();
}

void ListSettingsDialog::moveItemUp(Tab tab)
{
    QStringList list = items(tab);
    apply(tab, list, ListEditing::moveUp(list, m_pages[tab].list->currentRow()));
}

void ListSettingsDialog::moveItemDown(Tab tab)
{
    QStringList list = items(tab);
    apply(tab, list, ListEditing::moveDown(list, m_pages[tab].list->currentRow()));
}

void ListSettingsDialog::selectLast(int tab)
{
    if (tab < 0 || tab >= int(m_pages.size()))
        return;
    QListWidget *list = m_pages[size_t(tab)].list;
    list->setCurrentRow(list->count() - 1);
}

void ListSettingsDialog::saveLists()
{
    const ListEntries entries =
        ListEntries::fromLists(items(Keywords), items(Descriptions), items(Titles1), items(Titles2));
    const SafeFile::Result r = m_lists.save(m_listFile, entries);
    if (r.changedOnDisk) {
        // The drop-downs offer what the file holds now; the lists here keep what the user made.
        m_dialogs.changedOnDisk(this, m_listFile);
        const SafeFile::Result reread = m_lists.reread(m_listFile);
        if (!reread)
            m_dialogs.fileError(this, FileOperation::Read, m_listFile, reread.error);
        return;
    }
    // On failure the drop-downs keep offering what the file holds.
    if (!r)
        m_dialogs.fileError(this, FileOperation::Write, m_listFile, r.error);
}

void ListSettingsDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    WindowPlacer::place(this, {QPoint(100, 50), size()});
    selectLast(m_tabs->currentIndex());
    m_pages[Keywords].list->setFocus();
}
