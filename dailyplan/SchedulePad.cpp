#include "dailyplan/SchedulePad.h"

#include "dailyplan/FieldRefusal.h"
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
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOption>
#include <QToolButton>
#include <qdrawutil.h>

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

TimeAxis::ClockTime startOf(const SchedulePadRecord &r)
{
    return {r.startHour, r.startMinute, r.startPM};
}

TimeAxis::ClockTime endOf(const SchedulePadRecord &r)
{
    return {r.endHour, r.endMinute, r.endPM};
}

} // namespace

SchedulePad::SchedulePad(int number, SchedulePadHost &host, QWidget *parent)
    : PaintedPadFrame(parent), m_number(number), m_host(host)
{
    setObjectName(u"SchedPadFrame"_s + QString::number(number));
    setFixedSize(Width, Height);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
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
    m_start = PadTimeBoxes::make(this, 3, true);
    m_end = PadTimeBoxes::make(this, 30, false);

    m_moveUpButton = new QToolButton(this);
    m_moveUpButton->setObjectName(u"bitMoveUp"_s);
    m_moveUpButton->setArrowType(Qt::UpArrow);
    m_moveUpButton->setGeometry(120, 3, 20, 24);
    Hints::set(m_moveUpButton, u"上へ|パッドを5分ぶん上へ移動します"_s);
    connect(m_moveUpButton, &QToolButton::clicked, this, &SchedulePad::moveUp);

    m_markLabel = new QLabel(this);
    m_markLabel->setObjectName(u"pnlPMenu"_s);
    m_markLabel->setGeometry(120, 27, 20, 26);
    m_markLabel->setAlignment(Qt::AlignCenter);
    m_markLabel->setAutoFillBackground(true);
    m_markLabel->setFrameShape(QFrame::Panel);
    m_markLabel->setFrameShadow(QFrame::Sunken);
    QPalette white = m_markLabel->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    m_markLabel->setPalette(white);
    Hints::set(m_markLabel, u"メニュー|右クリックでメニューを表示します"_s);

    m_moveDownButton = new QToolButton(this);
    m_moveDownButton->setObjectName(u"bitMoveDown"_s);
    m_moveDownButton->setArrowType(Qt::DownArrow);
    m_moveDownButton->setGeometry(120, 53, 20, 24);
    Hints::set(m_moveDownButton, u"下へ|パッドを5分ぶん下へ移動します"_s);
    connect(m_moveDownButton, &QToolButton::clicked, this, &SchedulePad::moveDown);

    const ListBook &lists = m_host.lists();
    m_keywordBox = new ListComboBox(this);
    m_keywordBox->setObjectName(u"cmbKeyword"_s);
    m_keywordBox->setGeometry(145, 5, 115, 21);
    FieldRefusal::limit(m_keywordBox->lineEdit(), SchedulePadRecord::KeywordCapacity);
    m_keywordBox->setMaxVisibleItems(10);
    m_keywordBox->setEditText(keywordPlaceholder);
    m_keywordBox->setSource([&lists] { return lists.entries().keywordList(); });
    Hints::set(m_keywordBox, u"キーワード|キーワードを入力するか,リストから選択します (31バイトまで)"_s);

    m_numberBox = new QLineEdit(QString::number(m_number), this);
    m_numberBox->setObjectName(u"edtPadNo"_s);
    m_numberBox->setGeometry(264, 5, 25, 21);
    m_numberBox->setReadOnly(true);
    m_numberBox->setFocusPolicy(Qt::NoFocus);
    m_numberBox->setAlignment(Qt::AlignCenter);
    m_numberBox->setTextMargins(0, 0, 0, 0);
    Hints::set(m_numberBox, u"パッドNo.|スケジュール・パッドの番号です"_s);

    m_descriptionBox = new ListComboBox(this);
    m_descriptionBox->setObjectName(u"cmbContent"_s);
    m_descriptionBox->setGeometry(145, 29, 145, 21);
    FieldRefusal::limit(m_descriptionBox->lineEdit(), SchedulePadRecord::ContentCapacity);
    m_descriptionBox->setEditText(descriptionPlaceholder);
    m_descriptionBox->setSource([&lists] { return lists.entries().contentList(); });
    Hints::set(m_descriptionBox, u"説明|説明を入力するか,リストから選択します (63バイトまで)"_s);

    m_completedBox = new QCheckBox(u"完了"_s, this);
    m_completedBox->setObjectName(u"chbCompleted"_s);
    m_completedBox->setGeometry(145, 54, 45, 18);
    Hints::set(m_completedBox, u"完了|この項目が済んだらチェックします"_s);

    m_colorBox = new ColorComboBox(this);
    m_colorBox->setObjectName(u"ColorBox"_s);
    m_colorBox->setGeometry(190, 52, 100, 22);
    Hints::set(m_colorBox, u"色|スケジュール・バーの色を選択します"_s);

    m_keepButton = new QPushButton(u"一時保存"_s, this);
    m_keepButton->setObjectName(u"btnSave"_s);
    m_keepButton->setGeometry(3, 57, 60, 20);
    Hints::set(m_keepButton, u"一時保存|パッドの設定を一時保存し,スケジュール・バーを表示します"_s);
    connect(m_keepButton, &QPushButton::clicked, this, &SchedulePad::keepPad);

    m_reviseButton = new QPushButton(u"変更"_s, this);
    m_reviseButton->setObjectName(u"btnRevise"_s);
    m_reviseButton->setGeometry(65, 57, 55, 20);
    Hints::set(m_reviseButton, u"変更|一時保存したパッドの設定を変更します"_s);
    connect(m_reviseButton, &QPushButton::clicked, this, &SchedulePad::revisePad);

    for (QPushButton *button : {m_keepButton, m_reviseButton}) {
        button->setAutoDefault(false);
        QFont small = button->font();
        small.setPointSize(8);
        button->setFont(small);
    }

    m_padMenu = new QMenu(this);
    m_padMenu->setObjectName(u"pumPadFrame"_s);
    QAction *memoAction = m_padMenu->addAction(u"メモ(&M)..."_s);
    memoAction->setObjectName(u"pmiMemo"_s);
    connect(memoAction, &QAction::triggered, this, [this] { emit memoRequested(m_number); });
    m_padMenu->addSeparator();
    if (QAction *routineEntry = m_host.routineEntryAction())
        m_padMenu->addAction(routineEntry); // pmiRoutineEntry
    // A right click on these opens the pad's menu; the boxes keep their own.
    for (QWidget *part : {static_cast<QWidget *>(m_markLabel), static_cast<QWidget *>(m_numberBox),
                          static_cast<QWidget *>(m_moveUpButton), static_cast<QWidget *>(m_moveDownButton)})
        part->installEventFilter(this);

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
    setTimes(startOf(record), endOf(record));
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
    // White as the plan it lies on; painted, not a palette, so that every pad and its boxes share
    // the application's palette and with it the style's cached pictures.
    painter.fillRect(rect(), Qt::white);
    if (!isEditable())
        paintFace(painter);
    painter.end();
    QFrame::paintEvent(event);
}

