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
    QString error;              // a Japanese reason, for the message shown to the user
    bool changedOnDisk = false; // the file changed since it was read: nothing was written

    explicit operator bool() const { return ok; }
    static Result failure(const QString &why) { return {false, why}; }
};

// What a file held when it was read, so that a later write can tell whether another program
// (or a second Wrenly) changed it meanwhile: its size, its modification time and its bytes, the
// record and what follows it up to the bound a save keeps.
struct Snapshot
{
    bool existed = false;
    QByteArray head;       // the bytes that were read
    QByteArray tail;       // the bytes after them, at most as many as the head
    qint64 size = 0;       // of the whole file
    qint64 modifiedNs = 0; // nanoseconds since the epoch
};

// Far above any of Wrenly's files; keeps a huge or endless file from filling memory.
constexpr qint64 DefaultMaxBytes = 1024 * 1024;

// Reads at most `maxBytes` bytes (DefaultMaxBytes when negative). Only regular files are read;
// a pipe, device or folder is a failure, and opening never waits for a writer.
Result read(const QString &path, QByteArray *bytes, qint64 maxBytes = DefaultMaxBytes);
// The same, and `snapshot` describes the file for a later write().
Result read(const QString &path, QByteArray *bytes, qint64 maxBytes, Snapshot *snapshot);

enum class Tail { Keep, Drop };

// Replaces the file at `path` by `bytes`. With Tail::Keep, bytes of an existing longer file after
// bytes.size() are carried over; a file whose tail would be longer than `bytes` is far larger than
// any of our formats and is not written at all, so that nothing of it is lost and no save copies
// an unbounded amount. A symbolic link is written through to its target and stays a link. With
// `expected`, a file that no longer matches it is left alone and the result has changedOnDisk set.
// On success `written` (which may be `expected`) describes the new file. On failure the old file
// is left as it was.
Result write(const QString &path, const QByteArray &bytes, Tail tail = Tail::Keep,
             const Snapshot *expected = nullptr, Snapshot *written = nullptr);

// Called by write() just before it replaces an existing file, with the path it was given and the
// file that path resolves to, so that the old content can be kept elsewhere. The write goes on
// whatever the hook does. Installed once for the whole program; nullptr removes it.
using ReplaceHook = void (*)(const QString &path, const QString &target);
void setReplaceHook(ReplaceHook hook);

// The Japanese reason shown for a system error number (errno).
QString systemReason(int error);

// True when `fileName` is one of the temporary files write() makes.
bool isTemporaryName(const QString &fileName);

// Removes the temporary files a crash during write() left in `folder`, whatever their time. A
// save holds a lock on its temporary file until the file is renamed, and a lock dies with its
// process: a temporary file nobody holds is a leftover, one that is held is a save under way, in
// this or any other Wrenly, and stays. Returns how many were removed.
int removeLeftovers(const QString &folder);

} // namespace SafeFile
