#pragma once

#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <optional>

// Readers of what Wrenly writes for other programs, for the tests.

// A strict reader of RFC 4180 CSV, written apart from Wrenly's writer so that tests hold the writer
// to the standard: fields in quotes with doubled quotes and line breaks inside, or without quotes,
// commas or line breaks; every record ends in CR LF. Malformed text reads as nothing.
inline std::optional<QList<QStringList>> readCsv(const QString &text)
{
    static const QRegularExpression field(
        QStringLiteral("\\G(?:\"((?:[^\"]|\"\")*)\"|([^,\"\r\n]*))(,|\r\n)"));
    QList<QStringList> records{{}};
    qsizetype at = 0;
    for (QRegularExpressionMatch m = field.match(text); m.hasMatch() && at < text.size();
         m = field.match(text, at)) {
        at = m.capturedEnd();
        records.last() << (m.hasCaptured(1)
                               ? m.captured(1).replace(QStringLiteral("\"\""), QStringLiteral("\""))
                               : m.captured(2));
        if (m.captured(3) != QStringLiteral(","))
            records << QStringList();
    }
    if (at != text.size() || !records.last().isEmpty())
        return std::nullopt;
    records.removeLast();
    return records;
}

// The pages of a PDF file as Qt writes it: one "/Type /Page" object each.
inline int pdfPageCount(const QByteArray &pdf)
{
    int pages = 0;
    for (qsizetype at = pdf.indexOf("/Type /Page"); at >= 0; at = pdf.indexOf("/Type /Page", at + 1))
        pages += pdf.mid(at + 11, 1) != "s" ? 1 : 0;
    return pages;
}
