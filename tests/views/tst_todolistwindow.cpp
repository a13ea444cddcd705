#include "support/Fakes.h"
#include "support/ViewFixture.h"
#include "views/ToDoListWindow.h"
#include "views/ViewManager.h"
#include "widgets/JobRowWidget.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(MonthKind)
Q_DECLARE_METATYPE(Partner)
Q_DECLARE_METATYPE(AfterLaunch)

namespace {

using K = MonthKind;

QString entryName(const Pending::JobRef &e)
{
    return (e.month == K::Current ? u"C"_s : u"P"_s) + QString::number(e.slot);
}

// Jobs written "C2:-1,+3,0": month (C current, P previous), slot, start and end relative to
// today, check.
void putJobs(ViewFixture &f, const QStringList &jobs)
{
    for (const QString &written : jobs) {
        const QStringList parts = written.mid(1).split(u':');
        const QStringList v = parts[1].split(u',');
        const K kind = written.startsWith(u'C') ? K::Current : K::Previous;
        f.put(kind, parts[0].toInt(), f.day(v[0].toInt()), f.day(v[1].toInt()), v[2].toInt());
    }
}

} // namespace

class TestToDoList : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void selection_data();
    void selection();
    void rows_showTheJobsWithInProgressFramedInAqua();
    void noOpenJob_showsTheRefreshDayGreeting();
    void leftClick_showsTheJob_data();
    void leftClick_showsTheJob();
    void leftClick_otherMonthWhileGraphOpen_reopensGraphForThatMonth();
    void leftClick_recordNotShown_changesNothing();
    void altC_closesAtOnce();
    void leftClick_brokenDataNumber_showsTheListedSlot();
    void open_whileOpen_doesNothing();
    void interlock_data();
    void interlock();
    void launch_data();
    void launch();
    void closeForChange_reopensWithTheNewData();
};

void TestToDoList::initTestCase()
{
    // The face the program runs with.
    QApplication::setFont(QFont(u"IPAPGothic"_s, 9));
}

void TestToDoList::selection_data()
{
    QTest::addColumn<QStringList>("jobs");
    QTest::addColumn<bool>("currentFile");
    QTest::addColumn<bool>("previousFile");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("starts tomorrow listed, the day after not")
        << QStringList{u"C0:+1,+5,0"_s, u"C1:+2,+5,0"_s} << true << true << QStringList{u"C0"_s};
    QTest::newRow("ends today listed, ended yesterday not")
        << QStringList{u"C0:-3,0,0"_s, u"C1:-3,-1,0"_s} << true << true << QStringList{u"C0"_s};
    QTest::newRow("done never listed, in progress and odd checks are")
        << QStringList{u"C0:-1,+1,1"_s, u"C1:-1,+1,2"_s, u"C2:-1,+1,5"_s} << true << true
        << QStringList{u"C2"_s, u"C1"_s};
    QTest::newRow("current month first, slots downwards")
        << QStringList{u"C0:-9,-8,0"_s, u"C1:-9,-8,0"_s, u"C2:0,+1,0"_s,  u"C3:-9,-8,0"_s,
                       u"C4:-9,-8,0"_s, u"C5:-9,-8,0"_s, u"C6:-1,+4,2"_s, u"P0:-9,-8,0"_s,
                       u"P1:-9,-8,0"_s, u"P2:-9,-8,0"_s, u"P3:-9,-8,0"_s, u"P4:-20,+2,0"_s}
        << true << true << QStringList{u"C6"_s, u"C2"_s, u"P4"_s};
    QTest::newRow("current file missing")
        << QStringList{u"C0:0,+1,0"_s, u"P0:0,+1,0"_s} << false << true << QStringList{u"P0"_s};
    QTest::newRow("previous file missing")
        << QStringList{u"C0:0,+1,0"_s, u"P0:0,+1,0"_s} << true << false << QStringList{u"C0"_s};
    QTest::newRow("both files missing")
        << QStringList{u"C0:0,+1,0"_s, u"P0:0,+1,0"_s} << false << false << QStringList{};
    QTest::newRow("slots past the used run are not looked at")
        << QStringList{u"C0:0,+1,0"_s, u"C2:0,+1,0"_s} << true << true << QStringList{u"C0"_s};
}

void TestToDoList::selection()
{
    QFETCH(QStringList, jobs);
    QFETCH(bool, currentFile);
    QFETCH(bool, previousFile);
    QFETCH(QStringList, expected);

    ViewFixture f;
    putJobs(f, jobs);
    if (currentFile)
        f.save(K::Current);
    if (previousFile)
        f.save(K::Previous);

    QStringList got;
    for (const Pending::JobRef &e : Pending::jobsToday(f.session, Pending::Rule::OpenToday))
        got << entryName(e);
    QCOMPARE(got, expected);
}

