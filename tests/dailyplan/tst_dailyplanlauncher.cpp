#include "dailyplan/DailyPlannerFirstUseDialog.h"
#include "data/DailyPlanPaths.h"
#include "data/DaySerial.h"
#include "support/PlannerFixture.h"
#include "widgets/JobRowWidget.h"

#include <QDateEdit>
#include <QLabel>
#include <QStatusBar>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

JobRecord job(int dataNo, double start, double end, int check)
{
    JobRecord j;
    j.dataNo = dataNo;
    j.title = u"ジョブ"_s + QString::number(dataNo);
    j.startDate = start;
    j.endDate = end;
    j.check = check;
    return j;
}

// The rows of the in-progress list, top to bottom, by their first box.
QStringList rowTexts(DailyPlannerWindow *w)
{
    QList<JobRowWidget *> rows = w->findChildren<JobRowWidget *>();
    std::sort(rows.begin(), rows.end(), [](auto *a, auto *b) { return a->y() < b->y(); });
    QStringList out;
    for (JobRowWidget *r : rows)
        out << r->text(JobRowWidget::Box::DataNo);
    return out;
}

QString statusPanel(DailyPlannerWindow *w, int index)
{
    QList<QLabel *> labels = child<QStatusBar>(w, u"statusBar")->findChildren<QLabel *>();
    std::sort(labels.begin(), labels.end(), [](auto *a, auto *b) { return a->x() < b->x(); });
    QStringList texts;
    for (QLabel *l : labels) {
        if (l->text().startsWith(u"データ総数"_s) || l->text().startsWith(u"ルーチン総数"_s))
            texts << l->text();
    }
    return texts.value(index - 1);
}

} // namespace

class TestDailyPlanLauncher : public QObject
{
    Q_OBJECT
private slots:
    void firstUse_cancel_createsNothing();
    void firstUse_go_createsFoldersAndFiles();
    void secondUse_asksNothing_andWorksOnTheClocksDay();
    void folderCannotBeMade_data();
    void folderCannotBeMade();
    void inProgress_rowsInOrderAndCount();
    void inProgress_noneListed();
    void afterMidnight_jobsKeepTheirMonth();
    void existingDayFile_isLoadedAtOnce_data();
    void existingDayFile_isLoadedAtOnce();
    void unreadableFiles_reportedAndPlannerNotOpened_data();
    void unreadableFiles_reportedAndPlannerNotOpened();
    void open_showsModallyOnlyWhenPrepared();
    void confirmDialog_answers();
};

void TestDailyPlanLauncher::firstUse_cancel_createsNothing()
{
    Planner p;
    p.confirmAnswer = false;
    QVERIFY(!p.launcher.prepare());
    QCOMPARE(p.confirmations, 1);
    QVERIFY(!p.dir.exists(u"AUBREL"_s));
    QVERIFY(!p.dir.exists(u"Routines.rdf"_s));
    QCOMPARE(p.host.viewsClosed, 0);
}

void TestDailyPlanLauncher::firstUse_go_createsFoldersAndFiles()
{
    Planner p;
    QVERIFY(p.open());
    QCOMPARE(p.confirmations, 1);
    QCOMPARE(p.host.viewsClosed, 1);
    QVERIFY(QFileInfo(p.dir.file(u"AUBREL/Y200512"_s)).isDir());
    QCOMPARE(p.dir.read(u"Routines.rdf"_s).size(), 3200);
    QCOMPARE(ListEntries::fromBytes(p.dir.read(u"LEntries.lef"_s)), ListEntries::defaults());
    QVERIFY(!p.dir.exists(u"AUBREL/Y200512/Y2005125.dtf"_s)); // only the first save makes the day file
    QCOMPARE(child<QLineEdit>(p.window.get(), u"fileNameEdit")->text(), u"未作成"_s);
    QCOMPARE(child<QDateEdit>(p.window.get(), u"createdOnDateEdit")->date(), QDate(2005, 12, 5));
    QCOMPARE(child<QDateEdit>(p.window.get(), u"todayDateEdit")->date(), QDate(2005, 12, 5));
    QCOMPARE(child<QLineEdit>(p.window.get(), u"clockEdit")->text(), u"AM 10時 00分 00秒"_s);
    QVERIFY(child<QWidget>(p.window.get(), u"firstUseHint")->isVisible());
    QCOMPARE(p.day().currentFile(), p.dir.file(u"AUBREL/Y200512/Y2005125.dtf"_s));
    QCOMPARE(statusPanel(p.window.get(), 1), u"データ総数: 0"_s);
    QCOMPARE(statusPanel(p.window.get(), 2), u"ルーチン総数: 0"_s);
    QCOMPARE(p.shutters(), 0);
    VERIFY_NO_UNEXPECTED_BOXES(p.fakes.dialogs);
    QVERIFY(p.fakes.dialogs.shown.isEmpty());

    // The hint goes with a left click.
    QTest::mouseClick(child<QWidget>(p.window.get(), u"firstUseHintLabel"), Qt::LeftButton);
    QVERIFY(!child<QWidget>(p.window.get(), u"firstUseHint")->isVisible());
}

