#include "step/StepFileDialog.h"

#include "data/StepFile.h"
#include "widgets/InstantMnemonics.h"

#include "ui_StepFileDialog.h"

#include <QDir>
#include <QScrollBar>

StepFileDialog::StepFileDialog(const QString &stepDir, QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::StepFileDialog>()), m_stepDir(stepDir)
{
    m_ui->setupUi(this);
    // Two columns of names, side by side from the second file on, scrolling down; a name too long
    // for its column shows its start and end, and whole in its tip.
    QListWidget *list = m_ui->fileList;
    const int column = (list->viewport()->width() - list->verticalScrollBar()->sizeHint().width()) / 2;
    list->setGridSize(QSize(column - 1, list->fontMetrics().height() + 2));
    // Moving through the list with the keys chooses as well as clicking.
    connect(list, &QListWidget::currentItemChanged, this, &StepFileDialog::chooseFile);
    connect(m_ui->openButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &QDialog::reject); // Esc rejects as well

    if (parent) {
        const QRect host = parent->window()->frameGeometry();
        move(host.left() + 90, host.top() + 105);
    }
    fillList();
    InstantMnemonics::apply(this);
}

StepFileDialog::~StepFileDialog() = default;

void StepFileDialog::fillList()
{
    // Sorted by name, so the list reads the same on every file system.
    const QStringList names = QDir(m_stepDir).entryList(
        {StepFile::nameFilter()}, QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    QListWidget *list = m_ui->fileList;
    list->addItems(names);
    for (int i = 0; i < list->count(); ++i)
        list->item(i)->setToolTip(names[i]);
    if (names.isEmpty()) {
        m_ui->chosenFileEdit->clear();
        list->setEnabled(false);
        m_ui->openButton->setEnabled(false);
        return;
    }
    list->setCurrentRow(0);
}

void StepFileDialog::chooseFile(QListWidgetItem *item)
{
    if (!item)
        return;
    m_ui->chosenFileEdit->setText(item->text());
    m_stepFilePath = m_stepDir + u'/' + item->text();
}
