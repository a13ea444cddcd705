#include "data/DailyPlanPaths.h"
#include "data/DaySerial.h"
#include "support/PlannerFixture.h"
#include "widgets/ColorComboBox.h"
#include "widgets/SjisTextEdit.h"

#include <QDateEdit>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QStatusTipEvent>

#include <QContextMenuEvent>
#include <QMenu>
#include <QWheelEvent>
#include <QtEndian>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

QRgb pixel(QWidget *w, int x, int y)
{
    // Grab a strip around the row: the plan is too tall to grab whole for every probe.
    const QImage img = w->grab(QRect(0, y, w->width(), 1)).toImage();
    return img.pixel(x, 0) & 0xFFFFFF;
}

QRgb rgb(int r, int g, int b)
{
    return qRgb(r, g, b) & 0xFFFFFF;
}

QString timesOf(SchedulePad *pad)
{
    auto two = [](const QString &minute) { return minute.rightJustified(2, u'0'); };
    return child<QComboBox>(pad, u"startHourComboBox")->currentText() + u':' +
           two(child<QSpinBox>(pad, u"startMinuteSpinBox")->text()) +
           (child<QCheckBox>(pad, u"startPmCheckBox")->isChecked() ? u"PM"_s : QString()) + u'-' +
           child<QComboBox>(pad, u"endHourComboBox")->currentText() + u':' +
           two(child<QSpinBox>(pad, u"endMinuteSpinBox")->text()) +
           (child<QCheckBox>(pad, u"endPmCheckBox")->isChecked() ? u"PM"_s : QString());
}

QString padCountText(DailyPlannerWindow *w, const QString &counter = u"データ総数"_s)
{
    for (QLabel *l : child<QStatusBar>(w, u"statusBar")->findChildren<QLabel *>()) {
        if (l->text().startsWith(counter))
            return l->text();
    }
    return {};
}

// Registers `pad` from its own pop-up menu while another pad, dragged now, has the focus.
void registerFromPadMenu(Planner &p, SchedulePad *pad)
{
    p.drag(false, 900, 1000);
    QTRY_COMPARE(p.day().selectedPad(), 1);
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(2, 2), QPoint(2, 2));
    QApplication::sendEvent(child<QWidget>(pad, u"markLabel"), &click);
    pad->findChild<QMenu *>(u"padMenu"_s)->hide();
    p.window->routineEntryAction()->trigger();
}

void saveBar(Planner &p, int slot, const QString &side, int start, int end, qint32 color)
{
    DayFile day = p.day().image();
    day.bars = p.day().bars();
    day.pads = p.day().pads();
    day.bars[slot] = {side, start, end, color};
    p.day().takeScratchDay(day);
    p.window->paintBars();
}

} // namespace

class TestDailyPlannerWindow : public QObject
{
    Q_OBJECT
private slots:
    void drag_createsPad_data();
    void drag_createsPad();
    void drag_withTheMouse();
    void drag_with24BarsInUse_createsNothing();
    void drag_unsavedPadKeepsItsSlot();
    void drag_allSlotsTaken_onlySound();
    void drag_autoScroll_pausesWithoutBlocking();
    void drag_releaseDuringPause_endsTheDrag();
    void show_placesScrollsAndKeepsWidth();
    void wheel_scrolls25RowsPerNotch();
    void paint_panesScaleAndBars();
    void paint_repaintsOnlyChangedRows();
    void clock_twelveHourText_data();
    void clock_twelveHourText();
    void save_firstSaveNamesTheFile();
    void save_failure_reportedAndNothingChanged();
    void saveCloseReopen_dayAsSaved();
    void today_withoutFile_clearsToUnsaved();
    void today_withFile_loadsIt();
    void damagedNumbers_areKeptToThePlan();
    void past_loadsChosenFile_data();
    void past_loadsChosenFile();
    void past_unreadable_keepsShownDay();
    void remove_packsAndRenumbers();
    void remove_cancel_keepsEverything();
    void close_dropsPads();
    void close_withEditsNotSaved_asksFirst_data();
    void close_withEditsNotSaved_asksFirst();
    void scratchFile_keepsDiaryAndFileName();
    void hints_goToTheWindowsStatusBar();
    void registerRoutine_fromTheKeptRecord_data();
    void registerRoutine_fromTheKeptRecord();
    void showRoutines_ofTodaysWeekday_data();
    void showRoutines_ofTodaysWeekday();
    void diary_afterFirstSave_refusedPast255Bytes();
    void memo_ofSchedulePad2_goesToRecord2();
};

void TestDailyPlannerWindow::drag_createsPad_data()
{
    QTest::addColumn<bool>("right");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<QString>("times");
    QTest::newRow("left upwards 300 -> 139") << false << 300 << 139 << QPoint(4, 140) << u"7:09-8:30"_s;
    QTest::newRow("right below the plan") << true << 100 << 2950 << QPoint(351, 101) << u"6:50-5:59"_s;
    QTest::newRow("right ends at row 2880") << true << 100 << 2880 << QPoint(351, 101) << u"6:50-5:59"_s;
    QTest::newRow("left above the plan") << false << 200 << -20 << QPoint(4, 1) << u"6:00-7:40"_s;
    QTest::newRow("afternoon") << true << 720 << 1441 << QPoint(351, 721) << u"0:00PM-6:00PM"_s;
    QTest::newRow("click without moving") << false << 121 << 121 << QPoint(4, 122) << u"7:00-7:00"_s;
    QTest::newRow("late: the pad stays on the plan")
        << false << 2850 << 2870 << QPoint(4, 2804) << u"5:45-5:55"_s;
}

void TestDailyPlannerWindow::drag_createsPad()
{
    QFETCH(bool, right);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QPoint, pos);
    QFETCH(QString, times);
    Planner p;
    QVERIFY(p.open());
    p.drag(right, from, to);
    SchedulePad *pad = p.pad(1);
    QVERIFY(pad);
    QCOMPARE(pad->pos(), pos);
    QCOMPARE(timesOf(pad), times);
    // However far the drag scrolled, the new pad is in view.
    const int viewport = child<QScrollArea>(p.window.get(), u"planArea")->viewport()->height();
    QVERIFY(pos.y() >= p.window->planArea()->scrollPosition() &&
            pos.y() + 80 <= p.window->planArea()->scrollPosition() + viewport);
    QVERIFY(child<QPushButton>(pad, u"keepButton")->isEnabled());
    QVERIFY(!child<QPushButton>(pad, u"reviseButton")->isEnabled());
    QCOMPARE(child<QLineEdit>(pad, u"padNumberEdit")->text(), u"1"_s);
    QVERIFY(!p.day().bars()[0].inUse()); // no bar before "一時保存"
    QVERIFY(!p.window->planArea()->dragArmed());
    QCOMPARE(p.shutters(), 1);
    QTRY_VERIFY(pad->isMarked());
    QCOMPARE(p.day().selectedPad(), 0);
}

