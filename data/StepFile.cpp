#include "data/StepFile.h"

#include "data/ByteFields.h"
#include "data/DaySerial.h"
#include "data/SjisCodec.h"

#include <QDir>
#include <QFileInfo>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// Offsets within the header.
enum : int {
    OffSourcePath = 0,
    OffBaseYear = 256,
    OffBeforeMonth = 260,
    OffBeforeDays = 264,
    OffBaseMonth = 268,
    OffBaseDays = 272,
    OffAfterMonth = 276,
    OffAfterDays = 280,
    OffDataNo = 284,
    OffTitle = 288,
    OffStartDate = 352,
    OffEndDate = 360,
    OffComments = 368,
    OffCustomer = 624,
    OffJobNo = 656,
    OffJobType = 688,
};

// Offsets within a group.
enum : int {
    OffGroupTitle = 0,
    OffPlanStart = 32,
    OffPlanEnd = 40,
    OffPlanDate = 48,
    OffPlanMemo = 56,
    OffRevStart = 312,
    OffRevEnd = 352,
    OffRevDate = 392,
    OffRevMemo = 432,
    OffActualStart = 1712,
    OffActualEnd = 1720,
    OffActualDate = 1728,
    OffActualMemo = 1736,
};

} // namespace

QDate StepGroup::shownDay(double serial)
{
    // Both bounds exclusive: years 100 to 9999.
    if (!(serial > -657434.0 && serial < 2958466.0))
        serial = UnsetDate;
    return DaySerial::toDate(serial);
}

StepPeriod StepPeriod::of(const StepChart::DaySpan &span)
{
    return {DaySerial::fromDate(span.firstDate), DaySerial::fromDate(span.lastDate)};
}

int StepGroup::revisionCount() const
{
    int n = 0;
    while (n < RevisionSlots && !isUnset(revStart[n]))
        ++n;
    return n;
}

int StepGroup::editedSlot(int revisionCount)
{
    return qBound(0, revisionCount, RevisionSlots - 1);
}

StepPeriod StepGroup::period(StepKind kind, int revisionCount) const
{
    switch (kind) {
    case StepKind::Initial:
        return {planStart, planEnd};
    case StepKind::Revised: {
        const int slot = editedSlot(revisionCount);
        return {revStart[slot], revEnd[slot]};
    }
    case StepKind::Actual:
        break;
    }
    return {actualStart, actualEnd};
}

StepPeriod StepGroup::shownRevision(int revisionCount) const
{
    const StepPeriod edited = period(StepKind::Revised, revisionCount);
    if (!isUnset(edited.start) || revisionCount <= 0)
        return edited;
    const int last = qMin(revisionCount, int(RevisionSlots)) - 1;
    return {revStart[last], revEnd[last]};
}

void StepGroup::setPeriod(StepKind kind, int revisionCount, const StepPeriod &period)
{
    switch (kind) {
    case StepKind::Initial:
        planStart = period.start;
        planEnd = period.end;
        return;
    case StepKind::Revised: {
        const int slot = editedSlot(revisionCount);
        revStart[slot] = period.start;
        revEnd[slot] = period.end;
        return;
    }
    case StepKind::Actual:
        actualStart = period.start;
        actualEnd = period.end;
        return;
    }
}

std::optional<StepPeriod> StepGroup::restorePeriod(StepKind kind, int revisionCount, const StepGroup &loaded)
{
    // Below five revisions the edited slot is a new one: the file has nothing to bring back.
    if (kind == StepKind::Revised && revisionCount < RevisionSlots)
        return std::nullopt;
    const StepPeriod restored = loaded.period(kind, revisionCount);
    setPeriod(kind, revisionCount, restored);
    return restored;
}

