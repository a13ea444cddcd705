#include "data/SjisCodec.h"
#include "support/PlannerFixture.h"
#include "widgets/ColorComboBox.h"

#include <QAbstractItemView>
#include <QInputMethodEvent>
#include <QLabel>
#include <QMenu>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

const QString orderKeep =
    u"終了時刻が開始時刻より早い,あるいは同時刻に設定されています.\r\n設定の一時保存は実行されませんでした.\r\n\r\n時刻を再設定してください."_s;
const QString orderRevise =
    u"終了時刻が開始時刻より早い,あるいは同時刻に設定されています.\r\n前回保存したデータが有れば,設定を値に戻します(時刻データのみ).\r\n\r\n時刻を再設定してください."_s;
const QString startLimit =
    u"設定可能時刻は 当日 AM6:00 から翌日 AM5:59 までです.\r\n開始時刻を AM6:00 より前に設定することはできません.\r\n\r\n開始時刻を AM6:00 に設定します."_s;
const QString endLimit =
    u"設定可能時刻は 当日 AM6:00 から翌日 AM5:59 までです.\r\n終了時刻を AM5:59 より後に設定することはできません.\r\n\r\n終了時刻を AM5:59 に設定します."_s;

QString boxes(SchedulePad *pad)
{
    return child<QComboBox>(pad, u"startHourComboBox")->currentText() + u':' +
           child<QSpinBox>(pad, u"startMinuteSpinBox")->text() +
           (child<QCheckBox>(pad, u"startPmCheckBox")->isChecked() ? u"PM"_s : QString()) + u'-' +
           child<QComboBox>(pad, u"endHourComboBox")->currentText() + u':' +
           child<QSpinBox>(pad, u"endMinuteSpinBox")->text() +
           (child<QCheckBox>(pad, u"endPmCheckBox")->isChecked() ? u"PM"_s : QString());
}

QString recordTimes(const SchedulePadRecord &r)
{
    return u"%1:%2%3-%4:%5%6"_s.arg(r.startHour)
        .arg(r.startMinute)
        .arg(r.startPM ? u"PM"_s : QString())
        .arg(r.endHour)
        .arg(r.endMinute)
        .arg(r.endPM ? u"PM"_s : QString());
}

bool keepEnabled(SchedulePad *pad)
{
    return child<QPushButton>(pad, u"keepButton")->isEnabled();
}
bool reviseEnabled(SchedulePad *pad)
{
    return child<QPushButton>(pad, u"reviseButton")->isEnabled();
}

} // namespace

class TestSchedulePad : public QObject
{
    Q_OBJECT
private slots:
    void keep_checksOrderAndLimits_data();
    void keep_checksOrderAndLimits();
    void keepAndRevise_notANumber_changeNothing_data();
    void keepAndRevise_notANumber_changeNothing();
    void keep_readsEveryBox();
    void revise_movedPadKeepsItsTop();
    void revise_rejected_restoresLastSavedTimes();
    void revise_rejected_neverSaved_leavesNoBar();
    void minuteBoxes_wrapWithoutCarry_data();
    void minuteBoxes_wrapWithoutCarry();
    void mark_followsFocus();
    void dropDowns_readTheLists();
    void texts_limitedToFieldBytes_data();
    void texts_limitedToFieldBytes();
    void colorBox_valuesAndCustom();
};

void TestSchedulePad::keep_checksOrderAndLimits_data()
{
    QTest::addColumn<QStringList>("typed"); // start hour, minute, PM ("1"), end hour, minute, PM
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("startRow");
    QTest::addColumn<int>("endRow");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("shown");

    QTest::newRow("equal times refused") << QStringList{u"9"_s, u"0"_s, u""_s, u"9"_s, u"0"_s, u""_s} << false
                                         << -1 << -1 << QStringList{orderKeep} << u"9:0-9:0"_s;
    QTest::newRow("across midnight") << QStringList{u"11"_s, u"30"_s, u"1"_s, u"0"_s, u"30"_s, u""_s} << true
                                     << 2100 << 2220 << QStringList{} << u"11:30PM-0:30"_s;
    QTest::newRow("5:00 to 7:00 is backwards") << QStringList{u"5"_s, u"0"_s, u""_s, u"7"_s, u"0"_s, u""_s}
                                               << false << -1 << -1 << QStringList{orderKeep} << u"5:0-7:0"_s;
    QTest::newRow("minute 99 clamped to 5:59")
        << QStringList{u"4"_s, u"0"_s, u""_s, u"5"_s, u"99"_s, u""_s} << true << 2640 << 2879
        << QStringList{endLimit} << u"4:0-5:59"_s;
    QTest::newRow("before 6:00 clamped") << QStringList{u"6"_s, u"-5"_s, u""_s, u"6"_s, u"30"_s, u""_s}
                                         << true << 0 << 60 << QStringList{startLimit} << u"6:0-6:30"_s;
    QTest::newRow("hour 12 counts as 6:00") << QStringList{u"12"_s, u"30"_s, u"1"_s, u"7"_s, u"0"_s, u""_s}
                                            << true << 60 << 120 << QStringList{} << u"12:30PM-7:0"_s;
    QTest::newRow("last minute of the axis") << QStringList{u"5"_s, u"0"_s, u""_s, u"5"_s, u"59"_s, u""_s}
                                             << true << 2760 << 2878 << QStringList{} << u"5:0-5:59"_s;
}

