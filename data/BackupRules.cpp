#include "data/BackupRules.h"

#include "data/Config.h"
#include "data/DailyPlanPaths.h"
#include "data/StepFile.h"

#include <QFileInfo>
#include <QHash>

#include <algorithm>
#include <numeric>

using namespace Qt::StringLiterals;

namespace BackupRules {

namespace {

const QString MonthFolderFormat = u"yyyy-MM"_s;
const QString StampFormat = u"yyyyMMdd-HHmmss"_s;
constexpr int StampLength = 15;
constexpr qint64 SecondsPerDay = 24 * 60 * 60;

bool allDigits(QStringView text)
{
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// The number the ASCII digits of `text` make; -1 for anything else. By hand: the restore window
// reads every name of the backup folder, and QDateTime::fromString costs tens of microseconds.
int number(QStringView text)
{
    int n = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return -1;
        n = n * 10 + (c.unicode() - u'0');
    }
    return text.isEmpty() ? -1 : n;
}

// "20240515-101530"
QDateTime stampTime(QStringView s)
{
    if (s.size() != StampLength || s[8] != u'-' || !allDigits(s.first(8)) || !allDigits(s.sliced(9)))
        return {};
    const QDate date(number(s.first(4)), number(s.sliced(4, 2)), number(s.sliced(6, 2)));
    const QTime time(number(s.sliced(9, 2)), number(s.sliced(11, 2)), number(s.sliced(13, 2)));
    return date.isValid() && time.isValid() ? QDateTime(date, time) : QDateTime();
}

QString nameOf(const QString &path)
{
    return QFileInfo(path).fileName();
}

bool hasSuffix(const QString &name, const QString &suffix)
{
    return name.size() > suffix.size() && name.endsWith(suffix, Qt::CaseInsensitive);
}

bool isOlder(const Version &a, const Version &b)
{
    return a.time != b.time ? a.time < b.time : a.sequence < b.sequence;
}

} // namespace

QString folderName()
{
    return u"backup"_s;
}

Kind kindOf(const QString &relativePath)
{
    const QStringList parts = relativePath.split(u'/');
    const QString &name = parts.constLast();
    if (parts.size() == 1) {
        if (name == Config::fileName())
            return Kind::Config;
        if (name == nameOf(DailyPlanPaths::routineFile({})))
            return Kind::Routine;
        if (name == nameOf(DailyPlanPaths::listFile({})))
            return Kind::List;
        // Month files are found by their extension in any case, as the past-data list does.
        return hasSuffix(name, u".vxf"_s) ? Kind::Month : Kind::None;
    }
    if (parts.size() == 2 && parts[0] == StepFile::folderName() && hasSuffix(name, u".vxs"_s))
        return Kind::Step;
    if (parts.size() == 3 && parts[0] == nameOf(DailyPlanPaths::dailyPlanRoot({})) && !parts[1].isEmpty() &&
        hasSuffix(name, u".dtf"_s))
        return Kind::Day;
    return Kind::None;
}

QString versionName(const QString &relativePath, const QDateTime &time, int sequence)
{
    QString name = time.toString(MonthFolderFormat) + u'/' + relativePath + u'.' + time.toString(StampFormat);
    if (sequence > 0)
        name += u'-' + QString::number(sequence);
    return name;
}

std::optional<Version> parse(const QString &name)
{
    const qsizetype slash = name.indexOf(u'/');
    const qsizetype dot = name.lastIndexOf(u'.');
    if (slash != MonthFolderFormat.size() || dot <= slash + 1)
        return std::nullopt;
    const QStringView month = QStringView(name).first(slash); // "2024-05"
    if (month[4] != u'-' || number(month.first(4)) < 0 || number(month.sliced(5)) < 1 ||
        number(month.sliced(5)) > 12)
        return std::nullopt;
    const QStringView stamp = QStringView(name).mid(dot + 1);
    if (stamp.size() < StampLength)
        return std::nullopt;
    Version v;
    v.time = stampTime(stamp.first(StampLength));
    if (!v.time.isValid())
        return std::nullopt;
    if (stamp.size() > StampLength) {
        const QStringView sequence = stamp.mid(StampLength + 1);
        if (stamp.at(StampLength) != u'-' || !allDigits(sequence) || sequence.size() > 6)
            return std::nullopt;
        v.sequence = sequence.toInt();
    }
    v.relativePath = name.mid(slash + 1, dot - slash - 1);
    v.name = name;
    return v;
}

QList<int> expired(const QList<Version> &versions, const QDateTime &now, const Policy &policy)
{
    const qint64 keepAll = qint64(policy.keepAllDays) * SecondsPerDay;
    const qint64 keepDaily = qint64(policy.keepDailyDays) * SecondsPerDay;
    // The last version of each day between the two ages stands for that day.
    QHash<QDate, int> lastOfDay;
    QList<int> kept;
    QList<int> gone;
    for (int i = 0; i < versions.size(); ++i) {
        const qint64 age = versions[i].time.secsTo(now);
        if (age < keepAll) { // a version from the future (a clock set back) stays too
            kept << i;
        } else if (age < keepDaily) {
            const auto found = lastOfDay.find(versions[i].time.date());
            if (found == lastOfDay.end()) {
                lastOfDay.insert(versions[i].time.date(), i);
            } else if (isOlder(versions[*found], versions[i])) {
                gone << *found;
                *found = i;
            } else {
                gone << i;
            }
        } else {
            gone << i;
        }
    }
    kept << lastOfDay.values();
    std::sort(kept.begin(), kept.end(), [&](int a, int b) { return isOlder(versions[b], versions[a]); });
    for (qsizetype i = qMax(0, policy.maxVersionsPerFile); i < kept.size(); ++i)
        gone << kept[i];
    std::sort(gone.begin(), gone.end());
    return gone;
}

QList<int> overSize(const QList<Version> &versions, qint64 maxTotalBytes)
{
    QList<int> order(versions.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](int a, int b) { return isOlder(versions[a], versions[b]); });
    qint64 total = 0;
    for (const Version &v : versions)
        total += v.size;
    QList<int> gone;
    for (int i : order) {
        if (total <= maxTotalBytes)
            break;
        gone << i;
        total -= versions[i].size;
    }
    return gone;
}

} // namespace BackupRules
