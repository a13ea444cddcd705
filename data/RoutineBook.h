#pragma once

#include "data/DayFile.h"
#include "data/KeptFile.h"
#include "data/PlanPlacement.h"
#include "data/RoutineFile.h"
#include "data/TimeAxis.h"

#include <QString>

#include <array>
#include <optional>

// The routines of the daily planner, kept for the whole run: the working copies the routine
// settings edit and the routines as last loaded or saved (the image), with their file.
class RoutineBook final
{
public:
    // What a routine editor's boxes hold at its "一時保存": taken as typed, never checked.
    struct RoutineForm
    {
        TimeAxis::ClockTime start;
        TimeAxis::ClockTime end;
        bool rightPane = false;
        QString keyword;
        QString description;
        qint32 color = 0;
        bool shown = true;
        std::array<bool, 7> weekdays{}; // Sunday first
    };

    explicit RoutineBook(const PlanPlacement &placement) : m_placement(placement) {}

    const RoutineFile::Routines &routines() const { return m_routines; }
    const RoutineRecord &routine(int slot) const { return m_routines[size_t(slot)]; }
    // The routines as last loaded or saved.
    const RoutineFile::Routines &saved() const { return m_image; }
    // The working routines in use.
    int count() const { return RoutineFile::countRoutines(m_routines); }
    // The memo, cut to its field.
    void setMemo(int slot, const QString &memo);

    // 0-based; it outlives the window.
    int selected() const { return m_selected; }
    void select(int slot) { m_selected = slot; }

    // Reads the routine file, or writes empty routines when there is none.
    SafeFile::Result loadOrCreate(const QString &path);
    // Writes the working routines over the bytes read; a file that has gone is written anew, one
    // another program changed is left alone (changedOnDisk).
    SafeFile::Result save(const QString &path);
    // Reads the routine file again after another program changed it: image and snapshot follow the
    // file, the working routines stay.
    SafeFile::Result reread(const QString &path);
    // Takes routines as a file holds them: working copies and image.
    void take(const RoutineFile::Routines &routines);

    // "ルーチン仮登録": `pad` as last kept ("一時保存" or "変更"), not its boxes, becomes a routine in
    // the first free record, in the left pane and shown on every day. Returns its number, or
    // nothing when all records are taken.
    std::optional<int> registerPad(const SchedulePadRecord &pad);
    // A routine editor's "一時保存": the form goes into routine `slot`; its top and memo stay.
    void keep(int slot, const RoutineForm &form);
    // Empties routine `slot` and moves the others up to the lowest numbers, memo and all. Returns
    // how many are left, which is also the number of the last.
    int remove(int slot);
    // "閉じる" of the routine settings: back to the routines as last loaded or saved.
    void dropEdits() { m_routines = m_image; }

    // "ルーチン表示": the file name and date of `shown` with one pad and bar for each saved routine
    // shown on `weekday` (0 = Sunday), in routine order, and an empty diary. A routine without
    // times makes no pad, so it gets no bar either.
    DayFile dayOf(int weekday, const DayFile &shown) const;

private:
    PlanPlacement m_placement;
    RoutineFile::Routines m_routines{};
    RoutineFile::Routines m_image{};
    KeptFile m_file{RoutineFile::Size};
    int m_selected = 0;
};
