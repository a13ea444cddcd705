#include "dailyplan/SchedulePad.h"

#include "dailyplan/FieldRefusal.h"
#include "dailyplan/PadLayout.h"
#include "dailyplan/PadTimeBoxes.h"
#include "data/ListBook.h"
#include "platform/Dialogs.h"
#include "platform/Hints.h"
#include "widgets/ColorComboBox.h"
#include "widgets/FixedColours.h"
#include "widgets/ListComboBox.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QStyleOptionFrame>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

const QString keywordPlaceholder = u"キーワード"_s;
const QString descriptionPlaceholder = u"説明"_s;

QString orderMessageKeep()
{
    return u"終了時刻が開始時刻より早い,あるいは同時刻に設定されています.\r\n設定の一時保存は実行されませんでした.\r\n\r\n時刻を再設定してください."_s;
}

QString orderMessageRevise()
{
    return u"終了時刻が開始時刻より早い,あるいは同時刻に設定されています.\r\n前回保存したデータが有れば,設定を値に戻します(時刻データのみ).\r\n\r\n時刻を再設定してください."_s;
}

QString startLimitMessage()
{
    return u"設定可能時刻は 当日 AM6:00 から翌日 AM5:59 までです.\r\n開始時刻を AM6:00 より前に設定することはできません.\r\n\r\n開始時刻を AM6:00 に設定します."_s;
}

QString endLimitMessage()
{
    return u"設定可能時刻は 当日 AM6:00 から翌日 AM5:59 までです.\r\n終了時刻を AM5:59 より後に設定することはできません.\r\n\r\n終了時刻を AM5:59 に設定します."_s;
}

} // namespace

SchedulePad::SchedulePad(int number, SchedulePadHost &host, QWidget *parent)
    : PaintedPadFrame(parent), m_number(number), m_host(host)
{
    setObjectName(u"schedulePad"_s + QString::number(number));
    setFixedSize(Width, Height);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    // It paints all of itself: the plan need not paint what it covers.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Tab reaches a painted pad, which then makes its boxes and passes the focus on.
    m_face.keyword = keywordPlaceholder;
    m_face.description = descriptionPlaceholder;
}

void SchedulePad::buildEditors()
{
    makeBoxes();
    // Labels and check boxes lie on the white pad: black whatever the theme, as painted.
    for (QWidget *part : findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (part != m_markLabel && (qobject_cast<QLabel *>(part) || qobject_cast<QCheckBox *>(part)))
            FixedColours::setText(part);
    }
    // The boxes take over what the painted pad showed.
    showStart({m_face.startHour.toInt(), m_face.startMinute, m_face.startPm});
    m_start.hour->setEditText(m_face.startHour);
    showEnd({m_face.endHour.toInt(), m_face.endMinute, m_face.endPm});
    m_end.hour->setEditText(m_face.endHour);
    m_keywordBox->setEditText(m_face.keyword);
    m_keywordBox->lineEdit()->setCursorPosition(0);
    m_descriptionBox->setEditText(m_face.description);
    m_descriptionBox->lineEdit()->setCursorPosition(0);
    m_completedBox->setChecked(m_face.completed);
    m_colorBox->setColorValue(m_face.color);
    setKept(m_face.kept);
    setMarked(m_face.marked);
}

QWidget *SchedulePad::firstBox() const
{
    return m_start.hour;
}

void SchedulePad::makeBoxes()
{
    m_start = PadTimeBoxes::make(this, true);
    m_end = PadTimeBoxes::make(this, false);

    makeMoveButtons();
    makeTextBoxes();
    makeButtons();
    makeMenu();
    setTabOrder(this, m_start.hour);
    setTabOrder(m_start.hour, m_start.minute);
    setTabOrder(m_start.minute, m_start.pm);
    setTabOrder(m_start.pm, m_end.hour);
    setTabOrder(m_end.hour, m_end.minute);
    setTabOrder(m_end.minute, m_end.pm);
    setTabOrder(m_end.pm, m_keywordBox);
    setTabOrder(m_keywordBox, m_descriptionBox);
    setTabOrder(m_descriptionBox, m_completedBox);
    setTabOrder(m_completedBox, m_colorBox);
    setTabOrder(m_colorBox, m_keepButton);
    setTabOrder(m_keepButton, m_reviseButton);
}

