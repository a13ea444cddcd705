#include "data/DaySerial.h"
#include "data/StepFile.h"
#include "step/JobCommentsPopup.h"
#include "step/StepNotebookWidget.h"
#include "step/StepPlannerWindow.h"
#include "support/Children.h"
#include "support/Fakes.h"
#include "support/StepBytes.h"
#include "support/TestFolder.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QDateEdit>
#include <QEnterEvent>
#include <QFontDatabase>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Column of a day in the December 2004 .. February 2005 window.
int col(int y, int m, int d)
{
    return int(QDate(2004, 12, 1).daysTo(QDate(y, m, d)));
}

// A job of January 2005 from the 18th to February 4th, with a few periods of its steps.
StepFile sampleFile()
{
    JobRecord job;
    job.dataNo = 7;
    job.title = u"見積書作成"_s;
    job.startDate = serial(2005, 1, 18);
    job.endDate = serial(2005, 2, 4);
    job.customer = u"北斗商事"_s;
    job.jobNo = u"J-105"_s;
    job.jobType = u"設計"_s;
    StepFile f = StepFile::newFor(job, 2005, 1, serial(2005, 1, 20), u"/p"_s);
    f.groups[0].groupTitle = u"全体"_s;
    f.groups[1].groupTitle = u"調査"_s;
    f.groups[1].revStart[0] = serial(2005, 1, 3);
    f.groups[1].revEnd[0] = serial(2005, 1, 6);
    f.groups[1].revStart[1] = serial(2005, 1, 10);
    f.groups[1].revEnd[1] = serial(2005, 1, 12);
    f.groups[2].actualStart = serial(2004, 12, 30);
    f.groups[2].actualEnd = serial(2005, 1, 2);
    f.groups[3].planStart = serial(2005, 2, 20);
    f.groups[3].planEnd = serial(2005, 3, 5);
    // Starts outside the three months: not drawn.
    f.groups[4].planStart = serial(2004, 11, 20);
    f.groups[4].planEnd = serial(2004, 12, 10);
    // The current revision lies outside; the older one must not stand in for it.
    f.groups[5].revStart[0] = serial(2005, 1, 5);
    f.groups[5].revEnd[0] = serial(2005, 1, 6);
    f.groups[5].revStart[1] = serial(2005, 6, 1);
    f.groups[5].revEnd[1] = serial(2005, 6, 2);
    return f;
}

QColor pixel(const QImage &image, int x, int y)
{
    return image.pixelColor(x, y);
}

int countColour(const QImage &image, const QRect &area, const QColor &colour)
{
    int n = 0;
    for (int x = area.left(); x <= area.right(); ++x)
        for (int y = area.top(); y <= area.bottom(); ++y)
            n += image.pixelColor(x, y) == colour;
    return n;
}

// Pixel in a strip of the middle of a day's column.
int xOf(int y, int m, int d)
{
    return 13 * col(y, m, d) + 6;
}

// A drag over a strip as the pointer makes it: press, move, release, in strip pixels.
void dragOn(QWidget *strip, int x1, int x2, Qt::MouseButton button = Qt::LeftButton)
{
    const auto send = [strip](QEvent::Type type, int x, Qt::MouseButton b, Qt::MouseButtons held) {
        QMouseEvent e(type, QPointF(x, 5), strip->mapToGlobal(QPointF(x, 5)), b, held, Qt::NoModifier);
        QApplication::sendEvent(strip, &e);
    };
    send(QEvent::MouseButtonPress, x1, button, button);
    send(QEvent::MouseMove, x2, Qt::NoButton, button);
    send(QEvent::MouseButtonRelease, x2, button, Qt::NoButton);
}

StepPeriod periodOf(const StepPlannerWindow &w, int row, StepKind kind)
{
    return w.workingStep().groups[row].period(kind, w.revisionCount(row));
}

StepPeriod days(QDate first, QDate last)
{
    return {DaySerial::fromDate(first), DaySerial::fromDate(last)};
}

void clickButton(const StepPlannerWindow &w, const QString &name)
{
    child<QAbstractButton>(w, name)->click();
}

void saveGrab(QWidget &w, const QString &name)
{
    const QString dir = qEnvironmentVariable("WRENLY_GRAB_DIR");
    if (!dir.isEmpty())
        w.grab().save(dir + u'/' + name);
}

} // namespace

class TestStepPlannerWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void newWindow_oneRadioGroup_memoAndSeparatorHidden();
    void sizeChart_ninetyDays_panelsFitTheColumns();
    void showStepFile_drawsEachStripsPeriod_data();
    void showStepFile_drawsEachStripsPeriod();
    void showStepFile_showsJobTitlesAndPeriod();
    void showStepFile_playsShutterOnlyWhenPresent();
    void header_sundaysRedOtherDaysBlack();
    void rows_gridShadesAndBarsInStripColours();
    void show_fillsScreenWidthAtTopLeft_onlyWidthResizes();
    void scrollToPlanEnd_putsPlanEndAtRightEdge();
    void wheel_scrollsTwentyPixelsPerNotch();
    void separator_shownFromStepRowMenu_followsClickedRow();
    void close_leavesFileUntouched();
    void close_withEditsNotSaved_asksFirst_data();
    void close_withEditsNotSaved_asksFirst();
    void save_writesTitlesCutToFieldAndKeepsTail();
    void save_missingFile_writesItAnewAndSays();
    void save_overTheBytesRead_andNeverOverAnotherProgramsChange();
    void drag_storesSnappedPeriodOfChosenStrip_data();
    void drag_storesSnappedPeriodOfChosenStrip();
    void drag_withoutShutter_toldAndNotStored();
    void drag_nearEdge_scrollsThenPausesOnTimer();
    void restore_takesPeriodBackFromFile_data();
    void restore_takesPeriodBackFromFile();
    void clear_unsetsTheStripMenuWasOpenedOn_data();
    void clear_unsetsTheStripMenuWasOpenedOn();
    void notebook_opensOnChosenStrip_data();
    void notebook_opensOnChosenStrip();
    void notebook_closeStoresPagesOfSetPeriodsOnly_data();
    void notebook_closeStoresPagesOfSetPeriodsOnly();
    void notebook_locksEditingWhileOpen();
    void notebook_historyPreviewUntilClosed_data();
    void notebook_historyPreviewUntilClosed();
    void save_whileNotebookOpen_asksFirst_data();
    void save_whileNotebookOpen_asksFirst();
    void saveAndReopen_reproducesEveryFieldByteForByte();
    void escape_leavesWindowOpen();
    void basicDataClick_showsCommentsUntilClicked();

private:
    FakeServices m_fakes;
    TestFolder m_folder;
};

void TestStepPlannerWindow::initTestCase()
{
    // As the program sets it.
    if (QFontDatabase::families().contains(u"IPAPGothic"_s))
        QApplication::setFont(QFont(u"IPAPGothic"_s, 9));
    m_folder.addShutter();
}

void TestStepPlannerWindow::newWindow_oneRadioGroup_memoAndSeparatorHidden()
{
    StepPlannerWindow w(m_folder.path(), m_fakes.services);
    QCOMPARE(w.windowTitle(), u"ステップ別管理 ～ STEP by STEP"_s);
    int usable = 0;
    for (QRadioButton *rb : w.findChildren<QRadioButton *>())
        usable += rb->isVisibleTo(&w) && rb->isEnabled();
    QCOMPARE(usable, 17);
    QVERIFY(!child<QRadioButton>(w, u"initialRadio0"_s)->isVisibleTo(&w));
    QVERIFY(!child<QRadioButton>(w, u"initialRadio0"_s)->isEnabled());
    QVERIFY(!child<QWidget>(w, u"notebookPanel"_s)->isVisibleTo(&w));
    QVERIFY(!child<QWidget>(w, u"separatorPanel"_s)->isVisibleTo(&w));
    // One group: choosing a radio button clears the one chosen before.
    child<QRadioButton>(w, u"revisedRadio1"_s)->click();
    child<QRadioButton>(w, u"actualRadio4"_s)->click();
    QVERIFY(!child<QRadioButton>(w, u"revisedRadio1"_s)->isChecked());
    QVERIFY(child<QRadioButton>(w, u"actualRadio4"_s)->isChecked());
}

