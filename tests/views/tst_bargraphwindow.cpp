#include "support/Fakes.h"
#include "support/ViewFixture.h"
#include "views/BarGraphWindow.h"
#include "views/ViewManager.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(MonthKind)
Q_DECLARE_METATYPE(FakeViewHost::Shown)

namespace {

using K = MonthKind;

const QColor Red(255, 0, 0);
const QColor Blue(0, 0, 255);
const QColor Aqua(0, 255, 255);
const QColor White(255, 255, 255);
const QColor LightCyan(224, 255, 255);

QColor pixel(QWidget *canvas, int x, int y)
{
    return canvas->grab(QRect(x, y, 1, 1)).toImage().pixelColor(0, 0);
}

} // namespace

class TestBarGraph : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void rows_forTheDisplayedMonth_data();
    void rows_forTheDisplayedMonth();
    void bars_whereTheDatesSay_data();
    void bars_whereTheDatesSay();
    void separators_paintedOnlyWhenConfigured_data();
    void separators_paintedOnlyWhenConfigured();
    void click_data();
    void click();
    void open_whileOpen_doesNothing();
    void open_forAPastMonth_showsAnEmptyGraph();
    void openFor_unknownMonth_showsPlaceholderStrip();
    void show_placesWindowAndScrollsToTheEnd();
    void scaleItems_data();
    void scaleItems();
    void resize_data();
    void resize();
    void escOnTheCloseButton_closes();
};

void TestBarGraph::initTestCase()
{
    QApplication::setFont(QFont(u"IPAPGothic"_s, 9));
}

void TestBarGraph::rows_forTheDisplayedMonth_data()
{
    QTest::addColumn<MonthKind>("kind");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QList<int>>("months");
    QTest::addColumn<QString>("firstRow");
    QTest::newRow("current month") << K::Current << u"バーグラフ ●5月のデータ"_s << 3 << QList<int>{4, 5, 6}
                                   << u"No.1■開始:5月16日(月)■終了:5月18日(水)●仕事1"_s;
    QTest::newRow("previous month") << K::Previous << u"バーグラフ ●4月のデータ"_s << 2 << QList<int>{3, 4, 5}
                                    << u"No.1■開始:4月1日(金)■終了:4月2日(土)●仕事1"_s;
}

void TestBarGraph::rows_forTheDisplayedMonth()
{
    QFETCH(MonthKind, kind);
    QFETCH(QString, caption);
    QFETCH(int, rows);
    QFETCH(QList<int>, months);
    QFETCH(QString, firstRow);

    ViewFixture f; // May 2005
    for (int slot = 0; slot < 3; ++slot)
        f.put(K::Current, slot, f.day(slot), f.day(slot + 2));
    f.put(K::Current, 4, f.day(0), f.day(1)); // after a gap: not a row
    f.save(K::Current);
    f.put(K::Previous, 0, QDate(2005, 4, 1), QDate(2005, 4, 2));
    f.put(K::Previous, 1, QDate(2005, 4, 3), QDate(2005, 4, 4));
    f.save(K::Previous);
    f.host.month = kind;
    FakeServices fs;
    ViewManager views(f.session, fs.services, f.host);
    views.openGraph();

    BarGraphWindow *graph = views.graphWindow();
    QCOMPARE(graph->windowTitle(), caption);
    QCOMPARE(graph->rows().size(), rows);
    for (int i = 0; i < 3; ++i) {
        const QString name = QString::number(i + 1);
        QCOMPARE(graph->findChild<QLabel *>(u"monthLabel"_s + name)->text(), QString::number(months[i]));
    }
    // Slot order, slot 0 on top.
    QCOMPARE(graph->rows()[0].caption, firstRow);
    for (int j = 0; j < rows; ++j)
        QCOMPARE(graph->rows()[j].slot, j);
}

