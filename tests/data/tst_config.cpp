#include "data/Config.h"
#include "data/PartnerPrograms.h"
#include "data/Session.h"
#include "data/SjisCodec.h"
#include "support/FileSizeLimit.h"
#include "support/TestFolder.h"

#include <QDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QStringList defaultLines(const QString &exeDir)
{
    QStringList l;
    for (int i = 1; i <= 50; ++i) {
        if (i <= 5 || (i >= 11 && i <= 15) || i == 40 || i == 41)
            l << u"未設定"_s;
        else if (i == 21)
            l << exeDir + u"/Sample1.JPG"_s;
        else if (i == 22 || i == 24)
            l << u"10"_s;
        else if (i == 23 || i == 25)
            l << u"180"_s;
        else if (i == 26 || i == 27 || i == 31)
            l << u"True"_s;
        else if (i == 28 || (i >= 32 && i <= 34))
            l << u"False"_s;
        else if (i == 35)
            l << u"1"_s;
        else
            l << u"空き"_s;
    }
    return l;
}

QByteArray fileOf(const QStringList &lines)
{
    QByteArray out;
    for (const QString &l : lines)
        out += Sjis::encode(l) + "\r\n";
    return out;
}

} // namespace

class TestConfig : public QObject
{
    Q_OBJECT
private slots:
    void defaultFile_isFiftyShiftJisLines();
    void defaultFile_readsBackAsTheDefaults();
    void setupWrite_roundTrips();
    void setupWrite_writesNotSetForEmptyEntries();
    void booleans_areExactWords_data();
    void booleans_areExactWords();
    void afterLaunch_data();
    void afterLaunch();
    void paths_freeWord_data();
    void paths_freeWord();
    void entries_cutTo31Bytes();
    void pictureNumbers_invalidTextKeepsInitialValues();
    void blocks_lastCompleteBlockWins();
    void startUp_writesTheDefaultFileOnlyWhenThereIsNone();
    void startUp_failedCreateKeepsTheDefaults();
    void partners_takeTheirPathsFromTheirLines();
    void shortFile_missingLinesReadEmpty();
    void lfOnlyLines_areAccepted();
    void hugeLineWithoutBreaks_readsAsItsField_data();
    void hugeLineWithoutBreaks_readsAsItsField();
    void picturePath_namesThePictureAgainAfterARestart_data();
    void picturePath_namesThePictureAgainAfterARestart();
};

void TestConfig::defaultFile_isFiftyShiftJisLines()
{
    const QByteArray bytes = Config::defaultFileBytes(u"/opt/wrenly"_s);
    QCOMPARE(bytes, fileOf(defaultLines(u"/opt/wrenly"_s)));
    QCOMPARE(bytes.count("\r\n"), 50);
    QVERIFY(bytes.startsWith(QByteArray::fromHex("96A290DD92E80D0A"))); // 未設定 CR LF
}

void TestConfig::defaultFile_readsBackAsTheDefaults()
{
    const Config c = Config::fromFileBytes(Config::defaultFileBytes(u"/opt/wrenly"_s));
    for (const QString &e : c.customerList)
        QVERIFY(e.isEmpty());
    for (const QString &e : c.jobTypeList)
        QVERIFY(e.isEmpty());
    QCOMPARE(c.picturePath, u"/opt/wrenly/Sample1.JPG"_s);
    QCOMPARE(c.pictureTop, 10);
    QCOMPARE(c.pictureHeight, 180);
    QCOMPARE(c.pictureLeft, 10);
    QCOMPARE(c.pictureWidth, 180);
    QVERIFY(c.pictureCenter);
    QVERIFY(c.pictureProportional);
    QVERIFY(!c.pictureStretch);
    QVERIFY(c.showJobPanel);
    QVERIFY(!c.showToDoAtStart);
    QVERIFY(!c.interlockToDoGraph);
    QVERIFY(!c.showDateSeparators);
    QCOMPARE(c.afterLaunch, AfterLaunch::StayInTray);
    QVERIFY(c.trevPath.isEmpty());
    QVERIFY(c.dossPath.isEmpty());
    QVERIFY(c.pellPath.isEmpty()); // line 42 is "空き" in the default file
}