void TestSchedulePad::keep_checksOrderAndLimits()
{
    QFETCH(QStringList, typed);
    QFETCH(bool, accepted);
    QFETCH(int, startRow);
    QFETCH(int, endRow);
    QFETCH(QStringList, messages);
    QFETCH(QString, shown);
    Planner p;
    QVERIFY(p.open());
    p.drag(true, 1000, 1100);
    SchedulePad *pad = p.pad(1);
    typeTimes(pad, typed[0], typed[1], typed[2] == u"1"_s, typed[3], typed[4], typed[5] == u"1"_s);
    pad->keepPad();

    QCOMPARE(p.fakes.dialogs.texts(), messages);
    QCOMPARE(boxes(pad), shown);
    const ScheduleBar &bar = p.day().bars()[0];
    const SchedulePadRecord &rec = p.day().pads()[0];
    QCOMPARE(bar.startRow, startRow);
    QCOMPARE(bar.endRow, endRow);
    QCOMPARE(rec.padNo, 1);
    QCOMPARE(keepEnabled(pad), !accepted);
    QCOMPARE(reviseEnabled(pad), accepted);
    QCOMPARE(p.shutters(), accepted ? 2 : 1);
    if (accepted) {
        QCOMPARE(bar.side, u"R"_s);
        QCOMPARE(pad->y(), startRow + 1);
        QCOMPARE(rec.padTop, startRow + 1);
        QCOMPARE(rec.padLeft, 351);
        QCOMPARE(recordTimes(rec), shown);
    } else {
        QCOMPARE(bar, ScheduleBar::unused());
        QCOMPARE(recordTimes(rec), u"-1:-1--1:-1"_s);
        QCOMPARE(pad->y(), 1001); // not moved
    }
}

void TestSchedulePad::keepAndRevise_notANumber_changeNothing_data()
{
    QTest::addColumn<bool>("revise");
    QTest::addColumn<QStringList>("typed");
    QTest::newRow("keep, hour text") << false << QStringList{u"abc"_s, u"0"_s, u"9"_s, u"0"_s};
    QTest::newRow("keep, empty minute") << false << QStringList{u"8"_s, u""_s, u"9"_s, u"0"_s};
    QTest::newRow("keep, fraction in end hour") << false << QStringList{u"8"_s, u"0"_s, u"1.5"_s, u"0"_s};
    QTest::newRow("revise, end minute text") << true << QStringList{u"8"_s, u"0"_s, u"9"_s, u"x"_s};
}

void TestSchedulePad::keepAndRevise_notANumber_changeNothing()
{
    QFETCH(bool, revise);
    QFETCH(QStringList, typed);
    Planner p;
    QVERIFY(p.open());
    p.drag(false, 300, 400);
    SchedulePad *pad = p.pad(1);
    if (revise)
        pad->keepPad();
    const auto bars = p.day().bars();
    const auto pads = p.day().pads();
    const int shutters = p.shutters();
    child<QComboBox>(pad, u"keywordComboBox")->setEditText(u"変えた"_s);
    typeTimes(pad, typed[0], typed[1], false, typed[2], typed[3], false);
    revise ? pad->revisePad() : pad->keepPad();
    QCOMPARE(p.fakes.dialogs.count(FakeDialogs::Kind::Inform), 1);
    QVERIFY(p.fakes.dialogs.lastText().contains(u"数字以外"_s));
    QCOMPARE(p.day().bars(), bars);
    QCOMPARE(p.day().pads(), pads);
    QCOMPARE(keepEnabled(pad), !revise);
    QCOMPARE(p.shutters(), shutters);
}

