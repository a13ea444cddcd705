// Times the job search over twenty years of month files (240 files of 60 records) that it writes
// into a temporary folder: the first read of every file, one keystroke (the folder looked at again,
// the words matched, the model filled and sorted) and the heap the decoded months hold.
//   bench_search [rounds] [full]
// "full" fills every text field to its capacity instead of realistic lengths.

#include "data/DaySerial.h"
#include "data/JobRecord.h"
#include "data/JobSearch.h"
#include "data/MonthFileCache.h"
#include "data/SafeFile.h"
#include "views/JobSearchModel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <malloc.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int Years = 20;
constexpr int FirstYear = 2005;

long heapKiB()
{
    return long(mallinfo2().uordblks / 1024);
}

// Texts of the kind users write, varied by the record's number.
JobRecord realisticJob(int n, int year, int month)
{
    static const QStringList titles{
        u"見積書の作成"_s,       u"サーバー移設作業"_s,     u"月次報告書"_s,     u"ホームページ更新"_s,
        u"打ち合わせ資料準備"_s, u"請求書発行"_s,           u"ﾃﾞｰﾀﾍﾞｰｽ移行"_s,   u"Webサイト改修"_s,
        u"新製品カタログ校正"_s, u"年末調整の書類まとめ"_s, u"ＬＡＮ配線工事"_s, u"取扱説明書の翻訳"_s};
    static const QStringList customers{u"山田商店"_s,       u"株式会社ミドリ"_s, u"ｽｽﾞｷ工業"_s,
                                       u"北川設計事務所"_s, u"ACME Corp."_s,     u"東都大学"_s,
                                       u"さくら印刷"_s,     u"青葉市役所"_s};
    static const QStringList types{u"開発"_s, u"保守"_s, u"事務"_s, u"営業"_s, u"調査"_s};
    static const QStringList comments{
        u"先方の担当者と日程を調整してから着手する。\r\n資料は共有フォルダに置く。見積の前提条件を確認し、変"
        u"更があれば"
        u"営業に連絡。"_s,
        u"前回の不具合の修正を含める。テストは2日見込む。\r\n本番環境への反映は夜間に行うこと。"_s,
        u"見積金額は前年と同じ。納品はPDFで。\r\n請求は月末締め翌月払い。"_s,
        u"現地調査のあと、工程表を作り直す。\r\n部材の発注は来週。\r\n担当: 佐藤、補助: 鈴木。雨天の場合は順延。"_s,
        u"電話連絡のみ。"_s};
    JobRecord j;
    j.dataNo = n + 1;
    j.title = titles[n % titles.size()] + u' ' + QString::number(n + 1);
    j.entryDate = DaySerial::fromDate(QDate(year, month, 1 + n % 28));
    j.startDate = j.entryDate;
    j.endDate = j.startDate + n % 20;
    j.comments = comments[(n * 7 + month) % comments.size()];
    j.customer = customers[(n + month) % customers.size()];
    j.jobNo = u"A-%1-%2"_s.arg(year).arg(n * 37 % 1000, 4, 10, QChar(u'0'));
    j.jobType = types[(n + year) % types.size()];
    j.check = n % 3;
    return j;
}

// Every field at its capacity in bytes: the most a month file can hold.
JobRecord fullJob(int n, int year, int month)
{
    JobRecord j = realisticJob(n, year, month);
    const auto fill = [&](int capacity) {
        return QString(QString::number(n) + QString(capacity, u'x')).left(capacity);
    };
    j.title = fill(JobRecord::TitleCapacity);
    j.comments = fill(JobRecord::CommentsCapacity);
    j.customer = fill(JobRecord::ShortCapacity);
    j.jobNo = fill(JobRecord::ShortCapacity);
    j.jobType = fill(JobRecord::ShortCapacity);
    return j;
}

bool writeFolder(const QString &folder, bool full)
{
    for (int year = FirstYear; year < FirstYear + Years; ++year) {
        for (int month = 1; month <= 12; ++month) {
            MonthFile::Jobs jobs{};
            for (int n = 0; n < MonthFile::RecordCount; ++n)
                jobs[size_t(n)] = full ? fullJob(n, year, month) : realisticJob(n, year, month);
            const QString path = folder + u'/' + MonthFile::fileName(year, month);
            if (!SafeFile::write(path, MonthFile::toBytes(jobs), SafeFile::Tail::Drop))
                return false;
        }
    }
    return true;
}

double msSince(const QElapsedTimer &t)
{
    return double(t.nsecsElapsed()) / 1e6;
}

// The processor time of this thread: what the work costs when other programs share the cores.
double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// One user typing, a keystroke at a time; then words that match everything or nothing.
void timeKeystrokes(JobSearchModel &model, int rounds)
{
    const QStringList typed{u"や"_s,        u"やま"_s, u"山田"_s,        u"山田 み"_s,
                            u"山田 見積"_s, u"ｽｽﾞｷ"_s, u"すずき 開発"_s, u"ＡＣＭＥ"_s,
                            u"acme 2011"_s, u"a"_s,    u"担当 佐藤"_s,   u"存在しない語"_s};
    QElapsedTimer t;
    QList<double> times;
    QList<double> cpuTimes;
    for (int i = 0; i < rounds; ++i) {
        for (const QString &text : typed) {
            JobSearch::Query query;
            query.words = JobSearch::words(text);
            const double cpu = cpuMs();
            t.start();
            model.search(query);
            times.append(msSince(t));
            cpuTimes.append(cpuMs() - cpu);
        }
    }
    for (QList<double> *list : {&times, &cpuTimes}) {
        std::sort(list->begin(), list->end());
        std::printf("%-44s %10.2f ms (90 %%: %.2f, max %.2f)\n",
                    list == &times ? "one keystroke: median" : "one keystroke, processor time: median",
                    list->at(list->size() / 2), list->at(list->size() * 9 / 10), list->last());
    }
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    const bool full = argc > 2 && std::strcmp(argv[2], "full") == 0;
    QTemporaryDir dir;
    if (!dir.isValid() || !writeFolder(dir.path(), full)) {
        std::fprintf(stderr, "cannot write the month files\n");
        return 1;
    }
    std::printf("%d month files of %d records (%s texts)\n", Years * 12, MonthFile::RecordCount,
                full ? "full" : "realistic");

    const long heapBefore = heapKiB();
    MonthFileCache cache(dir.path());
    QElapsedTimer t;
    t.start();
    const MonthFileCache::Scan first = cache.refresh();
    std::printf("%-44s %10.1f ms\n", "first read of every file", msSince(t));
    std::printf("%-44s %10.1f MB\n", "heap held by the decoded months", (heapKiB() - heapBefore) / 1024.0);
    if (first.months.size() != Years * 12)
        std::fprintf(stderr, "read %lld months\n", qint64(first.months.size()));

    t.restart();
    for (int i = 0; i < rounds; ++i)
        (void)cache.refresh();
    std::printf("%-44s %10.2f ms\n", "folder looked at again, nothing changed", msSince(t) / rounds);

    JobSearchModel model(cache);
    timeKeystrokes(model, rounds);
    JobSearch::Query all;
    t.restart();
    model.search(all);
    std::printf("%-44s %10.2f ms (%d hits)\n", "empty words: every record", msSince(t), model.rowCount());
    t.restart();
    model.sort(JobSearchModel::TitleColumn, Qt::AscendingOrder);
    std::printf("%-44s %10.2f ms\n", "every record sorted by title", msSince(t));
    std::printf("%-44s %10.1f MB\n", "heap with the model of every record",
                (heapKiB() - heapBefore) / 1024.0);
    return 0;
}
