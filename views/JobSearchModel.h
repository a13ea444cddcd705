#pragma once

#include "data/JobSearch.h"

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

class MonthFileCache;

// The hits of a job search over every month file, one row each, newest first until the user
// sorts by another column.
class JobSearchModel final : public QAbstractTableModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(JobSearchModel)
public:
    enum Column {
        MonthColumn,
        DataNoColumn,
        TitleColumn,
        CustomerColumn,
        JobNoColumn,
        JobTypeColumn,
        StartColumn,
        EndColumn,
        StateColumn,
        ColumnCount
    };
    // The matched words of a text cell: start and length pairs (QList<int>), for the highlight.
    static constexpr int SpansRole = Qt::UserRole + 1;

    explicit JobSearchModel(MonthFileCache &cache, QObject *parent = nullptr);

    // Reads the month files that changed and shows the hits of `query`, in the order last asked for.
    // The same query over unchanged files keeps the rows as they are (and the view's selection).
    void search(const JobSearch::Query &query);

    const JobSearch::Hit &hit(int row) const { return m_hits[row]; }
    int monthCount() const { return m_monthCount; }
    const QStringList &unreadableFiles() const { return m_unreadable; }
    // Every customer and job type the month files hold, sorted.
    QStringList customers() const;
    QStringList jobTypes() const;
    // "N 件 / M か月", and the files that could not be read.
    QString statusText() const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    QString text(const JobSearch::Hit &hit, int column) const;
    QList<int> spans(const JobSearch::Hit &hit, int column) const;
    void sortHits();

    MonthFileCache &m_cache;
    QList<JobSearch::MonthPtr> m_months;
    QList<JobSearch::Hit> m_hits;
    JobSearch::Query m_query;
    quint64 m_generation = 0;
    bool m_searched = false;
    QStringList m_unreadable;
    int m_monthCount = 0;
    int m_sortColumn = MonthColumn;
    Qt::SortOrder m_sortOrder = Qt::DescendingOrder;
};
