#include "support/FileSizeLimit.h"
#include "support/MainWindowFixture.h"

#include "widgets/RangeCalendarWidget.h"
#include "widgets/UpDownWidget.h"

#include <QButtonGroup>
#include <QPointer>
#include <QSignalSpy>

using namespace Qt::StringLiterals;

namespace {

const QString May = u"Y2005MAY.vxf"_s;
const QString April = u"Y2005APR.vxf"_s;
const QString TitleMissing = u"必須入力項目の「タイトル」に入力されていません."_s;

QList<JobRecord> threeMayJobs()
{
    return {MainWindowFixture::job(1, u"一"_s, {2005, 5, 1}, {2005, 5, 2}),
            MainWindowFixture::job(2, u"二"_s, {2005, 5, 3}, {2005, 5, 4}),
            MainWindowFixture::job(3, u"三"_s, {2005, 5, 5}, {2005, 5, 6})};
}

} // namespace

class TestMainEditing : public QObject
{
    Q_OBJECT
private slots:
    void createAndSave_writesWholeFileAndSwitchesStates();
    void emptyTitle_refusedEverywhere();
    void newEntryAndAppend_addsAtFirstFreeSlot();
    void appendAtUsedSlot_updatesInstead();
    void updateAtEmptySlot_appendsInstead();
    void update_leavesCountAlone();
    void appendWhilePreviousShown_isRefused();
    void newEntry_fullMonth_tellsAndChangesNothing();
    void upDown_stopsAtFirstFreeSlotAndSixty();
    void upDown_previousMonthStopsAtCount();
    void switchMonth_currentToPreviousAndBack();
    void switchMonth_backWithoutCurrentFile();
    void storedTexts_areCutAtCapacity();
    void failingWrite_reportsAndKeepsOldFile();
    void startDateRule_viaPicker();
    void endDateRule_viaPicker();
    void calendarDrag_appliesRuleOnRelease();
    void dataChanges_closeAndReopenOpenViews();
    void trayMove_closesViews();
};

void TestMainEditing::createAndSave_writesWholeFileAndSwitchesStates()
{
    MainWindowFixture f;
    f.start();
    f.fakes.dialogs.clear();
    f.setTitle(u"最初の仕事"_s);
    f.find<QLineEdit>("jobNoEdit")->setText(u"A-1"_s);
    f.trigger("createMonthFileAction");
    QCOMPARE(f.folder.read(May).size(), 27360);
    const MonthFile::Jobs jobs = f.readMonth(May);
    QCOMPARE(jobs[0].title, u"最初の仕事"_s);
    QCOMPARE(jobs[0].dataNo, 1);
    QCOMPARE(jobs[0].jobNo, u"A-1"_s);
    QCOMPARE(jobs[0].startDate, DaySerial::fromDate({2005, 5, 16}));
    QVERIFY(!jobs[1].isUsed());
    QCOMPARE(f.fakes.dialogs.lastText(), u"データファイル: Y2005MAY.vxf を作成して保存しました."_s);
    QCOMPARE(*f.fakes.dialogs.shown.last().at, f.window->frameGeometry().topLeft() + QPoint(50, 200));
    QCOMPARE(f.window->windowTitle(), u"Wrenly ●5月のデータ"_s);
    QCOMPARE(f.countStatus(), u"データ総数: 1"_s);
    QVERIFY(!f.enabled("createMonthFileAction"));
    QVERIFY(f.enabled("appendAction"));
    QVERIFY(f.enabled("updateAction"));
    QVERIFY(f.enabled("newEntryAction"));
    QVERIFY(f.find<QMenu>("dataOutputMenu")->menuAction()->isEnabled());
    QVERIFY(f.find<QWidget>("dataNoUpDown")->isEnabled());
}

void TestMainEditing::emptyTitle_refusedEverywhere()
{
    MainWindowFixture f;
    f.start();
    f.fakes.dialogs.clear();
    f.trigger("createMonthFileAction");
    QCOMPARE(f.fakes.dialogs.lastText(), TitleMissing);
    QVERIFY(!f.folder.exists(May));

    MainWindowFixture g;
    g.writeMonth(May, threeMayJobs());
    g.start();
    const QByteArray before = g.folder.read(May);
    g.setTitle(QString());
    for (const char *a : {"appendAction", "updateAction"}) {
        g.fakes.dialogs.clear();
        g.trigger(a);
        QCOMPARE(g.fakes.dialogs.texts(), QStringList{TitleMissing});
    }
    QCOMPARE(g.folder.read(May), before);
}