void TestDailyPlannerWindow::drag_withTheMouse()
{
    Planner p;
    QVERIFY(p.open());
    DragColumnWidget *left = p.column(false);
    p.window->planArea()->setScrollPosition(0);
    QTest::mousePress(left, Qt::RightButton, {}, QPoint(5, 200));
    QTest::mouseRelease(left, Qt::RightButton, {}, QPoint(5, 260));
    QVERIFY(!p.pad(1)); // other buttons do nothing
    QTest::mousePress(left, Qt::LeftButton, {}, QPoint(5, 200));
    QVERIFY(p.window->planArea()->dragActive());
    QTest::mouseRelease(left, Qt::LeftButton, {}, QPoint(5, 260));
    QVERIFY(!p.window->planArea()->dragActive());
    QVERIFY(p.pad(1));
    QCOMPARE(p.pad(1)->pos(), QPoint(4, 201));
    QCOMPARE(timesOf(p.pad(1)), u"7:40-8:10"_s);
}

void TestDailyPlannerWindow::drag_with24BarsInUse_createsNothing()
{
    Planner p;
    QVERIFY(p.open());
    saveBar(p, 23, u"L"_s, 0, 10, 0); // the last entry in use is enough: it is not a count
    p.drag(false, 300, 400);
    QVERIFY(!p.pad(1));
    QCOMPARE(p.shutters(), 0);
    QVERIFY(p.fakes.dialogs.shown.isEmpty());
}

void TestDailyPlannerWindow::drag_unsavedPadKeepsItsSlot()
{
    Planner p;
    QVERIFY(p.open());
    p.drag(false, 300, 400);
    p.pad(1)->keepPad();
    p.drag(false, 600, 700); // never saved
    p.drag(true, 900, 1000);
    QVERIFY(p.pad(3));
    QCOMPARE(p.pad(3)->pos(), QPoint(351, 901));
    QCOMPARE(lastUsedBar(p.day().bars()), 1);
}

void TestDailyPlannerWindow::drag_allSlotsTaken_onlySound()
{
    Planner p;
    QVERIFY(p.open());
    for (int i = 0; i < 24; ++i)
        p.drag(i % 2, 100 * i, 100 * i + 50);
    QVERIFY(p.pad(24));
    QCOMPARE(p.shutters(), 24);
    p.drag(false, 2500, 2600);
    QCOMPARE(p.shutters(), 25);
    QCOMPARE(p.window->findChildren<SchedulePad *>().size(), 24);
    QVERIFY(!p.window->planArea()->dragArmed());
    QVERIFY(p.fakes.dialogs.shown.isEmpty());
}

void TestDailyPlannerWindow::drag_autoScroll_pausesWithoutBlocking()
{
    Planner p;
    QVERIFY(p.open());
    DragColumnWidget *col = p.column(false);
    const int viewport = child<QScrollArea>(p.window.get(), u"planArea")->viewport()->height();
    p.window->planArea()->setScrollPosition(1000);
    p.window->planArea()->dragPress(col, Qt::LeftButton, 1100);

    // Near the bottom edge: scrolls down by 10 and pauses.
    p.window->planArea()->dragMove(col, 1000 + viewport - 10);
    QCOMPARE(p.window->planArea()->scrollPosition(), 1010);
    QVERIFY(!p.window->planArea()->dragActive());
    // A move during the pause neither scrolls nor records.
    p.window->planArea()->dragMove(col, 1000 + viewport - 5);
    QCOMPARE(p.window->planArea()->scrollPosition(), 1010);
    QTRY_VERIFY(p.window->planArea()->dragActive()); // the event loop runs the pause out

    // Near the top edge: scrolls up.
    p.window->planArea()->dragMove(col, 1010 + 5);
    QCOMPARE(p.window->planArea()->scrollPosition(), 1000);
    QTRY_VERIFY(p.window->planArea()->dragActive());
    // In the middle: no scrolling.
    p.window->planArea()->dragMove(col, 1000 + viewport / 2);
    QCOMPARE(p.window->planArea()->scrollPosition(), 1000);
    QVERIFY(p.window->planArea()->dragActive());
    p.window->planArea()->dragRelease(col, Qt::LeftButton, 1200);
    QCOMPARE(p.pad(1)->pos(), QPoint(4, 1101));
}

void TestDailyPlannerWindow::drag_releaseDuringPause_endsTheDrag()
{
    Planner p;
    QVERIFY(p.open());
    DragColumnWidget *col = p.column(true);
    p.window->planArea()->setScrollPosition(1000);
    p.window->planArea()->dragPress(col, Qt::LeftButton, 1100);
    p.window->planArea()->dragMove(col, 1005);
    QVERIFY(!p.window->planArea()->dragActive());
    p.window->planArea()->dragRelease(col, Qt::LeftButton, 1005);
    QTest::qWait(20);
    QVERIFY(!p.window->planArea()->dragActive()); // the pause must not revive a finished drag
    const int scroll = p.window->planArea()->scrollPosition();
    p.window->planArea()->dragMove(col, 1001);
    QCOMPARE(p.window->planArea()->scrollPosition(), scroll);
}

