#pragma once

#include "data/DayFile.h"
#include "data/ListEntriesFile.h"
#include "data/RoutineFile.h"
#include "data/SafeFile.h"

#include <QString>

// What the daily planner edits, kept for the whole run: the working copies of the shown day, the
// day as last loaded or saved (its image), the routines and the lists, and the files they belong
// to. Pads and dialogs change the working copies only; the save commands write whole files.
struct DailyPlanState
{
    ScheduleBars workingBars{};
    SchedulePads workingPads{};
    DiaryRecord workingDiary;
    DayFile dayImage; // as last loaded, saved or cleared

    RoutineFile::Routines workingRoutines{};
    RoutineFile::Routines routineImage{};
    ListEntries listEntries;

    QString aubrelDir;
    QString monthFolderName;
    QString todayDayFile;
    QString currentDayFile;

    // 0-based; survives closing the planner, like the selection of the design.
    int selectedPad = 0;
    int selectedRoutine = 0;

    // The bars in the image: "データ総数".
    int padCount() const { return lastUsedBar(dayImage.bars); }

    // Empty working copies and an image without path or date.
    void clearDay();

    static SafeFile::Result readDay(const QString &path, DayFile *day);
    // Takes a day read from a file as image and working copies. The scratch file of the routine
    // display leaves the diary alone.
    void takeDay(const DayFile &day, bool withDiary);

    // Writes the working copies to the current day file. A new file first gets its path and the
    // date; the image changes only once the bytes are on disk.
    SafeFile::Result saveDay(double todaySerial, bool *created = nullptr);

    // Reads the routine file, or writes empty routines when there is none.
    SafeFile::Result loadOrCreateRoutines(const QString &path);
    // Writes the working routines, only when the file exists (created when the planner opens).
    SafeFile::Result saveRoutines(const QString &path);

    // Reads the list file, or writes the default entries when there is none.
    SafeFile::Result loadOrCreateLists(const QString &path);
    SafeFile::Result saveLists(const QString &path) const;
};
