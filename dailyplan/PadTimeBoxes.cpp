#include "dailyplan/PadTimeBoxes.h"

#include "dailyplan/PadLayout.h"
#include "platform/Hints.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

using namespace Qt::StringLiterals;

namespace {

QLabel *addLabel(QWidget *pad, const QString &text, const QPoint &at, int pointSize)
{
    auto *label = new QLabel(text, pad);
    QFont font = label->font();
    font.setPointSize(pointSize);
    label->setFont(font);
    label->move(at);
    label->adjustSize();
    return label;
}

bool parseWhole(const QString &text, int *value)
{
    bool ok = false;
    *value = text.trimmed().toInt(&ok);
    return ok;
}

} // namespace

PadTimeBoxes PadTimeBoxes::make(QWidget *pad, bool start)
{
    const PadLayout::TimeRow row = PadLayout::timeRow(start ? 0 : 1);
    PadTimeBoxes boxes;
    addLabel(pad, start ? u"開"_s : u"終"_s, row.upperCaption, PadLayout::CaptionPointSize);
    addLabel(pad, start ? u"始"_s : u"了"_s, row.lowerCaption, PadLayout::CaptionPointSize);

    auto *hourBox = new QComboBox(pad);
    hourBox->setObjectName(start ? u"startHourComboBox"_s : u"endHourComboBox"_s);
    hourBox->setEditable(true);
    hourBox->setInsertPolicy(QComboBox::NoInsert);
    for (int i = 0; i <= 11; ++i)
        hourBox->addItem(QString::number(i));
    hourBox->setMaxVisibleItems(12);
    hourBox->setGeometry(row.hourBox);
    hourBox->setAttribute(Qt::WA_InputMethodEnabled, false);
    hourBox->lineEdit()->setAttribute(Qt::WA_InputMethodEnabled, false);
    hourBox->lineEdit()->setTextMargins(0, 0, 0, 0);
    QFont small = hourBox->font();
    small.setPointSize(PadLayout::SmallPointSize);
    hourBox->setFont(small); // two digits must fit beside the arrow
    boxes.hour = hourBox;

    addLabel(pad, u":"_s, row.colon, PadLayout::ColonPointSize);

    auto *minuteBox = new QSpinBox(pad);
    minuteBox->setObjectName(start ? u"startMinuteSpinBox"_s : u"endMinuteSpinBox"_s);
    minuteBox->setRange(-1, 60);
    minuteBox->setGeometry(row.minuteBox);
    minuteBox->setAttribute(Qt::WA_InputMethodEnabled, false);
    minuteBox->setFont(small);
    // The minute wraps without carrying into the hour.
    QObject::connect(minuteBox, &QSpinBox::valueChanged, minuteBox, [minuteBox](int value) {
        if (value == 60)
            minuteBox->setValue(0);
        else if (value == -1)
            minuteBox->setValue(59);
    });
    boxes.minute = minuteBox;

    addLabel(pad, u"PM"_s, row.pmCaption, PadLayout::PmCaptionPointSize);
    auto *pmBox = new QCheckBox(pad);
    pmBox->setObjectName(start ? u"startPmCheckBox"_s : u"endPmCheckBox"_s);
    pmBox->move(row.pmBox);
    pmBox->resize(pmBox->sizeHint());
    boxes.pm = pmBox;

    if (start) {
        Hints::set(hourBox, u"開始時|開始時刻の「時」(0～11)を設定します"_s);
        Hints::set(minuteBox, u"開始分|開始時刻の「分」を設定します"_s);
        Hints::set(pmBox, u"午後|開始時刻が午後のときにチェックします (0時+PM = 正午)"_s);
    } else {
        Hints::set(hourBox, u"終了時|終了時刻の「時」(0～11)を設定します"_s);
        Hints::set(minuteBox, u"終了分|終了時刻の「分」を設定します"_s);
        Hints::set(pmBox, u"午後|終了時刻が午後のときにチェックします (0時+PM = 正午)"_s);
    }
    return boxes;
}

void PadTimeBoxes::show(const TimeAxis::ClockTime &time) const
{
    hour->setEditText(QString::number(time.hour));
    minute->setValue(time.minute);
    pm->setChecked(time.pm);
}

bool PadTimeBoxes::read(TimeAxis::ClockTime *time) const
{
    if (!parseWhole(hour->currentText(), &time->hour) || !parseWhole(minute->text(), &time->minute))
        return false;
    time->pm = pm->isChecked();
    return true;
}

int PadTimeBoxes::shownMinute(int minute)
{
    const int value = qBound(-1, minute, 60);
    return value == 60 ? 0 : value == -1 ? 59 : value;
}

QString PadTimeBoxes::notNumberMessage()
{
    return u"時刻の欄に数字以外の文字が入力されています.\r\n設定は変更されませんでした.\r\n\r\n時刻を再設定してください."_s;
}
