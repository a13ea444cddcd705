#include "dailyplan/SchedulePad.h"

#include "data/DailyPlanState.h"
#include "platform/Dialogs.h"
#include "platform/Hints.h"
#include "widgets/ColorComboBox.h"
#include "widgets/ListComboBox.h"
#include "widgets/SjisLimitValidator.h"

#include <QAction>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

const QString keywordPlaceholder = u"キーワード"_s;
const QString contentPlaceholder = u"説明"_s;

QString orderMessageSave()
{
    return u"終了時刻が開始時刻より早い,あるいは同時刻に設定されています.\r\n設定の一時保存は実行されませんでした.\r\n\r\n時刻を再設定してください."_s;
}

QString orderMessageRevise()
{
    return u"終了時刻が開始時刻より早い,あるいは同時刻に設定されています.\r\n前回保存したデータが有れば,設定を値に戻します(時刻データのみ).\r\n\r\n時刻を再設定してください."_s;
}

QString notNumberMessage()
{
    return u"時刻の欄に数字以外の文字が入力されています.\r\n設定は変更されませんでした.\r\n\r\n時刻を再設定してください."_s;
}

QString startLimitMessage()
{
    return u"設定可能時刻は 当日 AM6:00 から翌日 AM5:59 までです.\r\n開始時刻を AM6:00 より前に設定することはできません.\r\n\r\n開始時刻を AM6:00 に設定します."_s;
}

QString endLimitMessage()
{
    return u"設定可能時刻は 当日 AM6:00 から翌日 AM5:59 までです.\r\n終了時刻を AM5:59 より後に設定することはできません.\r\n\r\n終了時刻を AM5:59 に設定します."_s;
}

bool parseWhole(const QString &text, int *value)
{
    bool ok = false;
    *value = text.trimmed().toInt(&ok);
    return ok;
}

} // namespace

