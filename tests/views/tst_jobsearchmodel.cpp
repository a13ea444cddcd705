#include "data/MonthFileCache.h"
#include "data/SjisCodec.h"
#include "support/TestFolder.h"
#include "views/JobSearchModel.h"

#include <QFile>
#include <QTest>
#include <QtEndian>

using namespace Qt::StringLiterals;

namespace {

struct Job
{
    QString title;
    QString customer;
};

// A month file as its layout says: 60 records of 456 bytes, no header; a text is a length byte
// and CP932 bytes (the title at 16, the customer at 352), the state a little-endian int at 448.
QByteArray monthBytes(const QList<Job> &jobs)
{
    QByteArray bytes(60 * 456, '\0');
    const auto put = [&](int at, const QString &text) {
        const QByteArray encoded = Sjis::encode(text);
        bytes[at] = char(encoded.size());
        bytes.replace(at + 1, encoded.size(), encoded);
    };
    for (int slot = 0; slot < jobs.size(); ++slot) {
        put(slot * 456 + 16, jobs[slot].title);
        put(slot * 456 + 352, jobs[slot].customer);
        qToLittleEndian<qint32>(slot % 3, bytes.data() + slot * 456 + 448);
    }
    return bytes;
}

// Each row: month, data number and title, as shown.
QStringList rows(const JobSearchModel &model)
{
    QStringList out;
    for (int row = 0; row < model.rowCount(); ++row) {
        QStringList cells;
        for (int column :
             {JobSearchModel::MonthColumn, JobSearchModel::DataNoColumn, JobSearchModel::TitleColumn})
            cells << model.index(row, column).data().toString();
        out << cells.join(u' ');
    }
    return out;
}

} // namespace

class JobSearchModelTest : public QObject
{
    Q_OBJECT
private slots:
    void search_everyMonthFileNewestFirst();
};

void JobSearchModelTest::search_everyMonthFileNewestFirst()
{
    TestFolder dir;
    dir.write(u"Y2023MAY.vxf"_s, monthBytes({{u"見積書の作成"_s, u"山田"_s}, {u"請求書"_s, {}}}));
    // The slot after the gap is not part of the month.
    dir.write(u"Y2024JAN.vxf"_s, monthBytes({{u"打ち合わせ"_s, {}},
                                             {u"[STEP]ミツモリ再提出"_s, u"ｽｽﾞｷ"_s},
                                             {},
                                             {u"見積 after the gap"_s, {}}}));
    dir.write(u"y2022dec.vxf"_s, monthBytes({{u"見積"_s, {}}}));
    dir.write(u"notes.vxf"_s, monthBytes({{u"見積 in a file of no month"_s, {}}}));
    QVERIFY(QFile::link(dir.file(u"gone.vxf"_s), dir.file(u"Y2022MAR.vxf"_s)));

    MonthFileCache cache(dir.path());
    JobSearchModel model(cache);
    const JobSearch::Query query{JobSearch::words(u"みつもり"_s), {}};
    model.search(query);
    QCOMPARE(rows(model), (QStringList{u"2024年1月 2 [STEP]ミツモリ再提出"_s}));
    QCOMPARE(model.index(0, JobSearchModel::TitleColumn).data(JobSearchModel::SpansRole).value<QList<int>>(),
             (QList<int>{6, 4}));
    model.search({JobSearch::words(u"見積"_s), {}});
    QCOMPARE(rows(model), (QStringList{u"2023年5月 1 見積書の作成"_s, u"2022年12月 1 見積"_s}));
    QCOMPARE(model.statusText(), u"2 件 / 3 か月　(読めないファイル 1 件)"_s);
    QCOMPARE(model.unreadableFiles(), QStringList{u"Y2022MAR.vxf"_s});
    QCOMPARE(model.customers(), (QStringList{u"山田"_s, u"ｽｽﾞｷ"_s}));

    // Another program rewrites a month (same size, a later time) and removes another.
    dir.write(u"Y2023MAY.vxf"_s, monthBytes({{u"請求書"_s, {}}, {u"見積B"_s, {}}, {u"見積A"_s, {}}}));
    QFile changed(dir.file(u"Y2023MAY.vxf"_s));
    QVERIFY(changed.open(QIODevice::ReadWrite));
    QVERIFY(changed.setFileTime(changed.fileTime(QFileDevice::FileModificationTime).addSecs(10),
                                QFileDevice::FileModificationTime));
    changed.close();
    QVERIFY(QFile::remove(dir.file(u"y2022dec.vxf"_s)));
    model.search({JobSearch::words(u"見積"_s), {}});
    QCOMPARE(rows(model), (QStringList{u"2023年5月 3 見積A"_s, u"2023年5月 2 見積B"_s}));
    QCOMPARE(model.monthCount(), 2);

    model.sort(JobSearchModel::TitleColumn, Qt::AscendingOrder);
    QCOMPARE(rows(model), (QStringList{u"2023年5月 3 見積A"_s, u"2023年5月 2 見積B"_s}));
    model.sort(JobSearchModel::StateColumn,
               Qt::DescendingOrder); // slot 1 is done (1), slot 2 in progress (2)
    QCOMPARE(rows(model), (QStringList{u"2023年5月 3 見積A"_s, u"2023年5月 2 見積B"_s}));
    model.sort(JobSearchModel::DataNoColumn, Qt::AscendingOrder);
    QCOMPARE(rows(model), (QStringList{u"2023年5月 2 見積B"_s, u"2023年5月 3 見積A"_s}));
}

QTEST_GUILESS_MAIN(JobSearchModelTest)
#include "tst_jobsearchmodel.moc"
