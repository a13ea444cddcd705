#include "dailyplan/PadMemoDialog.h"

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
    : QDialog(parent)
{
    setObjectName(u"dlgPadMemo"_s);
    setWindowTitle(target == Target::Routine ? u"ルーチン・パッドのメモ"_s : u"スケジュール・パッドのメモ"_s);
    setFixedSize(392, 166);

    m_memoEdit = new SjisTextEdit(SchedulePadRecord::MemoCapacity, this);
    m_memoEdit->setObjectName(u"memPadMemo"_s);
    m_memoEdit->setGeometry(21, 12, 350, 102);
    m_memoEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_memoEdit->setAcceptedText(Sjis::fromCrLf(memo));
    FieldRefusal::explain(m_memoEdit);

    m_numberBox = new QLineEdit(QString::number(number), this);
    m_numberBox->setObjectName(u"edtPadMemoNum"_s);
    m_numberBox->setGeometry(21, 126, 30, 24);
    m_numberBox->setReadOnly(true);
    m_numberBox->setAlignment(Qt::AlignCenter);
    m_numberBox->setFocusPolicy(Qt::NoFocus);

    auto *save = new QPushButton(u"一時保存して閉じる(&S)"_s, this);
    save->setObjectName(u"btnSavePadMemo"_s);
    save->setGeometry(131, 124, 140, 28);
    connect(save, &QPushButton::clicked, this, &PadMemoDialog::saveMemo);
    auto *cancel = new QPushButton(u"キャンセル(&C)"_s, this);
    cancel->setObjectName(u"btnCancelPadMemo"_s);
    cancel->setGeometry(281, 124, 90, 28);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    for (QPushButton *b : {save, cancel})
        b->setAutoDefault(false);
    m_memoEdit->setFocus();
    InstantMnemonics::apply(this);
}

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