void TestDailyPlannerWindow::show_placesScrollsAndKeepsWidth()
{
    Planner p;
    QVERIFY(p.open());
    DailyPlannerWindow *w = p.window.get();
    QCOMPARE(w->planArea()->scrollPosition(), 240);
    QCOMPARE(w->width(), 800);
    QVERIFY(w->height() >= 600);
    QCOMPARE(child<QStatusBar>(w, u"statusBar")->currentMessage(),
             u"本ウィンドウは高さ方向にのみ伸縮可能です.(最小高さ: 600ピクセル)"_s);
    w->resize(800, 400);
    QCOMPARE(w->size(), QSize(800, 600));
    w->resize(1000, 700);
    QCOMPARE(w->size(), QSize(800, 700));
    // The plan keeps its place beside the controls.
    auto *sbox = child<QScrollArea>(w, u"planArea");
    QCOMPARE(sbox->geometry().right() + 1, child<QWidget>(w, u"commandPanel")->x());
    QCOMPARE(sbox->horizontalScrollBar()->isVisible(), false);
}

void TestDailyPlannerWindow::wheel_scrolls25RowsPerNotch()
{
    Planner p;
    QVERIFY(p.open());
    p.drag(false, 300, 400);
    QWidget *targets[] = {child<QWidget>(p.window.get(), u"rightPane"),
                          child<QWidget>(p.pad(1), u"startHourComboBox"),
                          child<QWidget>(p.window.get(), u"commandPanel")};
    for (QWidget *target : targets) {
        p.window->planArea()->setScrollPosition(1000);
        const QString hour = child<QComboBox>(p.pad(1), u"startHourComboBox")->currentText();
        auto wheel = [&](int delta) {
            QWheelEvent e(QPointF(5, 5), target->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(target, &e);
        };
        wheel(-120);
        QCOMPARE(p.window->planArea()->scrollPosition(), 1025);
        wheel(-240);
        QCOMPARE(p.window->planArea()->scrollPosition(), 1075);
        wheel(120);
        QCOMPARE(p.window->planArea()->scrollPosition(), 1050);
        wheel(60); // half a notch waits for the other half
        QCOMPARE(p.window->planArea()->scrollPosition(), 1050);
        wheel(60);
        QCOMPARE(p.window->planArea()->scrollPosition(), 1025);
        QCOMPARE(child<QComboBox>(p.pad(1), u"startHourComboBox")->currentText(), hour); // boxes do not spin
    }
}

void TestDailyPlannerWindow::paint_panesScaleAndBars()
{
    Planner p;
    QVERIFY(p.open());
    QWidget *left = child<QWidget>(p.window.get(), u"leftPane");
    QWidget *right = child<QWidget>(p.window.get(), u"rightPane");
    const QRgb morning = rgb(135, 206, 250), afternoon = rgb(240, 230, 140), evening = rgb(4, 112, 165),
               night = rgb(0, 0, 139);
    struct Probe
    {
        QWidget *w;
        int row;
        QRgb color;
    };
    const Probe probes[] = {{left, 0, morning},       {left, 719, morning},   {left, 720, afternoon},
                            {left, 1439, afternoon},  {left, 1440, evening},  {left, 2160, night},
                            {left, 2880, night},      {right, 720, morning},  {right, 721, afternoon},
                            {right, 1440, afternoon}, {right, 1441, evening}, {right, 2160, evening},
                            {right, 2161, night},     {right, 2880, night}};
    for (const Probe &pr : probes)
        QVERIFY2(pixel(pr.w, 150, pr.row) == pr.color,
                 qPrintable(u"%1 row %2"_s.arg(pr.w->objectName()).arg(pr.row)));

    // The scale: five-minute marks in white, long ones at the hours.
    QWidget *scale = child<QWidget>(p.window.get(), u"timeScale");
    QCOMPARE(pixel(scale, 10, 10), rgb(255, 255, 255)); // 6:05, x 8..11
    QVERIFY(pixel(scale, 7, 10) != rgb(255, 255, 255));
    QCOMPARE(pixel(scale, 3, 60), rgb(255, 255, 255)); // 6:30, x 3..16
    QVERIFY(pixel(scale, 2, 60) != rgb(255, 255, 255));
    QCOMPARE(pixel(scale, 1, 120), rgb(255, 255, 255)); // 7:00, x 0..19, its label from x 7
    QVERIFY(pixel(scale, 20, 120) != rgb(255, 255, 255));

    // Bars: left columns [0, 11), right [1, 12), rows [start, end).
    saveBar(p, 0, u"L"_s, 300, 400, 0x0000FF);
    saveBar(p, 1, u"R"_s, 500, 520, 0xFF0000);
    saveBar(p, 2, u"X"_s, 600, 700, 0xFF0000); // another side is not drawn
    saveBar(p, 3, u"L"_s, 800, 700, 0xFF0000); // ends before it starts: nothing
    DragColumnWidget *l = p.column(false);
    DragColumnWidget *r = p.column(true);
    QCOMPARE(pixel(l, 0, 300), rgb(255, 0, 0));
    QCOMPARE(pixel(l, 10, 399), rgb(255, 0, 0));
    QCOMPARE(pixel(l, 11, 350), rgb(255, 255, 255));
    QCOMPARE(pixel(l, 5, 400), rgb(255, 255, 255));
    QCOMPARE(pixel(l, 5, 299), rgb(255, 255, 255));
    QCOMPARE(pixel(r, 0, 510), rgb(255, 255, 255));
    QCOMPARE(pixel(r, 1, 510), rgb(0, 0, 255));
    QCOMPARE(pixel(r, 11, 519), rgb(0, 0, 255));
    QCOMPARE(pixel(r, 12, 510), rgb(255, 255, 255));
    QCOMPARE(pixel(r, 5, 300), rgb(255, 255, 255)); // the left bar is not in the right column
    QCOMPARE(pixel(l, 5, 650), rgb(255, 255, 255));
    QCOMPARE(pixel(l, 5, 750), rgb(255, 255, 255));
}

// Counts the area each paint event of a column covers.
class PaintSpy final : public QObject
{
public:
    QRegion painted;
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent *>(e)->region();
        return false;
    }
};

void TestDailyPlannerWindow::paint_repaintsOnlyChangedRows()
{
    Planner p;
    QVERIFY(p.open());
    p.window->resize(800, 1200);
    p.window->planArea()->setScrollPosition(0);
    saveBar(p, 0, u"L"_s, 100, 200, 0xFF);
    QTest::qWait(50);
    PaintSpy spy;
    p.column(false)->installEventFilter(&spy);
    saveBar(p, 1, u"L"_s, 300, 340, 0xFF);
    QTRY_VERIFY(!spy.painted.isEmpty());
    QVERIFY(spy.painted.boundingRect().top() >= 300);
    QVERIFY(spy.painted.boundingRect().bottom() <= 341);
    spy.painted = QRegion();
    p.window->paintBars(); // nothing changed
    QTest::qWait(50);
    QVERIFY(spy.painted.isEmpty());
}

