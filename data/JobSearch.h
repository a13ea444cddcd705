#pragma once

#include "data/JobRecord.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

// Finding jobs in the month files by words, as a Japanese user types them: full- and half-width
// forms, hiragana and katakana and the case of Latin letters all count as the same.
namespace JobSearch {

// The text as it is compared: NFKC (Ａ/A, ｶ/カ, １/1), case folded, katakana as hiragana.
QString fold(const QString &text);
// The folded words of a search text, split at any white space; all of them must match.
QStringList words(const QString &text);

enum class State { NotDone, InProgress, Done, Any };

struct Filter
{
    State state = State::Any;
    std::optional<QString> customer; // exactly this customer; any when not set
    std::optional<QString> jobType;
    // When both are valid: the start or the end day lies within them.
    QDate from;
    QDate to;
    bool operator==(const Filter &) const = default;
};

struct Query
{
    QStringList words; // folded, see words()
    Filter filter;
    bool operator==(const Query &) const = default;
};

// A used record as the search keeps it.
struct Entry
{
    qint32 dataNo = 0; // slot + 1, the record's identity
    QString title;
    QString comments;
    QString customer;
    QString jobNo;
    QString jobType;
    double startDate = 0.0;
    double endDate = 0.0;
    qint32 check = JobRecord::NotDone;
    // The searched fields folded, one per line: the title without "[STEP]", the comments, the
    // customer, the job number and the job type.
    QString folded;
};

Entry entryOf(const JobRecord &job, int slot);
// The records a month shows: the unbroken run of used slots from slot 0.
QList<Entry> entriesOf(const MonthFile::Jobs &jobs);

bool matches(const Entry &entry, const Query &query);

// One month file as the search keeps it.
struct Month
{
    QString fileName;
    int year = 0;
    int month = 0;
    QList<Entry> entries;
};
using MonthPtr = std::shared_ptr<const Month>;

struct Hit
{
    MonthPtr month;
    int entry = 0; // index into month->entries
    const Entry &record() const { return month->entries[entry]; }
};
// Newest month first, and within a month the highest data number first.
bool isNewer(const Hit &a, const Hit &b);
// The hits of `query` in `months`, newest first.
QList<Hit> find(const QList<MonthPtr> &months, const Query &query);

// Where the words lie in `text` as shown (not folded), from character `from` on: sorted, merged
// ranges of whole characters.
struct Span
{
    int start = 0;
    int length = 0;
    bool operator==(const Span &) const = default;
};
QList<Span> spansOf(const QString &text, const QStringList &words, int from = 0);
// Where the searched part of a title starts: after the "[STEP]" prefix.
int titleSearchStart(const QString &title);

// "2024年5月".
QString monthText(int year, int month);
// "未完", "完了", "遂行中"; the number for a value the program does not know.
QString stateText(qint32 check);

} // namespace JobSearch
