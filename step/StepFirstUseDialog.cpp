#include "step/StepFirstUseDialog.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

QStringList StepFirstUseDialog::memoLines()
{
    return {
        u""_s,
        u"ジョブの種類によっては、単に開始点と終了点をみるだけでなく、いくつかの"_s,
        u"段階に分けて管理した方が適しているものもあります。"_s,
        u""_s,
        u"そのような場合に使用する機能として、『ステップ別管理』(STEP by STEP)"_s,
        u"を搭載しました。"_s,
        u""_s,
        u"ただし、『ステップ別管理』機能は、すべてのジョブに対して使用する必要は"_s,
        u"ありません。 ある程度の期間を有し、いくつかの作業単位に分割可能な"_s,
        u"ジョブに適用してください。"_s,
        u""_s,
        u"本機能を使用する場合は [GO！]ボタンを、使用しない場合は [キャンセル]"_s,
        u"ボタンを押します。"_s,
        u""_s,
        u"[GO！]ボタンを押すと、以下の各項目が実行されます。"_s,
        u"(現在 メインウィンドウ に表示されているデータが 基本データ として使用さ"_s,
        u"れます。)"_s,
        u""_s,
        u"1. 基本データ (メインウィンドウ) の「タイトル」の最初の部分に [STEP] とい"_s,
        u"う語句を挿入します。"_s,
        u""_s,
        u"2. STEP サブフォルダ内に ステップ別管理用ファイル (STEP ファイル) を"_s,
        u"作成します。"_s,
        u"   STEP ファイルは、基本データ を元に作成されます。"_s,
        u""_s,
        u"3. STEP ファイルのデータを元に、『ステップ別管理』 ウィンドウを作成し、表"_s,
        u"示します。"_s,
        u""_s,
        u"不要な STEP ファイルを削除する等、詳細な情報、並びに具体的な操作方"_s,
        u"法については、ヘルプを参照してください。"_s,
        u""_s,
        u"『ステップ別管理』 機能を使用しますか？"_s,
    };
}

StepFirstUseDialog::StepFirstUseDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(u"dlgConfirm"_s);
    setWindowTitle(u"『ステップ別管理』機能を使用しますか？"_s);

    m_label1 = new QLabel(u"ステップ別管理"_s, this);
    m_label1->setObjectName(u"Label1"_s);
    QFont heading = m_label1->font();
    heading.setPixelSize(20);
    heading.setBold(true);
    m_label1->setFont(heading);
    m_label2 = new QLabel(u"について"_s, this);
    m_label2->setObjectName(u"Label2"_s);
    m_label3 = new QLabel(u"(初回起動時のみ表示)"_s, this);
    m_label3->setObjectName(u"Label3"_s);

    m_memo1 = new QPlainTextEdit(this);
    m_memo1->setObjectName(u"Memo1"_s);
    m_memo1->setReadOnly(true);
    m_memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_memo1->setPlainText(memoLines().join(u'\n'));
    // Wide enough for the longest line, so the explanation reads as it was broken.
    const QFontMetrics fm(m_memo1->font());
    int widest = 0;
    for (const QString &line : memoLines())
        widest = qMax(widest, fm.horizontalAdvance(line));
    m_memo1->setFixedSize(widest + 40, fm.lineSpacing() * 18 + 12);

    m_okBtn = new QPushButton(u"GO！"_s, this);
    m_okBtn->setObjectName(u"OKBtn"_s);
    m_okBtn->setDefault(true);
    connect(m_okBtn, &QPushButton::clicked, this, &QDialog::accept);
    m_cancelBtn = new QPushButton(u"キャンセル(&C)"_s, this);
    m_cancelBtn->setObjectName(u"CancelBtn"_s);
    m_cancelBtn->setAutoDefault(false);
    connect(m_cancelBtn, &QPushButton::clicked, this, &QDialog::reject); // Esc rejects as well

    auto *title = new QHBoxLayout;
    title->addWidget(m_label1, 0, Qt::AlignBottom);
    title->addWidget(m_label2, 0, Qt::AlignBottom);
    title->addStretch();
    title->addWidget(m_label3, 0, Qt::AlignBottom);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_okBtn);
    buttons->addWidget(m_cancelBtn);
    auto *root = new QVBoxLayout(this);
    root->addLayout(title);
    root->addWidget(m_memo1);
    root->addLayout(buttons);
    root->setSizeConstraint(QLayout::SetFixedSize);

    move(210, 110);
}
