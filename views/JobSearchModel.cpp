#include "views/JobSearchModel.h"

#include "data/DateText.h"
#include "data/DaySerial.h"
#include "data/MonthFileCache.h"
#include "data/SjisCodec.h"

#include <QSet>

#include <algorithm>

using namespace Qt::StringLiterals;

using JobSearch::Hit;

namespace {

QString dateText(double serial)
{
    return DateText::shortDate(DaySerial::toDate(serial));
}

// Orders two hits by one column; 0 when that column holds the same for both.
int compareBy(int column, const Hit &a, const Hit &b)
{
    const JobSearch::Entry &x = a.record();
    const JobSearch::Entry &y = b.record();
    const auto three = [](auto p, auto q) { return p < q ? -1 : (q < p ? 1 : 0); };
    switch (column) {
    case JobSearchModel::DataNoColumn:
        return three(x.dataNo, y.dataNo);
    case JobSearchModel::TitleColumn:
        return x.title.compare(y.title);
    case JobSearchModel::CustomerColumn:
        return x.customer.compare(y.customer);
    case JobSearchModel::JobNoColumn:
        return x.jobNo.compare(y.jobNo);
    case JobSearchModel::JobTypeColumn:
        return x.jobType.compare(y.jobType);
    case JobSearchModel::StartColumn:
        return three(x.startDate, y.startDate);
    case JobSearchModel::EndColumn:
        return three(x.endDate, y.endDate);
    case JobSearchModel::StateColumn:
        return three(x.check, y.check);
    default:
        return 0;
    }
}

QStringList sortedValues(const QList<JobSearch::MonthPtr> &months, QString JobSearch::Entry::*field)
{
    QSet<QString> seen;
    for (const JobSearch::MonthPtr &month : months) {
        for (const JobSearch::Entry &e : month->entries) {
            if (!(e.*field).isEmpty())
                seen.insert(e.*field);
        }
    }
    QStringList out(seen.begin(), seen.end());
    out.sort();
    return out;
}

} // namespace

JobSearchModel::JobSearchModel(MonthFileCache &cache, QObject *parent)
    : QAbstractTableModel(parent), m_cache(cache)
{}

void JobSearchModel::search(const JobSearch::Query &query)
{
    const MonthFileCache::Scan scan = m_cache.refresh();
    if (m_searched && scan.generation == m_generation && query == m_query)
        return;
    beginResetModel();
    m_searched = true;
    m_generation = scan.generation;
    m_query = query;
    m_months = scan.months;
    m_unreadable = scan.unreadable;
    m_unreadable.sort();
    m_monthCount = int(scan.months.size());
    m_hits = JobSearch::find(scan.months, query);
    sortHits();
    endResetModel();
}

QStringList JobSearchModel::customers() const
{
    return sortedValues(m_months, &JobSearch::Entry::customer);
}

QStringList JobSearchModel::jobTypes() const
{
    return sortedValues(m_months, &JobSearch::Entry::jobType);
}

QString JobSearchModel::statusText() const
{
    QString text = u"%1 件 / %2 か月"_s.arg(m_hits.size()).arg(m_monthCount);
    if (!m_unreadable.isEmpty())
        text += u"　(読めないファイル %1 件)"_s.arg(m_unreadable.size());
    return text;
}

int JobSearchModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_hits.size());
}

int JobSearchModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString JobSearchModel::text(const Hit &hit, int column) const
{
    const JobSearch::Entry &e = hit.record();
    switch (column) {
    case MonthColumn:
        return JobSearch::monthText(hit.month->year, hit.month->month);
    case DataNoColumn:
        return QString::number(e.dataNo);
    case TitleColumn:
        return e.title;
    case CustomerColumn:
        return e.customer;
    case JobNoColumn:
        return e.jobNo;
    case JobTypeColumn:
        return e.jobType;
    case StartColumn:
        return dateText(e.startDate);
    case EndColumn:
        return dateText(e.endDate);
    case StateColumn:
        return JobSearch::stateText(e.check);
    default:
        return {};
    }
}

QList<int> JobSearchModel::spans(const Hit &hit, int column) const
{
    if (column < TitleColumn || column > JobTypeColumn)
        return {};
    const QString shown = text(hit, column);
    const int from = column == TitleColumn ? JobSearch::titleSearchStart(shown) : 0;
    QList<int> out;
    for (const JobSearch::Span &s : JobSearch::spansOf(shown, m_query.words, from))
        out << s.start << s.length;
    return out;
}

QVariant JobSearchModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_hits.size())
        return {};
    const Hit &hit = m_hits[index.row()];
    switch (role) {
    case Qt::DisplayRole:
        return text(hit, index.column());
    case Qt::ToolTipRole: {
        // The comments are searched too but have no column: the title's tip shows them.
        const JobSearch::Entry &e = hit.record();
        if (index.column() == TitleColumn && !e.comments.isEmpty())
            return QString(e.title + u"\n\n"_s + Sjis::fromCrLf(e.comments));
        return index.column() >= TitleColumn && index.column() <= JobTypeColumn ? text(hit, index.column())
                                                                                : QVariant();
    }
    case Qt::TextAlignmentRole:
        return index.column() == DataNoColumn ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    case SpansRole:
        return QVariant::fromValue(spans(hit, index.column()));
    default:
        return {};
    }
}

QVariant JobSearchModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char16_t *const captions[ColumnCount] = {u"月",     u"データNo.",       u"タイトル",
                                                          u"客先",   u"受注No./発注No.", u"仕事の種類",
                                                          u"開始日", u"終了日",          u"状態"};
    return section >= 0 && section < ColumnCount ? QString::fromUtf16(captions[section]) : QVariant();
}

void JobSearchModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= ColumnCount)
        return;
    beginResetModel();
    m_sortColumn = column;
    m_sortOrder = order;
    std::sort(m_hits.begin(), m_hits.end(), JobSearch::isNewer);
    sortHits();
    endResetModel();
}

void JobSearchModel::sortHits()
{
    // Newest first (as find() gives them) is the order of ties in any other column.
    const bool ascending = m_sortOrder == Qt::AscendingOrder;
    if (m_sortColumn == MonthColumn) {
        if (ascending)
            std::reverse(m_hits.begin(), m_hits.end());
        return;
    }
    std::stable_sort(m_hits.begin(), m_hits.end(), [&](const Hit &a, const Hit &b) {
        const int c = compareBy(m_sortColumn, a, b);
        return ascending ? c < 0 : c > 0;
    });
}
