#include "data/StepFile.h"
#include "step/StepPlannerWindow.h"
#include "support/Children.h"
#include "support/Fakes.h"
#include "support/StepBytes.h"
#include "support/TestFolder.h"

#include <QAction>
#include <QApplication>
#include <QDateEdit>
#include <QEnterEvent>
#include <QFontDatabase>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
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
    void save_writesTitlesCutToFieldAndKeepsTail();
    void save_missingFile_reportsAndStaysOpen();
    void save_overTheBytesRead_andNeverOverAnotherProgramsChange();

private:
    FakeServices m_fakes;
    TestFolder m_folder;
};

void TestStepPlannerWindow::initTestCase()
{
    // As the program sets it.
    if (QFontDatabase::families().contains(u"IPAPGothic"_s))
        QApplication::setFont(QFont(u"IPAPGothic"_s, 9));
}

void TestStepPlannerWindow::newWindow_oneRadioGroup_memoAndSeparatorHidden()
{
    StepPlannerWindow w(m_folder.path(), m_fakes.services);
    QCOMPARE(w.windowTitle(), u"ステップ別管理 ～ STEP by STEP"_s);
    int usable = 0;
    for (QRadioButton *rb : w.findChildren<QRadioButton *>())
        usable += rb->isVisibleTo(&w) && rb->isEnabled();
    QCOMPARE(usable, 17);
    QVERIFY(!child<QRadioButton>(w, u"rbTop0"_s)->isVisibleTo(&w));
    QVERIFY(!child<QRadioButton>(w, u"rbTop0"_s)->isEnabled());
    QVERIFY(!child<QWidget>(w, u"pnlMemo"_s)->isVisibleTo(&w));
    QVERIFY(!child<QWidget>(w, u"pnlFloatSeparator"_s)->isVisibleTo(&w));
    // One group: choosing a radio button clears the one chosen before.
    child<QRadioButton>(w, u"rbMid1"_s)->click();
    child<QRadioButton>(w, u"rbBtm4"_s)->click();
    QVERIFY(!child<QRadioButton>(w, u"rbMid1"_s)->isChecked());
    QVERIFY(child<QRadioButton>(w, u"rbBtm4"_s)->isChecked());
}