void TestStepPlannerWindow::sizeChart_ninetyDays_panelsFitTheColumns()
{
    StepPlannerWindow w(m_folder.path(), m_fakes.services);
    w.sizeChart(StepMonths::around(2005, 1));
    QCOMPARE(child<QWidget>(w, u"initialStripPanel0"_s)->width(), 1169);
    QCOMPARE(child<QWidget>(w, u"actualStripPanel5"_s)->width(), 1169);
    QCOMPARE(child<QWidget>(w, u"headerPanel"_s)->width(), 1174);
    QCOMPARE(child<QWidget>(w, u"rowPanel3"_s)->width(), 1174);
    QCOMPARE(child<QWidget>(w, u"separatorPanel"_s)->width(), 1171);
    QCOMPARE(child<QWidget>(w, u"chartFrame"_s)->width(), 1176);
    QCOMPARE(child<QWidget>(w, u"headerPicture"_s)->height(), 58);
    const QList<int> tops = {61, 126, 191, 256, 321, 386};
    QCOMPARE(child<QWidget>(w, u"rowPanel0"_s)->y(), tops[0]);
    for (int r = 1; r < 6; ++r)
        QCOMPARE(child<QWidget>(w, u"rowPanel%1"_s.arg(r))->y(), tops[r]);
    QCOMPARE(child<QWidget>(w, u"revisedStripPanel2"_s)->geometry(), QRect(1, 25, 1169, 14));
    QCOMPARE(child<QScrollArea>(w, u"chartScrollArea"_s)->widget()->width(), 1186);
}

void TestStepPlannerWindow::showStepFile_drawsEachStripsPeriod_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("right");
    using K = StepPlannerWindow::Kind;
    QTest::newRow("overall plan is the job's period")
        << 0 << int(K::Initial) << 13 * col(2005, 1, 18) << 13 * (col(2005, 2, 4) + 1);
    QTest::newRow("overall without revisions") << 0 << int(K::Revised) << 0 << 0;
    QTest::newRow("revised shows the last revision")
        << 1 << int(K::Revised) << 13 * col(2005, 1, 10) << 13 * (col(2005, 1, 12) + 1);
    QTest::newRow("unset initial plan") << 1 << int(K::Initial) << 0 << 0;
    QTest::newRow("actual across the new year")
        << 2 << int(K::Actual) << 13 * col(2004, 12, 30) << 13 * (col(2005, 1, 2) + 1);
    QTest::newRow("plan past the last day")
        << 3 << int(K::Initial) << 13 * col(2005, 2, 20) << 13 * (col(2005, 3, 5) + 1);
    QTest::newRow("start before the window") << 4 << int(K::Initial) << 0 << 0;
    QTest::newRow("current revision outside") << 5 << int(K::Revised) << 0 << 0;
}

void TestStepPlannerWindow::showStepFile_drawsEachStripsPeriod()
{
    QFETCH(int, row);
    QFETCH(int, kind);
    QFETCH(int, left);
    QFETCH(int, right);
    StepPlannerWindow w(m_folder.path(), m_fakes.services);
    w.sizeChart(StepMonths::around(2005, 1));
    w.showStepFile(m_folder.file(u"x.vxs"_s), sampleFile());
    QCOMPARE(w.barPixels(row, StepPlannerWindow::Kind(kind)), (StepChart::BarPixels{left, right}));
}

void TestStepPlannerWindow::showStepFile_showsJobTitlesAndPeriod()
{
    StepPlannerWindow w(m_folder.path(), m_fakes.services);
    const StepFile f = sampleFile();
    w.showStepFile(m_folder.file(u"x.vxs"_s), f);
    const QList<std::pair<QString, QString>> boxes = {
        {u"dataNoEdit"_s, u"1月 No.7"_s},   {u"jobTitleEdit"_s, u"見積書作成"_s},
        {u"customerEdit"_s, u"北斗商事"_s}, {u"jobNoEdit"_s, u"J-105"_s},
        {u"jobTypeEdit"_s, u"設計"_s},      {u"rowTitleEdit0"_s, u"全体"_s},
        {u"rowTitleEdit1"_s, u"調査"_s},    {u"rowTitleEdit2"_s, QString()}};
    for (const auto &[name, text] : boxes)
        QCOMPARE(child<QLineEdit>(w, name)->text(), text);
    QCOMPARE(child<QDateEdit>(w, u"periodStartEdit"_s)->date(), QDate(2005, 1, 18));
    QCOMPARE(child<QDateEdit>(w, u"periodEndEdit"_s)->date(), QDate(2005, 2, 4));
    QCOMPARE(w.revisionCount(1), 2);
    QCOMPARE(w.revisionCount(0), 0);
    QCOMPARE(w.loadedStep(), f);
    QCOMPARE(w.workingStep(), f);
}

void TestStepPlannerWindow::showStepFile_playsShutterOnlyWhenPresent()
{
    TestFolder folder;
    FakeServices fakes;
    {
        StepPlannerWindow w(folder.path(), fakes.services);
        w.showStepFile(folder.file(u"x.vxs"_s), sampleFile());
    }
    QVERIFY(fakes.sound.played.isEmpty());
    QVERIFY(fakes.dialogs.shown.isEmpty());
    folder.addShutter();
    {
        StepPlannerWindow w(folder.path(), fakes.services);
        w.showStepFile(folder.file(u"x.vxs"_s), sampleFile());
    }
    QCOMPARE(fakes.sound.played, QStringList{folder.file(u"Shutter.wav"_s)});
}

void TestStepPlannerWindow::header_sundaysRedOtherDaysBlack()
{
    StepPlannerWindow w(m_folder.path(), m_fakes.services);
    w.showStepFile(m_folder.file(u"x.vxs"_s), sampleFile());
    QWidget *header = child<QWidget>(w, u"headerPicture"_s);
    const QImage img = header->grab().toImage();
    saveGrab(*header, u"step-header.png"_s);

    const QColor red(255, 0, 0), black(0, 0, 0), white(255, 255, 255), sky(166, 202, 240);
    // The pixels of one colour in the text area of a column.
    const auto count = [&img](int column, const QColor &colour) {
        return countColour(img, QRect(13 * column, 22, 13, 34), colour);
    };
    struct Case
    {
        QDate date;
        bool sunday;
    };
    for (const Case &c :
         {Case{QDate(2004, 12, 5), true}, Case{QDate(2005, 1, 2), true}, Case{QDate(2005, 2, 27), true},
          Case{QDate(2005, 1, 1), false}, Case{QDate(2005, 1, 3), false}}) {
        const int k = col(c.date.year(), c.date.month(), c.date.day());
        QVERIFY2((count(k, red) > 10) == c.sunday, qPrintable(c.date.toString()));
        QVERIFY2((count(k, black) > 10) == !c.sunday, qPrintable(c.date.toString()));
    }
    // Day lines start at y 20; a month's last day runs from y 2.
    QCOMPARE(pixel(img, 13 * 10, 10), sky);
    QCOMPARE(pixel(img, 13 * 10, 30), white);
    for (int end : {col(2004, 12, 31), col(2005, 1, 31), col(2005, 2, 28)}) {
        if (13 * (end + 1) < img.width()) {
            QCOMPARE(pixel(img, 13 * (end + 1), 3), white);
            QCOMPARE(pixel(img, 13 * (end + 1), 54), white);
        }
    }
    QCOMPARE(pixel(img, 13 * 10, 56), sky);
}