void TestConfig::setupWrite_roundTrips()
{
    Config c;
    c.customerList = {u"山田商店"_s, u"B社"_s, {}, {}, u"E"_s};
    c.jobTypeList = {u"設計"_s, {}, {}, {}, {}};
    c.picturePath = u"/home/u/pic.jpg"_s;
    c.pictureTop = 20;
    c.pictureHeight = 150;
    c.pictureLeft = 30;
    c.pictureWidth = 150;
    c.pictureCenter = false;
    c.pictureStretch = true;
    c.showJobPanel = true;
    c.showToDoAtStart = true;
    c.interlockToDoGraph = true;
    c.showDateSeparators = true;
    c.afterLaunch = AfterLaunch::StayShown;
    c.trevPath = u"/opt/Trevant.exe"_s;
    c.pellPath = u"/opt/Pellmark.exe"_s;
    const QByteArray bytes = c.toFileBytes();
    QCOMPARE(bytes.count("\r\n"), 50);
    QCOMPARE(Config::fromFileBytes(bytes), c);
}

void TestConfig::setupWrite_writesNotSetForEmptyEntries()
{
    Config c;
    const QStringList lines = Sjis::decode(c.toFileBytes()).split(u"\r\n"_s);
    QCOMPARE(lines.value(0), u"未設定"_s);
    QCOMPARE(lines.value(5), u"空き"_s);
    QCOMPARE(lines.value(20), u"未設定"_s); // no picture
    QCOMPARE(lines.value(34), u"0"_s);
    QCOMPARE(lines.value(41), u"未設定"_s); // where the default file had "空き"
}

void TestConfig::booleans_areExactWords_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("value");
    QTest::newRow("True") << u"True"_s << true;
    QTest::newRow("true") << u"true"_s << false;
    QTest::newRow("TRUE") << u"TRUE"_s << false;
    QTest::newRow("1") << u"1"_s << false;
    QTest::newRow("False") << u"False"_s << false;
    QTest::newRow("empty") << QString() << false;
}

void TestConfig::booleans_areExactWords()
{
    QFETCH(QString, word);
    QFETCH(bool, value);
    QStringList l = defaultLines(u"/x"_s);
    l[25] = word; // line 26
    l[30] = word; // line 31
    l[33] = word; // line 34
    const Config c = Config::fromFileBytes(fileOf(l));
    QCOMPARE(c.pictureCenter, value);
    QCOMPARE(c.showJobPanel, value);
    QCOMPARE(c.showDateSeparators, value);
}

void TestConfig::afterLaunch_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("value");
    QTest::newRow("0") << u"0"_s << 0;
    QTest::newRow("False") << u"False"_s << 0;
    QTest::newRow("1") << u"1"_s << 1;
    QTest::newRow("True") << u"True"_s << 1;
    QTest::newRow("2") << u"2"_s << 2;
    QTest::newRow("3 keeps start value") << u"3"_s << 0;
    QTest::newRow("true keeps start value") << u"true"_s << 0;
}

void TestConfig::afterLaunch()
{
    QFETCH(QString, word);
    QFETCH(int, value);
    QStringList l = defaultLines(u"/x"_s);
    l[34] = word;
    QCOMPARE(int(Config::fromFileBytes(fileOf(l)).afterLaunch), value);
}

void TestConfig::paths_freeWord_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("path");
    QTest::newRow("trev free is a path") << 40 << u"空き"_s << u"空き"_s;
    QTest::newRow("trev not set") << 40 << u"未設定"_s << QString();
    QTest::newRow("doss free is empty") << 41 << u"空き"_s << QString();
    QTest::newRow("pell free is empty") << 42 << u"空き"_s << QString();
    QTest::newRow("pell path") << 42 << u"/opt/Pellmark.exe"_s << u"/opt/Pellmark.exe"_s;
}