StepGroup StepGroup::fromBytes(const QByteArray &image, int offset)
{
    const QByteArray g = image.mid(offset, Size);
    Q_ASSERT(g.size() == Size);
    StepGroup group;
    group.groupTitle = Fields::readString(g, OffGroupTitle, TitleCapacity);
    group.planStart = Fields::readF64(g, OffPlanStart);
    group.planEnd = Fields::readF64(g, OffPlanEnd);
    group.planDate = Fields::readF64(g, OffPlanDate);
    group.planMemo = Fields::readString(g, OffPlanMemo, MemoCapacity);
    for (int i = 0; i < RevisionSlots; ++i) {
        group.revStart[i] = Fields::readF64(g, OffRevStart + 8 * i);
        group.revEnd[i] = Fields::readF64(g, OffRevEnd + 8 * i);
        group.revDate[i] = Fields::readF64(g, OffRevDate + 8 * i);
        group.revMemo[i] = Fields::readString(g, OffRevMemo + 256 * i, MemoCapacity);
    }
    group.actualStart = Fields::readF64(g, OffActualStart);
    group.actualEnd = Fields::readF64(g, OffActualEnd);
    group.actualDate = Fields::readF64(g, OffActualDate);
    group.actualMemo = Fields::readString(g, OffActualMemo, MemoCapacity);
    return group;
}

void StepGroup::writeInto(QByteArray &image, int offset) const
{
    Q_ASSERT(offset >= 0 && offset + Size <= image.size());
    Fields::updateString(image, offset + OffGroupTitle, TitleCapacity, groupTitle);
    Fields::updateF64(image, offset + OffPlanStart, planStart);
    Fields::updateF64(image, offset + OffPlanEnd, planEnd);
    Fields::updateF64(image, offset + OffPlanDate, planDate);
    Fields::updateString(image, offset + OffPlanMemo, MemoCapacity, planMemo);
    for (int i = 0; i < RevisionSlots; ++i) {
        Fields::updateF64(image, offset + OffRevStart + 8 * i, revStart[i]);
        Fields::updateF64(image, offset + OffRevEnd + 8 * i, revEnd[i]);
        Fields::updateF64(image, offset + OffRevDate + 8 * i, revDate[i]);
        Fields::updateString(image, offset + OffRevMemo + 256 * i, MemoCapacity, revMemo[i]);
    }
    Fields::updateF64(image, offset + OffActualStart, actualStart);
    Fields::updateF64(image, offset + OffActualEnd, actualEnd);
    Fields::updateF64(image, offset + OffActualDate, actualDate);
    Fields::updateString(image, offset + OffActualMemo, MemoCapacity, actualMemo);
}

StepFile StepFile::newFor(const JobRecord &job, int year, int month, double today, const QString &path)
{
    StepFile r;
    r.sourcePath = path;
    r.months = StepMonths::around(year, month);
    r.dataNo = job.dataNo;
    r.title = job.title;
    r.startDate = job.startDate;
    r.endDate = job.endDate;
    r.comments = job.comments;
    r.customer = job.customer;
    r.jobNo = job.jobNo;
    r.jobType = job.jobType;
    r.groups[0].planStart = job.startDate;
    r.groups[0].planEnd = job.endDate;
    r.groups[0].planDate = today;
    return r;
}

StepFile StepFile::fromBytes(const QByteArray &image)
{
    // Whatever a short file lacks is taken from the cleared record, never from an earlier one.
    QByteArray full = StepFile().toBytes();
    const qsizetype n = qMin<qsizetype>(image.size(), Size);
    full.replace(qsizetype(0), n, image.constData(), n);

    StepFile r;
    r.sourcePath = Fields::readString(full, OffSourcePath, PathCapacity);
    r.months.baseYear = Fields::readI32(full, OffBaseYear);
    r.months.beforeMonth = Fields::readI32(full, OffBeforeMonth);
    r.months.beforeDays = Fields::readI32(full, OffBeforeDays);
    r.months.baseMonth = Fields::readI32(full, OffBaseMonth);
    r.months.baseDays = Fields::readI32(full, OffBaseDays);
    r.months.afterMonth = Fields::readI32(full, OffAfterMonth);
    r.months.afterDays = Fields::readI32(full, OffAfterDays);
    r.dataNo = Fields::readI32(full, OffDataNo);
    r.title = Fields::readString(full, OffTitle, JobRecord::TitleCapacity);
    r.startDate = Fields::readF64(full, OffStartDate);
    r.endDate = Fields::readF64(full, OffEndDate);
    r.comments = Fields::readString(full, OffComments, JobRecord::CommentsCapacity);
    r.customer = Fields::readString(full, OffCustomer, JobRecord::ShortCapacity);
    r.jobNo = Fields::readString(full, OffJobNo, JobRecord::ShortCapacity);
    r.jobType = Fields::readString(full, OffJobType, JobRecord::ShortCapacity);
    for (int g = 0; g < GroupCount; ++g)
        r.groups[g] = StepGroup::fromBytes(full, GroupsOffset + StepGroup::Size * g);
    return r;
}