void TestStepPlannerWindow::rows_gridShadesAndBarsInStripColours()
{
    StepPlannerWindow w(m_folder.path(), m_fakes.services);
    w.showStepFile(m_folder.file(u"x.vxs"_s), sampleFile());
    QWidget *row = child<QWidget>(w, u"rowPanel0"_s);
    saveGrab(*row, u"step-row0.png"_s);
    // The grid surface sits inside the row panel's 1-pixel bevel; y 3 is above the top strip.
    const QImage grid = row->grab().toImage();
    const auto gridAt = [&grid](int column) { return pixel(grid, 1 + 13 * (column + 1), 3); };
    QCOMPARE(gridAt(col(2005, 1, 10)), QColor(0, 0, 0));
    QCOMPARE(gridAt(col(2005, 1, 20)), QColor(0, 0, 0));
    QCOMPARE(gridAt(col(2004, 12, 30)), QColor(0, 0, 0));
    QCOMPARE(gridAt(col(2005, 1, 15)), QColor(128, 128, 128));
    QCOMPARE(gridAt(col(2004, 12, 31)), QColor(128, 128, 128));
    QCOMPARE(gridAt(col(2005, 2, 28)), QColor(128, 128, 128));
    QCOMPARE(gridAt(col(2005, 1, 11)), QColor(255, 255, 255));
    QCOMPARE(pixel(grid, 1 + 13 * (col(2005, 1, 11) + 1) - 3, 3), QColor(166, 202, 240));

    struct Case
    {
        QString strip;
        QColor bar;
        QColor background;
        int first; // columns of the bar's first and last day
        int last;
    };
    const QList<Case> cases = {
        {u"initialStrip0"_s, QColor(221, 0, 0), QColor(238, 238, 238), col(2005, 1, 18), col(2005, 2, 4)},
        {u"revisedStrip1"_s, QColor(0, 221, 0), QColor(221, 221, 221), col(2005, 1, 10), col(2005, 1, 12)},
        {u"actualStrip2"_s, QColor(0, 0, 221), QColor(204, 204, 204), col(2004, 12, 30), col(2005, 1, 2)},
        {u"initialStrip3"_s, QColor(238, 128, 0), QColor(238, 238, 238), col(2005, 2, 20), col(2005, 3, 5)},
    };
    for (const Case &c : cases) {
        QWidget *strip = child<QWidget>(w, c.strip);
        const QImage img = strip->grab().toImage();
        QCOMPARE(img.height(), 12);
        const int left = 13 * c.first;
        const int right = qMin(13 * (c.last + 1), img.width()); // clipped at the strip's end
        for (int y : {0, 11}) {
            QCOMPARE(pixel(img, left, y), c.bar);
            QCOMPARE(pixel(img, right - 1, y), c.bar);
            QCOMPARE(pixel(img, left - 1, y), c.background);
            if (right < img.width())
                QCOMPARE(pixel(img, right, y), c.background);
        }
    }
    // An empty strip is background only.
    const QImage empty = child<QWidget>(w, u"initialStrip4"_s)->grab().toImage();
    for (int x = 0; x < empty.width(); x += 7)
        QCOMPARE(pixel(empty, x, 6), QColor(238, 238, 238));
}

void TestStepPlannerWindow::show_fillsScreenWidthAtTopLeft_onlyWidthResizes()
{
    StepPlannerWindow w(m_folder.path(), m_fakes.services);
    w.showStepFile(m_folder.file(u"x.vxs"_s), sampleFile());
    w.show();
    const QRect area = w.screen()->availableGeometry();
    QCOMPARE(w.pos(), area.topLeft());
    QCOMPARE(w.width(), qMax(800, area.width()));
    QCOMPARE(w.height(), 600);
    QCOMPARE(child<QLabel>(w, u"noteLabel"_s)->text(),
             u"本ウィンドウは\n幅方向にのみ\n伸縮可能です.\n(800pixel以上)"_s);
    saveGrab(w, u"step-window.png"_s);

    struct Case
    {
        QSize asked;
        QSize got;
    };
    for (const Case &c : {Case{{700, 700}, {800, 600}}, Case{{1000, 500}, {1000, 600}},
                          Case{{1300, 600}, {1300, 600}}, Case{{200, 100}, {800, 600}}}) {
        w.resize(c.asked);
        QCOMPARE(w.size(), c.got);
    }
    // The chart widens with the window.
    w.resize(800, 600);
    const int narrow = child<QWidget>(w, u"chartScrollArea"_s)->width();
    w.resize(1100, 600);
    QCOMPARE(child<QWidget>(w, u"chartScrollArea"_s)->width(), narrow + 300);
    saveGrab(w, u"step-window-wide.png"_s);
    w.hide();
}

void TestStepPlannerWindow::scrollToPlanEnd_putsPlanEndAtRightEdge()
{
    StepPlannerWindow w(m_folder.path(), m_fakes.services);
    w.showStepFile(m_folder.file(u"x.vxs"_s), sampleFile());
    w.show();
    QScrollArea *box = child<QScrollArea>(w, u"chartScrollArea"_s);
    QScrollBar *bar = box->horizontalScrollBar();
    const int right = 13 * (col(2005, 2, 4) + 1);
    QCOMPARE(bar->value(), qBound(0, right - box->viewport()->width() + 13, bar->maximum()));
    // The plan's last day stands inside the view, near its right edge.
    QWidget *strip = child<QWidget>(w, u"initialStrip0"_s);
    const int endInView = strip->mapTo(box->viewport(), QPoint(right - 1, 0)).x();
    QVERIFY(endInView < box->viewport()->width());
    QVERIFY(endInView > box->viewport()->width() - 20);

    w.hide();
}

void TestStepPlannerWindow::wheel_scrollsTwentyPixelsPerNotch()
{
    StepPlannerWindow w(m_folder.path(), m_fakes.services);
    w.showStepFile(m_folder.file(u"x.vxs"_s), sampleFile());
    w.show();
    QScrollArea *box = child<QScrollArea>(w, u"chartScrollArea"_s);
    QScrollBar *bar = box->horizontalScrollBar();
    bar->setValue(50);
    // Turns over other controls reach the window, their parent, as real wheel events do.
    const QList<std::tuple<QWidget *, int, int>> turns = {
        {box->viewport(), -120, 70}, {box->viewport(), 120, 50}, {&w, -240, 90}, {bar, 120, 70},
        {box->viewport(), -60, 70},  {box->viewport(), -60, 90}};
    for (const auto &[target, delta, value] : turns) {
        QWheelEvent e(QPointF(5, 5), target->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &e);
        QCOMPARE(bar->value(), value);
    }
    w.hide();
}

