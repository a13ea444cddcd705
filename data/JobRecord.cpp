#include "data/JobRecord.h"

#include "data/ByteFields.h"
#include "data/SjisCodec.h"

#include <cstring>

namespace {

// Offsets within a record.
enum : int {
    OffDataNo = 0,
    OffEntryDate = 8,
    OffTitle = 16,
    OffStartDate = 80,
    OffEndDate = 88,
    OffComments = 96,
    OffCustomer = 352,
    OffJobNo = 384,
    OffJobType = 416,
    OffCheck = 448,
};

} // namespace

JobRecord JobRecord::fromBytes(const QByteArray &image, int offset)
{
    Q_ASSERT(offset >= 0 && offset + Size <= image.size());
    JobRecord j;
    j.dataNo = Fields::readI32(image, offset + OffDataNo);
    j.entryDate = Fields::readF64(image, offset + OffEntryDate);
    j.title = Fields::readString(image, offset + OffTitle, TitleCapacity);
    j.startDate = Fields::readF64(image, offset + OffStartDate);
    j.endDate = Fields::readF64(image, offset + OffEndDate);
    j.comments = Fields::readString(image, offset + OffComments, CommentsCapacity);
    j.customer = Fields::readString(image, offset + OffCustomer, ShortCapacity);
    j.jobNo = Fields::readString(image, offset + OffJobNo, ShortCapacity);
    j.jobType = Fields::readString(image, offset + OffJobType, ShortCapacity);
    j.check = Fields::readI32(image, offset + OffCheck);
    return j;
}

JobRecord::StoredTexts JobRecord::storedTextsOf(const QByteArray &image, int offset)
{
    Q_ASSERT(offset >= 0 && offset + Size <= image.size());
    return {Fields::readStringBytes(image, offset + OffTitle, TitleCapacity),
            Fields::readStringBytes(image, offset + OffComments, CommentsCapacity),
            Fields::readStringBytes(image, offset + OffCustomer, ShortCapacity),
            Fields::readStringBytes(image, offset + OffJobNo, ShortCapacity),
            Fields::readStringBytes(image, offset + OffJobType, ShortCapacity)};
}

bool JobRecord::isUsedAt(const QByteArray &image, int offset)
{
    return !Fields::readStringBytes(image, offset + OffTitle, TitleCapacity).isEmpty();
}

void JobRecord::writeInto(QByteArray &image, int offset) const
{
    Q_ASSERT(offset >= 0 && offset + Size <= image.size());
    Fields::updateI32(image, offset + OffDataNo, dataNo);
    Fields::updateF64(image, offset + OffEntryDate, entryDate);
    Fields::updateString(image, offset + OffTitle, TitleCapacity, title);
    Fields::updateF64(image, offset + OffStartDate, startDate);
    Fields::updateF64(image, offset + OffEndDate, endDate);
    Fields::updateString(image, offset + OffComments, CommentsCapacity, comments);
    Fields::updateString(image, offset + OffCustomer, ShortCapacity, customer);
    Fields::updateString(image, offset + OffJobNo, ShortCapacity, jobNo);
    Fields::updateString(image, offset + OffJobType, ShortCapacity, jobType);
    Fields::updateI32(image, offset + OffCheck, check);
}

JobRecord JobRecord::fittedToFields() const
{
    JobRecord r = *this;
    r.title = Sjis::fitToField(title, TitleCapacity);
    r.comments = Sjis::fitToField(comments, CommentsCapacity);
    r.customer = Sjis::fitToField(customer, ShortCapacity);
    r.jobNo = Sjis::fitToField(jobNo, ShortCapacity);
    r.jobType = Sjis::fitToField(jobType, ShortCapacity);
    return r;
}

QByteArray JobRecord::toBytes() const
{
    QByteArray r(Size, '\0');
    writeInto(r, 0);
    return r;
}

namespace MonthFile {

QString monthAbbreviation(int month)
{
    static const char *const names[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                        "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
    if (month < 1 || month > 12)
        return {};
    return QString::fromLatin1(names[month - 1]);
}

QString fileName(int year, int month)
{
    return QLatin1Char('Y') + QString::number(year) + monthAbbreviation(month) + QLatin1String(".vxf");
}

int countUsedRecords(const Jobs &jobs)
{
    int n = 0;
    while (n < RecordCount && jobs[size_t(n)].isUsed())
        ++n;
    return n;
}

Jobs fromBytes(const QByteArray &image)
{
    QByteArray full = image.left(Size);
    if (full.size() < Size)
        full.append(QByteArray(Size - full.size(), '\0'));
    Jobs jobs;
    for (int i = 0; i < RecordCount; ++i)
        jobs[size_t(i)] = JobRecord::fromBytes(full, i * JobRecord::Size);
    return jobs;
}

QByteArray toBytes(const Jobs &jobs)
{
    QByteArray image(Size, '\0');
    for (int i = 0; i < RecordCount; ++i)
        jobs[size_t(i)].writeInto(image, i * JobRecord::Size);
    return image;
}

} // namespace MonthFile