void TestDailyPlannerWindow::clock_twelveHourText_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("text");
    QTest::newRow("morning") << QTime(9, 5, 7) << u"AM 09時 05分 07秒"_s;
    QTest::newRow("just after midnight") << QTime(0, 30, 0) << u"AM 12時 30分 00秒"_s;
    QTest::newRow("noon") << QTime(12, 0, 0) << u"PM 12時 00分 00秒"_s;
    QTest::newRow("night") << QTime(23, 59, 59) << u"PM 11時 59分 59秒"_s;
}

void TestDailyPlannerWindow::clock_twelveHourText()
{
    QFETCH(QTime, time);
    QFETCH(QString, text);
    QCOMPARE(DailyPlannerWindow::clockText(time), text);
}

void TestDailyPlannerWindow::save_firstSaveNamesTheFile()
{
    Planner p;
    QVERIFY(p.open());
    p.fakes.clock.date = QDate(2005, 12, 6); // the date of the save, not of the opening
    p.drag(false, 300, 400);
    p.pad(1)->keepPad();
    p.drag(true, 500, 600);
    p.pad(2)->keepPad();
    p.window->saveDayAction()->trigger();
    const QString name = u"AUBREL/Y200512/Y2005125.dtf"_s;
    QVERIFY(p.dir.exists(name));
    const DayFile d = DayFile::fromBytes(p.dir.read(name));
    QCOMPARE(QString::fromLocal8Bit(d.sourcePath), p.dir.file(name));
    QCOMPARE(d.createdOn, DaySerial::fromDate(QDate(2005, 12, 6)));
    QCOMPARE(d.bars[1].side, u"R"_s);
    QCOMPARE(child<QLineEdit>(p.window.get(), u"fileNameEdit")->text(), u"Y2005125.dtf"_s);
    QCOMPARE(child<QDateEdit>(p.window.get(), u"createdOnDateEdit")->date(), QDate(2005, 12, 6));
    QCOMPARE(padCountText(p.window.get()), u"データ総数: 2"_s);
    QCOMPARE(p.shutters(), 5);
    QTRY_COMPARE(p.day().selectedPad(), 1);
}

void TestDailyPlannerWindow::save_failure_reportedAndNothingChanged()
{
    Planner p;
    QVERIFY(p.open());
    p.drag(false, 300, 400);
    p.pad(1)->keepPad();
    QDir(p.dir.file(u"AUBREL/Y200512"_s)).removeRecursively(); // the folder has vanished
    p.window->saveDay();
    QCOMPARE(p.fakes.dialogs.count(FakeDialogs::Kind::Error), 1);
    QVERIFY(p.fakes.dialogs.lastText().contains(u"Y2005125.dtf"_s));
    QCOMPARE(child<QLineEdit>(p.window.get(), u"fileNameEdit")->text(), u"未作成"_s);
    QCOMPARE(padCountText(p.window.get()), u"データ総数: 1"_s); // the pads on screen, saved or not
    QVERIFY(p.day().bars()[0].inUse());                         // the work is still there to save again
}

void TestDailyPlannerWindow::saveCloseReopen_dayAsSaved()
{
    Planner p;
    QVERIFY(p.open());
    const int starts[] = {300, 900, 1500};
    for (int i = 0; i < 3; ++i) {
        p.drag(i == 1, starts[i], starts[i] + 100);
        child<QComboBox>(p.pad(i + 1), u"keywordComboBox")->setEditText(u"項目"_s + QString::number(i + 1));
        child<ColorComboBox>(p.pad(i + 1), u"colorComboBox")->setColorValue(0x00FF00 * (i + 1));
        p.pad(i + 1)->keepPad();
    }
    p.day().setPadMemo(1, u"資料を持参"_s);
    p.window->saveDay();
    const QString name = u"AUBREL/Y200512/Y2005125.dtf"_s;
    const QByteArray saved = p.dir.read(name);
    child<QPushButton>(p.window.get(), u"closeButton")->click();
    QVERIFY(!p.window->isVisible());
    QVERIFY(!p.pad(1));

    QVERIFY(p.open());
    QCOMPARE(p.window->findChildren<SchedulePad *>().size(), 3);
    QCOMPARE(child<QComboBox>(p.pad(2), u"keywordComboBox")->currentText(), u"項目2"_s);
    QCOMPARE(p.pad(2)->pos(), QPoint(351, 901));
    QCOMPARE(child<ColorComboBox>(p.pad(3), u"colorComboBox")->colorValue(), 0x00FF00 * 3);
    QCOMPARE(timesOf(p.pad(3)), u"6:30PM-7:20PM"_s);
    QCOMPARE(p.day().pads()[1].memo, u"資料を持参"_s);
    p.window->saveDay();
    QCOMPARE(p.dir.read(name), saved);
}

void TestDailyPlannerWindow::today_withoutFile_clearsToUnsaved()
{
    Planner p;
    QVERIFY(p.open());
    DayFile past;
    past.setSourcePath(u"/old/Y2005121.dtf"_s);
    past.bars[0] = {u"L"_s, 0, 100, 0};
    past.pads[0].startHour = 6;
    p.dir.write(u"AUBREL/Y200512/Y2005121.dtf"_s, past.toBytes());
    p.fakes.dialogs.fileNames.push_back(p.dir.file(u"AUBREL/Y200512/Y2005121.dtf"_s));
    p.window->openPastDayAction()->trigger();
    QVERIFY(p.pad(1));
    QCOMPARE(padCountText(p.window.get()), u"データ総数: 1"_s);

    p.fakes.clock.date = QDate(2005, 12, 7);
    const int shutters = p.shutters();
    p.window->openTodayAction()->trigger();
    QVERIFY(!p.pad(1));
    // The planner's day stays the one it opened on; only the file's date is the clock's.
    QCOMPARE(p.day().currentFile(), p.dir.file(u"AUBREL/Y200512/Y2005125.dtf"_s));
    QCOMPARE(child<QLineEdit>(p.window.get(), u"fileNameEdit")->text(), u"未作成"_s);
    QCOMPARE(child<QDateEdit>(p.window.get(), u"createdOnDateEdit")->date(), QDate(2005, 12, 7));
    QCOMPARE(padCountText(p.window.get()), u"データ総数: 0"_s);
    QCOMPARE(p.shutters(), shutters);
    QCOMPARE(p.day().image().toBytes(), DayFile::fromBytes({}).toBytes());

    // Already today: nothing happens.
    p.drag(false, 100, 200);
    p.window->openToday();
    QVERIFY(p.pad(1));
}

