#pragma once

#include "data/DayFile.h"
#include "data/KeptFile.h"
#include "data/PlanPlacement.h"
#include "data/SafeFile.h"
#include "data/TimeAxis.h"

#include <QDate>
#include <QString>

// The day the daily planner shows, kept for the whole run: the working copies of its bars, pads
// and diary, the day as last loaded or saved (its image) and the file it belongs to. Pads and
// dialogs change the working copies only; a save writes the whole day file.
class DayPlan final
{
public:
    // What a pad's boxes hold when "一時保存" or "変更" is pressed: the times as typed, not yet
    // checked against the axis, where the pad stands and its texts.
    struct PadForm
    {
        TimeAxis::ClockTime start;
        TimeAxis::ClockTime end;
        int left = 0;
        int top = 0;
        QString keyword;
        QString description;
        bool completed = false;
        qint32 color = 0;
    };

    // What "一時保存" or "変更" did with the typed times, for the pad to tell the user.
    struct PadOutcome
    {
        bool outOfOrder = false;    // the end is not after the start
        bool startClamped = false;  // the start lay before 6:00 and is now 6:00
        bool endClamped = false;    // the end lay past 5:59 of the next morning and is now 5:59
        bool timesRestored = false; // "変更" out of order: the saved day's times came back
        bool operator==(const PadOutcome &) const = default;
    };

    explicit DayPlan(const PlanPlacement &placement);

    // The planner's own day, taken from the clock each time it opens; the session keeps the day
    // the program started on.
    QDate today() const { return m_today; }
    void setToday(const QDate &date) { m_today = date; }
    // The AUBREL folder.
    QString root() const { return m_root; }
    void setRoot(const QString &folder) { m_root = folder; }
    // The folder of today's month and today's day file.
    QString monthFolder() const;
    QString todayFile() const;
    // The day file the shown day is saved to.
    QString currentFile() const { return m_currentFile; }
    void setCurrentFile(const QString &path) { m_currentFile = path; }

    const ScheduleBars &bars() const { return m_bars; }
    const SchedulePads &pads() const { return m_pads; }
    const SchedulePadRecord &pad(int slot) const { return m_pads[slot]; }
    const DiaryRecord &diary() const { return m_diary; }
    void setDiary(const DiaryRecord &diary) { m_diary = diary; }
    // The memo, cut to its field.
    void setPadMemo(int slot, const QString &memo);
    // The day as last loaded, saved or cleared.
    const DayFile &image() const { return m_image; }
    // The bars in the image: "データ総数".
    int padCount() const { return lastUsedBar(m_image.bars); }

    // 0-based; it outlives the window.
    int selectedPad() const { return m_selectedPad; }
    void selectPad(int slot) { m_selectedPad = slot; }

    // "一時保存": the form becomes record and bar `slot`. Times out of order empty the record's
    // times and leave the bar unused; times beyond the axis are clamped to it. The bar takes the
    // pane of the pad and its colour, and the record's top follows the bar.
    PadOutcome keepPad(int slot, const PadForm &form);
    // "変更": like "一時保存", but the pad keeps its top. Times out of order bring back those of
    // the saved day, or leave the bar unused when the saved day has no times for the pad.
    PadOutcome revisePad(int slot, const PadForm &form);
    // "変更" takes the bar away while it reads the pad: unused, white.
    void withdrawBar(int slot);
    // Empties `slot` and moves the pads with a bar in use up to the lowest numbers, memo and all;
    // pads without a bar go. Returns how many are left, which is also the number of the last.
    int removePad(int slot);

    // Empty working copies and an image without path or date.
    void clearDay();
    // Kept or dragged pads, a memo or a diary that the day file does not hold yet.
    bool hasUnsavedEdits() const;

    static SafeFile::Result read(const QString &path, DayFile *day, SafeFile::Snapshot *snapshot = nullptr);
    // Takes a day read from its file (`snapshot` describes the file) as image and working copies.
    void takeDay(const DayFile &day, const SafeFile::Snapshot &snapshot);
    // Takes the day of the scratch file the routine display writes: its pads and bars. The shown
    // day's diary, its file and what the file holds stay as they were.
    void takeScratchDay(const DayFile &day);
    // Reads the current day file again after another program changed it: image and snapshot follow
    // the file, the working copies stay.
    SafeFile::Result reread();
    // Writes the working copies to the current day file. A new file first gets its path and the
    // date; the image changes only once the bytes are on disk. A file changed by another program
    // since it was read is left alone (changedOnDisk); one that has gone is written anew.
    SafeFile::Result save(double todaySerial, bool *created = nullptr);
    // Writes `day` over the scratch file's bytes, or as a new file when there is none.
    static SafeFile::Result writeScratchDay(const QString &path, const DayFile &day);

private:
    // The working copies as the day file holds them, as last loaded, saved or cleared: what a close
    // without saving would lose is what differs from them.
    struct SavedDay
    {
        ScheduleBars bars{};
        SchedulePads pads{};
        DiaryRecord diary;
    };
    void takeForm(int slot, const PadForm &form);
    void clampToAxis(int slot, PadOutcome &outcome);
    void placeBar(int slot);

    PlanPlacement m_placement;
    QDate m_today;
    QString m_root;
    QString m_currentFile;
    ScheduleBars m_bars{};
    SchedulePads m_pads{};
    DiaryRecord m_diary;
    DayFile m_image;
    SavedDay m_saved;
    KeptFile m_file{DayFile::Size}; // not existing for a day without its file
    int m_selectedPad = 0;
};