void TestBarGraph::bars_whereTheDatesSay_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("end");
    QTest::addColumn<int>("check");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("width");
    QTest::addColumn<QColor>("bar");
    QTest::addColumn<QColor>("background");
    // Shown month May 2005: April is 240 wide, May 248.
    QTest::newRow("not done, within May")
        << QDate(2005, 5, 2) << QDate(2005, 5, 20) << 0 << u"見積"_s << 240 + 7 << 8 * 19 << Red << White;
    QTest::newRow("done, from April")
        << QDate(2005, 4, 25) << QDate(2005, 5, 6) << 1 << u"打合せ"_s << 191 << 8 * 12 << Blue << White;
    QTest::newRow("in progress, into June")
        << QDate(2005, 5, 30) << QDate(2005, 6, 2) << 2 << u"設計"_s << 240 + 231 << 32 << Aqua << White;
    QTest::newRow("step managed") << QDate(2005, 6, 1) << QDate(2005, 6, 1) << 0 << u"[STEP]計画"_s
                                  << 240 + 248 - 1 << 8 << Red << LightCyan;
    QTest::newRow("starts two months before")
        << QDate(2005, 3, 20) << QDate(2005, 4, 2) << 7 << u"古い"_s << 0 << 8 * 14 << Red << White;
    QTest::newRow("ends before it starts")
        << QDate(2005, 5, 10) << QDate(2005, 5, 1) << 0 << u"逆"_s << 240 + 71 << 8 << Red << White;
}

void TestBarGraph::bars_whereTheDatesSay()
{
    QFETCH(QDate, start);
    QFETCH(QDate, end);
    QFETCH(int, check);
    QFETCH(QString, title);
    QFETCH(int, left);
    QFETCH(int, width);
    QFETCH(QColor, bar);
    QFETCH(QColor, background);

    ViewFixture f;
    f.put(K::Current, 0, start, end, check, title);
    f.save(K::Current);
    BarGraphWindow graph(f.session, f.host, {&f.session.jobs(K::Current), 5, 2005, 1, u"g"_s});
    graph.show();

    const BarGraphWindow::Row &row = graph.rows().at(0);
    QCOMPARE(row.bar, QRect(left, 5, width, 12));
    // On screen: the bar's own pixels and the row around it.
    QWidget *canvas = graph.canvas();
    const int mid = qMax(0, left) + 2;
    QCOMPARE(pixel(canvas, mid, 10), bar);
    QCOMPARE(pixel(canvas, mid, 2), background);
    QCOMPARE(pixel(canvas, left + width + 1, 10), background);
}

void TestBarGraph::separators_paintedOnlyWhenConfigured_data()
{
    QTest::addColumn<bool>("configured");
    QTest::addColumn<int>("x");
    QTest::addColumn<QColor>("colour");
    // May 2005: April day 10 at 77, day 5 at 37, May day 31 at 240 + 245.
    QTest::newRow("day 10 gray") << true << 77 << QColor(128, 128, 128);
    QTest::newRow("last day 31 silver") << true << 240 + 245 << QColor(192, 192, 192);
    QTest::newRow("not configured") << false << 77 << White;
}

void TestBarGraph::separators_paintedOnlyWhenConfigured()
{
    QFETCH(bool, configured);
    QFETCH(int, x);
    QFETCH(QColor, colour);
    ViewFixture f;
    f.session.config().showDateSeparators = configured;
    f.put(K::Current, 0, QDate(2005, 5, 16), QDate(2005, 5, 16), 0, u"x"_s);
    f.save(K::Current);
    BarGraphWindow graph(f.session, f.host, {&f.session.jobs(K::Current), 5, 2005, 1, u"g"_s});
    graph.show();
    // Two pixels wide, from the top of the row down to y 15.
    QCOMPARE(pixel(graph.canvas(), x, 1), colour);
    QCOMPARE(pixel(graph.canvas(), x - 1, 14), colour);
    QCOMPARE(pixel(graph.canvas(), x, 16), White);
}

void TestBarGraph::click_data()
{
    QTest::addColumn<MonthKind>("kind");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("shownNo");
    QTest::addColumn<int>("row");
    QTest::addColumn<QList<FakeViewHost::Shown>>("shown");
    QTest::addColumn<QList<int>>("checks");
    QTest::newRow("another job is shown")
        << K::Current << 3 << 1 << 2 << QList<FakeViewHost::Shown>{{K::Current, 3}} << QList<int>{};
    QTest::newRow("previous month") << K::Previous << 3 << 1 << 1
                                    << QList<FakeViewHost::Shown>{{K::Previous, 2}} << QList<int>{};
    QTest::newRow("the clicked job is shown: its stored check comes back")
        << K::Current << 3 << 3 << 2 << QList<FakeViewHost::Shown>{} << QList<int>{2};
    QTest::newRow("a month of one job: nothing")
        << K::Current << 1 << 5 << 0 << QList<FakeViewHost::Shown>{} << QList<int>{};
}