void TestMainEditing::newEntryAndAppend_addsAtFirstFreeSlot()
{
    MainWindowFixture f;
    f.writeMonth(May, threeMayJobs());
    f.start();
    f.trigger("newEntryAction");
    QCOMPARE(f.dataNo(), u"4"_s);
    QCOMPARE(f.title(), QString());
    f.setTitle(u"四"_s);
    f.find<QPlainTextEdit>("commentsEdit")->setPlainText(u"一行目\n二行目"_s);
    f.window->findChild<QButtonGroup *>()->button(2)->setChecked(true);
    f.fakes.dialogs.clear();
    f.trigger("appendAction");
    QCOMPARE(f.fakes.dialogs.texts(), QStringList{u"データファイル: Y2005MAY.vxf にデータを追加しました."_s});
    const MonthFile::Jobs jobs = f.readMonth(May);
    QCOMPARE(MonthFile::countUsedRecords(jobs), 4);
    QCOMPARE(jobs[3].dataNo, 4);
    QCOMPARE(jobs[3].comments, u"一行目\r\n二行目"_s);
    QCOMPARE(jobs[3].check, 2);
    QCOMPARE(f.countStatus(), u"データ総数: 4"_s);
    QCOMPARE(f.folder.read(May).size(), 27360);
}

void TestMainEditing::appendAtUsedSlot_updatesInstead()
{
    MainWindowFixture f;
    f.writeMonth(May, threeMayJobs());
    f.start();
    f.setTitle(u"三を直す"_s);
    f.fakes.dialogs.clear();
    f.trigger("appendAction");
    QCOMPARE(f.fakes.dialogs.texts(), QStringList{u"データファイル: Y2005MAY.vxf のデータを更新しました."_s});
    const MonthFile::Jobs jobs = f.readMonth(May);
    QCOMPARE(jobs[2].title, u"三を直す"_s);
    QCOMPARE(MonthFile::countUsedRecords(jobs), 3);
}

void TestMainEditing::updateAtEmptySlot_appendsInstead()
{
    MainWindowFixture f;
    f.writeMonth(May, threeMayJobs());
    f.start();
    f.trigger("newEntryAction");
    f.setTitle(u"四"_s);
    f.fakes.dialogs.clear();
    f.trigger("updateAction");
    QCOMPARE(f.fakes.dialogs.texts(), QStringList{u"データファイル: Y2005MAY.vxf にデータを追加しました."_s});
    QCOMPARE(MonthFile::countUsedRecords(f.readMonth(May)), 4);
    QCOMPARE(f.countStatus(), u"データ総数: 4"_s);
}

void TestMainEditing::update_leavesCountAlone()
{
    MainWindowFixture f;
    f.writeMonth(May, threeMayJobs());
    f.start();
    auto *upDown = f.find<UpDownWidget>("dataNoUpDown");
    upDown->requestStep(-1);
    QCOMPARE(f.dataNo(), u"2"_s);
    QCOMPARE(f.title(), u"二"_s);
    f.setTitle(u"二の改"_s);
    f.trigger("updateAction");
    QCOMPARE(f.readMonth(May)[1].title, u"二の改"_s);
    QCOMPARE(f.countStatus(), u"データ総数: 3"_s);
    QCOMPARE(f.window->session().jobs(MonthKind::Current)[1].title, u"二の改"_s);
}

void TestMainEditing::appendWhilePreviousShown_isRefused()
{
    MainWindowFixture f;
    f.writeMonth(May, threeMayJobs());
    f.writeMonth(April, {MainWindowFixture::job(1, u"四月"_s, {2005, 4, 1}, {2005, 4, 2})});
    f.start();
    f.trigger("switchMonthAction");
    const QByteArray april = f.folder.read(April);
    f.fakes.dialogs.clear();
    f.window->appendRecord(); // the action is disabled; the command itself refuses too
    QCOMPARE(f.fakes.dialogs.texts(),
             QStringList{u"前月のデータファイル: Y2005APR.vxf に\r\nデータを追加することはできません."_s});
    QCOMPARE(f.folder.read(April), april);
}

void TestMainEditing::newEntry_fullMonth_tellsAndChangesNothing()
{
    MainWindowFixture f;
    QList<JobRecord> sixty;
    for (int i = 1; i <= 60; ++i)
        sixty << MainWindowFixture::job(i, u"job"_s + QString::number(i), {2005, 5, 1}, {2005, 5, 2});
    f.writeMonth(May, sixty);
    f.start();
    QCOMPARE(f.dataNo(), u"60"_s);
    f.fakes.dialogs.clear();
    f.trigger("newEntryAction");
    QCOMPARE(f.fakes.dialogs.shown.size(), 1);
    QCOMPARE(f.dataNo(), u"60"_s);
    QCOMPARE(f.title(), u"job60"_s);
    // The up-down cannot go above 60 either.
    f.find<UpDownWidget>("dataNoUpDown")->requestStep(+1);
    QCOMPARE(f.dataNo(), u"60"_s);
}