void TestStepPlannerWindow::separator_shownFromStepRowMenu_followsClickedRow()
{
    StepPlannerWindow w(m_folder.path(), m_fakes.services);
    w.showStepFile(m_folder.file(u"x.vxs"_s), sampleFile());
    QWidget *separator = child<QWidget>(w, u"separatorPanel"_s);
    QAction *item = w.findChild<QAction *>(u"separatorAction"_s);
    QMenu *menu = w.findChild<QMenu *>(u"chartMenu"_s);
    const auto openMenuOn = [&](const QString &name) {
        QWidget *target = child<QWidget>(w, name);
        QContextMenuEvent e(QContextMenuEvent::Mouse, QPoint(3, 3), target->mapToGlobal(QPoint(3, 3)));
        QApplication::sendEvent(target, &e);
        menu->hide();
    };
    const auto clickOn = [&](const QString &name) {
        QWidget *target = child<QWidget>(w, name);
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(4, 4));
    };

    openMenuOn(u"initialStrip0"_s);
    item->trigger();
    QVERIFY(!separator->isVisibleTo(&w));
    QVERIFY(!item->isChecked());

    openMenuOn(u"revisedStrip3"_s);
    item->trigger();
    QVERIFY(separator->isVisibleTo(&w));
    QVERIFY(item->isChecked());
    QCOMPARE(separator->y(), 248);

    clickOn(u"rowGrid5"_s);
    QCOMPARE(separator->y(), 378);
    clickOn(u"initialStripPanel1"_s); // the strip's border belongs to its row as well
    QCOMPARE(separator->y(), 118);
    clickOn(u"actualStrip0"_s);
    QCOMPARE(separator->y(), 118);

    // The ruler: grey ticks at the day lines, white day numbers on light blue.
    const QImage ruler = child<QWidget>(w, u"separatorPicture"_s)->grab().toImage();
    QCOMPARE(pixel(ruler, 13 * 5, 2), QColor(128, 128, 128));
    QCOMPARE(pixel(ruler, 13 * 5, 11), QColor(128, 128, 128));
    QCOMPARE(pixel(ruler, 13 * 5, 13), QColor(192, 192, 255));
    QVERIFY(countColour(ruler, QRect(13 * 12, 0, 13, 15), QColor(255, 255, 255)) > 5);

    openMenuOn(u"rowGrid2"_s);
    item->trigger();
    QVERIFY(!separator->isVisibleTo(&w));
    QVERIFY(!item->isChecked());
    clickOn(u"rowGrid4"_s);
    QCOMPARE(separator->y(), 118);
}

void TestStepPlannerWindow::close_leavesFileUntouched()
{
    TestFolder folder;
    const QByteArray before = sampleFile().toBytes();
    folder.write(u"a.vxs"_s, before);
    StepPlannerWindow w(folder.path(), m_fakes.services);
    w.showStepFile(folder.file(u"a.vxs"_s), sampleFile());
    child<QLineEdit>(w, u"rowTitleEdit2"_s)->setText(u"typed"_s);
    m_fakes.dialogs.answers = {Dialogs::Answer::No}; // "保存しない"
    child<QPushButton>(w, u"closeButton"_s)->click();
    QCOMPARE(w.result(), int(QDialog::Rejected));
    QCOMPARE(folder.read(u"a.vxs"_s), before);
}

void TestStepPlannerWindow::close_withEditsNotSaved_asksFirst_data()
{
    using A = Dialogs::Answer;
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QList<A>>("answer");
    QTest::newRow("a title typed again as it was: closes at once") << u"none"_s << QList<A>{};
    QTest::newRow("dragged bar, save") << u"bar"_s << QList<A>{A::Yes};
    QTest::newRow("dragged bar, don't save") << u"bar"_s << QList<A>{A::No};
    QTest::newRow("dragged bar, cancel") << u"bar"_s << QList<A>{A::Cancel};
    QTest::newRow("memo in the open notebook, close box, save") << u"memo"_s << QList<A>{A::Yes};
}

void TestStepPlannerWindow::close_withEditsNotSaved_asksFirst()
{
    QFETCH(QString, edit);
    QFETCH(QList<Dialogs::Answer>, answer);
    m_folder.write(u"a.vxs"_s, sampleFile().toBytes());
    FakeServices fakes;
    fakes.dialogs.answers.assign(answer.begin(), answer.end());
    StepPlannerWindow w(m_folder.path(), fakes.services);
    w.showStepFile(m_folder.file(u"a.vxs"_s), sampleFile());
    w.show();
    child<QLineEdit>(w, u"rowTitleEdit1"_s)->setText(sampleFile().groups[1].groupTitle);
    clickButton(w, edit == u"bar" ? u"actualRadio3"_s : u"revisedRadio1"_s);
    if (edit == u"bar")
        dragOn(child<QWidget>(w, u"actualStrip3"_s), xOf(2005, 1, 20), xOf(2005, 1, 24));
    if (edit == u"memo") {
        clickButton(w, u"memoButton1"_s); // the stored revision's page
        child<QPlainTextEdit>(w, u"pageMemoEdit1"_s)->insertPlainText(u"打合せ"_s);
    }
    edit == u"bar" ? clickButton(w, u"closeButton"_s) : void(w.close());
    QCOMPARE(fakes.dialogs.count(FakeDialogs::Kind::AskSave), answer.size());
    QCOMPARE(w.isVisible(), answer == QList{Dialogs::Answer::Cancel});
    QCOMPARE(m_folder.read(u"a.vxs"_s) != sampleFile().toBytes(), answer == QList{Dialogs::Answer::Yes});
}

void TestStepPlannerWindow::save_writesTitlesCutToFieldAndKeepsTail()
{
    TestFolder folder;
    folder.write(u"a.vxs"_s, sampleFile().toBytes() + QByteArray("TAIL"));
    StepPlannerWindow w(folder.path(), m_fakes.services);
    w.showStepFile(folder.file(u"a.vxs"_s), sampleFile());
    child<QLineEdit>(w, u"rowTitleEdit2"_s)->setText(QString(20, u'段'));
    child<QLineEdit>(w, u"rowTitleEdit0"_s)->clear();
    child<QPushButton>(w, u"saveButton"_s)->click();
    QCOMPARE(w.result(), int(QDialog::Accepted));

    const QByteArray after = folder.read(u"a.vxs"_s);
    QCOMPARE(after.size(), 12672 + 4);
    QCOMPARE(after.right(4), QByteArray("TAIL"));
    const int g2 = 720 + 1992 * 2;
    QCOMPARE(int(quint8(after[g2])), 30); // 15 double-byte characters fit in 31 bytes
    QCOMPARE(int(quint8(after[720])), 0);
    QCOMPARE(w.loadedStep().groups[2].groupTitle, QString(15, u'段'));
    QCOMPARE(w.loadedStep(), w.workingStep());
}

void TestStepPlannerWindow::save_missingFile_writesItAnewAndSays()
{
    TestFolder folder;
    FakeServices fakes;
    StepPlannerWindow w(folder.path(), fakes.services);
    w.showStepFile(folder.file(u"gone.vxs"_s), sampleFile());
    child<QLineEdit>(w, u"rowTitleEdit2"_s)->setText(u"typed"_s);
    child<QPushButton>(w, u"saveButton"_s)->click();
    QCOMPARE(w.result(), int(QDialog::Accepted));
    QCOMPARE(fakes.dialogs.count(FakeDialogs::Kind::Inform), 1);
    QVERIFY(fakes.dialogs.lastText().contains(folder.file(u"gone.vxs"_s)));
    QCOMPARE(StepFile::fromBytes(folder.read(u"gone.vxs"_s)), w.workingStep());
    QCOMPARE(w.workingStep().groups[2].groupTitle, u"typed"_s);
}

void TestStepPlannerWindow::save_overTheBytesRead_andNeverOverAnotherProgramsChange()
{
    TestFolder folder;
    QByteArray bytes = sampleFile().toBytes();
    const int g3 = 720 + 1992 * 3;
    bytes[g3] = 3;
    bytes.replace(g3 + 1, 3, "ab\x88"); // a title ending in half a character
    folder.write(u"a.vxs"_s, bytes);
    StepFile step;
    SafeFile::Snapshot snapshot;
    QVERIFY(StepFile::read(folder.file(u"a.vxs"_s), &step, &snapshot));
    FakeServices fakes;
    StepPlannerWindow w(folder.path(), fakes.services);
    w.showStepFile(folder.file(u"a.vxs"_s), step, snapshot);
    w.setResult(-1);
    child<QLineEdit>(w, u"rowTitleEdit2"_s)->setText(u"typed"_s);

    QByteArray theirs = bytes;
    theirs[100] = 'x'; // another program writes in the meantime
    folder.write(u"a.vxs"_s, theirs);
    child<QPushButton>(w, u"saveButton"_s)->click();
    QCOMPARE(w.result(), -1);
    QCOMPARE(folder.read(u"a.vxs"_s), theirs);
    QVERIFY(fakes.dialogs.lastText().contains(u"ほかのプログラムによって変更されています"_s));

    // Saved again: over what is now on disk, the untouched title byte for byte.
    child<QPushButton>(w, u"saveButton"_s)->click();
    QCOMPARE(w.result(), int(QDialog::Accepted));
    const QByteArray after = folder.read(u"a.vxs"_s);
    QCOMPARE(after[100], 'x');
    QCOMPARE(after.mid(g3, 4), bytes.mid(g3, 4));
    QCOMPARE(StepFile::fromBytes(after).groups[2].groupTitle, u"typed"_s);
}

