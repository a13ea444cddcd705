#include "data/DailyPlanState.h"

#include <QFileInfo>

void DailyPlanState::clearDay()
{
    workingBars.fill(ScheduleBar::unused());
    workingPads.fill(SchedulePadRecord());
    workingDiary = DiaryRecord();
    dayImage = DayFile();
    dayImage.bars = workingBars;
    dayImage.pads = workingPads;
    dayImage.diary = workingDiary;
}

SafeFile::Result DailyPlanState::readDay(const QString &path, DayFile *day)
{
    QByteArray bytes;
    const SafeFile::Result r = SafeFile::read(path, &bytes, DayFile::Size);
    if (r)
        *day = DayFile::fromBytes(bytes);
    return r;
}

void DailyPlanState::takeDay(const DayFile &day, bool withDiary)
{
    dayImage = day;
    workingBars = day.bars;
    workingPads = day.pads;
    if (withDiary)
        workingDiary = day.diary;
}

SafeFile::Result DailyPlanState::saveDay(double todaySerial, bool *created)
{
    DayFile image = dayImage;
    const bool exists = QFileInfo::exists(currentDayFile);
    if (!exists) {
        image.setSourcePath(currentDayFile);
        image.createdOn = todaySerial;
    }
    image.bars = workingBars;
    image.pads = workingPads;
    image.diary = workingDiary;
    const SafeFile::Result r = SafeFile::write(currentDayFile, image.toBytes(),
                                               exists ? SafeFile::Tail::Keep : SafeFile::Tail::Drop);
    if (r)
        dayImage = image;
    if (created)
        *created = r && !exists;
    return r;
}

SafeFile::Result DailyPlanState::loadOrCreateRoutines(const QString &path)
{
    if (QFileInfo::exists(path)) {
        QByteArray bytes;
        const SafeFile::Result r = SafeFile::read(path, &bytes, RoutineFile::Size);
        if (r) {
            routineImage = RoutineFile::fromBytes(bytes);
            workingRoutines = routineImage;
        }
        return r;
    }
    const RoutineFile::Routines empty{};
    const SafeFile::Result r = SafeFile::write(path, RoutineFile::toBytes(empty), SafeFile::Tail::Drop);
    if (r) {
        workingRoutines = empty;
        routineImage = empty;
    }
    return r;
}

SafeFile::Result DailyPlanState::saveRoutines(const QString &path)
{
    if (!QFileInfo::exists(path))
        return {};
    const SafeFile::Result r =
        SafeFile::write(path, RoutineFile::toBytes(workingRoutines), SafeFile::Tail::Keep);
    if (r)
        routineImage = workingRoutines;
    return r;
}

SafeFile::Result DailyPlanState::loadOrCreateLists(const QString &path)
{
    if (QFileInfo::exists(path)) {
        QByteArray bytes;
        const SafeFile::Result r = SafeFile::read(path, &bytes, ListEntries::Size);
        if (r)
            listEntries = ListEntries::fromBytes(bytes);
        return r;
    }
    const ListEntries defaults = ListEntries::defaults();
    const SafeFile::Result r = SafeFile::write(path, defaults.toBytes(), SafeFile::Tail::Drop);
    if (r)
        listEntries = defaults;
    return r;
}

SafeFile::Result DailyPlanState::saveLists(const QString &path) const
{
    return SafeFile::write(path, listEntries.toBytes(), SafeFile::Tail::Keep);
}