void TestDailyPlanLauncher::secondUse_asksNothing_andWorksOnTheClocksDay()
{
    Planner p(QDate(2005, 12, 31));
    p.dir.write(u"AUBREL/keep"_s, "x");
    RoutineFile::Routines r{};
    r[0].padNo = 1;
    r[1].padNo = 2;
    p.dir.write(u"Routines.rdf"_s, RoutineFile::toBytes(r));
    p.fakes.clock.date = QDate(2006, 1, 2); // the program has run past the new year
    QVERIFY(p.open());
    QCOMPARE(p.confirmations, 0);
    // The session stays on the start-up day; only the planner moves on.
    QCOMPARE(p.session.thisYear(), 2005);
    QCOMPARE(p.session.thisMonth(), 12);
    QCOMPARE(p.session.currentFileName(), u"Y2005DEC.vxf"_s);
    QCOMPARE(p.day().today(), QDate(2006, 1, 2));
    QCOMPARE(child<QDateEdit>(p.window.get(), u"todayDateEdit")->date(), QDate(2006, 1, 2));
    QVERIFY(QFileInfo(p.dir.file(u"AUBREL/Y200601"_s)).isDir());
    QCOMPARE(p.day().todayFile(), p.dir.file(u"AUBREL/Y200601/Y2006012.dtf"_s));
    QCOMPARE(statusPanel(p.window.get(), 2), u"ルーチン総数: 2"_s);
}

void TestDailyPlanLauncher::folderCannotBeMade_data()
{
    QTest::addColumn<QString>("blocker");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<QString>("message");
    QTest::newRow("AUBREL is a file") << u"AUBREL"_s << true << DailyPlanLauncher::rootFolderFailedText();
    QTest::newRow("month folder is a file")
        << u"AUBREL/Y200512"_s << false << DailyPlanLauncher::monthFolderFailedText();
}

void TestDailyPlanLauncher::folderCannotBeMade()
{
    QFETCH(QString, blocker);
    QFETCH(bool, asked);
    QFETCH(QString, message);
    Planner p;
    p.dir.write(blocker, "not a folder");
    QVERIFY(!p.launcher.prepare());
    QCOMPARE(p.confirmations, asked ? 1 : 0);
    QCOMPARE(p.fakes.dialogs.texts(), QStringList{message});
}

