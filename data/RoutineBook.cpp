#include "data/RoutineBook.h"

#include "data/SjisCodec.h"

void RoutineBook::setMemo(int slot, const QString &memo)
{
    m_routines[size_t(slot)].memo = Sjis::fitToField(memo, RoutineRecord::MemoCapacity);
}

SafeFile::Result RoutineBook::loadOrCreate(const QString &path)
{
    const SafeFile::Result r = m_file.loadOrCreate(path, RoutineFile::toBytes({}));
    if (r)
        take(RoutineFile::fromBytes(m_file.bytes()));
    return r;
}

SafeFile::Result RoutineBook::save(const QString &path)
{
    const SafeFile::Result r =
        m_file.save(path, [this](QByteArray &bytes) { RoutineFile::writeInto(bytes, m_routines); });
    if (r)
        m_image = m_routines;
    return r;
}

SafeFile::Result RoutineBook::reread(const QString &path)
{
    const SafeFile::Result r = m_file.reread(path);
    if (r)
        m_image = RoutineFile::fromBytes(m_file.bytes());
    return r;
}

void RoutineBook::take(const RoutineFile::Routines &routines)
{
    m_routines = routines;
    m_image = routines;
}

std::optional<int> RoutineBook::registerPad(const SchedulePadRecord &pad)
{
    size_t slot = 0;
    // The first free record: the same as the one after the last while the routines are packed, and
    // never a routine in use when a file was not.
    while (slot < m_routines.size() && m_routines[slot].isUsed())
        ++slot;
    if (slot == m_routines.size())
        return std::nullopt;
    RoutineRecord r;
    static_cast<PadFields &>(r) = pad;
    r.padNo = int(slot) + 1;
    r.padLeft = m_placement.leftPaneX;
    r.showFlag = true;
    r.weekdays.fill(true);
    m_routines[slot] = r;
    return r.padNo;
}

void RoutineBook::keep(int slot, const RoutineForm &form)
{
    RoutineRecord &r = m_routines[size_t(slot)];
    r.padNo = slot + 1;
    r.padLeft = form.rightPane ? m_placement.rightPaneX : m_placement.leftPaneX;
    r.keyword = form.keyword;
    r.content = form.description;
    r.barColor = form.color;
    r.setStart(form.start);
    r.setEnd(form.end);
    r.showFlag = form.shown;
    r.weekdays = form.weekdays;
}

int RoutineBook::remove(int slot)
{
    m_routines[size_t(slot)] = RoutineRecord();
    RoutineFile::Routines packed{};
    int count = 0;
    for (const RoutineRecord &r : m_routines) {
        if (!r.isUsed())
            continue;
        packed[size_t(count)] = r;
        packed[size_t(count)].padNo = count + 1;
        ++count;
    }
    m_routines = packed;
    return count;
}

DayFile RoutineBook::dayOf(int weekday, const DayFile &shown) const
{
    DayFile day;
    day.sourcePath = shown.sourcePath;
    day.createdOn = shown.createdOn;
    const size_t d = size_t(qBound(0, weekday, 6));
    int j = 0;
    for (const RoutineRecord &r : m_image) {
        if (!r.isUsed() || !r.showFlag || !r.weekdays[d] || r.startHour == -1)
            continue;
        SchedulePadRecord &pad = day.pads[j];
        static_cast<PadFields &>(pad) = r;
        pad.padNo = j + 1;
        ScheduleBar &bar = day.bars[j];
        bar.startRow = TimeAxis::timeToRow(r.startHour, r.startPM, r.startMinute);
        bar.endRow = TimeAxis::timeToRow(r.endHour, r.endPM, r.endMinute);
        bar.side = m_placement.sideOf(r.padLeft);
        bar.barColor = r.barColor;
        ++j;
    }
    return day;
}