namespace {

// Where the changing parts of a painted pad go: the texts of its boxes and the marks of its
// check boxes. Everything else is the same for every pad.
struct FaceLayout
{
    QRect hourField[2];
    QRect minuteField[2];
    QRect pmIndicator[2];
    QRect keywordField;
    QRect descriptionField;
    QRect numberBox;
    QRect completedIndicator;
    QRect colourLabel;
    QRect mark;
    QFont small;
    QFont base;
};

struct FaceTemplate
{
    QPixmap picture[2]; // by "kept": the two buttons differ
    FaceLayout layout;
};

QFont withPointSize(QFont font, int pointSize)
{
    font.setPointSize(pointSize);
    return font;
}

// A line of text left-aligned and vertically centred in `box`, drawn without text layout.
void drawLine(QPainter &painter, const QRect &box, const QString &text)
{
    const QFontMetrics fm(painter.font());
    painter.drawText(QPoint(box.left(), box.top() + (box.height() - fm.height()) / 2 + fm.ascent()), text);
}

// Draws everything a pad shows that does not depend on its record: frames, arrows, labels and the
// buttons, into one picture per state, shared by every pad of the run.
FaceTemplate makeTemplate(const QWidget *pad)
{
    FaceTemplate t;
    QStyle *style = pad->style();
    // The theme's boxes on the white pad; the text between them black, whatever the theme.
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::WindowText, FixedColours::text());
    const QFont base = pad->font();
    const QFont small = withPointSize(base, 8);
    t.layout.small = small;
    t.layout.base = base;

