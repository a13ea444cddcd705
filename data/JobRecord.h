#pragma once

#include <QByteArray>
#include <QString>

#include <array>

// One job of a month file: 456 bytes on disk.
struct JobRecord
{
    static constexpr int Size = 456;
    static constexpr int TitleCapacity = 63;
    static constexpr int CommentsCapacity = 255;
    static constexpr int ShortCapacity = 31; // customer, job number, job type

    enum Check : qint32 { NotDone = 0, Done = 1, InProgress = 2 };

    // A job with a step file wears this at the start of its title.
    static constexpr QStringView StepMark = u"[STEP]";

    qint32 dataNo = 0;
    double entryDate = 0.0;
    QString title;
    double startDate = 0.0;
    double endDate = 0.0;
    QString comments; // line breaks as CR LF, as stored
    QString customer;
    QString jobNo;
    QString jobType;
    qint32 check = NotDone;

    // A slot is used when its title is not empty.
    bool isUsed() const { return !title.isEmpty(); }
    // As fromBytes(image, offset).isUsed(), without decoding any text.
    static bool isUsedAt(const QByteArray &image, int offset);
    // The record as its file will hold it: every text cut to its field.
    JobRecord fittedToFields() const;

    static JobRecord fromBytes(const QByteArray &image, int offset = 0);
    // The texts' bytes as the file holds them, for output that must not encode them again.
    struct StoredTexts
    {
        QByteArray title, comments, customer, jobNo, jobType;
    };
    static StoredTexts storedTextsOf(const QByteArray &image, int offset = 0);
    // Writes the record over the one at `offset` of `image` (Size bytes from there): fields that
    // already hold their value and the fillers keep their bytes.
    void writeInto(QByteArray &image, int offset = 0) const;
    QByteArray toBytes() const;

    bool operator==(const JobRecord &) const = default;
};

// A month file: 60 records, 27360 bytes, no header.
namespace MonthFile {

constexpr int RecordCount = 60;
constexpr int Size = RecordCount * JobRecord::Size;

using Jobs = std::array<JobRecord, RecordCount>;

// "Y" + year + "JAN".."DEC" + ".vxf", e.g. Y2003MAY.vxf.
QString fileName(int year, int month);
QString monthAbbreviation(int month); // "JAN".."DEC", empty outside 1..12

// Length of the unbroken run of used slots from slot 0.
int countUsedRecords(const Jobs &jobs);

// A shorter image fills the array as far as it goes; the rest is empty.
Jobs fromBytes(const QByteArray &image);
QByteArray toBytes(const Jobs &jobs);

} // namespace MonthFile