void TestDailyPlannerWindow::today_withFile_loadsIt()
{
    Planner p;
    DayFile today;
    today.setSourcePath(u"x/Y2005125.dtf"_s);
    today.bars[0] = {u"R"_s, 0, 100, 0};
    today.pads[0].startHour = 6;
    today.pads[0].padLeft = 351;
    p.dir.write(u"AUBREL/Y200512/Y2005125.dtf"_s, today.toBytes());
    QVERIFY(p.open());
    p.day().setCurrentFile(p.dir.file(u"elsewhere.dtf"_s));
    p.drag(false, 1000, 1100); // unsaved work of the other day goes
    const int shutters = p.shutters();
    p.window->openToday();
    QCOMPARE(p.window->findChildren<SchedulePad *>().size(), 1);
    QCOMPARE(p.pad(1)->x(), 351);
    QCOMPARE(p.shutters(), shutters + 1);
    QVERIFY(!child<QWidget>(p.window.get(), u"busyCover")->isVisible());
}

void TestDailyPlannerWindow::damagedNumbers_areKeptToThePlan()
{
    Planner p;
    DayFile day;
    day.bars[0] = {u"L"_s, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max(), 0};
    day.bars[1] = {u"R"_s, std::numeric_limits<qint32>::max(), 5, 0};
    for (int k : {0, 1}) {
        day.pads[k].startHour = 6;
        day.pads[k].startMinute = std::numeric_limits<qint32>::max();
        day.pads[k].padLeft = std::numeric_limits<qint32>::max();
        day.pads[k].padTop = std::numeric_limits<qint32>::min();
    }
    p.dir.write(u"AUBREL/Y200512/Y2005125.dtf"_s, day.toBytes());
    QVERIFY(p.open());
    p.window->grab(); // paints every bar
    const QRect plan = p.pad(1)->parentWidget()->rect();
    for (int n : {1, 2})
        QVERIFY(plan.contains(p.pad(n)->geometry()));
}

void TestDailyPlannerWindow::past_loadsChosenFile_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("loads");
    QTest::newRow("another day") << u"AUBREL/Y200511/Y2005111.dtf"_s << true;
    QTest::newRow("upper-case extension") << u"AUBREL/Y200511/Y2005112.DTF"_s << true;
    QTest::newRow("today's file") << u"AUBREL/Y200512/Y2005125.dtf"_s << false;
    QTest::newRow("vanished") << u"AUBREL/Y200511/gone.dtf"_s << false;
}

void TestDailyPlannerWindow::past_loadsChosenFile()
{
    QFETCH(QString, file);
    QFETCH(bool, loads);
    Planner p;
    DayFile d;
    d.setSourcePath(u"C:\\W\\AUBREL\\Y200511\\Y2005111.dtf"_s);
    d.createdOn = DaySerial::fromDate(QDate(2005, 11, 1));
    d.bars[0] = {u"L"_s, 0, 100, 0};
    d.pads[0].startHour = 6;
    d.pads[0].padTop = 1;
    d.pads[0].padLeft = 4;
    d.diary.text1 = u"過去の日記"_s;
    if (!file.contains(u"gone"_s))
        p.dir.write(file, d.toBytes());
    QVERIFY(p.open());
    const int padsBefore = p.window->findChildren<SchedulePad *>().size();
    const int shuttersBefore = p.shutters();
    p.fakes.dialogs.fileNames.push_back(p.dir.file(file));
    p.window->openPastDay();
    if (loads) {
        QVERIFY(p.pad(1));
        QCOMPARE(p.day().currentFile(), p.dir.file(file));
        QCOMPARE(child<QLineEdit>(p.window.get(), u"fileNameEdit")->text(), u"Y2005111.dtf"_s);
        QCOMPARE(child<QDateEdit>(p.window.get(), u"createdOnDateEdit")->date(), QDate(2005, 11, 1));
        QCOMPARE(p.day().diary().text1, u"過去の日記"_s);
        QCOMPARE(p.shutters(), shuttersBefore + 1);
        // Saved back under its own name.
        DiaryRecord diary = p.day().diary();
        diary.text2 = u"追記"_s;
        p.day().setDiary(diary);
        p.window->saveDay();
        QCOMPARE(DayFile::fromBytes(p.dir.read(file)).diary.text2, u"追記"_s);
    } else {
        QCOMPARE(p.day().currentFile(), p.day().todayFile());
        QCOMPARE(p.window->findChildren<SchedulePad *>().size(), padsBefore);
        QCOMPARE(p.shutters(), shuttersBefore);
    }
    QVERIFY(p.fakes.dialogs.count(FakeDialogs::Kind::Error) == 0);
}

void TestDailyPlannerWindow::past_unreadable_keepsShownDay()
{
    Planner p;
    QVERIFY(p.open());
    p.drag(false, 300, 400);
    p.pad(1)->keepPad();
    QDir().mkpath(p.dir.file(u"AUBREL/Y200511/Y2005111.dtf"_s));
    p.fakes.dialogs.fileNames.push_back(p.dir.file(u"AUBREL/Y200511/Y2005111.dtf"_s));
    p.window->openPastDay();
    QCOMPARE(p.fakes.dialogs.count(FakeDialogs::Kind::Error), 1);
    QVERIFY(p.fakes.dialogs.lastText().contains(u"Y2005111.dtf"_s));
    QVERIFY(p.pad(1));
    QVERIFY(p.day().bars()[0].inUse());
    QCOMPARE(p.day().currentFile(), p.day().todayFile());
    QVERIFY(!child<QWidget>(p.window.get(), u"busyCover")->isVisible());
}