    for (bool kept : {false, true}) {
        const qreal dpr = pad->devicePixelRatioF();
        QPixmap picture(QSize(SchedulePad::Width, SchedulePad::Height) * dpr);
        picture.setDevicePixelRatio(dpr);
        picture.fill(Qt::white);
        QPainter painter(&picture);
        // Each control is drawn at its own origin, as its widget would draw it, so that the style's
        // sub-control rectangles come out where the widget's would.
        const auto at = [&painter](const QRect &box, const auto &draw) {
            painter.save();
            painter.translate(box.topLeft());
            draw(QRect(QPoint(0, 0), box.size()));
            painter.restore();
        };
        const auto label = [&](const QString &text, int x, int y, int pointSize) {
            painter.setFont(withPointSize(base, pointSize));
            painter.setPen(palette.color(QPalette::WindowText));
            drawLine(painter, QRect(x, y, 40, QFontMetrics(painter.font()).height()), text);
        };
        const auto combo = [&](const QRect &box, bool editable, const QFont &font) {
            QRect field;
            at(box, [&](const QRect &r) {
                QStyleOptionComboBox option;
                option.initFrom(pad);
                option.fontMetrics = QFontMetrics(font);
                option.palette = palette;
                option.state = QStyle::State_Enabled;
                option.rect = r;
                option.editable = editable;
                option.frame = true;
                option.subControls = QStyle::SC_All;
                style->drawComplexControl(QStyle::CC_ComboBox, &option, &painter, nullptr);
                field = style->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField,
                                              nullptr);
            });
            return field.translated(box.topLeft());
        };
        const auto spin = [&](const QRect &box) {
            QRect field;
            at(box, [&](const QRect &r) {
                QStyleOptionSpinBox option;
                option.initFrom(pad);
                option.fontMetrics = QFontMetrics(small);
                option.palette = palette;
                option.state = QStyle::State_Enabled;
                option.rect = r;
                option.frame = true;
                option.buttonSymbols = QAbstractSpinBox::UpDownArrows;
                option.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
                option.subControls = QStyle::SC_All;
                style->drawComplexControl(QStyle::CC_SpinBox, &option, &painter, nullptr);
                field =
                    style->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxEditField, nullptr);
            });
            return field.translated(box.topLeft());
        };
        const auto check = [&](const QRect &box, const QString &caption) {
            QStyleOptionButton option;
            option.initFrom(pad);
            option.palette = palette;
            option.state = QStyle::State_Enabled | QStyle::State_Off;
            option.rect = box;
            option.text = caption;
            painter.setFont(base);
            style->drawControl(QStyle::CE_CheckBox, &option, &painter, nullptr);
            return style->subElementRect(QStyle::SE_CheckBoxIndicator, &option, nullptr);
        };
        const auto arrow = [&](const QRect &box, Qt::ArrowType type) {
            at(box, [&](const QRect &r) {
                QStyleOptionToolButton option;
                option.initFrom(pad);
                option.palette = palette;
                option.state = QStyle::State_Enabled | QStyle::State_Raised;
                option.rect = r;
                option.arrowType = type;
                option.features = QStyleOptionToolButton::Arrow;
                option.toolButtonStyle = Qt::ToolButtonIconOnly;
                option.subControls = QStyle::SC_ToolButton;
                style->drawComplexControl(QStyle::CC_ToolButton, &option, &painter, nullptr);
            });
        };
        const auto button = [&](const QRect &box, const QString &caption, bool enabled) {
            QStyleOptionButton option;
            option.initFrom(pad);
            option.palette = palette;
            option.palette.setCurrentColorGroup(enabled ? QPalette::Active : QPalette::Disabled);
            option.state = QStyle::State_Raised | (enabled ? QStyle::State_Enabled : QStyle::State_None);
            option.rect = box;
            option.text = caption;
            painter.setFont(small);
            style->drawControl(QStyle::CE_PushButton, &option, &painter, nullptr);
        };

        const int checkWidth = style->pixelMetric(QStyle::PM_IndicatorWidth) +
                               style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
        for (int row : {0, 1}) {
            const int y = row == 0 ? 3 : 30;
            t.layout.hourField[row] = combo(QRect(20, y + 1, 38, 22), true, small);
            label(u":"_s, 59, y + 4, 9);
            t.layout.minuteField[row] = spin(QRect(63, y + 1, 37, 22));
            label(u"PM"_s, 102, y - 2, 7);
            t.layout.pmIndicator[row] = check(
                QRect(103, y + 9, checkWidth, style->pixelMetric(QStyle::PM_IndicatorHeight)), QString());
        }
        label(u"開"_s, 5, 4, 8);
        label(u"始"_s, 5, 15, 8);
        label(u"終"_s, 5, 31, 8);
        label(u"了"_s, 5, 42, 8);
        arrow(QRect(120, 3, 20, 24), Qt::UpArrow);
        arrow(QRect(120, 53, 20, 24), Qt::DownArrow);

        t.layout.mark = QRect(120, 27, 20, 26);
        qDrawShadePanel(&painter, t.layout.mark, palette, true, 1);

        t.layout.keywordField = combo(QRect(145, 5, 115, 21), true, base);
        t.layout.descriptionField = combo(QRect(145, 29, 145, 21), true, base);

        QStyleOptionFrame number;
        number.initFrom(pad);
        number.palette = palette;
        number.state = QStyle::State_Enabled | QStyle::State_Sunken | QStyle::State_ReadOnly;
        number.rect = QRect(264, 5, 25, 21);
        number.lineWidth = style->pixelMetric(QStyle::PM_DefaultFrameWidth, &number, nullptr);
        style->drawPrimitive(QStyle::PE_PanelLineEdit, &number, &painter, nullptr);
        t.layout.numberBox = number.rect;

        t.layout.completedIndicator = check(QRect(145, 54, 45, 18), u"完了"_s);
        t.layout.colourLabel = combo(QRect(190, 52, 100, 22), false, base);

        button(QRect(3, 57, 60, 20), u"一時保存"_s, !kept);
        button(QRect(65, 57, 55, 20), u"変更"_s, kept);
        t.picture[kept] = picture;
    }
    return t;
}