void TestMainEditing::upDown_stopsAtFirstFreeSlotAndSixty()
{
    MainWindowFixture f;
    f.writeMonth(May, threeMayJobs());
    f.start();
    auto *upDown = f.find<UpDownWidget>("dataNoUpDown");
    upDown->requestStep(+1); // 3 -> 4, the first free slot: a blank entry
    QCOMPARE(f.dataNo(), u"4"_s);
    QCOMPARE(f.title(), QString());
    QCOMPARE(f.find<QDateEdit>("startDateEdit")->date(), QDate(2005, 5, 16));
    upDown->requestStep(+1); // refused at the first free slot
    QCOMPARE(f.dataNo(), u"4"_s);
    upDown->requestStep(-1);
    QCOMPARE(f.dataNo(), u"3"_s);
    QCOMPARE(f.title(), u"三"_s);
    QCOMPARE(f.fakes.sound.played.size(), 2); // start-up and the step back
}

void TestMainEditing::upDown_previousMonthStopsAtCount()
{
    MainWindowFixture f;
    f.writeMonth(May, threeMayJobs());
    f.writeMonth(April, {MainWindowFixture::job(1, u"四月一"_s, {2005, 4, 1}, {2005, 4, 2}),
                         MainWindowFixture::job(2, u"四月二"_s, {2005, 4, 3}, {2005, 4, 4})});
    f.start();
    f.trigger("switchMonthAction");
    auto *upDown = f.find<UpDownWidget>("dataNoUpDown");
    QCOMPARE(f.dataNo(), u"2"_s);
    upDown->requestStep(+1);
    QCOMPARE(f.dataNo(), u"2"_s);
    upDown->requestStep(-1);
    QCOMPARE(f.title(), u"四月一"_s);
}

void TestMainEditing::switchMonth_currentToPreviousAndBack()
{
    MainWindowFixture f;
    f.writeMonth(May, threeMayJobs());
    f.writeMonth(April, {MainWindowFixture::job(1, u"四月"_s, {2005, 4, 1}, {2005, 4, 2})});
    f.start();
    f.trigger("switchMonthAction");
    QCOMPARE(f.window->shownMonth(), MonthKind::Previous);
    QCOMPARE(f.window->windowTitle(), u"Wrenly ●4月のデータ"_s);
    QCOMPARE(f.countStatus(), u"データ総数: 1"_s);
    QCOMPARE(f.title(), u"四月"_s);
    QVERIFY(!f.enabled("appendAction"));
    QVERIFY(!f.enabled("newEntryAction"));
    QVERIFY(f.enabled("updateAction"));
    QVERIFY(!f.enabled("createMonthFileAction"));

    // An update while April is shown goes to April's file.
    f.setTitle(u"四月改"_s);
    f.fakes.dialogs.clear();
    f.trigger("updateAction");
    QCOMPARE(f.fakes.dialogs.lastText(), u"データファイル: Y2005APR.vxf のデータを更新しました."_s);
    QCOMPARE(f.readMonth(April)[0].title, u"四月改"_s);
    QCOMPARE(f.readMonth(May)[0].title, u"一"_s);

    f.trigger("switchMonthAction");
    QCOMPARE(f.window->shownMonth(), MonthKind::Current);
    QCOMPARE(f.window->windowTitle(), u"Wrenly ●5月のデータ"_s);
    QCOMPARE(f.dataNo(), u"3"_s);
    QCOMPARE(f.title(), u"三"_s);
    QVERIFY(f.enabled("appendAction"));
    QVERIFY(f.enabled("newEntryAction"));
}