void TestDailyPlannerWindow::remove_packsAndRenumbers()
{
    Planner p;
    QVERIFY(p.open());
    for (int i = 0; i < 3; ++i) {
        p.drag(false, 300 + 200 * i, 400 + 200 * i);
        child<QComboBox>(p.pad(i + 1), u"keywordComboBox")->setEditText(u"k"_s + QString::number(i + 1));
        child<ColorComboBox>(p.pad(i + 1), u"colorComboBox")->setColorValue(0x10 * (i + 1));
        p.pad(i + 1)->keepPad();
        p.day().setPadMemo(i, u"memo"_s + QString::number(i + 1));
    }
    p.drag(true, 2000, 2100); // never saved: goes with the packing
    const ScheduleBar bar3 = p.day().bars()[2];
    p.pad(2)->focusPad();
    QTRY_COMPARE(p.day().selectedPad(), 1);
    p.fakes.dialogs.answers.push_back(Dialogs::Answer::Ok);
    child<QPushButton>(p.window.get(), u"removePadButton")->click();
    QCOMPARE(p.fakes.dialogs.lastText(),
             u"スケジュール・パッドNo. 2を削除します.\r\n\r\n処理を続行しますか？"_s);
    QCOMPARE(p.fakes.dialogs.shown.last().at, std::optional<QPoint>(QPoint(180, 250)));
    QCOMPARE(p.window->findChildren<SchedulePad *>().size(), 2);
    QCOMPARE(child<QComboBox>(p.pad(2), u"keywordComboBox")->currentText(), u"k3"_s);
    QCOMPARE(child<QLineEdit>(p.pad(2), u"padNumberEdit")->text(), u"2"_s);
    QCOMPARE(child<ColorComboBox>(p.pad(2), u"colorComboBox")->colorValue(), 0x30);
    QCOMPARE(p.day().bars()[1], bar3);
    QCOMPARE(p.day().pads()[1].padNo, 2);
    QCOMPARE(p.day().pads()[1].memo, u"memo3"_s);
    QVERIFY(!p.day().bars()[2].inUse());
    QVERIFY(!p.day().pads()[2].hasTimes());
    QVERIFY(!child<QWidget>(p.window.get(), u"busyCover")->isVisible());
    QTRY_VERIFY(p.pad(2)->isMarked());
    QCOMPARE(padCountText(p.window.get()), u"データ総数: 2"_s); // the pads left, saved or not
    VERIFY_NO_UNEXPECTED_BOXES(p.fakes.dialogs);
}

void TestDailyPlannerWindow::remove_cancel_keepsEverything()
{
    Planner p;
    QVERIFY(p.open());
    p.drag(false, 300, 400);
    p.pad(1)->keepPad();
    const auto bars = p.day().bars();
    p.fakes.dialogs.answers.push_back(Dialogs::Answer::Cancel);
    p.window->removeSelectedPad();
    QVERIFY(p.pad(1));
    QCOMPARE(p.day().bars(), bars);
    QTRY_VERIFY(p.pad(1)->isMarked());

    // No pad in the selected slot: nothing is asked.
    p.day().selectPad(5);
    p.window->removeSelectedPad();
    QCOMPARE(p.fakes.dialogs.shown.size(), 1);
}

void TestDailyPlannerWindow::close_dropsPads()
{
    Planner p;
    QVERIFY(p.open());
    p.drag(false, 300, 400);
    QTest::keyClick(p.window.get(), Qt::Key_Escape); // Esc does not throw the day away
    QVERIFY(p.window->isVisible());
    p.fakes.dialogs.answers = {Dialogs::Answer::No}; // "保存しない"
    p.window->close();
    QVERIFY(!p.window->isVisible());
    QVERIFY(p.window->findChildren<SchedulePad *>().isEmpty());
    QVERIFY(!p.dir.exists(u"AUBREL/Y200512/Y2005125.dtf"_s));
}

void TestDailyPlannerWindow::close_withEditsNotSaved_asksFirst_data()
{
    QTest::addColumn<QString>("edit"); // a pad dragged, or a memo after the pad was saved
    QTest::addColumn<Dialogs::Answer>("answer");
    QTest::newRow("dragged pad, save: kept and saved") << u"drag"_s << Dialogs::Answer::Yes;
    QTest::newRow("dragged pad, cancel") << u"drag"_s << Dialogs::Answer::Cancel;
    QTest::newRow("memo, close box, don't save") << u"memo"_s << Dialogs::Answer::No;
}

void TestDailyPlannerWindow::close_withEditsNotSaved_asksFirst()
{
    QFETCH(QString, edit);
    QFETCH(Dialogs::Answer, answer);
    Planner p;
    QVERIFY(p.open());
    p.drag(false, 300, 400);
    if (edit == u"memo") {
        p.pad(1)->keepPad();
        p.window->saveDay();
        p.day().setPadMemo(0, u"覚え書き"_s);
    }
    p.fakes.dialogs.answers = {answer};
    edit == u"drag" ? child<QPushButton>(p.window.get(), u"closeButton")->click() : void(p.window->close());
    QCOMPARE(p.fakes.dialogs.lastText(), u"変更を保存しますか？"_s);
    QCOMPARE(p.window->isVisible(), answer == Dialogs::Answer::Cancel);
    DayFile day;
    DayPlan::read(p.dir.file(u"AUBREL/Y200512/Y2005125.dtf"_s), &day);
    QCOMPARE(lastUsedBar(day.bars) == 1 && day.pads[0].memo == p.day().pads()[0].memo,
             answer == Dialogs::Answer::Yes);
}

void TestDailyPlannerWindow::scratchFile_keepsDiaryAndFileName()
{
    Planner p;
    DayFile today;
    today.setSourcePath(u"/w/AUBREL/Y200512/Y2005125.dtf"_s);
    today.diary.text1 = u"今日の日記"_s;
    p.dir.write(u"AUBREL/Y200512/Y2005125.dtf"_s, today.toBytes());
    DayFile scratch;
    scratch.setSourcePath(u"/w/other.dtf"_s);
    scratch.bars[0] = {u"L"_s, 0, 60, 0};
    scratch.pads[0].startHour = 6;
    scratch.diary.text1 = u"使われない"_s;
    p.dir.write(u"Temporary.dtf"_s, scratch.toBytes());
    QVERIFY(p.open());
    QVERIFY(p.window->loadDayFile(p.dir.file(u"Temporary.dtf"_s)));
    QVERIFY(p.pad(1));
    QCOMPARE(p.day().diary().text1, u"今日の日記"_s);
    QCOMPARE(child<QLineEdit>(p.window.get(), u"fileNameEdit")->text(), u"Y2005125.dtf"_s);
}