void TestConfig::paths_freeWord()
{
    QFETCH(int, line);
    QFETCH(QString, word);
    QFETCH(QString, path);
    QStringList l = defaultLines(u"/x"_s);
    l[line - 1] = word;
    const Config c = Config::fromFileBytes(fileOf(l));
    QCOMPARE(line == 40 ? c.trevPath : line == 41 ? c.dossPath : c.pellPath, path);
}

void TestConfig::entries_cutTo31Bytes()
{
    QStringList l = defaultLines(u"/x"_s);
    l[0] = QString(40, u'c');
    l[10] = QString(20, QChar(0x65E5)); // 40 bytes of kanji
    const Config c = Config::fromFileBytes(fileOf(l));
    QCOMPARE(c.customerList[0], QString(31, u'c'));
    QCOMPARE(c.jobTypeList[0], QString(15, QChar(0x65E5)));
}

void TestConfig::pictureNumbers_invalidTextKeepsInitialValues()
{
    QStringList l = defaultLines(u"/x"_s);
    l[21] = u"abc"_s;
    l[22] = u"-5"_s;
    l[23] = QString();
    l[24] = u"12.5"_s;
    const Config c = Config::fromFileBytes(fileOf(l));
    QCOMPARE(c.pictureTop, 10);
    QCOMPARE(c.pictureHeight, 180);
    QCOMPARE(c.pictureLeft, 10);
    QCOMPARE(c.pictureWidth, 180);
    QVERIFY(c.showJobPanel); // reading went on past the bad lines
}

void TestConfig::blocks_lastCompleteBlockWins()
{
    QStringList first = defaultLines(u"/x"_s);
    QStringList second = defaultLines(u"/y"_s);
    second[0] = u"二番目"_s;
    second[34] = u"bad"_s; // keeps the first block's value
    first[34] = u"2"_s;
    QStringList partial = defaultLines(u"/z"_s).mid(0, 10);
    partial[0] = u"三番目"_s;
    const Config c = Config::fromFileBytes(fileOf(first + second + partial));
    QCOMPARE(c.customerList[0], u"二番目"_s);
    QCOMPARE(c.picturePath, u"/y/Sample1.JPG"_s);
    QCOMPARE(c.afterLaunch, AfterLaunch::StayShown);
}

void TestConfig::shortFile_missingLinesReadEmpty()
{
    QStringList l = defaultLines(u"/x"_s).mid(0, 30);
    l[0] = u"A"_s;
    const Config c = Config::fromFileBytes(fileOf(l));
    QCOMPARE(c.customerList[0], u"A"_s);
    QVERIFY(!c.showJobPanel); // line 31 missing
    QCOMPARE(c.afterLaunch, AfterLaunch::Exit);
    QCOMPARE(c.trevPath, QString());
    QCOMPARE(Config::fromFileBytes({}), Config());
}

void TestConfig::lfOnlyLines_areAccepted()
{
    QByteArray bytes = Config::defaultFileBytes(u"/x"_s);
    bytes.replace("\r\n", "\n");
    QCOMPARE(Config::fromFileBytes(bytes), Config::fromFileBytes(Config::defaultFileBytes(u"/x"_s)));
}

void TestConfig::startUp_writesTheDefaultFileOnlyWhenThereIsNone()
{
    TestFolder folder;
    Session session(folder.path());
    QVERIFY(session.loadConfig());
    QCOMPARE(folder.read(u"Config.vxc"_s), Config::defaultFileBytes(folder.path()));
    QCOMPARE(session.config().picturePath, folder.path() + u"/Sample1.JPG"_s);

    QStringList l = defaultLines(folder.path());
    l[0] = u"山田商店"_s;
    folder.write(u"Config.vxc"_s, fileOf(l));
    Session again(folder.path());
    QVERIFY(again.loadConfig());
    QCOMPARE(again.config().customerList[0], u"山田商店"_s);
    QCOMPARE(folder.read(u"Config.vxc"_s), fileOf(l));
}

