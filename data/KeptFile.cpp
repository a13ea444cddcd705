#include "data/KeptFile.h"

#include <QFileInfo>

SafeFile::Result KeptFile::loadOrCreate(const QString &path, const QByteArray &fresh)
{
    if (QFileInfo::exists(path))
        return reread(path);
    const SafeFile::Snapshot none;
    SafeFile::Snapshot written;
    const SafeFile::Result r = SafeFile::write(path, fresh, SafeFile::Tail::Drop, &none, &written);
    if (r)
        m_snapshot = written;
    return r;
}

SafeFile::Result KeptFile::reread(const QString &path)
{
    QByteArray bytes;
    SafeFile::Snapshot snapshot;
    const SafeFile::Result r = SafeFile::read(path, &bytes, m_size, &snapshot);
    if (r)
        m_snapshot = snapshot;
    return r;
}

SafeFile::Result KeptFile::save(const QString &path, const std::function<void(QByteArray &)> &put)
{
    const bool exists = QFileInfo::exists(path);
    // The user asked to save: a file that has gone since it was read holds nothing to lose.
    const SafeFile::Snapshot expected = exists ? m_snapshot : SafeFile::Snapshot();
    QByteArray bytes = expected.existed ? expected.head : QByteArray();
    put(bytes);
    SafeFile::Snapshot written;
    const SafeFile::Result r = SafeFile::write(
        path, bytes, exists ? SafeFile::Tail::Keep : SafeFile::Tail::Drop, &expected, &written);
    if (r)
        m_snapshot = written;
    return r;
}