SchedulePad::SchedulePad(int number, SchedulePadHost &host, QWidget *parent)
    : QFrame(parent), m_number(number), m_host(host)
{
    setObjectName(u"SchedPadFrame"_s + QString::number(number));
    setFixedSize(Width, Height);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);

    buildTimeGroup(3, &m_cmbStartHour, &m_speStartMinute, &m_chbStartPM);
    buildTimeGroup(30, &m_cmbEndHour, &m_speEndMinute, &m_chbEndPM);
    addLabel(u"開"_s, 5, 4, 8);
    addLabel(u"始"_s, 5, 15, 8);
    addLabel(u"終"_s, 5, 31, 8);
    addLabel(u"了"_s, 5, 42, 8);
    m_cmbStartHour->setObjectName(u"cmbStartHour"_s);
    m_speStartMinute->setObjectName(u"speStartMinute"_s);
    m_chbStartPM->setObjectName(u"chbStartPM"_s);
    m_cmbEndHour->setObjectName(u"cmbEndHour"_s);
    m_speEndMinute->setObjectName(u"speEndMinute"_s);
    m_chbEndPM->setObjectName(u"chbEndPM"_s);
    Hints::set(m_cmbStartHour, u"開始時|開始時刻の「時」(0～11)を設定します"_s);
    Hints::set(m_speStartMinute, u"開始分|開始時刻の「分」を設定します"_s);
    Hints::set(m_chbStartPM, u"午後|開始時刻が午後のときにチェックします (0時+PM = 正午)"_s);
    Hints::set(m_cmbEndHour, u"終了時|終了時刻の「時」(0～11)を設定します"_s);
    Hints::set(m_speEndMinute, u"終了分|終了時刻の「分」を設定します"_s);
    Hints::set(m_chbEndPM, u"午後|終了時刻が午後のときにチェックします (0時+PM = 正午)"_s);

    m_bitMoveUp = new QToolButton(this);
    m_bitMoveUp->setObjectName(u"bitMoveUp"_s);
    m_bitMoveUp->setArrowType(Qt::UpArrow);
    m_bitMoveUp->setGeometry(120, 3, 20, 24);
    Hints::set(m_bitMoveUp, u"上へ|パッドを5分ぶん上へ移動します"_s);
    connect(m_bitMoveUp, &QToolButton::clicked, this, &SchedulePad::moveUp);

    m_pnlPMenu = new QLabel(this);
    m_pnlPMenu->setObjectName(u"pnlPMenu"_s);
    m_pnlPMenu->setGeometry(120, 27, 20, 26);
    m_pnlPMenu->setAlignment(Qt::AlignCenter);
    m_pnlPMenu->setAutoFillBackground(true);
    m_pnlPMenu->setFrameShape(QFrame::Panel);
    m_pnlPMenu->setFrameShadow(QFrame::Sunken);
    QPalette white = m_pnlPMenu->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    m_pnlPMenu->setPalette(white);
    Hints::set(m_pnlPMenu, u"メニュー|右クリックでメニューを表示します"_s);

    m_bitMoveDown = new QToolButton(this);
    m_bitMoveDown->setObjectName(u"bitMoveDown"_s);
    m_bitMoveDown->setArrowType(Qt::DownArrow);
    m_bitMoveDown->setGeometry(120, 53, 20, 24);
    Hints::set(m_bitMoveDown, u"下へ|パッドを5分ぶん下へ移動します"_s);
    connect(m_bitMoveDown, &QToolButton::clicked, this, &SchedulePad::moveDown);

    DailyPlanState &state = m_host.planState();
    m_cmbKeyword = new ListComboBox(this);
    m_cmbKeyword->setObjectName(u"cmbKeyword"_s);
    m_cmbKeyword->setGeometry(145, 5, 115, 21);
    m_cmbKeyword->setValidator(new SjisLimitValidator(SchedulePadRecord::KeywordCapacity, m_cmbKeyword));
    m_cmbKeyword->setMaxVisibleItems(10);
    m_cmbKeyword->setEditText(keywordPlaceholder);
    m_cmbKeyword->setSource([&state] { return state.listEntries.keywordList(); });
    Hints::set(m_cmbKeyword, u"キーワード|キーワードを入力するか,リストから選択します (31バイトまで)"_s);

    m_edtPadNo = new QLineEdit(QString::number(number), this);
    m_edtPadNo->setObjectName(u"edtPadNo"_s);
    m_edtPadNo->setGeometry(264, 5, 25, 21);
    m_edtPadNo->setReadOnly(true);
    m_edtPadNo->setFocusPolicy(Qt::NoFocus);
    m_edtPadNo->setAlignment(Qt::AlignCenter);
    m_edtPadNo->setTextMargins(0, 0, 0, 0);
    Hints::set(m_edtPadNo, u"パッドNo.|スケジュール・パッドの番号です"_s);

    m_cmbContent = new ListComboBox(this);
    m_cmbContent->setObjectName(u"cmbContent"_s);
    m_cmbContent->setGeometry(145, 29, 145, 21);
    m_cmbContent->setValidator(new SjisLimitValidator(SchedulePadRecord::ContentCapacity, m_cmbContent));
    m_cmbContent->setEditText(contentPlaceholder);
    m_cmbContent->setSource([&state] { return state.listEntries.contentList(); });
    Hints::set(m_cmbContent, u"説明|説明を入力するか,リストから選択します (63バイトまで)"_s);

    m_chbCompleted = new QCheckBox(u"完了"_s, this);
    m_chbCompleted->setObjectName(u"chbCompleted"_s);
    m_chbCompleted->setGeometry(145, 54, 45, 18);
    Hints::set(m_chbCompleted, u"完了|この項目が済んだらチェックします"_s);

    m_colorBox = new ColorComboBox(this);
    m_colorBox->setObjectName(u"ColorBox"_s);
    m_colorBox->setGeometry(190, 52, 100, 22);
    Hints::set(m_colorBox, u"色|スケジュール・バーの色を選択します"_s);

    m_btnSave = new QPushButton(u"一時保存"_s, this);
    m_btnSave->setObjectName(u"btnSave"_s);
    m_btnSave->setGeometry(3, 57, 60, 20);
    Hints::set(m_btnSave, u"一時保存|パッドの設定を一時保存し,スケジュール・バーを表示します"_s);
    connect(m_btnSave, &QPushButton::clicked, this, &SchedulePad::btnSaveClick);

    m_btnRevise = new QPushButton(u"変更"_s, this);
    m_btnRevise->setObjectName(u"btnRevise"_s);
    m_btnRevise->setGeometry(65, 57, 55, 20);
    Hints::set(m_btnRevise, u"変更|一時保存したパッドの設定を変更します"_s);
    connect(m_btnRevise, &QPushButton::clicked, this, &SchedulePad::btnReviseClick);

    for (QPushButton *b : {m_btnSave, m_btnRevise}) {
        b->setAutoDefault(false);
        QFont f = b->font();
        f.setPointSize(8);
        b->setFont(f);
    }

    m_pumPadFrame = new QMenu(this);
    m_pumPadFrame->setObjectName(u"pumPadFrame"_s);
    QAction *memo = m_pumPadFrame->addAction(u"メモ(&M)..."_s);
    memo->setObjectName(u"pmiMemo"_s);
    connect(memo, &QAction::triggered, this, [this] { emit memoRequested(m_number); });
    m_pumPadFrame->addSeparator();
    if (QAction *entry = m_host.routineEntryAction())
        m_pumPadFrame->addAction(entry); // pmiRoutineEntry
    for (QWidget *w : {static_cast<QWidget *>(m_pnlPMenu), static_cast<QWidget *>(m_edtPadNo),
                       static_cast<QWidget *>(m_bitMoveUp), static_cast<QWidget *>(m_bitMoveDown)})
        w->installEventFilter(this);

    setTabOrder(m_cmbStartHour, m_speStartMinute);
    setTabOrder(m_speStartMinute, m_chbStartPM);
    setTabOrder(m_chbStartPM, m_cmbEndHour);
    setTabOrder(m_cmbEndHour, m_speEndMinute);
    setTabOrder(m_speEndMinute, m_chbEndPM);
    setTabOrder(m_chbEndPM, m_cmbKeyword);
    setTabOrder(m_cmbKeyword, m_cmbContent);
    setTabOrder(m_cmbContent, m_chbCompleted);
    setTabOrder(m_chbCompleted, m_colorBox);
    setTabOrder(m_colorBox, m_btnSave);
    setTabOrder(m_btnSave, m_btnRevise);
}

