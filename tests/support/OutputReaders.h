#pragma once

#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Readers of what Wrenly writes for other programs, for the tests.

// A strict reader of RFC 4180 CSV, written apart from Wrenly's writer so that tests hold the writer
// to the standard: fields in quotes with doubled quotes and line breaks inside, records ending in
// CR LF, nothing else. Malformed text reads as nothing.
inline std::optional<QList<QStringList>> readCsv(const QString &text)
{
    QList<QStringList> records;
    QStringList fields;
    QString field;
    bool quoted = false;
    bool fieldStarted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c != u'"') {
                field += c;
            } else if (i + 1 < text.size() && text[i + 1] == u'"') {
                field += c;
                ++i;
            } else {
                quoted = false;
                // After the closing quote only a separator may follow.
                if (i + 1 < text.size() && text[i + 1] != u',' && text[i + 1] != u'\r')
                    return std::nullopt;
            }
        } else if (c == u'"') {
            if (fieldStarted)
                return std::nullopt;
            quoted = fieldStarted = true;
        } else if (c == u',') {
            fields << field;
            field.clear();
            fieldStarted = false;
        } else if (c == u'\r') {
            if (i + 1 >= text.size() || text[i + 1] != u'\n')
                return std::nullopt;
            ++i;
            fields << field;
            records << fields;
            fields.clear();
            field.clear();
            fieldStarted = false;
        } else if (c == u'\n') {
            return std::nullopt;
        } else {
            field += c;
            fieldStarted = true;
        }
    }
    if (quoted || fieldStarted || !fields.isEmpty())
        return std::nullopt; // the last record lacks its CR LF
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

// Keeps a copy of a file the test wrote in $WRENLY_GRAB_DIR, when set, to look at it.
inline void keepForLooking(const QString &path, const QString &name)
{
    const QString dir = qEnvironmentVariable("WRENLY_GRAB_DIR");
    if (!dir.isEmpty())
        QFile::copy(path, dir + u'/' + name);
}
