#include "support/Children.h"
#include "support/Fakes.h"
#include "support/ViewFixture.h"
#include "views/BarGraphWindow.h"
#include "views/DataViewerWindow.h"
#include "views/PastDataDialog.h"
#include "views/ViewManager.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <functional>

#include <fcntl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

using K = MonthKind;

// The program folder in January 2024 (this month Y2024JAN.vxf, the previous Y2023DEC.vxf), the views
// and the past-data output, driven inside its modal run.
struct PastFixture
{
    ViewFixture f{QDate(2024, 1, 20)};
    FakeServices fs;
    ViewManager views{f.session, fs.services, f.host};

    // A month file whose first `records` slots are used, titled by name and slot.
    void write(const QString &name, int records) const
    {
        MonthFile::Jobs jobs{};
        for (int slot = 0; slot < records; ++slot) {
            JobRecord &j = jobs[size_t(slot)];
            j.title = name.left(8) + u'-' + QString::number(slot + 1);
            j.startDate = j.endDate = DaySerial::fromDate(QDate(2023, 2, 10));
        }
        f.folder.write(name, MonthFile::toBytes(jobs));
    }

    void run(const std::function<void(PastDataDialog &)> &inside)
    {
        views.setModalRunner([&](QDialog &d) {
            inside(static_cast<PastDataDialog &>(d));
            return int(QDialog::Rejected);
        });
        views.openPastData();
    }

    static void choose(PastDataDialog &d, const QString &name, const char16_t *button)
    {
        d.fileList()->setCurrentItem(d.fileList()->findItems(name, Qt::MatchExactly).value(0));
        child<QPushButton>(d, button)->click();
    }
};

} // namespace

class TestPastData : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void list_pastFilesOldestFirstFirstSelected();
    void noFiles_buttonsDoNothing();
    void graph_data();
    void graph();
    void yearNotANumber_saysSoAndShowsNothing();
    void viewer_showsTheChosenMonthOnly();
    void textFile_leavesTheGraphsMonth();
    void close_closesTheOutputsAndReturns();
};

void TestPastData::initTestCase()
{
    QApplication::setFont(QFont(u"IPAPGothic"_s, 9));
}

void TestPastData::list_pastFilesOldestFirstFirstSelected()
{
    PastFixture p;
    for (const QString &name : {u"Y2024JAN.vxf"_s, u"Y2023DEC.vxf"_s, u"Y2023NOV.vxf"_s, u"y2022mar.vxf"_s})
        p.write(name, 1);
    // Names from another system, no UTF-8: not listed, since they cannot be opened by name, but named.
    for (const char *name : {"Y2003MAY\x83\x52\x83\x73\x81\x5b.vxf", "\xff\xfe.VXF"})
        ::close(::open(QByteArray(QFile::encodeName(p.f.folder.file({})) + name).constData(),
                       O_CREAT | O_WRONLY, 0600));
    QStringList listed;
    QString selected;
    QString skipped;
    p.run([&](PastDataDialog &d) {
        for (int i = 0; i < d.fileList()->count(); ++i)
            listed << d.fileList()->item(i)->text();
        selected = d.selectedName();
        QCOMPARE(p.f.host.month, K::Past);
        skipped = child<QLabel>(d, u"skippedFilesLabel")->text();
    });
    QVERIFY2(skipped.endsWith(u": ??.VXF, Y2003MAYコピー.vxf"_s), qPrintable(skipped));
    QCOMPARE(listed, (QStringList{u"y2022mar.vxf"_s, u"Y2023NOV.vxf"_s}));
    QCOMPARE(selected, u"y2022mar.vxf"_s);
}

void TestPastData::noFiles_buttonsDoNothing()
{
    PastFixture p;
    p.fs.dialogs.answers = {Dialogs::Answer::Yes, Dialogs::Answer::Yes};
    p.run([&](PastDataDialog &d) {
        QCOMPARE(d.fileList()->count(), 0);
        for (const char16_t *b : {u"graphButton", u"viewerButton", u"textFileButton"})
            child<QPushButton>(d, b)->click();
        QVERIFY(!p.views.isGraphOpen());
        QVERIFY(!d.viewer());
    });
    QVERIFY(p.fs.dialogs.shown.isEmpty());
    QVERIFY(p.f.host.shown.isEmpty());
}

void TestPastData::graph_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QList<int>>("widths");
    QTest::addColumn<QStringList>("labels"); // month labels, then the last day label of the middle panel
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("February 2023") << u"Y2023FEB.vxf"_s << QList<int>{248, 224, 248}
                                   << QStringList{u"1"_s, u"2"_s, u"3"_s, u"28"_s} << u"2023年 2月のデータ"_s
                                   << QStringList{};
    QTest::newRow("February 2024, leap year")
        << u"y2024feb.vxf"_s << QList<int>{248, 232, 248} << QStringList{u"1"_s, u"2"_s, u"3"_s, u"29"_s}
        << u"2024年 2月のデータ"_s << QStringList{};
    QTest::newRow("unknown month: the placeholder strip")
        << u"Y2003ABC.vxf"_s << QList<int>{248, 248, 248} << QStringList{u"XX"_s, u"XX"_s, u"XX"_s, u"30"_s}
        << u"2003年 0月のデータ"_s << QStringList{u"月が不明です."_s};
}