QByteArray StepFile::toBytes() const
{
    QByteArray image(Size, '\0');
    writeInto(image);
    return image;
}

void StepFile::writeInto(QByteArray &image) const
{
    if (image.size() < Size)
        image.append(QByteArray(Size - image.size(), '\0'));
    Fields::updateString(image, OffSourcePath, PathCapacity, sourcePath);
    Fields::updateI32(image, OffBaseYear, months.baseYear);
    Fields::updateI32(image, OffBeforeMonth, months.beforeMonth);
    Fields::updateI32(image, OffBeforeDays, months.beforeDays);
    Fields::updateI32(image, OffBaseMonth, months.baseMonth);
    Fields::updateI32(image, OffBaseDays, months.baseDays);
    Fields::updateI32(image, OffAfterMonth, months.afterMonth);
    Fields::updateI32(image, OffAfterDays, months.afterDays);
    Fields::updateI32(image, OffDataNo, dataNo);
    Fields::updateString(image, OffTitle, JobRecord::TitleCapacity, title);
    Fields::updateF64(image, OffStartDate, startDate);
    Fields::updateF64(image, OffEndDate, endDate);
    Fields::updateString(image, OffComments, JobRecord::CommentsCapacity, comments);
    Fields::updateString(image, OffCustomer, JobRecord::ShortCapacity, customer);
    Fields::updateString(image, OffJobNo, JobRecord::ShortCapacity, jobNo);
    Fields::updateString(image, OffJobType, JobRecord::ShortCapacity, jobType);
    for (int g = 0; g < GroupCount; ++g)
        groups[g].writeInto(image, GroupsOffset + StepGroup::Size * g);
}

bool StepFile::isEditable(int group, StepKind kind)
{
    return group >= 0 && group < GroupCount && !(group == 0 && kind == StepKind::Initial);
}

bool StepFile::clearPeriod(int group, StepKind kind, int revisionCount)
{
    if (!isEditable(group, kind))
        return false;
    groups[group].setPeriod(kind, revisionCount, StepPeriod{});
    return true;
}

QString StepFile::markedTitle(const QString &title)
{
    return title.startsWith(JobRecord::StepMark) ? title : JobRecord::StepMark.toString() + title;
}

QString StepFile::folderName()
{
    return u"STEP"_s;
}

QString StepFile::fileName(const QString &monthFileName, int dataNo)
{
    return monthFileName.left(8) + QString::number(dataNo) + u".vxs"_s;
}

QString StepFile::nameFilter()
{
    return u"*.vxs"_s;
}

SafeFile::Result StepFile::create(const QString &path, const StepFile &record)
{
    return SafeFile::write(path, record.toBytes(), SafeFile::Tail::Drop);
}

SafeFile::Result StepFile::read(const QString &path, StepFile *record, SafeFile::Snapshot *snapshot)
{
    QByteArray bytes;
    SafeFile::Snapshot read;
    const SafeFile::Result r = SafeFile::read(path, &bytes, Size, &read);
    if (!r)
        return r;
    StepFile loaded = fromBytes(bytes);
    if (!loaded.months.isValid())
        return SafeFile::Result::failure(u"ステップ管理のデータではないか,壊れています."_s);
    *record = std::move(loaded);
    if (snapshot)
        *snapshot = read;
    return r;
}

