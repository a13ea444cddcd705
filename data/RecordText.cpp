#include "data/RecordText.h"

#include "data/DateText.h"
#include "data/DaySerial.h"
#include "data/SjisCodec.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace RecordText {

namespace {

QString orBlank(const QString &text)
{
    return text.isEmpty() ? u"空白"_s : text;
}

QString date(double serial)
{
    return DateText::shortDate(DaySerial::dayOf(serial));
}

} // namespace

QStringList lines(const JobRecord &job, int dataNo, Form form)
{
    const bool file = form == Form::File;
    QStringList out;
    out << u"データNo.: "_s + QString::number(dataNo) << u"入力日/更新日: "_s + date(job.entryDate)
        << u"タイトル: "_s + orBlank(job.title) << u"開始日: "_s + date(job.startDate)
        << u"終了日: "_s + date(job.endDate);
    // A lone CR or LF breaks the line too, so that the file has CR LF endings only.
    static const QRegularExpression lineBreak(u"\r\n|\r|\n"_s);
    out << QString(u"内容: "_s + orBlank(job.comments)).split(lineBreak);
    out << u"顧客: "_s + orBlank(job.customer)
        << (file ? u"Job No. :"_s : u"Job No.: "_s) + orBlank(job.jobNo)
        << u"仕事の種類: "_s + orBlank(job.jobType)
        << u"チェック(0:未完/1:完了/2:遂行中): "_s + QString::number(job.check)
        << QString(file ? 25 : 40, u'*') << QString();
    return out;
}

QStringList monthLines(const MonthFile::Jobs &jobs, int count, Form form)
{
    QStringList out;
    for (int slot = qBound(0, count, MonthFile::RecordCount) - 1; slot >= 0; --slot)
        out << lines(jobs[size_t(slot)], slot + 1, form); // the slot is the record's identity
    return out;
}

QByteArray fileBytes(const MonthFile::Jobs &jobs, int count)
{
    QString text;
    for (const QString &line : monthLines(jobs, count, Form::File))
        text += line + u"\r\n"_s;
    return Sjis::encode(text);
}

QString textFileName(const QString &monthFileName)
{
    // Names stored by older programs may carry a folder with either separator.
    QString name =
        monthFileName.mid(qMax(monthFileName.lastIndexOf(u'/'), monthFileName.lastIndexOf(u'\\')) + 1);
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot >= 0)
        name.truncate(dot);
    return name + u".txt"_s;
}

} // namespace RecordText