void TestPastData::graph()
{
    QFETCH(QString, name);
    QFETCH(QList<int>, widths);
    QFETCH(QStringList, labels);
    QFETCH(QString, caption);
    QFETCH(QStringList, messages);
    PastFixture p;
    p.write(name, 3);
    p.run([&](PastDataDialog &d) {
        PastFixture::choose(d, name, u"graphButton");
        BarGraphWindow *graph = p.views.graphWindow();
        QVERIFY(graph);
        QCOMPARE(graph->parentWidget(), &d);
        QCOMPARE(graph->windowTitle(), u"バーグラフ ●"_s + caption);
        const BarChart::MonthStrip &strip = graph->strip();
        QCOMPARE((QList<int>{strip.panels[0].width, strip.panels[1].width, strip.panels[2].width}), widths);
        QCOMPARE((QStringList{strip.panels[0].monthText, strip.panels[1].monthText, strip.panels[2].monthText,
                              strip.panels[1].labels.last().text}),
                 labels);
        QCOMPARE(graph->rows().size(), 3);
    });
    QCOMPARE(p.fs.dialogs.texts(), messages);
    // The main window followed the past month: its newest record, caption and count.
    QCOMPARE(p.f.host.shown, (QList<FakeViewHost::Shown>{{K::Past, 3}}));
    QCOMPARE(p.f.host.pastHeaders.size(), 1);
    QCOMPARE(u"%1年 %2月のデータ"_s.arg(p.f.host.pastHeaders[0].first).arg(p.f.host.pastHeaders[0].second),
             caption);
    QVERIFY(!p.views.isGraphOpen());
}

void TestPastData::yearNotANumber_saysSoAndShowsNothing()
{
    PastFixture p;
    p.write(u"Yabcdmay.vxf"_s, 2);
    p.run([&](PastDataDialog &d) {
        PastFixture::choose(d, u"Yabcdmay.vxf"_s, u"graphButton");
        PastFixture::choose(d, u"Yabcdmay.vxf"_s, u"viewerButton");
        QVERIFY(!p.views.isGraphOpen());
        QVERIFY(!d.viewer());
    });
    QCOMPARE(p.fs.dialogs.texts(), QStringList(2, u"データファイル: Yabcdmay.vxf の年が不明です."_s));
    QVERIFY(p.f.host.shown.isEmpty());
    QCOMPARE(p.f.session.count(K::Past), 0);
}

void TestPastData::viewer_showsTheChosenMonthOnly()
{
    PastFixture p;
    p.write(u"Y2003MAY.vxf"_s, 3);
    p.f.folder.write(u"Y2003JUN.vxf"_s, {}); // shorter than the month before: an empty month
    p.run([&](PastDataDialog &d) {
        PastFixture::choose(d, u"Y2003MAY.vxf"_s, u"viewerButton");
        QPointer<DataViewerWindow> first = d.viewer();
        QVERIFY(first && first->isVisible());
        QCOMPARE(first->windowTitle(), u"データビューア ●2003年 5月のデータ"_s);
        const QStringList lines = first->textView()->toPlainText().split(u'\n');
        QCOMPARE(lines.value(0), u"データNo.: 3"_s);
        QCOMPARE(lines.value(2), u"タイトル: Y2003MAY-3"_s);
        QVERIFY(lines.contains(u"Job No.: 空白"_s));

        PastFixture::choose(d, u"Y2003JUN.vxf"_s, u"viewerButton");
        QTRY_VERIFY(first.isNull());
        QCOMPARE(d.viewer()->textView()->toPlainText(), QString());
    });
    // The main window is not changed by the viewer.
    QVERIFY(p.f.host.shown.isEmpty());
    QVERIFY(p.f.host.pastHeaders.isEmpty());
}

void TestPastData::textFile_leavesTheGraphsMonth()
{
    PastFixture p;
    p.write(u"Y2003MAY.vxf"_s, 3);
    p.write(u"Y2003JUN.vxf"_s, 1);
    p.fs.dialogs.answers = {Dialogs::Answer::Yes};
    p.run([&](PastDataDialog &d) {
        PastFixture::choose(d, u"Y2003MAY.vxf"_s, u"graphButton");
        PastFixture::choose(d, u"Y2003JUN.vxf"_s, u"textFileButton");
        QVERIFY(p.views.isGraphOpen());
        // A click on the graph still shows May's job.
        QCOMPARE(p.f.session.count(K::Past), 3);
        QCOMPARE(p.f.session.job(K::Past, 2).title, u"Y2003MAY-3"_s);
    });
    QVERIFY(p.f.folder.read(u"Y2003JUN.txt"_s)
                .startsWith(QByteArray(QByteArray::fromHex("8366815B835E") + "No.: 1\r\n")));
    QVERIFY(p.fs.dialogs.lastText().endsWith(QDir::toNativeSeparators(p.f.folder.file(u"Y2003JUN.txt"_s))));
    VERIFY_NO_UNEXPECTED_BOXES(p.fs.dialogs);
}

void TestPastData::close_closesTheOutputsAndReturns()
{
    PastFixture p;
    p.write(u"Y2003MAY.vxf"_s, 2);
    p.f.host.month = K::Previous;
    p.views.openGraph();
    p.views.openToDoList(false);
    QPointer<DataViewerWindow> viewer;
    p.run([&](PastDataDialog &d) {
        QVERIFY(!p.views.isGraphOpen());
        QVERIFY(!p.views.isToDoListOpen());
        PastFixture::choose(d, u"Y2003MAY.vxf"_s, u"viewerButton");
        viewer = d.viewer();
    });
    QTRY_VERIFY(viewer.isNull());
    QCOMPARE(p.f.host.returns, QList<K>{K::Previous});
    QCOMPARE(p.f.host.month, K::Previous);
}

QTEST_MAIN(TestPastData)
#include "tst_pastdatadialog.moc"