void TestDailyPlanLauncher::inProgress_rowsInOrderAndCount()
{
    Planner p;
    const double today = DaySerial::fromDate(QDate(2005, 12, 5));
    MonthFile::Jobs cur{};
    for (int i = 0; i < 11; ++i)
        cur[i] = job(i + 1, today - 3, today + 3, JobRecord::NotDone);
    cur[2].check = JobRecord::InProgress;
    cur[5] = job(6, today + 1, today + 7, JobRecord::InProgress); // starts tomorrow: counts
    cur[9] = job(10, today - 9, today, JobRecord::InProgress);    // ends today: counts
    cur[7] = job(8, today - 9, today - 1, JobRecord::InProgress); // ended yesterday
    cur[8] = job(9, today - 9, today + 9, JobRecord::Done);
    cur[10] = job(11, today + 2, today + 9, JobRecord::InProgress); // starts the day after tomorrow
    p.writeMonth(MonthKind::Current, cur);
    MonthFile::Jobs prev{};
    prev[0] = job(1, today - 30, today + 1, JobRecord::InProgress);
    p.writeMonth(MonthKind::Previous, prev);

    QVERIFY(p.open());
    QCOMPARE(rowTexts(p.window.get()),
             (QStringList{u"12月 No.10"_s, u"12月 No.6"_s, u"12月 No.3"_s, u"11月 No.1"_s}));
    QCOMPARE(child<QLabel>(p.window.get(), u"jobCountLabel")->text(), u"現在遂行中の件数： 4"_s);
    QList<JobRowWidget *> rows = p.window->findChildren<JobRowWidget *>();
    for (JobRowWidget *r : rows) {
        QCOMPARE(r->x(), 1);
        QCOMPARE(r->y() % 30, 0);
        QCOMPARE(r->background(), QColor(0, 255, 255));
    }
}

void TestDailyPlanLauncher::inProgress_noneListed()
{
    Planner p;
    const double today = DaySerial::fromDate(QDate(2005, 12, 5));
    // In progress, but the month file has gone since it was read: a month without its file lists nothing.
    MonthFile::Jobs prev{};
    prev[0] = job(1, today, today, JobRecord::InProgress);
    p.writeMonth(MonthKind::Previous, prev);
    QFile::remove(p.session.pathOf(p.session.previousFileName()));
    QVERIFY(p.open());
    QVERIFY(rowTexts(p.window.get()).isEmpty());
    QCOMPARE(child<QLabel>(p.window.get(), u"jobCountLabel")->text(), u"現在遂行中の件数： 0"_s);
}

void TestDailyPlanLauncher::afterMidnight_jobsKeepTheirMonth()
{
    Planner p(QDate(2005, 12, 31));
    MonthFile::Jobs december{};
    const double newYearsEve = DaySerial::fromDate(QDate(2005, 12, 31));
    december[0] = job(1, newYearsEve - 3, newYearsEve + 3, JobRecord::InProgress);
    p.writeMonth(MonthKind::Current, december);
    p.fakes.clock.date = QDate(2006, 1, 1);
    QVERIFY(p.open());
    QCOMPARE(rowTexts(p.window.get()), QStringList{u"12月 No.1"_s});
    QCOMPARE(p.session.monthNumber(MonthKind::Current), 12);
}

void TestDailyPlanLauncher::existingDayFile_isLoadedAtOnce_data()
{
    QTest::addColumn<bool>("fromSpare");
    QTest::newRow("window made at opening") << false;
    QTest::newRow("window built ahead") << true;
}

void TestDailyPlanLauncher::existingDayFile_isLoadedAtOnce()
{
    QFETCH(bool, fromSpare);
    Planner p;
    if (fromSpare) {
        p.launcher.keepSpareWindow(0);
        QTRY_VERIFY(p.launcher.hasSpareWindow());
    }
    DayFile d;
    d.sourcePath = "C:\\Wrenly\\AUBREL\\Y200512\\Y2005125.dtf";
    d.createdOn = DaySerial::fromDate(QDate(2005, 12, 1));
    for (int k : {0, 1}) {
        d.bars[k] = {k ? u"R"_s : u"L"_s, 240 + 100 * k, 300 + 100 * k, 0xFF0000};
        d.pads[k].padNo = k + 1;
        d.pads[k].padLeft = k ? 351 : 4;
        d.pads[k].padTop = 241 + 100 * k;
        d.pads[k].startHour = 8;
        d.pads[k].startMinute = 50 * k;
        d.pads[k].endHour = 8;
        d.pads[k].endMinute = 30;
        d.pads[k].barColor = 0xFF0000;
    }
    d.pads[1].keyword = u"打ち合わせ"_s;
    d.diary.title1 = u"日記"_s;
    p.dir.write(u"AUBREL/Y200512/Y2005125.dtf"_s, d.toBytes());
    QVERIFY(p.open());
    QVERIFY(!p.launcher.hasSpareWindow());
    QCOMPARE(p.confirmations, 0);
    QVERIFY(p.pad(1) && p.pad(2) && !p.pad(3));
    QCOMPARE(p.pad(2)->pos(), QPoint(351, 341));
    QCOMPARE(child<QComboBox>(p.pad(1), u"keywordComboBox")->currentText(),
             u"キーワード"_s); // empty: placeholder
    QCOMPARE(child<QComboBox>(p.pad(2), u"keywordComboBox")->currentText(), u"打ち合わせ"_s);
    QVERIFY(!child<QPushButton>(p.pad(1), u"keepButton")->isEnabled());
    QVERIFY(child<QPushButton>(p.pad(1), u"reviseButton")->isEnabled());
    QCOMPARE(child<QLineEdit>(p.window.get(), u"fileNameEdit")->text(), u"Y2005125.dtf"_s);
    QCOMPARE(child<QDateEdit>(p.window.get(), u"createdOnDateEdit")->date(), QDate(2005, 12, 1));
    QCOMPARE(p.day().diary().title1, u"日記"_s);
    QCOMPARE(statusPanel(p.window.get(), 1), u"データ総数: 2"_s);
    QVERIFY(!child<QWidget>(p.window.get(), u"firstUseHint")->isVisible());
    QCOMPARE(p.shutters(), 1);
    QCOMPARE(p.day().selectedPad(), 1); // pad 2, the last, has the focus
    QVERIFY(p.pad(2)->isMarked());
}

