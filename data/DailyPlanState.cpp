#include "data/DailyPlanState.h"

#include "data/DailyPlanPaths.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

constexpr qint32 White = 0x00FFFFFF;

// Times before 6:00 or past the end of the axis are moved to its first or last minute. An end on
// row 2880 itself stays: a bar's end row is not drawn.
void clampToAxis(SchedulePadRecord &r, ScheduleBar &b, DailyPlanState::PadOutcome &outcome)
{
    if (b.startRow < 0) {
        r.startHour = 6;
        r.startMinute = 0;
        r.startPM = false;
        b.startRow = 0;
        outcome.startClamped = true;
    }
    if (b.endRow > TimeAxis::Rows) {
        r.endHour = 5;
        r.endMinute = 59;
        r.endPM = false;
        b.endRow = TimeAxis::LastRow;
        outcome.endClamped = true;
    }
}

// The record takes the whole form (the memo stays); the bar takes the rows of the typed times
// and keeps its pane and colour until the times are accepted.
void takeForm(SchedulePadRecord &r, ScheduleBar &b, int number, const DailyPlanState::PadForm &f)
{
    r.padNo = number;
    r.padLeft = f.left;
    r.padTop = f.top;
    r.keyword = f.keyword;
    r.content = f.description;
    r.completed = f.completed;
    r.barColor = f.color;
    r.startHour = f.start.hour;
    r.startMinute = f.start.minute;
    r.startPM = f.start.pm;
    r.endHour = f.end.hour;
    r.endMinute = f.end.minute;
    r.endPM = f.end.pm;
    b.startRow = TimeAxis::timeToRow(r.startHour, r.startPM, r.startMinute);
    b.endRow = TimeAxis::timeToRow(r.endHour, r.endPM, r.endMinute);
}

void placeBar(const SchedulePadRecord &r, ScheduleBar &b)
{
    b.side = r.padLeft <= DailyPlanState::LeftPaneEdge ? u"L"_s : u"R"_s;
    b.barColor = r.barColor;
}

} // namespace

void DailyPlanState::clearDay()
{
    workingBars.fill(ScheduleBar::unused());
    workingPads.fill(SchedulePadRecord());
    workingDiary = DiaryRecord();
    dayImage = DayFile();
    daySnapshot = SafeFile::Snapshot();
    dayImage.bars = workingBars;
    dayImage.pads = workingPads;
    dayImage.diary = workingDiary;
    savedDay = {workingBars, workingPads, workingDiary};
}

bool DailyPlanState::hasUnsavedEdits() const
{
    return workingBars != savedDay.bars || workingPads != savedDay.pads || workingDiary != savedDay.diary;
}

SafeFile::Result DailyPlanState::readDay(const QString &path, DayFile *day, SafeFile::Snapshot *snapshot)
{
    QByteArray bytes;
    SafeFile::Snapshot read;
    const SafeFile::Result r = SafeFile::read(path, &bytes, DayFile::Size, &read);
    if (r) {
        *day = DayFile::fromBytes(bytes);
        if (snapshot)
            *snapshot = read;
    }
    return r;
}

SafeFile::Result DailyPlanState::rereadDay()
{
    DayFile day;
    SafeFile::Snapshot snapshot;
    const SafeFile::Result r = readDay(currentDayFile, &day, &snapshot);
    if (r) {
        dayImage = day;
        daySnapshot = snapshot;
    }
    return r;
}

void DailyPlanState::takeDay(const DayFile &day, bool withDiary)
{
    dayImage = day;
    workingBars = day.bars;
    workingPads = day.pads;
    if (withDiary) {
        workingDiary = day.diary;
        savedDay = {workingBars, workingPads, workingDiary};
    }
}

SafeFile::Result DailyPlanState::saveDay(double todaySerial, bool *created)
{
    DayFile image = dayImage;
    const bool exists = QFileInfo::exists(currentDayFile);
    // A file that has gone since it was read holds nothing to lose: it is written anew.
    const SafeFile::Snapshot expected = exists ? daySnapshot : SafeFile::Snapshot();
    if (!exists) {
        image.setSourcePath(currentDayFile);
        image.createdOn = todaySerial;
    }
    image.bars = workingBars;
    image.pads = workingPads;
    image.diary = workingDiary;
    QByteArray bytes = expected.existed ? expected.head : QByteArray();
    image.writeInto(bytes);
    SafeFile::Snapshot written;
    const SafeFile::Result r = SafeFile::write(
        currentDayFile, bytes, exists ? SafeFile::Tail::Keep : SafeFile::Tail::Drop, &expected, &written);
    if (r) {
        dayImage = image;
        daySnapshot = written;
        savedDay = {workingBars, workingPads, workingDiary};
    }
    if (created)
        *created = r && !exists;
    return r;
}

