#include "dailyplan/DailyPlannerFirstUseDialog.h"
#include "platform/WindowPlacer.h"
#include "widgets/InstantMnemonics.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>

using namespace Qt::StringLiterals;

DailyPlannerFirstUseDialog::DailyPlannerFirstUseDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(u"dlgAubrelConfirm"_s);
    setWindowTitle(u"『デイリープラン作成』機能を使用しますか？"_s);
    setFixedSize(440, 366);

    auto *name = new QLabel(u"Aubrel"_s, this);
    QFont big = name->font();
    big.setPointSize(20);
    big.setBold(true);
    big.setItalic(true);
    name->setFont(big);
    name->move(20, 12);
    name->adjustSize();
    auto *about = new QLabel(u"について"_s, this);
    about->move(name->x() + name->width() + 6, name->y() + name->height() - about->sizeHint().height() - 4);
    about->adjustSize();
    auto *note = new QLabel(u"(初回起動時のみ表示)"_s, this);
    note->adjustSize();
    note->move(440 - 20 - note->width(), 14);

    auto *text = new QPlainTextEdit(explanation(), this);
    text->setObjectName(u"memExplanation"_s);
    text->setReadOnly(true);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text->setGeometry(20, 50, 400, 275);

    auto *cancel = new QPushButton(u"キャンセル(&C)"_s, this);
    cancel->setObjectName(u"CancelBtn"_s);
    cancel->setGeometry(215, 333, 100, 26);
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject); // Esc rejects too

    auto *ok = new QPushButton(u"GO !"_s, this);
    ok->setObjectName(u"OKBtn"_s);
    ok->setGeometry(320, 333, 100, 26);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    ok->setFocus();
    InstantMnemonics::apply(this);
}

void DailyPlannerFirstUseDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        WindowPlacer::place(this, {QPoint(210, 110), size()});
}

QString DailyPlannerFirstUseDialog::explanation()
{
    return u"登録したジョブは,通常は一つずつ順番に片付けていくことができます.\n"
           u"しかし時には,いくつかのジョブを並行して進めなければならないこともあります.\n\n"
           u"そのような場合のために『デイリープラン作成』機能(Aubrel)を用意しました.\n"
           u"頭の中に描いている一日のスケジュールを形にしたり,"
           u"仕事を始める前に毎日の計画を立てたりするのにお使いください.\n\n"
           u"[GO！] をクリックすると,本機能を使用します.\n"
           u"[キャンセル] をクリックすると,本機能を使用しません.\n\n"
           u"本機能を起動すると,次の処理を行います.\n"
           u"(1) AUBREL フォルダ内に今月のデータフォルダ"
           u"(例えば2005年12月20日であれば [Y200512])を探し,無ければ作成します.\n"
           u"(2) 現在遂行中のジョブとその件数を,ウィンドウ上部のリストに表示します.\n"
           u"(3) 本日のデータファイルが有れば,それを読み込んでウィンドウを構成します.\n\n"
           u"なお,初回起動時には,この他にもいくつかのファイルを作成します.\n"
           u"詳しくはヘルプをご覧ください.\n\n"
           u"『デイリープラン作成』機能を使用しますか？"_s;
}
