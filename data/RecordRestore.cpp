#include "data/RecordRestore.h"

#include "data/BackupStore.h"

#include <QFileInfo>

namespace RecordRestore {

namespace {

QList<int> hiddenSlots(const MonthFile::Jobs &jobs)
{
    QList<int> hidden;
    for (int slot = MonthFile::countUsedRecords(jobs); slot < MonthFile::RecordCount; ++slot) {
        if (jobs[size_t(slot)].isUsed())
            hidden << slot;
    }
    return hidden;
}

Outcome outcome(Outcome::Kind kind, MonthKind month, const QString &error = {})
{
    Outcome o;
    o.kind = kind;
    o.month = month;
    o.error = error;
    return o;
}

} // namespace

Comparison compare(const QByteArray &version, const QByteArray &current)
{
    const QByteArray before = version.leftJustified(MonthFile::Size, '\0', true);
    const QByteArray now = current.leftJustified(MonthFile::Size, '\0', true);
    Comparison c;
    // Bytes only: the restore window compares every version of a month when it is chosen.
    for (int slot = 0; slot < MonthFile::RecordCount; ++slot) {
        const int at = slot * JobRecord::Size;
        const bool was = JobRecord::isUsedAt(before, at);
        const bool is = JobRecord::isUsedAt(now, at);
        if (was && c.count == slot)
            ++c.count;
        if (was && is &&
            QByteArrayView(before).sliced(at, JobRecord::Size) !=
                QByteArrayView(now).sliced(at, JobRecord::Size))
            c.changed << slot;
        else if (!was && is)
            c.added << slot;
        else if (was && !is)
            c.removed << slot;
    }
    return c;
}

int hiddenBy(const MonthFile::Jobs &current, const MonthFile::Jobs &version, const QList<int> &chosen)
{
    MonthFile::Jobs merged = current;
    for (int slot : chosen)
        merged[size_t(slot)] = version[size_t(slot)];
    const QList<int> before = hiddenSlots(current);
    for (int slot : hiddenSlots(merged)) {
        if (!before.contains(slot))
            return slot;
    }
    return -1;
}

Outcome restore(Session &session, BackupStore &store, const BackupRules::Version &version,
                const QList<int> &chosen)
{
    const QString name = version.relativePath;
    const MonthKind month = name == session.currentFileName()    ? MonthKind::Current
                            : name == session.previousFileName() ? MonthKind::Previous
                                                                 : MonthKind::Past;
    if (chosen.isEmpty())
        return outcome(Outcome::Kind::NothingChosen, month);
    QByteArray bytes;
    SafeFile::Result r = SafeFile::read(store.pathOf(version), &bytes, MonthFile::Size);
    if (!r)
        return outcome(Outcome::Kind::ReadFailed, month, r.error);
    const QString path = session.pathOf(name);
    if (!QFileInfo::exists(path))
        return outcome(Outcome::Kind::FileMissing, month);
    // Any other month goes through the past array, read afresh so that its snapshot is today's.
    if (month == MonthKind::Past && !(r = session.loadPast(name)))
        return outcome(Outcome::Kind::ReadFailed, month, r.error);
    const int hidden = hiddenBy(session.jobs(month), MonthFile::fromBytes(bytes), chosen);
    if (hidden >= 0) {
        Outcome o = outcome(Outcome::Kind::HidesRecord, month);
        o.slot = hidden;
        return o;
    }
    if (!(r = store.keep(path)))
        return outcome(Outcome::Kind::BackupFailed, month, r.error);
    const BackupStore::Pause kept(store);
    r = session.copyRecords(month, bytes, chosen);
    if (!r)
        return outcome(r.changedOnDisk ? Outcome::Kind::ChangedOnDisk : Outcome::Kind::WriteFailed, month,
                       r.error);
    return outcome(Outcome::Kind::Restored, month);
}

} // namespace RecordRestore
