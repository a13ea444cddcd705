#include "data/DateText.h"

namespace DateText {

QString weekdayLetter(int sundayFirstColumn)
{
    static const char16_t letters[] = u"日月火水木金土";
    if (sundayFirstColumn < 0 || sundayFirstColumn > 6)
        return {};
    return QString(QChar(letters[sundayFirstColumn]));
}

QString weekdayLetter(const QDate &date)
{
    if (!date.isValid())
        return {};
    return weekdayLetter(date.dayOfWeek() % 7);
}

static QString twoDigits(int n)
{
    return QString::number(n).rightJustified(2, QLatin1Char('0'));
}

QString unsetText()
{
    return QStringLiteral("未設定");
}

QString monthDayPadded(const QDate &date)
{
    if (!date.isValid())
        return unsetText();
    return twoDigits(date.month()) + QStringLiteral("月") + twoDigits(date.day()) + QStringLiteral("日(") +
           weekdayLetter(date) + QLatin1Char(')');
}

QString monthDay(const QDate &date)
{
    if (!date.isValid())
        return unsetText();
    return QString::number(date.month()) + QStringLiteral("月") + QString::number(date.day()) +
           QStringLiteral("日(") + weekdayLetter(date) + QLatin1Char(')');
}

QString longDate(const QDate &date)
{
    if (!date.isValid())
        return unsetText();
    return QString::number(date.year()) + QStringLiteral("年") + QString::number(date.month()) +
           QStringLiteral("月") + QString::number(date.day()) + QStringLiteral("日");
}

QString shortDate(const QDate &date)
{
    if (!date.isValid())
        return unsetText();
    return QString::number(date.year()) + QLatin1Char('/') + twoDigits(date.month()) + QLatin1Char('/') +
           twoDigits(date.day());
}

QString longDateFormat()
{
    return QStringLiteral("yyyy年M月d日");
}

} // namespace DateText
