#include "data/EntryRules.h"

#include <QTest>

class TestEntryRules : public QObject
{
    Q_OBJECT
private slots:
    void startMonth_data();
    void startMonth();
    void end_data();
    void end();
    void calendarRange_data();
    void calendarRange();
};

void TestEntryRules::startMonth_data()
{
    QTest::addColumn<int>("thisMonth");
    QTest::addColumn<int>("startMonth");
    QTest::addColumn<bool>("allowed");
    QTest::newRow("May: April") << 5 << 4 << true;
    QTest::newRow("May: May") << 5 << 5 << true;
    QTest::newRow("May: June") << 5 << 6 << true;
    QTest::newRow("May: July") << 5 << 7 << false;
    QTest::newRow("May: March") << 5 << 3 << false;
    QTest::newRow("January: December") << 1 << 12 << true;
    QTest::newRow("January: February") << 1 << 2 << true;
    QTest::newRow("January: November") << 1 << 11 << false;
    QTest::newRow("December: January") << 12 << 1 << true;
    QTest::newRow("December: November") << 12 << 11 << true;
    QTest::newRow("December: February") << 12 << 2 << false;
}

void TestEntryRules::startMonth()
{
    QFETCH(int, thisMonth);
    QFETCH(int, startMonth);
    QFETCH(bool, allowed);
    QCOMPARE(EntryRules::isStartMonthAllowed(startMonth, thisMonth), allowed);
}

void TestEntryRules::end_data()
{
    QTest::addColumn<int>("thisMonth");
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("end");
    QTest::addColumn<bool>("allowed");
    QTest::newRow("same day") << 5 << QDate(2005, 5, 10) << QDate(2005, 5, 10) << true;
    QTest::newRow("start after end") << 5 << QDate(2005, 5, 10) << QDate(2005, 5, 9) << false;
    QTest::newRow("into the next month") << 5 << QDate(2005, 5, 10) << QDate(2005, 6, 30) << true;
    QTest::newRow("two months after the start") << 1 << QDate(2005, 1, 31) << QDate(2005, 3, 1) << false;
    QTest::newRow("starts next month, ends in it") << 5 << QDate(2005, 6, 1) << QDate(2005, 6, 30) << true;
    QTest::newRow("starts next month, ends after it")
        << 5 << QDate(2005, 6, 20) << QDate(2005, 7, 1) << false;
    QTest::newRow("December: January job ends in January")
        << 12 << QDate(2006, 1, 5) << QDate(2006, 1, 31) << true;
    QTest::newRow("December: January job ends in February")
        << 12 << QDate(2006, 1, 5) << QDate(2006, 2, 1) << false;
    QTest::newRow("December job ends in January") << 12 << QDate(2005, 12, 20) << QDate(2006, 1, 10) << true;
    QTest::newRow("60 days through the picker") << 3 << QDate(2005, 3, 1) << QDate(2005, 4, 30) << true;
    QTest::newRow("61 days") << 3 << QDate(2005, 3, 31) << QDate(2005, 5, 31) << false;
    QTest::newRow("a start next year compares months only")
        << 5 << QDate(2006, 5, 1) << QDate(2006, 5, 2) << true;
    QTest::newRow("previous month into this one") << 5 << QDate(2005, 4, 25) << QDate(2005, 5, 3) << true;
}

void TestEntryRules::end()
{
    QFETCH(int, thisMonth);
    QFETCH(QDate, start);
    QFETCH(QDate, end);
    QFETCH(bool, allowed);
    QCOMPARE(EntryRules::isEndAllowed(start, end, thisMonth), allowed);
}

void TestEntryRules::calendarRange_data()
{
    QTest::addColumn<int>("thisMonth");
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("end");
    QTest::addColumn<bool>("allowed");
    QTest::newRow("60 days is one too many on the calendar")
        << 3 << QDate(2005, 3, 1) << QDate(2005, 4, 30) << false;
    QTest::newRow("59 days") << 3 << QDate(2005, 3, 1) << QDate(2005, 4, 29) << true;
    QTest::newRow("start month not allowed") << 5 << QDate(2005, 7, 1) << QDate(2005, 7, 2) << false;
    QTest::newRow("next month job leaves its month") << 5 << QDate(2005, 6, 28) << QDate(2005, 7, 2) << false;
    QTest::newRow("December to January") << 12 << QDate(2005, 12, 28) << QDate(2006, 1, 2) << true;
}

void TestEntryRules::calendarRange()
{
    QFETCH(int, thisMonth);
    QFETCH(QDate, start);
    QFETCH(QDate, end);
    QFETCH(bool, allowed);
    QCOMPARE(EntryRules::isCalendarRangeAllowed(start, end, thisMonth), allowed);
}

QTEST_GUILESS_MAIN(TestEntryRules)
#include "tst_entryrules.moc"