void TestConfig::startUp_failedCreateKeepsTheDefaults()
{
    TestFolder folder;
    Session session(folder.path());
    FileOperation failed = FileOperation::Read;
    SafeFile::Result r;
    {
        const FileSizeLimit full(10);
        r = session.loadConfig(&failed);
    }
    QVERIFY(!r);
    QCOMPARE(failed, FileOperation::Create);
    QVERIFY(!folder.exists(u"Config.vxc"_s));
    QCOMPARE(session.config(), Config());

    // A folder where the file should be cannot be read.
    QDir(folder.path()).mkdir(u"Config.vxc"_s);
    QVERIFY(!session.loadConfig(&failed));
    QCOMPARE(failed, FileOperation::Read);
}

void TestConfig::partners_takeTheirPathsFromTheirLines()
{
    QStringList l = defaultLines(u"/x"_s);
    l[39] = u"/opt/Trevant.exe"_s;
    l[40] = u"/opt/Dossaro.exe"_s;
    l[41] = u"/opt/Pellmark.exe"_s;
    const Config c = Config::fromFileBytes(fileOf(l));
    for (Partner p : {Partner::Pellmark, Partner::Trevant, Partner::Dossaro}) {
        const PartnerProgram &program = PartnerPrograms::of(p);
        QCOMPARE(program.partner, p);
        QCOMPARE(program.pathIn(c), u"/opt/"_s + program.expectedFileName());
    }
}

// A damaged or foreign file of megabytes without a line break must not hold up start-up: with a
// conversion slower than linear these took minutes and ran past the test's time-out.
void TestConfig::hugeLineWithoutBreaks_readsAsItsField_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("firstCustomer");
    constexpr int Huge = 2 * 1024 * 1024;
    QTest::newRow("bytes CP932 lacks") << QByteArray(Huge, '\xA0') << QString(31, u'?');
    QTest::newRow("kanji") << QByteArray::fromHex("93FA").repeated(Huge / 2) << QString(15, QChar(0x65E5));
    QTest::newRow("ascii") << QByteArray(Huge, 'c') << QString(31, u'c');
}

void TestConfig::hugeLineWithoutBreaks_readsAsItsField()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, firstCustomer);
    QCOMPARE(Config::fromFileBytes(bytes).customerList[0], firstCustomer);

    TestFolder folder;
    folder.write(Config::fileName(), bytes);
    Session session(folder.path());
    QVERIFY(session.loadConfig());
    QCOMPARE(session.config().customerList[0], firstCustomer);
    QCOMPARE(session.config().jobTypeList[0], QString());
}

void TestConfig::picturePath_namesThePictureAgainAfterARestart_data()
{
    QTest::addColumn<QString>("folder");  // the data folder's name
    QTest::addColumn<QString>("picture"); // in the data folder
    QTest::addColumn<QString>("line21");  // as stored; "@" is the data folder
    QTest::newRow("kanji folder") << u"日本語"_s << u"Sample1.JPG"_s << u"@/Sample1.JPG"_s;
    QTest::newRow("folder beyond Shift-JIS, default") << u"renée"_s << u"Sample1.JPG"_s << u"Sample1.JPG"_s;
    QTest::newRow("folder beyond Shift-JIS, chosen") << u"renée"_s << u"写真/a.jpg"_s << u"写真/a.jpg"_s;
}

void TestConfig::picturePath_namesThePictureAgainAfterARestart()
{
    QFETCH(QString, folder);
    QFETCH(QString, picture);
    QFETCH(QString, line21);
    TestFolder base;
    const QString dir = base.file(folder);
    Session session(dir);
    QVERIFY(QDir().mkpath(dir) && session.loadConfig());
    session.config().picturePath = dir + u'/' + picture;
    QVERIFY(session.saveConfig());
    QCOMPARE(Sjis::decode(base.read(folder + u"/Config.vxc"_s).split('\n').value(20)),
             line21.replace(u'@', dir) + u'\r');
    Session restarted(dir);
    QVERIFY(restarted.loadConfig());
    QCOMPARE(restarted.config().picturePath, dir + u'/' + picture);
}

QTEST_GUILESS_MAIN(TestConfig)
#include "tst_config.moc"
