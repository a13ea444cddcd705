#include "step/StepFileDialog.h"

#include "data/StepFile.h"

#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
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

    m_label2 = new QLabel(u"STEPデータファイル一覧："_s, this);
    m_label2->setObjectName(u"Label2"_s);

    // Two columns of names that run top to bottom, then scroll sideways.
    m_lbxStepData = new QListWidget(this);
    m_lbxStepData->setObjectName(u"lbxStepData"_s);
    m_lbxStepData->setFlow(QListView::TopToBottom);
    m_lbxStepData->setWrapping(true);
    m_lbxStepData->setResizeMode(QListView::Adjust);
    m_lbxStepData->setUniformItemSizes(true);
    m_lbxStepData->setFixedSize(ListWidth, ListHeight);
    m_lbxStepData->setGridSize(QSize((ListWidth - 6) / 2, m_lbxStepData->fontMetrics().height() + 2));
    m_lbxStepData->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A list box reports a click for keyboard moves as well.
    connect(m_lbxStepData, &QListWidget::currentItemChanged, this, &StepFileDialog::lbxStepDataClick);

    m_label1 = new QLabel(u"選択ファイル："_s, this);
    m_label1->setObjectName(u"Label1"_s);
    m_edtStepSelFile = new QLineEdit(this);
    m_edtStepSelFile->setObjectName(u"edtStepSelFile"_s);

    m_btnStepOpen = new QPushButton(u"STEPbySTEP を起動(&O)"_s, this);
    m_btnStepOpen->setObjectName(u"btnStepOpen"_s);
    m_btnStepOpen->setDefault(true);
    connect(m_btnStepOpen, &QPushButton::clicked, this, &QDialog::accept);
    m_btnStepCancel = new QPushButton(u"キャンセル(&C)"_s, this);
    m_btnStepCancel->setObjectName(u"btnStepCancel"_s);
    m_btnStepCancel->setAutoDefault(false);
    connect(m_btnStepCancel, &QPushButton::clicked, this, &QDialog::reject); // Esc rejects as well

    auto *file = new QHBoxLayout;
    file->addWidget(m_label1);
    file->addWidget(m_edtStepSelFile, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_btnStepOpen);
    buttons->addWidget(m_btnStepCancel);
    auto *root = new QVBoxLayout(this);
    root->addWidget(m_label2);
    root->addWidget(m_lbxStepData);
    root->addLayout(file);
    root->addLayout(buttons);
    root->setSizeConstraint(QLayout::SetFixedSize);

    if (parent) {
        const QRect host = parent->window()->frameGeometry();
        move(host.left() + 90, host.top() + 105);
    }
    fillList();
}

void StepFileDialog::fillList()
{
    // Sorted by name, so the list reads the same on every file system.
    const QStringList names = QDir(m_stepDir).entryList(
        {StepFile::nameFilter()}, QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    m_lbxStepData->addItems(names);
    if (names.isEmpty()) {
        m_edtStepSelFile->clear();
        m_lbxStepData->setEnabled(false);
        m_btnStepOpen->setEnabled(false);
        return;
    }
    m_lbxStepData->setCurrentRow(0);
}

void StepFileDialog::lbxStepDataClick(QListWidgetItem *item)
{
    if (!item)
        return;
    m_edtStepSelFile->setText(item->text());
    m_stepFilePath = m_stepDir + u'/' + item->text();
}
