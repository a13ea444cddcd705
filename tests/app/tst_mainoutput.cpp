#include "support/FileSizeLimit.h"
#include "support/MainWindowFixture.h"

#include "views/DataViewerWindow.h"
#include "views/PastDataDialog.h"

#include <QFile>
#include <QListWidget>
#include <QPlainTextEdit>

using namespace Qt::StringLiterals;

namespace {

using Answer = Dialogs::Answer;

// "データNo.: " in code page 932.
const QByteArray DataNoLabel = QByteArray::fromHex("8366815B835E") + "No.: ";

QList<JobRecord> jobs(int count, int year, int month)
{
    QList<JobRecord> out;
    for (int n = 1; n <= count; ++n)
        out << MainWindowFixture::job(n, u"仕事"_s + QString::number(n), {year, month, n},
                                      {year, month, n + 1});
    return out;
}

QString firstQuestion(const QString &name)
{
    return u"データをテキストファイル: "_s + name + u" に出力します.\r\n実行しますか?"_s;
}

QString overwriteQuestion(const QString &name)
{
    return u"データのテキスト出力ファイル: "_s + name +
           u" が既に存在します.\r\n既存のファイルに上書きします. 実行しますか?"_s;
}

QString done(const QString &path)
{
    return u"テキストファイル(Shift-JIS)に出力しました.\r\n\r\n"_s + path;
}

} // namespace

class TestMainOutput : public QObject
{
    Q_OBJECT
private slots:
    void textFile_data();
    void textFile();
    void textFile_failedWrite_keepsTheOldFile();
    void textFile_monthFileGone_writesWhatMemoryHolds();
    void viewer_showsTheShownMonthNewestFirst();
    void pastData_closing_restoresTheMonthShownBefore_data();
    void pastData_closing_restoresTheMonthShownBefore();
};

void TestMainOutput::textFile_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<bool>("previous");       // the previous month is shown
    QTest::addColumn<QByteArray>("existing"); // empty: no text file yet
    QTest::addColumn<QList<Answer>>("answers");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("written");
    QTest::newRow("new file") << QDate(2005, 5, 16) << false << QByteArray() << QList<Answer>{Answer::Yes}
                              << u"Y2005MAY.txt"_s << true;
    QTest::newRow("no to the first question writes nothing")
        << QDate(2005, 5, 16) << false << QByteArray() << QList<Answer>{Answer::No} << u"Y2005MAY.txt"_s
        << false;
    QTest::newRow("no to overwriting keeps the old file")
        << QDate(2005, 5, 16) << false << QByteArray("old\r\n") << QList<Answer>{Answer::Yes, Answer::No}
        << u"Y2005MAY.txt"_s << false;
    QTest::newRow("yes to overwriting replaces a longer file")
        << QDate(2005, 5, 16) << false << QByteArray(40000, 'x') << QList<Answer>{Answer::Yes, Answer::Yes}
        << u"Y2005MAY.txt"_s << true;
    QTest::newRow("previous month in January") << QDate(2024, 1, 20) << true << QByteArray()
                                               << QList<Answer>{Answer::Yes} << u"Y2023DEC.txt"_s << true;
}

void TestMainOutput::textFile()
{
    QFETCH(QDate, today);
    QFETCH(bool, previous);
    QFETCH(QByteArray, existing);
    QFETCH(QList<Answer>, answers);
    QFETCH(QString, name);
    QFETCH(bool, written);
    MainWindowFixture f(today);
    f.writeMonth(MonthFile::fileName(today.year(), today.month()), jobs(2, today.year(), today.month()));
    const QDate before = today.addMonths(-1);
    f.writeMonth(MonthFile::fileName(before.year(), before.month()), jobs(3, before.year(), before.month()));
    if (!existing.isEmpty())
        f.folder.write(name, existing);
    f.start();
    if (previous)
        f.trigger("switchMonthAction");
    f.fakes.dialogs.clear();
    f.fakes.dialogs.answers.assign(answers.begin(), answers.end());

    f.trigger("textFileOutputAction");

    QStringList texts{firstQuestion(name)};
    if (!existing.isEmpty() && answers.value(0) == Answer::Yes)
        texts << overwriteQuestion(name);
    if (written)
        texts << done(f.folder.file(name));
    QCOMPARE(f.fakes.dialogs.texts(), texts);
    for (const auto &box : f.fakes.dialogs.shown)
        QCOMPARE(*box.at, f.window->frameGeometry().topLeft() + QPoint(50, 200));
    const QByteArray bytes = f.folder.read(name);
    if (!written) {
        QCOMPARE(bytes, existing);
        return;
    }
    // Newest first, the whole file replaced.
    QVERIFY(bytes.startsWith(QByteArray(DataNoLabel + QByteArray::number(previous ? 3 : 2) + "\r\n")));
    QVERIFY(bytes.endsWith(QByteArray(QByteArray(25, '*') + "\r\n\r\n")));
    QCOMPARE(bytes.count(DataNoLabel), previous ? 3 : 2);
    VERIFY_NO_UNEXPECTED_BOXES(f.fakes.dialogs);
}