void TestToDoList::rows_showTheJobsWithInProgressFramedInAqua()
{
    ViewFixture f; // 2005-05-16, a Monday
    f.put(K::Current, 0, QDate(2005, 5, 3), QDate(2005, 5, 20), JobRecord::InProgress, u"設計"_s);
    f.put(K::Current, 1, QDate(2005, 5, 17), QDate(2005, 5, 17), JobRecord::NotDone, u"打合せ"_s);
    f.save(K::Current);
    f.put(K::Previous, 0, QDate(2005, 4, 10), QDate(2005, 5, 16), JobRecord::NotDone, u"前月の仕事"_s);
    f.save(K::Previous);
    ToDoListWindow list(f.session, f.host);
    list.show();

    const QList<JobRowWidget *> &rows = list.rowWidgets();
    QCOMPARE(rows.size(), 3);
    struct Expected
    {
        QString no, start, end, title;
        bool aqua;
    };
    const Expected expected[] = {
        {u"5月 No.2"_s, u"05月17日(火)"_s, u"05月17日(火)"_s, u"打合せ"_s, false},
        {u"5月 No.1"_s, u"05月03日(火)"_s, u"05月20日(金)"_s, u"設計"_s, true},
        {u"4月 No.1"_s, u"04月10日(日)"_s, u"05月16日(月)"_s, u"前月の仕事"_s, false},
    };
    for (int i = 0; i < rows.size(); ++i) {
        JobRowWidget *row = rows[i];
        QCOMPARE(row->geometry(), QRect(1, 30 * i, 530, 30));
        QCOMPARE(row->text(JobRowWidget::Box::DataNo), expected[i].no);
        QCOMPARE(row->text(JobRowWidget::Box::Start), expected[i].start);
        QCOMPARE(row->text(JobRowWidget::Box::End), expected[i].end);
        QCOMPARE(row->text(JobRowWidget::Box::Title), expected[i].title);
        // The frame around the boxes is the row's own colour.
        const QColor frame = row->grab().toImage().pixelColor(2, 2);
        QCOMPARE(frame == QColor(0, 255, 255), expected[i].aqua);
    }
}

void TestToDoList::noOpenJob_showsTheRefreshDayGreeting()
{
    ViewFixture f;
    f.put(K::Current, 0, f.day(-5), f.day(-1));
    f.save(K::Current);
    ToDoListWindow list(f.session, f.host);
    list.show();

    QVERIFY(list.rowWidgets().isEmpty());
    auto *greeting = list.findChild<QLabel *>(u"refreshDayLabel"_s);
    auto *face = list.findChild<QLabel *>(u"faceLabel"_s);
    QCOMPARE(greeting->text(), u"本日は リフレッシュ・デー です"_s);
    QCOMPARE(face->text(), u"(*^_^*)"_s);
    QVERIFY(greeting->isVisible() && face->isVisible());
    QCOMPARE(greeting->pos(), QPoint(75, 5));
    QCOMPARE(face->pos(), QPoint(375, 2));
    // Both fit in the list area.
    const int areaWidth = list.listArea()->viewport()->width();
    QVERIFY(greeting->geometry().right() < face->x());
    QVERIFY(face->geometry().right() < areaWidth);
}

void TestToDoList::leftClick_showsTheJob_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("graphOpen");
    QTest::addColumn<MonthKind>("kind");
    QTest::addColumn<int>("dataNo");
    QTest::addColumn<bool>("header");
    QTest::newRow("current month, on the panel") << 0 << QString() << false << K::Current << 3 << true;
    QTest::newRow("current month, on the title box")
        << 0 << u"edtTitle"_s << false << K::Current << 3 << true;
    QTest::newRow("previous month") << 1 << u"edtStart"_s << false << K::Previous << 2 << true;
    // The graph already shows that month, and so does the main window.
    QTest::newRow("current month, graph open") << 0 << QString() << true << K::Current << 3 << false;
}