void TestSchedulePad::keep_readsEveryBox()
{
    Planner p;
    QVERIFY(p.open());
    p.drag(false, 300, 400);
    SchedulePad *pad = p.pad(1);
    p.day().setPadMemo(0, u"前からのメモ"_s); // kept apart from the boxes
    child<QComboBox>(pad, u"keywordComboBox")->setEditText(u"会議"_s);
    child<QComboBox>(pad, u"descriptionComboBox")->setEditText(u"週次"_s);
    child<QCheckBox>(pad, u"completedCheckBox")->setChecked(true);
    child<ColorComboBox>(pad, u"colorComboBox")->setColorValue(0x0000FF);
    pad->keepPad();
    const SchedulePadRecord &r = p.day().pads()[0];
    QCOMPARE(r.keyword, u"会議"_s);
    QCOMPARE(r.content, u"週次"_s);
    QVERIFY(r.completed);
    QCOMPARE(r.barColor, 0x0000FF);
    QCOMPARE(r.memo, u"前からのメモ"_s);
    QCOMPARE(recordTimes(r), u"8:30-9:20"_s);
    QCOMPARE(p.day().bars()[0], (ScheduleBar{u"L"_s, 300, 400, 0x0000FF}));
}

void TestSchedulePad::revise_movedPadKeepsItsTop()
{
    Planner p;
    QVERIFY(p.open());
    p.drag(false, 300, 400);
    SchedulePad *pad = p.pad(1);
    pad->keepPad();
    QCOMPARE(pad->y(), 301);
    QTest::mouseClick(child<QToolButton>(pad, u"moveDownButton"), Qt::LeftButton);
    pad->moveDown();
    pad->moveDown();
    QCOMPARE(pad->y(), 331);
    QCOMPARE(p.day().pads()[0].padTop, 301); // nothing stored until a button says so
    pad->moveUp();
    pad->moveDown();
    typeTimes(pad, u"9"_s, u"0"_s, false, u"10"_s, u"0"_s, false);
    child<ColorComboBox>(pad, u"colorComboBox")->setColorValue(0x00FF00);
    const int shutters = p.shutters();
    pad->revisePad();
    QCOMPARE(pad->y(), 331);
    QCOMPARE(p.day().pads()[0].padTop, 331);
    QCOMPARE(p.day().bars()[0], (ScheduleBar{u"L"_s, 360, 480, 0x00FF00}));
    QVERIFY(reviseEnabled(pad));
    QVERIFY(!keepEnabled(pad));
    QCOMPARE(p.shutters(), shutters + 1);
}

void TestSchedulePad::revise_rejected_restoresLastSavedTimes()
{
    Planner p;
    QVERIFY(p.open());
    p.drag(true, 240, 360); // 8:00 - 9:00
    SchedulePad *pad = p.pad(1);
    pad->keepPad();
    p.window->saveDay();
    typeTimes(pad, u"9"_s, u"10"_s, false, u"11"_s, u"0"_s, false);
    pad->revisePad(); // accepted: working copy now 9:10 - 11:00
    QCOMPARE(p.day().bars()[0].startRow, 380);
    typeTimes(pad, u"10"_s, u"0"_s, false, u"9"_s, u"0"_s, false);
    const int shutters = p.shutters();
    pad->revisePad();
    QCOMPARE(p.fakes.dialogs.lastText(), orderRevise);
    QCOMPARE(boxes(pad), u"8:0-9:0"_s); // the day as last saved, not the last "変更"
    QCOMPARE(recordTimes(p.day().pads()[0]), u"8:0-9:0"_s);
    QCOMPARE(p.day().bars()[0], p.day().image().bars[0]);
    QCOMPARE(p.day().bars()[0].startRow, 240);
    QCOMPARE(p.shutters(), shutters);
}

void TestSchedulePad::revise_rejected_neverSaved_leavesNoBar()
{
    Planner p;
    QVERIFY(p.open());
    p.drag(false, 300, 400);
    SchedulePad *pad = p.pad(1);
    pad->keepPad(); // working copy only; the day file was never written
    typeTimes(pad, u"10"_s, u"0"_s, false, u"9"_s, u"0"_s, false);
    pad->revisePad();
    QCOMPARE(p.fakes.dialogs.lastText(), orderRevise);
    QVERIFY(!p.day().bars()[0].inUse());
    QCOMPARE(recordTimes(p.day().pads()[0]), u"10:0-9:0"_s);
    QCOMPARE(lastUsedBar(p.day().bars()), 0);
}

void TestSchedulePad::minuteBoxes_wrapWithoutCarry_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<bool>("up");
    QTest::addColumn<int>("to");
    QTest::newRow("59 up") << 59 << true << 0;
    QTest::newRow("0 down") << 0 << false << 59;
    QTest::newRow("30 up") << 30 << true << 31;
    QTest::newRow("1 down") << 1 << false << 0;
}

