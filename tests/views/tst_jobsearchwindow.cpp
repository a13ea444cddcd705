#include "support/Children.h"
#include "support/Fakes.h"
#include "support/ViewFixture.h"
#include "views/DataViewerWindow.h"
#include "views/JobSearchModel.h"
#include "views/JobSearchWindow.h"
#include "views/PastDataDialog.h"
#include "views/ViewManager.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(MonthKind)

class JobSearchWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void openHit_showsTheRecordWhereItsMonthIs_data();
    void openHit_showsTheRecordWhereItsMonthIs();
};

void JobSearchWindowTest::initTestCase()
{
    QApplication::setFont(QFont(u"IPAPGothic"_s, 9));
}

void JobSearchWindowTest::openHit_showsTheRecordWhereItsMonthIs_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<MonthKind>("kind");
    QTest::addColumn<int>("dataNo");
    QTest::newRow("this month: the main window") << u"Y2024JAN.vxf"_s << MonthKind::Current << 2;
    QTest::newRow("the previous month: the main window") << u"Y2023DEC.vxf"_s << MonthKind::Previous << 1;
    QTest::newRow("an older month: the past-data output") << u"Y2023MAR.vxf"_s << MonthKind::Past << 3;
}

void JobSearchWindowTest::openHit_showsTheRecordWhereItsMonthIs()
{
    QFETCH(QString, fileName);
    QFETCH(MonthKind, kind);
    QFETCH(int, dataNo);
    ViewFixture f{QDate(2024, 1, 20)};
    FakeServices fs;
    ViewManager views{f.session, fs.services, f.host};
    f.put(MonthKind::Current, 0, f.day(0), f.day(1));
    f.put(MonthKind::Current, 1, f.day(0), f.day(1), JobRecord::NotDone, u"見積 MITSU"_s);
    f.save(MonthKind::Current);
    f.put(MonthKind::Previous, 0, f.day(-30), f.day(-29), JobRecord::Done, u"ｍｉｔｓｕ 前月"_s);
    f.save(MonthKind::Previous);
    MonthFile::Jobs march{};
    for (int slot = 0; slot < 3; ++slot)
        march[size_t(slot)].title = slot == 2 ? u"Mitsu 三月"_s : u"ほか"_s;
    f.folder.write(u"Y2023MAR.vxf"_s, MonthFile::toBytes(march));

    views.openJobSearch();
    JobSearchWindow *window = views.jobSearchWindow();
    QVERIFY(window);
    QTRY_VERIFY(!window->isLoading());
    QTest::keyClicks(child<QLineEdit>(window, "searchEdit"), u"mitsu"_s);
    QTRY_COMPARE(window->model().rowCount(), 3);
    QCOMPARE(child<QLabel>(window, "statusLabel")->text(), u"3 件 / 3 か月"_s);
    views.openJobSearch();
    QCOMPARE(views.jobSearchWindow(), window); // one at a time

    QString pastSelected;
    views.setModalRunner([&](QDialog &d) {
        pastSelected = static_cast<PastDataDialog &>(d).selectedName();
        return int(QDialog::Rejected);
    });
    int row = 0;
    while (window->model().hit(row).month->fileName != fileName)
        ++row;
    QTableView *view = child<QTableView>(window, "resultView");
    view->setCurrentIndex(window->model().index(row, 0));
    QTest::keyClick(view, Qt::Key_Return);
    QCOMPARE(f.host.shown.value(0), (FakeViewHost::Shown{kind, dataNo}));
    QCOMPARE(pastSelected, kind == MonthKind::Past ? fileName : QString());
    if (kind == MonthKind::Past)
        QCOMPARE(f.host.pastHeaders, (QList<QPair<int, int>>{{2023, 3}}));
    VERIFY_NO_UNEXPECTED_BOXES(fs.dialogs);
}

QTEST_MAIN(JobSearchWindowTest)
#include "tst_jobsearchwindow.moc"