void TestToDoList::leftClick_showsTheJob()
{
    QFETCH(int, row);
    QFETCH(QString, box);
    QFETCH(bool, graphOpen);
    QFETCH(MonthKind, kind);
    QFETCH(int, dataNo);
    QFETCH(bool, header);

    ViewFixture f;
    f.put(K::Current, 0, f.day(-9), f.day(-8));
    f.put(K::Current, 1, f.day(-9), f.day(-8));
    f.put(K::Current, 2, f.day(0), f.day(3));
    f.save(K::Current);
    f.put(K::Previous, 0, f.day(-30), f.day(-29));
    f.put(K::Previous, 1, f.day(-20), f.day(1));
    f.save(K::Previous);
    f.host.appendEnabled = kind != K::Current;
    f.host.updateEnabled = false;
    FakeServices fs;
    ViewManager views(f.session, fs.services, f.host);
    if (graphOpen)
        views.openGraph();
    BarGraphWindow *graph = views.graphWindow();
    views.openToDoList(false);

    JobRowWidget *panel = views.listWindow()->rowWidgets().at(row);
    const QHash<QString, JobRowWidget::Box> boxes = {{u"edtDataNo"_s, JobRowWidget::Box::DataNo},
                                                     {u"edtStart"_s, JobRowWidget::Box::Start},
                                                     {u"edtEnd"_s, JobRowWidget::Box::End},
                                                     {u"edtTitle"_s, JobRowWidget::Box::Title}};
    const QPoint at =
        box.isEmpty() ? QPoint(2, 2) : panel->boxRect(boxes.value(box)).topLeft() + QPoint(2, 2);
    QTest::mouseClick(panel, Qt::LeftButton, {}, at);

    QCOMPARE(f.host.activations, 1);
    QCOMPARE(f.host.shown, (QList<FakeViewHost::Shown>{{kind, dataNo}}));
    QCOMPARE(f.host.appendEnabled, kind == K::Current);
    QVERIFY(f.host.updateEnabled);
    QCOMPARE(f.host.headers, header ? QList<MonthKind>{kind} : QList<MonthKind>{});
    QCOMPARE(f.host.month, kind);
    QCOMPARE(views.graphWindow(), graph);
    QVERIFY(views.isToDoListOpen());
}

void TestToDoList::leftClick_otherMonthWhileGraphOpen_reopensGraphForThatMonth()
{
    ViewFixture f;
    f.put(K::Current, 0, f.day(0), f.day(3));
    f.save(K::Current);
    f.put(K::Previous, 0, f.day(-30), f.day(-29));
    f.put(K::Previous, 1, f.day(-20), f.day(1));
    f.save(K::Previous);
    FakeServices fs;
    ViewManager views(f.session, fs.services, f.host);
    views.openGraph();
    QPointer<BarGraphWindow> before = views.graphWindow();
    QCOMPARE(before->windowTitle(), u"バーグラフ ●5月のデータ"_s);
    views.openToDoList(false);

    QTest::mouseClick(views.listWindow()->rowWidgets().at(1), Qt::LeftButton);

    QCOMPARE(f.host.month, K::Previous);
    QVERIFY(views.isGraphOpen());
    QVERIFY(views.graphWindow() != before.data());
    QCOMPARE(views.graphWindow()->windowTitle(), u"バーグラフ ●4月のデータ"_s);
    QCOMPARE(views.graphWindow()->rows().size(), 2);
    QVERIFY(!f.host.appendEnabled);
    QCOMPARE(f.host.shown, (QList<FakeViewHost::Shown>{{K::Previous, 2}}));
    QCOMPARE(f.host.headers, QList<MonthKind>{K::Previous});
}

void TestToDoList::leftClick_recordNotShown_changesNothing()
{
    ViewFixture f;
    f.put(K::Current, 0, f.day(0), f.day(3));
    f.save(K::Current);
    f.put(K::Previous, 0, f.day(-20), f.day(1));
    f.save(K::Previous);
    FakeServices fs;
    ViewManager views(f.session, fs.services, f.host);
    views.openGraph();
    QPointer<BarGraphWindow> graph = views.graphWindow();
    views.openToDoList(false);
    f.host.refuseShow = true;

    QTest::mouseClick(views.listWindow()->rowWidgets().at(1), Qt::LeftButton);

    QCOMPARE(f.host.month, K::Current);
    QCOMPARE(views.graphWindow(), graph.data());
    QVERIFY(f.host.headers.isEmpty());
    QVERIFY(f.host.appendEnabled);
}

void TestToDoList::leftClick_brokenDataNumber_showsTheListedSlot()
{
    ViewFixture f;
    f.put(K::Current, 0, f.day(-9), f.day(-8));
    f.put(K::Current, 1, f.day(0), f.day(3)).dataNo = 0;
    f.save(K::Current);
    FakeServices fs;
    ViewManager views(f.session, fs.services, f.host);
    views.openToDoList(false);
    QTest::mouseClick(views.listWindow()->rowWidgets().at(0), Qt::LeftButton);
    QCOMPARE(f.host.shown, (QList<FakeViewHost::Shown>{{K::Current, 2}}));
}

void TestToDoList::open_whileOpen_doesNothing()
{
    ViewFixture f;
    f.put(K::Current, 0, f.day(0), f.day(3));
    f.save(K::Current);
    FakeServices fs;
    ViewManager views(f.session, fs.services, f.host);
    views.openToDoList(false);
    ToDoListWindow *list = views.listWindow();

    f.put(K::Current, 1, f.day(0), f.day(3));
    f.save(K::Current);
    views.openToDoList(true);
    views.openToDoList(false);

    QCOMPARE(views.listWindow(), list);
    QCOMPARE(list->rowWidgets().size(), 1);
}

