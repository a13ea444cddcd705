#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Comma-separated values as RFC 4180 writes them: records end in CR LF, a field holding a comma, a
// quote or a line break is quoted and its quotes doubled. Spreadsheet programs in Japanese read
// UTF-8 only with a byte-order mark; older ones want code page 932.
namespace Csv {

enum class Encoding { Utf8WithBom, ShiftJis };

QString field(const QString &text);
// The fields of one record, with its CR LF.
QString record(const QStringList &fields);
// The bytes that open a file: UTF-8's byte-order mark, nothing for code page 932.
QByteArray start(Encoding encoding);
QByteArray encode(const QString &text, Encoding encoding);

} // namespace Csv