void TestDailyPlannerWindow::hints_goToTheWindowsStatusBar()
{
    Planner p;
    QVERIFY(p.open());
    p.drag(false, 300, 400);
    for (QWidget *w : {static_cast<QWidget *>(child<QPushButton>(p.pad(1), u"keepButton")),
                       child<QWidget>(p.window.get(), u"removePadButton")}) {
        QStatusTipEvent tip(w->statusTip());
        QApplication::sendEvent(w, &tip);
        QVERIFY(!w->statusTip().isEmpty());
        QVERIFY(!w->statusTip().contains(u'|'));
        QCOMPARE(child<QStatusBar>(p.window.get(), u"statusBar")->currentMessage(), w->statusTip());
    }
    // F1 opens the planner's own page.
    QTest::keyClick(p.window.get(), Qt::Key_F1);
    QCOMPARE(p.host.helpPage, u"daily.html"_s);
}

void TestDailyPlannerWindow::registerRoutine_fromTheKeptRecord_data()
{
    QTest::addColumn<bool>("right");
    QTest::addColumn<bool>("keep");
    QTest::addColumn<bool>("retype");  // the boxes change after "一時保存"
    QTest::addColumn<int>("routines"); // saved before
    QTest::addColumn<int>("number");   // of the new routine; 0: refused without a question
    QTest::addColumn<bool>("menu");    // from pad 1's pop-up menu while pad 2 has the focus
    QTest::newRow("a pad of the right pane gives 左") << true << true << false << 0 << 1 << false;
    QTest::newRow("boxes changed after 一時保存: the kept times") << false << true << true << 2 << 3 << false;
    QTest::newRow("never kept: empty texts, no times") << false << false << false << 0 << 1 << false;
    QTest::newRow("a ninth is refused") << false << true << false << 8 << 0 << false;
    QTest::newRow("the menu acts on its own pad") << false << true << false << 1 << 2 << true;
}

void TestDailyPlannerWindow::registerRoutine_fromTheKeptRecord()
{
    QFETCH(bool, right);
    QFETCH(bool, keep);
    QFETCH(bool, retype);
    QFETCH(int, routines);
    QFETCH(int, number);
    QFETCH(bool, menu);
    Planner p;
    QList<RoutineRecord> saved;
    for (int n = 1; n <= routines; ++n)
        saved << routineRecord(n, QString::number(n), 7, 8);
    p.writeRoutines(saved);
    QVERIFY(p.open());
    const QByteArray file = p.dir.read(u"Routines.rdf"_s);
    p.drag(right, 300, 400); // 8:30 to 9:20
    SchedulePad *pad = p.pad(1);
    child<QComboBox>(pad, u"keywordComboBox")->setEditText(u"会議"_s);
    if (keep)
        pad->keepPad();
    if (retype) {
        typeTimes(pad, u"10"_s, u"15"_s, false, u"11"_s, u"0"_s, false);
        child<QComboBox>(pad, u"keywordComboBox")->setEditText(u"後で"_s);
    }
    QVERIFY(pad->findChild<QMenu *>(u"padMenu"_s)->actions().contains(p.window->routineEntryAction()));
    pad->focusPad();
    QTRY_COMPARE(p.day().selectedPad(), 0);
    p.fakes.dialogs.clear();
    if (number)
        p.fakes.dialogs.answers.push_back(Dialogs::Answer::Ok);
    if (menu)
        registerFromPadMenu(p, pad);
    else
        child<QPushButton>(p.window.get(), u"registerRoutineButton")->click();
    VERIFY_NO_UNEXPECTED_BOXES(p.fakes.dialogs);
    QCOMPARE(p.dir.read(u"Routines.rdf"_s), file); // provisional: nothing is written
    if (!number) {
        QVERIFY(p.fakes.dialogs.shown.isEmpty());
        QCOMPARE(p.routines().routines(), p.routines().saved());
        return;
    }
    QCOMPARE(p.fakes.dialogs.lastText(),
             u"スケジュール・パッドNo. 1をルーチンとして仮登録します.\r\n\r\n処理を続行しますか？"_s);
    QCOMPARE(p.fakes.dialogs.shown.last().at, std::optional<QPoint>(QPoint(180, 250)));
    const RoutineRecord &r = p.routines().routines()[size_t(number - 1)];
    QCOMPARE(r.padNo, number);
    QCOMPARE(r.padLeft, 4);
    QCOMPARE(r.keyword, keep ? u"会議"_s : QString());
    const QList<int> times{r.startHour, r.startMinute, r.endHour, r.endMinute};
    QCOMPARE(times, keep ? (QList<int>{8, 30, 9, 20}) : (QList<int>{-1, -1, -1, -1}));
    QCOMPARE(r.padTop, keep ? 301 : 0);
    QVERIFY(r.showFlag);
    QCOMPARE(r.weekdays, (std::array<bool, 7>{true, true, true, true, true, true, true}));
    QCOMPARE(RoutineFile::countRoutines(p.routines().saved()), routines);
    // The count follows the working routines: up with the provisional one, down when "閉じる" drops it.
    QCOMPARE(padCountText(p.window.get(), u"ルーチン総数"_s), u"ルーチン総数: "_s + QString::number(number));
    p.window->runDialog = [](QDialog &d) { child<QPushButton>(&d, u"closeButton")->click(); };
    p.window->openRoutineSettings();
    QCOMPARE(padCountText(p.window.get(), u"ルーチン総数"_s),
             u"ルーチン総数: "_s + QString::number(routines));
}

void TestDailyPlannerWindow::showRoutines_ofTodaysWeekday_data()
{
    QTest::addColumn<QString>("shownDay"); // the day file on screen
    QTest::newRow("today, a Wednesday") << u"Y2005127.dtf"_s;
    QTest::newRow("a past Monday still takes Wednesday's") << u"Y2005125.dtf"_s;
}