void TestToDoList::interlock_data()
{
    QTest::addColumn<bool>("fromButton");
    QTest::addColumn<bool>("interlock");
    QTest::addColumn<bool>("graphOpens");
    QTest::newRow("button, interlocked") << true << true << true;
    QTest::newRow("menu or F6, interlocked") << false << true << false;
    QTest::newRow("button, not interlocked") << true << false << false;
}

void TestToDoList::interlock()
{
    QFETCH(bool, fromButton);
    QFETCH(bool, interlock);
    QFETCH(bool, graphOpens);
    ViewFixture f;
    f.session.config().interlockToDoGraph = interlock;
    FakeServices fs;
    ViewManager views(f.session, fs.services, f.host);
    views.openToDoList(fromButton);
    QVERIFY(views.isToDoListOpen());
    QCOMPARE(views.isGraphOpen(), graphOpens);

    // A graph that is already open stays as it is.
    views.closeToDoList();
    views.openGraph();
    BarGraphWindow *graph = views.graphWindow();
    views.openToDoList(fromButton);
    QCOMPARE(views.graphWindow(), graph);
}

void TestToDoList::launch_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<Partner>("partner");
    QTest::addColumn<AfterLaunch>("afterLaunch");
    QTest::newRow("Pellmark, then exit")
        << u"launchPellmarkAction"_s << Partner::Pellmark << AfterLaunch::Exit;
    QTest::newRow("Trevant, then tray")
        << u"launchTrevantAction"_s << Partner::Trevant << AfterLaunch::StayInTray;
    QTest::newRow("Pellmark, stay") << u"launchPellmarkAction"_s << Partner::Pellmark
                                    << AfterLaunch::StayShown;
}

void TestToDoList::launch()
{
    QFETCH(QString, item);
    QFETCH(Partner, partner);
    QFETCH(AfterLaunch, afterLaunch);
    ViewFixture f;
    f.session.config().afterLaunch = afterLaunch;
    FakeServices fs;
    ViewManager views(f.session, fs.services, f.host);
    views.openGraph();
    views.openToDoList(false);

    views.listWindow()->listMenu()->findChild<QAction *>(item)->trigger();

    // The graph goes at once; the program starts only after the pause, which must not block.
    QCOMPARE(f.host.pendingActions, QList<AfterLaunch>{afterLaunch});
    QVERIFY(!views.isGraphOpen());
    QVERIFY(f.host.launches.isEmpty());
    QVERIFY(views.isToDoListOpen());
    // A second choice during the pause starts nothing more.
    views.listWindow()->listMenu()->findChild<QAction *>(item)->trigger();

    QTRY_COMPARE_WITH_TIMEOUT(f.host.launches, QList<Partner>{partner}, 2000);
    QVERIFY(!views.isToDoListOpen());
    QTest::qWait(ViewManager::LaunchDelayMs * 2);
    QCOMPARE(f.host.launches.size(), 1);
}

void TestToDoList::closeForChange_reopensWithTheNewData()
{
    ViewFixture f;
    f.put(K::Current, 0, f.day(0), f.day(3));
    f.save(K::Current);
    FakeServices fs;
    ViewManager views(f.session, fs.services, f.host);
    views.openToDoList(false);
    views.openGraph();

    const ViewManager::Remembered remembered = views.closeForChange();
    QVERIFY(remembered.list && remembered.graph);
    QVERIFY(!views.isToDoListOpen() && !views.isGraphOpen());
    f.put(K::Current, 1, f.day(-1), f.day(1));
    f.save(K::Current);
    views.reopen(remembered);

    QCOMPARE(views.listWindow()->rowWidgets().size(), 2);
    QCOMPARE(views.graphWindow()->rows().size(), 2);

    // What was closed stays closed.
    views.closeGraph();
    views.reopen(views.closeForChange());
    QVERIFY(views.isToDoListOpen());
    QVERIFY(!views.isGraphOpen());
}

void TestToDoList::altC_closesAtOnce()
{
    ViewFixture f;
    FakeServices fs;
    ViewManager views(f.session, fs.services, f.host);
    for (bool list : {true, false}) {
        list ? views.openToDoList(false) : views.openGraph();
        QWidget *window = list ? views.toDoList() : views.graph();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window, Qt::Key_C, Qt::AltModifier);
        // No wait: the button acts on the key, not after Qt's 100 ms press animation.
        QVERIFY(!(list ? views.isToDoListOpen() : views.isGraphOpen()));
    }
}

QTEST_MAIN(TestToDoList)
#include "tst_todolistwindow.moc"
