#include "app/FindCommand.h"

#include "app/CommandLine.h"
#include "app/ProgramFolder.h"
#include "data/DaySerial.h"
#include "data/JobSearch.h"
#include "data/MonthFileCache.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// A field on one line: a tab or line break inside would split the line for the script.
QString field(QString text)
{
    for (QChar &c : text) {
        if (c == u'\t' || c == u'\r' || c == u'\n')
            c = u' ';
    }
    return text;
}

QString isoDate(double serial)
{
    return DaySerial::toDate(serial).toString(Qt::ISODate);
}

} // namespace

namespace FindCommand {

int run(const QString &folder, const QString &words, QTextStream &out, QTextStream &errors)
{
    // A script told "no match" for a folder that is not there would trust a wrong answer.
    if (!QFileInfo(folder).isDir()) {
        errors << u"wrenly: データのフォルダーがありません: "_s << folder << u'\n';
        errors.flush();
        return 2;
    }
    MonthFileCache cache(folder);
    const MonthFileCache::Scan scan = cache.refresh();
    for (const QString &name : scan.unreadable)
        errors << u"wrenly: 読めないファイルを飛ばしました: "_s << name << u'\n';
    JobSearch::Query query;
    query.words = JobSearch::words(words);
    const QList<JobSearch::Hit> hits = JobSearch::find(scan.months, query);
    // Dates and months in ISO form, which scripts sort and parse; the state as the window words it.
    for (const JobSearch::Hit &hit : hits) {
        const JobSearch::Entry &e = hit.record();
        out << u"%1-%2"_s.arg(hit.month->year, 4, 10, QChar(u'0')).arg(hit.month->month, 2, 10, QChar(u'0'))
            << u'\t' << e.dataNo << u'\t' << field(e.title) << u'\t' << field(e.customer) << u'\t'
            << isoDate(e.startDate) << u'\t' << isoDate(e.endDate) << u'\t' << JobSearch::stateText(e.check)
            << u'\n';
    }
    out.flush();
    errors.flush();
    return hits.isEmpty() ? 1 : 0;
}

int runFromMain(const CommandLine &line, int &argc, char **argv)
{
    // Qt Core only, for the executable's folder: no display is needed or opened.
    QCoreApplication app(argc, argv);
    const QString folder =
        ProgramFolder::choose(line.home.isEmpty() ? qEnvironmentVariable("WRENLY_HOME") : line.home,
                              QCoreApplication::applicationDirPath(), ProgramFolder::userDataHome());
    QTextStream out(stdout);
    QTextStream errors(stderr);
    return run(folder, line.findWords, out, errors);
}

} // namespace FindCommand
