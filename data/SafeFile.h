#pragma once

#include <QByteArray>
#include <QString>

// What was being done to a file when it failed, for the message the user sees.
enum class FileOperation { Read, Write, Create };

// File access shared by every format. Writes never leave a half-written file behind: the new
// bytes go to a temporary file in the same folder, are flushed to disk and renamed over the old
// file. All of Wrenly's records keep whatever a longer existing file holds after the record.
namespace SafeFile {

struct Result
{
    bool ok = true;
    QString error; // the system's reason, for the message shown to the user

    explicit operator bool() const { return ok; }
    static Result failure(const QString &why) { return {false, why}; }
};

// Reads at most `maxBytes` bytes (all of the file when negative).
Result read(const QString &path, QByteArray *bytes, qint64 maxBytes = -1);

enum class Tail { Keep, Drop };

// Replaces the file at `path` by `bytes`. With Tail::Keep, bytes of an existing longer file after
// bytes.size() are carried over. On failure the old file is left as it was.
Result write(const QString &path, const QByteArray &bytes, Tail tail = Tail::Keep);

} // namespace SafeFile