void TestStepPlannerWindow::drag_storesSnappedPeriodOfChosenStrip_data()
{
    QTest::addColumn<QString>("radio");
    QTest::addColumn<QString>("strip");
    QTest::addColumn<int>("x1");
    QTest::addColumn<int>("x2");
    QTest::addColumn<QDate>("first"); // invalid: nothing stored
    QTest::addColumn<QDate>("last");
    const QDate none;
    QTest::newRow("step initial") << u"initialRadio2"_s << u"initialStrip2"_s << xOf(2005, 1, 5)
                                  << xOf(2005, 1, 9) << QDate(2005, 1, 5) << QDate(2005, 1, 9);
    QTest::newRow("revision after two stored")
        << u"revisedRadio1"_s << u"revisedStrip1"_s << xOf(2005, 1, 20) << xOf(2005, 1, 24)
        << QDate(2005, 1, 20) << QDate(2005, 1, 24);
    QTest::newRow("right to left") << u"actualRadio3"_s << u"actualStrip3"_s << xOf(2005, 2, 3)
                                   << xOf(2005, 1, 28) << QDate(2005, 1, 28) << QDate(2005, 2, 3);
    QTest::newRow("one day") << u"actualRadio0"_s << u"actualStrip0"_s << 13 * col(2005, 1, 15)
                             << 13 * col(2005, 1, 15) + 12 << QDate(2005, 1, 15) << QDate(2005, 1, 15);
    QTest::newRow("released left of the strip")
        << u"initialRadio4"_s << u"initialStrip4"_s << xOf(2004, 12, 3) << -30 << QDate(2004, 12, 1)
        << QDate(2004, 12, 3);
    QTest::newRow("released past the end") << u"initialRadio4"_s << u"initialStrip4"_s << xOf(2005, 2, 26)
                                           << 5000 << QDate(2005, 2, 26) << QDate(2005, 2, 28);
    QTest::newRow("another strip chosen")
        << u"revisedRadio2"_s << u"initialStrip2"_s << 10 << 100 << none << none;
    QTest::newRow("row locked") << u"initialRadio2"_s << u"initialStrip2"_s << 10 << 100 << none << none;
    QTest::newRow("right button") << u"initialRadio2"_s << u"initialStrip2"_s << 10 << 100 << none << none;
}

void TestStepPlannerWindow::drag_storesSnappedPeriodOfChosenStrip()
{
    QFETCH(QString, radio);
    QFETCH(QString, strip);
    QFETCH(int, x1);
    QFETCH(int, x2);
    QFETCH(QDate, first);
    QFETCH(QDate, last);
    StepPlannerWindow w(m_folder.path(), m_fakes.services);
    w.showStepFile(m_folder.file(u"x.vxs"_s), sampleFile());
    const int row = strip.right(1).toInt();
    const auto kind = StepKind(
        QStringList{u"initial"_s, u"revised"_s, u"actual"_s}.indexOf(strip.section(u"Strip"_s, 0, 0)));
    const StepPeriod before = periodOf(w, row, kind);
    const StepChart::BarPixels barBefore = w.barPixels(row, kind);
    clickButton(w, radio);
    if (QByteArray(QTest::currentDataTag()) == "row locked")
        clickButton(w, u"lockButton%1"_s.arg(row));
    dragOn(child<QWidget>(w, strip), x1, x2,
           QByteArray(QTest::currentDataTag()) == "right button" ? Qt::RightButton : Qt::LeftButton);

    if (!first.isValid()) {
        QCOMPARE(periodOf(w, row, kind), before);
        QCOMPARE(w.barPixels(row, kind), barBefore);
        return;
    }
    QCOMPARE(periodOf(w, row, kind), days(first, last));
    QCOMPARE(w.barPixels(row, kind),
             (StepChart::BarPixels{13 * col(first.year(), first.month(), first.day()),
                                   13 * (col(last.year(), last.month(), last.day()) + 1)}));
    QCOMPARE(child<QDateEdit>(w, u"periodStartEdit"_s)->date(), first);
    QCOMPARE(child<QDateEdit>(w, u"periodEndEdit"_s)->date(), last);
    // Only the period: the stored revisions and every date and memo stay.
    StepFile expected = sampleFile();
    expected.groups[row].setPeriod(kind, w.revisionCount(row), days(first, last));
    QCOMPARE(w.workingStep(), expected);
}

void TestStepPlannerWindow::drag_withoutShutter_toldAndNotStored()
{
    TestFolder folder;
    FakeServices fakes;
    StepPlannerWindow w(folder.path(), fakes.services);
    w.showStepFile(folder.file(u"x.vxs"_s), sampleFile());
    clickButton(w, u"revisedRadio1"_s);
    dragOn(child<QWidget>(w, u"revisedStrip1"_s), xOf(2005, 1, 20), xOf(2005, 1, 24));
    QCOMPARE(fakes.dialogs.count(FakeDialogs::Kind::Captioned), 2); // choosing and dropping
    QCOMPARE(fakes.dialogs.shown.last().caption, u"ファイルが存在しません"_s);
    QCOMPARE(w.workingStep(), sampleFile());
    // The strip shows the stored revision again, not the rectangle dragged.
    QCOMPARE(w.barPixels(1, StepKind::Revised).left, 13 * col(2005, 1, 10));
    QCOMPARE(child<QDateEdit>(w, u"periodStartEdit"_s)->date(), QDate(2005, 1, 18));
}