void TestSchedulePad::minuteBoxes_wrapWithoutCarry()
{
    QFETCH(int, from);
    QFETCH(bool, up);
    QFETCH(int, to);
    Planner p;
    QVERIFY(p.open());
    p.drag(false, 300, 400);
    for (const char16_t *name : {u"startMinuteSpinBox", u"endMinuteSpinBox"}) {
        QSpinBox *m = child<QSpinBox>(p.pad(1), name);
        m->setValue(from);
        up ? m->stepUp() : m->stepDown();
        QCOMPARE(m->value(), to);
        QCOMPARE(m->text(), QString::number(to));
    }
    QCOMPARE(boxes(p.pad(1)).section(u':', 0, 0), u"8"_s);
}

void TestSchedulePad::mark_followsFocus()
{
    Planner p;
    QVERIFY(p.open());
    p.drag(false, 300, 400);
    p.drag(true, 600, 700);
    QTRY_VERIFY(p.pad(2)->isMarked());
    QVERIFY(!p.pad(1)->isMarked());
    QTest::mouseClick(child<QLabel>(p.pad(1), u"markLabel"), Qt::LeftButton);
    QTRY_VERIFY(p.pad(1)->isMarked());
    QCOMPARE(child<QLabel>(p.pad(1), u"markLabel")->text(), u"◆"_s);
    QVERIFY(!p.pad(2)->isMarked());
    QCOMPARE(p.day().selectedPad(), 0);
    // Focus on a control of the window, not a pad: the mark goes, the selection stays.
    child<QWidget>(p.window.get(), u"clockEdit")->setFocus();
    QTRY_VERIFY(!p.pad(1)->isMarked());
    QCOMPARE(p.day().selectedPad(), 0);
}

void TestSchedulePad::dropDowns_readTheLists()
{
    Planner p;
    QVERIFY(p.open());
    p.drag(false, 300, 400);
    ListEntries l;
    l.keywords[0] = u"a"_s;
    l.keywords[5] = u"b"_s;
    l.contents[23] = u"c"_s;
    QVERIFY(p.lists().save(p.dir.file(u"LEntries.lef"_s), l));
    for (const char16_t *name : {u"keywordComboBox", u"descriptionComboBox"}) {
        QComboBox *box = child<QComboBox>(p.pad(1), name);
        box->setEditText(u"typed"_s);
        box->showPopup();
        QStringList items;
        for (int i = 0; i < box->count(); ++i)
            items << box->itemText(i);
        QCOMPARE(items, name[0] == u'k' ? (QStringList{u"a"_s, u"b"_s}) : QStringList{u"c"_s});
        QCOMPARE(box->currentText(), u"typed"_s);
        box->hidePopup();
    }
    // A new pad shows the placeholders, which are stored as they stand.
    p.drag(true, 600, 700);
    QCOMPARE(child<QComboBox>(p.pad(2), u"keywordComboBox")->currentText(), u"キーワード"_s);
    p.pad(2)->keepPad();
    QCOMPARE(p.day().pads()[1].content, u"説明"_s);
}

void TestSchedulePad::texts_limitedToFieldBytes_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("bytes");
    QTest::newRow("keyword 40 ascii") << u"keywordComboBox"_s << QString(40, u'k') << 31;
    QTest::newRow("keyword 20 kanji") << u"keywordComboBox"_s << QString(20, QChar(0x65E5)) << 30;
    QTest::newRow("content 70 ascii") << u"descriptionComboBox"_s << QString(70, u'c') << 63;
}

void TestSchedulePad::texts_limitedToFieldBytes()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(int, bytes);
    Planner p;
    QVERIFY(p.open());
    p.drag(false, 300, 400);
    QComboBox *combo = child<QComboBox>(p.pad(1), box);
    combo->lineEdit()->clear();
    for (QChar c : typed) { // one character at a time, as an input method commits them
        QInputMethodEvent e;
        e.setCommitString(QString(c));
        QApplication::sendEvent(combo->lineEdit(), &e);
    }
    QCOMPARE(Sjis::encode(combo->currentText()).size(), bytes);
}

void TestSchedulePad::colorBox_valuesAndCustom()
{
    // Files hold 0x00BBGGRR: red in the low byte.
    QCOMPARE(ColorComboBox::toColor(0x0000FF), QColor(255, 0, 0));
    QCOMPARE(ColorComboBox::toValue(QColor(0x12, 0x34, 0x56)), 0x563412);
    ColorComboBox box;
    box.setColorValue(0xF0CAA6);
    QCOMPARE(box.currentText(), u"スカイブルー"_s);
    box.setColorValue(0x563412); // not a named colour: kept as the custom one
    QCOMPARE(box.colorValue(), 0x563412);
    box.pickColor = [](QWidget *, const QColor &) { return QColor(1, 2, 3); };
    emit box.activated(box.count() - 1);
    QCOMPARE(box.colorValue(), 0x030201);
}

QTEST_MAIN(TestSchedulePad)
#include "tst_schedulepad.moc"
