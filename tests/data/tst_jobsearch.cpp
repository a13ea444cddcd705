#include "data/DaySerial.h"
#include "data/JobSearch.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using State = JobSearch::State;

JobSearch::Filter filter(State state = State::Any, const QDate &from = {}, const QDate &to = {})
{
    JobSearch::Filter f;
    f.state = state;
    f.from = from;
    f.to = to;
    return f;
}

} // namespace

Q_DECLARE_METATYPE(JobSearch::Filter)

class JobSearchTest : public QObject
{
    Q_OBJECT
private slots:
    void matches_data();
    void matches();
    void spansOf_data();
    void spansOf();
};

void JobSearchTest::matches_data()
{
    QTest::addColumn<QString>("texts"); // title|comments|customer|job number|job type
    QTest::addColumn<int>("check");
    QTest::addColumn<QString>("text");
    QTest::addColumn<JobSearch::Filter>("filter");
    QTest::addColumn<bool>("expected");
    const JobSearch::Filter any = filter();
    QTest::newRow("Latin letters in any case") << u"Web Site"_s << 0 << u"wEB"_s << any << true;
    QTest::newRow("full-width letters find half-width") << u"ABC商事"_s << 0 << u"ａｂｃ"_s << any << true;
    QTest::newRow("half-width letters find full-width") << u"ＡＢＣ商事"_s << 0 << u"abc"_s << any << true;
    QTest::newRow("full-width digits") << u"x|||Ｎｏ．１２３"_s << 0 << u"no.123"_s << any << true;
    QTest::newRow("half-width kana with sound marks") << u"x||ｶﾞｲﾄﾞ工業"_s << 0 << u"ガイド"_s << any << true;
    QTest::newRow("hiragana finds katakana") << u"サーバー移設"_s << 0 << u"さーばー"_s << any << true;
    QTest::newRow("katakana finds hiragana in the comments")
        << u"x|みどり色\r\nの紙"_s << 0 << u"ミドリ"_s << any << true;
    QTest::newRow("kanji are not kana") << u"山田"_s << 0 << u"やまだ"_s << any << false;
    QTest::newRow("every word, in any field, full-width space between")
        << u"見積||山田商店||営業"_s << 0 << u"山田　見積 営業"_s << any << true;
    QTest::newRow("one word missing") << u"見積 作成"_s << 0 << u"見積 提出"_s << any << false;
    QTest::newRow("no word across two fields") << u"山||田"_s << 0 << u"山田"_s << any << false;
    QTest::newRow("[STEP] is not matched") << u"[STEP]設計"_s << 0 << u"step"_s << any << false;
    QTest::newRow("the title after [STEP] is") << u"[STEP]設計"_s << 0 << u"設計"_s << any << true;
    QTest::newRow("STEP without brackets is text") << u"STEP設計"_s << 0 << u"step"_s << any << true;
    QTest::newRow("no words: every job") << u"x"_s << 0 << u"  "_s << any << true;
    QTest::newRow("state in progress")
        << u"x"_s << int(JobRecord::InProgress) << QString() << filter(State::InProgress) << true;
    QTest::newRow("state done, job in progress")
        << u"x"_s << int(JobRecord::InProgress) << QString() << filter(State::Done) << false;
    QTest::newRow("state not done") << u"x"_s << 0 << QString() << filter(State::NotDone) << true;
    QTest::newRow("unknown state only for all")
        << u"x"_s << 7 << QString() << filter(State::NotDone) << false;
    JobSearch::Filter yamada = any;
    yamada.customer = u"山田"_s;
    QTest::newRow("customer is matched whole") << u"x||山田商店"_s << 0 << QString() << yamada << false;
    QTest::newRow("customer") << u"x||山田"_s << 0 << QString() << yamada << true;
    JobSearch::Filter survey = any;
    survey.jobType = u"調査"_s;
    QTest::newRow("job type") << u"x||||保守"_s << 0 << QString() << survey << false;
    QTest::newRow("end within the period")
        << u"x"_s << 0 << QString() << filter(State::Any, {2024, 6, 20}, {2024, 6, 30}) << true;
    QTest::newRow("start within the period")
        << u"x"_s << 0 << QString() << filter(State::Any, {2024, 5, 1}, {2024, 5, 10}) << true;
    QTest::newRow("period between start and end")
        << u"x"_s << 0 << QString() << filter(State::Any, {2024, 5, 11}, {2024, 6, 19}) << false;
    QTest::newRow("period given backwards")
        << u"x"_s << 0 << QString() << filter(State::Any, {2024, 6, 30}, {2024, 6, 1}) << true;
}

void JobSearchTest::matches()
{
    QFETCH(QString, texts);
    QFETCH(int, check);
    QFETCH(QString, text);
    QFETCH(JobSearch::Filter, filter);
    QFETCH(bool, expected);
    const QStringList t = texts.split(u'|') + QStringList(4, QString());
    JobRecord r;
    r.title = t[0];
    r.comments = t[1];
    r.customer = t[2];
    r.jobNo = t[3];
    r.jobType = t[4];
    r.check = check;
    // Every job runs from 2024-05-10 to 2024-06-20; a time of day in the serial does not move the day.
    r.startDate = DaySerial::fromDate({2024, 5, 10}) + 0.75;
    r.endDate = DaySerial::fromDate({2024, 6, 20}) + 0.25;
    QCOMPARE(JobSearch::matches(JobSearch::entryOf(r, 0), {JobSearch::words(text), filter}), expected);
}

void JobSearchTest::spansOf_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("words");
    QTest::addColumn<int>("from");
    QTest::addColumn<QList<int>>("spans"); // start, length, ...
    QTest::newRow("half-width kana: whole characters with their marks")
        << u"株ｶﾞｲﾄﾞ"_s << u"がいど"_s << 0 << QList<int>{1, 5};
    QTest::newRow("every place, any case") << u"ab AB ab"_s << u"ab"_s << 0 << QList<int>{0, 2, 3, 2, 6, 2};
    QTest::newRow("overlapping words merge") << u"見積書作成"_s << u"見積 積書"_s << 0 << QList<int>{0, 3};
    QTest::newRow("nothing before from") << u"[STEP]step"_s << u"step"_s << 6 << QList<int>{6, 4};
    QTest::newRow("one character, two when folded") << u"㍿山田"_s << u"会社"_s << 0 << QList<int>{0, 1};
    QTest::newRow("no words") << u"abc"_s << QString() << 0 << QList<int>{};
}

void JobSearchTest::spansOf()
{
    QFETCH(QString, text);
    QFETCH(QString, words);
    QFETCH(int, from);
    QFETCH(QList<int>, spans);
    QList<int> found;
    for (const JobSearch::Span &s : JobSearch::spansOf(text, JobSearch::words(words), from))
        found << s.start << s.length;
    QCOMPARE(found, spans);
}

QTEST_GUILESS_MAIN(JobSearchTest)
#include "tst_jobsearch.moc"
