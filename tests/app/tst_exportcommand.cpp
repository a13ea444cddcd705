#include "app/CommandLine.h"
#include "app/ExportCommand.h"
#include "data/DaySerial.h"
#include "data/JobRecord.h"
#include "support/TestFolder.h"

#include <QTest>

using namespace Qt::StringLiterals;

class ExportCommandTest : public QObject
{
    Q_OBJECT
private slots:
    void run_data();
    void run();
    void output_replacesTheFile();
};

void ExportCommandTest::run_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("outputStart"); // of standard output
    QTest::addColumn<QString>("diagnosticHas");  // of standard error
    const QByteArray header = "\xEF\xBB\xBF" + u"月,データNo."_s.toUtf8();
    QTest::newRow("this month by default")
        << QStringList{u"--export"_s, u"csv"_s} << 0 << header << QString();
    QTest::newRow("range, standard output")
        << QStringList{u"--export=csv"_s, u"--from"_s, u"2024-04"_s, u"--to"_s, u"2024-05"_s, u"-o"_s, u"-"_s}
        << 0 << header << u"飛ばしました: 2024-04"_s;
    QTest::newRow("calendar") << QStringList{u"--export"_s, u"ics"_s, u"--days"_s,
                                             u"2024-05-01..2024-05-31"_s}
                              << 0 << QByteArray("BEGIN:VCALENDAR") << QString();
    QTest::newRow("unknown format") << QStringList{u"--export"_s, u"xls"_s} << 2 << QByteArray() << u"xls"_s;
    QTest::newRow("days in a CSV") << QStringList{u"--export"_s, u"csv"_s, u"--days"_s, u"2024-05-01"_s} << 2
                                   << QByteArray() << u"ics にだけ"_s;
    QTest::newRow("bad month") << QStringList{u"--export"_s, u"csv"_s, u"--from"_s, u"2024-13"_s} << 2
                               << QByteArray() << u"--from"_s;
    QTest::newRow("range backwards") << QStringList{u"--export"_s, u"csv"_s, u"--from"_s, u"2024-06"_s} << 2
                                     << QByteArray() << u"より後"_s;
    QTest::newRow("no data folder") << QStringList{u"--export"_s, u"csv"_s, u"--home"_s, u"/nonexistent/w"_s}
                                    << 1 << QByteArray() << u"/nonexistent/w"_s;
    QTest::newRow("unwritable output")
        << QStringList{u"--export"_s, u"csv"_s, u"-o"_s, u"/nonexistent/a.csv"_s} << 1 << QByteArray()
        << u"/nonexistent/a.csv"_s;
}

// The command line as a script gives it, up to what would reach standard output and error.
void ExportCommandTest::run()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QByteArray, outputStart);
    QFETCH(QString, diagnosticHas);
    TestFolder folder;
    MonthFile::Jobs may{};
    may[0].title = u"五月の仕事"_s;
    may[0].startDate = may[0].endDate = may[0].entryDate = DaySerial::fromDate({2024, 5, 2});
    folder.write(MonthFile::fileName(2024, 5), MonthFile::toBytes(may));

    const CommandLine line = CommandLine::parse(QStringList{u"wrenly"_s} + arguments);
    QCOMPARE(line.action, CommandLine::Action::Export);
    const QString home = line.home.isEmpty() ? folder.path() : line.home;
    const ExportCommand::Outcome outcome =
        ExportCommand::run(line.exporting, home, QDateTime(QDate(2024, 5, 20), QTime(9, 0)));
    QCOMPARE(outcome.status, status);
    QVERIFY2(outcome.output.startsWith(outputStart), outcome.output.left(40).constData());
    QVERIFY2(outcome.diagnostic.contains(diagnosticHas), qPrintable(outcome.diagnostic));
    if (status == 0 && arguments.contains(u"csv"_s))
        QVERIFY(outcome.output.contains(u"五月の仕事"_s.toUtf8()));
}

void ExportCommandTest::output_replacesTheFile()
{
    TestFolder folder;
    folder.write(u"old.ics"_s, QByteArray(100000, 'x'));
    const CommandLine line = CommandLine::parse({u"wrenly"_s, u"--export"_s, u"ics"_s, u"--output"_s,
                                                 folder.file(u"old.ics"_s), u"--from"_s, u"2024-01"_s});
    const ExportCommand::Outcome outcome =
        ExportCommand::run(line.exporting, folder.path(), QDateTime(QDate(2024, 5, 20), QTime(9, 0)));
    QCOMPARE(outcome.status, 0);
    QVERIFY(outcome.output.isEmpty());
    const QByteArray written = folder.read(u"old.ics"_s);
    QVERIFY(written.startsWith("BEGIN:VCALENDAR"));
    QVERIFY(written.endsWith("END:VCALENDAR\r\n")); // nothing of the longer old file is left
}

QTEST_GUILESS_MAIN(ExportCommandTest)
#include "tst_exportcommand.moc"