void TestMainEditing::switchMonth_backWithoutCurrentFile()
{
    MainWindowFixture f;
    f.writeMonth(April, {MainWindowFixture::job(1, u"四月"_s, {2005, 4, 1}, {2005, 4, 2})});
    f.start();
    f.trigger("switchMonthAction");
    QCOMPARE(f.title(), u"四月"_s);
    QVERIFY(!f.enabled("createMonthFileAction"));
    f.fakes.dialogs.clear();
    f.trigger("switchMonthAction");
    QCOMPARE(f.fakes.dialogs.shown.size(), 1);
    QCOMPARE(f.fakes.dialogs.shown.first().caption, u"データファイルを作成してください"_s);
    QCOMPARE(f.fakes.dialogs.shown.first().text,
             u"\r\n★今月のデータファイル: Y2005MAY.vxf が存在しません.\r\n\r\n\r\n■新規データを入力して,\r\n"
             u"   [ファイル] -> [ファイルを作成して保存]で作成してください.\r\n\r\n\r\n"_s);
    QCOMPARE(f.window->windowTitle(), u"Wrenly ●5月のデータファイル未作成"_s);
    QCOMPARE(f.dataNo(), u"1"_s);
    QCOMPARE(f.title(), QString());
    QVERIFY(f.enabled("createMonthFileAction"));
    QVERIFY(!f.enabled("updateAction"));
    QVERIFY(!f.enabled("appendAction"));
    QCOMPARE(f.countStatus(), u"データ総数: 0"_s);
    // Creating the file now works as at a start without it.
    f.setTitle(u"新"_s);
    f.trigger("createMonthFileAction");
    QCOMPARE(f.readMonth(May)[0].title, u"新"_s);
}

void TestMainEditing::storedTexts_areCutAtCapacity()
{
    MainWindowFixture f;
    f.writeMonth(May, threeMayJobs());
    f.start();
    f.setTitle(QString(40, QChar(0x65E5))); // 80 bytes of kanji
    f.find<QComboBox>("customerBox")->setEditText(u"a"_s + QString(20, QChar(0x65E5)));
    f.trigger("updateAction");
    const JobRecord r = f.readMonth(May)[2];
    QCOMPARE(r.title, QString(31, QChar(0x65E5)));
    QCOMPARE(r.customer, u"a"_s + QString(15, QChar(0x65E5)));
    QCOMPARE(f.window->session().jobs(MonthKind::Current)[2].title,
             r.title); // memory holds what the file holds
}

void TestMainEditing::failingWrite_reportsAndKeepsOldFile()
{
    MainWindowFixture f;
    f.writeMonth(May, threeMayJobs());
    f.start();
    const QByteArray before = f.folder.read(May);
    f.setTitle(u"書けない"_s);
    f.fakes.dialogs.clear();
    {
        FileSizeLimit limit(1000);
        f.trigger("updateAction");
    }
    QCOMPARE(f.fakes.dialogs.count(FakeDialogs::Kind::Error), 1);
    QVERIFY(f.fakes.dialogs.lastText().contains(May));
    QCOMPARE(f.fakes.dialogs.count(FakeDialogs::Kind::Inform), 0); // no success message
    QCOMPARE(f.folder.read(May), before);
    QCOMPARE(f.window->session().jobs(MonthKind::Current)[2].title, u"三"_s);
    // The window goes on: the next update succeeds.
    f.trigger("updateAction");
    QCOMPARE(f.readMonth(May)[2].title, u"書けない"_s);
}

void TestMainEditing::startDateRule_viaPicker()
{
    MainWindowFixture f;
    f.writeMonth(May, threeMayJobs());
    f.start();
    auto *start = f.find<QDateEdit>("startDateEdit");
    auto *end = f.find<QDateEdit>("endDateEdit");
    auto *calendar = f.find<RangeCalendarWidget>("calendar");
    start->setDate({2005, 6, 3});
    f.window->applyStartDateRule();
    QCOMPARE(end->date(), QDate(2005, 6, 3));
    QCOMPARE(calendar->selectionStart(), QDate(2005, 6, 3));
    QCOMPARE(calendar->selectionEnd(), QDate(2005, 6, 3));
    start->setDate({2005, 7, 1});
    f.window->applyStartDateRule();
    QCOMPARE(start->date(), QDate(2005, 5, 16));
    QCOMPARE(end->date(), QDate(2005, 5, 16));
    QCOMPARE(calendar->selectionEnd(), QDate(2005, 5, 16));
    start->setDate({2006, 5, 2}); // next year, an allowed month
    f.window->applyStartDateRule();
    QCOMPARE(start->date(), QDate(2006, 5, 2));
    QVERIFY(f.fakes.dialogs.shown.isEmpty()); // silently
}

void TestMainEditing::endDateRule_viaPicker()
{
    MainWindowFixture f;
    f.writeMonth(May, threeMayJobs());
    f.start();
    auto *start = f.find<QDateEdit>("startDateEdit");
    auto *end = f.find<QDateEdit>("endDateEdit");
    start->setDate({2005, 5, 10});
    f.window->applyStartDateRule();
    end->setDate({2005, 6, 20});
    f.window->applyEndDateRule();
    QCOMPARE(end->date(), QDate(2005, 6, 20));
    QCOMPARE(f.find<RangeCalendarWidget>("calendar")->selectionEnd(), QDate(2005, 6, 20));
    end->setDate({2005, 5, 9});
    f.window->applyEndDateRule();
    QCOMPARE(start->date(), QDate(2005, 5, 16));
    QCOMPARE(end->date(), QDate(2005, 5, 16));
}

