#include "data/RecordText.h"

#include "data/DateText.h"
#include "data/DaySerial.h"
#include "data/SjisCodec.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace RecordText {

namespace {

QString date(double serial)
{
    return DateText::shortDate(DaySerial::dayOf(serial));
}

// A lone CR or LF breaks the line too, so that the file has CR LF endings only. Shift-JIS never
// uses either byte inside a character, so stored bytes split as safely as text.
QStringList splitLines(const QString &text)
{
    static const QRegularExpression lineBreak(u"\r\n|\r|\n"_s);
    return text.split(lineBreak);
}

QList<QByteArray> splitLines(const QByteArray &bytes)
{
    QList<QByteArray> out{QByteArray()};
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n') {
            out.last() += c;
            continue;
        }
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        out.append(QByteArray());
    }
    return out;
}

// One record's lines in either form: `words` turns the program's own words into the form's text
// (S is QString or the file's bytes), `texts` are the record's five texts in that form.
template <typename S, typename Words>
QList<S> recordLines(const JobRecord &job, const std::array<S, 5> &texts, int dataNo, Form form, Words words)
{
    const bool file = form == Form::File;
    const auto orBlank = [&](const S &text) { return text.isEmpty() ? words(u"空白"_s) : text; };
    QList<S> out;
    out << words(u"データNo.: "_s + QString::number(dataNo))
        << words(u"入力日/更新日: "_s + date(job.entryDate)) << S(words(u"タイトル: "_s) + orBlank(texts[0]))
        << words(u"開始日: "_s + date(job.startDate)) << words(u"終了日: "_s + date(job.endDate));
    out << splitLines(S(words(u"内容: "_s) + orBlank(texts[1])));
    out << S(words(u"顧客: "_s) + orBlank(texts[2]))
        << S(words(file ? u"Job No. :"_s : u"Job No.: "_s) + orBlank(texts[3]))
        << S(words(u"仕事の種類: "_s) + orBlank(texts[4]))
        << words(u"チェック(0:未完/1:完了/2:遂行中): "_s + QString::number(job.check))
        << words(QString(file ? 25 : 40, u'*')) << S();
    return out;
}

} // namespace

QStringList lines(const JobRecord &job, int dataNo, Form form)
{
    const std::array<QString, 5> texts{job.title, job.comments, job.customer, job.jobNo, job.jobType};
    return recordLines<QString>(job, texts, dataNo, form, [](const QString &words) { return words; });
}

QStringList monthLines(const MonthFile::Jobs &jobs, int count, Form form)
{
    QStringList out;
    for (int slot = qBound(0, count, MonthFile::RecordCount) - 1; slot >= 0; --slot)
        out << lines(jobs[size_t(slot)], slot + 1, form); // the slot is the record's identity
    return out;
}

QByteArray fileBytes(const QByteArray &monthImage, int count)
{
    QByteArray image = monthImage.left(MonthFile::Size);
    image.append(QByteArray(MonthFile::Size - image.size(), '\0'));
    QByteArray out;
    for (int slot = qBound(0, count, MonthFile::RecordCount) - 1; slot >= 0; --slot) {
        const int offset = slot * JobRecord::Size;
        const JobRecord job = JobRecord::fromBytes(image, offset);
        // The texts go out as they are stored: encoding them again would turn a half character,
        // a byte the code page lacks or an NEC-selected character into something else.
        const JobRecord::StoredTexts t = JobRecord::storedTextsOf(image, offset);
        const std::array<QByteArray, 5> texts{t.title, t.comments, t.customer, t.jobNo, t.jobType};
        for (const QByteArray &line :
             recordLines<QByteArray>(job, texts, slot + 1, Form::File, &Sjis::encode))
            out += line + "\r\n";
    }
    return out;
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