void TestStepPlannerWindow::drag_nearEdge_scrollsThenPausesOnTimer()
{
    StepPlannerWindow w(m_folder.path(), m_fakes.services);
    w.showStepFile(m_folder.file(u"x.vxs"_s), sampleFile());
    w.show();
    QWidget *strip = child<QWidget>(w, u"actualStrip1"_s);
    QScrollArea *box = child<QScrollArea>(w, u"chartScrollArea"_s);
    QScrollBar *bar = box->horizontalScrollBar();
    bar->setValue(100);
    clickButton(w, u"actualRadio1"_s);
    const auto send = [strip](QEvent::Type type, int x) {
        QMouseEvent e(type, QPointF(x, 5), strip->mapToGlobal(QPointF(x, 5)), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(strip, &e);
    };
    send(QEvent::MouseButtonPress, 400);
    // The pointer's x in the chart where the view ends.
    const int viewEnd = strip->mapFrom(box->viewport(), QPoint(box->viewport()->width(), 0)).x();
    send(QEvent::MouseMove, viewEnd - 20);
    QCOMPARE(bar->value(), 105);
    send(QEvent::MouseMove, viewEnd - 10); // within the pause: ignored
    QCOMPARE(bar->value(), 105);
    QCOMPARE(w.barPixels(1, StepKind::Actual), (StepChart::BarPixels{400, viewEnd - 20}));
    // Once the pause has run out (moves meanwhile are ignored), the next move scrolls again. Tried
    // until then: a busy machine may run the event loop late.
    QTRY_VERIFY_WITH_TIMEOUT((send(QEvent::MouseMove, viewEnd - 10), bar->value() == 110), 2000);
    const int viewStart = strip->mapFrom(box->viewport(), QPoint(0, 0)).x();
    QTRY_VERIFY_WITH_TIMEOUT((send(QEvent::MouseMove, viewStart + 5), bar->value() == 105), 2000);
    send(QEvent::MouseButtonRelease, 410);
    QCOMPARE(periodOf(w, 1, StepKind::Actual).start, DaySerial::fromDate(QDate(2004, 12, 31)));
    w.hide();
}

void TestStepPlannerWindow::restore_takesPeriodBackFromFile_data()
{
    QTest::addColumn<QString>("radio");
    QTest::addColumn<int>("revisions");
    QTest::addColumn<bool>("restored");
    QTest::newRow("fifth revision") << u"revisedRadio4"_s << 5 << true;
    QTest::newRow("fewer revisions") << u"revisedRadio4"_s << 4 << false;
    QTest::newRow("initial") << u"initialRadio4"_s << 5 << true;
    QTest::newRow("actual") << u"actualRadio4"_s << 0 << true;
}

void TestStepPlannerWindow::restore_takesPeriodBackFromFile()
{
    QFETCH(QString, radio);
    QFETCH(int, revisions);
    QFETCH(bool, restored);
    StepFile f = sampleFile();
    StepGroup &g = f.groups[4];
    g.planStart = serial(2005, 1, 2); // the initial plan before the window is drawn from here too
    for (int i = 0; i < revisions; ++i) {
        g.revStart[i] = serial(2005, 1, 2 + i);
        g.revEnd[i] = serial(2005, 1, 4 + i);
    }
    StepPlannerWindow w(m_folder.path(), m_fakes.services);
    w.showStepFile(m_folder.file(u"x.vxs"_s), f);
    const auto kind = StepKind(
        QStringList{u"initial"_s, u"revised"_s, u"actual"_s}.indexOf(radio.section(u"Radio"_s, 0, 0)));
    const StepChart::BarPixels stored = w.barPixels(4, kind);
    clickButton(w, radio);
    dragOn(child<QWidget>(w, QString(radio).replace(u"Radio"_s, u"Strip"_s)), xOf(2005, 2, 1),
           xOf(2005, 2, 3));
    const StepPeriod dragged = periodOf(w, 4, kind);
    QCOMPARE(dragged, days(QDate(2005, 2, 1), QDate(2005, 2, 3)));
    clickButton(w, u"restoreButton3"_s); // another row's button does nothing
    clickButton(w, u"restoreButton4"_s);
    QCOMPARE(periodOf(w, 4, kind), restored ? f.groups[4].period(kind, revisions) : dragged);
    if (restored)
        QCOMPARE(w.barPixels(4, kind), stored);
    // Without a chosen radio button the restore does nothing.
    clickButton(w, u"lockButton4"_s);
    dragOn(child<QWidget>(w, QString(radio).replace(u"Radio"_s, u"Strip"_s)), 10, 50);
    clickButton(w, u"restoreButton4"_s);
    QCOMPARE(periodOf(w, 4, kind), restored ? f.groups[4].period(kind, revisions) : dragged);
}

void TestStepPlannerWindow::clear_unsetsTheStripMenuWasOpenedOn_data()
{
    QTest::addColumn<QString>("surface");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("cleared");
    QTest::newRow("overall initial") << u"initialStrip0"_s << 0 << int(StepKind::Initial) << false;
    QTest::newRow("revision") << u"revisedStrip1"_s << 1 << int(StepKind::Revised) << true;
    QTest::newRow("actual") << u"actualStrip2"_s << 2 << int(StepKind::Actual) << true;
    QTest::newRow("grid") << u"rowGrid3"_s << 3 << int(StepKind::Initial) << false;
}

void TestStepPlannerWindow::clear_unsetsTheStripMenuWasOpenedOn()
{
    QFETCH(QString, surface);
    QFETCH(int, row);
    QFETCH(int, kind);
    QFETCH(bool, cleared);
    StepPlannerWindow w(m_folder.path(), m_fakes.services);
    w.showStepFile(m_folder.file(u"x.vxs"_s), sampleFile());
    // A revision dragged in this opening is the one cleared; the stored ones stay.
    clickButton(w, u"revisedRadio1"_s);
    dragOn(child<QWidget>(w, u"revisedStrip1"_s), xOf(2005, 1, 20), xOf(2005, 1, 22));
    const StepFile before = w.workingStep();
    const StepChart::BarPixels bar = w.barPixels(row, StepKind(kind));
    QWidget *target = child<QWidget>(w, surface);
    QContextMenuEvent e(QContextMenuEvent::Mouse, QPoint(3, 3), target->mapToGlobal(QPoint(3, 3)));
    QApplication::sendEvent(target, &e);
    w.findChild<QMenu *>(u"chartMenu"_s)->hide();
    w.findChild<QAction *>(u"clearBarAction"_s)->trigger();

    StepFile expected = before;
    if (cleared)
        expected.groups[row].setPeriod(StepKind(kind), w.revisionCount(row), StepPeriod{});
    QCOMPARE(w.workingStep(), expected);
    QCOMPARE(w.barPixels(row, StepKind(kind)), cleared ? StepChart::BarPixels{} : bar);
}

void TestStepPlannerWindow::notebook_opensOnChosenStrip_data()
{
    QTest::addColumn<QString>("radio"); // empty: none chosen
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("kindText"); // empty: the notebook stays closed
    QTest::addColumn<QStringList>("history");
    QTest::addColumn<int>("pages");
    QTest::addColumn<int>("active");
    QTest::addColumn<QDate>("pageOneDate");
    QTest::newRow("step initial never dragged")
        << u"initialRadio2"_s << 2 << u"当初計画"_s << QStringList() << 1 << 0 << QDate(2005, 1, 1);
    QTest::newRow("overall, nothing chosen")
        << QString() << 0 << u"当初計画"_s << QStringList{u"2005/01/18 - 2005/02/04"_s} << 1 << 0
        << QDate(2005, 1, 20);
    QTest::newRow("two revisions") << u"revisedRadio1"_s << 1 << u"修正計画"_s
                                   << QStringList{u"2005/01/03 - 2005/01/06"_s, u"2005/01/10 - 2005/01/12"_s}
                                   << 3 << 1 << QDate(2005, 1, 1);
    QTest::newRow("overall while a step is chosen")
        << u"actualRadio3"_s << 0 << QString() << QStringList() << 0 << 0 << QDate();
    QTest::newRow("step with nothing chosen")
        << QString() << 4 << QString() << QStringList() << 0 << 0 << QDate();
}

void TestStepPlannerWindow::notebook_opensOnChosenStrip()
{
    QFETCH(QString, radio);
    QFETCH(int, row);
    QFETCH(QString, kindText);
    QFETCH(QStringList, history);
    QFETCH(int, pages);
    QFETCH(int, active);
    QFETCH(QDate, pageOneDate);
    StepPlannerWindow w(m_folder.path(), m_fakes.services);
    w.showStepFile(m_folder.file(u"x.vxs"_s), sampleFile());
    if (!radio.isEmpty())
        clickButton(w, radio);
    clickButton(w, u"memoButton%1"_s.arg(row));
    QCOMPARE(w.isNotebookOpen(), !kindText.isEmpty());
    if (kindText.isEmpty()) {
        QCOMPARE(child<QPushButton>(w, u"memoButton%1"_s.arg(row))->text(), u"メモ"_s);
        return;
    }
    QVERIFY(child<QWidget>(w, u"notebookPanel"_s)->isVisibleTo(&w));
    QCOMPARE(child<QPushButton>(w, u"memoButton%1"_s.arg(row))->text(), u"メモ閉"_s);
    QCOMPARE(child<QLineEdit>(w, u"rowNameEdit"_s)->text(),
             row == 0 ? u"全体日程"_s : u"ステップ%1"_s.arg(row));
    QCOMPARE(child<QLineEdit>(w, u"kindNameEdit"_s)->text(), kindText);
    auto *list = child<QListWidget>(w, u"historyList"_s);
    QStringList entries;
    for (int i = 0; i < list->count(); ++i)
        entries << list->item(i)->text();
    QCOMPARE(entries, history);
    QCOMPARE(list->currentRow(), int(history.size()) - 1);
    auto *tabs = child<QTabWidget>(w, u"pageTabs"_s);
    for (int i = 0; i < 5; ++i)
        QCOMPARE(tabs->isTabVisible(i), i < pages);
    QCOMPARE(tabs->currentIndex(), active);
    QCOMPARE(w.findChild<StepNotebookWidget *>()->highlightedPage(), active);
    QCOMPARE(child<QDateEdit>(w, u"pageDateEdit1"_s)->date(), pageOneDate);
    QCOMPARE(w.findChild<QButtonGroup *>()->checkedId(), -1);
}

void TestStepPlannerWindow::notebook_closeStoresPagesOfSetPeriodsOnly_data()
{
    QTest::addColumn<QString>("radio");
    QTest::addColumn<bool>("dragFirst");
    QTest::addColumn<int>("page"); // 1-based
    QTest::newRow("initial never dragged: dropped") << u"initialRadio2"_s << false << 1;
    QTest::newRow("initial dragged") << u"initialRadio2"_s << true << 1;
    QTest::newRow("new revision's page, not dragged: dropped") << u"revisedRadio1"_s << false << 3;
    QTest::newRow("new revision's page after a drag") << u"revisedRadio1"_s << true << 3;
    QTest::newRow("stored revision") << u"revisedRadio1"_s << false << 1;
}

void TestStepPlannerWindow::notebook_closeStoresPagesOfSetPeriodsOnly()
{
    QFETCH(QString, radio);
    QFETCH(bool, dragFirst);
    QFETCH(int, page);
    StepPlannerWindow w(m_folder.path(), m_fakes.services);
    w.showStepFile(m_folder.file(u"x.vxs"_s), sampleFile());
    const int row = radio.right(1).toInt();
    const auto kind = radio.startsWith(u"initial"_s) ? StepKind::Initial : StepKind::Revised;
    clickButton(w, radio);
    if (dragFirst)
        dragOn(child<QWidget>(w, QString(radio).replace(u"Radio"_s, u"Strip"_s)), 20, 60);
    clickButton(w, radio);
    clickButton(w, u"memoButton%1"_s.arg(row));
    child<QTabWidget>(w, u"pageTabs"_s)->setCurrentIndex(page - 1);
    QCOMPARE(w.findChild<StepNotebookWidget *>()->highlightedPage(), page - 1);
    // A page whose memo would be dropped says so, and takes no typing.
    const bool willKeep = dragFirst || (page == 1 && kind == StepKind::Revised);
    QCOMPARE(child<QLabel>(w, u"notKeptLabel"_s)->isVisibleTo(&w), !willKeep);
    QCOMPARE(child<QPlainTextEdit>(w, u"pageMemoEdit%1"_s.arg(page))->isReadOnly(), !willKeep);
    child<QDateEdit>(w, u"pageDateEdit%1"_s.arg(page))->setDate(QDate(2005, 1, 25));
    child<QPlainTextEdit>(w, u"pageMemoEdit%1"_s.arg(page))->insertPlainText(u"打合せ"_s);
    clickButton(w, u"memoButton%1"_s.arg(row));

    QVERIFY(!w.isNotebookOpen());
    const StepGroup &g = w.workingStep().groups[row];
    const bool kept = dragFirst || (page == 1 && kind == StepKind::Revised);
    const double date = kind == StepKind::Initial ? g.planDate : g.revDate[page - 1];
    const QString memo = kind == StepKind::Initial ? g.planMemo : g.revMemo[page - 1];
    QCOMPARE(date, kept ? serial(2005, 1, 25) : StepFile::UnsetDate);
    QCOMPARE(memo, kept ? u"打合せ"_s : QString());
}

void TestStepPlannerWindow::notebook_locksEditingWhileOpen()
{
    StepPlannerWindow w(m_folder.path(), m_fakes.services);
    w.showStepFile(m_folder.file(u"x.vxs"_s), sampleFile());
    clickButton(w, u"actualRadio2"_s);
    clickButton(w, u"memoButton2"_s);
    for (const QString &name :
         {u"revisedRadio0"_s, u"initialRadio3"_s, u"restoreButton2"_s, u"lockButton5"_s})
        QVERIFY2(!child<QWidget>(w, name)->isEnabled(), qPrintable(name));
    clickButton(w, u"memoButton0"_s); // another row's memo button does nothing
    QCOMPARE(child<QLineEdit>(w, u"rowNameEdit"_s)->text(), u"ステップ2"_s);
    QCOMPARE(child<QPushButton>(w, u"memoButton0"_s)->text(), u"メモ"_s);

    clickButton(w, u"memoButton2"_s);
    QVERIFY(!child<QWidget>(w, u"notebookPanel"_s)->isVisibleTo(&w));
    QCOMPARE(child<QPushButton>(w, u"memoButton2"_s)->text(), u"メモ"_s);
    QVERIFY(child<QWidget>(w, u"revisedRadio0"_s)->isEnabled());
    QVERIFY(!child<QWidget>(w, u"initialRadio0"_s)->isEnabled());
    QCOMPARE(w.findChild<QButtonGroup *>()->checkedId(), -1);
}

void TestStepPlannerWindow::notebook_historyPreviewUntilClosed_data()
{
    QTest::addColumn<bool>("dragFirst");
    QTest::newRow("a revision dragged") << true;
    QTest::newRow("none dragged") << false;
}

void TestStepPlannerWindow::notebook_historyPreviewUntilClosed()
{
    QFETCH(bool, dragFirst);
    StepPlannerWindow w(m_folder.path(), m_fakes.services);
    w.showStepFile(m_folder.file(u"x.vxs"_s), sampleFile());
    clickButton(w, u"revisedRadio1"_s);
    if (dragFirst)
        dragOn(child<QWidget>(w, u"revisedStrip1"_s), xOf(2005, 1, 20), xOf(2005, 1, 22));
    const StepChart::BarPixels dragged = w.barPixels(1, StepKind::Revised);
    clickButton(w, u"memoButton1"_s);
    auto *list = child<QListWidget>(w, u"historyList"_s);
    emit list->itemClicked(list->item(0));
    QCOMPARE(w.barPixels(1, StepKind::Revised),
             (StepChart::BarPixels{13 * col(2005, 1, 3), 13 * col(2005, 1, 7)}));
    QCOMPARE(child<QDateEdit>(w, u"periodStartEdit"_s)->date(), QDate(2005, 1, 3));
    QCOMPARE(child<QTabWidget>(w, u"pageTabs"_s)->currentIndex(), 0);
    QCOMPARE(w.findChild<StepNotebookWidget *>()->highlightedPage(), 0);

    clickButton(w, u"memoButton1"_s);
    QCOMPARE(w.barPixels(1, StepKind::Revised), dragged); // without a drag: the last one stored
    // The pickers show the strip's revision.
    QCOMPARE(child<QDateEdit>(w, u"periodStartEdit"_s)->date(),
             dragFirst ? QDate(2005, 1, 20) : QDate(2005, 1, 10));
    QCOMPARE(child<QDateEdit>(w, u"periodEndEdit"_s)->date(),
             dragFirst ? QDate(2005, 1, 22) : QDate(2005, 1, 12));
    QCOMPARE(w.workingStep().groups[1].revStart[0], serial(2005, 1, 3));
}

void TestStepPlannerWindow::save_whileNotebookOpen_asksFirst_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("yes: saved, stays open") << true;
    QTest::newRow("no: nothing saved") << false;
}

