#include "data/ListBook.h"

SafeFile::Result ListBook::loadOrCreate(const QString &path)
{
    const SafeFile::Result r = m_file.loadOrCreate(path, ListEntries::defaults().toBytes());
    if (r)
        m_entries = ListEntries::fromBytes(m_file.bytes());
    return r;
}

SafeFile::Result ListBook::save(const QString &path, const ListEntries &entries)
{
    const SafeFile::Result r = m_file.save(path, [&entries](QByteArray &bytes) { entries.writeInto(bytes); });
    if (r)
        m_entries = entries;
    return r;
}

SafeFile::Result ListBook::reread(const QString &path)
{
    const SafeFile::Result r = m_file.reread(path);
    if (r)
        m_entries = ListEntries::fromBytes(m_file.bytes());
    return r;
}
