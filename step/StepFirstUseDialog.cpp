#include "step/StepFirstUseDialog.h"
#include "widgets/InstantMnemonics.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QStringList explanationLines()
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

} // namespace

StepFirstUseDialog::StepFirstUseDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(u"dlgConfirm"_s);
    setWindowTitle(u"『ステップ別管理』機能を使用しますか？"_s);

    auto *heading = new QLabel(u"ステップ別管理"_s, this);
    heading->setObjectName(u"Label1"_s);
    QFont headingFont = heading->font();
    headingFont.setPixelSize(20);
    headingFont.setBold(true);
    heading->setFont(headingFont);
    auto *headingSuffix = new QLabel(u"について"_s, this);
    headingSuffix->setObjectName(u"Label2"_s);
    auto *firstUseNote = new QLabel(u"(初回起動時のみ表示)"_s, this);
    firstUseNote->setObjectName(u"Label3"_s);

    auto *explanation = new QPlainTextEdit(this);
    explanation->setObjectName(u"Memo1"_s);
    explanation->setReadOnly(true);
    explanation->setLineWrapMode(QPlainTextEdit::NoWrap);
    const QStringList lines = explanationLines();
    explanation->setPlainText(lines.join(u'\n'));
    // Wide enough for the longest line, so the explanation reads as it was broken.
    const QFontMetrics fm(explanation->font());
    int widest = 0;
    for (const QString &line : lines)
        widest = qMax(widest, fm.horizontalAdvance(line));
    explanation->setFixedSize(widest + 40, fm.lineSpacing() * 18 + 12);

    auto *goButton = new QPushButton(u"GO！"_s, this);
    goButton->setObjectName(u"OKBtn"_s);
    goButton->setDefault(true);
    connect(goButton, &QPushButton::clicked, this, &QDialog::accept);
    auto *cancelButton = new QPushButton(u"キャンセル(&C)"_s, this);
    cancelButton->setObjectName(u"CancelBtn"_s);
    cancelButton->setAutoDefault(false);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject); // Esc rejects as well

    auto *title = new QHBoxLayout;
    title->addWidget(heading, 0, Qt::AlignBottom);
    title->addWidget(headingSuffix, 0, Qt::AlignBottom);
    title->addStretch();
    title->addWidget(firstUseNote, 0, Qt::AlignBottom);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(goButton);
    buttons->addWidget(cancelButton);
    auto *root = new QVBoxLayout(this);
    root->addLayout(title);
    root->addWidget(explanation);
    root->addLayout(buttons);
    root->setSizeConstraint(QLayout::SetFixedSize);

    move(210, 110);
    InstantMnemonics::apply(this);
}