QLabel *SchedulePad::addLabel(const QString &text, int x, int y, int pointSize)
{
    auto *label = new QLabel(text, this);
    QFont f = label->font();
    f.setPointSize(pointSize);
    label->setFont(f);
    label->move(x, y);
    label->adjustSize();
    return label;
}

void SchedulePad::buildTimeGroup(int y, QComboBox **hour, QSpinBox **minute, QCheckBox **pm)
{
    const int gx = 3;
    auto *h = new QComboBox(this);
    h->setEditable(true);
    h->setInsertPolicy(QComboBox::NoInsert);
    for (int i = 0; i <= 11; ++i)
        h->addItem(QString::number(i));
    h->setMaxVisibleItems(12);
    h->setGeometry(gx + 17, y + 1, 38, 22);
    h->setAttribute(Qt::WA_InputMethodEnabled, false);
    h->lineEdit()->setAttribute(Qt::WA_InputMethodEnabled, false);
    h->lineEdit()->setTextMargins(0, 0, 0, 0);
    QFont small = h->font();
    small.setPointSize(8);
    h->setFont(small); // two digits must fit beside the arrow
    *hour = h;

    addLabel(u":"_s, gx + 56, y + 4, 9);

    auto *m = new QSpinBox(this);
    m->setRange(-1, 60);
    m->setGeometry(gx + 60, y + 1, 37, 22);
    m->setAttribute(Qt::WA_InputMethodEnabled, false);
    m->setFont(small);
    // The minute wraps without carrying into the hour.
    connect(m, &QSpinBox::valueChanged, m, [m](int v) {
        if (v == 60)
            m->setValue(0);
        else if (v == -1)
            m->setValue(59);
    });
    *minute = m;

    addLabel(u"PM"_s, gx + 99, y - 2, 7);
    auto *p = new QCheckBox(this);
    p->move(gx + 100, y + 9);
    p->resize(p->sizeHint());
    *pm = p;
}