void SchedulePad::makeMoveButtons()
{
    m_moveUpButton = new QToolButton(this);
    m_moveUpButton->setObjectName(u"moveUpButton"_s);
    m_moveUpButton->setArrowType(Qt::UpArrow);
    m_moveUpButton->setGeometry(PadLayout::moveUpButton);
    Hints::set(m_moveUpButton, u"上へ|パッドを5分ぶん上へ移動します"_s);
    connect(m_moveUpButton, &QToolButton::clicked, this, &SchedulePad::moveUp);

    m_markLabel = makeMarkLabel(PadLayout::markLabel);

    m_moveDownButton = new QToolButton(this);
    m_moveDownButton->setObjectName(u"moveDownButton"_s);
    m_moveDownButton->setArrowType(Qt::DownArrow);
    m_moveDownButton->setGeometry(PadLayout::moveDownButton);
    Hints::set(m_moveDownButton, u"下へ|パッドを5分ぶん下へ移動します"_s);
    connect(m_moveDownButton, &QToolButton::clicked, this, &SchedulePad::moveDown);
}

void SchedulePad::makeTextBoxes()
{
    const ListBook &lists = m_host.lists();
    m_keywordBox = new ListComboBox(this);
    m_keywordBox->setObjectName(u"keywordComboBox"_s);
    m_keywordBox->setGeometry(PadLayout::keywordBox);
    FieldRefusal::limit(m_keywordBox->lineEdit(), SchedulePadRecord::KeywordCapacity);
    m_keywordBox->setMaxVisibleItems(10);
    m_keywordBox->setEditText(keywordPlaceholder);
    m_keywordBox->setSource([&lists] { return lists.entries().keywordList(); });
    Hints::set(m_keywordBox, u"キーワード|キーワードを入力するか,リストから選択します (31バイトまで)"_s);

    m_numberBox = new QLineEdit(QString::number(m_number), this);
    m_numberBox->setObjectName(u"padNumberEdit"_s);
    m_numberBox->setGeometry(PadLayout::numberBox);
    m_numberBox->setReadOnly(true);
    m_numberBox->setFocusPolicy(Qt::NoFocus);
    m_numberBox->setAlignment(Qt::AlignCenter);
    m_numberBox->setTextMargins(0, 0, 0, 0);
    Hints::set(m_numberBox, u"パッドNo.|スケジュール・パッドの番号です"_s);

    m_descriptionBox = new ListComboBox(this);
    m_descriptionBox->setObjectName(u"descriptionComboBox"_s);
    m_descriptionBox->setGeometry(PadLayout::descriptionBox);
    FieldRefusal::limit(m_descriptionBox->lineEdit(), SchedulePadRecord::ContentCapacity);
    m_descriptionBox->setEditText(descriptionPlaceholder);
    m_descriptionBox->setSource([&lists] { return lists.entries().contentList(); });
    Hints::set(m_descriptionBox, u"説明|説明を入力するか,リストから選択します (63バイトまで)"_s);

    m_completedBox = new QCheckBox(u"完了"_s, this);
    m_completedBox->setObjectName(u"completedCheckBox"_s);
    m_completedBox->setGeometry(PadLayout::completedBox);
    Hints::set(m_completedBox, u"完了|この項目が済んだらチェックします"_s);

    m_colorBox = new ColorComboBox(this);
    m_colorBox->setObjectName(u"colorComboBox"_s);
    m_colorBox->setGeometry(PadLayout::colorBox);
    Hints::set(m_colorBox, u"色|スケジュール・バーの色を選択します"_s);
}

