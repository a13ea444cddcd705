#include "data/DayPlan.h"

#include "data/DailyPlanPaths.h"
#include "data/SjisCodec.h"

#include <QFileInfo>

namespace {

constexpr qint32 White = 0x00FFFFFF;

} // namespace

DayPlan::DayPlan(const PlanPlacement &placement) : m_placement(placement)
{
    clearDay();
}

QString DayPlan::monthFolder() const
{
    return m_root + u'/' + DailyPlanPaths::monthFolderName(m_today);
}

QString DayPlan::todayFile() const
{
    return monthFolder() + u'/' + DailyPlanPaths::dayFileName(m_today);
}

void DayPlan::setPadMemo(int slot, const QString &memo)
{
    m_pads[slot].memo = Sjis::fitToField(memo, SchedulePadRecord::MemoCapacity);
}

void DayPlan::clearDay()
{
    m_bars.fill(ScheduleBar::unused());
    m_pads.fill(SchedulePadRecord());
    m_diary = DiaryRecord();
    m_image = DayFile();
    m_file.take(SafeFile::Snapshot());
    m_image.bars = m_bars;
    m_image.pads = m_pads;
    m_image.diary = m_diary;
    m_saved = {m_bars, m_pads, m_diary};
}

bool DayPlan::hasUnsavedEdits() const
{
    return m_bars != m_saved.bars || m_pads != m_saved.pads || m_diary != m_saved.diary;
}

SafeFile::Result DayPlan::read(const QString &path, DayFile *day, SafeFile::Snapshot *snapshot)
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

void DayPlan::takeDay(const DayFile &day, const SafeFile::Snapshot &snapshot)
{
    m_image = day;
    m_bars = day.bars;
    m_pads = day.pads;
    m_diary = day.diary;
    m_saved = {m_bars, m_pads, m_diary};
    m_file.take(snapshot);
}

void DayPlan::takeScratchDay(const DayFile &day)
{
    m_image = day;
    m_bars = day.bars;
    m_pads = day.pads;
}

SafeFile::Result DayPlan::reread()
{
    const SafeFile::Result r = m_file.reread(m_currentFile);
    if (r)
        m_image = DayFile::fromBytes(m_file.bytes());
    return r;
}

SafeFile::Result DayPlan::save(double todaySerial, bool *created)
{
    DayFile image = m_image;
    const bool exists = QFileInfo::exists(m_currentFile);
    if (!exists) {
        image.setSourcePath(m_currentFile);
        image.createdOn = todaySerial;
    }
    image.bars = m_bars;
    image.pads = m_pads;
    image.diary = m_diary;
    const SafeFile::Result r =
        m_file.save(m_currentFile, [&image](QByteArray &bytes) { image.writeInto(bytes); });
    if (r) {
        m_image = image;
        m_saved = {m_bars, m_pads, m_diary};
    }
    if (created)
        *created = r && !exists;
    return r;
}

SafeFile::Result DayPlan::writeScratchDay(const QString &path, const DayFile &day)
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

// The record takes the whole form (the memo stays); the bar takes the rows of the typed times
// and keeps its pane and colour until the times are accepted.
void DayPlan::takeForm(int slot, const PadForm &form)
{
    SchedulePadRecord &r = m_pads[slot];
    r.padNo = slot + 1;
    r.padLeft = form.left;
    r.padTop = form.top;
    r.keyword = form.keyword;
    r.content = form.description;
    r.completed = form.completed;
    r.barColor = form.color;
    r.setStart(form.start);
    r.setEnd(form.end);
    ScheduleBar &b = m_bars[slot];
    b.startRow = TimeAxis::timeToRow(r.startHour, r.startPM, r.startMinute);
    b.endRow = TimeAxis::timeToRow(r.endHour, r.endPM, r.endMinute);
}

// Times before 6:00 or past the end of the axis are moved to its first or last minute. An end on
// row 2880 itself stays: a bar's end row is not drawn.
void DayPlan::clampToAxis(int slot, PadOutcome &outcome)
{
    SchedulePadRecord &r = m_pads[slot];
    ScheduleBar &b = m_bars[slot];
    if (b.startRow < 0) {
        r.setStart({6, 0, false});
        b.startRow = 0;
        outcome.startClamped = true;
    }
    if (b.endRow > TimeAxis::Rows) {
        r.setEnd({5, 59, false});
        b.endRow = TimeAxis::LastRow;
        outcome.endClamped = true;
    }
}

void DayPlan::placeBar(int slot)
{
    m_bars[slot].side = m_placement.sideOf(m_pads[slot].padLeft);
    m_bars[slot].barColor = m_pads[slot].barColor;
}

DayPlan::PadOutcome DayPlan::keepPad(int slot, const PadForm &form)
{
    PadOutcome outcome;
    takeForm(slot, form);
    if (m_bars[slot].startRow >= m_bars[slot].endRow) {
        outcome.outOfOrder = true;
        m_pads[slot].clearTimes();
        m_bars[slot] = ScheduleBar::unused();
        return outcome;
    }
    clampToAxis(slot, outcome);
    placeBar(slot);
    m_pads[slot].padTop = m_placement.padTopFor(m_bars[slot].startRow); // the pad moves to its bar
    return outcome;
}

DayPlan::PadOutcome DayPlan::revisePad(int slot, const PadForm &form)
{
    PadOutcome outcome;
    withdrawBar(slot);
    takeForm(slot, form);
    if (m_bars[slot].startRow < m_bars[slot].endRow) {
        clampToAxis(slot, outcome);
        placeBar(slot);
        return outcome;
    }
    outcome.outOfOrder = true;
    const SchedulePadRecord &saved = m_image.pads[slot];
    if (saved.hasTimes()) {
        m_pads[slot].setStart(saved.start());
        m_pads[slot].setEnd(saved.end());
        m_bars[slot] = m_image.bars[slot];
        outcome.timesRestored = true;
    } else {
        // Rows of the rejected times would be drawn; the record keeps them, the bar does not.
        m_bars[slot] = ScheduleBar::unused(White);
    }
    return outcome;
}

void DayPlan::withdrawBar(int slot)
{
    m_bars[slot] = ScheduleBar::unused(White);
}

int DayPlan::removePad(int slot)
{
    m_bars[slot] = ScheduleBar::unused();
    m_pads[slot] = SchedulePadRecord();
    ScheduleBars bars;
    bars.fill(ScheduleBar::unused());
    SchedulePads pads{};
    int packed = 0;
    for (int k = 0; k < PadSlots; ++k) {
        if (!m_bars[k].inUse())
            continue;
        bars[packed] = m_bars[k];
        pads[packed] = m_pads[k];
        pads[packed].padNo = packed + 1;
        ++packed;
    }
    m_bars = bars;
    m_pads = pads;
    return packed;
}
