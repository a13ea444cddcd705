#include "step/StepFileDialog.h"

#include "data/StepFile.h"
#include "widgets/InstantMnemonics.h"

#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int ListWidth = 300;
constexpr int ListHeight = 180;

} // namespace

StepFileDialog::StepFileDialog(const QString &stepDir, QWidget *parent) : QDialog(parent), m_stepDir(stepDir)
{
    setObjectName(u"dlgSelStepData"_s);
    setWindowTitle(u"STEPデータファイルの選択"_s);

    auto *listCaption = new QLabel(u"STEPデータファイル一覧："_s, this);
    listCaption->setObjectName(u"Label2"_s);

    // Two columns of names, side by side from the second file on, scrolling down; a name too long
    // for its column shows its start and end, and whole in its tip.
    m_fileList = new QListWidget(this);
    m_fileList->setObjectName(u"lbxStepData"_s);
    m_fileList->setFlow(QListView::LeftToRight);
    m_fileList->setWrapping(true);
    m_fileList->setResizeMode(QListView::Adjust);
    m_fileList->setUniformItemSizes(true);
    m_fileList->setFixedSize(ListWidth, ListHeight);
    m_fileList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_fileList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    const int column =
        (m_fileList->viewport()->width() - m_fileList->verticalScrollBar()->sizeHint().width()) / 2;
    m_fileList->setGridSize(QSize(column - 1, m_fileList->fontMetrics().height() + 2));
    m_fileList->setTextElideMode(Qt::ElideMiddle);
    // Moving through the list with the keys chooses as well as clicking.
    connect(m_fileList, &QListWidget::currentItemChanged, this, &StepFileDialog::chooseFile);

    auto *chosenCaption = new QLabel(u"選択ファイル："_s, this);
    chosenCaption->setObjectName(u"Label1"_s);
    m_chosenFileBox = new QLineEdit(this);
    m_chosenFileBox->setObjectName(u"edtStepSelFile"_s);

    m_openButton = new QPushButton(u"STEPbySTEP を起動(&O)"_s, this);
    m_openButton->setObjectName(u"btnStepOpen"_s);
    m_openButton->setDefault(true);
    connect(m_openButton, &QPushButton::clicked, this, &QDialog::accept);
    auto *cancelButton = new QPushButton(u"キャンセル(&C)"_s, this);
    cancelButton->setObjectName(u"btnStepCancel"_s);
    cancelButton->setAutoDefault(false);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject); // Esc rejects as well

    auto *file = new QHBoxLayout;
    file->addWidget(chosenCaption);
    file->addWidget(m_chosenFileBox, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_openButton);
    buttons->addWidget(cancelButton);
    auto *root = new QVBoxLayout(this);
    root->addWidget(listCaption);
    root->addWidget(m_fileList);
    root->addLayout(file);
    root->addLayout(buttons);
    root->setSizeConstraint(QLayout::SetFixedSize);

    if (parent) {
        const QRect host = parent->window()->frameGeometry();
        move(host.left() + 90, host.top() + 105);
    }
    fillList();
    InstantMnemonics::apply(this);
}

void StepFileDialog::fillList()
{
    // Sorted by name, so the list reads the same on every file system.
    const QStringList names = QDir(m_stepDir).entryList(
        {StepFile::nameFilter()}, QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    m_fileList->addItems(names);
    for (int i = 0; i < m_fileList->count(); ++i)
        m_fileList->item(i)->setToolTip(names[i]);
    if (names.isEmpty()) {
        m_chosenFileBox->clear();
        m_fileList->setEnabled(false);
        m_openButton->setEnabled(false);
        return;
    }
    m_fileList->setCurrentRow(0);
}

void StepFileDialog::chooseFile(QListWidgetItem *item)
{
    if (!item)
        return;
    m_chosenFileBox->setText(item->text());
    m_stepFilePath = m_stepDir + u'/' + item->text();
}
