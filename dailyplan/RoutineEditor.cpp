#include "dailyplan/RoutineEditor.h"

#include "dailyplan/FieldRefusal.h"
#include "dailyplan/PadTimeBoxes.h"
#include "dailyplan/PlanLayout.h"
#include "data/ListBook.h"
#include "platform/Dialogs.h"
#include "platform/Hints.h"
#include "widgets/ColorComboBox.h"
#include "widgets/ListComboBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>

using namespace Qt::StringLiterals;

namespace {

constexpr int WeekdayLeft = 212;
constexpr int WeekdayStep = 35;
constexpr int WeekdayTop = 34;
const QColor silver(192, 192, 192);

QRect weekdayRect(int day)
{
    return QRect(WeekdayLeft + day * WeekdayStep, WeekdayTop, WeekdayStep - 3, 22);
}

bool onSilver(int day)
{
    return day == 1 || day == 3 || day == 5; // Monday, Wednesday, Friday
}

} // namespace

RoutineEditor::RoutineEditor(int number, RoutineEditorHost &host, QWidget *parent)
    : PaintedPadFrame(parent), m_number(number), m_host(host)
{
    setObjectName(u"routineEditor"_s + QString::number(number));
    setFixedSize(Width, Height);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    // Tab reaches a painted editor, which then makes its boxes and passes the focus on.
}

void RoutineEditor::buildEditors()
{
    m_picture = QPixmap();
    makeBoxes();
    showRoutine(m_shown);
    setMarked(m_marked);
}

QWidget *RoutineEditor::firstBox() const
{
    return m_start.hour;
}

void RoutineEditor::makeBoxes()
{
    m_start = PadTimeBoxes::make(this, true);
    m_end = PadTimeBoxes::make(this, false);
    makeTextBoxes();
    makeShowBoxes();
    makeKeepButton();

    QWidget *previous = this;
    for (QWidget *next : std::initializer_list<QWidget *>{
             m_start.hour, m_start.minute, m_start.pm, m_end.hour, m_end.minute, m_end.pm, m_keywordBox,
             m_descriptionBox, m_colorBox, m_showBox, m_paneBox}) {
        setTabOrder(previous, next);
        previous = next;
    }
    for (QCheckBox *box : m_weekdayBoxes) {
        setTabOrder(previous, box);
        previous = box;
    }
    setTabOrder(previous, m_keepButton);
}

void RoutineEditor::makeTextBoxes()
{
    const ListBook &lists = m_host.lists();
    m_keywordBox = new ListComboBox(this);
    m_keywordBox->setObjectName(u"keywordComboBox"_s);
    m_keywordBox->setGeometry(125, 7, 115, 22);
    m_keywordBox->setMaxVisibleItems(10);
    FieldRefusal::limit(m_keywordBox->lineEdit(), RoutineRecord::KeywordCapacity);
    m_keywordBox->setSource([&lists] { return lists.entries().keywordList(); });
    Hints::set(m_keywordBox, u"キーワード|キーワードを入力するか,リストから選択します (31バイトまで)"_s);

    m_descriptionBox = new ListComboBox(this);
    m_descriptionBox->setObjectName(u"descriptionComboBox"_s);
    m_descriptionBox->setGeometry(245, 7, 170, 22);
    FieldRefusal::limit(m_descriptionBox->lineEdit(), RoutineRecord::ContentCapacity);
    m_descriptionBox->setSource([&lists] { return lists.entries().contentList(); });
    Hints::set(m_descriptionBox, u"説明|説明を入力するか,リストから選択します (63バイトまで)"_s);

    m_colorBox = new ColorComboBox(this);
    m_colorBox->setObjectName(u"colorComboBox"_s);
    m_colorBox->setGeometry(420, 7, 100, 22);
    Hints::set(m_colorBox, u"色|スケジュール・バーの色を選択します"_s);

    m_numberBox = new QLineEdit(QString::number(m_number), this);
    m_numberBox->setObjectName(u"padNumberEdit"_s);
    m_numberBox->setGeometry(525, 7, 25, 22);
    m_numberBox->setReadOnly(true);
    m_numberBox->setFocusPolicy(Qt::NoFocus);
    m_numberBox->setAlignment(Qt::AlignCenter);
    m_numberBox->setTextMargins(0, 0, 0, 0);
    Hints::set(m_numberBox, u"パッドNo.|ルーチン・パッドの番号です"_s);
}

void RoutineEditor::makeShowBoxes()
{
    m_showBox = new QCheckBox(u"表示"_s, this);
    m_showBox->setObjectName(u"shownCheckBox"_s);
    m_showBox->move(125, 36);
    m_showBox->resize(m_showBox->sizeHint());
    Hints::set(m_showBox, u"表示|[ルーチン表示]でこのルーチンを表示するときにチェックします"_s);

    m_paneBox = new QComboBox(this);
    m_paneBox->setObjectName(u"paneComboBox"_s);
    m_paneBox->addItems({u"左"_s, u"右"_s});
    m_paneBox->setGeometry(170, 34, 40, 22);
    Hints::set(m_paneBox, u"表示位置|ルーチンを表示するペイン(左/右)を選択します"_s);

    static const char16_t *const days[] = {u"日", u"月", u"火", u"水", u"木", u"金", u"土"};
    for (int d = 0; d < 7; ++d) {
        auto *box = new QCheckBox(QString::fromUtf16(days[d]), this);
        box->setObjectName(u"weekdayCheckBox"_s + QString::number(d));
        box->setGeometry(weekdayRect(d).adjusted(2, 0, 0, 0));
        Hints::set(box, u"曜日|この曜日に[ルーチン表示]で表示するときにチェックします"_s);
        m_weekdayBoxes[size_t(d)] = box;
    }
}

