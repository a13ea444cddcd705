#include "dailyplan/PadMemoDialog.h"
#include "ui_PadMemoDialog.h"

#include "dailyplan/FieldRefusal.h"
#include "data/DayFile.h"
#include "data/SjisCodec.h"
#include "platform/WindowPlacer.h"
#include "widgets/InstantMnemonics.h"
#include "widgets/SjisTextEdit.h"

#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

using namespace Qt::StringLiterals;

PadMemoDialog::PadMemoDialog(Target target, int number, const QString &memo, QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::PadMemoDialog>())
{
    m_ui->setupUi(this);
    setWindowTitle(target == Target::Routine ? u"ルーチン・パッドのメモ"_s : u"スケジュール・パッドのメモ"_s);
    setFixedSize(size());
    // Made here: the box takes its capacity when it is made.
    m_memoEdit = new SjisTextEdit(PadFields::MemoCapacity, this);
    m_memoEdit->setObjectName(u"memoEdit"_s);
    m_memoEdit->setGeometry(21, 12, 350, 102);
    m_memoEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_memoEdit->setAcceptedText(Sjis::fromCrLf(memo));
    FieldRefusal::explain(m_memoEdit);
    setTabOrder(m_memoEdit, m_ui->saveButton);
    setTabOrder(m_ui->saveButton, m_ui->cancelButton);
    m_ui->numberEdit->setText(QString::number(number));
    connect(m_ui->saveButton, &QPushButton::clicked, this, &PadMemoDialog::saveMemo);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    m_memoEdit->setFocus();
    InstantMnemonics::apply(this);
}

PadMemoDialog::~PadMemoDialog() = default;

void PadMemoDialog::saveMemo()
{
    if (keepMemo)
        keepMemo(Sjis::fitToField(Sjis::toCrLf(m_memoEdit->toPlainText()), PadFields::MemoCapacity));
    accept();
}

void PadMemoDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        WindowPlacer::place(this, {QPoint(262, 62), size()});
}
