#pragma once

#include <QDate>
#include <QString>

// Folders and files of the daily planner, all under the program folder. A day's file lies in the
// folder of its month: AUBREL/Y200512/Y2005125.dtf for 5 December 2005 (the month always has two
// digits, the day never has a leading zero).
namespace DailyPlanPaths {

QString dailyPlanRoot(const QString &exeDir); // the AUBREL folder
QString monthFolderName(const QDate &date);
QString monthFolder(const QString &exeDir, const QDate &date);
QString dayFileName(const QDate &date);
QString dayFile(const QString &exeDir, const QDate &date);
QString routineFile(const QString &exeDir);
QString listFile(const QString &exeDir);
QString temporaryFile(const QString &exeDir);

} // namespace DailyPlanPaths
