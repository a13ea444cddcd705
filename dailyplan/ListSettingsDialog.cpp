#include "dailyplan/ListSettingsDialog.h"
#include "ui_ListSettingsDialog.h"

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

ListSettingsDialog::ListSettingsDialog(ListBook &lists, Dialogs &dialogs, const QString &listFile,
                                       QWidget *parent)
    : QDialog(parent), m_lists(lists), m_dialogs(dialogs), m_listFile(listFile),
      m_ui(std::make_unique<Ui::ListSettingsDialog>())
{
    m_ui->setupUi(this);
    setFixedSize(size());
    const Ui::ListSettingsDialog &u = *m_ui;
    const PageParts parts[] = {
        {u.keywordEdit, u.keywordList, u.keywordLimitLabel, u.appendKeywordButton, u.removeKeywordButton,
         u.clearKeywordButton, u.upKeywordButton, u.downKeywordButton, ListEntries::KeywordCapacity,
         ListEntries::KeywordLimit},
        {u.descriptionEdit, u.descriptionList, u.descriptionLimitLabel, u.appendDescriptionButton,
         u.removeDescriptionButton, u.clearDescriptionButton, u.upDescriptionButton, u.downDescriptionButton,
         ListEntries::ContentCapacity, ListEntries::ContentLimit},
        {u.title1Edit, u.title1List, u.title1LimitLabel, u.appendTitle1Button, u.removeTitle1Button,
         u.clearTitle1Button, u.upTitle1Button, u.downTitle1Button, ListEntries::TitleCapacity,
         ListEntries::TitleLimit},
        {u.title2Edit, u.title2List, u.title2LimitLabel, u.appendTitle2Button, u.removeTitle2Button,
         u.clearTitle2Button, u.upTitle2Button, u.downTitle2Button, ListEntries::TitleCapacity,
         ListEntries::TitleLimit},
    };
    const ListEntries &entries = lists.entries();
    const QStringList items[] = {entries.keywordList(), entries.contentList(), entries.title1List(),
                                 entries.title2List()};
    for (Tab tab : {Keywords, Descriptions, Titles1, Titles2})
        wirePage(tab, parts[tab], items[tab]);
    // Sized to their texts, as labels made in code are when first shown.
    for (QLabel *label : findChildren<QLabel *>())
        label->adjustSize();
    connect(m_ui->tabWidget, &QTabWidget::currentChanged, this, &ListSettingsDialog::selectLast);
    connect(m_ui->saveButton, &QPushButton::clicked, this, &ListSettingsDialog::saveLists);
    connect(m_ui->closeButton, &QPushButton::clicked, this, &QDialog::reject);
    InstantMnemonics::apply(this);
}

ListSettingsDialog::~ListSettingsDialog() = default;

void ListSettingsDialog::wirePage(Tab tab, const PageParts &parts, const QStringList &items)
{
    Page &page = m_pages[tab];
    page.input = parts.input;
    page.list = parts.list;
    page.limit = parts.limit;
    FieldRefusal::limit(page.input, parts.capacity);
    page.list->addItems(items);
    parts.limitLabel->setText(QString::number(parts.limit) + u"件まで登録可能です."_s);
    const auto wire = [this, tab](QAbstractButton *button, void (ListSettingsDialog::*slot)(Tab)) {
        connect(button, &QAbstractButton::clicked, this, [this, slot, tab] { (this->*slot)(tab); });
    };
    wire(parts.append, &ListSettingsDialog::appendItem);
    wire(parts.remove, &ListSettingsDialog::removeItem);
    wire(parts.clear, &ListSettingsDialog::clearItems);
    wire(parts.up, &ListSettingsDialog::moveItemUp);
    wire(parts.down, &ListSettingsDialog::moveItemDown);
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
    selectLast(m_ui->tabWidget->currentIndex());
    m_pages[Keywords].list->setFocus();
}