void TestDailyPlanLauncher::unreadableFiles_reportedAndPlannerNotOpened_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("day") << u"AUBREL/Y200512/Y2005125.dtf"_s;
    QTest::newRow("routines") << u"Routines.rdf"_s;
    QTest::newRow("lists") << u"LEntries.lef"_s;
}

void TestDailyPlanLauncher::unreadableFiles_reportedAndPlannerNotOpened()
{
    QFETCH(QString, name);
    Planner p;
    QDir().mkpath(p.dir.file(name)); // a folder in the file's place cannot be read
    QVERIFY(!p.launcher.prepare());
    QCOMPARE(p.fakes.dialogs.count(FakeDialogs::Kind::Error), 1);
    QVERIFY(p.fakes.dialogs.lastText().contains(p.dir.file(name)));
}

void TestDailyPlanLauncher::open_showsModallyOnlyWhenPrepared()
{
    Planner p;
    int shown = 0;
    p.launcher.showModal = [&](DailyPlannerWindow &w) {
        ++shown;
        QCOMPARE(w.objectName(), u"DailyPlannerWindow"_s);
        QCOMPARE(w.windowTitle(), u"デイリープラン作成 ～ Aubrel"_s);
    };
    p.confirmAnswer = false;
    p.launcher.open();
    QCOMPARE(shown, 0);
    p.confirmAnswer = true;
    p.launcher.open();
    QCOMPARE(shown, 1);
}

void TestDailyPlanLauncher::confirmDialog_answers()
{
    {
        DailyPlannerFirstUseDialog dlg;
        QCOMPARE(dlg.objectName(), u"DailyPlannerFirstUseDialog"_s);
        QCOMPARE(dlg.windowTitle(), u"『デイリープラン作成』機能を使用しますか？"_s);
        QCOMPARE(dlg.size(), QSize(440, 366));
        QVERIFY(child<QPushButton>(&dlg, u"okButton")->isDefault());
        QVERIFY(DailyPlannerFirstUseDialog::explanation().endsWith(
            u"『デイリープラン作成』機能を使用しますか？"_s));
        QTimer::singleShot(0, &dlg, [&] { QTest::keyClick(&dlg, Qt::Key_Escape); });
        QCOMPARE(dlg.exec(), int(QDialog::Rejected));
    }
    {
        DailyPlannerFirstUseDialog dlg;
        QTimer::singleShot(0, &dlg, [&] { child<QPushButton>(&dlg, u"okButton")->click(); });
        QCOMPARE(dlg.exec(), int(QDialog::Accepted));
        QCOMPARE(dlg.pos(), QPoint(210, 110));
    }
}

QTEST_MAIN(TestDailyPlanLauncher)
#include "tst_dailyplanlauncher.moc"