void TestStepPlannerWindow::sizeChart_ninetyDays_panelsFitTheColumns()
{
    StepPlannerWindow w(m_folder.path(), m_fakes.services);
    w.sizeChart(StepMonths::around(2005, 1));
    QCOMPARE(child<QWidget>(w, u"pnlTopBar0"_s)->width(), 1169);
    QCOMPARE(child<QWidget>(w, u"pnlBtmBar5"_s)->width(), 1169);
    QCOMPARE(child<QWidget>(w, u"pnlHeader"_s)->width(), 1174);
    QCOMPARE(child<QWidget>(w, u"pnlStep3"_s)->width(), 1174);
    QCOMPARE(child<QWidget>(w, u"pnlFloatSeparator"_s)->width(), 1171);
    QCOMPARE(child<QWidget>(w, u"pnlFrame"_s)->width(), 1176);
    QCOMPARE(child<QWidget>(w, u"PaintBoxHeader"_s)->height(), 58);
    const QList<int> tops = {61, 126, 191, 256, 321, 386};
    QCOMPARE(child<QWidget>(w, u"pnlOverall"_s)->y(), tops[0]);
    for (int r = 1; r < 6; ++r)
        QCOMPARE(child<QWidget>(w, u"pnlStep%1"_s.arg(r))->y(), tops[r]);
    QCOMPARE(child<QWidget>(w, u"pnlMidBar2"_s)->geometry(), QRect(1, 25, 1169, 14));
    QCOMPARE(child<QScrollArea>(w, u"ScrollBox1"_s)->widget()->width(), 1186);
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
    const QList<std::pair<QString, QString>> boxes = {{u"edtStepDataNo"_s, u"1月 No.7"_s},
                                                      {u"edtStepTitle"_s, u"見積書作成"_s},
                                                      {u"edtStepCustomer"_s, u"北斗商事"_s},
                                                      {u"edtStepJobNo"_s, u"J-105"_s},
                                                      {u"edtStepJobType"_s, u"設計"_s},
                                                      {u"edtOverall"_s, u"全体"_s},
                                                      {u"edtStep1"_s, u"調査"_s},
                                                      {u"edtStep2"_s, QString()}};
    for (const auto &[name, text] : boxes)
        QCOMPARE(child<QLineEdit>(w, name)->text(), text);
    QCOMPARE(child<QDateEdit>(w, u"dtpStartDate"_s)->date(), QDate(2005, 1, 18));
    QCOMPARE(child<QDateEdit>(w, u"dtpEndDate"_s)->date(), QDate(2005, 2, 4));
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
    QWidget *header = child<QWidget>(w, u"PaintBoxHeader"_s);
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
    QWidget *row = child<QWidget>(w, u"pnlOverall"_s);
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
        {u"PaintBoxTop0"_s, QColor(221, 0, 0), QColor(238, 238, 238), col(2005, 1, 18), col(2005, 2, 4)},
        {u"PaintBoxMid1"_s, QColor(0, 221, 0), QColor(221, 221, 221), col(2005, 1, 10), col(2005, 1, 12)},
        {u"PaintBoxBtm2"_s, QColor(0, 0, 221), QColor(204, 204, 204), col(2004, 12, 30), col(2005, 1, 2)},
        {u"PaintBoxTop3"_s, QColor(238, 128, 0), QColor(238, 238, 238), col(2005, 2, 20), col(2005, 3, 5)},
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
    const QImage empty = child<QWidget>(w, u"PaintBoxTop4"_s)->grab().toImage();
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
    QCOMPARE(child<QLabel>(w, u"lblNote"_s)->text(),
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
    const int narrow = child<QWidget>(w, u"ScrollBox1"_s)->width();
    w.resize(1100, 600);
    QCOMPARE(child<QWidget>(w, u"ScrollBox1"_s)->width(), narrow + 300);
    saveGrab(w, u"step-window-wide.png"_s);
    w.hide();
}

void TestStepPlannerWindow::scrollToPlanEnd_putsPlanEndAtRightEdge()
{
    StepPlannerWindow w(m_folder.path(), m_fakes.services);
    w.showStepFile(m_folder.file(u"x.vxs"_s), sampleFile());
    w.show();
    QScrollArea *box = child<QScrollArea>(w, u"ScrollBox1"_s);
    QScrollBar *bar = box->horizontalScrollBar();
    const int right = 13 * (col(2005, 2, 4) + 1);
    QCOMPARE(bar->value(), qBound(0, right - box->viewport()->width() + 13, bar->maximum()));
    // The plan's last day stands inside the view, near its right edge.
    QWidget *strip = child<QWidget>(w, u"PaintBoxTop0"_s);
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
    QScrollArea *box = child<QScrollArea>(w, u"ScrollBox1"_s);
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
    QWidget *separator = child<QWidget>(w, u"pnlFloatSeparator"_s);
    QAction *item = w.findChild<QAction *>(u"pmiShowSeparator"_s);
    QMenu *menu = w.findChild<QMenu *>(u"PopupMenu1"_s);
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

    openMenuOn(u"PaintBoxTop0"_s);
    item->trigger();
    QVERIFY(!separator->isVisibleTo(&w));
    QVERIFY(!item->isChecked());

    openMenuOn(u"PaintBoxMid3"_s);
    item->trigger();
    QVERIFY(separator->isVisibleTo(&w));
    QVERIFY(item->isChecked());
    QCOMPARE(separator->y(), 248);

    clickOn(u"PaintBox5"_s);
    QCOMPARE(separator->y(), 378);
    clickOn(u"pnlTopBar1"_s); // the strip's border belongs to its row as well
    QCOMPARE(separator->y(), 118);
    clickOn(u"PaintBoxBtm0"_s);
    QCOMPARE(separator->y(), 118);

    // The ruler: grey ticks at the day lines, white day numbers on light blue.
    const QImage ruler = child<QWidget>(w, u"pbxFloatSeparator"_s)->grab().toImage();
    QCOMPARE(pixel(ruler, 13 * 5, 2), QColor(128, 128, 128));
    QCOMPARE(pixel(ruler, 13 * 5, 11), QColor(128, 128, 128));
    QCOMPARE(pixel(ruler, 13 * 5, 13), QColor(192, 192, 255));
    QVERIFY(countColour(ruler, QRect(13 * 12, 0, 13, 15), QColor(255, 255, 255)) > 5);

    openMenuOn(u"PaintBox2"_s);
    item->trigger();
    QVERIFY(!separator->isVisibleTo(&w));
    QVERIFY(!item->isChecked());
    clickOn(u"PaintBox4"_s);
    QCOMPARE(separator->y(), 118);
}

void TestStepPlannerWindow::close_leavesFileUntouched()
{
    TestFolder folder;
    const QByteArray before = sampleFile().toBytes();
    folder.write(u"a.vxs"_s, before);
    StepPlannerWindow w(folder.path(), m_fakes.services);
    w.showStepFile(folder.file(u"a.vxs"_s), sampleFile());
    child<QLineEdit>(w, u"edtStep2"_s)->setText(u"typed"_s);
    child<QPushButton>(w, u"btnStepClose"_s)->click();
    QCOMPARE(w.result(), int(QDialog::Rejected));
    QCOMPARE(folder.read(u"a.vxs"_s), before);
}

void TestStepPlannerWindow::save_writesTitlesCutToFieldAndKeepsTail()
{
    TestFolder folder;
    folder.write(u"a.vxs"_s, sampleFile().toBytes() + QByteArray("TAIL"));
    StepPlannerWindow w(folder.path(), m_fakes.services);
    w.showStepFile(folder.file(u"a.vxs"_s), sampleFile());
    child<QLineEdit>(w, u"edtStep2"_s)->setText(QString(20, u'段'));
    child<QLineEdit>(w, u"edtOverall"_s)->clear();
    child<QPushButton>(w, u"btnStepSave"_s)->click();
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

void TestStepPlannerWindow::save_missingFile_reportsAndStaysOpen()
{
    TestFolder folder;
    FakeServices fakes;
    StepPlannerWindow w(folder.path(), fakes.services);
    w.showStepFile(folder.file(u"gone.vxs"_s), sampleFile());
    w.setResult(-1);
    child<QPushButton>(w, u"btnStepSave"_s)->click();
    QCOMPARE(w.result(), -1);
    QCOMPARE(fakes.dialogs.count(FakeDialogs::Kind::Error), 1);
    QVERIFY(fakes.dialogs.lastText().contains(folder.file(u"gone.vxs"_s)));
    QVERIFY(!folder.exists(u"gone.vxs"_s));
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
    child<QLineEdit>(w, u"edtStep2"_s)->setText(u"typed"_s);

    QByteArray theirs = bytes;
    theirs[100] = 'x'; // another program writes in the meantime
    folder.write(u"a.vxs"_s, theirs);
    child<QPushButton>(w, u"btnStepSave"_s)->click();
    QCOMPARE(w.result(), -1);
    QCOMPARE(folder.read(u"a.vxs"_s), theirs);
    QVERIFY(fakes.dialogs.lastText().contains(u"ほかのプログラムによって変更されています"_s));

    // Saved again: over what is now on disk, the untouched title byte for byte.
    child<QPushButton>(w, u"btnStepSave"_s)->click();
    QCOMPARE(w.result(), int(QDialog::Accepted));
    const QByteArray after = folder.read(u"a.vxs"_s);
    QCOMPARE(after[100], 'x');
    QCOMPARE(after.mid(g3, 4), bytes.mid(g3, 4));
    QCOMPARE(StepFile::fromBytes(after).groups[2].groupTitle, u"typed"_s);
}

QTEST_MAIN(TestStepPlannerWindow)
#include "tst_stepplannerwindow.moc"
