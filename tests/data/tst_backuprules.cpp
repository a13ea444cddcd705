#include "data/BackupRules.h"

#include <QTest>

using namespace Qt::StringLiterals;
using Kind = BackupRules::Kind;

namespace {

const QDateTime Now(QDate(2024, 5, 15), QTime(10, 15, 30));

// A version of `hoursAgo` hours before Now.
BackupRules::Version aged(double hoursAgo, qint64 size = 0, int sequence = 0)
{
    BackupRules::Version v;
    v.time = Now.addSecs(qint64(-hoursAgo * 3600));
    v.sequence = sequence;
    v.size = size;
    return v;
}

} // namespace

class BackupRulesTest : public QObject
{
    Q_OBJECT
private slots:
    void kindOf_data();
    void kindOf();
    void versionName_readsBack_data();
    void versionName_readsBack();
    void expired_data();
    void expired();
    void overSize_removesOldestFirst();
};

void BackupRulesTest::kindOf_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<Kind>("kind");
    QTest::newRow("month") << u"Y2024MAY.vxf"_s << Kind::Month;
    QTest::newRow("month, any case") << u"y2024may.VXF"_s << Kind::Month;
    QTest::newRow("step") << u"STEP/Y2024MAY12.vxs"_s << Kind::Step;
    QTest::newRow("day") << u"AUBREL/Y202405/Y2024055.dtf"_s << Kind::Day;
    QTest::newRow("routines") << u"Routines.rdf"_s << Kind::Routine;
    QTest::newRow("lists") << u"LEntries.lef"_s << Kind::List;
    QTest::newRow("configuration") << u"Config.vxc"_s << Kind::Config;
    QTest::newRow("scratch day") << u"Temporary.dtf"_s << Kind::None;
    QTest::newRow("text output") << u"Y2024MAY.txt"_s << Kind::None;
    QTest::newRow("settings") << u"Wrenly.ini"_s << Kind::None;
    QTest::newRow("a backup") << u"backup/2024-05/Y2024MAY.vxf.20240515-101530"_s << Kind::None;
    QTest::newRow("month file in a folder") << u"old/Y2024MAY.vxf"_s << Kind::None;
    QTest::newRow("day file too deep") << u"AUBREL/Y202405/x/Y2024055.dtf"_s << Kind::None;
    QTest::newRow("only the extension") << u".vxf"_s << Kind::None;
}

void BackupRulesTest::kindOf()
{
    QFETCH(QString, path);
    QFETCH(Kind, kind);
    QCOMPARE(BackupRules::kindOf(path), kind);
}

void BackupRulesTest::versionName_readsBack_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("sequence");
    QTest::newRow("month") << u"2024-05/Y2024MAY.vxf.20240515-101530"_s << true << u"Y2024MAY.vxf"_s << 0;
    QTest::newRow("second in the same second")
        << u"2024-05/Y2024MAY.vxf.20240515-101530-2"_s << true << u"Y2024MAY.vxf"_s << 2;
    QTest::newRow("day") << u"2024-06/AUBREL/Y202405/Y2024055.dtf.20240601-000000"_s << true
                         << u"AUBREL/Y202405/Y2024055.dtf"_s << 0;
    QTest::newRow("no time") << u"2024-05/Y2024MAY.vxf"_s << false << QString() << 0;
    QTest::newRow("bad time") << u"2024-05/Y2024MAY.vxf.20241315-101530"_s << false << QString() << 0;
    QTest::newRow("bad sequence") << u"2024-05/Y2024MAY.vxf.20240515-101530-x"_s << false << QString() << 0;
    QTest::newRow("no month folder") << u"Y2024MAY.vxf.20240515-101530"_s << false << QString() << 0;
    QTest::newRow("temporary of a copy")
        << u"2024-05/.Y2024MAY.vxf.20240515-101530.wrenly-a1B2c3"_s << false << QString() << 0;
}

void BackupRulesTest::versionName_readsBack()
{
    QFETCH(QString, name);
    QFETCH(bool, valid);
    QFETCH(QString, path);
    QFETCH(int, sequence);
    const std::optional<BackupRules::Version> v = BackupRules::parse(name);
    QCOMPARE(v.has_value(), valid);
    if (!valid)
        return;
    QCOMPARE(v->relativePath, path);
    QCOMPARE(v->sequence, sequence);
    QCOMPARE(BackupRules::versionName(v->relativePath, v->time, v->sequence), name);
}

void BackupRulesTest::expired_data()
{
    // Now is 10:15:30; "day d" below means d calendar days back.
    QTest::addColumn<QList<BackupRules::Version>>("versions");
    QTest::addColumn<int>("maxPerFile");
    QTest::addColumn<QList<int>>("gone");
    QTest::newRow("every version of the last 7 days stays")
        << QList{aged(0.1), aged(0.1, 0, 1), aged(24), aged(6 * 24 + 23)} << 500 << QList<int>{};
    QTest::newRow("older: the last of each day")
        << QList{aged(8 * 24 + 1), aged(8 * 24 + 2), aged(8 * 24 + 3), aged(9 * 24)} << 500 << QList{1, 2};
    QTest::newRow("same time: the higher sequence is the later")
        << QList{aged(8 * 24, 0, 1), aged(8 * 24, 0, 0)} << 500 << QList{1};
    QTest::newRow("60 days and older go")
        << QList{aged(59 * 24), aged(60 * 24), aged(400 * 24)} << 500 << QList{1, 2};
    QTest::newRow("a clock set back: later versions stay")
        << QList{aged(-48), aged(-1)} << 500 << QList<int>{};
    QTest::newRow("beyond the count, the oldest go")
        << QList{aged(1), aged(3), aged(2), aged(20 * 24)} << 2 << QList{1, 3};
}

void BackupRulesTest::expired()
{
    QFETCH(QList<BackupRules::Version>, versions);
    QFETCH(int, maxPerFile);
    QFETCH(QList<int>, gone);
    BackupRules::Policy policy;
    policy.maxVersionsPerFile = maxPerFile;
    QCOMPARE(BackupRules::expired(versions, Now, policy), gone);
}

void BackupRulesTest::overSize_removesOldestFirst()
{
    const QList versions{aged(5, 100), aged(50, 100), aged(1, 100), aged(70, 100)};
    QCOMPARE(BackupRules::overSize(versions, 400), QList<int>{});
    QCOMPARE(BackupRules::overSize(versions, 250), (QList{3, 1}));
    QCOMPARE(BackupRules::overSize(versions, 0), (QList{3, 1, 0, 2}));
}

QTEST_GUILESS_MAIN(BackupRulesTest)
#include "tst_backuprules.moc"
