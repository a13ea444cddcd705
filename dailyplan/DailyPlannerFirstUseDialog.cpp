#include "dailyplan/DailyPlannerFirstUseDialog.h"
#include "ui_DailyPlannerFirstUseDialog.h"

#include "platform/WindowPlacer.h"
#include "widgets/InstantMnemonics.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

using namespace Qt::StringLiterals;

DailyPlannerFirstUseDialog::DailyPlannerFirstUseDialog(QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::DailyPlannerFirstUseDialog>())
{
    m_ui->setupUi(this);
    setFixedSize(size());
    // "について" sits on the baseline of the big name, the note at the right edge.
    QLabel *name = m_ui->nameLabel;
    name->adjustSize();
    QLabel *about = m_ui->aboutLabel;
    about->move(name->x() + name->width() + 6, name->y() + name->height() - about->sizeHint().height() - 4);
    about->adjustSize();
    m_ui->noteLabel->adjustSize();
    m_ui->noteLabel->move(width() - 20 - m_ui->noteLabel->width(), 14);
    m_ui->explanationEdit->setPlainText(explanation());
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &QDialog::reject); // Esc rejects too
    connect(m_ui->okButton, &QPushButton::clicked, this, &QDialog::accept);
    m_ui->okButton->setFocus();
    InstantMnemonics::apply(this);
}

DailyPlannerFirstUseDialog::~DailyPlannerFirstUseDialog() = default;

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
