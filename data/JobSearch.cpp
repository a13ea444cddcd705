#include "data/JobSearch.h"

#include "data/DaySerial.h"

#include <algorithm>
#include <cmath>
#include <tuple>

using namespace Qt::StringLiterals;

namespace JobSearch {

namespace {

// Katakana letters and iteration marks sit 0x60 above their hiragana; ヷ..ヺ have none.
bool isFoldedKatakana(char16_t c)
{
    return (c >= 0x30A1 && c <= 0x30F6) || c == 0x30FD || c == 0x30FE;
}

// Characters that belong to the one before them: combining marks and the half-width sound marks,
// which NFKC joins with the kana before them (ｶﾞ becomes ガ).
bool continuesCharacter(QChar c)
{
    return c.isMark() || c == QChar(0xFF9E) || c == QChar(0xFF9F);
}

// The whole days of a serial, as the calendar shows them.
double dayOf(double serial)
{
    return std::floor(serial);
}

QList<Span> merged(QList<Span> spans)
{
    std::sort(spans.begin(), spans.end(), [](const Span &a, const Span &b) { return a.start < b.start; });
    QList<Span> out;
    for (const Span &s : spans) {
        if (!out.isEmpty() && s.start <= out.last().start + out.last().length) {
            Span &last = out.last();
            last.length = std::max(last.start + last.length, s.start + s.length) - last.start;
        } else {
            out.append(s);
        }
    }
    return out;
}

} // namespace

QString fold(const QString &text)
{
    QString folded = text.normalized(QString::NormalizationForm_KC).toCaseFolded();
    for (QChar &c : folded) {
        if (isFoldedKatakana(c.unicode()))
            c = QChar(c.unicode() - 0x60);
    }
    return folded;
}

QStringList words(const QString &text)
{
    QStringList out;
    const QString folded = fold(text);
    qsizetype start = -1;
    for (qsizetype i = 0; i <= folded.size(); ++i) {
        const bool space = i == folded.size() || folded[i].isSpace();
        if (space && start >= 0) {
            out.append(folded.mid(start, i - start));
            start = -1;
        } else if (!space && start < 0) {
            start = i;
        }
    }
    return out;
}

Entry entryOf(const JobRecord &job, int slot)
{
    Entry e;
    e.dataNo = slot + 1;
    e.title = job.title;
    e.comments = job.comments;
    e.customer = job.customer;
    e.jobNo = job.jobNo;
    e.jobType = job.jobType;
    e.startDate = job.startDate;
    e.endDate = job.endDate;
    e.check = job.check;
    const QChar line(u'\n'); // no word holds white space, so no word matches across two fields
    e.folded = fold(QStringView(job.title).mid(titleSearchStart(job.title)) + line + job.comments + line +
                    job.customer + line + job.jobNo + line + job.jobType);
    // Decoded texts carry spare room; thousands of months are kept.
    for (QString *s : {&e.title, &e.comments, &e.customer, &e.jobNo, &e.jobType, &e.folded})
        s->squeeze();
    return e;
}

QList<Entry> entriesOf(const MonthFile::Jobs &jobs)
{
    const int count = MonthFile::countUsedRecords(jobs);
    QList<Entry> out;
    out.reserve(count);
    for (int slot = 0; slot < count; ++slot)
        out.append(entryOf(jobs[size_t(slot)], slot));
    return out;
}

bool matches(const Entry &entry, const Query &query)
{
    const Filter &f = query.filter;
    switch (f.state) {
    case State::NotDone:
        if (entry.check != JobRecord::NotDone)
            return false;
        break;
    case State::InProgress:
        if (entry.check != JobRecord::InProgress)
            return false;
        break;
    case State::Done:
        if (entry.check != JobRecord::Done)
            return false;
        break;
    case State::Any:
        break;
    }
    if ((f.customer && entry.customer != *f.customer) || (f.jobType && entry.jobType != *f.jobType))
        return false;
    if (f.from.isValid() && f.to.isValid()) {
        const double from = DaySerial::fromDate(std::min(f.from, f.to));
        const double to = DaySerial::fromDate(std::max(f.from, f.to));
        const auto within = [&](double serial) { return dayOf(serial) >= from && dayOf(serial) <= to; };
        if (!within(entry.startDate) && !within(entry.endDate))
            return false;
    }
    return std::all_of(query.words.begin(), query.words.end(),
                       [&](const QString &word) { return entry.folded.contains(word); });
}

bool isNewer(const Hit &a, const Hit &b)
{
    return std::tuple(a.month->year, a.month->month, a.record().dataNo, a.month->fileName) >
           std::tuple(b.month->year, b.month->month, b.record().dataNo, b.month->fileName);
}

QList<Hit> find(const QList<MonthPtr> &months, const Query &query)
{
    QList<Hit> hits;
    for (const MonthPtr &month : months) {
        for (int i = 0; i < month->entries.size(); ++i) {
            if (matches(month->entries[i], query))
                hits.append({month, i});
        }
    }
    std::sort(hits.begin(), hits.end(), isNewer);
    return hits;
}

QList<Span> spansOf(const QString &text, const QStringList &words, int from)
{
    if (words.isEmpty())
        return {};
    // Each character is folded alone, so that a match in the folded text maps back to whole
    // characters of the text as shown.
    QString folded;
    QList<int> characterOf; // for each folded character, the character of the text it came from
    QList<int> starts;      // where each character starts in the text, and the text's end
    for (int i = std::max(from, 0); i < text.size();) {
        int end = i + 1;
        if (text[i].isHighSurrogate() && end < text.size() && text[end].isLowSurrogate())
            ++end;
        while (end < text.size() && continuesCharacter(text[end]))
            ++end;
        const QString part = fold(text.mid(i, end - i));
        for (int k = 0; k < part.size(); ++k)
            characterOf.append(int(starts.size()));
        starts.append(i);
        folded += part;
        i = end;
    }
    starts.append(int(text.size()));
    QList<Span> spans;
    for (const QString &word : words) {
        if (word.isEmpty())
            continue;
        for (qsizetype at = folded.indexOf(word); at >= 0; at = folded.indexOf(word, at + 1)) {
            const int first = characterOf[at];
            const int last = characterOf[at + word.size() - 1];
            spans.append({starts[first], starts[last + 1] - starts[first]});
        }
    }
    return merged(spans);
}

int titleSearchStart(const QString &title)
{
    return title.startsWith(JobRecord::StepMark) ? int(JobRecord::StepMark.size()) : 0;
}

QString monthText(int year, int month)
{
    return QString::number(year) + u'年' + QString::number(month) + u'月';
}

QString stateText(qint32 check)
{
    switch (check) {
    case JobRecord::NotDone:
        return u"未完"_s;
    case JobRecord::Done:
        return u"完了"_s;
    case JobRecord::InProgress:
        return u"遂行中"_s;
    default:
        return QString::number(check);
    }
}

} // namespace JobSearch
