#include "JobRecord.h"

#include "ByteFields.h"

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
    // Read from a copy of just this record so that the field helpers see record offsets.
    const QByteArray r = image.mid(offset, Size);
    Q_ASSERT(r.size() == Size);
    JobRecord j;
    j.dataNo = Fields::readI32(r, OffDataNo);
    j.entryDate = Fields::readF64(r, OffEntryDate);
    j.title = Fields::readString(r, OffTitle, TitleCapacity);
    j.startDate = Fields::readF64(r, OffStartDate);
    j.endDate = Fields::readF64(r, OffEndDate);
    j.comments = Fields::readString(r, OffComments, CommentsCapacity);
    j.customer = Fields::readString(r, OffCustomer, ShortCapacity);
    j.jobNo = Fields::readString(r, OffJobNo, ShortCapacity);
    j.jobType = Fields::readString(r, OffJobType, ShortCapacity);
    j.check = Fields::readI32(r, OffCheck);
    return j;
}

void JobRecord::toBytes(QByteArray &image, int offset) const
{
    QByteArray r(Size, '\0');
    Fields::writeI32(r, OffDataNo, dataNo);
    Fields::writeF64(r, OffEntryDate, entryDate);
    Fields::writeString(r, OffTitle, TitleCapacity, title);
    Fields::writeF64(r, OffStartDate, startDate);
    Fields::writeF64(r, OffEndDate, endDate);
    Fields::writeString(r, OffComments, CommentsCapacity, comments);
    Fields::writeString(r, OffCustomer, ShortCapacity, customer);
    Fields::writeString(r, OffJobNo, ShortCapacity, jobNo);
    Fields::writeString(r, OffJobType, ShortCapacity, jobType);
    Fields::writeI32(r, OffCheck, check);
    Q_ASSERT(offset >= 0 && offset + Size <= image.size());
    image.replace(offset, Size, r);
}

QByteArray JobRecord::toBytes() const
{
    QByteArray r(Size, '\0');
    toBytes(r, 0);
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
        jobs[size_t(i)].toBytes(image, i * JobRecord::Size);
    return image;
}

} // namespace MonthFile
