#include "app/CommandLine.h"
#include "app/FindCommand.h"
#include "data/DaySerial.h"
#include "data/JobRecord.h"
#include "support/TestFolder.h"

#include <QTest>
#include <QTextStream>

using namespace Qt::StringLiterals;

class FindCommandTest : public QObject
{
    Q_OBJECT
private slots:
    void parse_data();
    void parse();
    void run_printsTheHitsNewestFirst_data();
    void run_printsTheHitsNewestFirst();
    void run_missingFolder_isNoAnswer();
};

void FindCommandTest::parse_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("words");
    QTest::addColumn<QString>("home");
    QTest::newRow("one quoted argument")
        << QStringList{u"--find"_s, u"山田 見積"_s} << u"山田 見積"_s << QString();
    QTest::newRow("words unquoted, the home after them")
        << QStringList{u"--find"_s, u"山田"_s, u"見積"_s, u"--home"_s, u"/d"_s} << u"山田 見積"_s << u"/d"_s;
}

void FindCommandTest::parse()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, words);
    QFETCH(QString, home);
    const CommandLine line = CommandLine::parse(QStringList{u"wrenly"_s} + arguments);
    QCOMPARE(line.action, CommandLine::Action::Find);
    QCOMPARE(line.findWords, words);
    QCOMPARE(line.home, home);
}

void FindCommandTest::run_printsTheHitsNewestFirst_data()
{
    QTest::addColumn<QString>("words");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("status");
    QTest::newRow("hits") << u"見積"_s
                          << QStringList{u"2024-01\t2\t見積 二\t\t2024-01-05\t2024-01-06\t遂行中"_s,
                                         u"2023-11\t1\t見積\t山田\t2023-11-05\t2023-11-06\t未完"_s}
                          << 0;
    QTest::newRow("a tab inside a title stays in its field")
        << u"請求"_s << QStringList{u"2024-01\t1\t請求 書\t\t2024-01-05\t2024-01-06\t完了"_s} << 0;
    QTest::newRow("nothing") << u"存在しない"_s << QStringList{} << 1;
}

void FindCommandTest::run_printsTheHitsNewestFirst()
{
    QFETCH(QString, words);
    QFETCH(QStringList, lines);
    QFETCH(int, status);
    TestFolder dir;
    const auto write = [&](const QString &name, const QDate &start, const QList<JobRecord> &jobs) {
        MonthFile::Jobs month{};
        for (int slot = 0; slot < jobs.size(); ++slot) {
            month[size_t(slot)] = jobs[slot];
            month[size_t(slot)].startDate = DaySerial::fromDate(start);
            month[size_t(slot)].endDate = DaySerial::fromDate(start.addDays(1));
        }
        dir.write(name, MonthFile::toBytes(month));
    };
    JobRecord estimate;
    estimate.title = u"見積"_s;
    estimate.customer = u"山田"_s;
    write(u"Y2023NOV.vxf"_s, {2023, 11, 5}, {estimate});
    JobRecord bill;
    bill.title = u"請求\t書"_s;
    bill.check = JobRecord::Done;
    JobRecord second;
    second.title = u"見積 二"_s;
    second.check = JobRecord::InProgress;
    write(u"Y2024JAN.vxf"_s, {2024, 1, 5}, {bill, second});

    QString out;
    QString errors;
    QTextStream outStream(&out);
    QTextStream errorStream(&errors);
    QCOMPARE(FindCommand::run(dir.path(), words, outStream, errorStream), status);
    QCOMPARE(out.split(u'\n', Qt::SkipEmptyParts), lines);
    QCOMPARE(errors, QString());
}

void FindCommandTest::run_missingFolder_isNoAnswer()
{
    QString out;
    QTextStream stream(&out);
    QCOMPARE(FindCommand::run(TestFolder().file(u"gone"_s), u"見積"_s, stream, stream), 2);
    QVERIFY(out.contains(u"gone"_s));
}

QTEST_GUILESS_MAIN(FindCommandTest)
#include "tst_findcommand.moc"
