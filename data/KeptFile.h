#pragma once

#include "data/SafeFile.h"

#include <QByteArray>
#include <QString>

#include <functional>

// The bytes of one of the planner's files as last read or written, with the file's snapshot then:
// a save writes over those bytes, so what the user did not change keeps them, and leaves a file
// another program changed meanwhile alone. A file that has gone since is written anew.
class KeptFile final
{
public:
    explicit KeptFile(qsizetype size) : m_size(size) {}

    // Reads the file, or writes `fresh` as a new file when there is none.
    SafeFile::Result loadOrCreate(const QString &path, const QByteArray &fresh);
    // Reads the file again, after another program changed it.
    SafeFile::Result reread(const QString &path);
    // `put` writes the record over the bytes of the last read or write (none for a new file).
    SafeFile::Result save(const QString &path, const std::function<void(QByteArray &)> &put);

    // The bytes of the last read or write.
    const QByteArray &bytes() const { return m_snapshot.head; }
    const SafeFile::Snapshot &snapshot() const { return m_snapshot; }
    // What a read elsewhere found, or nothing for a file that does not exist yet.
    void take(const SafeFile::Snapshot &snapshot) { m_snapshot = snapshot; }

private:
    qsizetype m_size;
    SafeFile::Snapshot m_snapshot;
};
