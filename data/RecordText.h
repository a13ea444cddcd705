#pragma once

#include "data/JobRecord.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// A month's records as labelled text, newest first: in the data viewer and in the text file
// written beside the month file. The two forms differ only in the separator line and the label of
// the job number.
namespace RecordText {

enum class Form { Viewer, File };

// The lines of one record shown as data number `dataNo`, closed by the separator and an empty
// line. Line breaks inside the comments start further lines.
QStringList lines(const JobRecord &job, int dataNo, Form form);
// The records of slots count - 1 down to 0.
QStringList monthLines(const MonthFile::Jobs &jobs, int count, Form form);
// The text file of the first `count` records of a month file's bytes: the file form in CP932,
// every line ending in CR LF, each text as the month file stores it.
QByteArray fileBytes(const QByteArray &monthImage, int count);
// The name of the text file of a month file: its bare name with ".txt" as extension
// (Y2024MAR.vxf gives Y2024MAR.txt).
QString textFileName(const QString &monthFileName);

} // namespace RecordText