void SchedulePad::makeButtons()
{
    m_keepButton = new QPushButton(u"一時保存"_s, this);
    m_keepButton->setObjectName(u"keepButton"_s);
    m_keepButton->setGeometry(PadLayout::keepButton);
    Hints::set(m_keepButton, u"一時保存|パッドの設定を一時保存し,スケジュール・バーを表示します"_s);
    connect(m_keepButton, &QPushButton::clicked, this, &SchedulePad::keepPad);

    m_reviseButton = new QPushButton(u"変更"_s, this);
    m_reviseButton->setObjectName(u"reviseButton"_s);
    m_reviseButton->setGeometry(PadLayout::reviseButton);
    Hints::set(m_reviseButton, u"変更|一時保存したパッドの設定を変更します"_s);
    connect(m_reviseButton, &QPushButton::clicked, this, &SchedulePad::revisePad);

    for (QPushButton *button : {m_keepButton, m_reviseButton}) {
        button->setAutoDefault(false);
        QFont small = button->font();
        small.setPointSize(PadLayout::SmallPointSize);
        button->setFont(small);
    }
}

void SchedulePad::makeMenu()
{
    m_padMenu = new QMenu(this);
    m_padMenu->setObjectName(u"padMenu"_s);
    QAction *memoAction = m_padMenu->addAction(u"メモ(&M)..."_s);
    memoAction->setObjectName(u"memoAction"_s);
    connect(memoAction, &QAction::triggered, this, [this] { emit memoRequested(m_number); });
    m_padMenu->addSeparator();
    if (QAction *routineEntry = m_host.routineEntryAction())
        m_padMenu->addAction(routineEntry);
    // A right click on these opens the pad's menu; the boxes keep their own.
    for (QWidget *part : {static_cast<QWidget *>(m_markLabel), static_cast<QWidget *>(m_numberBox),
                          static_cast<QWidget *>(m_moveUpButton), static_cast<QWidget *>(m_moveDownButton)})
        part->installEventFilter(this);
}

void SchedulePad::setFromRecord(const SchedulePadRecord &record)
{
    const QString keyword = record.keyword.isEmpty() ? keywordPlaceholder : record.keyword;
    const QString description = record.content.isEmpty() ? descriptionPlaceholder : record.content;
    if (isEditable()) {
        m_keywordBox->setEditText(keyword);
        m_keywordBox->lineEdit()->setCursorPosition(0);
        m_descriptionBox->setEditText(description);
        m_descriptionBox->lineEdit()->setCursorPosition(0);
        m_completedBox->setChecked(record.completed);
        m_colorBox->setColorValue(record.barColor);
    } else {
        m_face.keyword = keyword;
        m_face.description = description;
        m_face.completed = record.completed;
        m_face.color = record.barColor;
        update();
    }
    showTimes(record);
}

void SchedulePad::showTimes(const SchedulePadRecord &record)
{
    setTimes(record.start(), record.end());
}

void SchedulePad::setTimes(const TimeAxis::ClockTime &start, const TimeAxis::ClockTime &end)
{
    showStart(start);
    showEnd(end);
}

void SchedulePad::showStart(const TimeAxis::ClockTime &time)
{
    if (!isEditable()) {
        m_face.startHour = QString::number(time.hour);
        m_face.startMinute = PadTimeBoxes::shownMinute(time.minute);
        m_face.startPm = time.pm;
        update();
        return;
    }
    m_start.show(time);
}

void SchedulePad::showEnd(const TimeAxis::ClockTime &time)
{
    if (!isEditable()) {
        m_face.endHour = QString::number(time.hour);
        m_face.endMinute = PadTimeBoxes::shownMinute(time.minute);
        m_face.endPm = time.pm;
        update();
        return;
    }
    m_end.show(time);
}

void SchedulePad::setKept(bool kept)
{
    m_face.kept = kept;
    if (!isEditable()) {
        update();
        return;
    }
    m_keepButton->setEnabled(!kept);
    m_reviseButton->setEnabled(kept);
}

void SchedulePad::setColorValue(qint32 value)
{
    if (!isEditable()) {
        m_face.color = value;
        update();
        return;
    }
    m_colorBox->setColorValue(value);
}