void TestStepPlannerWindow::save_whileNotebookOpen_asksFirst()
{
    QFETCH(bool, yes);
    TestFolder folder;
    FakeServices fakes;
    folder.write(u"a.vxs"_s, sampleFile().toBytes());
    StepPlannerWindow w(folder.path(), fakes.services);
    w.showStepFile(folder.file(u"a.vxs"_s), sampleFile());
    w.setResult(-1);
    child<QLineEdit>(w, u"rowTitleEdit4"_s)->setText(u"typed"_s);
    clickButton(w, u"memoButton0"_s);
    fakes.dialogs.answers.push_back(yes ? Dialogs::Answer::Yes : Dialogs::Answer::No);
    clickButton(w, u"saveButton"_s);

    QCOMPARE(fakes.dialogs.count(FakeDialogs::Kind::YesNo), 1);
    QVERIFY(fakes.dialogs.lastText().startsWith(u"[何でもメモって帳]が開いています.\r\n"_s));
    QCOMPARE(fakes.dialogs.shown.last().at, w.frameGeometry().topLeft() + QPoint(300, 300));
    QCOMPARE(w.result(), -1);
    QVERIFY(w.isNotebookOpen());
    QCOMPARE(StepFile::fromBytes(folder.read(u"a.vxs"_s)).groups[4].groupTitle, yes ? u"typed"_s : QString());
}