void RoutineEditor::makeKeepButton()
{
    m_keepButton = new QPushButton(u"一時保存"_s, this);
    m_keepButton->setObjectName(u"keepButton"_s);
    m_keepButton->setGeometry(465, 33, 55, 23);
    m_keepButton->setAutoDefault(false);
    QFont small = m_keepButton->font();
    small.setPointSize(8);
    m_keepButton->setFont(small);
    Hints::set(m_keepButton, u"一時保存|ルーチンの設定を一時保存します"_s);
    connect(m_keepButton, &QPushButton::clicked, this, &RoutineEditor::keepRoutine);

    m_markLabel = makeMarkLabel(QRect(525, 32, 25, 24));
    for (QWidget *part : {static_cast<QWidget *>(m_markLabel), static_cast<QWidget *>(m_numberBox)})
        part->installEventFilter(this);
}

void RoutineEditor::setFromRoutine(const RoutineRecord &routine)
{
    m_shown = routine;
    m_picture = QPixmap();
    if (isEditable())
        showRoutine(routine);
    update();
}

void RoutineEditor::showRoutine(const RoutineRecord &r)
{
    m_start.show({r.startHour, r.startMinute, r.startPM});
    m_end.show({r.endHour, r.endMinute, r.endPM});
    m_keywordBox->setEditText(r.keyword);
    m_keywordBox->lineEdit()->setCursorPosition(0);
    m_descriptionBox->setEditText(r.content);
    m_descriptionBox->lineEdit()->setCursorPosition(0);
    m_colorBox->setColorValue(r.barColor);
    m_showBox->setChecked(r.showFlag);
    m_paneBox->setCurrentIndex(r.padLeft == PlanLayout::LeftPaneX ? 0 : 1);
    for (int d = 0; d < 7; ++d)
        m_weekdayBoxes[size_t(d)]->setChecked(r.weekdays[size_t(d)]);
}

void RoutineEditor::setMarked(bool marked)
{
    m_marked = marked;
    if (isEditable()) {
        m_markLabel->setText(marked ? u"◆"_s : QString());
        return;
    }
    m_picture = QPixmap();
    update();
}

void RoutineEditor::focusEditor()
{
    makeEditable();
    m_keywordBox->setFocus(Qt::OtherFocusReason);
    m_keywordBox->lineEdit()->selectAll();
}

bool RoutineEditor::readForm(RoutineBook::RoutineForm *form) const
{
    if (!m_start.read(&form->start) || !m_end.read(&form->end)) {
        m_host.editorDialogs().inform(m_host.dialogParent(), PadTimeBoxes::notNumberMessage());
        return false;
    }
    form->rightPane = m_paneBox->currentIndex() == 1;
    form->keyword = m_keywordBox->currentText();
    form->description = m_descriptionBox->currentText();
    form->color = m_colorBox->colorValue();
    form->shown = m_showBox->isChecked();
    for (int d = 0; d < 7; ++d)
        form->weekdays[size_t(d)] = m_weekdayBoxes[size_t(d)]->isChecked();
    return true;
}

void RoutineEditor::keepRoutine()
{
    makeEditable();
    RoutineBook::RoutineForm form;
    if (readForm(&form))
        m_host.routineBook().keep(m_number - 1, form);
}

QPixmap RoutineEditor::pictureOf(const RoutineRecord &routine, int number, bool marked, qreal pixelRatio)
{
    makeEditable();
    showRoutine(routine);
    m_numberBox->setText(QString::number(number));
    m_markLabel->setText(marked ? u"◆"_s : QString());
    QPixmap picture(size() * pixelRatio);
    picture.setDevicePixelRatio(pixelRatio);
    picture.fill(Qt::transparent);
    render(&picture);
    return picture;
}

void RoutineEditor::paintEvent(QPaintEvent *event)
{
    if (!isEditable()) {
        if (m_picture.isNull())
            m_picture = m_host.faceStamp().pictureOf(m_shown, m_number, m_marked, devicePixelRatioF());
        QPainter painter(this);
        painter.drawPixmap(0, 0, m_picture);
        return;
    }
    {
        // The colours are painted, not given as palettes: see ColorFrame.
        QPainter painter(this);
        painter.fillRect(rect(), QApplication::palette().color(QPalette::Window));
        for (int d = 0; d < 7; ++d) {
            if (onSilver(d))
                painter.fillRect(weekdayRect(d), silver);
        }
    }
    QFrame::paintEvent(event);
}

void RoutineEditor::showMenu(const QPoint &globalPos)
{
    // Made on its first use: most editors never show it.
    if (!m_menu) {
        m_menu = new QMenu(this);
        m_menu->setObjectName(u"routineMenu"_s);
        QAction *memo = m_menu->addAction(u"メモ(&M)..."_s);
        memo->setObjectName(u"memoAction"_s);
        connect(memo, &QAction::triggered, this, [this] { emit memoRequested(m_number); });
    }
    m_menu->popup(globalPos);
}

bool RoutineEditor::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ContextMenu) {
        showMenu(static_cast<QContextMenuEvent *>(event)->globalPos());
        return true;
    }
    if (watched == m_markLabel && event->type() == QEvent::MouseButtonPress) {
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            focusEditor();
        return false;
    }
    return QFrame::eventFilter(watched, event);
}