SafeFile::Result StepFile::write(const QString &path, const StepFile &record, SafeFile::Snapshot *loaded)
{
    if (!loaded)
        return SafeFile::write(path, record.toBytes(), SafeFile::Tail::Keep);
    QByteArray image = loaded->head;
    record.writeInto(image);
    return SafeFile::write(path, image, SafeFile::Tail::Keep, loaded, loaded);
}

StepFile::SaveOutcome StepFile::save(const QString &path, const StepFile &record, SafeFile::Snapshot *loaded)
{
    SaveOutcome outcome;
    if (QFileInfo::exists(path)) {
        outcome.result = write(path, record, loaded);
        return outcome;
    }
    // Written anew, over the bytes read; should a file appear meanwhile, it is left alone.
    QDir().mkpath(QFileInfo(path).absolutePath());
    SafeFile::Snapshot gone = loaded ? *loaded : SafeFile::Snapshot{};
    gone.existed = false;
    outcome.result = write(path, record, &gone);
    if (outcome.result) {
        outcome.recreated = true;
        if (loaded)
            *loaded = gone;
    }
    return outcome;
}

StepNotes StepNotes::of(const StepGroup &loaded, const StepGroup &working, StepKind kind, int revisionCount)
{
    StepNotes notes;
    for (int i = 0; i < PageCount; ++i)
        notes.kept[i] = kind == StepKind::Revised
                            ? !StepGroup::isUnset(working.revStart[i])
                            : i == 0 && !StepGroup::isUnset(working.period(kind, revisionCount).start);
    if (kind != StepKind::Revised) {
        const StepPeriod stored = loaded.period(kind, revisionCount);
        if (!StepGroup::isUnset(stored.start)) {
            notes.history.append(stored);
            notes.selectedEntry = 0;
        }
        if (!StepGroup::isUnset(working.period(kind, revisionCount).start)) {
            notes.pages[0] = kind == StepKind::Initial ? Page{working.planDate, working.planMemo}
                                                       : Page{working.actualDate, working.actualMemo};
        }
        return notes;
    }

    const int c = qBound(0, revisionCount, StepGroup::RevisionSlots);
    for (int i = 0; i < c; ++i) {
        notes.history.append({loaded.revStart[i], loaded.revEnd[i]});
        notes.pages[i] = {working.revDate[i], working.revMemo[i]};
    }
    notes.selectedEntry = c - 1;
    const int edited = StepGroup::editedSlot(c);
    if (!StepGroup::isUnset(working.revStart[edited]))
        notes.pages[edited] = {working.revDate[edited], working.revMemo[edited]};
    // The stored revisions and the one this opening edits; the newest stored one is active.
    notes.shownPages = qMin(c + 1, PageCount);
    notes.activePage = qMax(c - 1, 0);
    return notes;
}

void StepNotes::store(StepGroup &working, StepKind kind, int shownPages,
                      const std::array<Page, PageCount> &pages)
{
    const auto keep = [](double start, double &date, QString &memo, const Page &page) {
        if (StepGroup::isUnset(start)) {
            date = StepGroup::UnsetDate;
            memo.clear();
            return;
        }
        if (std::isnan(date) || DaySerial::wholeDays(date) != DaySerial::wholeDays(page.date))
            date = page.date;
        if (memo != page.memo)
            memo = Sjis::fitToField(page.memo, StepGroup::MemoCapacity);
    };
    switch (kind) {
    case StepKind::Initial:
        keep(working.planStart, working.planDate, working.planMemo, pages[0]);
        return;
    case StepKind::Actual:
        keep(working.actualStart, working.actualDate, working.actualMemo, pages[0]);
        return;
    case StepKind::Revised:
        for (int i = 0; i < qBound(0, shownPages, PageCount); ++i)
            keep(working.revStart[i], working.revDate[i], working.revMemo[i], pages[i]);
        return;
    }
}

std::optional<StepKind> StepNotes::kindServed(int row, std::optional<std::pair<int, StepKind>> chosen)
{
    if (!chosen)
        return row == 0 ? std::optional(StepKind::Initial) : std::nullopt;
    if (chosen->first != row)
        return std::nullopt;
    return chosen->second;
}
