#include "app/SetupListEditor.h"

#include "widgets/RefusalTip.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>

SetupListEditor::SetupListEditor(const Controls &controls, std::array<QString, Config::ListSize> &entries,
                                 QObject *parent)
    : QObject(parent), m_c(controls), m_entries(entries)
{
    RefusalTip::limit(m_c.edit, Config::EntryCapacity);
    m_c.upButton->setIcon(m_c.upButton->style()->standardIcon(QStyle::SP_ArrowUp));
    m_c.downButton->setIcon(m_c.downButton->style()->standardIcon(QStyle::SP_ArrowDown));
    connect(m_c.appendButton, &QPushButton::clicked, this, &SetupListEditor::append);
    connect(m_c.edit, &QLineEdit::returnPressed, this, &SetupListEditor::append);
    connect(m_c.deleteButton, &QPushButton::clicked, this, &SetupListEditor::deleteCurrent);
    connect(m_c.clearButton, &QPushButton::clicked, this, &SetupListEditor::clearAll);
    connect(m_c.upButton, &QPushButton::clicked, this, [this] { move(-1); });
    connect(m_c.downButton, &QPushButton::clicked, this, [this] { move(+1); });
    connect(m_c.applyButton, &QPushButton::clicked, this, &SetupListEditor::apply);
}

void SetupListEditor::showEntries()
{
    m_c.list->clear();
    for (const QString &item : m_entries) {
        if (!item.isEmpty())
            m_c.list->addItem(item);
    }
}

void SetupListEditor::clearEdit()
{
    m_c.edit->clear();
}

void SetupListEditor::apply()
{
    QStringList items;
    for (int i = 0; i < m_c.list->count(); ++i)
        items << m_c.list->item(i)->text();
    Config::setList(m_entries, items);
    emit applied();
}

void SetupListEditor::append()
{
    if (m_c.list->count() < Config::ListSize && !m_c.edit->text().isEmpty())
        m_c.list->addItem(m_c.edit->text());
    m_c.edit->setFocus();
}

void SetupListEditor::deleteCurrent()
{
    delete m_c.list->currentItem();
    m_c.edit->setFocus();
}

void SetupListEditor::clearAll()
{
    m_c.list->clear();
    m_c.edit->setFocus();
}

void SetupListEditor::move(int direction)
{
    QListWidget *list = m_c.list;
    const int row = list->currentItem() ? list->currentRow() : -1;
    const int to = row + direction;
    if (list->count() < 2 || row < 0 || to < 0 || to >= list->count())
        return;
    QListWidgetItem *item = list->takeItem(row);
    list->insertItem(to, item);
    list->setCurrentRow(to);
}