void TestStepPlannerWindow::saveAndReopen_reproducesEveryFieldByteForByte()
{
    TestFolder folder;
    folder.addShutter();
    const QByteArray bytes = sampleFile().toBytes();
    folder.write(u"a.vxs"_s, bytes);
    StepFile step;
    SafeFile::Snapshot snapshot;
    QVERIFY(StepFile::read(folder.file(u"a.vxs"_s), &step, &snapshot));
    StepPlannerWindow w(folder.path(), m_fakes.services);
    w.showStepFile(folder.file(u"a.vxs"_s), step, snapshot);

    // A plan, a revision and an actual period, each with a date and a memo.
    const struct
    {
        QString radio;
        QDate first, last;
        int page;
    } edits[] = {{u"initialRadio2"_s, {2005, 1, 5}, {2005, 1, 9}, 1},
                 {u"revisedRadio1"_s, {2005, 1, 20}, {2005, 1, 24}, 3},
                 {u"actualRadio1"_s, {2005, 1, 4}, {2005, 1, 11}, 1}};
    for (const auto &e : edits) {
        clickButton(w, e.radio);
        dragOn(child<QWidget>(w, QString(e.radio).replace(u"Radio"_s, u"Strip"_s)),
               xOf(e.first.year(), e.first.month(), e.first.day()),
               xOf(e.last.year(), e.last.month(), e.last.day()));
        clickButton(w, e.radio);
        clickButton(w, u"memoButton"_s + e.radio.right(1));
        child<QTabWidget>(w, u"pageTabs"_s)->setCurrentIndex(e.page - 1);
        child<QDateEdit>(w, u"pageDateEdit%1"_s.arg(e.page))->setDate(e.last.addDays(1));
        child<QPlainTextEdit>(w, u"pageMemoEdit%1"_s.arg(e.page))->setPlainText(u"行1\n"_s + e.radio);
        clickButton(w, u"memoButton"_s + e.radio.right(1));
    }
    // A stored revision's memo edited, closed, opened again: still as edited.
    clickButton(w, u"revisedRadio1"_s);
    clickButton(w, u"memoButton1"_s);
    child<QPlainTextEdit>(w, u"pageMemoEdit1"_s)->setPlainText(u"改"_s);
    clickButton(w, u"memoButton1"_s);
    clickButton(w, u"revisedRadio1"_s);
    clickButton(w, u"memoButton1"_s);
    QCOMPARE(child<QPlainTextEdit>(w, u"pageMemoEdit1"_s)->toPlainText(), u"改"_s);
    clickButton(w, u"memoButton1"_s);
    clickButton(w, u"saveButton"_s);
    QCOMPARE(w.result(), int(QDialog::Accepted));

    StepBytes expected;
    expected.bytes = bytes;
    const int g1 = StepBytes::group(1), g2 = StepBytes::group(2);
    const auto d = [](int y, int m, int dd) { return serial(y, m, dd); };
    expected.f64(g2 + StepBytes::PlanStart, d(2005, 1, 5));
    expected.f64(g2 + StepBytes::PlanEnd, d(2005, 1, 9));
    expected.f64(g2 + StepBytes::PlanDate, d(2005, 1, 10));
    expected.str(g2 + StepBytes::PlanMemo, "\x8d\x73\x31\r\ninitialRadio2");
    expected.f64(g1 + StepBytes::RevStart + 16, d(2005, 1, 20));
    expected.f64(g1 + StepBytes::RevEnd + 16, d(2005, 1, 24));
    expected.f64(g1 + StepBytes::RevDate + 16, d(2005, 1, 25));
    expected.str(g1 + StepBytes::RevMemo + 512, "\x8d\x73\x31\r\nrevisedRadio1");
    expected.str(g1 + StepBytes::RevMemo, "\x89\xfc");
    expected.f64(g1 + StepBytes::ActualStart, d(2005, 1, 4));
    expected.f64(g1 + StepBytes::ActualEnd, d(2005, 1, 11));
    expected.f64(g1 + StepBytes::ActualDate, d(2005, 1, 12));
    expected.str(g1 + StepBytes::ActualMemo, "\x8d\x73\x31\r\nactualRadio1");
    QCOMPARE(folder.read(u"a.vxs"_s), expected.bytes);

    // Opened again: the same chart.
    StepFile again;
    QVERIFY(StepFile::read(folder.file(u"a.vxs"_s), &again));
    StepPlannerWindow reopened(folder.path(), m_fakes.services);
    reopened.showStepFile(folder.file(u"a.vxs"_s), again);
    for (int r = 0; r < 6; ++r)
        for (StepKind k : {StepKind::Initial, StepKind::Revised, StepKind::Actual})
            QCOMPARE(reopened.barPixels(r, k), w.barPixels(r, k));
    QCOMPARE(reopened.revisionCount(1), 3);
}

void TestStepPlannerWindow::escape_leavesWindowOpen()
{
    StepPlannerWindow w(m_folder.path(), m_fakes.services);
    w.showStepFile(m_folder.file(u"x.vxs"_s), sampleFile());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTest::keyClick(&w, Qt::Key_Escape);
    QTest::keyClick(child<QLineEdit>(w, u"rowTitleEdit1"_s), Qt::Key_Escape);
    QVERIFY(w.isVisible());
    w.hide();
}

void TestStepPlannerWindow::basicDataClick_showsCommentsUntilClicked()
{
    StepFile f = sampleFile();
    f.comments = u"一行目\r\n二行目"_s;
    StepPlannerWindow w(m_folder.path(), m_fakes.services);
    w.showStepFile(m_folder.file(u"x.vxs"_s), f);
    w.show();
    for (const QString &box : {u"dataNoEdit"_s, u"jobTypeEdit"_s}) {
        QTest::mouseClick(child<QWidget>(w, box), Qt::LeftButton);
        QPointer<JobCommentsPopup> popup = w.findChild<JobCommentsPopup *>();
        QVERIFY(popup);
        QVERIFY(popup->isVisible());
        QCOMPARE(popup->windowTitle(), u"基本データの[内容]"_s);
        QCOMPARE(popup->geometry().topLeft(),
                 QPoint(child<QWidget>(w, u"jobTitleEdit"_s)->mapToGlobal(QPoint(3, 0)).x(),
                        w.mapToGlobal(QPoint(0, 0)).y() + 77));
        auto *text = child<QPlainTextEdit>(popup.data(), u"commentsEdit"_s);
        QCOMPARE(text->toPlainText(),
                 u"一行目\n二行目\n   \n     ----------------------------------------   \n"
                 u"     この表示は文字面をクリックして閉じてください．"_s);
        QTest::mouseClick(text->viewport(), Qt::LeftButton);
        QTRY_VERIFY(popup.isNull());
    }
    w.hide();
}

QTEST_MAIN(TestStepPlannerWindow)
#include "tst_stepplannerwindow.moc"
