#include "dailyplan/DiaryDialog.h"

#include "dailyplan/FieldRefusal.h"
#include "data/DayPlan.h"
#include "data/ListBook.h"
#include "data/SjisCodec.h"
#include "platform/WindowPlacer.h"
#include "widgets/InstantMnemonics.h"
#include "widgets/ListComboBox.h"
#include "widgets/SjisTextEdit.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

using namespace Qt::StringLiterals;

DiaryDialog::DiaryDialog(DayPlan &day, const ListBook &lists, QWidget *parent)
    : QDialog(parent), m_day(day), m_lists(lists)
{
    setObjectName(u"dlgDiary"_s);
    setWindowTitle(u"ダイアリー・パッド"_s);
    setFixedSize(392, 366);
    buildPart(0, 6);
    buildPart(1, 164);

    auto *save = new QPushButton(u"一時保存して閉じる(&S)"_s, this);
    save->setObjectName(u"btnSaveDiary"_s);
    save->setGeometry(131, 326, 140, 28);
    connect(save, &QPushButton::clicked, this, &DiaryDialog::saveDiary);
    auto *cancel = new QPushButton(u"キャンセル(&C)"_s, this);
    cancel->setObjectName(u"btnCancelDiary"_s);
    cancel->setGeometry(281, 326, 90, 28);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    for (QPushButton *b : {save, cancel})
        b->setAutoDefault(false);
    m_textEdits[0]->setFocus();
    InstantMnemonics::apply(this);
}

void DiaryDialog::buildPart(int part, int top)
{
    const DiaryRecord &diary = m_day.diary();
    auto *group = new QGroupBox(part == 0 ? u"ダリアリー1"_s : u"ダイアリー2"_s, this);
    group->setGeometry(10, top, 372, 152);

    auto *title = new ListComboBox(group);
    title->setObjectName(part == 0 ? u"cmbTitle1"_s : u"cmbTitle2"_s);
    title->setGeometry(11, 20, 220, 24);
    FieldRefusal::limit(title->lineEdit(), DiaryRecord::TitleCapacity);
    const QString stored = part == 0 ? diary.title1 : diary.title2;
    const QString placeholder = part == 0 ? u"タイトル1"_s : u"タイトル2"_s;
    title->setEditText(stored.isEmpty() ? placeholder : stored);
    title->lineEdit()->setCursorPosition(0);
    const ListBook &lists = m_lists;
    title->setSource(
        [&lists, part] { return part == 0 ? lists.entries().title1List() : lists.entries().title2List(); });
    m_titleBoxes[part] = title;

    auto *text = new SjisTextEdit(DiaryRecord::TextCapacity, group);
    text->setObjectName(part == 0 ? u"memContent1"_s : u"memContent2"_s);
    text->setGeometry(11, 46, 350, 102);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text->setAcceptedText(Sjis::fromCrLf(part == 0 ? diary.text1 : diary.text2));
    FieldRefusal::explain(text);
    m_textEdits[part] = text;
}

void DiaryDialog::saveDiary()
{
    const auto title = [this](int part) {
        return Sjis::fitToField(m_titleBoxes[part]->currentText(), DiaryRecord::TitleCapacity);
    };
    const auto text = [this](int part) {
        return Sjis::fitToField(Sjis::toCrLf(m_textEdits[part]->toPlainText()), DiaryRecord::TextCapacity);
    };
    m_day.setDiary({title(0), text(0), title(1), text(1)});
    accept();
}

void DiaryDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        WindowPlacer::place(this, {QPoint(262, 62), size()});
}