void SchedulePad::setFromRecord(const SchedulePadRecord &record)
{
    m_cmbKeyword->setEditText(record.keyword.isEmpty() ? keywordPlaceholder : record.keyword);
    m_cmbContent->setEditText(record.content.isEmpty() ? contentPlaceholder : record.content);
    m_chbCompleted->setChecked(record.completed);
    m_colorBox->setColorValue(record.barColor);
    showTimes(record);
}

void SchedulePad::showTimes(const SchedulePadRecord &r)
{
    m_cmbStartHour->setEditText(QString::number(r.startHour));
    m_speStartMinute->setValue(r.startMinute);
    m_chbStartPM->setChecked(r.startPM);
    m_cmbEndHour->setEditText(QString::number(r.endHour));
    m_speEndMinute->setValue(r.endMinute);
    m_chbEndPM->setChecked(r.endPM);
}

void SchedulePad::setTimes(const TimeAxis::ClockTime &start, const TimeAxis::ClockTime &end)
{
    m_cmbStartHour->setEditText(QString::number(start.hour));
    m_speStartMinute->setValue(start.minute);
    m_chbStartPM->setChecked(start.pm);
    m_cmbEndHour->setEditText(QString::number(end.hour));
    m_speEndMinute->setValue(end.minute);
    m_chbEndPM->setChecked(end.pm);
}

void SchedulePad::setSaved(bool saved)
{
    m_btnSave->setEnabled(!saved);
    m_btnRevise->setEnabled(saved);
}

void SchedulePad::setColorValue(qint32 value)
{
    m_colorBox->setColorValue(value);
}

void SchedulePad::setMarked(bool marked)
{
    m_pnlPMenu->setText(marked ? u"◆"_s : QString());
}

bool SchedulePad::isMarked() const
{
    return !m_pnlPMenu->text().isEmpty();
}

void SchedulePad::focusPad()
{
    m_cmbKeyword->setFocus(Qt::OtherFocusReason);
    m_cmbKeyword->lineEdit()->selectAll();
}

bool SchedulePad::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ContextMenu) {
        m_pumPadFrame->popup(static_cast<QContextMenuEvent *>(event)->globalPos());
        return true;
    }
    if (watched == m_pnlPMenu && event->type() == QEvent::MouseButtonPress) {
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            focusPad();
        return false;
    }
    return QFrame::eventFilter(watched, event);
}

void SchedulePad::moveUp()
{
    moveBy(-MoveStep);
}

void SchedulePad::moveDown()
{
    moveBy(MoveStep);
}

void SchedulePad::moveBy(int dy)
{
    move(x(), y() + dy);
    // The pointer travels with the pad so that it stays on the button.
    QCursor::setPos(QCursor::pos() + QPoint(0, dy));
}

bool SchedulePad::readTimes(Times *t)
{
    if (parseWhole(m_cmbStartHour->currentText(), &t->startHour) &&
        parseWhole(m_speStartMinute->text(), &t->startMinute) &&
        parseWhole(m_cmbEndHour->currentText(), &t->endHour) &&
        parseWhole(m_speEndMinute->text(), &t->endMinute))
        return true;
    m_host.padDialogs().inform(m_host.dialogParent(), notNumberMessage());
    return false;
}