void TestDailyPlannerWindow::showRoutines_ofTodaysWeekday()
{
    QFETCH(QString, shownDay);
    Planner p(QDate(2005, 12, 7));
    p.writeRoutines({routineRecord(1, u"水曜なし"_s, 8, 9, u"012456"_s),
                     routineRecord(2, u"隠す"_s, 8, 9, u"0123456"_s, false),
                     routineRecord(3, u"右"_s, 10, 11, u"3"_s, true, 351),
                     routineRecord(4, u"早い"_s, 7, 8)});
    DayFile day;
    day.setSourcePath(u"C:\\AUBREL\\Y200512\\"_s + shownDay);
    day.createdOn = 38691;
    day.bars[0] = {u"L"_s, 0, 60, 0};
    day.pads[0].padNo = 1;
    day.pads[0].startHour = 6;
    day.diary.title1 = u"日記"_s;
    day.diary.text2 = u"明日は"_s;
    const QString path = u"AUBREL/Y200512/"_s + shownDay;
    p.dir.write(path, day.toBytes());
    QVERIFY(p.open());
    if (shownDay != u"Y2005127.dtf"_s) {
        p.fakes.dialogs.fileNames.push_back(p.dir.file(path));
        p.window->openPastDay();
    }
    QCOMPARE(p.day().diary().title1, u"日記"_s);
    p.fakes.dialogs.answers.push_back(Dialogs::Answer::Ok);
    child<QPushButton>(p.window.get(), u"showRoutinesButton")->click();
    QCOMPARE(p.fakes.dialogs.lastText(),
             u"表示されているパッドを削除した後,ルーチンを表示します.\r\n\r\n処理を続行しますか？"_s);
    QCOMPARE(p.fakes.dialogs.shown.last().at, std::optional<QPoint>(QPoint(150, 250)));

    QCOMPARE(p.window->findChildren<SchedulePad *>().size(), 2);
    QCOMPARE(child<QComboBox>(p.pad(1), u"keywordComboBox")->currentText(), u"右"_s);
    QCOMPARE(p.pad(1)->pos(), QPoint(351, 481));
    QCOMPARE(child<QComboBox>(p.pad(2), u"keywordComboBox")->currentText(), u"早い"_s);
    QCOMPARE(p.day().bars()[0], (ScheduleBar{u"R"_s, 480, 600, 0x30}));
    QCOMPARE(p.day().bars()[1], (ScheduleBar{u"L"_s, 120, 240, 0x40}));
    QCOMPARE(p.day().diary(), DiaryRecord());
    QCOMPARE(child<QLineEdit>(p.window.get(), u"fileNameEdit")->text(), shownDay);
    QVERIFY(p.dir.exists(u"Temporary.dtf"_s));
    QTRY_VERIFY(p.pad(2)->isMarked());

    child<QPushButton>(p.window.get(), u"saveButton")->click();
    VERIFY_NO_UNEXPECTED_BOXES(p.fakes.dialogs);
    const QByteArray file = p.dir.read(path);
    QCOMPARE(file.left(264), day.toBytes().left(264)); // path and date kept
    for (int at : {10152, 10184, 10440, 10472})
        QCOMPARE(int(file.at(at)), 0); // the diary emptied
    const auto i32 = [&file](int at) { return qFromLittleEndian<qint32>(file.constData() + at); };
    QCOMPARE(i32(648), 1);
    QCOMPARE(i32(648 + 4), 351);
    QCOMPARE(file.mid(648 + 12, 3), QByteArray("\x02\x89\x45")); // "右"
    QCOMPARE(i32(648 + 396), 2);
    QCOMPARE(i32(648 + 2 * 396 + 116), -1);
}

void TestDailyPlannerWindow::diary_afterFirstSave_refusedPast255Bytes()
{
    Planner p;
    QVERIFY(p.open());
    int runs = 0;
    p.window->runDialog = [&runs](QDialog &d) {
        ++runs;
        d.show();
        QCOMPARE(d.pos(), QPoint(262, 62));
        QCOMPARE(child<QComboBox>(&d, u"titleComboBox1")->currentText(), u"タイトル1"_s);
        // 300 bytes: the last character that fits ends at byte 254.
        typeChars(child<SjisTextEdit>(&d, u"textEdit1"), u"ab"_s + QString(149, u'あ'));
        child<QPushButton>(&d, u"saveButton")->click();
    };
    child<QPushButton>(p.window.get(), u"diaryButton")->click();
    QCOMPARE(runs, 0); // "未作成": no diary yet
    child<QPushButton>(p.window.get(), u"saveButton")->click();
    child<QPushButton>(p.window.get(), u"diaryButton")->click();
    QCOMPARE(runs, 1);
    QCOMPARE(p.day().diary().text1, u"ab"_s + QString(126, u'あ'));
    QCOMPARE(p.day().diary().title2, u"タイトル2"_s);
    const QString file = u"AUBREL/Y200512/Y2005125.dtf"_s;
    QCOMPARE(int(p.dir.read(file).at(10184)), 0); // the working copy only
    child<QPushButton>(p.window.get(), u"saveButton")->click();
    QCOMPARE(quint8(p.dir.read(file).at(10184)), 254);
}

void TestDailyPlannerWindow::memo_ofSchedulePad2_goesToRecord2()
{
    Planner p;
    QVERIFY(p.open());
    p.drag(false, 300, 400);
    p.drag(true, 600, 700);
    p.pad(1)->keepPad();
    p.pad(2)->keepPad();
    QString caption;
    p.window->runDialog = [&caption](QDialog &d) {
        caption = d.windowTitle();
        QCOMPARE(child<QLineEdit>(&d, u"numberEdit")->text(), u"2"_s);
        child<SjisTextEdit>(&d, u"memoEdit")->setPlainText(u"覚え書き"_s);
        child<QPushButton>(&d, u"saveButton")->click();
    };
    p.pad(2)->findChild<QAction *>(u"memoAction"_s)->trigger();
    QCOMPARE(caption, u"スケジュール・パッドのメモ"_s);
    QCOMPARE(p.day().pads()[1].memo, u"覚え書き"_s);
    QCOMPARE(p.day().pads()[0].memo, QString());
    child<QPushButton>(p.pad(2), u"reviseButton")->click(); // the pad's buttons leave the memo alone
    QCOMPARE(p.day().pads()[1].memo, u"覚え書き"_s);
}

QTEST_MAIN(TestDailyPlannerWindow)
#include "tst_dailyplannerwindow.moc"
