#include "dailyplan/DiaryDialog.h"
#include "ui_DiaryDialog.h"

#include "dailyplan/FieldRefusal.h"
#include "data/DayPlan.h"
#include "data/ListBook.h"
#include "data/SjisCodec.h"
#include "platform/WindowPlacer.h"
#include "widgets/InstantMnemonics.h"
#include "widgets/ListComboBox.h"
#include "widgets/SjisTextEdit.h"

#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

using namespace Qt::StringLiterals;

DiaryDialog::DiaryDialog(DayPlan &day, const ListBook &lists, QWidget *parent)
    : QDialog(parent), m_day(day), m_lists(lists), m_ui(std::make_unique<Ui::DiaryDialog>())
{
    m_ui->setupUi(this);
    setFixedSize(size());
    buildPart(0, m_ui->titleComboBox1, m_ui->diaryGroup1);
    buildPart(1, m_ui->titleComboBox2, m_ui->diaryGroup2);
    connect(m_ui->saveButton, &QPushButton::clicked, this, &DiaryDialog::saveDiary);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    m_textEdits[0]->setFocus();
    InstantMnemonics::apply(this);
}

DiaryDialog::~DiaryDialog() = default;

void DiaryDialog::buildPart(int part, ListComboBox *title, QWidget *group)
{
    const DiaryRecord &diary = m_day.diary();
    FieldRefusal::limit(title->lineEdit(), DiaryRecord::TitleCapacity);
    const QString stored = part == 0 ? diary.title1 : diary.title2;
    const QString placeholder = part == 0 ? u"タイトル1"_s : u"タイトル2"_s;
    title->setEditText(stored.isEmpty() ? placeholder : stored);
    title->lineEdit()->setCursorPosition(0);
    const ListBook &lists = m_lists;
    title->setSource(
        [&lists, part] { return part == 0 ? lists.entries().title1List() : lists.entries().title2List(); });
    m_titleBoxes[part] = title;

    // Made here: the box takes its capacity when it is made.
    auto *text = new SjisTextEdit(DiaryRecord::TextCapacity, group);
    text->setObjectName(part == 0 ? u"textEdit1"_s : u"textEdit2"_s);
    text->setGeometry(11, 46, 350, 102);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text->setAcceptedText(Sjis::fromCrLf(part == 0 ? diary.text1 : diary.text2));
    FieldRefusal::explain(text);
    m_textEdits[part] = text;
    setTabOrder(title, text);
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