void SchedulePad::readIntoRecord(const Times &t)
{
    DailyPlanState &s = m_host.planState();
    SchedulePadRecord &r = s.workingPads[m_number - 1];
    r.padNo = m_number;
    r.padLeft = x();
    r.padTop = y();
    r.keyword = m_cmbKeyword->currentText();
    r.content = m_cmbContent->currentText();
    r.completed = m_chbCompleted->isChecked();
    r.barColor = m_colorBox->colorValue();
    r.startHour = t.startHour;
    r.startMinute = t.startMinute;
    r.startPM = m_chbStartPM->isChecked();
    r.endHour = t.endHour;
    r.endMinute = t.endMinute;
    r.endPM = m_chbEndPM->isChecked();
    ScheduleBar &b = s.workingBars[m_number - 1];
    b.startRow = TimeAxis::timeToRow(r.startHour, r.startPM, r.startMinute);
    b.endRow = TimeAxis::timeToRow(r.endHour, r.endPM, r.endMinute);
}

void SchedulePad::applyAxisLimits()
{
    DailyPlanState &s = m_host.planState();
    SchedulePadRecord &r = s.workingPads[m_number - 1];
    ScheduleBar &b = s.workingBars[m_number - 1];
    if (b.startRow < 0) {
        m_host.padDialogs().inform(m_host.dialogParent(), startLimitMessage());
        r.startHour = 6;
        r.startMinute = 0;
        r.startPM = false;
        m_cmbStartHour->setEditText(u"6"_s);
        m_speStartMinute->setValue(0);
        m_chbStartPM->setChecked(false);
        b.startRow = 0;
    }
    if (b.endRow > TimeAxis::Rows) {
        m_host.padDialogs().inform(m_host.dialogParent(), endLimitMessage());
        r.endHour = 5;
        r.endMinute = 59;
        r.endPM = false;
        m_cmbEndHour->setEditText(u"5"_s);
        m_speEndMinute->setValue(59);
        m_chbEndPM->setChecked(false);
        b.endRow = TimeAxis::LastRow;
    }
}

void SchedulePad::btnSaveClick()
{
    Times t;
    if (!readTimes(&t))
        return;
    readIntoRecord(t);
    DailyPlanState &s = m_host.planState();
    SchedulePadRecord &r = s.workingPads[m_number - 1];
    ScheduleBar &b = s.workingBars[m_number - 1];
    if (b.startRow >= b.endRow) {
        m_host.padDialogs().inform(m_host.dialogParent(), orderMessageSave());
        r.startHour = r.startMinute = r.endHour = r.endMinute = -1;
        r.startPM = r.endPM = false;
        b = ScheduleBar::unused();
        m_host.paintBars();
        return;
    }
    applyAxisLimits();
    b.side = r.padLeft <= 300 ? u"L"_s : u"R"_s;
    b.barColor = r.barColor;
    m_host.paintBars();
    move(x(), b.startRow + 1);
    r.padTop = y();
    setSaved(true);
    m_host.playShutter();
}

void SchedulePad::btnReviseClick()
{
    Times t;
    if (!readTimes(&t))
        return;
    DailyPlanState &s = m_host.planState();
    ScheduleBar &b = s.workingBars[m_number - 1];
    b = ScheduleBar::unused(0x00FFFFFF);
    m_host.paintBars();
    readIntoRecord(t);
    SchedulePadRecord &r = s.workingPads[m_number - 1];
    if (b.startRow < b.endRow) {
        applyAxisLimits();
        b.side = r.padLeft <= 300 ? u"L"_s : u"R"_s;
        b.barColor = r.barColor;
        m_host.paintBars();
        m_host.playShutter();
        return;
    }
    m_host.padDialogs().inform(m_host.dialogParent(), orderMessageRevise());
    const SchedulePadRecord &saved = s.dayImage.pads[m_number - 1];
    if (saved.hasTimes()) {
        r.startHour = saved.startHour;
        r.startMinute = saved.startMinute;
        r.startPM = saved.startPM;
        r.endHour = saved.endHour;
        r.endMinute = saved.endMinute;
        r.endPM = saved.endPM;
        showTimes(r);
        b = s.dayImage.bars[m_number - 1];
    } else {
        // Rows read from the rejected times would be drawn; the bar stays unused.
        b = ScheduleBar::unused(0x00FFFFFF);
    }
    m_host.paintBars();
}