void SchedulePad::setMarked(bool marked)
{
    m_face.marked = marked;
    if (!isEditable()) {
        update();
        return;
    }
    m_markLabel->setText(marked ? u"◆"_s : QString());
}

bool SchedulePad::isMarked() const
{
    return isEditable() ? !m_markLabel->text().isEmpty() : m_face.marked;
}

void SchedulePad::focusPad()
{
    makeEditable();
    m_keywordBox->setFocus(Qt::OtherFocusReason);
    m_keywordBox->lineEdit()->selectAll();
}

bool SchedulePad::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ContextMenu) {
        // The menu acts on the pad it was opened on, whichever pad had the focus.
        focusPad();
        m_host.dayPlan().selectPad(m_number - 1);
        m_padMenu->popup(static_cast<QContextMenuEvent *>(event)->globalPos());
        return true;
    }
    if (watched == m_markLabel && event->type() == QEvent::MouseButtonPress) {
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            focusPad();
        return false;
    }
    return QFrame::eventFilter(watched, event);
}

void SchedulePad::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    if (!isEditable()) {
        // The face's picture covers the whole pad, its frame too.
        QStyleOptionFrame frame;
        initStyleOption(&frame);
        m_face.paint(painter, this, frame, m_number);
        return;
    }
    // White as the plan it lies on; painted, not a palette, so that every pad and its boxes share
    // the application's palette and with it the style's cached pictures.
    painter.fillRect(rect(), Qt::white);
    painter.end();
    QFrame::paintEvent(event);
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

bool SchedulePad::readForm(DayPlan::PadForm *form) const
{
    if (!m_start.read(&form->start) || !m_end.read(&form->end)) {
        m_host.padDialogs().inform(m_host.dialogParent(), PadTimeBoxes::notNumberMessage());
        return false;
    }
    form->left = x();
    form->top = y();
    form->keyword = m_keywordBox->currentText();
    form->description = m_descriptionBox->currentText();
    form->completed = m_completedBox->isChecked();
    form->color = m_colorBox->colorValue();
    return true;
}

const SchedulePadRecord &SchedulePad::workingRecord() const
{
    return m_host.dayPlan().pad(m_number - 1);
}

void SchedulePad::showClamping(const DayPlan::PadOutcome &outcome)
{
    if (outcome.startClamped) {
        m_host.padDialogs().inform(m_host.dialogParent(), startLimitMessage());
        showStart(workingRecord().start());
    }
    if (outcome.endClamped) {
        m_host.padDialogs().inform(m_host.dialogParent(), endLimitMessage());
        showEnd(workingRecord().end());
    }
}

void SchedulePad::keepPad()
{
    makeEditable();
    DayPlan::PadForm form;
    if (!readForm(&form))
        return;
    const DayPlan::PadOutcome outcome = m_host.dayPlan().keepPad(m_number - 1, form);
    if (outcome.outOfOrder) {
        m_host.padDialogs().inform(m_host.dialogParent(), orderMessageKeep());
        m_host.paintBars();
        return;
    }
    showClamping(outcome);
    m_host.paintBars();
    move(x(), workingRecord().padTop);
    setKept(true);
    m_host.playShutter();
}

void SchedulePad::revisePad()
{
    makeEditable();
    DayPlan::PadForm form;
    if (!readForm(&form))
        return;
    DayPlan &day = m_host.dayPlan();
    // The old bar goes from the column while the user reads the messages.
    day.withdrawBar(m_number - 1);
    m_host.paintBars();
    const DayPlan::PadOutcome outcome = day.revisePad(m_number - 1, form);
    if (!outcome.outOfOrder) {
        showClamping(outcome);
        m_host.paintBars();
        m_host.playShutter();
        return;
    }
    m_host.padDialogs().inform(m_host.dialogParent(), orderMessageRevise());
    if (outcome.timesRestored)
        showTimes(workingRecord());
    m_host.paintBars();
}