const FaceTemplate &faceTemplate(const QWidget *pad)
{
    static QHash<QString, FaceTemplate> templates;
    const QString key =
        pad->font().key() + u'|' + pad->style()->name() + u'|' + QString::number(pad->devicePixelRatioF());
    auto found = templates.find(key);
    if (found == templates.end())
        found = templates.insert(key, makeTemplate(pad));
    return *found;
}

} // namespace

// The pad as its boxes and buttons will show it: the shared picture of what every pad shows, then
// what this pad's record puts in it.
void SchedulePad::paintFace(QPainter &painter)
{
    const FaceTemplate &t = faceTemplate(this);
    const FaceLayout &l = t.layout;
    const QPalette palette = QApplication::palette();
    painter.drawPixmap(0, 0, t.picture[m_face.kept]);

    painter.setPen(palette.color(QPalette::Text));
    painter.setFont(l.small);
    const QString hours[2] = {m_face.startHour, m_face.endHour};
    const int minutes[2] = {m_face.startMinute, m_face.endMinute};
    const bool pms[2] = {m_face.startPm, m_face.endPm};
    for (int row : {0, 1}) {
        painter.save();
        painter.setClipRect(l.hourField[row].adjusted(0, 0, 2, 0));
        drawLine(painter, l.hourField[row].adjusted(1, 0, 0, 0), hours[row]);
        painter.restore();
        drawLine(painter, l.minuteField[row].adjusted(2, 0, 0, 0), QString::number(minutes[row]));
    }

    QStyleOptionButton on;
    on.initFrom(this);
    on.palette = palette;
    on.state = QStyle::State_Enabled | QStyle::State_On;
    for (int row : {0, 1}) {
        if (pms[row]) {
            on.rect = l.pmIndicator[row];
            style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &on, &painter, nullptr);
        }
    }
    if (m_face.completed) {
        on.rect = l.completedIndicator;
        style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &on, &painter, nullptr);
    }

    painter.setFont(l.base);
    for (const auto &[field, text] :
         {std::pair{l.keywordField, m_face.keyword}, {l.descriptionField, m_face.description}}) {
        painter.save();
        painter.setClipRect(field.adjusted(0, 0, 2, 0));
        drawLine(painter, field.adjusted(1, 0, 0, 0), text);
        painter.restore();
    }
    painter.drawText(l.numberBox, Qt::AlignCenter, QString::number(m_number));

    // The colour box: its swatch, then the colour's name, as the box's own label puts them.
    const QRect swatch(l.colourLabel.left() + 2, l.colourLabel.center().y() - 4, 14, 10);
    painter.drawPixmap(swatch, ColorComboBox::swatchOf(m_face.color).pixmap(swatch.size()));
    drawLine(painter, l.colourLabel.adjusted(swatch.width() + 6, 0, 0, 0),
             ColorComboBox::nameOf(m_face.color));

    painter.fillRect(l.mark.adjusted(1, 1, -1, -1), Qt::white);
    if (m_face.marked) {
        painter.setPen(Qt::black);
        painter.drawText(l.mark, Qt::AlignCenter, u"◆"_s);
    }
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
        showStart(startOf(workingRecord()));
    }
    if (outcome.endClamped) {
        m_host.padDialogs().inform(m_host.dialogParent(), endLimitMessage());
        showEnd(endOf(workingRecord()));
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