void TestMainOutput::textFile_failedWrite_keepsTheOldFile()
{
    MainWindowFixture f;
    f.writeMonth(u"Y2005MAY.vxf"_s, jobs(20, 2005, 5));
    f.folder.write(u"Y2005MAY.txt"_s, "old");
    f.start();
    f.fakes.dialogs.clear();
    f.fakes.dialogs.answers = {Answer::Yes, Answer::Yes};
    {
        FileSizeLimit limit(1000);
        f.trigger("textFileOutputAction");
    }
    QCOMPARE(f.folder.read(u"Y2005MAY.txt"_s), QByteArray("old"));
    QCOMPARE(f.fakes.dialogs.count(FakeDialogs::Kind::Error), 1);
    QVERIFY(f.fakes.dialogs.lastText().contains(f.folder.file(u"Y2005MAY.txt"_s)));
    QVERIFY(!f.fakes.dialogs.texts().contains(done(f.folder.file(u"Y2005MAY.txt"_s))));
}

void TestMainOutput::textFile_monthFileGone_writesWhatMemoryHolds()
{
    MainWindowFixture f;
    f.writeMonth(u"Y2005MAY.vxf"_s, jobs(2, 2005, 5));
    f.start();
    QFile::remove(f.folder.file(u"Y2005MAY.vxf"_s));
    f.fakes.dialogs.answers = {Answer::Yes};
    f.trigger("textFileOutputAction");
    QCOMPARE(f.folder.read(u"Y2005MAY.txt"_s).count(DataNoLabel), 2);
    QCOMPARE(f.fakes.dialogs.lastText(), done(f.folder.file(u"Y2005MAY.txt"_s)));
}

void TestMainOutput::viewer_showsTheShownMonthNewestFirst()
{
    MainWindowFixture f;
    f.writeMonth(u"Y2005MAY.vxf"_s, jobs(2, 2005, 5));
    f.start();
    QString caption;
    QStringList lines;
    int height = 0;
    f.window->views().setModalRunner([&](QDialog &d) {
        auto &viewer = static_cast<DataViewerWindow &>(d);
        caption = viewer.windowTitle();
        lines = viewer.textView()->toPlainText().split(u'\n');
        height = viewer.height();
        return int(QDialog::Rejected);
    });
    f.trigger("dataViewerOutputAction");
    QCOMPARE(caption, u"データビューア"_s);
    QCOMPARE(lines.mid(0, 3),
             (QStringList{u"データNo.: 2"_s, u"入力日/更新日: 2005/05/02"_s, u"タイトル: 仕事2"_s}));
    QCOMPARE(lines.value(12), u"データNo.: 1"_s);
    QCOMPARE(lines.value(10), QString(40, u'*'));
    QCOMPARE(height, f.window->height());
}

void TestMainOutput::pastData_closing_restoresTheMonthShownBefore_data()
{
    QTest::addColumn<bool>("currentFile");
    QTest::addColumn<bool>("previous");
    QTest::addColumn<bool>("soundGone"); // the sound file vanishes while the dialog is open
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("title");
    QTest::newRow("this month") << true << false << false << u"Wrenly ●5月のデータ"_s << u"データ総数: 2"_s
                                << u"仕事2"_s;
    QTest::newRow("previous month") << true << true << false << u"Wrenly ●4月のデータ"_s << u"データ総数: 3"_s
                                    << u"仕事3"_s;
    QTest::newRow("this month's file not made yet")
        << false << false << false << u"Wrenly ●5月のデータファイル未作成"_s << u"データ総数: 0"_s
        << QString();
    // The past record must not stay on screen under this month's caption.
    QTest::newRow("sound file gone meanwhile")
        << true << false << true << u"Wrenly ●5月のデータ"_s << u"データ総数: 2"_s << u"仕事2"_s;
}

void TestMainOutput::pastData_closing_restoresTheMonthShownBefore()
{
    QFETCH(bool, currentFile);
    QFETCH(bool, previous);
    QFETCH(bool, soundGone);
    QFETCH(QString, caption);
    QFETCH(QString, status);
    QFETCH(QString, title);
    MainWindowFixture f;
    if (currentFile)
        f.writeMonth(u"Y2005MAY.vxf"_s, jobs(2, 2005, 5));
    f.writeMonth(u"Y2005APR.vxf"_s, jobs(3, 2005, 4));
    f.writeMonth(u"Y2003MAY.vxf"_s, jobs(4, 2003, 5));
    f.start();
    if (previous)
        f.trigger("switchMonthAction");
    const QString dataNo = f.dataNo();
    f.fakes.dialogs.clear();
    QString chosen;
    QStringList following;
    f.window->views().setModalRunner([&](QDialog &d) {
        auto &dialog = static_cast<PastDataDialog &>(d);
        chosen = dialog.selectedName();
        dialog.showGraph();
        following = {f.window->windowTitle(), f.countStatus(), f.title(), f.dataNo()};
        if (soundGone)
            QFile::remove(f.folder.file(u"Shutter.wav"_s));
        return int(QDialog::Rejected);
    });

    f.trigger("pastDataAction");

    // While open, the main window followed the past month.
    QCOMPARE(chosen, u"Y2003MAY.vxf"_s);
    QCOMPARE(following,
             (QStringList{u"Wrenly ●2003年 5月のデータ"_s, u"データ総数: 4"_s, u"仕事4"_s, u"4"_s}));
    QCOMPARE(f.window->windowTitle(), caption);
    QCOMPARE(f.countStatus(), status);
    QCOMPARE(f.title(), title);
    QCOMPARE(f.dataNo(), dataNo);
    QCOMPARE(f.window->shownMonth(), previous ? MonthKind::Previous : MonthKind::Current);
    QVERIFY(!f.window->views().isGraphOpen());
    VERIFY_NO_UNEXPECTED_BOXES(f.fakes.dialogs);
}

QTEST_MAIN(TestMainOutput)
#include "tst_mainoutput.moc"