void TestBarGraph::click()
{
    QFETCH(MonthKind, kind);
    QFETCH(int, count);
    QFETCH(int, shownNo);
    QFETCH(int, row);
    QFETCH(QList<FakeViewHost::Shown>, shown);
    QFETCH(QList<int>, checks);

    ViewFixture f;
    for (int slot = 0; slot < count; ++slot)
        f.put(kind, slot, f.day(-slot), f.day(1), slot); // slot 2 is in progress
    f.save(kind);
    f.host.month = kind;
    f.host.shownNo = shownNo;
    FakeServices fs;
    ViewManager views(f.session, fs.services, f.host);
    views.openGraph();

    QTest::mouseClick(views.graphWindow()->canvas(), Qt::LeftButton, {}, QPoint(300, 35 * row + 20));

    QCOMPARE(f.host.activations, 1);
    QCOMPARE(f.host.shown, shown);
    QCOMPARE(f.host.checksSet, checks);
}

void TestBarGraph::open_whileOpen_doesNothing()
{
    ViewFixture f;
    f.put(K::Current, 0, f.day(0), f.day(1));
    f.save(K::Current);
    FakeServices fs;
    ViewManager views(f.session, fs.services, f.host);
    views.openGraph();
    BarGraphWindow *graph = views.graphWindow();
    f.put(K::Current, 1, f.day(0), f.day(1));
    f.save(K::Current);
    views.openGraph();
    QCOMPARE(views.graphWindow(), graph);
    QCOMPARE(graph->rows().size(), 1);
}

void TestBarGraph::open_forAPastMonth_showsAnEmptyGraph()
{
    ViewFixture f;
    f.put(K::Current, 0, f.day(0), f.day(1));
    f.save(K::Current);
    f.host.month = K::Past;
    FakeServices fs;
    ViewManager views(f.session, fs.services, f.host);
    views.openGraph();
    QCOMPARE(views.graphWindow()->windowTitle(), u"バーグラフ"_s);
    QVERIFY(views.graphWindow()->rows().isEmpty());
}

void TestBarGraph::openFor_unknownMonth_showsPlaceholderStrip()
{
    ViewFixture f;
    f.put(K::Past, 0, QDate(2003, 5, 10), QDate(2003, 5, 12));
    f.put(K::Past, 1, QDate(2003, 5, 11), QDate(2003, 5, 11));
    f.save(K::Past);
    f.host.month = K::Past;
    FakeServices fs;
    ViewManager views(f.session, fs.services, f.host);
    QWidget owner;
    views.openGraphFor({&f.session.jobs(K::Past), 0, 2003, 2, u"バーグラフ ●2003年 0月のデータ"_s}, &owner);

    BarGraphWindow *graph = views.graphWindow();
    QCOMPARE(graph->parentWidget(), &owner);
    QCOMPARE(graph->rowWidth(), 3 * 248);
    for (int i = 1; i <= 3; ++i)
        QCOMPARE(graph->findChild<QLabel *>(u"monthLabel"_s + QString::number(i))->text(), u"XX"_s);
    QCOMPARE(graph->rows().at(0).bar, QRect(0, 5, 24, 12));
    QCOMPARE(graph->rows().at(1).bar, QRect(0, 5, 8, 12));
    // Rows answer with the past month's jobs.
    QTest::mouseClick(graph->canvas(), Qt::LeftButton, {}, QPoint(100, 35 + 10));
    QCOMPARE(f.host.shown, (QList<FakeViewHost::Shown>{{K::Past, 2}}));
}

void TestBarGraph::show_placesWindowAndScrollsToTheEnd()
{
    ViewFixture f;
    for (int slot = 0; slot < 12; ++slot)
        f.put(K::Current, slot, f.day(0), f.day(1));
    f.save(K::Current);
    FakeServices fs;
    ViewManager views(f.session, fs.services, f.host);
    views.openGraph();
    BarGraphWindow *graph = views.graphWindow();
    QVERIFY(QTest::qWaitForWindowExposed(graph));

    // Its right edge at 980, or at the screen's edge when that comes first.
    const QRect area = graph->screen()->availableGeometry();
    QCOMPARE(graph->frameGeometry().right() + 1, qMin(980, area.right() + 1));
    QCOMPARE(graph->frameGeometry().top(), area.top() + 300);
    QCOMPARE(graph->height(), 300);
    QScrollBar *bar = graph->listArea()->verticalScrollBar();
    QVERIFY(bar->maximum() > 0);
    QCOMPARE(bar->value(), bar->maximum());
    QCOMPARE(bar->singleStep(), 35);
    auto *close = graph->findChild<QPushButton *>(u"closeButton"_s);
    QCOMPARE(close->x(), graph->width() - close->width() - 50);
}

