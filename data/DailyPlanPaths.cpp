#include "data/DailyPlanPaths.h"

using namespace Qt::StringLiterals;

namespace DailyPlanPaths {

QString dailyPlanRoot(const QString &exeDir)
{
    return exeDir + u"/AUBREL"_s;
}

QString monthFolderName(const QDate &date)
{
    return u"Y"_s + QString::number(date.year()) + QString::number(date.month()).rightJustified(2, u'0');
}

QString monthFolder(const QString &exeDir, const QDate &date)
{
    return dailyPlanRoot(exeDir) + u'/' + monthFolderName(date);
}

QString dayFileName(const QDate &date)
{
    return monthFolderName(date) + QString::number(date.day()) + u".dtf"_s;
}

QString dayFile(const QString &exeDir, const QDate &date)
{
    return monthFolder(exeDir, date) + u'/' + dayFileName(date);
}

QString routineFile(const QString &exeDir)
{
    return exeDir + u"/Routines.rdf"_s;
}

QString listFile(const QString &exeDir)
{
    return exeDir + u"/LEntries.lef"_s;
}

QString temporaryFile(const QString &exeDir)
{
    return exeDir + u"/Temporary.dtf"_s;
}

} // namespace DailyPlanPaths