SafeFile::Result DailyPlanState::loadOrCreateRoutines(const QString &path)
{
    if (QFileInfo::exists(path)) {
        const SafeFile::Result r = rereadRoutines(path);
        if (r)
            workingRoutines = routineImage;
        return r;
    }
    const RoutineFile::Routines empty{};
    const SafeFile::Snapshot none;
    SafeFile::Snapshot written;
    const SafeFile::Result r =
        SafeFile::write(path, RoutineFile::toBytes(empty), SafeFile::Tail::Drop, &none, &written);
    if (r) {
        routineSnapshot = written;
        workingRoutines = empty;
        routineImage = empty;
    }
    return r;
}

SafeFile::Result DailyPlanState::saveRoutines(const QString &path)
{
    // The user asked to save: a file that has gone since the planner opened is written anew.
    const SafeFile::Snapshot expected = QFileInfo::exists(path) ? routineSnapshot : SafeFile::Snapshot();
    QByteArray image = routineSnapshot.head;
    RoutineFile::writeInto(image, workingRoutines);
    SafeFile::Snapshot written;
    const SafeFile::Result r = SafeFile::write(path, image, SafeFile::Tail::Keep, &expected, &written);
    if (r) {
        routineSnapshot = written;
        routineImage = workingRoutines;
    }
    return r;
}

SafeFile::Result DailyPlanState::rereadRoutines(const QString &path)
{
    QByteArray bytes;
    SafeFile::Snapshot snapshot;
    const SafeFile::Result r = SafeFile::read(path, &bytes, RoutineFile::Size, &snapshot);
    if (r) {
        routineSnapshot = snapshot;
        routineImage = RoutineFile::fromBytes(bytes);
    }
    return r;
}

SafeFile::Result DailyPlanState::loadOrCreateLists(const QString &path)
{
    if (QFileInfo::exists(path))
        return rereadLists(path);
    const ListEntries defaults = ListEntries::defaults();
    const SafeFile::Snapshot none;
    SafeFile::Snapshot written;
    const SafeFile::Result r =
        SafeFile::write(path, defaults.toBytes(), SafeFile::Tail::Drop, &none, &written);
    if (r) {
        listSnapshot = written;
        listEntries = defaults;
    }
    return r;
}

SafeFile::Result DailyPlanState::saveLists(const QString &path)
{
    const SafeFile::Snapshot expected = QFileInfo::exists(path) ? listSnapshot : SafeFile::Snapshot();
    QByteArray image = listSnapshot.head;
    listEntries.writeInto(image);
    SafeFile::Snapshot written;
    const SafeFile::Result r = SafeFile::write(path, image, SafeFile::Tail::Keep, &expected, &written);
    if (r)
        listSnapshot = written;
    return r;
}

SafeFile::Result DailyPlanState::rereadLists(const QString &path)
{
    QByteArray bytes;
    SafeFile::Snapshot snapshot;
    const SafeFile::Result r = SafeFile::read(path, &bytes, ListEntries::Size, &snapshot);
    if (r) {
        listSnapshot = snapshot;
        listEntries = ListEntries::fromBytes(bytes);
    }
    return r;
}

QString DailyPlanState::monthFolder() const
{
    return dailyPlanRoot + u'/' + DailyPlanPaths::monthFolderName(today);
}

QString DailyPlanState::todayDayFile() const
{
    return monthFolder() + u'/' + DailyPlanPaths::dayFileName(today);
}

DailyPlanState::PadOutcome DailyPlanState::keepPad(int slot, const PadForm &form)
{
    PadOutcome outcome;
    SchedulePadRecord &r = workingPads[slot];
    ScheduleBar &b = workingBars[slot];
    takeForm(r, b, slot + 1, form);
    if (b.startRow >= b.endRow) {
        outcome.outOfOrder = true;
        r.startHour = r.startMinute = r.endHour = r.endMinute = -1;
        r.startPM = r.endPM = false;
        b = ScheduleBar::unused();
        return outcome;
    }
    clampToAxis(r, b, outcome);
    placeBar(r, b);
    r.padTop = padTopFor(b.startRow); // the pad moves to the start of its bar
    return outcome;
}

DailyPlanState::PadOutcome DailyPlanState::revisePad(int slot, const PadForm &form)
{
    PadOutcome outcome;
    withdrawBar(slot);
    SchedulePadRecord &r = workingPads[slot];
    ScheduleBar &b = workingBars[slot];
    takeForm(r, b, slot + 1, form);
    if (b.startRow < b.endRow) {
        clampToAxis(r, b, outcome);
        placeBar(r, b);
        return outcome;
    }
    outcome.outOfOrder = true;
    const SchedulePadRecord &saved = dayImage.pads[slot];
    if (saved.hasTimes()) {
        r.startHour = saved.startHour;
        r.startMinute = saved.startMinute;
        r.startPM = saved.startPM;
        r.endHour = saved.endHour;
        r.endMinute = saved.endMinute;
        r.endPM = saved.endPM;
        b = dayImage.bars[slot];
        outcome.timesRestored = true;
    } else {
        // Rows of the rejected times would be drawn; the record keeps them, the bar does not.
        b = ScheduleBar::unused(White);
    }
    return outcome;
}