void TestMainEditing::calendarDrag_appliesRuleOnRelease()
{
    MainWindowFixture f;
    f.writeMonth(May, threeMayJobs());
    MainWindow &w = f.start();
    w.show();
    auto *calendar = f.find<RangeCalendarWidget>("calendar");
    calendar->showMonth({2005, 5, 1});
    QSignalSpy spy(calendar, &RangeCalendarWidget::rangeSelected);
    const QPoint from = calendar->dayRect({2005, 5, 20}).center();
    const QPoint to = calendar->dayRect({2005, 6, 2}).center();
    QVERIFY(!to.isNull());
    QTest::mousePress(calendar, Qt::LeftButton, {}, from);
    QMouseEvent move(QEvent::MouseMove, to, calendar->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, {});
    QCoreApplication::sendEvent(calendar, &move);
    QTest::mouseRelease(calendar, Qt::LeftButton, {}, to);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(f.find<QDateEdit>("startDateEdit")->date(), QDate(2005, 5, 20));
    QCOMPARE(f.find<QDateEdit>("endDateEdit")->date(), QDate(2005, 6, 2));

    // Dragged backwards from 2 June to 20 May gives the same range.
    QTest::mousePress(calendar, Qt::LeftButton, {}, to);
    QMouseEvent back(QEvent::MouseMove, from, calendar->mapToGlobal(from), Qt::NoButton, Qt::LeftButton, {});
    QCoreApplication::sendEvent(calendar, &back);
    QTest::mouseRelease(calendar, Qt::LeftButton, {}, from);
    QCOMPARE(f.find<QDateEdit>("startDateEdit")->date(), QDate(2005, 5, 20));
    QCOMPARE(f.find<QDateEdit>("endDateEdit")->date(), QDate(2005, 6, 2));

    // A July start is reset to today.
    calendar->showMonth({2005, 7, 1});
    const QPoint july = calendar->dayRect({2005, 7, 4}).center();
    QTest::mousePress(calendar, Qt::LeftButton, {}, july);
    QTest::mouseRelease(calendar, Qt::LeftButton, {}, july);
    QCOMPARE(f.find<QDateEdit>("startDateEdit")->date(), QDate(2005, 5, 16));
    QCOMPARE(calendar->selectionStart(), QDate(2005, 5, 16));
}

void TestMainEditing::dataChanges_closeAndReopenOpenViews()
{
    MainWindowFixture f;
    f.writeMonth(May, threeMayJobs());
    f.writeMonth(April, {MainWindowFixture::job(1, u"四月"_s, {2005, 4, 1}, {2005, 4, 2})});
    MainWindow &w = f.start();
    w.show();
    f.trigger("toDoListAction");
    f.trigger("barGraphAction");
    QPointer<QWidget> list = w.views().toDoList();
    QPointer<QWidget> graph = w.views().graph();
    QVERIFY(list && graph);

    f.setTitle(u"三の改"_s);
    f.trigger("updateAction");
    // Rebuilt around the change: new windows, both open again.
    QVERIFY(w.views().isToDoListOpen());
    QVERIFY(w.views().isGraphOpen());
    QTRY_VERIFY(list.isNull());
    QTRY_VERIFY(graph.isNull());
    QCOMPARE(w.views().graph()->windowTitle(), u"バーグラフ ●5月のデータ"_s);

    // The month switch rebuilds the graph for the month now shown.
    f.trigger("switchMonthAction");
    QVERIFY(w.views().isGraphOpen());
    QCOMPARE(w.views().graph()->windowTitle(), u"バーグラフ ●4月のデータ"_s);

    // A refused command leaves the views as they were.
    f.trigger("switchMonthAction");
    list = w.views().toDoList();
    f.setTitle(QString());
    f.trigger("updateAction");
    QCOMPARE(w.views().toDoList(), list.data());
}

void TestMainEditing::trayMove_closesViews()
{
    MainWindowFixture f;
    f.writeMonth(May, threeMayJobs());
    MainWindow &w = f.start();
    w.show();
    f.trigger("toDoListAction");
    f.trigger("barGraphAction");
    f.trigger("trayAction");
    QVERIFY(!w.views().isToDoListOpen());
    QVERIFY(!w.views().isGraphOpen());
}

QTEST_MAIN(TestMainEditing)
#include "tst_mainediting.moc"