void TestBarGraph::scaleItems_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("rowsInView");
    QTest::newRow("5 rows") << u"fiveRowsAction"_s << 300 << 300 << 5;
    QTest::newRow("10 rows") << u"tenRowsAction"_s << 115 << 485 << 10;
    QTest::newRow("15 rows") << u"fifteenRowsAction"_s << 0 << 650 << 15;
}

void TestBarGraph::scaleItems()
{
    QFETCH(QString, item);
    QFETCH(int, top);
    QFETCH(int, height);
    QFETCH(int, rowsInView);
    ViewFixture f;
    for (int slot = 0; slot < 40; ++slot)
        f.put(K::Current, slot, f.day(0), f.day(1));
    f.save(K::Current);
    BarGraphWindow graph(f.session, f.host, {&f.session.jobs(K::Current), 5, 2005, 40, u"g"_s});
    graph.show();
    QVERIFY(QTest::qWaitForWindowExposed(&graph));
    // Start from another scale so that every item has something to do.
    graph.findChild<QAction *>(item == u"tenRowsAction"_s ? u"fifteenRowsAction"_s : u"tenRowsAction"_s)
        ->trigger();

    QAction *action = graph.findChild<QAction *>(item);
    action->trigger();

    QCOMPARE(graph.frameGeometry().top(), top);
    QCOMPARE(graph.height(), height);
    QCOMPARE(graph.listArea()->viewport()->height() / 35, rowsInView);
    QVERIFY(action->isChecked());
    int marked = 0;
    for (const char16_t *name : {u"fiveRowsAction", u"tenRowsAction", u"fifteenRowsAction"})
        marked += graph.findChild<QAction *>(QString::fromUtf16(name))->isChecked() ? 1 : 0;
    QCOMPARE(marked, 1);
    QScrollBar *bar = graph.listArea()->verticalScrollBar();
    QCOMPARE(bar->value(), bar->maximum());
}

void TestBarGraph::resize_data()
{
    QTest::addColumn<int>("askedHeight");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("top");
    QTest::newRow("too low") << 154 << 300 << 290;
    QTest::newRow("lowest kept") << 155 << 155 << 200;
    QTest::newRow("highest kept") << 650 << 650 << 200;
    QTest::newRow("too high") << 651 << 650 << 40;
}

void TestBarGraph::resize()
{
    QFETCH(int, askedHeight);
    QFETCH(int, height);
    QFETCH(int, top);
    ViewFixture f;
    f.put(K::Current, 0, f.day(0), f.day(1));
    f.save(K::Current);
    BarGraphWindow graph(f.session, f.host, {&f.session.jobs(K::Current), 5, 2005, 1, u"g"_s});
    graph.show();
    QVERIFY(QTest::qWaitForWindowExposed(&graph));
    graph.move(graph.x(), 200);
    const int width = graph.width();

    graph.QWidget::resize(width + 100, askedHeight);

    QCOMPARE(graph.width(), width);
    QCOMPARE(graph.height(), height);
    QCOMPARE(graph.frameGeometry().top(), top);
    // The list area follows the height.
    QCOMPARE(graph.listArea()->height(), height - 45 - 75);
}

void TestBarGraph::escOnTheCloseButton_closes()
{
    ViewFixture f;
    FakeServices fs;
    ViewManager views(f.session, fs.services, f.host);
    views.openGraph();
    QPointer<BarGraphWindow> graph = views.graphWindow();
    QTest::keyClick(graph->findChild<QPushButton *>(u"closeButton"_s), Qt::Key_Escape);
    QVERIFY(!views.isGraphOpen());
    QTRY_VERIFY(graph.isNull());
}

QTEST_MAIN(TestBarGraph)
#include "tst_bargraphwindow.moc"