void DailyPlanState::withdrawBar(int slot)
{
    workingBars[slot] = ScheduleBar::unused(White);
}

int DailyPlanState::removePad(int slot)
{
    workingBars[slot] = ScheduleBar::unused();
    workingPads[slot] = SchedulePadRecord();
    ScheduleBars bars;
    bars.fill(ScheduleBar::unused());
    SchedulePads pads{};
    int packed = 0;
    for (int k = 0; k < PadSlots; ++k) {
        if (!workingBars[k].inUse())
            continue;
        bars[packed] = workingBars[k];
        pads[packed] = workingPads[k];
        pads[packed].padNo = packed + 1;
        ++packed;
    }
    workingBars = bars;
    workingPads = pads;
    return packed;
}

std::optional<int> DailyPlanState::registerRoutine(int padSlot)
{
    int slot = 0;
    // The first free record: the same as the one after the last while the routines are packed, and
    // never a routine in use when a file was not.
    while (slot < RoutineFile::RecordCount && workingRoutines[slot].isUsed())
        ++slot;
    if (slot == RoutineFile::RecordCount)
        return std::nullopt;
    const SchedulePadRecord &pad = workingPads[padSlot];
    RoutineRecord r;
    r.padNo = slot + 1;
    r.padLeft = LeftPaneX;
    r.padTop = pad.padTop;
    r.keyword = pad.keyword;
    r.content = pad.content;
    r.barColor = pad.barColor;
    r.startHour = pad.startHour;
    r.startMinute = pad.startMinute;
    r.startPM = pad.startPM;
    r.endHour = pad.endHour;
    r.endMinute = pad.endMinute;
    r.endPM = pad.endPM;
    r.memo = pad.memo;
    r.showFlag = true;
    r.weekdays.fill(true);
    workingRoutines[slot] = r;
    return slot + 1;
}

void DailyPlanState::keepRoutine(int slot, const RoutineForm &form)
{
    RoutineRecord &r = workingRoutines[slot];
    r.padNo = slot + 1;
    r.padLeft = form.rightPane ? RightPaneX : LeftPaneX;
    r.keyword = form.keyword;
    r.content = form.description;
    r.barColor = form.color;
    r.startHour = form.start.hour;
    r.startMinute = form.start.minute;
    r.startPM = form.start.pm;
    r.endHour = form.end.hour;
    r.endMinute = form.end.minute;
    r.endPM = form.end.pm;
    r.showFlag = form.shown;
    r.weekdays = form.weekdays;
}

int DailyPlanState::removeRoutine(int slot)
{
    workingRoutines[slot] = RoutineRecord();
    RoutineFile::Routines packed{};
    int count = 0;
    for (const RoutineRecord &r : workingRoutines) {
        if (!r.isUsed())
            continue;
        packed[count] = r;
        packed[count].padNo = count + 1;
        ++count;
    }
    workingRoutines = packed;
    return count;
}

DayFile DailyPlanState::routineDay(int weekday) const
{
    DayFile day;
    day.sourcePath = dayImage.sourcePath;
    day.createdOn = dayImage.createdOn;
    const int d = qBound(0, weekday, 6);
    int j = 0;
    for (const RoutineRecord &r : routineImage) {
        if (!r.isUsed() || !r.showFlag || !r.weekdays[d] || r.startHour == -1)
            continue;
        SchedulePadRecord &pad = day.pads[j];
        pad.padNo = j + 1;
        pad.padLeft = r.padLeft;
        pad.padTop = r.padTop;
        pad.keyword = r.keyword;
        pad.content = r.content;
        pad.barColor = r.barColor;
        pad.startHour = r.startHour;
        pad.startMinute = r.startMinute;
        pad.startPM = r.startPM;
        pad.endHour = r.endHour;
        pad.endMinute = r.endMinute;
        pad.endPM = r.endPM;
        pad.memo = r.memo;
        ScheduleBar &bar = day.bars[j];
        bar.startRow = TimeAxis::timeToRow(r.startHour, r.startPM, r.startMinute);
        bar.endRow = TimeAxis::timeToRow(r.endHour, r.endPM, r.endMinute);
        bar.side = r.padLeft <= LeftPaneEdge ? u"L"_s : u"R"_s;
        bar.barColor = r.barColor;
        ++j;
    }
    return day;
}

SafeFile::Result DailyPlanState::writeScratchDay(const QString &path, const DayFile &day)
{
    QByteArray bytes;
    if (QFileInfo::exists(path)) {
        const SafeFile::Result r = SafeFile::read(path, &bytes, DayFile::Size);
        if (!r)
            return r;
    }
    day.writeInto(bytes);
    return SafeFile::write(path, bytes, SafeFile::Tail::Keep);
}
